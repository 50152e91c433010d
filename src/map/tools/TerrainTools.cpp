#include "map/tools/TerrainTools.h"

#include "map/MapState.h"
#include "map/ToolHost.h"
#include "map/tools/MapObjectErase.h"
#include "map/tools/TerrainPainting.h"
#include "map/tools/ToolState.h"
#include "platform/core/Random.h"
#include "scenario/Scenario.h"

#include <random>

namespace {
constexpr std::uint8_t kSignProperty = 11;
constexpr std::uint8_t kTownEntranceProperty = 21;
constexpr const char* kSecondCornerPrompt = "Select lower right corner.";

std::uint8_t PropertyOf(std::uint8_t terrain) {
    return Scen.TerrainTypes[terrain].SpecialProperty;
}

void PaintSquare(int x, int y, int reach, std::uint8_t terrain, ToolHost& host) {
    for (int dx = -reach; dx <= reach; ++dx)
        for (int dy = -reach; dy <= reach; ++dy)
            PaintTerrainAt(terrain, x + dx, y + dy, host);
}

void Spray(int x, int y, int reach, ToolHost& host) {
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    for (int dx = -reach; dx <= reach; ++dx)
        for (int dy = -reach; dy <= reach; ++dy) {
            // A cell beyond the grid holds nothing that matches and draws no number.
            const MapCell* cell = Map.MapCells.Find(x + dx, y + dy);
            if (!cell || cell->Terrain > 1) continue;
            if (static_cast<int>(chance(RandomGenerator()) * 100) < 1)
                PaintTerrainAt(Map.PaintTerrain, x + dx, y + dy, host);
        }
}

// Draws nothing cell by cell, so that a rectangle in the detail view is repainted once.
class QuietHost : public MapHost {
  public:
    void RedrawCell(int, int) override {}
    void RedrawView() override {}
};

void Rectangle(int x, int y, bool filled, ToolHost& host) {
    if (Tools.ClickStep == 0) {
        Tools.ClickStep = 1;
        Tools.ClickRect.Left = static_cast<std::uint8_t>(x);
        Tools.ClickRect.Top = static_cast<std::uint8_t>(y);
        host.SetMapCursor(ToolCursor::Area2);
        host.ShowToolPrompt(kSecondCornerPrompt);
        return;
    }
    Tools.ClickStep = 0;
    host.SelectDrawTerrainTool();
    Tools.ClickRect.Right = static_cast<std::uint8_t>(x);
    Tools.ClickRect.Bottom = static_cast<std::uint8_t>(y);
    const AreaRect r = Tools.ClickRect;
    // A second corner above or left of the first is dropped.
    if (r.Right < r.Left || r.Bottom < r.Top) return;
    QuietHost quiet;
    MapHost& drawer = Map.ZoomView ? static_cast<MapHost&>(quiet) : host;
    for (int i = r.Left; i <= r.Right; ++i)
        for (int j = r.Top; j <= r.Bottom; ++j)
            if (filled || i == r.Left || i == r.Right || j == r.Top || j == r.Bottom)
                PaintTerrainAt(Map.PaintTerrain, i, j, drawer);
    if (Map.ZoomView) host.RedrawView();
}
} // namespace

void DrawTerrain(int x, int y, ToolHost& host) {
    if (const MapCell* cell = Map.MapCells.Find(x, y); cell && cell->SignIndex >= 0)
        EraseSign(x, y);
    if (EditingOutdoors())
        if (const MapCell* cell = Map.MapCells.Find(x, y); cell && cell->EntranceIndex >= 0)
            EraseTownEntrance(x, y);
    const std::uint8_t property = PropertyOf(Map.PaintTerrain);
    if (property == kSignProperty) host.PlaceSign(x, y);
    if (EditingOutdoors() && property == kTownEntranceProperty) host.PlaceTownEntrance(x, y);
    PaintTerrainAt(Map.PaintTerrain, x, y, host);
}

void LargePaint(int x, int y, ToolHost& host) {
    const std::uint8_t property = PropertyOf(Map.PaintTerrain);
    if (property == kSignProperty || property == kTownEntranceProperty) return;
    const std::uint8_t t = Map.PaintTerrain;
    for (int dx = -2; dx <= 2; ++dx) {
        PaintTerrainAt(t, x + dx, y - 4, host);
        PaintTerrainAt(t, x + dx, y + 4, host);
    }
    for (int dx = -3; dx <= 3; ++dx) {
        PaintTerrainAt(t, x + dx, y - 3, host);
        PaintTerrainAt(t, x + dx, y + 3, host);
    }
    for (int dx = -4; dx <= 4; ++dx)
        for (int dy = -2; dy <= 2; ++dy)
            PaintTerrainAt(t, x + dx, y + dy, host);
}

void SmallPaint(int x, int y, ToolHost& host) {
    PaintSquare(x, y, 1, Map.PaintTerrain, host);
}

void LargeSpray(int x, int y, ToolHost& host) {
    Spray(x, y, 4, host);
}

void SmallSpray(int x, int y, ToolHost& host) {
    Spray(x, y, 2, host);
}

void PickTerrain(int x, int y, ToolHost& host) {
    const MapCell* cell = Map.MapCells.Find(x, y);
    if (!cell) return;
    Map.SelectedTerrain = Map.PaintTerrain = cell->Terrain;
    host.RefreshSelTerrain();
    host.SelectDrawTerrainTool();
}

void EmptyRectangle(int x, int y, ToolHost& host) {
    Rectangle(x, y, false, host);
}

void FilledRectangle(int x, int y, ToolHost& host) {
    Rectangle(x, y, true, host);
}

void EraseTerrainTool(int x, int y, ToolHost& host) {
    PaintSquare(x, y, 2, Map.EraseTerrain, host);
}

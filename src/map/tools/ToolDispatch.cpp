#include "map/tools/ToolDispatch.h"

#include "map/MapState.h"
#include "map/MapView.h"
#include "map/ToolHost.h"
#include "map/tools/ToolState.h"
#include "map/tools/ToolTable.h"
#include "scenario/Scenario.h"

#include <algorithm>
#include <array>

namespace {
constexpr int kLastBrushTool = 4;

bool IsSignOrEntrance(std::uint8_t terrain) {
    const std::uint8_t property = Scen.TerrainTypes[terrain].SpecialProperty;
    return property == 11 || property == 21;
}

// Terrains inside the wall ranges that are no wall piece: drawing one over a wall of the same
// style puts it down instead of clearing the cell.
bool IsWallOrnament(std::uint8_t terrain) {
    constexpr std::array<std::uint8_t, 6> kOrnaments = {7, 10, 13, 16, 23, 37};
    return std::find(kOrnaments.begin(), kOrnaments.end(), terrain) != kOrnaments.end();
}

// Clears the busy flag however the tool ends.
class BusyScope {
  public:
    BusyScope() { Tools.Busy = true; }
    ~BusyScope() { Tools.Busy = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
};
} // namespace

std::optional<std::pair<int, int>> GridCellUnderMouse() {
    const auto [x, y] = GridCellOfViewCell(Map.MouseCell);
    // A view cell that the view does not draw is the picture's margin or beyond it.
    if (!CellPlaceInView(x, y)) return std::nullopt;
    if (!Map.MapCells.Contains(x, y)) return std::nullopt;
    return std::pair{x, y};
}

std::uint8_t ChoosePaintTerrain() {
    const std::uint8_t selected = Map.SelectedTerrain;
    if (Tools.CurrentTool != kToolDrawTerrain) return selected;
    const auto cell = GridCellUnderMouse();
    // A pointer beyond the grid reads no cell and matches nothing.
    if (!cell) return selected;
    const std::uint8_t current = Map.MapCells.At(cell->first, cell->second).Terrain;
    if (current == selected) return Map.EraseTerrain;
    const int currentSet = Scen.TerrainTypes[current].TerrainSet;
    if (currentSet >= 0 && currentSet == Scen.TerrainTypes[selected].TerrainSet)
        return IsWallOrnament(selected) ? selected : Map.EraseTerrain;
    return selected;
}

void ApplyToolAtCell(ToolHost& host) {
    if (Tools.Busy) return;
    const auto cell = GridCellUnderMouse();
    if (!cell) return;
    const auto [x, y] = *cell;
    if (!Map.EditBounds.Contains(x) || !Map.EditBounds.Contains(y)) return;
    const int tool = Tools.CurrentTool;
    if (tool < 0 || tool >= kMapToolCount) return;
    BusyScope busy;
    MapTools()[static_cast<std::size_t>(tool)].Apply(x, y, host);
}

void MapMouseDown(bool leftAlone, ViewCell cell, ToolHost& host) {
    if (!leftAlone || Tools.Busy) return;
    Map.MouseCell = cell;
    Map.CellPixelSize = ViewCellSize();
    Map.PaintTerrain = ChoosePaintTerrain();
    ApplyToolAtCell(host);
}

void MapDoubleClick(bool leftButton, ToolHost& host) {
    // A tool waiting on a dialog keeps the terrain it is putting down.
    if (!leftButton || Tools.Busy) return;
    Map.PaintTerrain = Map.EraseTerrain;
    ApplyToolAtCell(host);
}

void ContinueStroke(bool leftAlone, ToolHost& host) {
    if (!leftAlone || Tools.CurrentTool < 0 || Tools.CurrentTool > kLastBrushTool) return;
    if (IsSignOrEntrance(Map.SelectedTerrain)) return;
    ApplyToolAtCell(host);
}

int ToolForButton(int index) {
    if (index >= 1 && index <= kLastBrushTool && IsSignOrEntrance(Map.SelectedTerrain))
        return kToolDrawTerrain;
    return index;
}

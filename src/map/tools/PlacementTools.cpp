#include "map/tools/PlacementTools.h"

#include "map/MapCells.h"
#include "map/MapState.h"
#include "map/ToolHost.h"
#include "map/objects/AreaObjects.h"
#include "map/objects/ObjectLists.h"
#include "map/objects/ObjectState.h"
#include "map/objects/TownObjects.h"
#include "map/tools/ToolState.h"
#include "scenario/Scenario.h"

#include <array>
#include <vector>

namespace {
constexpr std::uint8_t kSignProperty = 11;
constexpr std::uint8_t kTownEntranceProperty = 21;
constexpr const char* kSecondCornerPrompt = "Select lower right corner.";
constexpr std::array<const char*, 3> kArrivalPrompts = {"Second entry point", "Third entry point",
                                                        "Fourth entry point"};

void RepaintView(ToolHost& host) {
    // The whole view shows terrain only.
    if (Map.ZoomView) host.RedrawView();
}

std::uint8_t PropertyAt(int x, int y) {
    return Scen.TerrainTypes[Map.MapCells.At(x, y).Terrain].SpecialProperty;
}

// The two-click rectangle: the first click keeps the corner and returns false; the second
// goes back to drawing and returns whether the corners make a rectangle (in ClickRect).
bool SecondCorner(int x, int y, bool newCursor, ToolHost& host) {
    if (Tools.ClickStep == 0) {
        Tools.ClickStep = 1;
        Tools.ClickRect.Left = static_cast<std::uint8_t>(x);
        Tools.ClickRect.Top = static_cast<std::uint8_t>(y);
        if (newCursor) host.SetMapCursor(ToolCursor::Area2);
        host.ShowToolPrompt(kSecondCornerPrompt);
        return false;
    }
    Tools.ClickStep = 0;
    host.SelectDrawTerrainTool();
    Tools.ClickRect.Right = static_cast<std::uint8_t>(x);
    Tools.ClickRect.Bottom = static_cast<std::uint8_t>(y);
    const AreaRect& r = Tools.ClickRect;
    return r.Right >= r.Left && r.Bottom >= r.Top;
}

bool AwayFromEdge(int x, int y) {
    if (x != 0 && y != 0 && x != Map.MapMax && y != Map.MapMax) return true;
    ShowToolError("Must not put creatures this close to the edge.");
    return false;
}
} // namespace

void EditSignTool(int x, int y, ToolHost& host) {
    if (PropertyAt(x, y) != kSignProperty) {
        ShowToolError("This space is not a sign.");
        return;
    }
    // Sign terrain painted by a brush has no sign position to edit.
    const std::int16_t n = Map.MapCells.At(x, y).SignIndex;
    if (n >= 0) host.EditSign(n);
}

void AreaDescriptionTool(int x, int y, ToolHost& host) {
    if (!SecondCorner(x, y, true, host)) return;
    AreaRect rect = Tools.ClickRect;
    PlaceAreaRect(rect, host);
    RepaintView(host);
}

void WanderingMonstersTool(int x, int y, ToolHost& host) {
    const int k = Tools.ClickStep;
    if (k < 0 || k > 3) {
        Tools.ClickStep = 0;
        return;
    }
    auto& points = EditingOutdoors() ? CurrentSectionRecord().WanderingLocs
                                     : CurrentTownRecord().WanderingLocs;
    const int offset = EditingOutdoors() ? 1 : 0;
    const auto mark = [offset](const Location& p, std::int16_t value) {
        if (p.X >= kFreeSlotX) return;
        if (MapCell* cell = Map.MapCells.Find(p.X + offset, p.Y + offset)) cell->WanderMark = value;
    };
    Location& point = points[static_cast<std::size_t>(k)];
    mark(point, 0);
    point = {StoredCoord(x), StoredCoord(y)};
    // Another point may share the cell whose mark was just cleared.
    for (const Location& p : points)
        mark(p, -1);
    RepaintView(host);
    if (k < 3) {
        Tools.ClickStep = static_cast<std::int16_t>(k + 1);
        host.ShowToolPrompt(kArrivalPrompts[static_cast<std::size_t>(k)]);
    } else {
        Tools.ClickStep = 0;
        host.SelectDrawTerrainTool();
    }
}

void PlaceEditSpecialTool(int x, int y, ToolHost& host) {
    PlaceOrEditSpecial(x, y, host);
    host.RedrawCell(x, y);
}

void CopySpecialTool(int x, int y, ToolHost& host) {
    const std::int16_t s = Map.MapCells.At(x, y).SpotIndex;
    const auto& spots =
        EditingOutdoors() ? CurrentSectionRecord().SpecialSpots : CurrentTownRecord().SpecialSpots;
    Tools.HeldSlot = s >= 0 && static_cast<std::size_t>(s) < spots.size()
                         ? spots[static_cast<std::size_t>(s)].Node
                         : std::int16_t{-1};
    host.SelectDrawTerrainTool();
}

void PasteSpecialTool(int x, int y, ToolHost& host) {
    PasteSpecial(x, y, Tools.HeldSlot);
    host.RedrawCell(x, y);
}

void EraseSpecialTool(int x, int y, ToolHost& host) {
    EraseSpecial(x, y);
    host.RedrawCell(x, y);
}

void SetSpecialTool(int x, int y, ToolHost& host) {
    SetSpecial(x, y, host);
    host.RedrawCell(x, y);
}

void SetTownEntranceTool(int x, int y, ToolHost& host) {
    if (PropertyAt(x, y) != kTownEntranceProperty) {
        ShowToolError("This space is not a town.");
        return;
    }
    PlaceTownEntrance(x, y, host);
}

void SetEntryPoint(int x, int y, int point, ToolHost& host) {
    const auto p = static_cast<std::size_t>(point);
    Location& entry = CurrentTownRecord().EntryPoints.at(p);
    if (MapCell* old = Map.MapCells.Find(entry.X, entry.Y)) old->EntryMark.at(p) = 0;
    entry = {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)};
    Map.MapCells.At(x, y).EntryMark.at(p) = -1;
    RepaintView(host);
    host.SelectDrawTerrainTool();
}

void PlaceItemTool(int x, int y, ToolHost& host) {
    PlaceItem(x, y, host);
    host.RedrawCell(x, y);
}

void EditItemsTool(int x, int y, ToolHost& host) {
    const std::vector<std::int16_t> items = Map.MapCells.At(x, y).ItemIndexes;
    for (const std::int16_t i : items) {
        host.EditPresetItem(i);
        host.PassEvents();
    }
    host.RedrawCell(x, y);
}

void DupItemTool(int x, int y, ToolHost& host) {
    DupItem(x, y);
    host.RedrawCell(x, y);
}

void EraseItemsTool(int x, int y, ToolHost& host) {
    EraseItems(x, y);
    host.RedrawCell(x, y);
}

void PlaceMonsterTool(int x, int y, ToolHost& host) {
    if (!AwayFromEdge(x, y)) return;
    PlaceMonster(x, y, host);
    RepaintView(host);
}

void DupMonsterTool(int x, int y, ToolHost& host) {
    if (!AwayFromEdge(x, y)) return;
    DupMonster(x, y);
    RepaintView(host);
}

void EditMonstersTool(int x, int y, ToolHost& host) {
    // The creatures on the cell as they are now: an erase rebuilds the cell's tiles, so the
    // loop never reads them again.
    std::vector<std::int16_t> creatures;
    for (const CreatureTile& tile : Map.MapCells.At(x, y).CreatureTiles)
        creatures.push_back(tile.Creature);
    for (const std::int16_t c : creatures) {
        host.EditTownCreature(c);
        host.PassEvents();
        const auto& list = CurrentTownRecord().Creatures;
        if (c >= 0 && static_cast<std::size_t>(c) < list.size() &&
            list[static_cast<std::size_t>(c)].Monster == 0)
            FreeCreature(c);
    }
    RepaintView(host);
}

void EraseMonstersTool(int x, int y, ToolHost& host) {
    EraseMonsters(x, y);
    RepaintView(host);
}

void PlaceFieldOfKind(int x, int y, int kind, ToolHost& host) {
    PlaceField(x, y, kind);
    host.RedrawCell(x, y);
}

void ClearFieldsTool(int x, int y, ToolHost& host) {
    MapCell& cell = Map.MapCells.At(x, y);
    auto& fields = CurrentTownRecord().Fields;
    for (std::int16_t& index : cell.FieldIndex) {
        if (index < 0) continue;
        if (static_cast<std::size_t>(index) < fields.size())
            fields[static_cast<std::size_t>(index)] = {0, kFreeSlotX, 0};
        index = -1;
    }
    host.RedrawCell(x, y);
}

void TownBoundariesTool(int x, int y, ToolHost& host) {
    if (!SecondCorner(x, y, true, host)) return;
    CurrentTownRecord().Boundary = Tools.ClickRect;
    MarkTownBoundaryEdges(Tools.ClickRect);
    RepaintView(host);
}

void SetSaveAreaTool(int x, int y, ToolHost& host) {
    Objects.SaveAreaSlot = -1;
    for (std::size_t i = 0; i < Scen.SavedItemAreas.size(); ++i)
        if (Scen.SavedItemAreas[i].Town < 0) {
            Objects.SaveAreaSlot = static_cast<std::int16_t>(i);
            break;
        }
    if (Objects.SaveAreaSlot < 0) {
        ShowToolError("You can have only four saved items areas in the\r\n"
                      "sceario.  You'll need to reset the town on one of the\r\n"
                      "save areas to -1 from the Scenario menu before\r\n"
                      "you can place another.");
        return;
    }
    if (!SecondCorner(x, y, false, host)) return;
    const AreaRect& r = Tools.ClickRect;
    Scen.SavedItemAreas[static_cast<std::size_t>(Objects.SaveAreaSlot)] = {
        Scen.CurrentTown, r.Left, r.Top, r.Right, r.Bottom};
    MarkSavedItemRectEdges(r);
    RepaintView(host);
}

void SetStartLocationTool(int x, int y, ToolHost& host) {
    if (EditingOutdoors()) {
        Scen.StartOutdoorSection = {Scen.CurrentOutdoorX, Scen.CurrentOutdoorY};
        Scen.StartOutdoorLoc = {StoredCoord(x), StoredCoord(y)};
    } else {
        Scen.StartTown = Scen.CurrentTown;
        Scen.StartTownLoc = {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)};
    }
    host.SelectDrawTerrainTool();
    BuildMapCells();
    RepaintView(host);
}

void PlaceTransportOfKind(int x, int y, int kind, ToolHost& host) {
    PlaceBoatOrHorse(x, y, kind);
    host.RedrawCell(x, y);
}

void DeleteTransportTool(int x, int y, ToolHost& host) {
    DeleteBoatOrHorse(x, y);
    host.RedrawCell(x, y);
}

#include "map/tools/ToolTable.h"

#include "map/tools/PlacementTools.h"
#include "map/tools/TerrainTools.h"

namespace {
// A click with a tool that acts from its button (Change View, Replace Terrain).
void NoMapAction(int, int, ToolHost&) {}

using enum ToolCursor;
constexpr ToolModes kBoth = ToolModes::Both;
constexpr ToolModes kOut = ToolModes::Outdoors;
constexpr ToolModes kTown = ToolModes::Town;

constexpr std::array<ToolInfo, kMapToolCount> kTools = {{
    {"Draw Terrain", 0, 0, Pencil, kBoth, DrawTerrain},
    {"Lg. Paint", 0, 1, Brush, kBoth, LargePaint},
    {"Sm. Paint", 0, 2, Brush, kBoth, SmallPaint},
    {"Lg. Spray", 0, 3, Spray, kBoth, LargeSpray},
    {"Sm. Spray", 0, 4, Spray, kBoth, SmallSpray},
    {"Select Terrain", 0, 5, Dropper, kBoth, PickTerrain},
    {"Empty Rectangle", 0, 6, Area1, kBoth, EmptyRectangle},
    {"Filled Rectangle", 0, 7, Area1, kBoth, FilledRectangle},
    {"Change View", 1, 0, Unchanged, kBoth, NoMapAction},
    {"Erase Terrain", 1, 1, Eraser, kBoth, EraseTerrainTool},
    {"Edit Sign", 1, 2, Sword, kBoth, EditSignTool},
    {"Area Description", 1, 3, Area1, kBoth, AreaDescriptionTool},
    {"Wandering Monsters", 1, 4, Sword, kBoth, WanderingMonstersTool},
    {"Replace Terrain", 1, 5, Unchanged, kBoth, NoMapAction},
    {"Place/Edit Special", 2, 0, Sword, kBoth, PlaceEditSpecialTool},
    {"Copy Special", 2, 2, Sword, kBoth, CopySpecialTool},
    {"Paste Special", 2, 3, Sword, kBoth, PasteSpecialTool},
    {"Erase Special", 2, 4, Sword, kBoth, EraseSpecialTool},
    {"Set Special", 2, 1, Sword, kBoth, SetSpecialTool},
    {"Set Town Entrance", 1, 6, Sword, kOut, SetTownEntranceTool},
    {"Set North Entry", 2, 6, Sword, kTown, SetEntryTool<0>},
    {"Set West Entry", 3, 5, Sword, kTown, SetEntryTool<3>},
    {"Set South Entry", 4, 6, Sword, kTown, SetEntryTool<2>},
    {"Set East Entry", 3, 7, Sword, kTown, SetEntryTool<1>},
    {"Place Item", 3, 0, Sword, kTown, PlaceItemTool},
    {"Edit Items", 3, 1, Sword, kTown, EditItemsTool},
    {"Dup Item", 3, 2, Sword, kTown, DupItemTool},
    {"Erase Items", 3, 3, Sword, kTown, EraseItemsTool},
    {"Place Monster", 4, 0, Sword, kTown, PlaceMonsterTool},
    {"Edit Monsters", 4, 1, Sword, kTown, EditMonstersTool},
    {"Dup Monster", 4, 2, Sword, kTown, DupMonsterTool},
    {"Erase Monsters", 4, 3, Sword, kTown, EraseMonstersTool},
    {"Place Web", 5, 0, Sword, kTown, PlaceFieldTool<0>},
    {"Place Crate", 5, 1, Sword, kTown, PlaceFieldTool<1>},
    {"Place Barrel", 5, 2, Sword, kTown, PlaceFieldTool<2>},
    {"Place Fire Barrier", 5, 3, Sword, kTown, PlaceFieldTool<3>},
    {"Place Force Barrier", 5, 4, Sword, kTown, PlaceFieldTool<4>},
    {"Place Quickfire", 5, 5, Sword, kTown, PlaceFieldTool<5>},
    {"Place Sm. Blood", 6, 0, Sword, kTown, PlaceFieldTool<6>},
    {"Place Md. Blood", 6, 1, Sword, kTown, PlaceFieldTool<7>},
    {"Place Lg. Blood", 6, 2, Sword, kTown, PlaceFieldTool<8>},
    {"Place Sm. Slime", 6, 3, Sword, kTown, PlaceFieldTool<9>},
    {"Place Lg Slime", 6, 4, Sword, kTown, PlaceFieldTool<10>},
    {"Place Dust", 6, 5, Sword, kTown, PlaceFieldTool<11>},
    {"Place Bones", 6, 6, Sword, kTown, PlaceFieldTool<12>},
    {"Place Rubble", 6, 7, Sword, kTown, PlaceFieldTool<13>},
    {"Clear Fields", 5, 7, Sword, kTown, ClearFieldsTool},
    {"Town Boundaries", 2, 5, Area1, kTown, TownBoundariesTool},
    {"Set Save Area", 3, 4, Sword, kTown, SetSaveAreaTool},
    {"Set Start Location", 1, 7, Sword, kBoth, SetStartLocationTool},
    {"Place Boat", 4, 4, Sword, kTown, PlaceTransportTool<0>},
    {"Place Horse", 4, 5, Sword, kTown, PlaceTransportTool<1>},
    {"Delete Boat/Horse", 4, 7, Sword, kTown, DeleteTransportTool},
}};
// Every tool has its tip and its map action written out above, none filled in later.
constexpr bool EveryToolIsWhole() {
    for (const ToolInfo& tool : kTools)
        if (tool.ToolTip == nullptr || tool.Apply == nullptr) return false;
    return true;
}
static_assert(EveryToolIsWhole());
} // namespace

const std::array<ToolInfo, kMapToolCount>& MapTools() {
    return kTools;
}

bool ToolShownIn(int tool, bool outdoors) {
    if (tool < 0 || tool >= kMapToolCount) return false;
    switch (kTools[static_cast<std::size_t>(tool)].Shown) {
    case ToolModes::Both:
        return true;
    case ToolModes::Outdoors:
        return outdoors;
    case ToolModes::Town:
        return !outdoors;
    }
    return false;
}

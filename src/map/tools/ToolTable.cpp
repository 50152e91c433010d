#include "map/tools/ToolTable.h"

#include "map/tools/PlacementTools.h"
#include "map/tools/TerrainTools.h"

namespace {
// A click with a tool that acts from its button, or whose map action is not installed.
void NoMapAction(int, int, ToolHost&) {}

using enum ToolCursor;
constexpr ToolModes kBoth = ToolModes::Both;
constexpr ToolModes kOut = ToolModes::Outdoors;
constexpr ToolModes kTown = ToolModes::Town;

std::array<ToolInfo, kMapToolCount> tools = {{
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
    {"Edit Sign", 1, 2, Sword, kBoth, NoMapAction},
    {"Area Description", 1, 3, Area1, kBoth, NoMapAction},
    {"Wandering Monsters", 1, 4, Sword, kBoth, NoMapAction},
    {"Replace Terrain", 1, 5, Unchanged, kBoth, NoMapAction},
    {"Place/Edit Special", 2, 0, Sword, kBoth, NoMapAction},
    {"Copy Special", 2, 2, Sword, kBoth, NoMapAction},
    {"Paste Special", 2, 3, Sword, kBoth, NoMapAction},
    {"Erase Special", 2, 4, Sword, kBoth, NoMapAction},
    {"Set Special", 2, 1, Sword, kBoth, NoMapAction},
    {"Set Town Entrance", 1, 6, Sword, kOut, NoMapAction},
    {"Set North Entry", 2, 6, Sword, kTown, NoMapAction},
    {"Set West Entry", 3, 5, Sword, kTown, NoMapAction},
    {"Set South Entry", 4, 6, Sword, kTown, NoMapAction},
    {"Set East Entry", 3, 7, Sword, kTown, NoMapAction},
    {"Place Item", 3, 0, Sword, kTown, NoMapAction},
    {"Edit Items", 3, 1, Sword, kTown, NoMapAction},
    {"Dup Item", 3, 2, Sword, kTown, NoMapAction},
    {"Erase Items", 3, 3, Sword, kTown, NoMapAction},
    {"Place Monster", 4, 0, Sword, kTown, NoMapAction},
    {"Edit Monsters", 4, 1, Sword, kTown, NoMapAction},
    {"Dup Monster", 4, 2, Sword, kTown, NoMapAction},
    {"Erase Monsters", 4, 3, Sword, kTown, NoMapAction},
    {"Place Web", 5, 0, Sword, kTown, NoMapAction},
    {"Place Crate", 5, 1, Sword, kTown, NoMapAction},
    {"Place Barrel", 5, 2, Sword, kTown, NoMapAction},
    {"Place Fire Barrier", 5, 3, Sword, kTown, NoMapAction},
    {"Place Force Barrier", 5, 4, Sword, kTown, NoMapAction},
    {"Place Quickfire", 5, 5, Sword, kTown, NoMapAction},
    {"Place Sm. Blood", 6, 0, Sword, kTown, NoMapAction},
    {"Place Md. Blood", 6, 1, Sword, kTown, NoMapAction},
    {"Place Lg. Blood", 6, 2, Sword, kTown, NoMapAction},
    {"Place Sm. Slime", 6, 3, Sword, kTown, NoMapAction},
    {"Place Lg Slime", 6, 4, Sword, kTown, NoMapAction},
    {"Place Dust", 6, 5, Sword, kTown, NoMapAction},
    {"Place Bones", 6, 6, Sword, kTown, NoMapAction},
    {"Place Rubble", 6, 7, Sword, kTown, NoMapAction},
    {"Clear Fields", 5, 7, Sword, kTown, NoMapAction},
    {"Town Boundaries", 2, 5, Area1, kTown, NoMapAction},
    {"Set Save Area", 3, 4, Sword, kTown, NoMapAction},
    {"Set Start Location", 1, 7, Sword, kBoth, NoMapAction},
    {"Place Boat", 4, 4, Sword, kTown, NoMapAction},
    {"Place Horse", 4, 5, Sword, kTown, NoMapAction},
    {"Delete Boat/Horse", 4, 7, Sword, kTown, NoMapAction},
}};
} // namespace

const std::array<ToolInfo, kMapToolCount>& MapTools() {
    // The placement tools' actions live beside the object records they change.
    static const bool placementInstalled = (InstallPlacementTools(), true);
    (void)placementInstalled;
    return tools;
}

bool ToolShownIn(int tool, bool outdoors) {
    if (tool < 0 || tool >= kMapToolCount) return false;
    switch (tools[static_cast<std::size_t>(tool)].Shown) {
    case ToolModes::Both:
        return true;
    case ToolModes::Outdoors:
        return outdoors;
    case ToolModes::Town:
        return !outdoors;
    }
    return false;
}

void SetToolHandler(int tool, ToolHandler handler) {
    if (tool < 0 || tool >= kMapToolCount || !handler) return;
    tools[static_cast<std::size_t>(tool)].Apply = handler;
}

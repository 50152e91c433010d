#include "dialogs/areas/TerrainReplacement.h"

#include "map/MapState.h"
#include "platform/core/Random.h"

#include <algorithm>
#include <random>

int DrawPercent() {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    // A real distribution may round up to its upper bound; the chance stays 0..99.
    return std::min(99, static_cast<int>(unit(RandomGenerator()) * 100.0));
}

int ReplacementLimit(std::int16_t editMode) {
    switch (editMode) {
    case kEditLargeTown:
        return 63;
    case kEditMediumTown:
        return 47;
    case kEditSmallTown:
        return 31;
    case kEditOutdoors:
        return kOutdoorSide - 1;
    default:
        return -1;
    }
}

int ReplaceTerrainRandomly(Scenario& scen, std::uint8_t from, std::uint8_t to, int percent,
                           const PercentDraw& draw) {
    const bool outdoors = Map.EditMode == kEditOutdoors;
    TerrainGrid* terrain = nullptr;
    if (outdoors)
        terrain = &scen.OutdoorSections.At(scen.CurrentOutdoorX, scen.CurrentOutdoorY).Terrain;
    else if (ReplacementLimit(Map.EditMode) >= 0)
        terrain = &scen.Towns.at(scen.CurrentTown).Terrain;
    if (!terrain) return 0;
    // A town whose grid is smaller than its edit mode says is covered only as far as it goes.
    const int limit = std::min(ReplacementLimit(Map.EditMode), terrain->Side() - 1);
    // Outdoors the grid has a border ring showing the neighbouring sections.
    const int offset = outdoors ? 1 : 0;
    int changed = 0;
    for (int x = 0; x <= limit; ++x)
        for (int y = 0; y <= limit; ++y) {
            if (terrain->At(x, y) != from) continue;
            if (draw() >= percent) continue;
            terrain->At(x, y) = to;
            ++changed;
            const int gx = x + offset;
            const int gy = y + offset;
            if (Map.EditBounds.Contains(gx) && Map.EditBounds.Contains(gy))
                if (MapCell* cell = Map.MapCells.Find(gx, gy)) cell->Terrain = to;
        }
    return changed;
}

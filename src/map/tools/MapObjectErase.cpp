#include "map/tools/MapObjectErase.h"

#include "map/MapState.h"
#include "scenario/Scenario.h"

namespace {
constexpr Location kFreeLocation{100, 0};

OutdoorSection& CurrentSection() {
    return Scen.OutdoorSections.At(Scen.CurrentOutdoorX, Scen.CurrentOutdoorY);
}
} // namespace

void EraseSign(int x, int y) {
    MapCell* cell = Map.MapCells.Find(x, y);
    if (!cell || cell->SignIndex < 0) return;
    auto& signs =
        EditingOutdoors() ? CurrentSection().SignLocs : Scen.Towns.at(Scen.CurrentTown).SignLocs;
    if (static_cast<std::size_t>(cell->SignIndex) < signs.size())
        signs[static_cast<std::size_t>(cell->SignIndex)] = kFreeLocation;
    cell->SignIndex = -1;
}

void EraseTownEntrance(int x, int y) {
    MapCell* cell = Map.MapCells.Find(x, y);
    if (!cell || cell->EntranceIndex < 0 || !EditingOutdoors()) return;
    auto& entrances = CurrentSection().TownEntrances;
    if (static_cast<std::size_t>(cell->EntranceIndex) < entrances.size()) {
        TownEntrance& entrance = entrances[static_cast<std::size_t>(cell->EntranceIndex)];
        const int town = entrance.Town;
        entrance = {-1, kFreeLocation.X, kFreeLocation.Y};
        // A town number beyond the list names no town to update.
        if (town >= 0 && static_cast<std::size_t>(town) < Scen.Towns.size()) {
            Town& t = Scen.Towns[static_cast<std::size_t>(town)];
            t.SectionX = t.SectionY = t.EntranceX = t.EntranceY = 0;
        }
    }
    cell->EntranceIndex = -1;
}

#include "dialogs/areas/TownWanderingCopy.h"

TownWanderingCopy LoadTownWanderingCopy(const Town& town) {
    TownWanderingCopy work;
    for (std::size_t g = 0; g < 4; ++g)
        work.Monsters[g] = town.WanderingGroups[g].Monsters;
    return work;
}

void SaveTownWanderingCopy(const TownWanderingCopy& work, Town& town) {
    for (std::size_t g = 0; g < 4; ++g)
        town.WanderingGroups[g].Monsters = work.Monsters[g];
}

std::int16_t TurnWanderingGroup(std::int16_t group, int step) {
    return static_cast<std::int16_t>(((group + step) % 4 + 4) % 4);
}

std::vector<std::string> WanderingMonsterEntries(const Scenario& scen) {
    std::vector<std::string> entries;
    entries.reserve(scen.MonsterTypes.size());
    for (std::size_t n = 0; n < scen.MonsterTypes.size(); ++n)
        entries.push_back(" " + std::to_string(n) + " - " + scen.MonsterTypes[n].Name);
    return entries;
}

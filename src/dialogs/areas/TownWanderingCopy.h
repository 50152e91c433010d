#pragma once

#include "scenario/Scenario.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The four wandering groups of the current town, all held at once: the arrows only change
// the group on show.
struct TownWanderingCopy {
    std::array<std::array<std::uint8_t, 4>, 4> Monsters{}; // [group][slot], 0 = no monster
    std::int16_t CurrentGroup = 0;
};

TownWanderingCopy LoadTownWanderingCopy(const Town& town);
void SaveTownWanderingCopy(const TownWanderingCopy& work, Town& town);

// The group after moving by step (-1 or +1), wrapping between 0 and 3.
std::int16_t TurnWanderingGroup(std::int16_t group, int step);

// " n - name" for the monster types 0..255.
std::vector<std::string> WanderingMonsterEntries(const Scenario& scen);

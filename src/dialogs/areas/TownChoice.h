#pragma once

#include "scenario/Scenario.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The most towns a scenario can hold: the scenario file's directory has room for 200.
constexpr int kMaxTownCount = 200;

// " t - name" for each town, the row being the town's number.
std::vector<std::string> TownChoiceEntries(const Scenario& scen);

// Appends a town with the name, size (0 large, 1 medium, 2 small) and preset terrain (0 cave
// floor, 1 plain grass, 2 grass with flowers) and makes it the current town. At the limit it
// tells the author and changes nothing. Should the creation fail, the towns are as they were
// and the error goes on to the caller. Returns whether the town was made.
bool AppendNewTown(Scenario& scen, const std::string& name, std::int16_t size,
                   std::int16_t terrain);

// Stores the ten variable town entries; an entry without a town keeps no flag.
void SaveVarTownEntries(std::array<VarTownEntry, 10> entries, Scenario& scen);

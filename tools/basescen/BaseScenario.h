#pragma once

#include "scenario/Scenario.h"

#include <cstdint>
#include <vector>

// The base scenario that every new scenario starts from, made from the tables of data/:
// terrain, monster and item types, special items, scenario strings and the other
// scenario-wide records, with a world of one cave section and one medium cave town so that
// the file is a whole scenario that opens like any other. Needs InitCommonTables() first
// (walls and the default dialog-button labels). Bad data throws std::runtime_error.
Scenario MakeBaseScenario();

// The base scenario file's bytes, in the editor's own layout.
std::vector<std::uint8_t> BaseScenarioImage();

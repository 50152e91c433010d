#pragma once

#include "scenario/Scenario.h"

#include <cstdint>
#include <string>
#include <vector>

// The entries of the talking-node editor's lists, and how a list entry stands for a value.
// Texts are the model's Windows-1252 bytes.

// "-2 - Everybody", "-1 - Unused", then the current town's ten personalities as their
// personality numbers (town x 10 + slot) and names.
std::vector<std::string> PersonalityEntries(const Scenario& scen);
// The entry that stands for a personality number, or -1 when none does (a number of another
// town's numbering).
int PersonalityEntryOf(std::int16_t personalityNum, std::uint8_t town);
std::int16_t PersonalityOfEntry(int entry, std::uint8_t town);

// The entries of a pick list of the given kind (talklist), entry n standing for value n.
std::vector<std::string> PickListEntries(const Scenario& scen, int kind);
// The ten value names of a flag, or nothing for a number that names no flag.
std::vector<std::string> PickListFlagValues(const Scenario& scen, std::int16_t flag);

// A keyword as stored: exactly four characters, padded with blanks or cut.
std::string FitKeyword(std::string word);

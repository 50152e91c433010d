#pragma once

#include "scenario/Scenario.h"

#include <string>

// The flag-name file beside a scenario: the names of the stuff-done flags and their values.

// The file's contents for the names: ">VRD", then one line per name that is set.
std::string FlagNameFileContents(const std::array<StuffDoneDescription, 300>& names);

// Writes the file safely (the old file stays whole until the new one is complete); a failure
// is reported in the "SaveScenData" error box.
void SaveScenData(const Scenario& scen, const std::string& path);

// Clears every name, then reads what the file holds. Never reports anything: a missing or
// malformed file leaves the names read so far and the others empty.
void LoadScenData(Scenario& scen, const std::string& path);

#pragma once

#include "scenario/Scenario.h"

#include <memory>
#include <string>

class StagedFile;

// The flag-name file beside a scenario: the names of the stuff-done flags and their values.

// The file's contents for the names: ">VRD", then one line per name that is set.
std::string FlagNameFileContents(const std::array<StuffDoneDescription, 300>& names);

// Writes the file safely (the old file stays whole until the new one is complete); a failure
// is reported in the "SaveScenData" error box.
void SaveScenData(const Scenario& scen, const std::string& path);

// The first half of SaveScenData: the new file written and flushed beside the old one, which it
// replaces when committed. A failure is reported in the "SaveScenData" error box and gives null.
std::unique_ptr<StagedFile> StageScenData(const Scenario& scen, const std::string& path);

// The largest flag-name file that the names can give, in bytes; a larger file is refused whole.
extern const std::int64_t kLargestFlagNameFile;

// Clears every name, then reads what the file holds. Never reports anything: a missing or
// malformed file leaves the names read so far and the others empty; a file larger than any the
// names can give leaves them all empty.
void LoadScenData(Scenario& scen, const std::string& path);

#pragma once

#include "scenario/Scenario.h"

#include <cstdint>
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

// The most characters that the names together keep: every name as long as its box allows.
// What the reader keeps bounds what the writer writes, so whatever is read can be saved and
// read back the same.
constexpr std::int64_t kKeptNameCharacters = 300 * (30 + 10 * 50);

// Clears every name, then reads what the file holds. Never reports anything: a missing or
// malformed file leaves the names read so far and the others empty. A name that would take the
// names past kKeptNameCharacters, or a line longer than any such name needs, ends the reading
// in the same way, as does a file of more than 64 MB; blank lines are passed over.
void LoadScenData(Scenario& scen, const std::string& path);

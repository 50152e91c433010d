#pragma once

#include "scenario/Scenario.h"

#include <string>

// The plain-text dump of every text of a scenario, for proof-reading outside the editor.

// The dump's contents: CR LF line ends, texts as stored (single-byte), numbers in decimal.
// A town or section that the counts promise but the scenario lacks raises "Subscript out of
// range".
std::string ScenTextDumpContents(const Scenario& scen);

// The dump file of a scenario file: its path with the last three characters replaced by "txt".
std::string TextDumpPath(const std::string& scenarioPath);

// Writes the dump of the current scenario beside its file, replacing an earlier dump without
// asking. Shows nothing on success; a failure is reported in the "ScenTextDump" error box.
void ScenTextDump();

#pragma once

#include <string>

// Saves the current scenario into the program's scenario folder under ScenFileName, in the
// editor's own layout, together with its flag-name file; the private temporary folder keeps a
// spare copy of the scenario file. A failure is reported in the "SaveScenarioV2" error box (the
// "SaveScenData" box when the flag-name file fails) and leaves the earlier scenario file and
// flag-name file as they were.
void SaveScenarioV2();

// The flag-name file, text dump and custom picture sheet of a scenario are named by replacing
// the last three characters of its path.
std::string SiblingPath(const std::string& scenarioPath, const char* extension);

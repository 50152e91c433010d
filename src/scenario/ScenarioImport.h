#pragma once

#include <cstdint>
#include <string>

// Taking one town or one outdoor section from another scenario file, of any of the three
// layouts, into the scenario being edited.
//
// Both read the record into scratch records first and replace the current town or section
// only when the whole read has succeeded; on any failure the scenario is untouched, the
// failure is shown and ScenFile.FileDialogCancelled becomes -1. A file of none of the layouts
// gets the loading error box; a town or section that the chosen file does not have is refused
// before any of its records is read. On success ScenFile.ScenFormat names the file's layout.

// Reads town `town` of the file over the current town. The town keeps no dialogue of the file:
// its personalities and talking nodes are cleared. Its links to the outdoor entrance that
// leads into it are derived again from the open scenario's sections.
void ImportTown(std::int16_t town, const std::string& path);

// Reads section (x, y) of the file over the current outdoor section.
void ImportOutdoorSection(std::int16_t x, std::int16_t y, const std::string& path);

#pragma once

#include "scenario/Scenario.h"

#include <cstdint>
#include <string>
#include <vector>

// The entries of the main window's record list for each list mode, in list order:
//  0 the current town's personalities 0..9, then its talking nodes 0..89
//  1 item types 0..499              2 special nodes of the current outdoor section
//  3 strings of the current section 4 scenario special nodes
//  5 scenario strings               6 special nodes of the current town
//  7 strings of the current town    8 special items
//  9 monster types 1..255           10 dialog-button labels
// 11 scenario strings 20..59
// A mode outside 0..11, or a current town or section that does not exist, gives no entries.
// Texts are the model's Windows-1252 bytes.
constexpr std::int32_t kLastListMode = 11;

std::vector<std::string> RecordListEntries(const Scenario& scen, std::int32_t listMode);

#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The readable tables of data/ that the base scenario is made from, built into the tools as
// text so that the scenario generator and the picture-sheet generator read the same facts.
extern const char* const kBaseTerrainTable;
extern const char* const kBaseMonsterTable;
extern const char* const kBaseItemTable;
extern const char* const kBaseSpecialItemTable;
extern const char* const kBaseStringTable;
extern const char* const kBaseScenarioTable;

// The rows of a table: lines split at "|", each cell without its surrounding blanks. Blank
// lines and lines starting with "#" are skipped. Unless `columns` is 0, a row with another
// number of cells throws std::runtime_error naming the table and line.
using DataRow = std::vector<std::string>;
std::vector<DataRow> ParseDataTable(std::string_view text, std::size_t columns,
                                    std::string_view tableName);

// A whole number from a cell; anything else throws std::runtime_error.
int DataNumber(const std::string& cell, std::string_view tableName);

// The look that the terrain table gives each terrain type (the last column), by number.
std::array<std::string, 256> BaseTerrainLooks();

#pragma once

#include "scenario/Scenario.h"

#include <string>
#include <vector>

// "x,y - name" for each outdoor section, x in the outer loop.
std::vector<std::string> OutdoorSectionEntries(const Scenario& scen);
// The row of section (x, y) in that list, and the section of a row.
int SectionRow(int x, int y, int height);
Location SectionOfRow(int row, int height);

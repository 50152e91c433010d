#pragma once

#include "scenario/ScenarioRecords.h"

#include <cstdint>
#include <string>

// The lists of the area being edited and their free-slot finders. A resizable list with no
// free entry grows by 8 initialised entries, and the first new one is the result; at 32768
// entries, the most a signed 16-bit upper bound allows, the finder shows the limit message
// and returns -1.

constexpr std::uint8_t kFreeSlotX = 100;

Town& CurrentTownRecord();
OutdoorSection& CurrentSectionRecord();

// The record coordinate of grid cell coordinate c: outdoors the grid's border ring moves every
// section cell by one.
std::uint8_t StoredCoord(int c);

std::int16_t FindFreeField();
std::int16_t FindFreeItemSlot();
std::int16_t FindFreeMonsterSlot();
// The first free sign position (16 in a town, 8 usable outdoors); after the limit message, -1.
std::int16_t FindFreeSignSlot();
// The first special spot of the current area whose node is negative. Looks at no cell.
std::int16_t FindSpecialAt();
// The first of the 24 boats (kind 0) or horses (other kinds) whose town is -1; -1 for none.
std::int16_t FindFreeBoatHorse(int kind);

// Whether node n of the current area's own nodes (town or section) is unused: type 0 with
// jump -1. A number outside the list names no node and counts as unused.
bool SpecialNodeUnused(int n);

// Shows a limit message in the error box: three lines, the number right after the first part.
void ShowLimitMessage(const std::string& first, int limit, const std::string& second,
                      const std::string& third);
// Shows a one-line map-tool error.
void ShowToolError(const std::string& text);

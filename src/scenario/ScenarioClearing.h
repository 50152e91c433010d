#pragma once

#include "scenario/Scenario.h"

#include <cstdint>

// Cleared values of a town with its talk record (both arrays must hold the index already).
// Size, terrain and the other header values stay as they were.
void ClearTown(Scenario& scen, std::int16_t town);

// A town's dialogue with every personality and talking node unused.
TownTalk ClearedTownTalk();

// Cleared values of an outdoor section; wandering points, encounters and terrain stay.
void ClearOutdoorSection(Scenario& scen, std::int16_t x, std::int16_t y);

// Frees every scenario node, empties every scenario string and locks the lists.
void ClearScenSpecialsAndStrings(Scenario& scen);

// The wall group that a terrain number belongs to; -1 for none.
std::int16_t TerrainSetOf(int terrainNumber);

// A free node of any family: type 0 and every other field -1.
SpecialNode FreeSpecialNode();

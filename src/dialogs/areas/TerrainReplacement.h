#pragma once

#include "scenario/Scenario.h"

#include <cstdint>
#include <functional>

// One chance draw: a whole number 0..99.
using PercentDraw = std::function<int()>;

// A draw from the program's random source.
int DrawPercent();

// The largest coordinate of the area that the edit mode names (the town's side less one, or
// the outdoor section's 47); -1 for no area.
int ReplacementLimit(std::int16_t editMode);

// Replaces the from-terrain by the to-terrain over the area being edited (Map.EditMode), each
// matching cell with the given chance in percent: one draw per matching cell, x in the outer
// loop, and the cell changes when the draw is below the percentage. The cell's grid twin is
// changed with it, but only inside EditBounds. Returns the number of cells changed.
int ReplaceTerrainRandomly(Scenario& scen, std::uint8_t from, std::uint8_t to, int percent,
                           const PercentDraw& draw = DrawPercent);

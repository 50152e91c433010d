#pragma once

#include "map/MapState.h"

#include <cstdint>
#include <optional>
#include <utility>

class ToolHost;

// From the pointer on the map to the current tool: the cell under the pointer, the terrain a
// stroke puts down, and the dispatch to the tool's handler.

// The grid cell that Map.MouseCell shows; none when the view cell lies outside the drawn cells
// (the picture's margin, or left of or above it) or outside the grid.
std::optional<std::pair<int, int>> GridCellUnderMouse();

// The terrain a press with the current tool puts down for the whole stroke: Draw Terrain clears
// a cell that already shows the selected terrain, or another piece of the same wall style.
std::uint8_t ChoosePaintTerrain();

// Runs the current tool once on the cell under the mouse, when that cell lies inside EditBounds
// and no tool is running already.
void ApplyToolAtCell(ToolHost& host);

// A press on view cell `cell` of the map picture; leftAlone is whether the left button alone
// went down. Sets the mouse cell, chooses the stroke's terrain and applies the tool once.
void MapMouseDown(bool leftAlone, ViewCell cell, ToolHost& host);

// A double click of the left button (leftButton) on the map, which takes the place of the
// second press: the current tool runs once more on the mouse cell of the first press, putting
// down the erase terrain. Draw Terrain thus takes back what the first click painted; a tool
// waiting for its next click takes the same cell.
void MapDoubleClick(bool leftButton, ToolHost& host);

// After a move onto a new cell (Map.MouseCell already set): the brush tools 0..4 repeat while
// the left button alone is held, unless the selected terrain is a sign or town entrance.
void ContinueStroke(bool leftAlone, ToolHost& host);

// The tool that the button of the given tool selects: the brushes and sprays give way to Draw
// Terrain for sign and town-entrance terrain, which is put down one cell at a time.
int ToolForButton(int index);

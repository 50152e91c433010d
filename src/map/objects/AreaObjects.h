#pragma once

#include "scenario/ScenarioRecords.h"

#include <cstdint>

class ToolHost;

// The objects of a town or an outdoor section: area rectangles, signs, special spots and
// outdoor town entrances. Each procedure keeps the area's record and the grid's marks in step;
// (x, y) is a grid cell, and outdoors a record stores it less 1.

// Stores a rectangle of grid cells in the first free area rectangle and opens its description.
// rect receives the stored rectangle back (all zero after a cancelled description).
void PlaceAreaRect(AreaRect& rect, ToolHost& host);

// A sign on the cell (its own position again, or the first free one), with its text editor.
void PlaceSign(int x, int y, ToolHost& host);

// Opens the node of the cell's spot, or makes a spot for the node the editor leaves in place.
void PlaceOrEditSpecial(int x, int y, ToolHost& host);
// Chooses the node of the cell's spot by number.
void SetSpecial(int x, int y, ToolHost& host);
// A new spot running node on a cell that has none; nothing for a negative node.
void PasteSpecial(int x, int y, std::int16_t node);
// Frees the cell's spot; the node stays as it is.
void EraseSpecial(int x, int y);

// Outdoors: the cell's town entrance (or the first free one), its town chosen in a dialog.
void PlaceTownEntrance(int x, int y, ToolHost& host);

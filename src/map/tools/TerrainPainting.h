#pragma once

#include <cstdint>

class MapHost;

// Painting one terrain onto one cell: the two-cell terrains set their partner cell, and wall
// terrains take the piece that joins their neighbours. Every write goes through SetCellTerrain,
// which stores the terrain in the grid and the records and redraws the cell.

// Paints the terrain at grid cell (x, y); nothing outside EditBounds.
void PaintTerrainAt(std::uint8_t terrain, int x, int y, MapHost& host);

// Gives the wall at grid cell (x, y) the piece of its style that joins its eight neighbours;
// nothing for a cell outside EditBounds or a terrain that is no wall.
void AdjustWallTerrainAt(int x, int y, MapHost& host);

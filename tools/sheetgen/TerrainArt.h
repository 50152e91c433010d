#pragma once

#include "sheetgen/Canvas.h"

// Terrain tile `picture` (0..299) drawn into the 28 x 36 cell at (ox, oy), without its number.
void DrawTerrainTile(Canvas& c, int ox, int oy, int picture);

// Frame 0..3 of animated terrain strip k, into the 28 x 36 cell at (ox, oy).
void DrawAnimatedFrame(Canvas& c, int ox, int oy, int k, int frame);

// Colour of the road that the connector strips continue.
constexpr std::uint32_t kRoadColour = 0x9A7A4A;

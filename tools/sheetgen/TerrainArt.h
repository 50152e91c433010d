#pragma once

#include "sheetgen/Canvas.h"

#include <string>
#include <vector>

// Terrain tile `picture` (0..299) drawn into the 28 x 36 cell at (ox, oy), without its number.
void DrawTerrainTile(Canvas& c, int ox, int oy, int picture);

// What terrain tile `picture` shows, in the words of the base terrain table's look column
// ("cave floor", "stone wall", "door", ...). Terrain type n of the base scenario shows
// picture n, and the table must name the look that is drawn here.
std::string TerrainArtLook(int picture);

// The terrain types of the base table whose look differs from the picture drawn for them, as
// "n: table look / drawn look" lines; empty when they all agree.
std::vector<std::string> TerrainLooksDisagreeing();

// Frame 0..3 of animated terrain strip k, into the 28 x 36 cell at (ox, oy).
void DrawAnimatedFrame(Canvas& c, int ox, int oy, int k, int frame);

// Colour of the road that the connector strips continue.
constexpr std::uint32_t kRoadColour = 0x9A7A4A;

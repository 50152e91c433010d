#pragma once

#include "map/MapView.h"
#include "scenario/ScenarioRecords.h"

#include <cstdint>
#include <optional>
#include <string>

// The terrain palette: 256 terrains at 16 x 16 on a 17-pixel pitch, 16 to a row, and the
// terrain-display icons that mark terrains with a special property.

constexpr int kPaletteColumns = 16;
constexpr int kPalettePitch = 17;
constexpr int kPaletteTileSize = 16;
// Where the selected-terrain box and the map cell put a terrain's icon.
constexpr PixelPoint kIconInTile{21, 29};
// Where the palette puts the icon inside a terrain's place.
constexpr PixelPoint kIconInPaletteTile{9, 9};

// The terrain under a pixel of the palette; none in the margin right of and below the 16 x 16
// places, so that a click there never reaches into the next row or past terrain 255.
std::optional<std::uint8_t> PaletteTerrainAt(int x, int y);
// The top left pixel of a terrain's picture in the palette.
PixelPoint PaletteTerrainPlace(int terrain);

// The terrain-display icon that the palette and the selected-terrain box show: the property's
// icon, the lock icons chosen by Extra2 in place of icon 26; -1 for none.
std::int16_t PaletteIconOf(const TerrainType& terrain);
// The icon a map cell shows: the property's icon, the lock icons chosen by Extra2 for the
// properties 9 and 10, none for the walkways 25 and 26; -1 for none.
std::int16_t MapIconOf(const TerrainType& terrain);

// The palette's tool tip for a terrain: its number, ": " and its name without surrounding
// blanks (Windows-1252, as the records hold it).
std::string PaletteToolTip(int terrain);

// A palette click outside terrain edit mode: the terrain becomes the selected and the painted
// terrain, and the ground terrains 0..4 choose the erase terrain. Returns whether the current
// tool must give way to Draw Terrain.
bool ChoosePaletteTerrain(std::uint8_t terrain, int currentTool);

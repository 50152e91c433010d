#pragma once

#include <cstdint>

// Opening the scenario's record editors from the main window: each sets the editor's record
// number, shows it modally and returns once it has closed.

// Item types 0..499, from the item list.
void OpenItemTypeEditor(std::int16_t itemNum);
// Terrain types 0..255, from the palette in terrain edit mode.
void OpenTerrainTypeEditor(std::uint8_t terrNum);
// Special items 0..49, from the special item list.
void OpenSpecialItemEditor(std::int16_t spItemNum);

#pragma once

#include "map/MapState.h"
#include "scenario/ScenarioRecords.h"

#include <cstdint>

class MapHost;

// The view values that a rebuild sets for an edit mode.
struct MapViewSettings {
    std::int16_t MapMax = 0;
    Location MapCenter;
    CellRange EditBounds;
    CenterLimits MapCenterLimits;
    bool operator==(const MapViewSettings&) const = default;
};
// Empty for a value that is no edit mode.
const MapViewSettings* ViewSettingsFor(std::int16_t editMode);

// Sets the view values from Map.EditMode and rebuilds Map.MapCells afresh from the current town
// or outdoor section of Scen. Records that lie outside the grid mark nothing.
void BuildMapCells();

// Marks the border of an area rectangle (pieces 0..3), every coordinate moved by offset (0 in
// towns, 1 outdoors for the grid's border). A rectangle whose four values are all 0 is free.
void MarkAreaRectEdges(const AreaRect& rect, std::int16_t offset);
// Clears the town-boundary pieces (4..7) of every cell, then marks the boundary.
void MarkTownBoundaryEdges(const AreaRect& rect);
// Marks the border of a saved-item area (pieces 8..11); all values 0 marks nothing.
void MarkSavedItemRectEdges(const AreaRect& rect);

// Empties the creature tiles of every cell and puts the current town's creatures back, one
// tile per cell their picture covers.
void PlaceTownCreaturesInCells();

// Stores the terrain in the grid and in the current town or section, and has the host redraw
// the cell. Cells outside EditBounds (outdoors: the border ring) are left alone; returns whether
// the terrain was stored.
bool SetCellTerrain(std::uint8_t terrain, int x, int y, MapHost& host);

// The picture of a standard or custom monster picture number, as the grid lays it out:
// 1 one tile, 2 two wide, 3 two high, 4 two by two. A standard number without a picture
// counts as one tile, so that its creature can still be found on its cell.
int CreaturePictureSize(int picture);

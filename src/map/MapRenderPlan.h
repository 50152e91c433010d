#pragma once

#include <cstdint>
#include <vector>

// What the map view draws, worked out from the grid and the records before any pixel is
// touched: one step per picture or line, in drawing order, each later step over the earlier.

enum class MapDraw : std::uint8_t {
    Terrain,     // full-size terrain picture `number`
    TinyTerrain, // 6 x 6 terrain picture `number` of the whole view
    Icon,        // terrain-display icon `number`
    Connector,   // connector strip toward side `number` (0 left, 1 right, 2 above, 3 below)
    Field,       // field kind `number`
    Item,        // item picture `number`
    Creature,    // tile `tile` of monster picture `number`
    Boat,
    Horse,
    Edge, // rectangle edge piece `number` (0..11)
};

struct MapDrawStep {
    MapDraw what = MapDraw::Terrain;
    std::int16_t number = 0;
    std::int16_t tile = 0;
    // The top left pixel of the cell (for icons: of the icon itself).
    std::int16_t x = 0;
    std::int16_t y = 0;
    bool operator==(const MapDrawStep&) const = default;
};

using MapDrawPlan = std::vector<MapDrawStep>;

// Appends the steps of grid cell (cellX, cellY) drawn at pixel (px, py), in the mode that
// Map.ZoomView selects; nothing for a cell outside the grid.
void PlanMapCell(MapDrawPlan& plan, int px, int py, int cellX, int cellY);
// Appends the steps of the 9 x 9 detail view around Map.MapCenter.
void PlanMapView(MapDrawPlan& plan);
// Appends the steps of the whole area at 6 pixels a cell (outdoors without the border ring).
void PlanWholeMap(MapDrawPlan& plan);

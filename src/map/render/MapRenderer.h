#pragma once

#include "map/MapRenderPlan.h"

class Surface;

// Draws the map-cell grid onto the map's surface through the picture routines. The only part
// of the map that touches pixels.

// Carries out a plan's steps in order.
void DrawMapPlan(Surface& pic, const MapDrawPlan& plan);

// The 9 x 9 detail view around Map.MapCenter; cells beyond the grid keep what was there.
void DrawMapView(Surface& pic);
// The whole area at 6 pixels a cell, terrain only.
void DrawWholeMap(Surface& pic);
// Grid cell (cellX, cellY) at pixel (px, py) in the current view's mode, over what is there;
// nothing for a cell outside the grid.
void DrawMapCell(Surface& pic, int px, int py, int cellX, int cellY);

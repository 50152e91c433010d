#pragma once

class ToolHost;

// The tools that change terrain, each acting on the clicked grid cell (x, y), which lies inside
// EditBounds. They put down Map.PaintTerrain (the eraser Map.EraseTerrain) through
// PaintTerrainAt, which skips every cell outside EditBounds.

// Draw Terrain: one cell, keeping the sign and town-entrance records in step with the terrain.
void DrawTerrain(int x, int y, ToolHost& host);
// A disc of 69 cells; nothing for sign or town-entrance terrain.
void LargePaint(int x, int y, ToolHost& host);
// The 3 x 3 cells around the click.
void SmallPaint(int x, int y, ToolHost& host);
// One chance in a hundred for each cell of the 9 x 9 or 5 x 5 square holding terrain 0 or 1.
void LargeSpray(int x, int y, ToolHost& host);
void SmallSpray(int x, int y, ToolHost& host);
// The eyedropper: the cell's terrain becomes the selected terrain, and Draw Terrain the tool.
void PickTerrain(int x, int y, ToolHost& host);
// Two clicks, the upper left and the lower right corner: the border or the whole rectangle.
void EmptyRectangle(int x, int y, ToolHost& host);
void FilledRectangle(int x, int y, ToolHost& host);
// The erase terrain on the 5 x 5 cells around the click.
void EraseTerrainTool(int x, int y, ToolHost& host);

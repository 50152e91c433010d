#pragma once

#include "sheetgen/Canvas.h"

// Figures drawn on a white background; white is left only where the map should show through,
// so no figure pixel is ever pure white.

// Standard monster picture `picture` filling the box (x, y, w, h): one tile, two wide, two
// high or two by two tiles.
void DrawCreature(Canvas& c, int x, int y, int w, int h, int picture);
// Item picture n in the box (x, y, size, size) or a 28 x 36 cell.
void DrawItem(Canvas& c, int x, int y, int w, int h, int n);
void DrawPortrait(Canvas& c, int x, int y, int n);
// A framed emblem for dialog pictures and scenario icons.
void DrawEmblem(Canvas& c, int x, int y, int size, int n, int family);
// Field kinds by their cell of fields.bmp.
void DrawFieldCell(Canvas& c, int x, int y, int cell);
void DrawBoat(Canvas& c, int x, int y);
void DrawHorse(Canvas& c, int x, int y);
// Terrain-display icon n (7 x 7; icon 6 is 21 x 7).
void DrawTerDispIconArt(Canvas& c, int x, int y, int n);
void DrawMarbleTile(Canvas& c, int x, int y, int style);
// Cursor picture i in the order pencil, brush, spray, dropper, area1, area2, eraser, sword.
void DrawCursorArt(Canvas& c, int i);

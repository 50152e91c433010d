#pragma once

#include "platform/qt/Surface.h"

#include <cstdint>

class QWidget;

// One drawing routine per kind of picture. Each finds its sheet and cell by the picture
// numbering and copies that cell onto the surface; numbers without a picture draw nothing.
// small is 0 for a full 28 x 36 tile and 1 for a 16 x 16 one.

void DrawBaseTerrainPic(Surface& dest, std::int16_t n, std::int16_t x, std::int16_t y,
                        std::int16_t small);
void DrawAnimTerrainPic(Surface& dest, std::int16_t k, std::int16_t x, std::int16_t y,
                        std::int16_t small);
void DrawCustomPic(Surface& dest, std::int16_t k, std::int16_t x, std::int16_t y,
                   std::int16_t small);
void DrawTerrainPic(Surface& dest, std::int16_t n, std::int16_t x, std::int16_t y);
void DrawTerrainPicSmall(Surface& dest, std::int16_t n, std::int16_t x, std::int16_t y);
void DrawTerrainPicTiny(Surface& dest, std::int16_t n, std::int16_t x, std::int16_t y);
void DrawTinyTerrainPic(Surface& dest, std::int16_t t, std::int16_t x, std::int16_t y);
void DrawCustomPicTiny(Surface& dest, std::int16_t k, std::int16_t x, std::int16_t y);
void DrawTerDispIcon(Surface& dest, std::int16_t n, std::int16_t x, std::int16_t y);

// Preview boxes: each draws at the box's top left corner.
void DrawDlogPic(Surface& dest, std::int16_t k);
void DrawScenPic(Surface& dest, std::int16_t n);
void DrawPortraitPic(Surface& dest, std::int16_t n);
void DrawItemPic(Surface& dest, std::int16_t n);
void DrawMonsterPic(Surface& dest, std::int16_t n);
// A dialog's own picture: terrain below 253, monsters from 400, dialog pictures from 800.
void DrawPictureNumber(Surface& dest, std::int16_t n);

// Tiles the marble picture of the style over the whole window surface. For the dark styles the
// labels of labelsOwner, when given, turn white.
void PaintMarbleBackground(Surface& window, std::int16_t style, QWidget* labelsOwner = nullptr);

// Map overlays, drawn so that the white of the picture lets the map show through.
void DrawFieldPic(Surface& dest, std::int16_t kind, std::int16_t x, std::int16_t y);
void DrawFieldsRowPic(Surface& dest, std::int16_t col, std::int16_t x, std::int16_t y);
void DrawFieldsRowPicAt(Surface& dest, std::int16_t col, std::int16_t x, std::int16_t y);
void DrawItemOnMap(Surface& dest, std::int16_t n, std::int16_t x, std::int16_t y);
void DrawCreatureOnMap(Surface& dest, std::int16_t pic, std::int16_t tile, std::int16_t x,
                       std::int16_t y);
void DrawCellQuarterPic(Surface& dest, std::int16_t side, std::int16_t px, std::int16_t py);
void DrawCellRectEdges(Surface& dest, std::int16_t piece, std::int16_t px, std::int16_t py);

// Source rectangle of a transparent copy; right and bottom lie one past the last pixel.
struct BltRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// Copies the rectangle of the source to (x, y) on the destination, keeping the destination
// wherever the source is pure white.
void TransparentBlt(Surface& dest, const QImage& source, const BltRect& r, int x, int y);

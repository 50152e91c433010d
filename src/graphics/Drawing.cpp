#include "graphics/Drawing.h"

#include "graphics/GraphicsSheets.h"
#include "graphics/core/PictureNumbering.h"
#include "platform/qt/PictureBox.h"

#include <limits>

namespace {
void Copy(Surface& dest, const std::optional<PicCopy>& copy) {
    if (!copy) return;
    if (const QImage* sheet = SheetImage(copy->sheet, copy->index))
        CopyBlock(dest, copy->dest, *sheet, copy->source);
}

void CopyTransparent(Surface& dest, const std::optional<PicCopy>& copy) {
    if (!copy) return;
    if (const QImage* sheet = SheetImage(copy->sheet, copy->index)) {
        const PixelRect& s = copy->source;
        TransparentBlt(dest, *sheet, {s.x, s.y, s.x + s.w, s.y + s.h}, copy->dest.x, copy->dest.y);
    }
}
} // namespace

void DrawBaseTerrainPic(Surface& dest, std::int16_t n, std::int16_t x, std::int16_t y,
                        std::int16_t small) {
    Copy(dest, BaseTerrainCopy(n, x, y, small));
}

void DrawAnimTerrainPic(Surface& dest, std::int16_t k, std::int16_t x, std::int16_t y,
                        std::int16_t small) {
    Copy(dest, AnimTerrainCopy(k, x, y, small));
}

void DrawCustomPic(Surface& dest, std::int16_t k, std::int16_t x, std::int16_t y,
                   std::int16_t small) {
    Copy(dest, CustomPicCopy(k, x, y, small));
}

void DrawTerrainPic(Surface& dest, std::int16_t n, std::int16_t x, std::int16_t y) {
    Copy(dest, TerrainPicCopy(n, x, y, 0));
}

void DrawTerrainPicSmall(Surface& dest, std::int16_t n, std::int16_t x, std::int16_t y) {
    Copy(dest, TerrainPicCopy(n, x, y, 1));
}

void DrawTerrainPicTiny(Surface& dest, std::int16_t n, std::int16_t x, std::int16_t y) {
    Copy(dest, TerrainPicTinyCopy(n, x, y));
}

void DrawTinyTerrainPic(Surface& dest, std::int16_t t, std::int16_t x, std::int16_t y) {
    Copy(dest, TinyTerrainCopy(t, x, y));
}

void DrawCustomPicTiny(Surface& dest, std::int16_t k, std::int16_t x, std::int16_t y) {
    Copy(dest, CustomPicTinyCopy(k, x, y));
}

void DrawTerDispIcon(Surface& dest, std::int16_t n, std::int16_t x, std::int16_t y) {
    Copy(dest, TerDispIconCopy(n, x, y));
}

void DrawDlogPic(Surface& dest, std::int16_t k) {
    Copy(dest, DlogPicCopy(k));
}

void DrawScenPic(Surface& dest, std::int16_t n) {
    Copy(dest, ScenPicCopy(n));
}

void DrawPortraitPic(Surface& dest, std::int16_t n) {
    const PortraitPlan plan = PortraitPicPlan(n, CustomPicsLoaded != 0);
    if (plan.clear) dest.Clear();
    Copy(dest, plan.copy);
}

void DrawItemPic(Surface& dest, std::int16_t n) {
    const ItemPreviewPlan plan = ItemPicPlan(n);
    if (plan.clear) dest.Clear();
    if (plan.whiteFirst) dest.SetBackColour(kWhite);
    Copy(dest, plan.copy);
}

void DrawMonsterPic(Surface& dest, std::int16_t n) {
    dest.Clear();
    dest.SetBackColour(kWhite);
    // Stretching is always nearest neighbour and palettes do not exist on our surfaces, so the
    // stretch mode and palette steps have nothing to do.
    for (const PicCopy& copy : MonsterPicCopies(n))
        Copy(dest, copy);
}

void DrawPictureNumber(Surface& dest, std::int16_t n) {
    const PictureNumberTarget target = PictureNumberDispatch(n);
    switch (target.kind) {
    case PictureNumberKind::Terrain:
        DrawTerrainPic(dest, static_cast<std::int16_t>(target.number), 0, 0);
        break;
    case PictureNumberKind::Monster:
        DrawMonsterPic(dest, static_cast<std::int16_t>(target.number));
        break;
    case PictureNumberKind::Dialog:
        DrawDlogPic(dest, static_cast<std::int16_t>(target.number));
        break;
    case PictureNumberKind::Nothing:
        break;
    }
}

void PaintMarbleBackground(Surface& window, std::int16_t style, QWidget* labelsOwner) {
    const int columns = MarbleTileCount(window.Width());
    const int rows = MarbleTileCount(window.Height());
    if (const QImage* marble = SheetImage(Sheet::Marble, 0))
        TileBlock(window, {0, 0, (columns + 1) * 64, (rows + 1) * 64}, *marble,
                  MarbleTileSource(style));
    if (labelsOwner && MarbleStyleWhitensLabels(style)) SetLabelsTextColour(*labelsOwner, kWhite);
}

void DrawFieldPic(Surface& dest, std::int16_t kind, std::int16_t x, std::int16_t y) {
    CopyTransparent(dest, FieldPicCopy(kind, x, y));
}

void DrawFieldsRowPic(Surface& dest, std::int16_t col, std::int16_t x, std::int16_t y) {
    CopyTransparent(dest, FieldsRowCopy(col, x, y));
}

void DrawFieldsRowPicAt(Surface& dest, std::int16_t col, std::int16_t x, std::int16_t y) {
    CopyTransparent(dest, FieldsRowAtCopy(col, x, y));
}

void DrawItemOnMap(Surface& dest, std::int16_t n, std::int16_t x, std::int16_t y) {
    CopyTransparent(dest, ItemOnMapCopy(n, x, y));
}

void DrawCreatureOnMap(Surface& dest, std::int16_t pic, std::int16_t tile, std::int16_t x,
                       std::int16_t y) {
    CopyTransparent(dest, CreatureTileCopy(pic, tile, x, y));
}

void DrawCellQuarterPic(Surface& dest, std::int16_t side, std::int16_t px, std::int16_t py) {
    Copy(dest, CellQuarterCopy(side, px, py));
}

void DrawCellRectEdges(Surface& dest, std::int16_t piece, std::int16_t px, std::int16_t py) {
    if (const auto line = CellRectEdgeLine(piece, px, py))
        DrawLine(dest, line->x1, line->y1, line->x2, line->y2, 0xFF000000u | line->rgb);
}

void TransparentBlt(Surface& dest, const QImage& source, const BltRect& r, int x, int y) {
    const long long w = static_cast<long long>(r.right) - r.left;
    const long long h = static_cast<long long>(r.bottom) - r.top;
    constexpr long long kMax = std::numeric_limits<std::int16_t>::max();
    if (w <= 0 || h <= 0 || w > kMax || h > kMax) return;
    TransparentCopy(dest, x, y, source, {r.left, r.top, static_cast<int>(w), static_cast<int>(h)});
}

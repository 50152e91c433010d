#include "map/render/MapRenderer.h"

#include "graphics/Drawing.h"
#include "graphics/GraphicsSheets.h"
#include "map/MapState.h"

#include <string>
#include <unordered_map>

namespace {
// One plan buffer for every drawing call: a repaint then allocates nothing once it has run.
MapDrawPlan& ScratchPlan() {
    static MapDrawPlan plan;
    plan.clear();
    return plan;
}

void DrawStep(Surface& pic, const MapDrawStep& s, int x, int y) {
    const auto px = static_cast<std::int16_t>(x);
    const auto py = static_cast<std::int16_t>(y);
    switch (s.what) {
    case MapDraw::Terrain:
        DrawTerrainPic(pic, s.number, px, py);
        break;
    case MapDraw::TinyTerrain:
        DrawTerrainPicTiny(pic, s.number, px, py);
        break;
    case MapDraw::Icon:
        DrawTerDispIcon(pic, s.number, px, py);
        break;
    case MapDraw::Connector:
        DrawCellQuarterPic(pic, s.number, px, py);
        break;
    case MapDraw::Field:
        DrawFieldPic(pic, s.number, px, py);
        break;
    case MapDraw::Item:
        DrawItemOnMap(pic, s.number, px, py);
        break;
    case MapDraw::Creature:
        DrawCreatureOnMap(pic, s.number, s.tile, px, py);
        break;
    case MapDraw::Boat:
        DrawFieldsRowPic(pic, s.number, px, py);
        break;
    case MapDraw::Horse:
        DrawFieldsRowPicAt(pic, s.number, px, py);
        break;
    case MapDraw::Edge:
        DrawCellRectEdges(pic, s.number, px, py);
        break;
    }
}

// Fields, items, creatures, boats and horses: pictures copied with white see-through, each
// lying inside its cell.
bool IsOverlay(MapDraw what) {
    return what == MapDraw::Field || what == MapDraw::Item || what == MapDraw::Creature ||
           what == MapDraw::Boat || what == MapDraw::Horse;
}

// The overlays of a crowded cell composed once onto white. Copying the composite with white
// see-through gives the very pixels that copying each overlay in turn gives (each pixel ends as
// the last overlay's pixel that is not white, or as it was), at the cost of one copy; a repaint
// of the same cells then reuses the composites. They are made again when a sheet changes.
class OverlayComposites {
  public:
    const QImage& Of(const MapDrawStep* first, const MapDrawStep* last) {
        ForgetIfSheetsChanged();
        std::string key;
        for (const MapDrawStep* s = first; s != last; ++s) {
            const std::int16_t parts[3] = {static_cast<std::int16_t>(s->what), s->number, s->tile};
            key.append(reinterpret_cast<const char*>(parts), sizeof parts);
        }
        auto found = composites_.find(key);
        if (found != composites_.end()) return found->second;
        if (composites_.size() >= kMaxComposites) composites_.clear();
        Surface composite(kDetailCellSize.Width, kDetailCellSize.Height, kWhite);
        for (const MapDrawStep* s = first; s != last; ++s)
            DrawStep(composite, *s, 0, 0);
        return composites_.emplace(std::move(key), composite.Image()).first->second;
    }

  private:
    static constexpr std::size_t kMaxComposites = 4096;

    void ForgetIfSheetsChanged() {
        std::vector<qint64> sheets = {
            frmPics.imgFieldpics.cacheKey(), frmPics.imgObjectpics.cacheKey(),
            frmPics.imgTinyobjpics.cacheKey(), frmPics.imgCustomPics.cacheKey()};
        for (const QImage& monsters : frmPics.imgMonstpics)
            sheets.push_back(monsters.cacheKey());
        if (sheets == sheets_) return;
        sheets_ = std::move(sheets);
        composites_.clear();
    }

    std::vector<qint64> sheets_;
    std::unordered_map<std::string, QImage> composites_;
};

// The whole view copies thousands of 6 x 6 dots from the tiny-terrain sheet. Those that lie
// wholly on the sheet and on the surface are copied here with both addressed once per plan,
// which costs less than a full copy call per dot; any other is drawn the usual way.
void DrawTinyRun(Surface& pic, const MapDrawStep* first, const MapDrawStep* last) {
    const QImage* sheet = SheetImage(Sheet::TinyTerr, 0);
    const bool direct = sheet && sheet->format() == QImage::Format_RGB32;
    QImage& target = pic.Pixels();
    const uchar* from = direct ? sheet->constBits() : nullptr;
    uchar* to = target.bits();
    const qsizetype fromStride = direct ? sheet->bytesPerLine() : 0;
    const qsizetype toStride = target.bytesPerLine();
    for (const MapDrawStep* s = first; s != last; ++s) {
        const auto copy = TerrainPicTinyCopy(s->number, s->x, s->y);
        if (!copy) continue;
        const PixelRect& a = copy->source;
        const PixelRect& b = copy->dest;
        const bool whole = direct && copy->sheet == Sheet::TinyTerr && a.w == b.w && a.h == b.h &&
                           a.x >= 0 && a.y >= 0 && a.x + a.w <= sheet->width() &&
                           a.y + a.h <= sheet->height() && b.x >= 0 && b.y >= 0 &&
                           b.x + b.w <= target.width() && b.y + b.h <= target.height();
        if (!whole) {
            DrawStep(pic, *s, s->x, s->y);
            continue;
        }
        for (int row = 0; row < a.h; ++row) {
            const auto* in = reinterpret_cast<const QRgb*>(from + (a.y + row) * fromStride) + a.x;
            auto* out = reinterpret_cast<QRgb*>(to + (b.y + row) * toStride) + b.x;
            for (int i = 0; i < a.w; ++i)
                out[i] = in[i];
        }
    }
    pic.NotifyChanged();
}

OverlayComposites& Composites() {
    static OverlayComposites composites;
    return composites;
}
} // namespace

void DrawMapPlan(Surface& pic, const MapDrawPlan& plan) {
    const MapDrawStep* const end = plan.data() + plan.size();
    for (const MapDrawStep* s = plan.data(); s != end;) {
        // A run of two or more overlays on one cell is drawn as one composite.
        const MapDrawStep* run = s;
        while (run != end && IsOverlay(run->what) && run->x == s->x && run->y == s->y)
            ++run;
        const MapDrawStep* tiny = s;
        while (tiny != end && tiny->what == MapDraw::TinyTerrain)
            ++tiny;
        if (tiny - s >= 2) {
            DrawTinyRun(pic, s, tiny);
            s = tiny;
            continue;
        }
        if (run - s >= 2) {
            TransparentCopy(pic, s->x, s->y, Composites().Of(s, run),
                            {0, 0, kDetailCellSize.Width, kDetailCellSize.Height});
            s = run;
            continue;
        }
        DrawStep(pic, *s, s->x, s->y);
        ++s;
    }
}

void DrawMapView(Surface& pic) {
    MapDrawPlan& plan = ScratchPlan();
    PlanMapView(plan);
    DrawMapPlan(pic, plan);
}

void DrawWholeMap(Surface& pic) {
    MapDrawPlan& plan = ScratchPlan();
    PlanWholeMap(plan);
    DrawMapPlan(pic, plan);
}

void DrawMapCell(Surface& pic, int px, int py, int cellX, int cellY) {
    MapDrawPlan& plan = ScratchPlan();
    PlanMapCell(plan, px, py, cellX, cellY);
    DrawMapPlan(pic, plan);
}

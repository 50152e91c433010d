#include "map/render/MapRenderer.h"

#include "map/MapFixture.h"
#include "support/qt/CodedPictureHolders.h"

namespace {
constexpr QRgb kGrey = 0xFF808080u;
constexpr QRgb kDot = 0xFF102030u;
constexpr QRgb kWhite = 0xFFFFFFFFu;
using Pixels = std::vector<QRgb>;

class MapRendererTest : public MapFixture {
  protected:
    // The pixels of the surface at the points x0, y0, x1, y1 and so on.
    static Pixels At(const Surface& pic, std::vector<int> points) {
        Pixels pixels;
        for (std::size_t i = 0; i + 1 < points.size(); i += 2)
            pixels.push_back(pic.Pixel(points[i], points[i + 1]));
        return pixels;
    }
    CodedSheetsScope sheets;
};

TEST_F(MapRendererTest, ACellShowsTerrainThenOverlaysThenItsBorderLines) {
    // Overlays are white but for one dot, so the terrain shows around it.
    frmPics.imgFieldpics.fill(Qt::white);
    frmPics.imgFieldpics.setPixel(140 + 3, 4, kDot); // field kind 0, cell 5
    Scenario s = TownScenario(2);
    s.TerrainTypes[1].Picture = 80; // sheet ter2, cell at (0, 108)
    s.Towns[0].Terrain.At(10, 10) = 1;
    s.Towns[0].Fields[0] = {0, 10, 10};
    s.Towns[0].AreaRects[0] = {10, 10, 12, 12}; // corner: right and lower halves
    s.Towns[0].Boundary = {8, 8, 10, 10};       // corner: left and upper halves, shifted
    BuildTown(s);
    Surface pic(84, 108, kGrey);
    DrawMapCell(pic, 28, 36, 10, 10);
    // Terrain corners, the field's dot beside terrain, the area's red halves, no left half of
    // the area line, the boundary's left half one pixel lower and its upper half, and nothing
    // outside the cell.
    EXPECT_EQ(At(pic, {28, 36, 55, 71, 31, 40, 32, 40, 48, 53, 41,
                       66, 33, 53, 33, 54, 42, 41, 27, 36, 28, 35}),
              (Pixels{Coded(0, 108, 11), Coded(27, 143, 11), kDot, Coded(4, 112, 11), 0xFFFF0000u,
                      0xFFFF0000u, Coded(5, 125, 11), kWhite, kWhite, kGrey, kGrey}));
}

// Sheets whose pictures are white in a checker pattern, so that every overlay shows through
// every other.
QImage CheckeredSheet(int w, int h, int tag) {
    QImage image = CodedSheet(w, h, tag);
    for (int y = 0; y < h; ++y)
        for (int x = (y + tag) % 2; x < w; x += 2 + tag % 3)
            image.setPixel(x, y, qRgb(255, 255, 255));
    return image;
}

// Drawing a plan at once looks as if each step were drawn in turn: for a crowded cell, whose
// overlays show through one another, and for the whole view, whose dots on the edge are cut.
TEST_F(MapRendererTest, PlansLookAsIfEachStepWereDrawnInTurn) {
    frmPics.imgFieldpics = CheckeredSheet(224, 324, 9);
    frmPics.imgObjectpics = CheckeredSheet(140, 324, 6);
    frmPics.imgMonstpics[6] = CheckeredSheet(84, 360, 1);
    Scenario s = TownScenario(2);
    Town& t = s.Towns[0];
    t.Fields = {{0, 3, 3}, {13, 3, 3}, {5, 3, 3}};
    t.PresetItems[0] = {2, 3, 3};
    s.ItemTypes[2].Picture = 7;
    s.MonsterTypes[9].Picture = 120; // tiles 131..134 on the seventh monster sheet
    t.Creatures = {{9, 2, 2}};
    s.Horses[0] = {0, 3, 3, 0};
    for (int i = 0; i < 256; ++i)
        s.TerrainTypes[static_cast<std::size_t>(i)].Picture =
            static_cast<std::int16_t>(i % 3 == 0   ? 400 + i % 100
                                      : i % 3 == 1 ? i
                                                   : 1000 + i);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            t.Terrain.At(x, y) = static_cast<std::uint8_t>((x * 5 + y * 11) % 256);
    BuildTown(s);
    const auto inTurn = [](int width, int height, const MapDrawPlan& plan) {
        Surface pic(width, height, kGrey);
        for (const MapDrawStep& step : plan)
            DrawMapPlan(pic, {step});
        return pic.Image();
    };
    MapDrawPlan cell, whole;
    PlanMapCell(cell, 28, 36, 3, 3);
    Surface pic(56, 72, kGrey);
    DrawMapCell(pic, 28, 36, 3, 3);
    EXPECT_EQ(pic.Image(), inTurn(56, 72, cell));
    // A changed sheet is drawn from, not the composite of the sheet before.
    frmPics.imgFieldpics = CheckeredSheet(224, 324, 4);
    DrawMapCell(pic, 28, 36, 3, 3);
    EXPECT_EQ(pic.Image(), inTurn(56, 72, cell));
    Map.ZoomView = false;
    Surface small(100, 99, kGrey); // smaller than the whole view
    DrawWholeMap(small);
    PlanWholeMap(whole);
    EXPECT_EQ(small.Image(), inTurn(100, 99, whole));
    EXPECT_NE(small.Pixel(99, 98), kGrey);
}

TEST_F(MapRendererTest, ViewsLeaveWhatTheyDoNotDraw) {
    Scenario s = TownScenario(2);
    s.TerrainTypes[0].Picture = 12;
    BuildTown(s);
    Map.MapCenter = {0, 0};
    Surface view(256, 328, kGrey), town(200, 200, kGrey), whole(292, 292, kGrey);
    DrawMapView(view);
    EXPECT_EQ(At(view, {111, 143, 112, 144, 251, 323, 252, 324}),
              (Pixels{kGrey, Coded(56, 36, 10), Coded(83, 71, 10), kGrey}));
    Map.ZoomView = false; // the whole town, every cell of it
    DrawWholeMap(town);
    EXPECT_EQ(CountNot(town, kGrey), 192 * 192);
    Scenario world = World(1, 1);
    world.TerrainTypes[SectionTerrain(0, 0, 0, 0)].Picture = 499; // animated 99: tiny 359
    BuildSection(world, 0, 0);
    DrawWholeMap(whole);
    EXPECT_EQ(At(whole, {0, 0, 5, 5, 288, 0}),
              (Pixels{Coded(54, 210, 3), Coded(59, 215, 3), kGrey}));
    EXPECT_NE(whole.Pixel(287, 287), kGrey);
}
} // namespace

#include "map/render/MapRenderer.h"

#include "graphics/GraphicsSheets.h"
#include "map/MapFixture.h"
#include "platform/qt/Surface.h"

namespace {
constexpr QRgb kGrey = 0xFF808080u;
constexpr QRgb kDot = 0xFF102030u;

// A sheet whose pixels tell their own position and sheet, so a test can tell which landed where.
QRgb Coded(int x, int y, int tag) {
    return qRgb(x % 256, y % 256, tag * 4 + x / 256);
}
QImage CodedSheet(int w, int h, int tag) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, Coded(x, y, tag));
    return image;
}

class MapRendererTest : public MapFixture {
  protected:
    void SetUp() override {
        MapFixture::SetUp();
        savedPics_ = frmPics;
        for (int i = 0; i < 6; ++i)
            frmPics.imgTerpics[static_cast<std::size_t>(i)] = CodedSheet(280, 180, 10 + i);
        frmPics.imgTinyTerr = CodedSheet(60, 216, 3);
        frmPics.imgTerDisp = CodedSheet(70, 21, 8);
        // Overlays are white but for one dot, so the terrain shows around it.
        frmPics.imgFieldpics = QImage(224, 324, QImage::Format_RGB32);
        frmPics.imgFieldpics.fill(Qt::white);
        frmPics.imgFieldpics.setPixel(140 + 3, 4, kDot); // field kind 0, cell 5
    }
    void TearDown() override {
        frmPics = savedPics_;
        MapFixture::TearDown();
    }

  private:
    PictureHolders savedPics_;
};

TEST_F(MapRendererTest, ACellShowsTerrainThenOverlaysThenItsBorderLines) {
    Scenario s = TownScenario(2);
    s.TerrainTypes[1].Picture = 80; // sheet ter2, cell at (0, 108)
    s.Towns[0].Terrain.At(10, 10) = 1;
    s.Towns[0].Fields[0] = {0, 10, 10};
    s.Towns[0].AreaRects[0] = {10, 10, 12, 12}; // corner: right and lower halves
    s.Towns[0].Boundary = {8, 8, 10, 10};       // corner: left and upper halves, shifted
    BuildTown(s);

    Surface pic(84, 108, kGrey);
    DrawMapCell(pic, 28, 36, 10, 10);
    const auto at = [&pic](int x, int y) { return pic.Pixel(28 + x, 36 + y); };
    const QRgb red = 0xFFFF0000u;
    EXPECT_EQ(at(0, 0), Coded(0, 108, 11));
    EXPECT_EQ(at(27, 35), Coded(27, 143, 11));
    EXPECT_EQ(at(3, 4), kDot);
    EXPECT_EQ(at(4, 4), Coded(4, 112, 11));
    EXPECT_EQ(at(20, 17), red);
    EXPECT_EQ(at(13, 30), red);
    EXPECT_EQ(at(5, 17), Coded(5, 125, 11)); // no left half of the area line
    EXPECT_EQ(at(5, 18), 0xFFFFFFFFu);       // the boundary's left half, one pixel lower
    EXPECT_EQ(at(14, 5), 0xFFFFFFFFu);
    EXPECT_EQ(pic.Pixel(27, 36), kGrey); // nothing outside the cell
    EXPECT_EQ(pic.Pixel(28, 35), kGrey);
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

TEST_F(MapRendererTest, ACrowdedCellLooksAsIfEachOverlayWereDrawnInTurn) {
    frmPics.imgFieldpics = CheckeredSheet(224, 324, 9);
    frmPics.imgObjectpics = CheckeredSheet(140, 324, 6);
    frmPics.imgMonstpics[6] = CheckeredSheet(84, 360, 1);
    Scenario s = TownScenario(2);
    Town& t = s.Towns[0];
    t.Fields[0] = {0, 3, 3};
    t.Fields[1] = {13, 3, 3};
    t.Fields[2] = {5, 3, 3};
    t.PresetItems[0] = {2, 3, 3};
    s.ItemTypes[2].Picture = 7;
    s.MonsterTypes[9].Picture = 120; // tiles 131..134 on the seventh monster sheet
    t.Creatures[0].Monster = 9;
    t.Creatures[0].X = t.Creatures[0].Y = 2;
    s.Horses[0] = {0, 3, 3, 0};
    BuildTown(s);

    const auto oneByOne = [] {
        Surface pic(56, 72, kGrey);
        MapDrawPlan plan;
        PlanMapCell(plan, 28, 36, 3, 3);
        for (const MapDrawStep& step : plan)
            DrawMapPlan(pic, {step});
        return pic.Image();
    };
    Surface pic(56, 72, kGrey);
    DrawMapCell(pic, 28, 36, 3, 3);
    EXPECT_EQ(pic.Image(), oneByOne());

    // A changed sheet is drawn from, not the composite of the sheet before.
    frmPics.imgFieldpics = CheckeredSheet(224, 324, 4);
    DrawMapCell(pic, 28, 36, 3, 3);
    EXPECT_EQ(pic.Image(), oneByOne());
}

TEST_F(MapRendererTest, TheWholeViewDrawsEveryDotAsItsOwnCopyWould) {
    Scenario s = TownScenario(2);
    for (int t = 0; t < 256; ++t)
        s.TerrainTypes[static_cast<std::size_t>(t)].Picture =
            static_cast<std::int16_t>(t % 3 == 0   ? 400 + t % 100
                                      : t % 3 == 1 ? t
                                                   : 1000 + t);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            s.Towns[0].Terrain.At(x, y) = static_cast<std::uint8_t>((x * 5 + y * 11) % 256);
    BuildTown(s);
    Map.ZoomView = false;
    // A surface smaller than the view: the dots on its edge are cut.
    Surface whole(100, 99, kGrey);
    DrawWholeMap(whole);
    Surface reference(100, 99, kGrey);
    MapDrawPlan plan;
    PlanWholeMap(plan);
    for (const MapDrawStep& step : plan)
        DrawMapPlan(reference, {step});
    EXPECT_EQ(whole.Image(), reference.Image());
    EXPECT_NE(whole.Pixel(99, 98), kGrey);
}

TEST_F(MapRendererTest, ViewsLeaveWhatTheyDoNotDraw) {
    Scenario s = TownScenario(2);
    s.TerrainTypes[0].Picture = 12;
    BuildTown(s);
    Map.MapCenter = {0, 0};
    Surface view(256, 328, kGrey);
    DrawMapView(view);
    EXPECT_EQ(view.Pixel(111, 143), kGrey);
    EXPECT_EQ(view.Pixel(112, 144), Coded(56, 36, 10));
    EXPECT_EQ(view.Pixel(251, 323), Coded(83, 71, 10));
    EXPECT_EQ(view.Pixel(252, 324), kGrey);

    Scenario world = World(1, 1);
    world.TerrainTypes[SectionTerrain(0, 0, 0, 0)].Picture = 499;
    BuildSection(world, 0, 0);
    Map.ZoomView = false;
    Surface whole(292, 292, kGrey);
    DrawWholeMap(whole);
    EXPECT_EQ(whole.Pixel(0, 0), Coded(54, 210, 3)); // animated 99: tiny terrain 359
    EXPECT_EQ(whole.Pixel(5, 5), Coded(59, 215, 3));
    EXPECT_NE(whole.Pixel(287, 287), kGrey);
    EXPECT_EQ(whole.Pixel(288, 0), kGrey);
}
} // namespace

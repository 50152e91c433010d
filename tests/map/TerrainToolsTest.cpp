#include "map/tools/TerrainTools.h"
#include "map/MapFixture.h"
#include "platform/core/Random.h"

namespace {
class TerrainToolsTest : public MapFixture {
  protected:
    // Puts the program's random numbers back after the test.
    struct RandomKeeper {
        std::mt19937 saved = RandomGenerator();
        ~RandomKeeper() { RandomGenerator() = saved; }
    } keeper;
};

TEST_F(TerrainToolsTest, BrushesPaintTheirShapesInsideEditBounds) {
    // The count of painted cells, and the cells of (x0, y0) to (x1, y1).
    const auto painted = [](int x0, int y0, int x1, int y1) {
        return Str(PaintedCells().size()) + " " + Painted(x0, y0, x1, y1);
    };
    Map.PaintTerrain = 3;
    BlankTown();
    LargePaint(10, 10, host);
    EXPECT_EQ(painted(6, 6, 14, 14), "69 ..#####../.#######./#########/#########/#########/"
                                     "#########/#########/.#######./..#####..");
    BlankTown();
    LargePaint(0, 0, host);
    LargePaint(63, 63, host);
    EXPECT_EQ(painted(0, 0, 4, 4) + "|" + Painted(59, 59, 63, 63),
              "44 #####/#####/#####/####./###..|..###/.####/#####/#####/#####");
    BlankSection(); // outdoors the border ring stays as built
    LargePaint(1, 1, host);
    LargePaint(48, 48, host);
    EXPECT_EQ(painted(0, 0, 5, 5), "240 ######/######/######/######/#####./####..");
    BlankTown(2);
    SmallPaint(31, 0, host);
    SmallPaint(15, 15, host);
    EXPECT_EQ(Painted(29, 0, 31, 2) + "|" + Painted(13, 13, 17, 17),
              ".##/.##/...|...../.###./.###./.###./.....");
    Map.EraseTerrain = 0;
    EraseTerrainTool(15, 16, host); // 5 x 5 around (15, 16) clears the whole small square
    Map.EraseTerrain = 2;
    EraseTerrainTool(0, 31, host);
    EXPECT_EQ(painted(0, 28, 3, 31), "13 ..../###./###./###.");
    // Sign terrain is refused by the large brush only and makes no sign.
    BlankTown();
    Scen.TerrainTypes[40].SpecialProperty = 11;
    Map.PaintTerrain = 40;
    LargePaint(10, 10, host);
    EXPECT_TRUE(PaintedCells().empty());
    SmallPaint(10, 10, host);
    EXPECT_EQ(PaintedCells().size(), 9u);
    EXPECT_TRUE(host.opened.empty());
}

TEST_F(TerrainToolsTest, SprayDrawsOneNumberPerBareCellAndPaintsOneInAHundred) {
    for (const int reach : {4, 2}) {
        // Every other column holds terrain 3, which the spray neither reads a number for nor
        // paints. The same numbers are replayed over the bare cells of a hundred sprays, in the
        // spray's order: columns outer, rows inner.
        BlankTown();
        for (int x = 0; x < 64; x += 2)
            for (int y = 0; y < 64; ++y)
                Map.MapCells.At(x, y).Terrain = 3;
        Map.PaintTerrain = 7;
        RandomGenerator().seed(5);
        std::mt19937 replay(5);
        std::uniform_real_distribution<double> chance(0.0, 1.0);
        CellSet expected;
        for (int n = 0; n < 100; ++n) {
            (reach == 4 ? LargeSpray : SmallSpray)(20, 20, host);
            for (int x = 20 - reach; x <= 20 + reach; ++x)
                for (int y = 20 - reach; y <= 20 + reach; ++y)
                    if (x % 2 && !expected.contains({x, y}) && chance(replay) * 100 < 1)
                        expected.emplace(x, y);
        }
        EXPECT_GE(expected.size(), 2u);
        EXPECT_EQ(PaintedCells(7), expected) << reach;
        EXPECT_EQ(RandomGenerator(), replay) << "one number per bare cell";
    }
    // Over cells none of which holds 0 or 1 nothing changes and no number is drawn.
    std::ranges::fill(Scen.Towns[0].Terrain.Cells(), 2);
    BuildMapCells();
    const std::mt19937 before = RandomGenerator();
    host = {};
    for (int i = 0; i < 50; ++i)
        LargeSpray(30, 30, host);
    EXPECT_EQ(RandomGenerator(), before);
    EXPECT_TRUE(host.redrawn.empty());
    // At the edge the spray reads nothing beyond the grid.
    BlankTown();
    for (int i = 0; i < 200; ++i)
        LargeSpray(0, 63, host);
    for (const auto& [x, y] : PaintedCells())
        EXPECT_TRUE(x <= 4 && y >= 59) << x << "," << y;
}

TEST_F(TerrainToolsTest, RectanglesTakeTwoClicksInEitherView) {
    // Filled, the two corners, and cells (5, 5) to (7, 7) or the count of painted cells.
    const std::tuple<bool, int, int, int, int, std::string> cases[] = {
        {true, 5, 5, 7, 6, "###/###/..."},  {false, 5, 5, 7, 6, "###/###/..."},
        {false, 5, 5, 7, 7, "###/#.#/###"}, {true, 5, 5, 7, 7, "###/###/###"},
        {true, 6, 6, 6, 6, ".../.#./..."},  {true, 7, 6, 5, 5, ".../.../..."},
        {false, 5, 7, 7, 5, ".../.../..."}, {true, 60, 60, 63, 63, "16"}};
    for (const bool zoom : {true, false})
        for (const auto& [filled, x0, y0, x1, y1, painted] : cases) {
            SCOPED_TRACE(painted + (zoom ? " zoom" : " whole"));
            BlankTown();
            Map.ZoomView = zoom;
            Map.PaintTerrain = 3;
            Tools.CurrentTool = filled ? 7 : 6;
            host = {};
            const auto tool = filled ? FilledRectangle : EmptyRectangle;
            tool(x0, y0, host);
            EXPECT_TRUE(Tools.ClickStep == 1 && host.cursor == ToolCursor::Area2);
            EXPECT_EQ(host.prompt + Painted(5, 5, 7, 7), "Select lower right corner..../.../...");
            tool(x1, y1, host);
            EXPECT_TRUE(Tools.ClickStep == 0 && host.drawToolSelections == 1);
            EXPECT_EQ(x0 == 60 ? Str(PaintedCells().size()) : Painted(5, 5, 7, 7), painted);
            // The detail view is repainted once; the whole view draws each written cell.
            EXPECT_TRUE(PaintedCells().empty() ||
                        (host.views == (zoom ? 1 : 0) && host.redrawn.empty() == zoom));
        }
}

TEST_F(TerrainToolsTest, DrawTerrainKeepsSignAndEntranceRecordsInStep) {
    BlankTown();
    Scen.TerrainTypes[40].SpecialProperty = 11;
    Scen.TerrainTypes[41].SpecialProperty = 21;
    Scen.Towns[0].SignLocs[2] = {10, 10};
    BuildMapCells();
    // Town-entrance terrain inside a town makes no entrance.
    for (const auto& [terrain, x] : {std::pair{3, 10}, {40, 11}, {41, 12}}) {
        Map.PaintTerrain = static_cast<std::uint8_t>(terrain);
        DrawTerrain(x, 10, host);
    }
    EXPECT_EQ(State(), "[sign at 11,10]");
    EXPECT_TRUE(TerrainAt(10, 10) == 3 && TerrainAt(12, 10) == 41);
    EXPECT_EQ(Scen.Towns[0].SignLocs[2], (Location{100, 0}));
    BlankSection();
    Scen.TerrainTypes[41].SpecialProperty = 21;
    Scen.TownCount = 2;
    CreateTown(Scen, 1, "Other", 2, 0);
    Scen.Towns[1].SectionX = 3;
    Scen.Towns[1].EntranceX = 7;
    Section().TownEntrances[4] = {1, 4, 4};
    BuildMapCells();
    DrawTerrain(5, 5, host); // still with terrain 41
    EXPECT_EQ(State(), "1,1:W [town at 5,5]");
    EXPECT_TRUE(Scen.Towns[1].SectionX == 0 && Scen.Towns[1].EntranceX == 0);
}
} // namespace

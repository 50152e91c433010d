#include "map/tools/TerrainTools.h"
#include "map/MapFixture.h"
#include "map/tools/ToolDispatch.h"
#include "platform/core/Random.h"

#include <random>

namespace {
class TerrainToolsTest : public ToolFixture {
  protected:
    void SetUp() override {
        ToolFixture::SetUp();
        savedRandom_ = RandomGenerator();
    }
    void TearDown() override {
        RandomGenerator() = savedRandom_;
        ToolFixture::TearDown();
    }
    // The 69 cells of the large brush around (x, y), kept to the cells inside [low, high].
    static CellSet Disc(int x, int y, int low, int high) {
        CellSet cells;
        for (int dy = -4; dy <= 4; ++dy) {
            const int reach = (dy == -4 || dy == 4) ? 2 : (dy == -3 || dy == 3) ? 3 : 4;
            for (int dx = -reach; dx <= reach; ++dx)
                if (x + dx >= low && x + dx <= high && y + dy >= low && y + dy <= high)
                    cells.emplace(x + dx, y + dy);
        }
        return cells;
    }
    static CellSet Square(int x0, int y0, int x1, int y1) {
        CellSet cells;
        for (int x = x0; x <= x1; ++x)
            for (int y = y0; y <= y1; ++y)
                cells.emplace(x, y);
        return cells;
    }

  private:
    std::mt19937 savedRandom_;
};

TEST_F(TerrainToolsTest, LargePaintCoversItsDiscInsideEditBounds) {
    Map.PaintTerrain = 3;
    BlankTown();
    LargePaint(10, 10, host);
    EXPECT_EQ(PaintedCells().size(), 69u);
    EXPECT_EQ(PaintedCells(), Disc(10, 10, 0, 63));
    for (const auto& [x, y] :
         std::vector<std::pair<int, int>>{{0, 0}, {63, 0}, {0, 63}, {63, 63}}) {
        BlankTown();
        LargePaint(x, y, host);
        EXPECT_EQ(PaintedCells(), Disc(x, y, 0, 63)) << x << "," << y;
    }
    BlankSection(); // outdoors the border ring stays as built
    const CellSet border = PaintedCells();
    LargePaint(1, 1, host);
    LargePaint(48, 48, host);
    CellSet expected = Disc(1, 1, 1, 48);
    expected.merge(Disc(48, 48, 1, 48));
    expected.insert(border.begin(), border.end());
    EXPECT_EQ(PaintedCells(), expected);
}

TEST_F(TerrainToolsTest, SmallPaintAndEraserPaintTheirSquares) {
    BlankTown(2);
    Map.PaintTerrain = 3;
    SmallPaint(31, 0, host);
    EXPECT_EQ(PaintedCells(), Square(30, 0, 31, 1));
    SmallPaint(15, 15, host);
    Map.EraseTerrain = 0;
    EraseTerrainTool(15, 16, host); // 5 x 5 around (15, 16) clears the whole small square
    EXPECT_EQ(PaintedCells(), Square(30, 0, 31, 1));
    Map.EraseTerrain = 2;
    EraseTerrainTool(0, 31, host);
    EXPECT_EQ(PaintedCells().size(), 4u + 9u);
}

TEST_F(TerrainToolsTest, SignTerrainIsRefusedByTheLargeBrushOnlyAndMakesNoSign) {
    BlankTown();
    Scen.TerrainTypes[40].SpecialProperty = 11;
    Map.PaintTerrain = 40;
    LargePaint(10, 10, host);
    EXPECT_TRUE(PaintedCells().empty());
    SmallPaint(10, 10, host);
    EXPECT_EQ(PaintedCells().size(), 9u);
    EXPECT_TRUE(host.signsPlaced.empty());
}

TEST_F(TerrainToolsTest, SprayDrawsOneNumberPerBareCellAndPaintsOneInAHundred) {
    // Every other column holds terrain 3, which the spray neither reads a number for nor paints.
    const auto prepare = [] {
        BlankTown();
        for (int x = 0; x < 64; x += 2)
            for (int y = 0; y < 64; ++y)
                Map.MapCells.At(x, y).Terrain = 3;
    };
    for (const int reach : {4, 2}) {
        int hits = 0;
        for (unsigned seed = 1; seed < 400 && hits < 2; ++seed) {
            prepare();
            Map.PaintTerrain = 7;
            // The cells the same numbers pick, in the spray's order: columns outer, rows inner.
            std::mt19937 replay(seed);
            std::uniform_real_distribution<double> chance(0.0, 1.0);
            CellSet expected;
            for (int dx = -reach; dx <= reach; ++dx)
                for (int dy = -reach; dy <= reach; ++dy)
                    if ((20 + dx) % 2 == 1 && static_cast<int>(chance(replay) * 100) < 1)
                        expected.emplace(20 + dx, 20 + dy);
            RandomGenerator().seed(seed);
            (reach == 4 ? LargeSpray : SmallSpray)(20, 20, host);
            CellSet sprayed;
            for (int y = 0; y < 64; ++y)
                for (int x = 1; x < 64; x += 2)
                    if (TerrainAt(x, y) == 7) sprayed.emplace(x, y);
            ASSERT_EQ(sprayed, expected) << "seed " << seed;
            EXPECT_EQ(RandomGenerator(), replay) << "one number per bare cell";
            hits += static_cast<int>(!expected.empty());
        }
        EXPECT_EQ(hits, 2) << reach;
    }

    // Over cells none of which holds 0 or 1 nothing changes and no number is drawn.
    BlankTown();
    for (MapCell& cell : Map.MapCells.Cells())
        cell.Terrain = 2;
    const std::mt19937 before = RandomGenerator();
    host = {};
    for (int i = 0; i < 50; ++i)
        LargeSpray(30, 30, host);
    EXPECT_EQ(RandomGenerator(), before);
    EXPECT_TRUE(host.redrawn.empty());
    // At the edge the spray reads nothing beyond the grid.
    BlankTown();
    RandomGenerator().seed(5);
    for (int i = 0; i < 200; ++i)
        LargeSpray(0, 63, host);
    for (const auto& [x, y] : PaintedCells())
        EXPECT_TRUE(x <= 4 && y >= 59) << x << "," << y;
}

TEST_F(TerrainToolsTest, RectanglesTakeTwoClicksInEitherView) {
    struct Case {
        bool filled;
        std::pair<int, int> first, second;
        std::size_t painted;
        bool hollowCentre;
    };
    const Case cases[] = {
        {true, {5, 5}, {7, 6}, 6, false},  {false, {5, 5}, {7, 6}, 6, false},
        {false, {5, 5}, {7, 7}, 8, true},  {true, {5, 5}, {7, 7}, 9, false},
        {true, {6, 6}, {6, 6}, 1, false},  {true, {7, 6}, {5, 5}, 0, false},
        {false, {5, 7}, {7, 5}, 0, false}, {true, {60, 60}, {63, 63}, 16, false},
    };
    for (const bool zoom : {true, false})
        for (const Case& c : cases) {
            BlankTown();
            Map.ZoomView = zoom;
            Map.PaintTerrain = 3;
            Tools.CurrentTool = c.filled ? 7 : 6;
            host = {};
            const auto tool = c.filled ? FilledRectangle : EmptyRectangle;
            tool(c.first.first, c.first.second, host);
            EXPECT_EQ(Tools.ClickStep, 1);
            EXPECT_EQ(host.cursor, ToolCursor::Area2);
            EXPECT_EQ(host.prompt, "Select lower right corner.");
            EXPECT_TRUE(PaintedCells().empty());
            tool(c.second.first, c.second.second, host);
            EXPECT_EQ(Tools.ClickStep, 0);
            EXPECT_EQ(Tools.CurrentTool, 0);
            EXPECT_EQ(host.drawToolSelections, 1);
            EXPECT_EQ(PaintedCells().size(), c.painted) << c.first.first << " zoom " << zoom;
            if (c.hollowCentre) {
                EXPECT_EQ(TerrainAt(6, 6), 0);
            }
            // The detail view is repainted once; the whole view draws each written cell.
            if (c.painted > 0) {
                EXPECT_EQ(host.views, zoom ? 1 : 0);
                EXPECT_EQ(host.redrawn.empty(), zoom);
            }
        }
}

TEST_F(TerrainToolsTest, DrawTerrainKeepsSignAndEntranceRecordsInStep) {
    BlankTown();
    Scen.TerrainTypes[40].SpecialProperty = 11;
    Scen.TerrainTypes[41].SpecialProperty = 21;
    Scen.Towns[0].SignLocs[2] = {10, 10};
    Map.MapCells.At(10, 10).SignIndex = 2;
    Map.PaintTerrain = 3;
    DrawTerrain(10, 10, host);
    EXPECT_EQ(Scen.Towns[0].SignLocs[2], (Location{100, 0}));
    EXPECT_EQ(Map.MapCells.At(10, 10).SignIndex, -1);
    EXPECT_EQ(TerrainAt(10, 10), 3);
    Map.PaintTerrain = 40;
    DrawTerrain(11, 10, host);
    Map.PaintTerrain = 41; // town-entrance terrain inside a town makes no entrance
    DrawTerrain(12, 10, host);
    EXPECT_EQ(host.signsPlaced, (std::vector<std::pair<int, int>>{{11, 10}}));
    EXPECT_TRUE(host.entrancesPlaced.empty());
    EXPECT_EQ(TerrainAt(12, 10), 41);

    BlankSection();
    Scen.TerrainTypes[41].SpecialProperty = 21;
    Scen.TownCount = 2;
    CreateTown(Scen, 1, "Other", 2, 0);
    Scen.Towns[1].SectionX = 3;
    Scen.Towns[1].EntranceX = 7;
    Scen.OutdoorSections.At(0, 0).TownEntrances[4] = {1, 4, 4};
    Map.MapCells.At(5, 5).EntranceIndex = 4;
    Map.PaintTerrain = 41;
    DrawTerrain(5, 5, host);
    EXPECT_EQ(Scen.OutdoorSections.At(0, 0).TownEntrances[4], (TownEntrance{-1, 100, 0}));
    EXPECT_EQ(Scen.Towns[1].SectionX, 0);
    EXPECT_EQ(Scen.Towns[1].EntranceX, 0);
    EXPECT_EQ(host.entrancesPlaced, (std::vector<std::pair<int, int>>{{5, 5}}));
}
} // namespace

#include "map/tools/TerrainPainting.h"
#include "map/MapFixture.h"

namespace {
using TerrainPaintingTest = MapFixture;

TEST_F(TerrainPaintingTest, TwoCellTerrainsSetTheirPartnerAndNothingWritesTheOutdoorBorder) {
    BlankTown();
    Map.EraseTerrain = 2;
    PaintTerrainAt(85, 10, 10, host);
    PaintTerrainAt(89, 20, 10, host);
    EXPECT_TRUE(TerrainAt(11, 10) == 86 && TerrainAt(19, 10) == 88);
    EXPECT_EQ(Scen.Towns[0].Terrain.At(19, 10), 88); // the record follows the grid
    // Over the left half: the right half gets the erase terrain and no wall is joined, so
    // the wall beside it keeps its piece.
    Map.MapCells.At(10, 11).Terrain = 5;
    host = {};
    PaintTerrainAt(3, 10, 10, host);
    PaintTerrainAt(3, 20, 10, host); // over the right half
    EXPECT_TRUE(TerrainAt(11, 10) == 2 && TerrainAt(19, 10) == 2 && TerrainAt(10, 11) == 5);
    EXPECT_EQ(host.redrawn, (CellSet{{10, 10}, {11, 10}, {19, 10}, {20, 10}}));
    // A partner beyond EditBounds is not written: the last town column, column 48 outdoors.
    PaintTerrainAt(85, 63, 5, host);
    EXPECT_EQ(TerrainAt(63, 5), 85);
    BlankSection();
    PaintTerrainAt(85, 48, 5, host);
    PaintTerrainAt(89, 1, 5, host);
    EXPECT_TRUE(TerrainAt(49, 5) == 90 && TerrainAt(0, 5) == 90); // the border stays as built
    EXPECT_EQ(Section().Terrain.At(0, 4), 89);
    // The border counts as joined to a wall and is never written.
    PaintTerrainAt(Wall(1, 0), 1, 1, host);
    EXPECT_EQ(TerrainAt(1, 1), Wall(1, 2)); // N and W join (border), E and S do not
    host = {};
    PaintTerrainAt(Wall(1, 0), 0, 5, host);
    EXPECT_TRUE(TerrainAt(0, 1) == 90 && TerrainAt(0, 5) == 90 && host.redrawn.empty());
}

// Wall figures in every style: the '.' cells of the picture of (9, 9) to (11, 11) are left
// bare, the others painted with walls in turn; then each shows its piece as a hex digit.
TEST_F(TerrainPaintingTest, WallsJoinTheirNeighbours) {
    for (int style = 0; style < 4; ++style)
        for (const std::string figure : {".../.6./...", ".../654/...", ".6./.7./.8.", "64./8../...",
                                         ".6./6a4/.8.", "654/703/812", "654/7c2/82."}) {
            BlankTown();
            for (std::size_t i = 0; i < figure.size(); ++i)
                if (figure[i] != '.' && figure[i] != '/')
                    PaintTerrainAt(Wall(style, 0), 9 + static_cast<int>(i % 4),
                                   9 + static_cast<int>(i / 4), host);
            EXPECT_EQ(Picture(9, 9, 11, 11,
                              [style](const MapCell& c) {
                                  for (int shape = 0; shape < kWallShapeCount; ++shape)
                                      if (c.Terrain == Wall(style, shape))
                                          return "0123456789abcdef"[shape];
                                  return c.Terrain ? '?' : '.';
                              }),
                      figure)
                << "style " << style;
        }
    // Painting beside a wall reshapes it; of the 3 x 3 block around the new wall only the walls
    // are rewritten and redrawn; clearing the new wall gives the old one back its lone piece.
    BlankTown();
    PaintTerrainAt(Wall(0, 0), 10, 10, host);
    host = {};
    PaintTerrainAt(Wall(0, 0), 9, 10, host);
    EXPECT_EQ(TerrainAt(10, 10), Wall(0, 4));
    EXPECT_EQ(host.redrawn, (CellSet{{9, 10}, {10, 10}}));
    PaintTerrainAt(0, 9, 10, host);
    EXPECT_EQ(TerrainAt(10, 10), Wall(0, 6));
}

// Style 2 joins style 1 but not the other way round; the same style joins; picture 241 joins
// style 0 but never style 2; picture 193 joins style 1 and stops style 0; picture 405 joins
// any; pictures 88..120 join style 0, 5..17 style 0 only, 59..66 style 3.
TEST_F(TerrainPaintingTest, JoinRulesBetweenStylesAndPictures) {
    // The style of the wall at (10, 10); TerrainSet and picture of terrain 100 west of it;
    // whether they join (the wall's shape 4) or not (6).
    const std::tuple<int, int, int, bool> cases[] = {
        {2, 1, 0, true},    {1, 2, 0, false},    {2, 1, 241, false}, {0, -1, 241, true},
        {1, -1, 193, true}, {0, -1, 193, false}, {3, 3, 0, true},    {3, -1, 405, true},
        {0, -1, 120, true}, {1, -1, 10, false},  {3, -1, 59, true}};
    BlankTown();
    for (const auto& [style, westSet, westPicture, joins] : cases) {
        Scen.TerrainTypes[100].TerrainSet = static_cast<std::int16_t>(westSet);
        Scen.TerrainTypes[100].Picture = static_cast<std::int16_t>(westPicture);
        Map.MapCells.At(9, 10).Terrain = 100;
        Map.MapCells.At(10, 10).Terrain = Wall(style, 0);
        AdjustWallTerrainAt(10, 10, host);
        EXPECT_EQ(TerrainAt(10, 10), Wall(style, joins ? 4 : 6))
            << style << " " << westSet << " " << westPicture;
    }
}

// 23 is an ornament of wall style 1: fully surrounded by style 1 it keeps itself, but with all
// but the south-east joined it becomes piece 12 like any wall.
TEST_F(TerrainPaintingTest, AnOrnamentKeepsItselfUnlessAllButTheSouthEastJoin) {
    BlankTown();
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            Map.MapCells.At(10 + dx, 10 + dy).Terrain = 22;
    for (const auto& [southEast, shape] : {std::pair{22, 23}, {0, Wall(1, 12)}}) {
        Map.MapCells.At(11, 11).Terrain = static_cast<std::uint8_t>(southEast);
        Map.MapCells.At(10, 10).Terrain = 23;
        AdjustWallTerrainAt(10, 10, host);
        EXPECT_EQ(TerrainAt(10, 10), shape) << southEast;
    }
}
} // namespace

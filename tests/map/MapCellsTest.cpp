
#include "MapFixture.h"

namespace {
using MapCellsTest = MapFixture;

TEST_F(MapCellsTest, EachEditModeSetsItsViewAndAFreshGrid) {
    const MapViewSettings views[] = {{63, {32, 32}, {0, 63}, {4, 4, 59, 59}},
                                     {47, {24, 24}, {0, 47}, {4, 4, 43, 43}},
                                     {31, {16, 16}, {0, 31}, {4, 4, 27, 27}},
                                     {49, {25, 25}, {1, 48}, {4, 4, 45, 45}}};
    for (std::int16_t mode = 0; mode < 4; ++mode) {
        Scen = mode == kEditOutdoors ? World(1, 1) : TownScenario(mode);
        Map.EditMode = mode;
        Map.MapCenter = {7, 7};
        BuildMapCells();
        EXPECT_EQ((MapViewSettings{Map.MapMax, Map.MapCenter, Map.EditBounds, Map.MapCenterLimits}),
                  views[mode]);
        EXPECT_EQ(Map.MapCells.Side(), views[mode].MapMax + 1);
    }
    // No edit mode: the view values stay; a negative one leaves the grid all zero.
    Map.EditMode = -1;
    BuildMapCells();
    EXPECT_EQ(Map.MapCenter, (Location{25, 25}));
    EXPECT_EQ(Map.MapCells, MapCellGrid(50));
}

TEST_F(MapCellsTest, TownMarksAndObjectsLandOnTheirCellsAndRecordsOffTheGridMarkNothing) {
    Scenario s = TownScenario(1); // 48 x 48
    Town& t = s.Towns[0];
    s.StartTown = 0;
    s.StartTownLoc = {5, 6};
    t.WanderingLocs = {Location{1, 1}, Location{100, 3}, Location{48, 2}, Location{0, 47}};
    t.EntryPoints = {Location{10, 0}, Location{0, 10}, Location{10, 0}, Location{60, 60}};
    // The later spot or field of a kind on a cell wins; free and off-grid ones mark nothing,
    // nor do field kinds beyond 0..13; the horse replaces the boat.
    t.SpecialSpots = {{4, 3, 4}, {5, 100, 0}, {6, 3, 4}, {7, 47, 47}, {8, 48, 1}};
    t.SignLocs[0] = {2, 9};
    t.SignLocs[15] = {47, 9};
    t.SignLocs[3] = {99, 9};
    t.Fields = {{0, 5, 5},  {13, 5, 5},  {0, 5, 5},  {14, 6, 6},
                {-1, 6, 6}, {3, 100, 0}, {4, 48, 0}, {4, 47, 47}};
    t.PresetItems = {{7, 8, 8}, {7, 100, 0}, {9, 8, 8}, {11, 8, 8}, {3, 0, 48}, {2, 47, 0}};
    s.Boats[0] = {0, 2, 2, 0};
    s.Boats[3] = {0, 3, 3, 0};
    s.Horses[5] = {0, 2, 2, 0};
    s.Horses[1] = {1, 4, 4, 0};
    s.Boats[2] = {0, 70, 3, 0};
    // Creatures two wide or high in the last column or row, or 2 x 2 in the corner, show the
    // anchor only; a creature without a picture (7) still holds its cell.
    const std::pair<int, int> monsters[] = {{1, 0},    {2, 75},   {3, 51},  {4, 120},
                                            {5, 4012}, {6, 2005}, {7, 300}, {8, 3001}};
    for (const auto& [type, picture] : monsters)
        s.MonsterTypes[static_cast<std::size_t>(type)].Picture = static_cast<std::int16_t>(picture);
    t.Creatures = {{4, 10, 10}, {1, 10, 10}, {2, 47, 5}, {3, 5, 47},  {4, 47, 47}, {5, 20, 20},
                   {6, 25, 25}, {7, 15, 15}, {8, 47, 0}, {1, 100, 0}, {1, 48, 3},  {2, 0, 0}};
    BuildTown(s);
    std::string all = "0,0:c11.0 1,0:c11.1 10,0:E0E2 47,0:i5c8.0 1,1:W 47,1:c8.1 2,2:h 3,3:b "
                      "3,4:p2 5,5:f0=2f13=1 47,5:c2.0 5,6:S 8,8:i0i2i3 2,9:s0 47,9:s15 0,10:E1 "
                      "10,10:c0.0c1.0 11,10:c0.1 10,11:c0.2 11,11:c0.3 15,15:c7.0 20,20:c5.0 "
                      "21,20:c5.1 20,21:c5.2 21,21:c5.3 25,25:c6.0 26,25:c6.1 0,47:W 5,47:c3.0 "
                      "47,47:p3f4=7c4.0";
    EXPECT_EQ(Marks(), all);
    EXPECT_EQ(Cell(8, 8).ItemTop(), 2);
    EXPECT_EQ(Cell(10, 10).CreatureTop(), 1);
    // A start elsewhere is not marked here; after a creature leaves, placing the creatures
    // again leaves no trace of it.
    s.StartTown = 1;
    BuildTown(s);
    Scen.Towns[0].Creatures[0].X = 100;
    PlaceTownCreaturesInCells();
    for (const char* gone : {"5,6:S ", "c0.0", " 11,10:c0.1 10,11:c0.2 11,11:c0.3"})
        all.erase(all.find(gone), std::string(gone).size());
    EXPECT_EQ(Marks(), all);
}

TEST_F(MapCellsTest, OutdoorBorderRingShowsTheNeighboursOr90BeyondTheWorld) {
    const Scenario world = World(3, 4);
    // The terrain of the world's cell (x, y) counted across sections, 90 beyond the world.
    const auto at = [](int x, int y) {
        const bool beyond = x < 0 || y < 0 || x >= 3 * 48 || y >= 4 * 48;
        return beyond ? 90 : SectionTerrain(x / 48, y / 48, x % 48, y % 48);
    };
    for (const auto& [sx, sy] : CellSet{{1, 1}, {0, 0}, {2, 0}, {0, 3}, {2, 3}}) {
        BuildSection(world, sx, sy);
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x) {
                const bool corner = x % 49 == 0 && y % 49 == 0;
                ASSERT_EQ(TerrainAt(x, y), corner ? 90 : at(sx * 48 + x - 1, sy * 48 + y - 1))
                    << sx << "," << sy << " " << x << "," << y;
            }
    }
}

TEST_F(MapCellsTest, OutdoorMarksAndTerrainAreShiftedIntoTheBorderedGrid) {
    Scenario s = World(2, 2);
    OutdoorSection& section = s.OutdoorSections.At(1, 0);
    s.StartOutdoorSection = {1, 0};
    s.StartOutdoorLoc = {0, 0};
    section.WanderingLocs = {Location{47, 47}, Location{100, 0}, Location{48, 0}, Location{60, 1}};
    section.SpecialSpots[2] = {3, 10, 11};
    section.SignLocs[7] = {4, 5};
    section.TownEntrances[6] = {2, 20, 21};
    section.TownEntrances[1] = {3, 30, 30}; // a town beyond the list is not marked
    s.TownCount = 3;
    section.AreaRects[0] = {0, 0, 2, 2};
    BuildSection(s, 1, 0);
    EXPECT_EQ(Marks(), "1,1:S 49,1:W 5,6:s7 11,12:p2 21,22:e6 48,48:W");
    // The area's edge pieces as a hex digit: 1 left, 2 up, 4 right, 8 down.
    EXPECT_EQ(Picture(1, 1, 3, 3,
                      [](const MapCell& c) {
                          int bits = 0;
                          for (int piece = 0; piece < 4; ++piece)
                              bits |= (c.Edges[kAreaEdges + piece] != 0) << piece;
                          return "0123456789abcdef"[bits];
                      }),
              "c59/a0a/653");
    // The town-only members stay untouched outdoors.
    for (const MapCell& cell : Map.MapCells.Cells())
        EXPECT_TRUE(cell.FieldIndex == decltype(cell.FieldIndex){} && cell.TransportMark == 0 &&
                    cell.ItemIndexes.empty() && cell.CreatureTiles.empty());
    // Terrain is written to grid and record inside the edit bounds only.
    const OutdoorGrid before = Scen.OutdoorSections;
    for (const auto& [x, y] : CellSet{{0, 5}, {49, 5}, {5, 0}, {5, 49}, {50, 5}, {-1, 5}})
        EXPECT_FALSE(SetCellTerrain(200, x, y, host));
    EXPECT_EQ(Scen.OutdoorSections, before);
    EXPECT_TRUE(SetCellTerrain(200, 1, 48, host));
    EXPECT_TRUE(Scen.OutdoorSections.At(1, 0).Terrain.At(0, 47) == 200 && TerrainAt(1, 48) == 200);
    BuildTown(TownScenario(2));
    EXPECT_TRUE(SetCellTerrain(201, 31, 0, host));
    EXPECT_FALSE(SetCellTerrain(201, 32, 0, host));
    EXPECT_TRUE(Scen.Towns[0].Terrain.At(31, 0) == 201 && TerrainAt(31, 0) == 201);
    EXPECT_EQ(host.redrawn, (CellSet{{1, 48}, {31, 0}}));
}
} // namespace

#include "map/MapCells.h"

#include "MapFixture.h"

#include "scenario/ScenarioClearing.h"

#include <algorithm>
#include <array>
#include <set>
#include <tuple>

namespace {
using Cell = std::pair<int, int>;

class MapCellsTest : public MapFixture {
  protected:
    // The cells whose member satisfies the test, in (x, y) order.
    template <class Test> static std::set<Cell> CellsWhere(Test test) {
        std::set<Cell> found;
        for (int y = 0; y < Map.MapCells.Side(); ++y)
            for (int x = 0; x < Map.MapCells.Side(); ++x)
                if (test(Map.MapCells.At(x, y))) found.insert({x, y});
        return found;
    }
    static std::set<Cell> EdgeCells(int piece) {
        return CellsWhere([piece](const MapCell& c) { return c.Edges[piece] != 0; });
    }
};

TEST_F(MapCellsTest, EachEditModeSetsItsViewAndAFreshGrid) {
    const struct {
        std::int16_t mode;
        MapViewSettings view;
    } rows[] = {{0, {63, {32, 32}, {0, 63}, {4, 4, 59, 59}}},
                {1, {47, {24, 24}, {0, 47}, {4, 4, 43, 43}}},
                {2, {31, {16, 16}, {0, 31}, {4, 4, 27, 27}}},
                {3, {49, {25, 25}, {1, 48}, {4, 4, 45, 45}}}};
    for (const auto& row : rows) {
        Scen = row.mode == kEditOutdoors ? World(1, 1) : TownScenario(row.mode);
        Map.EditMode = row.mode;
        Map.MapCenter = {7, 7};
        BuildMapCells();
        EXPECT_EQ((MapViewSettings{Map.MapMax, Map.MapCenter, Map.EditBounds, Map.MapCenterLimits}),
                  row.view)
            << row.mode;
        EXPECT_EQ(Map.MapCells.Side(), row.view.MapMax + 1);
    }

    // No edit mode: the view values stay; a negative one leaves the grid all zero.
    Map.EditMode = -1;
    Map.MapCenter = {7, 7};
    BuildMapCells();
    EXPECT_EQ(Map.MapCenter, (Location{7, 7}));
    EXPECT_EQ(Map.MapCells, MapCellGrid(50));
}

TEST_F(MapCellsTest, TownMarksLandOnTheirCellsAndRecordsOffTheGridMarkNothing) {
    Scenario s = TownScenario(1); // 48 x 48
    Town& t = s.Towns[0];
    t.Terrain.At(47, 0) = 77;
    s.StartTown = 0;
    s.StartTownLoc = {5, 6};
    t.WanderingLocs = {Location{1, 1}, Location{100, 3}, Location{48, 2}, Location{0, 47}};
    t.EntryPoints = {Location{10, 0}, Location{0, 10}, Location{10, 0}, Location{60, 60}};
    t.SpecialSpots = {{4, 3, 4}, {5, 100, 0}, {6, 3, 4}, {7, 47, 47}, {8, 48, 1}};
    t.SignLocs[0] = {2, 9};
    t.SignLocs[15] = {47, 9};
    t.SignLocs[3] = {99, 9};
    BuildTown(s);

    EXPECT_EQ(Map.MapCells.At(47, 0).Terrain, 77);
    EXPECT_EQ(CellsWhere([](const MapCell& c) { return c.StartMark != 0; }),
              (std::set<Cell>{{5, 6}}));
    EXPECT_EQ(CellsWhere([](const MapCell& c) { return c.WanderMark != 0; }),
              (std::set<Cell>{{1, 1}, {0, 47}}));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(CellsWhere([i](const MapCell& c) { return c.EntryMark[i] != 0; }),
                  (i == 3 ? std::set<Cell>{} : std::set<Cell>{i == 1 ? Cell{0, 10} : Cell{10, 0}}))
            << i;
    // The later spot on a cell wins; free and off-grid spots mark nothing.
    EXPECT_EQ(Map.MapCells.At(3, 4).SpotIndex, 2);
    EXPECT_EQ(Map.MapCells.At(47, 47).SpotIndex, 3);
    EXPECT_EQ(CellsWhere([](const MapCell& c) { return c.SpotIndex >= 0; }).size(), 2u);
    EXPECT_EQ(Map.MapCells.At(2, 9).SignIndex, 0);
    EXPECT_EQ(Map.MapCells.At(47, 9).SignIndex, 15);
    EXPECT_EQ(CellsWhere([](const MapCell& c) { return c.SignIndex >= 0; }).size(), 2u);

    // A start elsewhere is not marked here.
    s.StartTown = 1;
    BuildTown(s);
    EXPECT_TRUE(CellsWhere([](const MapCell& c) { return c.StartMark != 0; }).empty());
}

TEST_F(MapCellsTest, RectangleBordersRunThroughTheCellCentresInTheirThreeGroups) {
    Scenario s = TownScenario(2);
    Town& t = s.Towns[0];
    t.AreaRects[0] = {2, 2, 5, 4};
    t.AreaRects[1] = {20, 20, 20, 20}; // one cell: every half trimmed away
    t.AreaRects[2] = {9, 7, 7, 9};     // left beyond right: vertical halves only
    t.Boundary = {0, 0, 1, 1};
    s.SavedItemAreas[1] = {0, 29, 30, 31, 31};
    s.SavedItemAreas[2] = {1, 10, 10, 12, 12}; // another town's
    BuildTown(s);

    EXPECT_EQ(EdgeCells(kAreaEdges + kEdgeLeft),
              (std::set<Cell>{{3, 2}, {4, 2}, {5, 2}, {3, 4}, {4, 4}, {5, 4}}));
    EXPECT_EQ(EdgeCells(kAreaEdges + kEdgeRight),
              (std::set<Cell>{{2, 2}, {3, 2}, {4, 2}, {2, 4}, {3, 4}, {4, 4}}));
    EXPECT_EQ(EdgeCells(kAreaEdges + kEdgeUp),
              (std::set<Cell>{{2, 3}, {2, 4}, {5, 3}, {5, 4}, {9, 8}, {9, 9}, {7, 8}, {7, 9}}));
    EXPECT_EQ(EdgeCells(kAreaEdges + kEdgeDown),
              (std::set<Cell>{{2, 2}, {2, 3}, {5, 2}, {5, 3}, {9, 7}, {9, 8}, {7, 7}, {7, 8}}));
    EXPECT_EQ(Map.MapCells.At(20, 20).Edges, (std::array<std::int16_t, 12>{}));

    const std::set<Cell> boundary{{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    for (int piece = kBoundaryEdges; piece < kBoundaryEdges + 4; ++piece) {
        const std::set<Cell> marked = EdgeCells(piece);
        EXPECT_EQ(marked.size(), 2u) << piece;
        EXPECT_TRUE(std::includes(boundary.begin(), boundary.end(), marked.begin(), marked.end()));
    }
    // The saved-item area of this town runs along the grid's edge; the other town's is absent.
    EXPECT_EQ(EdgeCells(kSavedItemEdges + kEdgeRight),
              (std::set<Cell>{{29, 30}, {30, 30}, {29, 31}, {30, 31}}));
    EXPECT_EQ(EdgeCells(kSavedItemEdges + kEdgeDown), (std::set<Cell>{{29, 30}, {31, 30}}));

    // Moving the boundary clears the old one wherever it lay.
    MarkTownBoundaryEdges({10, 10, 11, 12});
    for (const Cell& c : boundary)
        for (int piece = kBoundaryEdges; piece < kBoundaryEdges + 4; ++piece)
            EXPECT_EQ(Map.MapCells.At(c.first, c.second).Edges[piece], 0);
    EXPECT_EQ(EdgeCells(kBoundaryEdges + kEdgeDown),
              (std::set<Cell>{{10, 10}, {10, 11}, {11, 10}, {11, 11}}));
}

TEST_F(MapCellsTest, FieldsItemsAndTransportOfTheTown) {
    Scenario s = TownScenario(0);
    Town& t = s.Towns[0];
    t.Fields = {{0, 5, 5},  {13, 5, 5},  {0, 5, 5},  {14, 6, 6},
                {-1, 6, 6}, {3, 100, 0}, {4, 64, 0}, {4, 63, 63}};
    t.PresetItems = {{7, 8, 8}, {7, 100, 0}, {9, 8, 8}, {11, 8, 8}, {3, 0, 64}, {2, 63, 0}};
    s.Boats[0] = {0, 2, 2, 0};
    s.Horses[5] = {0, 2, 2, 0};
    s.Boats[3] = {0, 3, 3, 0};
    s.Horses[1] = {1, 4, 4, 0};
    s.Boats[2] = {0, 70, 3, 0};
    BuildTown(s);

    std::array<std::int16_t, kFieldKinds> onCell{};
    onCell.fill(-1);
    onCell[0] = 2;
    onCell[13] = 1;
    EXPECT_EQ(Map.MapCells.At(5, 5).FieldIndex, onCell);
    onCell.fill(-1);
    EXPECT_EQ(Map.MapCells.At(6, 6).FieldIndex, onCell); // kinds beyond 0..13 are skipped
    onCell[4] = 7;
    EXPECT_EQ(Map.MapCells.At(63, 63).FieldIndex, onCell);

    EXPECT_EQ(Map.MapCells.At(8, 8).ItemIndexes, (std::vector<std::int16_t>{0, 2, 3}));
    EXPECT_EQ(Map.MapCells.At(8, 8).ItemTop(), 2);
    EXPECT_EQ(Map.MapCells.At(63, 0).ItemTop(), 0);
    EXPECT_EQ(CellsWhere([](const MapCell& c) { return c.ItemTop() >= 0; }).size(), 2u);

    EXPECT_EQ(Map.MapCells.At(2, 2).TransportMark, 1); // the horse replaces the boat
    EXPECT_EQ(Map.MapCells.At(3, 3).TransportMark, 0);
    EXPECT_EQ(CellsWhere([](const MapCell& c) { return c.TransportMark != -1; }).size(), 2u);
}

TEST_F(MapCellsTest, CreaturePicturesCoverTheirCellsAndStopAtTheGridsEdge) {
    Scenario s = TownScenario(2); // 32 x 32
    const std::pair<int, int> monsters[] = {{1, 0},    {2, 75},   {3, 51},  {4, 120},
                                            {5, 4012}, {6, 2005}, {7, 300}, {8, 3001}};
    for (const auto& [type, picture] : monsters)
        s.MonsterTypes[static_cast<std::size_t>(type)].Picture = static_cast<std::int16_t>(picture);
    auto& c = s.Towns[0].Creatures;
    c.resize(12);
    const struct {
        int monster, x, y;
    } placed[] = {{4, 10, 10}, {1, 10, 10}, {2, 31, 5}, {3, 5, 31},  {4, 31, 31}, {5, 20, 20},
                  {6, 25, 25}, {7, 15, 15}, {8, 31, 0}, {1, 100, 0}, {1, 40, 3},  {2, 0, 0}};
    for (std::size_t i = 0; i < c.size(); ++i) {
        c[i].Monster = static_cast<std::uint8_t>(placed[i].monster);
        c[i].X = static_cast<std::uint8_t>(placed[i].x);
        c[i].Y = static_cast<std::uint8_t>(placed[i].y);
    }
    BuildTown(s);

    const auto tiles = [](int x, int y) { return Map.MapCells.At(x, y).CreatureTiles; };
    using Tiles = std::vector<CreatureTile>;
    EXPECT_EQ(tiles(10, 10), (Tiles{{0, 0}, {1, 0}}));
    EXPECT_EQ(Map.MapCells.At(10, 10).CreatureTop(), 1);
    EXPECT_EQ(tiles(11, 10), (Tiles{{0, 1}}));
    EXPECT_EQ(tiles(10, 11), (Tiles{{0, 2}}));
    EXPECT_EQ(tiles(11, 11), (Tiles{{0, 3}}));
    EXPECT_EQ(tiles(31, 5), (Tiles{{2, 0}})); // two wide in the last column
    EXPECT_EQ(tiles(5, 31), (Tiles{{3, 0}})); // two high in the last row
    EXPECT_EQ(tiles(31, 31), (Tiles{{4, 0}}));
    EXPECT_EQ(tiles(21, 21), (Tiles{{5, 3}})); // custom 2 x 2
    EXPECT_EQ(tiles(26, 25), (Tiles{{6, 1}})); // custom two wide
    EXPECT_EQ(tiles(15, 15), (Tiles{{7, 0}})); // no picture: its cell still holds it
    EXPECT_EQ(tiles(31, 1), (Tiles{{8, 1}}));  // custom two high
    EXPECT_EQ(tiles(0, 0), (Tiles{{11, 0}}));
    EXPECT_EQ(tiles(1, 0), (Tiles{{11, 1}}));
    std::size_t total = 0;
    for (const MapCell& cell : Map.MapCells.Cells())
        total += cell.CreatureTiles.size();
    EXPECT_EQ(total, 19u);

    // After a creature leaves, placing again leaves no trace of it.
    Scen.Towns[0].Creatures[0].X = 100;
    PlaceTownCreaturesInCells();
    EXPECT_EQ(tiles(10, 10), (Tiles{{1, 0}}));
    EXPECT_TRUE(tiles(11, 11).empty());
}

TEST_F(MapCellsTest, OutdoorBorderRingShowsTheNeighboursOr90BeyondTheWorld) {
    const Scenario world = World(3, 4);
    for (const Cell& section : std::vector<Cell>{{1, 1}, {0, 0}, {2, 0}, {0, 3}, {2, 3}}) {
        const int sx = section.first;
        const int sy = section.second;
        BuildSection(world, sx, sy);
        const auto ring = [&](int i, int side) -> int {
            switch (side) {
            case 0:
                return sx > 0 ? SectionTerrain(sx - 1, sy, 47, i - 1) : 90;
            case 1:
                return sx < 2 ? SectionTerrain(sx + 1, sy, 0, i - 1) : 90;
            case 2:
                return sy > 0 ? SectionTerrain(sx, sy - 1, i - 1, 47) : 90;
            default:
                return sy < 3 ? SectionTerrain(sx, sy + 1, i - 1, 0) : 90;
            }
        };
        for (int i = 1; i <= 48; ++i) {
            EXPECT_EQ(Map.MapCells.At(0, i).Terrain, ring(i, 0)) << sx << sy << i;
            EXPECT_EQ(Map.MapCells.At(49, i).Terrain, ring(i, 1)) << sx << sy << i;
            EXPECT_EQ(Map.MapCells.At(i, 0).Terrain, ring(i, 2)) << sx << sy << i;
            EXPECT_EQ(Map.MapCells.At(i, 49).Terrain, ring(i, 3)) << sx << sy << i;
            EXPECT_EQ(Map.MapCells.At(i, 48).Terrain, SectionTerrain(sx, sy, i - 1, 47));
        }
        for (const Cell& corner : std::vector<Cell>{{0, 0}, {0, 49}, {49, 0}, {49, 49}})
            EXPECT_EQ(Map.MapCells.At(corner.first, corner.second).Terrain, 90);
    }
    // The border cell (0, 5) of section (2, 3) is cell (47, 4) of section (1, 3).
    BuildSection(world, 2, 3);
    EXPECT_EQ(Map.MapCells.At(0, 5).Terrain, SectionTerrain(1, 3, 47, 4));

    BuildSection(World(1, 1), 0, 0);
    for (int i = 0; i <= 49; ++i)
        for (const Cell& c : std::vector<Cell>{{0, i}, {49, i}, {i, 0}, {i, 49}})
            EXPECT_EQ(Map.MapCells.At(c.first, c.second).Terrain, 90);
}

TEST_F(MapCellsTest, OutdoorMarksAreShiftedIntoTheBorderedGrid) {
    Scenario s = World(2, 2);
    OutdoorSection& section = s.OutdoorSections.At(1, 0);
    s.StartOutdoorSection = {1, 0};
    s.StartOutdoorLoc = {0, 0};
    section.WanderingLocs = {Location{47, 47}, Location{100, 0}, Location{48, 0}, Location{60, 1}};
    section.SpecialSpots[2] = {3, 10, 11};
    section.SignLocs[7] = {4, 5};
    section.TownEntrances[6] = {2, 20, 21};
    s.TownCount = 3; // an entrance to a town beyond the list is not marked
    section.AreaRects[0] = {0, 0, 2, 2};
    BuildSection(s, 1, 0);

    EXPECT_EQ(CellsWhere([](const MapCell& c) { return c.StartMark != 0; }),
              (std::set<Cell>{{1, 1}}));
    EXPECT_EQ(CellsWhere([](const MapCell& c) { return c.WanderMark != 0; }),
              (std::set<Cell>{{48, 48}, {49, 1}}));
    EXPECT_EQ(Map.MapCells.At(11, 12).SpotIndex, 2);
    EXPECT_EQ(Map.MapCells.At(5, 6).SignIndex, 7);
    EXPECT_EQ(Map.MapCells.At(21, 22).EntranceIndex, 6);
    EXPECT_EQ(CellsWhere([](const MapCell& c) { return c.EntranceIndex >= 0; }).size(), 1u);
    EXPECT_EQ(EdgeCells(kAreaEdges + kEdgeRight), (std::set<Cell>{{1, 1}, {2, 1}, {1, 3}, {2, 3}}));
    // The town-only members stay untouched outdoors.
    for (const MapCell& cell : Map.MapCells.Cells()) {
        EXPECT_EQ(cell.FieldIndex, (std::array<std::int16_t, kFieldKinds>{}));
        EXPECT_EQ(cell.TransportMark, 0);
        EXPECT_TRUE(cell.ItemIndexes.empty() && cell.CreatureTiles.empty());
    }
}

TEST_F(MapCellsTest, SetCellTerrainWritesGridAndRecordInsideTheEditBoundsOnly) {
    RecordingHost host;
    BuildSection(World(2, 2), 1, 1);
    const OutdoorGrid before = Scen.OutdoorSections;
    for (const Cell& c : std::vector<Cell>{{0, 5}, {49, 5}, {5, 0}, {5, 49}, {50, 5}, {-1, 5}})
        EXPECT_FALSE(SetCellTerrain(200, c.first, c.second, host));
    EXPECT_EQ(Scen.OutdoorSections, before);
    EXPECT_TRUE(SetCellTerrain(200, 1, 48, host));
    EXPECT_EQ(Scen.OutdoorSections.At(1, 1).Terrain.At(0, 47), 200);
    EXPECT_EQ(Map.MapCells.At(1, 48).Terrain, 200);

    BuildTown(TownScenario(2));
    EXPECT_TRUE(SetCellTerrain(201, 31, 0, host));
    EXPECT_FALSE(SetCellTerrain(201, 32, 0, host));
    EXPECT_EQ(Scen.Towns[0].Terrain.At(31, 0), 201);
    EXPECT_EQ(Map.MapCells.At(31, 0).Terrain, 201);
    EXPECT_EQ(host.cells, (std::vector<Cell>{{1, 48}, {31, 0}}));
}
} // namespace

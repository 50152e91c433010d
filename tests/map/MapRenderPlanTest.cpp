#include "map/MapRenderPlan.h"

#include "MapFixture.h"
#include "map/TerrainPalette.h"

namespace {
using D = MapDraw;
using MapRenderPlanTest = MapFixture;

MapDrawPlan PlanOf(int px, int py, int x, int y) {
    MapDrawPlan plan;
    PlanMapCell(plan, px, py, x, y);
    return plan;
}

TEST_F(MapRenderPlanTest, ADetailCellDrawsItsLayersInOrder) {
    // Cell (10, 10) of a small town carries one of everything a cell can show.
    Scenario s = TownScenario(2);
    Town& t = s.Towns[0];
    auto& types = s.TerrainTypes;
    types[80].Picture = 80;
    types[80].SpecialProperty = 10;
    types[80].Extra2 = 7;
    types[100].Picture = 61;  // special: the strip toward it is drawn
    types[101].Picture = 401; // special too
    types[102].Picture = 5;
    t.Terrain.At(10, 10) = 80;
    t.Terrain.At(9, 10) = 100;
    t.Terrain.At(10, 11) = 101;
    t.Terrain.At(11, 10) = 102;
    s.StartTown = 0;
    s.StartTownLoc = t.WanderingLocs[2] = t.EntryPoints[1] = t.EntryPoints[3] = {10, 10};
    t.SpecialSpots[0] = {0, 10, 10};
    t.Fields[0] = {13, 10, 10};
    t.Fields[1] = {2, 10, 10};
    // Item type 600 does not exist: drawn as nothing.
    t.PresetItems = {{3, 10, 10}, {600, 10, 10}, {5, 10, 10}};
    s.ItemTypes[3].Picture = 44;
    s.ItemTypes[5].Picture = 150;
    s.MonsterTypes[4].Picture = 120; // two by two
    s.MonsterTypes[6].Picture = 7;
    t.Creatures = {{4, 9, 9}, {6, 10, 10}};
    s.Boats[0] = s.Horses[0] = {0, 10, 10, 0};
    t.AreaRects[0] = {10, 10, 12, 12};
    t.Boundary = {8, 8, 10, 10};
    s.SavedItemAreas[0] = {0, 10, 9, 11, 10};
    BuildTown(s);
    const MapDrawPlan expected = {
        {D::Terrain, 80, 0, 28, 36},  {D::Icon, 27, 0, 49, 65},      {D::Connector, 0, 0, 28, 36},
        {D::Connector, 3, 0, 28, 36}, {D::Icon, 6, 0, 28, 65},       {D::Icon, 4, 0, 49, 50},
        {D::Icon, 1, 0, 35, 36},      {D::Icon, 3, 0, 49, 36},       {D::Icon, 5, 0, 49, 57},
        {D::Field, 2, 0, 28, 36},     {D::Field, 13, 0, 28, 36},     {D::Item, 44, 0, 28, 36},
        {D::Item, 150, 0, 28, 36},    {D::Creature, 120, 3, 28, 36}, {D::Creature, 7, 0, 28, 36},
        {D::Horse, 0, 0, 28, 36},     {D::Edge, 2, 0, 28, 36},       {D::Edge, 3, 0, 28, 36},
        {D::Edge, 4, 0, 28, 36},      {D::Edge, 5, 0, 28, 36},       {D::Edge, 9, 0, 28, 36},
        {D::Edge, 10, 0, 28, 36}};
    EXPECT_EQ(PlanOf(28, 36, 10, 10), expected);
    // Items stop at the first entry that names none, or at a stale index; a stale creature
    // draws nothing.
    CurrentTown().PresetItems[1].Item = -1;
    Map.MapCells.At(3, 3).ItemIndexes = {0, 1, 2};
    Map.MapCells.At(4, 3).ItemIndexes = {2, 40, 2};
    Map.MapCells.At(5, 3).CreatureTiles = {{30, 0}};
    const std::int16_t bare = s.TerrainTypes[0].Picture;
    EXPECT_EQ(PlanOf(0, 0, 3, 3),
              (MapDrawPlan{{D::Terrain, bare, 0, 0, 0}, {D::Item, 44, 0, 0, 0}}));
    EXPECT_EQ(PlanOf(0, 0, 4, 3),
              (MapDrawPlan{{D::Terrain, bare, 0, 0, 0}, {D::Item, 150, 0, 0, 0}}));
    EXPECT_EQ(PlanOf(0, 0, 5, 3), (MapDrawPlan{{D::Terrain, bare, 0, 0, 0}}));
    // The same grid seen as an outdoor section: marks and lines, none of the town's objects.
    Map.EditMode = kEditOutdoors;
    MapDrawPlan outdoors = expected;
    std::erase_if(outdoors,
                  [](const MapDrawStep& s) { return s.what >= D::Field && s.what <= D::Horse; });
    EXPECT_EQ(PlanOf(28, 36, 10, 10), outdoors);
    // The whole view shows the tiny terrain alone.
    Map.ZoomView = false;
    EXPECT_EQ(PlanOf(6, 12, 10, 10), (MapDrawPlan{{D::TinyTerrain, 80, 0, 6, 12}}));
    EXPECT_TRUE(PlanOf(0, 0, 32, 0).empty());
}

TEST_F(MapRenderPlanTest, TheDetailViewShowsNineByNineCellsAroundTheCentre) {
    BuildTown(TownScenario(2));
    // The centre, the cells drawn and the pixel of the first of them.
    const std::tuple<Location, std::size_t, int, int> rows[] = {
        {{4, 4}, 81, 0, 0}, {{0, 0}, 25, 112, 144}, {{31, 31}, 25, 0, 0}, {{16, 1}, 54, 0, 108}};
    for (const auto& [centre, cells, px, py] : rows) {
        Map.MapCenter = centre;
        MapDrawPlan plan;
        PlanMapView(plan);
        std::erase_if(plan, [](const MapDrawStep& s) { return s.what != D::Terrain; });
        ASSERT_EQ(plan.size(), cells) << int{centre.X};
        EXPECT_EQ((std::pair<int, int>(plan.front().x, plan.front().y)), std::pair(px, py));
        EXPECT_TRUE(std::ranges::all_of(plan, [](const MapDrawStep& s) { return s.x <= 8 * 28; }));
    }
}

TEST_F(MapRenderPlanTest, TerrainIconsOnTheMapAndInThePalette) {
    // The special property, Extra2, the icon on the map and in the palette.
    const std::tuple<std::uint8_t, std::int16_t, std::int16_t, std::int16_t> rows[] = {
        {10, 7, 27, 27}, {9, 2, 26, 26},  {9, 12, 25, 25}, {8, 7, 26, 27},
        {25, 0, -1, 23}, {26, 9, -1, 24}, {11, 0, 17, 17}, {21, 0, 18, 18},
        {0, 0, -1, -1},  {30, 0, -1, -1}, {255, 0, -1, -1}};
    for (const auto& [property, extra2, onMap, inPalette] : rows) {
        TerrainType t;
        t.SpecialProperty = property;
        t.Extra2 = extra2;
        EXPECT_EQ(std::make_pair(MapIconOf(t), PaletteIconOf(t)), std::make_pair(onMap, inPalette))
            << int{property};
    }
}
} // namespace

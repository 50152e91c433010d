#include "map/MapFixture.h"
#include "map/objects/AreaObjects.h"

namespace {
using PlacementToolsTest = MapFixture;

TEST_F(PlacementToolsTest, EntryPointsMoveTheirOwnMarkOnly) {
    BlankTown();
    CurrentTown().EntryPoints[0] = CurrentTown().EntryPoints[3] = {3, 4};
    BuildMapCells();
    Click({{21, 10, 12}}); // west
    EXPECT_EQ(Marks(), "3,4:E0 10,12:E3");
    EXPECT_EQ(Tools.CurrentTool, 0);
    Click({{20, 30, 31}, {23, 33, 31}, {22, 32, 31}}); // north, east, south: points 0, 1, 2
    EXPECT_EQ(Marks(), "10,12:E3 30,31:E0 32,31:E2 33,31:E1");
    EXPECT_EQ(CurrentTown().EntryPoints,
              (std::array<Location, 4>{Location{30, 31}, {33, 31}, {32, 31}, {10, 12}}));
}

TEST_F(PlacementToolsTest, ArrivalPointsTakeFourClicksAndStoreSectionCells) {
    BlankSection();
    Section().WanderingLocs.fill({100, 0});
    BuildMapCells();
    Strings prompts;
    for (int k = 0; k < 4; ++k) {
        Click({{12, 5 + k, 7}});
        if (k < 3) prompts.push_back(host.prompt);
    }
    EXPECT_EQ(prompts, (Strings{"Second entry point", "Third entry point", "Fourth entry point"}));
    EXPECT_EQ(Section().WanderingLocs,
              (std::array<Location, 4>{Location{4, 6}, {5, 6}, {6, 6}, {7, 6}}));
    EXPECT_TRUE(Tools.CurrentTool == 0 && Tools.ClickStep == 0);
    Click({{12, 20, 20}}); // point 0 moves and its old cell loses the mark
    EXPECT_EQ(Marks(), "6,7:W 7,7:W 8,7:W 20,20:W");
}

TEST_F(PlacementToolsTest, CreaturesAreRefusedOnTheOuterRowsAndColumns) {
    BlankTown();
    MonsterPictures();
    AnswerCreature(1);
    for (const auto& [x, y] : CellSet{{0, 5}, {5, 0}, {63, 5}, {5, 63}})
        Click({{28, x, y}, {30, x, y}});
    EXPECT_EQ(Texts(), Strings(8, "Must not put creatures this close to the edge."));
    EXPECT_TRUE(host.opened.empty());
    Click({{28, 1, 1}});
    EXPECT_EQ(Marks(), "1,1:c0.0");
    EXPECT_EQ(host.views, 1);
}

TEST_F(PlacementToolsTest, EditToolsOpenEachObjectOfTheCellInTurn) {
    BlankTown();
    MonsterPictures();
    AnswerItem(1);
    Click({{24, 9, 9}, {24, 9, 9}, {24, 9, 9}});
    AnswerCreature(4);
    Click({{28, 10, 10}});
    AnswerCreature(1);
    Click({{28, 11, 11}, {28, 11, 11}});
    host.opened.clear();
    // The author removes the first creature; the others stay.
    host.answers["creature"] = [](int i) {
        if (i == 0) CurrentTown().Creatures[0].Monster = 0;
    };
    Click({{25, 9, 9}, {25, 2, 2}, {29, 11, 11}});
    EXPECT_EQ(host.opened,
              (Strings{"item 0", "item 1", "item 2", "creature 0", "creature 1", "creature 2"}));
    EXPECT_EQ(CurrentTown().Creatures[0].X, 100);
    EXPECT_EQ(Marks(), "9,9:i0i1i2 11,11:c1.0c2.0");
}

TEST_F(PlacementToolsTest, CopiedNodeIsPastedOnEveryEmptyCell) {
    BlankTown();
    Click({{15, 3, 3}, {16, 8, 8}}); // no spot to copy
    EXPECT_EQ(Marks(), "");
    CurrentTown().SpecialNodes[12].Type = 5;
    PasteSpecial(3, 3, 12);
    // Setting a save area between does not replace the copied node.
    Click({{15, 3, 3}, {16, 8, 8}, {48, 1, 1}, {48, 2, 2}, {16, 9, 8}});
    EXPECT_EQ(Marks(), "3,3:p0 8,8:p1 9,8:p2");
    EXPECT_TRUE(CurrentTown().SpecialSpots[1].Node == 12 &&
                CurrentTown().SpecialSpots[2].Node == 12);
}

TEST_F(PlacementToolsTest, SaveAreasRunOutWithTheFourLineMessage) {
    BlankTown();
    Click({{48, 2, 2}, {48, 6, 5}});
    EXPECT_EQ(Scen.SavedItemAreas[0], (SavedItemArea{0, 2, 2, 6, 5}));
    EXPECT_EQ(Cell(2, 3).Edges[kSavedItemEdges + kEdgeUp], -1);
    for (SavedItemArea& area : Scen.SavedItemAreas)
        area.Town = 1;
    Click({{48, 2, 2}});
    EXPECT_EQ(Texts(), Strings{"You can have only four saved items areas in the\r\n"
                               "sceario.  You'll need to reset the town on one of the\r\n"
                               "save areas to -1 from the Scenario menu before\r\n"
                               "you can place another."});
    EXPECT_EQ(Tools.ClickStep, 0);
}

TEST_F(PlacementToolsTest, ClearFieldsFreesEveryKindAndPlaceReusesTheFirstEntry) {
    BlankTown();
    Click({{32, 4, 4}, {33, 4, 4}, {45, 5, 5}, {46, 4, 4}}); // web, crate, rubble, clear
    EXPECT_EQ(CurrentTown().Fields[1], (TownField{0, 100, 0}));
    Click({{32, 7, 7}});
    EXPECT_EQ(CurrentTown().Fields[0], (TownField{0, 7, 7}));
    EXPECT_EQ(Marks(), "5,5:f13=2 7,7:f0=0");
}

TEST_F(PlacementToolsTest, StartLocationsInATownAndOutdoorsAreSeparate) {
    BlankTown();
    Scen.StartOutdoorLoc = {1, 2};
    Click({{49, 20, 30}});
    EXPECT_EQ(Scen.StartTown, 0);
    EXPECT_EQ(Scen.StartTownLoc, (Location{20, 30}));
    EXPECT_EQ(Scen.StartOutdoorLoc, (Location{1, 2}));
    EXPECT_EQ(Marks(), "20,30:S");
    BuildSection(World(3, 2), 2, 1);
    Click({{49, 10, 20}});
    EXPECT_EQ(Scen.StartOutdoorSection, (std::array<std::uint8_t, 2>{2, 1}));
    EXPECT_EQ(Scen.StartOutdoorLoc, (Location{9, 19}));
    EXPECT_EQ(Marks(), "1,1:W 10,20:S"); // with the cleared section's arrival points
}

TEST_F(PlacementToolsTest, SignAndTownToolsRefuseOtherTerrain) {
    BlankSection();
    Click({{10, 5, 5}, {19, 5, 5}});
    // Sign terrain without a sign record opens nothing either.
    BlankTown();
    Scen.TerrainTypes[0].SpecialProperty = 11;
    Click({{10, 5, 5}});
    EXPECT_EQ(Texts(), (Strings{"This space is not a sign.", "This space is not a town."}));
    EXPECT_TRUE(host.opened.empty());
}
} // namespace

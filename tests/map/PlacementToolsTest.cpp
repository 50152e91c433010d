#include "map/MapFixture.h"
#include "map/objects/AreaObjects.h"

namespace {
using PlacementToolsTest = MapFixture;

TEST_F(PlacementToolsTest, CreaturesAndEntryPointsInATown) {
    BlankTown();
    MonsterPictures();
    Answer("creature", 1);
    // Creatures are refused on the outer rows and columns.
    for (const auto& [x, y] : CellSet{{0, 5}, {5, 0}, {63, 5}, {5, 63}})
        Click({{28, x, y}, {30, x, y}});
    EXPECT_EQ(boxes.Texts(), Strings(8, "Must not put creatures this close to the edge."));
    seenBoxes = 8;
    Step({{28, 1, 1}}, "1,1:c0.0 [creature 0] tool 28.0");
    EXPECT_EQ(host.views, 1);
    // The edit tools open each object of the cell in turn; the author removes one creature.
    Answer("item", 1);
    Step({{24, 9, 9}, {24, 9, 9}}, "1,1:c0.0 9,9:i0i1 [item 0] [item 1] tool 24.0");
    Answer("creature", 4);
    Step({{28, 10, 10}}, "1,1:c0.0 9,9:i0i1 10,10:c1.0 11,10:c1.1 10,11:c1.2 11,11:c1.3 "
                         "[creature 1] tool 28.0");
    Answer("creature", 1);
    Click({{28, 11, 11}});
    host.answers["creature"] = [](int i) {
        if (i == 1) CurrentTown().Creatures[1].Monster = 0;
    };
    Step({{25, 9, 9}, {25, 2, 2}, {29, 11, 11}},
         "1,1:c0.0 9,9:i0i1 11,11:c2.0 [creature 2] [item 0] [item 1] [creature 1] [creature 2] "
         "tool 29.0");
    EXPECT_EQ(CurrentTown().Creatures[1].X, 100);
    BlankTown();
    CurrentTown().EntryPoints[0] = CurrentTown().EntryPoints[3] = {3, 4};
    BuildMapCells();
    Step({{21, 10, 12}}, "3,4:E0 10,12:E3");         // west: only its own mark moves
    Step({{20, 30, 31}, {23, 33, 31}, {22, 32, 31}}, // north, east, south
         "10,12:E3 30,31:E0 32,31:E2 33,31:E1");
}

TEST_F(PlacementToolsTest, SpotsSaveAreasFieldsAndTheStartInATown) {
    BlankTown();
    Step({{15, 3, 3}, {16, 8, 8}}, "tool 16.0"); // no spot to copy
    CurrentTown().SpecialNodes[12].Type = 5;
    PasteSpecial(3, 3, 12);
    // Setting a save area between does not replace the copied node.
    Step({{15, 3, 3}, {16, 8, 8}, {48, 1, 1}, {48, 2, 2}, {16, 9, 8}},
         "3,3:p0 8,8:p1 9,8:p2 tool 16.0 'Select lower right corner.'");
    EXPECT_TRUE(CurrentTown().SpecialSpots[1].Node == 12 &&
                CurrentTown().SpecialSpots[2].Node == 12);
    EXPECT_EQ(Scen.SavedItemAreas[0], (SavedItemArea{0, 1, 1, 2, 2}));
    EXPECT_EQ(Cell(1, 2).Edges[kSavedItemEdges + kEdgeUp], -1);
    for (SavedItemArea& area : Scen.SavedItemAreas)
        area.Town = 1;
    Step({{48, 2, 2}}, "3,3:p0 8,8:p1 9,8:p2 tool 48.0 !You can have only four saved items areas "
                       "in the\r\nsceario.  You'll need to reset the town on one of the\r\nsave "
                       "areas to -1 from the Scenario menu before\r\nyou can place another.");
    // Clear Fields frees every kind; placing reuses the first free entry.
    Step({{32, 4, 4}, {33, 4, 4}, {45, 5, 5}, {46, 4, 4}, {32, 7, 7}},
         "3,3:p0 5,5:f13=2 7,7:f0=0 8,8:p1 9,8:p2 tool 32.0");
    Scen.StartOutdoorLoc = {1, 2};
    Step({{49, 20, 30}}, "3,3:p0 5,5:f13=2 7,7:f0=0 8,8:p1 9,8:p2 20,30:S");
    EXPECT_EQ(Scen.StartOutdoorLoc, (Location{1, 2}));
}

TEST_F(PlacementToolsTest, ArrivalPointsTheStartAndRefusedToolsInASection) {
    BuildSection(World(3, 2), 2, 1);
    Section().WanderingLocs.fill({100, 0});
    BuildMapCells();
    Step({{12, 5, 7}, {12, 6, 7}}, "5,7:W 6,7:W tool 12.2 'Third entry point'");
    Step({{12, 7, 7}}, "5,7:W 6,7:W 7,7:W tool 12.3 'Fourth entry point'");
    Step({{12, 8, 7}}, "5,7:W 6,7:W 7,7:W 8,7:W");
    Step({{12, 20, 20}}, "6,7:W 7,7:W 8,7:W 20,20:W tool 12.1 'Second entry point'");
    Step({{49, 10, 20}, {10, 5, 5}, {19, 5, 5}},
         "6,7:W 7,7:W 8,7:W 10,20:S 20,20:W tool 19.0 "
         "!This space is not a sign. !This space is not a town.");
    // Sign terrain without a sign record opens nothing either.
    BlankTown();
    Scen.TerrainTypes[0].SpecialProperty = 11;
    Step({{10, 5, 5}}, "tool 10.0");
}
} // namespace

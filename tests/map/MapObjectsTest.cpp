#include "map/PlacementFixture.h"
#include "map/objects/AreaObjects.h"
#include "map/objects/TownObjects.h"

namespace {
class MapObjectsTest : public PlacementFixture {
  protected:
    // Two towns and one section whose every cell holds terrain 0.
    void TwoTownsOutdoors() {
        BlankSection();
        Scen.TownCount = 2;
        Scen.Towns.resize(2);
    }
};

// The resizable lists once stopped one growth short of their bound with a run-time error box.
TEST_F(MapObjectsTest, FullListsShowTheirLimitAndChangeNothing) {
    const std::string rects = "area rectangles.  You'll need to erase some \r\n";
    const std::string signs = "locations with signs.  You'll need to erase some \r\n";
    // A signed 16-bit upper bound: at most 32768 entries.
    constexpr std::size_t kMost = 32768;
    const std::string town = "Each town can have at most 32768\r\n";
    const std::string erase = "  You'll need to erase some \r\n";
    struct Case {
        bool outdoors;
        std::function<void(PlacementHost&)> fill, act;
        std::string message;
    } cases[] = {
        {false,
         [](PlacementHost&) {
             CurrentTown().AreaRects.fill({1, 1, 2, 2});
         },
         [](PlacementHost& h) {
             AreaRect r{3, 3, 4, 4};
             PlaceAreaRect(r, h);
         },
         "Each town can have at most 16\r\n" + rects + "areas before you can place more."},
        {true,
         [](PlacementHost&) {
             Section().AreaRects.fill({1, 1, 2, 2});
         },
         [](PlacementHost& h) {
             AreaRect r{3, 3, 4, 4};
             PlaceAreaRect(r, h);
         },
         "Each outdoor section can have at most 8\r\n" + rects + "area before you can place more."},
        {false,
         [](PlacementHost&) {
             CurrentTown().SignLocs.fill({5, 5});
         },
         [](PlacementHost& h) { PlaceSign(9, 9, h); },
         "Each town can have at most 16\r\n" + signs + "signs before you can place more."},
        // The section stores 16 positions but has texts for the first 8 only.
        {true,
         [](PlacementHost&) {
             std::fill_n(Section().SignLocs.begin(), 8, Location{5, 5});
         },
         [](PlacementHost& h) { PlaceSign(9, 9, h); },
         "Each outdoor section can have at most 8\r\n" + signs +
             "signs before you can place more."},
        {true,
         [](PlacementHost&) {
             Section().TownEntrances.fill({0, 5, 5});
         },
         [](PlacementHost& h) { PlaceTownEntrance(9, 9, h); },
         "Each outdoor section can have at most 8\r\nlocations with town entrances.  You'll need "
         "to erase some \r\ntowns before you can place more."},
        {false,
         [](PlacementHost&) {
             CurrentTown().Fields.assign(kMost, TownField{0, 5, 5});
         },
         [](PlacementHost&) { PlaceField(9, 9, 1); },
         town + "fields and objects." + erase + "of them before you can place more."},
        {false,
         [](PlacementHost&) {
             CurrentTown().PresetItems.assign(kMost, PresetItem{3, 5, 5});
         },
         [](PlacementHost& h) { PlaceItem(9, 9, h); },
         town + "preset items." + erase + "items before you can place more."},
        {false,
         [](PlacementHost&) {
             CurrentTown().Creatures.assign(kMost, TownCreature{1, 5, 5});
         },
         [](PlacementHost& h) { PlaceMonster(9, 9, h); },
         town + "creatures." + erase + "creatures before you can place more."},
        {true,
         [](PlacementHost&) {
             Section().SpecialSpots.assign(kMost, SpecialSpot{3, 5, 5});
         },
         [](PlacementHost&) { PasteSpecial(9, 9, 3); },
         "Each outdoor section can have at most 32768\r\nspecial spots." + erase +
             "special spots before you can place more."},
    };
    for (const Case& c : cases) {
        c.outdoors ? BlankSection() : BlankTown();
        c.fill(dialogs);
        BuildMapCells();
        const Scenario before = Scen;
        const MapCellGrid grid = Map.MapCells;
        MsgBoxRecorder recorder;
        c.act(dialogs);
        EXPECT_EQ(Texts(recorder), std::vector<std::string>{c.message});
        EXPECT_TRUE(Scen == before && Map.MapCells == grid) << c.message;
        EXPECT_TRUE(dialogs.opened.empty());
    }
}

TEST_F(MapObjectsTest, AreaRectanglesStoreSectionCellsAndACancelledDescriptionLeavesTheSlotFree) {
    BlankSection();
    AreaRect r{1, 1, 48, 48};
    PlaceAreaRect(r, dialogs);
    EXPECT_EQ(Section().AreaRects[0], (AreaRect{0, 0, 47, 47}));
    EXPECT_EQ(Cell(1, 20).Edges[kAreaEdges + kEdgeUp], -1);
    dialogs.answers["area"] = [](int slot) { Section().AreaRects[slot] = {}; };
    AreaRect cancelled{5, 5, 9, 9};
    PlaceAreaRect(cancelled, dialogs);
    EXPECT_EQ(cancelled, AreaRect{});
    EXPECT_EQ(Cell(5, 7).Edges[kAreaEdges + kEdgeUp], 0);
    Section().AreaRects[0] = {};
    dialogs.answers.erase("area");
    AreaRect again{2, 2, 3, 3};
    PlaceAreaRect(again, dialogs);
    EXPECT_EQ(Section().AreaRects[0], (AreaRect{1, 1, 2, 2})); // the lowest free slot
    EXPECT_EQ(dialogs.opened,
              (std::vector<std::pair<std::string, int>>{{"area", 0}, {"area", 1}, {"area", 0}}));

    BlankTown();
    AreaRect town{1, 1, 48, 48};
    PlaceAreaRect(town, dialogs);
    EXPECT_EQ(CurrentTown().AreaRects[0], (AreaRect{1, 1, 48, 48}));
}

TEST_F(MapObjectsTest, PresetItemsGrowByEightAndACancelledEditorFreesTheSlot) {
    BlankTown();
    DupItem(3, 3); // nothing placed yet
    PlaceItem(3, 3, dialogs);
    EXPECT_EQ(CurrentTown().PresetItems[0].X, 100);
    EXPECT_TRUE(Cell(3, 3).ItemIndexes.empty());
    EXPECT_EQ(Objects.LastItemNum, -1);
    AnswerItem(7);
    for (int i = 0; i < 9; ++i)
        PlaceItem(3, 3, dialogs);
    const auto& items = CurrentTown().PresetItems;
    ASSERT_EQ(items.size(), 16u);
    EXPECT_EQ(items[0].X, 3);
    for (std::size_t i = 9; i < 16; ++i)
        EXPECT_TRUE(items[i].Item == -1 && items[i].Charges == -1 && items[i].X == 100);
    EXPECT_EQ(Cell(3, 3).ItemIndexes.size(), 9u);
    EXPECT_EQ(Objects.LastItemNum, 8);
    DupItem(4, 4);
    EXPECT_EQ(items[9].Item, 7);
    EXPECT_EQ(Cell(4, 4).ItemIndexes, std::vector<std::int16_t>{9});
}

TEST_F(MapObjectsTest, AListGrowsUpToItsSignedSixteenBitBound) {
    BlankTown();
    CurrentTown().Fields.assign(32760, TownField{0, 5, 5});
    BuildMapCells();
    PlaceField(9, 9, 1);
    const auto& fields = CurrentTown().Fields;
    ASSERT_EQ(fields.size(), 32768u);
    EXPECT_EQ(fields[32760], (TownField{1, 9, 9}));
    EXPECT_EQ(fields[32767], (TownField{-1, 100, 0}));
}

TEST_F(MapObjectsTest, FieldsOneOfEachKindOnACell) {
    BlankTown();
    PlaceField(5, 6, 0);
    PlaceField(5, 6, 0);
    PlaceField(5, 6, 13);
    EXPECT_EQ(Cell(5, 6).FieldIndex[0], 0);
    EXPECT_EQ(Cell(5, 6).FieldIndex[13], 1);
    EXPECT_EQ(CurrentTown().Fields[1], (TownField{13, 5, 6}));
    EXPECT_EQ(CurrentTown().Fields[2].X, 100);
}

TEST_F(MapObjectsTest, CreaturesCoverTheirCellsAndAnyCoveredCellErasesThem) {
    BlankTown();
    MonsterPictures();
    AnswerCreature(4);
    PlaceMonster(10, 10, dialogs); // two by two: 10..11 x 10..11
    AnswerCreature(1);
    PlaceMonster(11, 11, dialogs); // shares the lower right cell
    EXPECT_EQ(Cell(11, 11).CreatureTiles.size(), 2u);
    DupMonster(62, 62); // the copy is a one-tile creature
    EXPECT_EQ(CurrentTown().Creatures[2].Monster, 1);
    EXPECT_EQ(Objects.LastMonstNum, 2);
    EraseMonsters(11, 11);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(CurrentTown().Creatures[i].X, 100);
        EXPECT_EQ(CurrentTown().Creatures[i].PersonalityNum, -1);
    }
    EXPECT_TRUE(Cell(10, 10).CreatureTiles.empty());
    EXPECT_EQ(Cell(62, 62).CreatureTiles.size(), 1u);
    AnswerCreature(0); // cancelled
    PlaceMonster(20, 20, dialogs);
    EXPECT_EQ(CurrentTown().Creatures[0].X, 100);
    EXPECT_EQ(Objects.LastMonstNum, 2);
}

TEST_F(MapObjectsTest, SpecialSpotsArePastedReusedAndFollowTheNodeEditor) {
    BlankTown();
    auto& nodes = CurrentTown().SpecialNodes;
    for (SpecialNode& n : nodes)
        n = SpecialNode{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1};
    nodes[12].Type = 5;
    PasteSpecial(3, 3, -1);
    PasteSpecial(3, 3, 12);
    PasteSpecial(3, 3, 40); // the cell has a spot already
    PasteSpecial(4, 4, 12);
    EXPECT_EQ(CurrentTown().SpecialSpots[1], (SpecialSpot{12, 4, 4}));
    EraseSpecial(3, 3);
    EXPECT_EQ(CurrentTown().SpecialSpots[0], (SpecialSpot{-1, 100, 0}));
    dialogs.specialNodeResult = 12;
    PlaceOrEditSpecial(7, 8, dialogs); // takes the freed spot
    EXPECT_EQ(Cell(7, 8).SpotIndex, 0);
    dialogs.specialNodeResult = 30; // an unused node makes no spot
    PlaceOrEditSpecial(9, 9, dialogs);
    EXPECT_EQ(Cell(9, 9).SpotIndex, -1);
    nodes[12].Type = 0; // the author cleared the node in the editor
    PlaceOrEditSpecial(4, 4, dialogs);
    EXPECT_EQ(Cell(4, 4).SpotIndex, -1);
    EXPECT_EQ(dialogs.opened.back(), (std::pair<std::string, int>{"node", 12}));

    BlankSection();
    PasteSpecial(1, 48, 2);
    EXPECT_EQ(Section().SpecialSpots[0], (SpecialSpot{2, 0, 47}));
}

TEST_F(MapObjectsTest, TownEntrancesRecordTheirPlaceInTheTownAssignedLast) {
    TwoTownsOutdoors();
    const auto choose = [this](int town) {
        dialogs.answers["entrance"] = [town](int slot) {
            Section().TownEntrances[slot].Town = town;
        };
    };
    choose(0);
    PlaceTownEntrance(5, 6, dialogs);
    EXPECT_EQ(Section().TownEntrances[0], (TownEntrance{0, 4, 5}));
    EXPECT_EQ(Scen.Towns[0].EntranceX, 4);
    choose(1);
    PlaceTownEntrance(5, 6, dialogs); // the same slot, another town
    EXPECT_EQ(Scen.Towns[0].EntranceX, 0);
    EXPECT_EQ(Scen.Towns[1].EntranceY, 5);
    choose(-1);
    PlaceTownEntrance(5, 6, dialogs);
    EXPECT_EQ(Section().TownEntrances[0], (TownEntrance{-1, 100, 0}));
    EXPECT_EQ(Scen.Towns[1].EntranceY, 0);
    EXPECT_EQ(Cell(5, 6).EntranceIndex, -1);
}

TEST_F(MapObjectsTest, AHorseReplacesTheBoatOnItsCell) {
    BlankTown();
    PlaceBoatOrHorse(6, 7, 0);
    PlaceBoatOrHorse(6, 7, 1);
    EXPECT_EQ(Scen.Boats[0].Town, -1);
    EXPECT_EQ(Scen.Horses[0], (Transport{0, 6, 7, 0}));
    EXPECT_EQ(Cell(6, 7).TransportMark, 1);
    DeleteBoatOrHorse(6, 7);
    EXPECT_EQ(Scen.Horses[0].Town, -1);
    EXPECT_EQ(Cell(6, 7).TransportMark, -1);
}

// Faults the placement code guards against, one test each.

TEST_F(MapObjectsTest, SpotSetToNoneIsFreedInFullNotKeptForTheNodeItRanBefore) {
    BlankTown();
    for (SpecialNode& n : CurrentTown().SpecialNodes)
        n = SpecialNode{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1};
    CurrentTown().SpecialNodes[3].Type = 1;
    PasteSpecial(5, 5, 3);
    dialogs.answers["spot"] = [](int s) { CurrentTown().SpecialSpots[s].Node = -1; };
    SetSpecial(5, 5, dialogs);
    EXPECT_EQ(CurrentTown().SpecialSpots[0], (SpecialSpot{-1, 100, 0}));
    EXPECT_EQ(Cell(5, 5).SpotIndex, -1);
    // A new spot given an unused node leaves no half-made spot behind.
    dialogs.answers["spot"] = [](int s) { CurrentTown().SpecialSpots[s].Node = 40; };
    SetSpecial(6, 6, dialogs);
    EXPECT_EQ(CurrentTown().SpecialSpots[0], (SpecialSpot{-1, 100, 0}));
}

TEST_F(MapObjectsTest, FullBoatListDoesNotCostTheCellItsHorse) {
    BlankTown();
    PlaceBoatOrHorse(6, 7, 1);
    for (Transport& boat : Scen.Boats)
        boat = {0, 30, 30, 0};
    PlaceBoatOrHorse(6, 7, 0);
    EXPECT_EQ(Texts(boxes).size(), 1u);
    EXPECT_EQ(Scen.Horses[0], (Transport{0, 6, 7, 0}));
    EXPECT_EQ(Cell(6, 7).TransportMark, 1);
}

TEST_F(MapObjectsTest, DuplicateOfAnErasedItemOrCreatureMakesNothing) {
    BlankTown();
    MonsterPictures();
    AnswerItem(2);
    AnswerCreature(1);
    PlaceItem(3, 3, dialogs);
    PlaceMonster(5, 5, dialogs);
    EraseItems(3, 3);
    EraseMonsters(5, 5);
    const Scenario before = Scen;
    DupItem(8, 8);
    DupMonster(9, 9);
    EXPECT_TRUE(Scen == before);
    EXPECT_TRUE(Cell(8, 8).ItemIndexes.empty() && Cell(9, 9).CreatureTiles.empty());
}

TEST_F(MapObjectsTest, EraseItemsFreesTheCellsOwnItemsNotTheFirstOfTheList) {
    BlankTown();
    AnswerItem(2);
    PlaceItem(1, 1, dialogs);
    PlaceItem(1, 1, dialogs);
    PlaceItem(4, 4, dialogs);
    PlaceItem(4, 4, dialogs);
    EraseItems(4, 4);
    EXPECT_EQ(CurrentTown().PresetItems[0].X, 1);
    EXPECT_EQ(CurrentTown().PresetItems[1].X, 1);
    EXPECT_EQ(CurrentTown().PresetItems[2].X, 100);
    EXPECT_EQ(CurrentTown().PresetItems[3].Item, -1);
}

TEST_F(MapObjectsTest, EntranceNamingNoTownIsNeitherMarkedNorRecorded) {
    TwoTownsOutdoors();
    Section().TownEntrances[0] = {7, 4, 4};
    BuildMapCells();
    EXPECT_EQ(Cell(5, 5).EntranceIndex, -1);
    dialogs.answers["entrance"] = [](int slot) { Section().TownEntrances[slot].Town = 9; };
    PlaceTownEntrance(8, 8, dialogs);
    EXPECT_EQ(Cell(8, 8).EntranceIndex, -1);
    EXPECT_EQ(Section().TownEntrances[1].X, 100);
}
} // namespace

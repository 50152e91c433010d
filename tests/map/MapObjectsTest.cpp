#include "map/MapFixture.h"
#include "map/objects/AreaObjects.h"
#include "map/objects/TownObjects.h"

namespace {
using MapObjectsTest = MapFixture;

// The resizable lists once stopped one growth short of their bound with a run-time error box.
TEST_F(MapObjectsTest, FullListsShowTheirLimitAndChangeNothing) {
    constexpr std::size_t kMost = 32768; // a signed 16-bit upper bound
    // The list (upper case outdoors), its bound and the words of the message.
    const std::tuple<char, int, const char*, const char*> rows[] = {
        {'r', 16, "area rectangles", "areas"},
        {'R', 8, "area rectangles", "area"},
        {'s', 16, "locations with signs", "signs"},
        {'S', 8, "locations with signs", "signs"},
        {'E', 8, "locations with town entrances", "towns"},
        {'f', 32768, "fields and objects", "of them"},
        {'i', 32768, "preset items", "items"},
        {'c', 32768, "creatures", "creatures"},
        {'P', 32768, "special spots", "special spots"}};
    for (const auto& [list, most, what, erase] : rows) {
        const bool outdoors = std::isupper(list);
        outdoors ? BlankSection() : BlankTown();
        Town& t = CurrentTown();
        OutdoorSection& o = Section();
        if (list == 'r') t.AreaRects.fill({1, 1, 2, 2});
        if (list == 'R') o.AreaRects.fill({1, 1, 2, 2});
        if (list == 's') t.SignLocs.fill({5, 5});
        // The section stores 16 sign positions but has texts for the first 8 only.
        if (list == 'S') std::fill_n(o.SignLocs.begin(), 8, Location{5, 5});
        if (list == 'E') o.TownEntrances.fill({0, 5, 5});
        if (list == 'f') t.Fields.assign(kMost, TownField{0, 5, 5});
        if (list == 'i') t.PresetItems.assign(kMost, PresetItem{3, 5, 5});
        if (list == 'c') t.Creatures.assign(kMost, TownCreature{1, 5, 5});
        if (list == 'P') o.SpecialSpots.assign(kMost, SpecialSpot{3, 5, 5});
        BuildMapCells();
        const Scenario before = Scen;
        const MapCellGrid grid = Map.MapCells;
        MsgBoxRecorder recorder;
        AreaRect rect{3, 3, 4, 4};
        if (std::tolower(list) == 'r') PlaceAreaRect(rect, host);
        if (std::tolower(list) == 's') PlaceSign(9, 9, host);
        if (list == 'E') PlaceTownEntrance(9, 9, host);
        if (list == 'f') PlaceField(9, 9, 1);
        if (list == 'i') PlaceItem(9, 9, host);
        if (list == 'c') PlaceMonster(9, 9, host);
        if (list == 'P') PasteSpecial(9, 9, 3);
        EXPECT_EQ(recorder.Texts(),
                  Strings{std::string(outdoors ? "Each outdoor section" : "Each town") +
                          " can have at most " + Str(most) + "\r\n" + what +
                          ".  You'll need to erase some \r\n" + erase +
                          " before you can place more."});
        EXPECT_TRUE(Scen == before && Map.MapCells == grid && host.opened.empty()) << what;
    }
}

TEST_F(MapObjectsTest, AreaRectanglesAndTownEntrancesStoreSectionCells) {
    BlankSection();
    AreaRect r{1, 1, 48, 48}, cancelled{5, 5, 9, 9}, again{2, 2, 3, 3}, town{1, 1, 48, 48};
    PlaceAreaRect(r, host);
    EXPECT_EQ(Section().AreaRects[0], (AreaRect{0, 0, 47, 47}));
    host.answers["area"] = [](int slot) { Section().AreaRects[slot] = {}; };
    PlaceAreaRect(cancelled, host);
    EXPECT_EQ(cancelled, AreaRect{});
    EXPECT_TRUE(Cell(1, 20).Edges[kAreaEdges + kEdgeUp] && !Cell(5, 7).Edges[kAreaEdges + kEdgeUp]);
    Section().AreaRects[0] = {};
    host.answers.erase("area");
    PlaceAreaRect(again, host);
    EXPECT_EQ(Section().AreaRects[0], (AreaRect{1, 1, 2, 2})); // the lowest free slot
    // Town entrances record their place in the town assigned last.
    Scen.TownCount = 2;
    Scen.Towns.resize(2);
    const auto place = [this](int town, int x, int y) {
        host.answers["entrance"] = [town](int slot) { Section().TownEntrances[slot].Town = town; };
        PlaceTownEntrance(x, y, host);
        const TownEntrance& e = Section().TownEntrances[0];
        return Str(e.Town) + "@" + Str(e.X) + "," + Str(e.Y) + " " + Str(Scen.Towns[0].EntranceX) +
               "," + Str(Scen.Towns[1].EntranceY);
    };
    EXPECT_EQ(place(0, 5, 6), "0@4,5 4,0");
    EXPECT_EQ(place(1, 5, 6), "1@4,5 0,5"); // the same slot, another town
    EXPECT_EQ(place(-1, 5, 6), "-1@100,0 0,0");
    // An entrance naming no town is neither marked nor recorded.
    place(9, 8, 8);
    EXPECT_EQ(Section().TownEntrances[1].X, 100);
    EXPECT_EQ(State(), "1,1:W [area 0] [area 1] [area 0] [entrance 0] [entrance 0] [entrance 0] "
                       "[entrance 0]");
    Section().TownEntrances[0] = {7, 4, 4};
    EXPECT_EQ(State(), "1,1:W");
    BlankTown();
    PlaceAreaRect(town, host);
    EXPECT_EQ(CurrentTown().AreaRects[0], (AreaRect{1, 1, 48, 48}));
}

TEST_F(MapObjectsTest, ListsGrowByEightUpToTheirSignedSixteenBitBound) {
    BlankTown();
    DupItem(3, 3);         // nothing placed yet
    PlaceItem(3, 3, host); // cancelled: the slot is free again
    EXPECT_TRUE(CurrentTown().PresetItems[0].X == 100 && Objects.LastItemNum == -1);
    EXPECT_EQ(State(), "[item 0]");
    Answer("item", 7);
    for (int i = 0; i < 9; ++i)
        PlaceItem(3, 3, host);
    EXPECT_EQ(Objects.LastItemNum, 8);
    DupItem(4, 4);
    const auto& items = CurrentTown().PresetItems;
    ASSERT_EQ(items.size(), 16u);
    for (std::size_t i = 10; i < 16; ++i)
        EXPECT_TRUE(items[i].Item == -1 && items[i].Charges == -1 && items[i].X == 100);
    EXPECT_EQ(items[9].Item, 7);
    host.opened.clear();
    PlaceField(5, 6, 0); // one field of each kind on a cell
    PlaceField(5, 6, 0);
    PlaceField(5, 6, 13);
    EXPECT_EQ(State(), "3,3:i0i1i2i3i4i5i6i7i8 4,4:i9 5,6:f0=0f13=1");
    // A list one short of its bound grows by that one entry.
    CurrentTown().Fields.assign(32767, TownField{0, 5, 5});
    BuildMapCells();
    PlaceField(9, 9, 1);
    ASSERT_EQ(CurrentTown().Fields.size(), 32768u);
    EXPECT_EQ(CurrentTown().Fields[32767], (TownField{1, 9, 9}));
}

TEST_F(MapObjectsTest, SpecialSpotsArePastedReusedAndFollowTheNodeEditor) {
    BlankTown();
    auto& nodes = CurrentTown().SpecialNodes;
    for (SpecialNode& n : nodes)
        n = SpecialNode{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1};
    const auto& spots = CurrentTown().SpecialSpots;
    using Spots = std::vector<SpecialSpot>;
    nodes[12].Type = 5;
    PasteSpecial(3, 3, -1);
    PasteSpecial(3, 3, 12);
    PasteSpecial(3, 3, 40); // the cell has a spot already
    PasteSpecial(4, 4, 12);
    EraseSpecial(3, 3);
    EXPECT_EQ(Spots(spots.begin(), spots.begin() + 3),
              (Spots{{-1, 100, 0}, {12, 4, 4}, {-1, 100, 0}}));
    host.specialNodeResult = 12;
    PlaceOrEditSpecial(7, 8, host); // takes the freed spot
    host.specialNodeResult = 30;    // an unused node makes no spot
    PlaceOrEditSpecial(9, 9, host);
    nodes[12].Type = 0; // the author cleared the node in the editor
    PlaceOrEditSpecial(4, 4, host);
    EXPECT_EQ(State(), "7,8:p0 [node -1] [node -1] [node 12]");
    // A spot set to no node is freed in full, not kept for the node it ran before, and a new
    // spot given an unused node leaves no half-made spot behind.
    nodes[12].Type = 5;
    PasteSpecial(5, 5, 12);
    host.answers["spot"] = [](int s) { CurrentTown().SpecialSpots[s].Node = -1; };
    SetSpecial(5, 5, host);
    host.answers["spot"] = [](int s) { CurrentTown().SpecialSpots[s].Node = 40; };
    SetSpecial(6, 6, host);
    EXPECT_EQ(Spots(spots.begin(), spots.begin() + 3),
              (Spots{{12, 7, 8}, {-1, 100, 0}, {-1, 100, 0}}));
    EXPECT_EQ(State(), "7,8:p0 [spot 1] [spot 1]");
    BlankSection();
    PasteSpecial(1, 48, 2);
    EXPECT_EQ(Section().SpecialSpots[0], (SpecialSpot{2, 0, 47}));
}

TEST_F(MapObjectsTest, CreaturesItemsAndTransportsArePlacedErasedAndDuplicated) {
    BlankTown();
    MonsterPictures();
    Answer("creature", 4);
    PlaceMonster(10, 10, host); // two by two: 10..11 x 10..11
    Answer("creature", 1);
    PlaceMonster(11, 11, host); // shares the lower right cell
    DupMonster(62, 62);         // the copy is a one-tile creature
    EXPECT_EQ(State(), "10,10:c0.0 11,10:c0.1 10,11:c0.2 11,11:c0.3c1.0 62,62:c2.0 [creature 0] "
                       "[creature 1]");
    EraseMonsters(11, 11); // any covered cell erases the creature
    for (int i : {0, 1})
        EXPECT_TRUE(CurrentTown().Creatures[i].X == 100 &&
                    CurrentTown().Creatures[i].PersonalityNum == -1);
    Answer("creature", 0); // cancelled
    PlaceMonster(20, 20, host);
    EXPECT_TRUE(CurrentTown().Creatures[0].X == 100 && Objects.LastMonstNum == 2);
    EXPECT_EQ(State(), "62,62:c2.0 [creature 0]");
    // Erasing frees the cell's own items, not the first of the list; the duplicates of erased
    // objects make nothing.
    Answer("item", 2);
    for (const int xy : {1, 1, 4, 4})
        PlaceItem(xy, xy, host);
    EraseItems(4, 4);
    const auto& items = CurrentTown().PresetItems;
    EXPECT_TRUE(items[0].X == 1 && items[1].X == 1 && items[2].X == 100 && items[3].Item == -1);
    EraseItems(1, 1);
    EraseMonsters(62, 62);
    const Scenario before = Scen;
    DupItem(8, 8);
    DupMonster(9, 9);
    EXPECT_TRUE(Scen == before);
    // A horse replaces the boat on its cell, and a full boat list does not cost the cell its horse.
    PlaceBoatOrHorse(6, 7, 0);
    PlaceBoatOrHorse(6, 7, 1);
    EXPECT_EQ(Scen.Boats[0].Town, -1);
    Scen.Boats.fill({1, 30, 30, 0});
    PlaceBoatOrHorse(6, 7, 0);
    EXPECT_EQ(State(), "6,7:h [item 0] [item 1] [item 2] [item 3] !All 24 boats of the scenario "
                       "are in use.  You'll need to delete one before you can place another.");
    DeleteBoatOrHorse(6, 7);
    EXPECT_EQ(Scen.Horses[0].Town, -1);
    EXPECT_EQ(State(), "");
}
} // namespace

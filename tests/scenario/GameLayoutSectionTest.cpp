#include "scenario/GameLayout.h"

#include "platform/RuntimeError.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/GameLayoutBuilder.h"

#include <gtest/gtest.h>

namespace {
class GameSectionTest : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        InitCommonTables();
        InitScenEditorTables();
    }

    bool Big() const { return GetParam(); }
    int Format() const { return Big() ? 1 : 0; }

    // A world of one section and two towns, so that town numbers 0 and 1 are valid.
    GameLayoutBuilder Builder() const { return GameLayoutBuilder(Big(), 1, 1, {2, 2}); }

    OutdoorSection Read(const GameLayoutBuilder& b) {
        Scenario s;
        ReadScenarioImageV1(s, b.Build(), Format());
        return s.OutdoorSections.At(0, 0);
    }

    int ReadError(const GameLayoutBuilder& b) {
        try {
            Read(b);
        } catch (const RuntimeError& e) {
            return e.number();
        }
        return 0;
    }
};

std::array<int, 4> Corners(const AreaRect& r) {
    return {r.Left, r.Top, r.Right, r.Bottom};
}
} // namespace

TEST_P(GameSectionTest, TerrainIsStoredColumnByColumn) {
    GameLayoutBuilder b = Builder();
    GameSectionBuilder& sec = b.Section(0, 0);
    sec.record.Byte(1, 11);  // column 0, row 1
    sec.record.Byte(48, 12); // column 1, row 0
    sec.Terrain(47, 46, 13);
    sec.Terrain(46, 47, 14);
    const OutdoorSection s = Read(b);
    EXPECT_EQ(s.Terrain.At(0, 1), 11);
    EXPECT_EQ(s.Terrain.At(1, 0), 12);
    EXPECT_EQ(s.Terrain.At(47, 46), 13);
    EXPECT_EQ(s.Terrain.At(46, 47), 14);
    EXPECT_EQ(s.Terrain.At(0, 0), 0);
}

TEST_P(GameSectionTest, SpecialSpotsArePackedAndOffMapSlotsStayFree) {
    GameLayoutBuilder b = Builder();
    GameSectionBuilder& sec = b.Section(0, 0);
    sec.Spot(2, 5, 7, 33);
    sec.Spot(3, 60, 3, 34); // in use but off the map
    sec.Spot(4, 3, 48, 35); // likewise
    sec.Spot(5, 47, 47, 255);
    sec.Spot(6, 101, 0, 36); // above 100 is unused too
    const OutdoorSection s = Read(b);
    ASSERT_EQ(s.MaxSpecialSpot(), 7);
    EXPECT_EQ(s.SpecialSpots[0], (SpecialSpot{33, 5, 7}));
    EXPECT_EQ(s.SpecialSpots[1], (SpecialSpot{-1, 100, 0}));
    EXPECT_EQ(s.SpecialSpots[2], (SpecialSpot{-1, 100, 0}));
    EXPECT_EQ(s.SpecialSpots[3], (SpecialSpot{255, 47, 47}));
    for (int k = 4; k < 8; ++k)
        EXPECT_EQ(s.SpecialSpots[k], (SpecialSpot{-1, 100, 0}));
}

TEST_P(GameSectionTest, SpotListGrowsByEight) {
    GameLayoutBuilder b = Builder();
    for (int i = 0; i < 9; ++i)
        b.Section(0, 0).Spot(i, i, i + 1, i + 2);
    OutdoorSection s = Read(b);
    ASSERT_EQ(s.MaxSpecialSpot(), 15);
    EXPECT_EQ(s.SpecialSpots[8], (SpecialSpot{10, 8, 9}));
    for (int k = 9; k < 16; ++k)
        EXPECT_EQ(s.SpecialSpots[k], (SpecialSpot{-1, 100, 0}));

    for (int i = 9; i < 18; ++i)
        b.Section(0, 0).Spot(i, i, i, i);
    s = Read(b);
    ASSERT_EQ(s.MaxSpecialSpot(), 23);
    EXPECT_EQ(s.SpecialSpots[17], (SpecialSpot{17, 17, 17}));
    EXPECT_EQ(s.SpecialSpots[18], (SpecialSpot{-1, 100, 0}));
}

TEST_P(GameSectionTest, TownEntrancesOfUnknownTownsAreFreed) {
    GameLayoutBuilder b = Builder();
    GameSectionBuilder& sec = b.Section(0, 0);
    sec.Entrance(0, 100, 5, 1); // free slot: its town byte means nothing
    sec.Entrance(1, 10, 20, 1);
    sec.Entrance(2, 11, 21, 2); // the town count: no such town
    sec.Entrance(3, 12, 22, 255);
    sec.Entrance(4, 70, 23, 0); // off the map, but it fits its field
    const OutdoorSection s = Read(b);
    EXPECT_EQ(s.TownEntrances[0], (TownEntrance{-1, 100, 5}));
    EXPECT_EQ(s.TownEntrances[1], (TownEntrance{1, 10, 20}));
    EXPECT_EQ(s.TownEntrances[2], (TownEntrance{-1, 100, 0}));
    EXPECT_EQ(s.TownEntrances[3], (TownEntrance{-1, 100, 0}));
    EXPECT_EQ(s.TownEntrances[4], (TownEntrance{0, 70, 23}));
    EXPECT_EQ(s.TownEntrances[7], (TownEntrance{-1, 100, 0}));
}

TEST_P(GameSectionTest, SignsWanderingPointsAndRectangles) {
    GameLayoutBuilder b = Builder();
    GameSectionBuilder& sec = b.Section(0, 0);
    sec.Sign(0, 1, 2);
    sec.Sign(7, 3, 4);
    sec.WanderingLoc(3, 5, 6);
    sec.Rect(0, 1, 2, 3, 4);
    sec.Rect(7, 0, 47, 255, 70);
    const OutdoorSection s = Read(b);
    EXPECT_EQ(s.SignLocs[0], (Location{1, 2}));
    EXPECT_EQ(s.SignLocs[7], (Location{3, 4}));
    for (int i = 8; i < 16; ++i)
        EXPECT_EQ(s.SignLocs[i], (Location{100, 0}));
    EXPECT_EQ(s.WanderingLocs[3], (Location{5, 6}));
    EXPECT_EQ(s.WanderingLocs[0], (Location{100, 0}));
    EXPECT_EQ(Corners(s.AreaRects[0]), (std::array<int, 4>{1, 2, 3, 4}));
    EXPECT_EQ(Corners(s.AreaRects[7]), (std::array<int, 4>{0, 47, 255, 70}));

    b.Section(0, 0).Rect(3, 0, 0, 256, 0);
    EXPECT_EQ(ReadError(b), 6);
    b.Section(0, 0).Rect(3, 0, -1, 0, 0);
    EXPECT_EQ(ReadError(b), 6);
}

TEST_P(GameSectionTest, EncountersAndTheirFlags) {
    GameLayoutBuilder b = Builder();
    GameSectionBuilder& sec = b.Section(0, 0);
    GameEncounter e;
    for (int m = 0; m < 10; ++m)
        e.monsters[static_cast<std::size_t>(m)] = 250 + m % 6;
    e.startNode = 1;
    e.winNode = -1;
    e.fleeNode = 59;
    e.flagA = 299;
    e.flagB = 9;
    const int flags[] = {0, 1, 10, 11};
    for (int i = 0; i < 4; ++i) {
        e.flags = flags[i];
        sec.Wandering(i, e);
        sec.Special(i, e);
    }
    const OutdoorSection s = Read(b);
    const OutdoorEncounter& w = s.Wandering[0];
    EXPECT_EQ(w.Monsters[9], 253);
    EXPECT_EQ((std::array<int, 5>{w.StartNode, w.WinNode, w.FleeNode, w.StuffDoneA, w.StuffDoneB}),
              (std::array<int, 5>{1, -1, 59, 299, 9}));
    EXPECT_EQ(s.Specials[0], s.Wandering[0]);
    const std::pair<int, int> expected[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(s.Wandering[i].CannotFlee, expected[i].first) << "flag " << flags[i];
        EXPECT_EQ(s.Wandering[i].Forced, expected[i].second) << "flag " << flags[i];
        EXPECT_EQ(s.Specials[i].CannotFlee, expected[i].first) << "flag " << flags[i];
        EXPECT_EQ(s.Specials[i].Forced, expected[i].second) << "flag " << flags[i];
    }
}

TEST_P(GameSectionTest, SpecialEncounterFlagInTheLittleEndianFilesIsItsFirstByte) {
    GameLayoutBuilder b = Builder();
    GameEncounter e;
    e.flags = 0x010B; // a low byte of 11 under a stray high byte
    b.Section(0, 0).Wandering(0, e);
    b.Section(0, 0).Special(0, e);
    const OutdoorSection s = Read(b);
    EXPECT_EQ(s.Wandering[0].CannotFlee + s.Wandering[0].Forced, 0);
    const int expected = Big() ? 0 : 1;
    EXPECT_EQ(s.Specials[0].CannotFlee, expected);
    EXPECT_EQ(s.Specials[0].Forced, expected);
}

TEST_P(GameSectionTest, FlagsDoNotDependOnTheSectionReadBefore) {
    GameLayoutBuilder b = Builder();
    GameEncounter e;
    e.flags = 11;
    b.Section(0, 0).Wandering(1, e);
    b.Section(0, 0).Special(1, e);
    const auto before = b.Build();
    GameEncounter one;
    one.flags = 1;
    GameEncounter ten;
    ten.flags = 10;
    b.Section(0, 0).Wandering(1, one);
    b.Section(0, 0).Special(1, ten);
    const auto after = b.Build();

    Scenario s;
    ReadScenarioImageV1(s, before, Format());
    FilePos pos = static_cast<FilePos>(b.SectionPos(0, 0));
    ReadOutdoorSectionV1(s, ByteReader(after), 0, 0, pos, Format());
    EXPECT_EQ(s.OutdoorSections.At(0, 0).Wandering[1].CannotFlee, 1);
    EXPECT_EQ(s.OutdoorSections.At(0, 0).Wandering[1].Forced, 0);
    EXPECT_EQ(s.OutdoorSections.At(0, 0).Specials[1].CannotFlee, 0);
    EXPECT_EQ(s.OutdoorSections.At(0, 0).Specials[1].Forced, 1);
}

TEST_P(GameSectionTest, NodesTextsAndTheNextPosition) {
    GameLayoutBuilder b = Builder();
    GameSectionBuilder& sec = b.Section(0, 0);
    GameNode node;
    node.type = 60;
    node.picture = 7;
    node.message1 = 2;
    node.extra2b = 10;
    node.jumpTo = 59;
    sec.Node(59, node);
    sec.texts[0] = "North Woods";
    sec.texts[99] = "a|b";
    sec.texts[107] = std::string(255, 'z');
    sec.texts[108] = "not read";
    const auto image = b.Build();

    Scenario s;
    ReadScenarioImageV1(s, image, Format());
    const OutdoorSection& o = s.OutdoorSections.At(0, 0);
    EXPECT_EQ(o.SpecialNodes[59], (SpecialNode{60, 0, 0, 2, 0, 7, 0, 0, 0, 12, 59}));
    EXPECT_EQ(o.SpecialNodes[0], (SpecialNode{}));
    EXPECT_EQ(o.Strings[0], "North Woods");
    EXPECT_EQ(o.Strings[99], "a\r\nb");
    EXPECT_EQ(o.Strings[107], std::string(255, 'z'));

    FilePos pos = static_cast<FilePos>(b.SectionPos(0, 0));
    ReadOutdoorSectionV1(s, ByteReader(image), 0, 0, pos, Format());
    EXPECT_EQ(static_cast<std::size_t>(pos), b.TownPos(0));
}

TEST_P(GameSectionTest, SectionsAreStoredRowByRow) {
    GameLayoutBuilder b(Big(), 3, 2, {2});
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            b.Section(x, y).texts[0] = std::to_string(x) + "," + std::to_string(y);
            b.Section(x, y).texts[108] = std::string(static_cast<std::size_t>(x + 3 * y), '.');
        }
    Scenario s;
    ReadScenarioImageV1(s, b.Build(), Format());
    ASSERT_EQ(s.OutdoorSections.Width(), 3);
    ASSERT_EQ(s.OutdoorSections.Height(), 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(s.OutdoorSections.At(x, y).Strings[0],
                      std::to_string(x) + "," + std::to_string(y));
}

TEST_P(GameSectionTest, ASectionOutsideTheWorldIsRefused) {
    GameLayoutBuilder b = Builder();
    const auto image = b.Build();
    Scenario s;
    ReadScenarioImageV1(s, image, Format());
    for (auto [x, y] : {std::pair{1, 0}, {0, 1}, {-1, 0}}) {
        FilePos pos = static_cast<FilePos>(b.SectionPos(0, 0));
        try {
            ReadOutdoorSectionV1(s, ByteReader(image), x, y, pos, Format());
            ADD_FAILURE() << "section " << x << "," << y << " was read";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), 9);
        }
    }
}

TEST_P(GameSectionTest, AFarOffSectionIndexLeavesTheSectionsThatExistAlone) {
    GameLayoutBuilder b = Builder();
    b.Section(0, 0).texts[0] = "kept";
    b.Section(0, 0).Spot(0, 4, 5, 6);
    const auto image = b.Build();
    Scenario s;
    ReadScenarioImageV1(s, image, Format());
    const OutdoorSection before = s.OutdoorSections.At(0, 0);
    // 65536 and -65536 are 0 once cut to 16 bits.
    for (auto [x, y] : {std::pair{65536, 0}, {0, 65536}, {-65536, 0}}) {
        FilePos pos = static_cast<FilePos>(b.SectionPos(0, 0));
        try {
            ReadOutdoorSectionV1(s, ByteReader(image), x, y, pos, Format());
            ADD_FAILURE() << "section " << x << "," << y << " was read";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), 9);
        }
        EXPECT_TRUE(s.OutdoorSections.At(0, 0) == before) << "section " << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(ByteOrders, GameSectionTest, ::testing::Bool(), [](const auto& info) {
    return info.param ? "BigEndian" : "LittleEndian";
});

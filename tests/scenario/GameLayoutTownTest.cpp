#include "scenario/GameLayout.h"

#include "platform/RuntimeError.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/GameLayoutBuilder.h"

#include <gtest/gtest.h>

namespace {
class GameTownTest : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        InitCommonTables();
        InitScenEditorTables();
    }

    bool Big() const { return GetParam(); }
    int Format() const { return Big() ? 1 : 0; }
    GameLayoutBuilder Builder(std::vector<int> sizes = {2}) const {
        return GameLayoutBuilder(Big(), 1, 1, sizes);
    }

    Scenario ReadAll(const GameLayoutBuilder& b) {
        Scenario s;
        ReadScenarioImageV1(s, b.Build(), Format());
        return s;
    }
    Town Read(const GameLayoutBuilder& b) { return ReadAll(b).Towns.at(0); }

    int ReadError(const GameLayoutBuilder& b) {
        try {
            ReadAll(b);
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

TEST_P(GameTownTest, TheSizeCodeDecidesTerrainCreaturesAndWhereTextsStart) {
    const int sides[] = {64, 48, 32};
    const int slots[] = {60, 40, 30};
    const std::size_t textStarts[] = {9562, 7106, 5446};
    for (int size = 0; size < 3; ++size) {
        GameLayoutBuilder b = Builder({size});
        GameTownBuilder& town = b.Town(0);
        ASSERT_EQ(town.TextsOffset(), textStarts[size]);
        ASSERT_EQ(town.CreatureSlots(), slots[size]);
        const int n = sides[size];
        town.record.Byte(3506 + 1, 21); // column 0, row 1
        town.record.Byte(3506 + n, 22); // column 1, row 0
        town.Terrain(n - 1, n - 2, 23);
        GameCreature c;
        c.monster = 9;
        town.Creature(slots[size] - 1, c);
        town.texts[0] = "Town";
        town.texts[139] = "last sign";
        const Town t = Read(b);
        EXPECT_EQ(t.Size, size);
        ASSERT_EQ(t.Terrain.Side(), n);
        EXPECT_EQ(t.Terrain.At(0, 1), 21);
        EXPECT_EQ(t.Terrain.At(1, 0), 22);
        EXPECT_EQ(t.Terrain.At(n - 1, n - 2), 23);
        EXPECT_EQ(t.Creatures[0].Monster, 9) << "size " << size;
        EXPECT_EQ(t.Strings[0], "Town");
        EXPECT_EQ(t.Strings[189], "last sign");
    }
}

TEST_P(GameTownTest, HeaderFieldsOfATown) {
    GameLayoutBuilder b = Builder();
    GameBytes& r = b.Town(0).record;
    r.Int(0, -1);
    r.Int(2, 9);
    for (int a = 0; a < 4; ++a)
        for (int g = 0; g < 4; ++g)
            b.Town(0).WanderingMonster(g, a, 10 * g + a + 1);
    r.Byte(20, 5);
    r.Byte(27, 6);
    r.Int(208, 3);
    for (int i = 0; i < 8; ++i)
        r.Byte(210 + static_cast<std::size_t>(i), 40 + i); // entry points 0..3
    for (int i = 0; i < 8; ++i)
        r.Byte(218 + static_cast<std::size_t>(i), 250 + i % 6); // exit locations
    for (int i = 0; i < 4; ++i)
        r.Int(226 + 2 * static_cast<std::size_t>(i), i - 1);
    r.Int(882, 30);
    r.Int(1084, 4);
    r.Int(1086, -1);
    for (int i = 0; i < 8; ++i) {
        r.Int(1088 + 2 * static_cast<std::size_t>(i), 100 * i);
        r.Int(1104 + 2 * static_cast<std::size_t>(i), i);
    }
    r.Int(3504, 10);
    b.Town(0).Sign(0, 1, 2);
    b.Town(0).Sign(14, 3, 4);
    b.Byte(218, 1);
    const Town t = Read(b);

    EXPECT_EQ(t.DayDies, -1);
    EXPECT_EQ(t.EventStop, 9);
    EXPECT_EQ(t.WanderingGroups[0].Monsters, (std::array<std::uint8_t, 4>{1, 2, 3, 4}));
    EXPECT_EQ(t.WanderingGroups[3].Monsters, (std::array<std::uint8_t, 4>{31, 32, 33, 34}));
    EXPECT_EQ(t.WanderingLocs[0], (Location{5, 0}));
    EXPECT_EQ(t.WanderingLocs[3], (Location{100, 6}));
    EXPECT_EQ(t.Lighting, 3);
    EXPECT_EQ(t.EntryPoints[0], (Location{40, 41}));
    EXPECT_EQ(t.EntryPoints[3], (Location{46, 47}));
    EXPECT_EQ(t.ExitLocs[0], (Location{250, 251}));
    EXPECT_EQ(t.ExitLocs[2], (Location{254, 255}));
    EXPECT_EQ(t.ExitSpecials, (std::array<std::int16_t, 4>{-1, 0, 1, 2}));
    EXPECT_EQ(t.MaxMonsters, 30);
    EXPECT_EQ(t.EntrySpecials, (std::array<std::int16_t, 2>{4, -1}));
    EXPECT_EQ(t.TimerMoves[7], 700);
    EXPECT_EQ(t.TimerNodes[7], 7);
    EXPECT_EQ(t.Difficulty, 10);
    EXPECT_EQ(t.SignLocs[0], (Location{1, 2}));
    EXPECT_EQ(t.SignLocs[14], (Location{3, 4}));
    EXPECT_EQ(t.SignLocs[15], (Location{100, 0}));
    EXPECT_EQ(t.Hidden, 1);
}

TEST_P(GameTownTest, BoundaryAndAreaRectangles) {
    GameLayoutBuilder b = Builder();
    b.Town(0).Boundary(1, 2, 31, 30);
    b.Town(0).Rect(0, 3, 4, 5, 6);
    const Town t = Read(b);
    EXPECT_EQ(Corners(t.Boundary), (std::array<int, 4>{1, 2, 31, 30}));
    EXPECT_EQ(Corners(t.AreaRects[0]), (std::array<int, 4>{3, 4, 5, 6}));

    GameLayoutBuilder above = Builder();
    above.Town(0).Rect(15, 0, 300, 31, 255);
    if (Big()) {
        // The big-endian files' stray values above a byte are dropped.
        EXPECT_EQ(Corners(Read(above).AreaRects[15]), (std::array<int, 4>{0, 0, 31, 255}));
    } else {
        EXPECT_EQ(ReadError(above), 6);
    }

    GameLayoutBuilder wide = Builder();
    wide.Town(0).Boundary(0x0105, 0, 0, 0);
    if (Big()) {
        EXPECT_EQ(ReadError(wide), 6);
    } else {
        // Only the low byte of each integer is read.
        EXPECT_EQ(Read(wide).Boundary.Left, 5);
    }

    GameLayoutBuilder negative = Builder();
    negative.Town(0).Rect(1, -1, 0, 0, 0);
    EXPECT_EQ(ReadError(negative), 6);
}

TEST_P(GameTownTest, SpecialSpotsArePackedWithoutARangeTest) {
    GameLayoutBuilder b = Builder();
    b.Town(0).Spot(3, 60, 70, 99);
    b.Town(0).Spot(49, 0, 0, 1);
    Town t = Read(b);
    ASSERT_EQ(t.MaxSpecialSpot(), 7);
    EXPECT_EQ(t.SpecialSpots[0], (SpecialSpot{99, 60, 70}));
    EXPECT_EQ(t.SpecialSpots[1], (SpecialSpot{1, 0, 0}));
    EXPECT_EQ(t.SpecialSpots[2], (SpecialSpot{-1, 100, 0}));

    for (int i = 0; i < 50; ++i)
        b.Town(0).Spot(i, i, i, i);
    t = Read(b);
    ASSERT_EQ(t.MaxSpecialSpot(), 55);
    EXPECT_EQ(t.SpecialSpots[49], (SpecialSpot{49, 49, 49}));
    EXPECT_EQ(t.SpecialSpots[50], (SpecialSpot{-1, 100, 0}));
}

TEST_P(GameTownTest, PresetItemsTakeOnlySlotsWithAnItem) {
    GameLayoutBuilder b = Builder();
    b.Town(0).Item(1, 3, 4, 0, -1, 1, 0, 1);
    b.Town(0).Item(5, 70, 5, 600, 12, 0, 1, 0); // beyond the editor's ranges but kept
    b.Town(0).Item(6, 7, 8, -2, 0, 0, 0, 0);
    b.Town(0).Item(9, 1, 2, 3, 4, 5, 6, 7); // every field its own value
    Town t = Read(b);
    ASSERT_EQ(t.MaxPresetItem(), 7);
    EXPECT_EQ(t.PresetItems[0], (PresetItem{0, 3, 4, -1, 1, 0, 1}));
    EXPECT_EQ(t.PresetItems[1], (PresetItem{600, 70, 5, 12, 0, 1, 0}));
    EXPECT_EQ(t.PresetItems[2], (PresetItem{3, 1, 2, 4, 5, 6, 7}));
    EXPECT_EQ(t.PresetItems[3], (PresetItem{-1, 100, 0, 0, 0, 0, 0}));

    for (int i = 10; i < 19; ++i)
        b.Town(0).Item(i, i, i, i, i, 0, 0, 0);
    t = Read(b);
    ASSERT_EQ(t.MaxPresetItem(), 15);
    EXPECT_EQ(t.PresetItems[1], (PresetItem{600, 70, 5, 12, 0, 1, 0}));
    EXPECT_EQ(t.PresetItems[11], (PresetItem{18, 18, 18, 18, 0, 0, 0}));
    // Entries added by growing carry the default charges.
    EXPECT_EQ(t.PresetItems[12], (PresetItem{-1, 100, 0, -1, 0, 0, 0}));
}

TEST_P(GameTownTest, FieldsAreMappedToTheEditorsKinds) {
    GameLayoutBuilder b = Builder();
    const int codes[] = {0, 3, -4, 8, 14, 21, 1};
    for (int i = 0; i < 7; ++i)
        b.Town(0).Field(i, i, 2 * i, codes[i]);
    Town t = Read(b);
    ASSERT_EQ(t.MaxField(), 7);
    EXPECT_EQ(t.Fields[0], (TownField{0, 1, 2}));
    EXPECT_EQ(t.Fields[1], (TownField{5, 3, 6}));
    EXPECT_EQ(t.Fields[2], (TownField{6, 4, 8}));
    EXPECT_EQ(t.Fields[3], (TownField{13, 5, 10}));
    EXPECT_EQ(t.Fields[4], (TownField{GameFieldKindMap[1], 6, 12}));
    EXPECT_EQ(t.Fields[5], (TownField{-1, 100, 0}));

    b.Town(0).Field(49, 0, 0, 22);
    EXPECT_EQ(ReadError(b), 9);
}

TEST_P(GameTownTest, CreaturesArePackedAndEveryFieldIsRead) {
    GameLayoutBuilder b = Builder();
    GameCreature c;
    c.monster = 200;
    c.attitude = 3;
    c.x = 10;
    c.y = 11;
    c.canMove = 1;
    c.timeFlag = 7;
    c.flagA = 299;
    c.flagB = 9;
    c.group = 10;
    c.time1 = 20;
    c.time2 = 21;
    c.personality = 13;
    c.killedNode = 99;
    c.portrait = 1005;
    b.Town(0).Creature(4, c);
    Town t = Read(b);
    ASSERT_EQ(t.MaxCreature(), 15);
    const TownCreature& k = t.Creatures[0];
    EXPECT_EQ((std::array<int, 14>{k.Monster, k.Attitude, k.X, k.Y, k.CanMove, k.TimeFlag,
                                   k.StuffDoneA, k.StuffDoneB, k.EncounterGroup, k.TimeValue1,
                                   k.TimeValue2, k.PersonalityNum, k.KilledNode, k.Portrait}),
              (std::array<int, 14>{200, 3, 10, 11, 1, 7, 299, 9, 10, 20, 21, 13, 99, 1005}));
    EXPECT_EQ(t.Creatures[1].Monster, 0);
    EXPECT_EQ(t.Creatures[1].CanMove, 1); // as cleared

    for (int i = 0; i < 17; ++i) {
        c.monster = i + 1;
        b.Town(0).Creature(i, c);
    }
    t = Read(b);
    ASSERT_EQ(t.MaxCreature(), 23);
    EXPECT_EQ(t.Creatures[16].Monster, 17);
    TownCreature grown;
    grown.X = 100;
    grown.PersonalityNum = grown.KilledNode = grown.StuffDoneA = grown.StuffDoneB = -1;
    EXPECT_EQ(t.Creatures[17], grown);
    EXPECT_EQ(t.Creatures[23], grown);
}

TEST_P(GameTownTest, StringsLeaveTheEditorsExtraSlotsFree) {
    GameLayoutBuilder b = Builder();
    for (int j = 0; j < 140; ++j)
        b.Town(0).texts[static_cast<std::size_t>(j)] = "t" + std::to_string(j);
    b.Town(0).texts[20] = "line|line";
    const Town t = Read(b);
    EXPECT_EQ(t.Strings[0], "t0");
    EXPECT_EQ(t.Strings[20], "line\r\nline");
    EXPECT_EQ(t.Strings[119], "t119");
    for (int j = 120; j < 170; ++j)
        EXPECT_EQ(t.Strings[j], "*");
    EXPECT_EQ(t.Strings[170], "t120");
    EXPECT_EQ(t.Strings[189], "t139");
}

TEST_P(GameTownTest, SpecialNodesAreConverted) {
    GameLayoutBuilder b = Builder();
    GameNode node;
    node.type = 299;
    node.extra1a = 7;
    node.extra1b = 1;
    node.jumpTo = 3;
    b.Town(0).Node(99, node);
    const Town t = Read(b);
    EXPECT_EQ(t.SpecialNodes[99], (SpecialNode{299, 0, 0, 0, 0, 0, 1, 37, 0, 0, 3}));
}

TEST_P(GameTownTest, DialogueNodesAndTextsInTheirOrder) {
    GameLayoutBuilder b = Builder();
    GameTownBuilder& town = b.Town(0);
    town.TalkNode(0, {-2, 9, "shop", "buy", {1, 5, 2, 3}});
    town.TalkNode(1, {5, 8, "name", "abcd", {1, 5, 2, 3}});
    town.TalkNode(59, {9, 10, "ab", "cd", {0, -40, 0, 0}});
    for (int j = 0; j < 170; ++j)
        town.talkTexts[static_cast<std::size_t>(j)] = "d" + std::to_string(j);
    town.talkTexts[45] = "two|lines";
    const Scenario s = ReadAll(b);
    const TownTalk& talk = s.TownTalks.at(0);

    EXPECT_EQ(talk.Nodes[0].PersonalityNum, -2);
    EXPECT_EQ(talk.Nodes[0].NodeType, 9);
    EXPECT_EQ(talk.Nodes[0].Word1, "shop");
    EXPECT_EQ(talk.Nodes[0].Word2, "buy");
    EXPECT_EQ(talk.Nodes[0].Extra, (std::array<std::int16_t, 4>{1, 35, 2, 3}));
    // Keywords without a terminating zero end after four characters.
    EXPECT_EQ(talk.Nodes[1].Word1, "name");
    EXPECT_EQ(talk.Nodes[1].Word2, "abcd");
    EXPECT_EQ(talk.Nodes[1].Extra[1], 5);
    EXPECT_EQ(talk.Nodes[59].Extra[1], -10);
    EXPECT_EQ(talk.Nodes[60].PersonalityNum, -1);
    EXPECT_EQ(talk.Nodes[89].Word1, "xxxx");

    EXPECT_EQ(talk.Personalities[0].Name, "d0");
    EXPECT_EQ(talk.Personalities[9].Name, "d9");
    EXPECT_EQ(talk.Personalities[0].LookResponse, "d10");
    EXPECT_EQ(talk.Personalities[0].NameResponse, "d20");
    EXPECT_EQ(talk.Personalities[0].JobResponse, "d30");
    EXPECT_EQ(talk.Personalities[9].JobResponse, "d39");
    EXPECT_EQ(talk.Nodes[0].Text1, "d40");
    EXPECT_EQ(talk.Nodes[0].Text2, "d41");
    EXPECT_EQ(talk.Nodes[2].Text2, "two\r\nlines");
    EXPECT_EQ(talk.Nodes[59].Text2, "d159");
    EXPECT_EQ(talk.Personalities[0].HuhResponse, "d160");
    EXPECT_EQ(talk.Personalities[9].HuhResponse, "d169");
    EXPECT_EQ(talk.Nodes[60].Text1, "");
}

TEST_P(GameTownTest, TownsFollowOneAnother) {
    GameLayoutBuilder b = Builder({0, 1, 2});
    for (int t = 0; t < 3; ++t) {
        b.Town(t).texts[0] = "town " + std::to_string(t);
        b.Town(t).talkTexts[169] = std::string(static_cast<std::size_t>(10 * t + 1), 'h');
    }
    const auto image = b.Build();
    Scenario s;
    ReadScenarioImageV1(s, image, Format());
    for (int t = 0; t < 3; ++t)
        EXPECT_EQ(s.Towns[t].Strings[0], "town " + std::to_string(t));

    FilePos pos = static_cast<FilePos>(b.TownPos(1));
    GameTownTables tables;
    tables.Sizes[1] = 1;
    ReadTownV1(s, ByteReader(image), 1, pos, Format(), tables);
    EXPECT_EQ(static_cast<std::size_t>(pos), b.TownPos(2));
    pos = static_cast<FilePos>(b.TownPos(2));
    tables.Sizes[2] = 2;
    ReadTownV1(s, ByteReader(image), 2, pos, Format(), tables);
    EXPECT_EQ(static_cast<std::size_t>(pos), image.size() + 1);
}

TEST_P(GameTownTest, ATownReadOverAnotherKeepsNothingOfIt) {
    GameLayoutBuilder full = Builder();
    GameTownBuilder& busy = full.Town(0);
    GameCreature c;
    c.monster = 3;
    for (int i = 0; i < 20; ++i) {
        busy.Creature(i, c);
        busy.Item(i, 1, 1, 7, 2, 1, 1, 1);
        busy.Spot(i, 2, 2, 2);
        busy.Field(i, 3, 3, 4);
    }
    for (int n = 0; n < 60; ++n)
        busy.TalkNode(n, {1, 2, "word", "word", {1, 2, 3, 4}});
    busy.talkTexts.fill("said");
    busy.texts.fill("text");
    full.Byte(218, 1);
    Scenario s = ReadAll(full);

    GameLayoutBuilder plain = Builder();
    plain.Town(0).texts[0] = "plain";
    const auto image = plain.Build();
    FilePos pos = static_cast<FilePos>(plain.TownPos(0));
    GameTownTables tables;
    tables.Sizes[0] = 2;
    ReadTownV1(s, ByteReader(image), 0, pos, Format(), tables);
    const Scenario fresh = ReadAll(plain);
    EXPECT_TRUE(s.Towns[0] == fresh.Towns[0]);
    EXPECT_TRUE(s.TownTalks[0] == fresh.TownTalks[0]);
}

TEST_P(GameTownTest, ImpossibleSizesAndIndicesAreRefused) {
    GameLayoutBuilder b = Builder();
    b.Byte(18, 3);
    EXPECT_EQ(ReadError(b), 9);

    GameLayoutBuilder good = Builder();
    const auto image = good.Build();
    Scenario s;
    ReadScenarioImageV1(s, image, Format());
    GameTownTables tables;
    tables.Sizes.fill(2);
    for (int index : {-1, 1, 200}) {
        s.Towns.resize(201);
        s.TownTalks.resize(index == 1 ? 1 : 201);
        FilePos pos = static_cast<FilePos>(good.TownPos(0));
        try {
            ReadTownV1(s, ByteReader(image), index, pos, Format(), tables);
            ADD_FAILURE() << "town " << index << " was read";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), 9) << "town " << index;
        }
    }
    FilePos pos = static_cast<FilePos>(good.TownPos(0));
    try {
        ReadTownV1(s, ByteReader(image), 0, pos, 2, tables);
        ADD_FAILURE() << "format 2 was accepted";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 5);
    }
}

INSTANTIATE_TEST_SUITE_P(ByteOrders, GameTownTest, ::testing::Bool(), [](const auto& info) {
    return info.param ? "BigEndian" : "LittleEndian";
});

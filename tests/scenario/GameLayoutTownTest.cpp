#include "support/GameLayoutFixture.h"

namespace {
class GameTownTest : public GameLayoutTest {
  protected:
    Town ReadTown(const GameLayoutBuilder& b) { return Read(b).Towns.at(0); }
};
} // namespace

TEST_P(GameTownTest, TheSizeCodeDecidesTerrainCreaturesAndWhereTextsStartAndTownsFollowOneAnother) {
    const int sides[] = {64, 48, 32}, slots[] = {60, 40, 30};
    GameLayoutBuilder b = Builder({0, 1, 2});
    for (int size = 0; size < 3; ++size) {
        GameTownBuilder& town = b.Town(size);
        const int n = sides[size];
        town.record.Byte(3506 + 1, 21); // column 0, row 1
        town.record.Byte(3506 + n, 22); // column 1, row 0
        town.Terrain(n - 1, n - 2, 23);
        Lay(town.record, town.CreatureAt(slots[size] - 1), "9");
        town.texts[0] = "Town " + std::to_string(size);
        town.texts[139] = "last sign";
        town.talkTexts[169] = std::string(10 * size + 1, 'h');
    }
    const auto image = b.Build();
    Scenario s = Read(image);
    for (int size = 0; size < 3; ++size) {
        const Town& t = s.Towns[size];
        const int n = sides[size];
        ASSERT_EQ(t.Terrain.Side(), n);
        EXPECT_EQ(Ints(t.Size, t.Terrain.At(0, 1), t.Terrain.At(1, 0), t.Terrain.At(n - 1, n - 2),
                       t.Creatures[0].Monster),
                  Ints(size, 21, 22, 23, 9));
        EXPECT_EQ(t.Strings[0] + "|" + t.Strings[189],
                  "Town " + std::to_string(size) + "|last sign");
    }
    for (int t = 1; t < 3; ++t) {
        FilePos pos = static_cast<FilePos>(b.TownPos(t));
        ReadTownV1(s, ByteReader(image), t, pos, Format(), towns);
        EXPECT_EQ(static_cast<std::size_t>(pos), t == 1 ? b.TownPos(2) : image.size() + 1);
    }
}

TEST_P(GameTownTest, HeaderFieldsStringsNodesAndDialogueOfATownInTheirOrder) {
    GameLayoutBuilder b = Builder();
    GameTownBuilder& town = b.Town(0);
    // Day, event, the wandering groups by monster then group, wandering places, lighting,
    // entry points, exits, their specials, most monsters, entry specials, timers, difficulty.
    // clang-format off
    Lay(town.record, 0, "-1w 9w 1 11 21 31 2 12 22 32 3 13 23 33 4 14 24 34 5 @27 6 @208 3w "
        "40 41 42 43 44 45 46 47 250 251 252 253 254 255 250 251 -1w 0w 1w 2w @882 30w @1084 4w "
        "-1w 0w 100w 200w 300w 400w 500w 600w 700w 0w 1w 2w 3w 4w 5w 6w 7w @3504 10w");
    // clang-format on
    town.Sign(0, 1, 2);
    town.Sign(14, 3, 4);
    town.Boundary(1, 2, 31, 30);
    town.Rect(0, 3, 4, 5, 6);
    b.Byte(218, 1);
    for (int j = 0; j < 140; ++j)
        town.texts[j] = "t" + std::to_string(j);
    town.texts[20] = "line|line";
    Lay(town.record, town.NodeAt(99), "299w @12 7w 1w @20 3w");
    // Personality, type, the two keywords, the four extras.
    Lay(town.talk, town.TalkNodeAt(0), "-2w 9w 'shop 'buy @12 1w 5w 2w 3w");
    Lay(town.talk, town.TalkNodeAt(1), "5w 8w 'name 'abcd 1w 5w 2w 3w");
    Lay(town.talk, town.TalkNodeAt(2), "5w 8w @8 'a");
    Lay(town.talk, town.TalkNodeAt(59), "9w 10w 'ab @8 'cd @14 -40w");
    for (int j = 0; j < 170; ++j)
        town.talkTexts[j] = "d" + std::to_string(j);
    town.talkTexts[45] = "two|lines";
    const Scenario s = Read(b);
    const Town& t = s.Towns.at(0);
    const TownTalk& talk = s.TownTalks.at(0);
    EXPECT_EQ((std::vector{t.Boundary, t.AreaRects[0]}),
              (std::vector<AreaRect>{{1, 2, 31, 30}, {3, 4, 5, 6}}));

    EXPECT_EQ(Ints(t.DayDies, t.EventStop, t.Lighting, t.MaxMonsters, t.TimerMoves[7],
                   t.TimerNodes[7], t.Difficulty, t.Hidden),
              Ints(-1, 9, 3, 30, 700, 7, 10, 1));
    EXPECT_EQ(t.WanderingGroups[0].Monsters, (std::array<std::uint8_t, 4>{1, 2, 3, 4}));
    EXPECT_EQ(t.WanderingGroups[3].Monsters, (std::array<std::uint8_t, 4>{31, 32, 33, 34}));
    const std::vector<Location> locs = {t.WanderingLocs[0], t.WanderingLocs[3], t.EntryPoints[0],
                                        t.EntryPoints[3],   t.ExitLocs[0],      t.ExitLocs[2],
                                        t.SignLocs[0],      t.SignLocs[14],     t.SignLocs[15]};
    // clang-format off
    EXPECT_EQ(locs, (std::vector<Location>{{5, 0}, {100, 6}, {40, 41}, {46, 47}, {250, 251},
                                           {254, 255}, {1, 2}, {3, 4}, {100, 0}}));
    // clang-format on
    EXPECT_EQ(t.ExitSpecials, (std::array<std::int16_t, 4>{-1, 0, 1, 2}));
    EXPECT_EQ(t.EntrySpecials, (std::array<std::int16_t, 2>{4, -1}));

    // The editor's extra slots 120..169 stay free; the signs follow them.
    EXPECT_EQ((std::vector{t.Strings[0], t.Strings[20], t.Strings[119], t.Strings[120],
                           t.Strings[169], t.Strings[170], t.Strings[189]}),
              (std::vector<std::string>{"t0", "line\r\nline", "t119", "*", "*", "t120", "t139"}));
    EXPECT_EQ(t.SpecialNodes[99], (SpecialNode{299, 0, 0, 0, 0, 0, 1, 37, 0, 0, 3}));

    EXPECT_EQ(Ints(talk.Nodes[0].PersonalityNum, talk.Nodes[0].NodeType, talk.Nodes[1].Extra[1],
                   talk.Nodes[59].Extra[1], talk.Nodes[60].PersonalityNum, talk.Nodes[0].Extra[1]),
              Ints(-2, 9, 5, -10, -1, 35));
    // Keywords without a terminating zero end after four characters.
    const TalkingNode* n = talk.Nodes.data();
    const Personality* p = talk.Personalities.data();
    // clang-format off
    const std::vector<std::string> texts = {n[0].Word1, n[0].Word2, n[1].Word1, n[1].Word2,
        n[2].Word1 + "|" + n[2].Word2, n[89].Word1, p[0].Name, p[9].Name, p[0].LookResponse,
        p[0].NameResponse, p[0].JobResponse, p[9].JobResponse, n[0].Text1, n[0].Text2, n[2].Text2,
        n[59].Text2, p[0].HuhResponse, p[9].HuhResponse, n[60].Text1};
    // clang-format on
    // A keyword shorter than its four characters is held blank-padded.
    EXPECT_EQ(texts, (std::vector<std::string>{"shop", "buy ", "name", "abcd", "    |a   ", "xxxx",
                                               "d0", "d9", "d10", "d20", "d30", "d39", "d40", "d41",
                                               "two\r\nlines", "d159", "d160", "d169", ""}));
}

TEST_P(GameTownTest, SpotsItemsFieldsAndCreaturesArePackedIntoListsThatGrowByEightAndAreReadOver) {
    GameLayoutBuilder b = Builder();
    GameTownBuilder& town = b.Town(0);
    town.Spot(3, 60, 70, 99); // no range test
    town.Spot(49, 0, 0, 1);
    // Items: place, item, charges, then always there, property and contained.
    Lay(town.record, town.ItemAt(1), "3 4 0w -1w @7 1 0 1");
    Lay(town.record, town.ItemAt(5), "70 5 600w 12w @7 0 1 0"); // beyond the editor's ranges
    Lay(town.record, town.ItemAt(6), "7 8 -2w");
    Lay(town.record, town.ItemAt(9), "1 2 3w 4w @7 5 6 7"); // every field its own value
    // Fields: place and game field code.
    Lay(town.record, town.FieldAt(0), "0 0 0w 1 2 3w 2 4 -4w 3 6 8w 4 8 14w 5 10 21w 6 12 1w");
    // Monster, attitude, place, can move, time flag, flags, group, times, personality, the
    // node when killed, portrait.
    const std::string creature = " 3 10 11 1 7 @8 299w 9w 10 @14 20 21 13w 99w 1005w";
    Lay(town.record, town.CreatureAt(4), "200" + creature);
    Town t = ReadTown(b);
    ASSERT_EQ(Ints(t.MaxSpecialSpot(), t.MaxPresetItem(), t.MaxField(), t.MaxCreature()),
              Ints(7, 7, 7, 15));
    EXPECT_EQ(t.Creatures[0],
              (TownCreature{200, 10, 11, 3, 1, 7, 13, 1005, 20, 21, 10, 99, 299, 9}));
    EXPECT_EQ(Ints(t.Creatures[1].Monster, t.Creatures[1].CanMove), Ints(0, 1)); // as cleared
    EXPECT_EQ(std::vector(t.SpecialSpots.begin(), t.SpecialSpots.begin() + 3),
              (std::vector<SpecialSpot>{{99, 60, 70}, {1, 0, 0}, {-1, 100, 0}}));
    EXPECT_EQ(std::vector(t.PresetItems.begin(), t.PresetItems.begin() + 4),
              // clang-format off
              (std::vector<PresetItem>{{0, 3, 4, -1, 1, 0, 1}, {600, 70, 5, 12, 0, 1, 0},
                                       {3, 1, 2, 4, 5, 6, 7}, {-1, 100, 0, 0, 0, 0, 0}}));
    // clang-format on
    // Game field codes map to the editor's kinds; 1 is no field.
    EXPECT_EQ(std::vector(t.Fields.begin(), t.Fields.begin() + 6),
              // clang-format off
              (std::vector<TownField>{{0, 1, 2}, {5, 3, 6}, {6, 4, 8}, {13, 5, 10},
                                      {GameFieldKindMap[1], 6, 12}, {-1, 100, 0}}));
    // clang-format on

    for (int i = 0; i < 50; ++i)
        town.Spot(i, i, i, i);
    for (int i = 10; i < 19; ++i) {
        const std::string n = std::to_string(i);
        Lay(town.record, town.ItemAt(i), n + " " + n + " " + n + "w " + n + "w");
    }
    for (int i = 0; i < 17; ++i)
        Lay(town.record, town.CreatureAt(i), std::to_string(i + 1) + creature);
    t = ReadTown(b);
    ASSERT_EQ(Ints(t.MaxSpecialSpot(), t.MaxPresetItem(), t.MaxCreature()), Ints(55, 15, 23));
    EXPECT_EQ(t.Creatures[16].Monster, 17);
    const TownCreature grown{0, 100, 0, 0, 0, 0, -1, 0, 0, 0, 0, -1, -1, -1};
    EXPECT_EQ(std::vector(t.Creatures.begin() + 17, t.Creatures.end()), std::vector(7, grown));
    // Entries added by growing carry the default charges.
    EXPECT_EQ(std::vector(t.SpecialSpots.begin() + 49, t.SpecialSpots.begin() + 51),
              (std::vector<SpecialSpot>{{49, 49, 49}, {-1, 100, 0}}));
    EXPECT_EQ(std::vector(t.PresetItems.begin() + 11, t.PresetItems.begin() + 13),
              (std::vector<PresetItem>{{18, 18, 18, 18, 0, 0, 0}, {-1, 100, 0, -1, 0, 0, 0}}));

    // A town read over this one keeps nothing of it.
    for (int n = 0; n < 60; ++n)
        Lay(town.talk, town.TalkNodeAt(n), "1w 2w 'word 'word 1w 2w 3w 4w");
    town.talkTexts.fill("said");
    town.texts.fill("text");
    b.Byte(218, 1);
    Scenario busy = Read(b);
    GameLayoutBuilder plain = Builder();
    plain.Town(0).texts[0] = "plain";
    const Scenario fresh = Read(plain);
    FilePos pos = static_cast<FilePos>(plain.TownPos(0));
    ReadTownV1(busy, ByteReader(plain.Build()), 0, pos, Format(), towns);
    EXPECT_TRUE(busy.Towns[0] == fresh.Towns[0] && busy.TownTalks[0] == fresh.TownTalks[0]);

    Lay(town.record, town.FieldAt(49), "0 0 22w");
    EXPECT_EQ(ReadError(b), 9);
}

TEST_P(GameTownTest, RectangleCornersAboveAByteAndImpossibleSizesIndicesAndFormats) {
    GameLayoutBuilder above = Builder(), wide = Builder(), negative = Builder();
    above.Town(0).Rect(15, 0, 300, 31, 255);
    wide.Town(0).Boundary(0x0105, 0, 0, 0);
    negative.Town(0).Rect(1, -1, 0, 0, 0);
    EXPECT_EQ(ReadError(negative), 6);
    if (Big()) {
        // The big-endian files' stray values above a byte are dropped.
        EXPECT_EQ(ReadTown(above).AreaRects[15], (AreaRect{0, 0, 31, 255}));
        EXPECT_EQ(ReadError(wide), 6);
    } else {
        EXPECT_EQ(ReadError(above), 6);
        EXPECT_EQ(ReadTown(wide).Boundary.Left, 5); // only the low byte is read
    }

    GameLayoutBuilder b = Builder();
    b.Byte(18, 3);
    EXPECT_EQ(ReadError(b), 9);

    const GameLayoutBuilder good = Builder();
    const auto image = good.Build();
    Scenario s = Read(image);
    towns.Sizes.fill(2);
    for (auto [index, format, error] :
         {std::tuple{-1, Format(), 9}, {1, Format(), 9}, {200, Format(), 9}, {0, 2, 5}}) {
        s.Towns.resize(201);
        s.TownTalks.resize(index == 1 ? 1 : 201);
        FilePos pos = static_cast<FilePos>(good.TownPos(0));
        // Lambdas cannot capture structured bindings on every compiler we build with.
        const int town = index;
        const int layout = format;
        EXPECT_EQ(ErrorOf([&] { ReadTownV1(s, ByteReader(image), town, pos, layout, towns); }),
                  error)
            << "town " << index << ", format " << format;
    }
}

INSTANTIATE_BYTE_ORDERS(GameTownTest);

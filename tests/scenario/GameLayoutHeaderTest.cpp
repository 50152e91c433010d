#include "support/GameLayoutFixture.h"
#include "support/SampleScenario.h"

namespace {
class GameHeaderTest : public GameLayoutTest {};
} // namespace

TEST_P(GameHeaderTest, HeaderValuesTownTablesTextsNodesSmallRecordsAndNothingEarlier) {
    GameLayoutBuilder b(Big(), 3, 2, {0, 1, 2});
    // Version, rating and icon; the size of town 199 (beyond the count, but kept in the table)
    // and two hidden towns; the starts; the difficulty; the current section and town.
    Lay(b, 5, "1 2 3 @10 3 29");
    Lay(b, 217, "2 0 1 @200 1 @208 25 26 27 28 29 30 31");
    Lay(b, 3129, "4");
    Lay(b, 41939, "2 1 2w");
    b.texts[0] = "The Quest";
    b.texts[4] = "Intro|second line";
    b.texts[10] = "overwritten";
    b.texts[259] = std::string(255, 'x');
    b.texts[260] = "stepped over";
    Lay(b, GameLayoutBuilder::kScenNodes + 22 * 255, "99w @12 1w @20 -1w");
    Lay(b, 2435, "-1w @18 8w 290w 0w @56 299w 9w"); // the towns of entries 0 and 9, their flags
    b.SavedItemRect(0, 1, 2, 3, 4);
    b.SavedItemRect(2, 70, 0, 255, 9);
    // Area towns 0 and 2, then the flags of special items 0..7 and the node of item 49.
    Lay(b, 2921, "5w 0w -1w @8 0w 1w 10w 11w 2w 12w 100w -1w @206 255w");
    Lay(b, 35481 + 2 * 19, "1019w @2 -1w @40 18w");
    Lay(b, 41195 + 44 * 9 + 40, "-7w 99w"); // then the unkept last integer
    // Boats 0, 23 and 24, which is not read; horse 5.
    Lay(b, GameLayoutBuilder::kBoats, "10 11 @6 3w @9 1 @230 12 13 @236 -1w @239 0 99 99 @246 99w");
    Lay(b, GameLayoutBuilder::kHorses + 50, "20 21 @6 4w @9 1");
    const auto image = b.Build();
    const Scenario s = Read(image);
    EXPECT_EQ(Ints(s.ScenVersion[0], s.ScenVersion[1], s.ScenVersion[2], s.TownCount,
                   s.OutdoorWidth, s.OutdoorHeight, s.ScenRating, s.ScenIcon, s.ScenDifficulty,
                   s.ListsLocked, s.CurrentOutdoorX, s.CurrentOutdoorY, s.CurrentTown),
              Ints(1, 2, 3, 3, 3, 2, 3, 29, 4, 1, 2, 1, 2));
    EXPECT_EQ(Ints(s.StartTownLoc.X, s.StartTownLoc.Y, s.StartOutdoorSection[0],
                   s.StartOutdoorSection[1], s.StartOutdoorLoc.X, s.StartOutdoorLoc.Y, s.StartTown),
              Ints(25, 26, 27, 28, 29, 30, 31));
    EXPECT_EQ(
        Ints(towns.Sizes[0], towns.Sizes[2], towns.Sizes[199], towns.Hidden[1], towns.Hidden[199]),
        Ints(0, 2, 2, 1, 1));
    ASSERT_EQ(s.Towns.size(), 3u);
    EXPECT_EQ(Ints(s.Towns[1].Size, s.Towns[1].Hidden, s.Towns[2].Terrain.Side()), Ints(1, 1, 32));

    const auto& t = s.ScenStrings;
    EXPECT_EQ((std::vector{t[0], t[4], t[12], t[259], t[313], t[319]}),
              (std::vector<std::string>{"The Quest", "Intro\r\nsecond line", "Begin journal strs",
                                        std::string(255, 'x'), "", ""}));
    EXPECT_EQ(Ints(t[10].size(), t[11].size()), Ints(202, 113));
    EXPECT_TRUE(std::equal(DialogButtonLabels.begin(), DialogButtonLabels.end(), &t[260]));
    EXPECT_EQ(s.ScenSpecialNodes[255], (SpecialNode{99, 0, 0, 0, 0, 0, 31, 0, 0, 0, -1}));
    Scenario header;
    FilePos pos = 12345; // ignored
    ReadScenHeaderV1(header, ByteReader(image), pos, Format(), towns);
    EXPECT_EQ(static_cast<std::size_t>(pos), b.SectionPos(0, 0));
    EXPECT_EQ((std::vector{s.Boats[0], s.Boats[23], s.Horses[5], s.Horses[0]}),
              (std::vector<Transport>{{3, 10, 11, 1}, {-1, 12, 13, 0}, {4, 20, 21, 1}, {}}));
    EXPECT_EQ((std::vector{s.VarTownEntries[0], s.VarTownEntries[9]}),
              (std::vector<VarTownEntry>{{-1, 290, 0}, {8, 299, 9}}));
    EXPECT_EQ(s.SavedItemAreas,
              (std::array<SavedItemArea, 4>{
                  {{5, 1, 2, 3, 4}, {0, 0, 0, 0, 0}, {-1, 70, 0, 255, 9}, {-1, 0, 0, 0, 0}}}));
    EXPECT_EQ(Column(s.SpecialItems, &SpecialItem::StartsWith, 8), Ints(0, 0, 1, 1, 0, 0, 0, 0));
    EXPECT_EQ(Column(s.SpecialItems, &SpecialItem::Usable, 8), Ints(0, 1, 0, 1, 0, 0, 0, 0));
    EXPECT_EQ(Ints(s.SpecialItems[49].Node, s.EventTimerMoves[19], s.EventTimerNodes[0],
                   s.EventTimerNodes[19], s.ItemPlacementShortcuts[9].Values[20]),
              Ints(255, 1019, -1, 18, -7));

    // Nothing of an earlier scenario survives; the flag names live in their own file.
    Scenario reused = MakeVariedScenario(2, 2, 2, 5);
    ReadScenarioImageV1(reused, image, Format(), towns);
    reused.StuffDoneNames = s.StuffDoneNames;
    EXPECT_TRUE(reused == s);
}

TEST_P(GameHeaderTest, MonsterTerrainAndItemRecordConversionsAndTheItemsTheLayoutLacks) {
    GameLayoutBuilder b = Builder();
    // Dice 2d10, 0d5 and 25d99; each plain byte its own value.
    Lay(b, b.MonsterAt(1),
        "@1 12 @28 300w @36 4 5 210w 5w 2599w 7 9 146 147 @49 149 150 151 152 153 154 "
        "155 @60 450w 35w @95 0xC3 0x34 0x12 198 199 200 201 202 @106 4w");
    b.Chars(GameLayoutBuilder::kMonsterNames + 20, "Goblin");
    b.Chars(GameLayoutBuilder::kMonsterNames + 40, std::string(20, 'M')); // no zero byte
    // picture as stored and as read, resistance byte, and the four resistances
    const std::array<int, 7> rows[] = {
        {3, 3, 0x01, 1, 0, 0, 0},       {4, 6, 0x02, 2, 0, 0, 0},
        {999, 1001, 0x04, 0, 1, 0, 0},  {1000, 1000, 0x0C, 0, 2, 0, 0},
        {2003, 2003, 0x30, 0, 0, 2, 0}, {5, 7, 0x40, 0, 0, 0, 1}};
    for (int i = 0; i < 6; ++i)
        Lay(b, b.MonsterAt(10 + i),
            "@95 " + std::to_string(rows[i][2]) + " @106 " + std::to_string(rows[i][0]) + "w");
    Lay(b, b.ItemAt(0), "16w 1 @4 40 50 60 70 80 90 100 110 120 130 @16 1500w 18 19 @62 3");
    b.Chars(b.ItemAt(0) + 22, "Broadsword of the North");
    b.Chars(b.ItemAt(0) + 47, "Sword");
    b.Chars(b.ItemAt(399) + 22, "Last");
    // Kinds, then all four flags, only the ignored bits, then one flag bit each so that no two
    // flags can trade bits unseen.
    const std::array<int, 7> items[] = {{17, 0x35, 16, 1, 1, 1, 1},   {15, 0xCA, 15, 0, 0, 0, 0},
                                        {600, 0x01, 599, 1, 0, 0, 0}, {0, 0x04, 0, 0, 1, 0, 0},
                                        {0, 0x10, 0, 0, 0, 1, 0},     {0, 0x20, 0, 0, 0, 0, 1}};
    for (int i = 0; i < 6; ++i)
        Lay(b, b.ItemAt(1 + i),
            std::to_string(items[i][0]) + "w @63 " + std::to_string(items[i][1]));
    for (int i = 0; i < 256; ++i)
        Lay(b, b.TerrainAt(i), "300w @5 3"); // nothing plain, nothing represented
    Lay(b, b.TerrainAt(1), "300w 5 6 7 3 9 10 11 12 13 14 103");
    b.Chars(GameLayoutBuilder::kTerrainNames + 30, "Grass");
    // Terrain, picture, special: the last plain terrain with each picture represents it.
    // clang-format off
    for (auto [i, picture, special] : {std::tuple{7, 44, 0}, {82, 0, 0}, {83, 0, 0}, {125, 0, 0},
             {100, 0, 0}, {101, 0, 0}, {102, 123, 0}, {103, 157, 1} /* not plain: not remembered */,
             {104, 163, 0}, {105, 2, 0}, {106, 32, 0}})
        // clang-format on
        Lay(b, b.TerrainAt(i), std::to_string(picture) + "w @5 " + std::to_string(special));
    for (int i = 0; i < 8; ++i) // pictures 207..213 and 206
        Lay(b, b.TerrainAt(200 + i), std::to_string(i == 7 ? 206 : 207 + i) + "w @5 3 77");
    const Scenario s = Read(b);

    // The name is held blank-padded to its 20 characters, as the editor's own layout holds it.
    // clang-format off
    EXPECT_EQ(s.MonsterTypes[1], (MonsterType{"Goblin              ", 6, 0x1234, 202, 146, 12, 300,
        4, 5, 147, 149, 150, 200, 153, 450, 35, 155, 154, {7, 9, 9}, {2, 0, 25}, {10, 5, 99}, 152,
        151, 198, 199, 201, 2, 0, 0, 2, {}}));
    // clang-format on
    EXPECT_EQ(s.MonsterTypes[2].Name, std::string(20, 'M'));
    for (int i = 0; i < 6; ++i) {
        const MonsterType& r = s.MonsterTypes[10 + i];
        EXPECT_EQ(Ints(r.Picture, r.MagicRes, r.FireRes, r.ColdRes, r.PoisonRes),
                  Ints(rows[i][1], rows[i][3], rows[i][4], rows[i][5], rows[i][6]))
            << "picture " << rows[i][0];
    }

    // clang-format off
    EXPECT_EQ(s.ItemTypes[0], (ItemType{"Broadsword of the North  ", "Sword          ", 100, 12,
        1500, 18, 1, 40, 50, 60, 70, 80, 90, 110, 120, 130, 0, 19, 3, 0, 0, 0, 0}));
    // clang-format on
    for (int i = 0; i < 6; ++i) {
        const ItemType& one = s.ItemTypes[1 + i];
        EXPECT_EQ(Ints(one.ItemKind, one.Identified, one.Magical, one.Cursed, one.ConcealAbility),
                  Ints(items[i][2], items[i][3], items[i][4], items[i][5], items[i][6]))
            << "kind " << items[i][0] << ", flags " << items[i][1];
    }
    EXPECT_EQ(s.ItemTypes[399].Name, "Last" + std::string(21, ' '));
    const ItemType empty{.Name = "Empty" + std::string(20, ' '),
                         .UnidName = "Empty" + std::string(10, ' '),
                         .WeaponType = 1};
    for (int i = 400; i < 500; ++i)
        ASSERT_EQ(s.ItemTypes[i], empty) << "item " << i;

    EXPECT_EQ(s.TerrainTypes[1], (TerrainType{"Grass" + std::string(25, ' '), 300, 6, 7, 5, 9, 10,
                                              11, 12, 13, 14, 3, "g", -1}));
    EXPECT_EQ(s.TerrainTypes[2].ShortcutKey, " ");
    // terrain, special property, extra 1 where it becomes 1
    // clang-format off
    for (auto [number, special, extra1] : {std::tuple{7, 1, 44}, {10, 1, 300}, {13, 1, 300},
             {16, 1, 300}, {82, 25, 0}, {83, 26, 0}, {125, 24, 0}, {142, 24, 0}, {157, 24, 0},
             {84, 3, 0}})
        // clang-format on
        EXPECT_EQ(Ints(s.TerrainTypes[number].SpecialProperty,
                       special == 1 ? s.TerrainTypes[number].Extra1 : 0),
                  Ints(special, extra1))
            << "terrain " << number;
    // 82, 83 and 125 show picture 0 but are no longer plain once converted.
    EXPECT_EQ(Column(std::span(s.TerrainTypes).subspan(200, 8), &TerrainType::TransformTo),
              Ints(101, 102, 0, 104, 105, 106, 77, 77));
    const auto& t = s.TerrainTypes; // wall groups derived, as the clearing tests check in full
    EXPECT_EQ(Ints(t[5].TerrainSet, t[62].TerrainSet, t[63].TerrainSet), Ints(0, 3, -1));
}

TEST_P(GameHeaderTest, ImpossibleCountsSizesAndValuesThatDoNotFitTheirFieldsAreRefused) {
    // Town count, world width and height; then byte fields given 16-bit values: the current
    // town, a saved-item area's corners, attack dice, the reserved integer's high byte.
    const std::size_t monster = GameLayoutBuilder::MonsterAt(3);
    // clang-format off
    const std::tuple<std::size_t, const char*, int> rows[] = {
        {12, "0", 9}, {12, "201", 9}, {12, "255", 9}, {13, "0", 9}, {13, "51", 9}, {14, "0", 9},
        {14, "51", 9}, {41941, "256w", 6}, {41941, "-1w", 6}, {2905, "@4 256w", 6},
        {2897, "-1w", 6}, {monster + 38, "25600w", 6}, {monster + 40, "-50w", 6},
        {monster + 42, "25599w", 0}, {monster + 97, "0x80", 6}};
    // clang-format on
    for (const auto& [pos, literal, error] : rows) {
        GameLayoutBuilder b = Builder();
        Lay(b, pos, literal);
        EXPECT_EQ(ReadError(b), error) << "position " << pos << " = " << literal;
    }
    EXPECT_EQ(ReadError(GameLayoutBuilder(Big(), 1, 1, std::vector<int>(200, 2))), 0);
}

INSTANTIATE_BYTE_ORDERS(GameHeaderTest);

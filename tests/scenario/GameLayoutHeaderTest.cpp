#include "support/GameLayoutFixture.h"
#include "support/SampleScenario.h"

namespace {
class GameHeaderTest : public GameLayoutTest {};

constexpr std::size_t Monster(int i, int offset) {
    return GameLayoutBuilder::kMonsters + GameLayoutBuilder::kMonsterSize * i + offset;
}
constexpr std::size_t Terrain(int i, int offset) {
    return GameLayoutBuilder::kTerrains + GameLayoutBuilder::kTerrainSize * i + offset;
}
constexpr std::size_t Item(int i, int offset) {
    return GameLayoutBuilder::kItems + GameLayoutBuilder::kItemSize * i + offset;
}
} // namespace

TEST_P(GameHeaderTest, HeaderValuesAndTownTables) {
    GameLayoutBuilder b(Big(), 3, 2, {0, 1, 2});
    // Version, rating, icon, two hidden towns and the size of town 199 (beyond the count, but
    // kept in the table), the current section and the difficulty.
    for (auto [pos, value] : {std::pair{5, 1},
                              {6, 2},
                              {7, 3},
                              {15, 3},
                              {16, 29},
                              {219, 1},
                              {417, 1},
                              {217, 2},
                              {41939, 2},
                              {41940, 1},
                              {3129, 4}})
        b.Byte(pos, value);
    for (int pos = 425; pos <= 431; ++pos)
        b.Byte(pos, pos - 400);
    b.Int(41941, 2);
    const Scenario s = Read(b);

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
}

TEST_P(GameHeaderTest, SmallScenarioWideRecords) {
    GameLayoutBuilder b = Builder();
    for (int i = 0; i < 10; ++i) {
        b.Int(2435 + 2 * i, i - 1);
        b.Int(2455 + 4 * i, 290 + i);
        b.Int(2457 + 4 * i, i);
    }
    b.SavedItemRect(0, 1, 2, 3, 4);
    b.SavedItemRect(2, 70, 0, 255, 9);
    b.Int(2921, 5);
    b.Int(2925, -1);
    const int flags[] = {0, 1, 10, 11, 2, 12, 100, -1};
    for (int i = 0; i < 8; ++i)
        b.Int(2929 + 2 * i, flags[i]);
    b.Int(3029 + 2 * 49, 255);
    for (int i = 0; i < 20; ++i) {
        b.Int(35481 + 2 * i, 1000 + i);
        b.Int(35521 + 2 * i, i - 1);
    }
    b.Int(41195 + 44 * 9 + 40, -7);
    b.Int(41195 + 44 * 9 + 42, 99); // the unkept last integer
    const Scenario s = Read(b);

    const VarTownEntry& v = s.VarTownEntries[9];
    EXPECT_EQ(Ints(s.VarTownEntries[0].Town, v.Town, v.StuffDoneA, v.StuffDoneB),
              Ints(-1, 8, 299, 9));
    EXPECT_EQ(s.SavedItemAreas[0], (SavedItemArea{5, 1, 2, 3, 4}));
    EXPECT_EQ(s.SavedItemAreas[2], (SavedItemArea{-1, 70, 0, 255, 9}));
    EXPECT_EQ(s.SavedItemAreas[3], (SavedItemArea{-1, 0, 0, 0, 0}));
    const std::pair<int, int> expected[] = {{0, 0}, {0, 1}, {1, 0}, {1, 1},
                                            {0, 0}, {0, 0}, {0, 0}, {0, 0}};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(std::pair(+s.SpecialItems[i].StartsWith, +s.SpecialItems[i].Usable), expected[i])
            << "flag " << flags[i];
    EXPECT_EQ(Ints(s.SpecialItems[49].Node, s.EventTimerMoves[19], s.EventTimerNodes[0],
                   s.EventTimerNodes[19], s.ItemPlacementShortcuts[9].Values[20]),
              Ints(255, 1019, -1, 18, -7));
}

TEST_P(GameHeaderTest, BoatsAndHorsesFirstTwentyFourOnly) {
    GameLayoutBuilder b = Builder();
    auto transport = [&](std::size_t first, int i, int x, int y, int town, int notOwned) {
        const std::size_t at = first + GameLayoutBuilder::kTransportSize * i;
        b.Byte(at, x);
        b.Byte(at + 1, y);
        b.Int(at + 6, town);
        b.Byte(at + 9, notOwned);
    };
    transport(GameLayoutBuilder::kBoats, 0, 10, 11, 3, 1);
    transport(GameLayoutBuilder::kBoats, 23, 12, 13, -1, 0);
    transport(GameLayoutBuilder::kBoats, 24, 99, 99, 99, 1);
    transport(GameLayoutBuilder::kHorses, 5, 20, 21, 4, 1);
    const Scenario s = Read(b);
    EXPECT_EQ(s.Boats[0], (Transport{3, 10, 11, 1}));
    EXPECT_EQ(s.Boats[23], (Transport{-1, 12, 13, 0}));
    EXPECT_EQ(s.Horses[5], (Transport{4, 20, 21, 1}));
    EXPECT_EQ(s.Horses[0], (Transport{0, 0, 0, 0}));
}

TEST_P(GameHeaderTest, MonsterRecordConversions) {
    GameLayoutBuilder b = Builder();
    // Dice 2d10, 0d5 and 25d99; each plain byte its own value.
    for (auto [offset, value] :
         {std::pair{28, 300}, {38, 210}, {40, 5}, {42, 2599}, {60, 450}, {62, 35}, {106, 4}})
        b.Int(Monster(1, offset), value);
    for (auto [offset, value] :
         {std::pair{1, 12}, {36, 4}, {37, 5}, {44, 7}, {45, 9}, {95, 0xC3}, {96, 0x34}, {97, 0x12}})
        b.Byte(Monster(1, offset), value);
    for (int offset : {46, 47, 49, 50, 51, 52, 53, 54, 55, 98, 99, 100, 101, 102})
        b.Byte(Monster(1, offset), 100 + offset);
    b.Chars(GameLayoutBuilder::kMonsterNames + 20, "Goblin");
    b.Chars(GameLayoutBuilder::kMonsterNames + 40, std::string(20, 'M')); // no zero byte
    const int pictures[] = {3, 4, 999, 1000, 2003};
    for (int i = 0; i < 5; ++i)
        b.Int(Monster(10 + i, 106), pictures[i]);
    const int resistances[] = {0x01, 0x02, 0x04, 0x0C, 0x30, 0x40};
    for (int i = 0; i < 6; ++i)
        b.Byte(Monster(20 + i, 95), resistances[i]);
    const Scenario s = Read(b);

    const MonsterType& m = s.MonsterTypes[1];
    // Held blank-padded to its 20 characters, as the editor's own layout holds it.
    EXPECT_EQ(m.Name, "Goblin              ");
    EXPECT_EQ(s.MonsterTypes[2].Name, std::string(20, 'M'));
    EXPECT_EQ(m.AttackDice, (std::array<std::uint8_t, 3>{2, 0, 25}));
    EXPECT_EQ(m.AttackSides, (std::array<std::uint8_t, 3>{10, 5, 99}));
    EXPECT_EQ(m.AttackTypes, (std::array<std::uint8_t, 3>{7, 9, 9}));
    EXPECT_EQ(Ints(m.Level, m.Health, m.Armor, m.Skill, m.ItemDropped, m.ChanceDrop, m.Reserved1,
                   m.Picture),
              Ints(12, 300, 4, 5, 450, 35, 0x1234, 6));
    EXPECT_EQ(Ints(m.Kind, m.Speed, m.MageLevel, m.PriestLevel, m.BreathStr, m.BreathWpn,
                   m.Treasure, m.SpAbility, m.Poison, m.CreateGenerate, m.CreateExtra, m.Attitude,
                   m.SummonType, m.TalkPicture),
              Ints(146, 147, 149, 150, 151, 152, 153, 154, 155, 198, 199, 200, 201, 202));
    EXPECT_EQ(Ints(m.MagicRes, m.FireRes, m.ColdRes, m.PoisonRes), Ints(2, 0, 0, 2));
    EXPECT_EQ(m.Reserved2, (std::array<std::uint8_t, 3>{}));

    const int converted[] = {3, 6, 1001, 1000, 2003};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(s.MonsterTypes[10 + i].Picture, converted[i]) << "picture " << pictures[i];
    const std::vector<int> resisted[] = {{1, 0, 0, 0}, {2, 0, 0, 0}, {0, 1, 0, 0},
                                         {0, 2, 0, 0}, {0, 0, 2, 0}, {0, 0, 0, 1}};
    for (int i = 0; i < 6; ++i) {
        const MonsterType& r = s.MonsterTypes[20 + i];
        EXPECT_EQ(Ints(r.MagicRes, r.FireRes, r.ColdRes, r.PoisonRes), resisted[i])
            << "resistance byte " << resistances[i];
    }
}

TEST_P(GameHeaderTest, TerrainConversions) {
    GameLayoutBuilder b = Builder();
    auto terrain = [&](int i, int picture, int special) {
        b.Int(Terrain(i, 0), picture);
        b.Byte(Terrain(i, 5), special);
    };
    for (int i = 0; i < 256; ++i)
        terrain(i, 300, 3); // nothing plain, nothing represented
    for (int offset : {2, 3, 4, 6, 7, 8, 9, 10, 11})
        b.Byte(Terrain(1, offset), offset + 3);
    b.Chars(Terrain(1, 12), "g");
    b.Chars(GameLayoutBuilder::kTerrainNames + 30, "Grass");
    for (auto [i, picture, special] : {std::tuple{7, 44, 0},
                                       {82, 0, 0},
                                       {83, 0, 0},
                                       {125, 0, 0},
                                       // the last plain terrain with each picture represents it
                                       {100, 0, 0},
                                       {101, 0, 0},
                                       {102, 123, 0},
                                       {103, 157, 1}, // not plain: not remembered
                                       {104, 163, 0},
                                       {105, 2, 0},
                                       {106, 32, 0}})
        terrain(i, picture, special);
    const int transforming[] = {207, 208, 209, 210, 211, 212, 213, 206};
    for (int i = 0; i < 8; ++i) {
        terrain(200 + i, transforming[i], 3);
        b.Byte(Terrain(200 + i, 6), 77);
    }
    const Scenario s = Read(b);

    const TerrainType& t = s.TerrainTypes[1];
    EXPECT_EQ(t.Name, "Grass" + std::string(25, ' '));
    EXPECT_EQ(Ints(t.Blockage, t.Extra1, t.Extra2, t.TransformTo, t.FlyOver, t.BoatOver,
                   t.HorseBlocked, t.Light, t.Sound),
              Ints(5, 6, 7, 9, 10, 11, 12, 13, 14));
    EXPECT_EQ(t.ShortcutKey, "g");
    EXPECT_EQ(s.TerrainTypes[2].ShortcutKey, " ");
    for (auto [number, special, extra1] : {std::tuple{7, 1, 44},
                                           {10, 1, 300},
                                           {13, 1, 300},
                                           {16, 1, 300},
                                           {82, 25, 0},
                                           {83, 26, 0},
                                           {125, 24, 0},
                                           {142, 24, 0},
                                           {157, 24, 0},
                                           {84, 3, 0}})
        EXPECT_EQ(Ints(s.TerrainTypes[number].SpecialProperty,
                       special == 1 ? s.TerrainTypes[number].Extra1 : 0),
                  Ints(special, extra1))
            << "terrain " << number;
    // 82, 83 and 125 show picture 0 but are no longer plain once converted.
    const int expectedTransform[] = {101, 102, 0, 104, 105, 106, 77, 77};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(s.TerrainTypes[200 + i].TransformTo, expectedTransform[i])
            << "picture " << transforming[i];
    const std::pair<int, int> sets[] = {{4, -1}, {5, 0},  {7, -1}, {16, -1}, {21, 0},
                                        {22, 1}, {49, 2}, {62, 3}, {63, -1}};
    for (auto [number, set] : sets)
        EXPECT_EQ(s.TerrainTypes[number].TerrainSet, set) << "terrain " << number;
}

TEST_P(GameHeaderTest, ItemRecordsAndTheItemsTheLayoutLacks) {
    GameLayoutBuilder b = Builder();
    const int kinds[] = {16, 17, 15, 600};
    for (int i = 0; i < 4; ++i)
        b.Int(Item(i, 0), kinds[i]);
    b.Byte(Item(0, 2), 1);
    for (int offset = 4; offset <= 13; ++offset)
        b.Byte(Item(0, offset), offset * 10);
    b.Int(Item(0, 16), 1500);
    b.Byte(Item(0, 18), 18);
    b.Byte(Item(0, 19), 19);
    b.Chars(Item(0, 22), "Broadsword of the North");
    b.Chars(Item(0, 47), "Sword");
    b.Byte(Item(0, 62), 3);
    // All four flags, only the ignored bits, then one flag bit each so that no two flags can
    // trade bits unseen.
    const int flagBytes[] = {0x35, 0xCA, 0x01, 0x04, 0x10, 0x20};
    for (int i = 0; i < 6; ++i)
        b.Byte(Item(4 + i, 63), flagBytes[i]);
    b.Chars(Item(399, 22), "Last");
    const Scenario s = Read(b);

    const int expectedKinds[] = {12, 16, 15, 599};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(s.ItemTypes[i].ItemKind, expectedKinds[i]) << "kind " << kinds[i];
    const ItemType& it = s.ItemTypes[0];
    EXPECT_EQ(Ints(it.Level, it.Awkwardness, it.Bonus, it.Protection, it.Charges, it.WeaponType,
                   it.MagicUse, it.Picture, it.Ability, it.AbilityStrength, it.TypeFlag, it.Value,
                   it.Weight, it.SpecialClass, it.TreasureClass),
              Ints(1, 40, 50, 60, 70, 80, 90, 100, 110, 120, 130, 1500, 18, 19, 3));
    EXPECT_EQ(it.Name, "Broadsword of the North  ");
    EXPECT_EQ(it.UnidName, "Sword          ");
    const std::vector<int> flags[] = {{1, 1, 1, 1}, {0, 0, 0, 0}, {1, 0, 0, 0},
                                      {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    for (int i = 0; i < 6; ++i) {
        const ItemType& one = s.ItemTypes[4 + i];
        EXPECT_EQ(Ints(one.Identified, one.Magical, one.Cursed, one.ConcealAbility), flags[i])
            << "flag byte " << flagBytes[i];
    }
    EXPECT_EQ(s.ItemTypes[399].Name, "Last" + std::string(21, ' '));
    ItemType empty;
    empty.Name = "Empty" + std::string(20, ' ');
    empty.UnidName = "Empty" + std::string(10, ' ');
    empty.WeaponType = 1;
    for (int i = 400; i < 500; ++i)
        ASSERT_EQ(s.ItemTypes[i], empty) << "item " << i;
}

TEST_P(GameHeaderTest, ScenarioTextsNodesAndFixedStrings) {
    GameLayoutBuilder b = Builder();
    b.texts[0] = "The Quest";
    b.texts[4] = "Intro|second line";
    b.texts[10] = "overwritten";
    b.texts[259] = std::string(255, 'x');
    b.texts[260] = "stepped over";
    b.ScenNode(255, {.type = 99, .extra1a = 1, .jumpTo = -1});
    const auto image = b.Build();

    Scenario s;
    FilePos pos = 12345; // ignored
    ReadScenHeaderV1(s, ByteReader(image), pos, Format(), towns);
    EXPECT_EQ(static_cast<std::size_t>(pos), b.SectionPos(0, 0));
    EXPECT_EQ(s.ScenStrings[0], "The Quest");
    EXPECT_EQ(s.ScenStrings[4], "Intro\r\nsecond line");
    EXPECT_EQ(s.ScenStrings[259], std::string(255, 'x'));
    EXPECT_EQ(s.ScenStrings[10].size(), 202u);
    EXPECT_EQ(s.ScenStrings[11].size(), 113u);
    EXPECT_EQ(s.ScenStrings[12], "Begin journal strs");
    EXPECT_EQ(s.ScenStrings[260], "Done");
    for (int k = 0; k < 53; ++k)
        EXPECT_EQ(s.ScenStrings[260 + k], DialogButtonLabels[k]);
    for (int k = 313; k < 320; ++k)
        EXPECT_EQ(s.ScenStrings[k], "");
    EXPECT_EQ(s.ScenSpecialNodes[255], (SpecialNode{99, 0, 0, 0, 0, 0, 31, 0, 0, 0, -1}));
}

TEST_P(GameHeaderTest, NothingOfAnEarlierScenarioSurvives) {
    GameLayoutBuilder b = Builder();
    b.Int(2929, 7); // an unknown special-item flag value
    const Scenario fresh = Read(b);
    Scenario reused = MakeVariedScenario(2, 2, 2, 5);
    ReadScenarioImageV1(reused, b.Build(), Format(), towns);
    // The flag names live in their own file, not in the scenario file.
    reused.StuffDoneNames = fresh.StuffDoneNames;
    EXPECT_TRUE(reused == fresh);
}

TEST_P(GameHeaderTest, ImpossibleCountsSizesAndValuesThatDoNotFitTheirFieldsAreRefused) {
    for (auto [pos, value] :
         {std::pair{12, 0}, {12, 201}, {12, 255}, {13, 0}, {13, 51}, {14, 0}, {14, 51}}) {
        GameLayoutBuilder b = Builder();
        b.Byte(pos, value);
        EXPECT_EQ(ReadError(b), 9) << "position " << pos << " = " << value;
    }
    EXPECT_EQ(ReadError(GameLayoutBuilder(Big(), 1, 1, std::vector<int>(200, 2))), 0);

    // Byte fields given 16-bit values: the current town, a saved-item area, attack dice.
    auto errorWith = [&](auto change) {
        GameLayoutBuilder b = Builder();
        change(b);
        return ReadError(b);
    };
    EXPECT_EQ(errorWith([](GameLayoutBuilder& b) { b.Int(41941, 256); }), 6);
    EXPECT_EQ(errorWith([](GameLayoutBuilder& b) { b.Int(41941, -1); }), 6);
    EXPECT_EQ(errorWith([](GameLayoutBuilder& b) { b.SavedItemRect(1, 0, 0, 256, 0); }), 6);
    EXPECT_EQ(errorWith([](GameLayoutBuilder& b) { b.SavedItemRect(0, -1, 0, 0, 0); }), 6);
    EXPECT_EQ(errorWith([](GameLayoutBuilder& b) { b.Int(Monster(3, 38), 25600); }), 6);
    EXPECT_EQ(errorWith([](GameLayoutBuilder& b) { b.Int(Monster(3, 40), -50); }), 6);
    EXPECT_EQ(errorWith([](GameLayoutBuilder& b) { b.Int(Monster(3, 42), 25599); }), 0);
    EXPECT_EQ(errorWith([](GameLayoutBuilder& b) { b.Byte(Monster(3, 97), 0x80); }), 6);
}

INSTANTIATE_BYTE_ORDERS(GameHeaderTest);

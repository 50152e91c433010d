#include "basescen/BaseScenario.h"
#include "basescen/BaseData.h"
#include "scenario/GameLayout.h"
#include "scenario/OwnLayout.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/GameLayoutBuilder.h"
#include "support/RecordColumns.h"

#include <gtest/gtest.h>

namespace {
std::string Trim(const std::string& s) {
    const auto last = s.find_last_not_of(' ');
    return last == std::string::npos ? "" : s.substr(0, last + 1);
}

class BaseScenario : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        InitCommonTables();
        image_ = BaseScenarioImage();
        ReadScenarioImageV2(base_, image_);
    }
    static const TerrainType& Terrain(int n) { return base_.TerrainTypes[n]; }
    static std::string Name(int n) { return Trim(Terrain(n).Name); }

    static inline std::vector<std::uint8_t> image_;
    static inline Scenario base_;
};
} // namespace

TEST_F(BaseScenario, WallsFloorsTwoCellTerrainsSignsEntrancesDoorsAndTheEdgeOfTheWorld) {
    // The floors of new areas are open ground; beyond the world's edge the map shows terrain
    // 90, which must not pass for open ground; the two-cell terrains name their halves.
    std::string shown;
    for (const int n : {0, 2, 4, 90, 85, 86, 88, 89})
        shown += Name(n) + " " + std::to_string(Terrain(n).Blockage != 0) +
                 std::to_string(Terrain(n).SpecialProperty) + "|";
    EXPECT_EQ(shown, "Cave floor 00|Grass 00|Grass with flowers 00|Forest 10|Long table, left half "
                     "10|Long table, right half 10|Double gate, left half 10|Double gate, right "
                     "half 10|");
    int signs = 0, entrances = 0;
    for (int n = 0; n < 256; ++n) {
        const TerrainType& t = Terrain(n);
        const TerrainType& other = Terrain(t.Extra1);
        signs += t.SpecialProperty == 11;
        entrances += t.SpecialProperty == 21;
        EXPECT_TRUE(n > 252 || t.Picture == n) << n;
        EXPECT_TRUE(t.SpecialProperty != 11 || Name(n).find("Sign") != std::string::npos) << n;
        // An entrance hides an open terrain of no wall group.
        EXPECT_TRUE(t.SpecialProperty != 21 ||
                    (other.SpecialProperty != 21 && other.TerrainSet == -1))
            << n;
        // A door that locks turns into a door of its own kind.
        EXPECT_TRUE(
            t.SpecialProperty != 24 ||
            (Name(t.Extra1).find(Name(n).substr(0, 6)) != std::string::npos && t.Extra2 == 200))
            << n;
    }
    EXPECT_GE(signs, 2);
    EXPECT_GE(entrances, 10);
    // Wall pieces belong to their group and block.
    std::set<std::string> names;
    for (int style = 0; style < kWallStyleCount; ++style)
        for (const int n : WallTerrains[style]) {
            EXPECT_EQ(std::tuple(Terrain(n).TerrainSet, Terrain(n).Blockage,
                                 Name(n).rfind(Name(WallTerrains[style][0]), 0)),
                      std::tuple(style, 5, 0u))
                << n << " " << Name(n);
            names.insert(Name(n));
        }
    EXPECT_EQ(names.size(), 52u) << "each wall piece has a name of its own";
    // Wall features among the pieces are walls to look at; 7, 10, 13 and 16 belong to no group,
    // while 23 and 37 join the stone and dark walls around them. Floors and whatever lies past
    // the last group belong to none.
    std::string sets;
    for (int n : {7, 10, 13, 16, 23, 37, 0, 4, 63, 255}) {
        sets += std::to_string(Terrain(n).TerrainSet) + " ";
        EXPECT_TRUE(n < 7 || n > 37 || (Terrain(n).Blockage == 5 && Name(n).find("wall") < 99));
    }
    EXPECT_EQ(sets, "-1 -1 -1 -1 1 2 -1 -1 -1 -1 ");
}

// Reading the game's layouts gives some terrain numbers and pictures a fixed meaning; the base
// table must hold it already, or a terrain would mean one thing here and another there.
TEST_F(BaseScenario, TerrainsReadFromTheGameLayoutUnchanged) {
    InitScenEditorTables();
    GameLayoutBuilder b(false, 1, 1, {2});
    for (int i = 0; i < 256; ++i) {
        const TerrainType& t = Terrain(i);
        const std::size_t at = GameLayoutBuilder::kTerrains + GameLayoutBuilder::kTerrainSize * i;
        b.Int(at, t.Picture);
        std::size_t offset = 2;
        for (int v : {int{t.Blockage}, int{t.Extra1}, int{t.Extra2}, int{t.SpecialProperty},
                      int{t.TransformTo}, int{t.FlyOver}, int{t.BoatOver}, int{t.HorseBlocked},
                      int{t.Light}, int{t.Sound}})
            b.Byte(at + offset++, v);
        b.Chars(at + 12, t.ShortcutKey);
    }
    Scenario game;
    ReadScenarioImageV1(game, b.Build(), game_layout::kLittleEndian);
    for (int i = 0; i < 256; ++i) {
        TerrainType read = game.TerrainTypes[static_cast<std::size_t>(i)];
        read.Name = Terrain(i).Name;
        EXPECT_TRUE(read == Terrain(i)) << "terrain " << i;
    }
}

TEST_F(BaseScenario, ReadsBackAsBuiltWithItsStringsMonstersItemsAndRecordsWithoutTargets) {
    const auto& strings = base_.ScenStrings;
    EXPECT_EQ((std::vector<std::string>{strings[12], strings[60], strings[160], strings[161],
                                        strings[260], strings[312]}),
              (std::vector<std::string>{"Begin journal strs", "Ferry token", "*Begin special strs",
                                        "*", DialogButtonLabels[0], DialogButtonLabels[52]}));
    EXPECT_FALSE(strings[61].empty());
    const auto none = [](std::size_t n) { return std::vector<int>(n, -1); };
    EXPECT_EQ(Column(base_.SpecialItems, &SpecialItem::Node), none(50));
    EXPECT_EQ(Column(base_.Boats, &Transport::Town), none(base_.Boats.size()));
    EXPECT_EQ(std::vector<int>(base_.EventTimerNodes.begin(), base_.EventTimerNodes.end()),
              none(base_.EventTimerNodes.size()));
    EXPECT_EQ(Column(base_.ScenSpecialNodes, &SpecialNode::JumpTo), none(256));
    // It is a whole own-layout file that reads back as built.
    EXPECT_EQ(std::string(image_.begin(), image_.end()).substr(0, 4), ">VRS");
    EXPECT_TRUE(base_ == MakeBaseScenario());
    EXPECT_EQ(std::tuple(base_.ListsLocked, base_.TownCount, base_.ScenStrings[0]),
              std::tuple(0, 1, "Fenmarrow"));
    // The monster and item tables hold a starting set and empty slots.
    std::set<std::string> monsters, items; // each holds the empty name too
    for (const MonsterType& m : base_.MonsterTypes) {
        monsters.insert(Trim(m.Name));
        EXPECT_TRUE(Trim(m.Name).empty() ||
                    (m.Picture >= 0 && m.Picture <= 174 && m.Health > 0 && m.AttackDice[0] > 0))
            << m.Name;
    }
    for (const ItemType& it : base_.ItemTypes) {
        items.insert(Trim(it.Name));
        EXPECT_TRUE(Trim(it.Name).empty() || (it.ItemKind >= 1 && it.ItemKind <= 24 &&
                                              it.Picture <= 122 && it.Identified == !it.Magical))
            << it.Name;
    }
    EXPECT_GE(std::min(monsters.size(), items.size()), 31u);
    EXPECT_EQ(std::tuple(Trim(base_.MonsterTypes[0].Name), base_.MonsterTypes[0].Health,
                         Trim(base_.MonsterTypes[255].Name), Trim(base_.ItemTypes[499].Name),
                         Trim(base_.ItemTypes[0].Name)),
              std::tuple("", 0, "", "", "Gold coins"));
}

TEST(BaseData, MalformedTablesAreRefusedWithTheirPlace) {
    EXPECT_EQ(ParseDataTable("# note\n\n 1 | a b |c\n", 3, "t"),
              (std::vector<DataRow>{{"1", "a b", "c"}}));
    std::string refusal;
    try {
        ParseDataTable("1 | a\n2 | b | c\n", 2, "terrain");
    } catch (const std::runtime_error& e) {
        refusal = e.what();
    }
    EXPECT_EQ(refusal, "terrain line 2: 3 cells instead of 2");
    EXPECT_THROW(DataNumber("12x", "t"), std::runtime_error);
    EXPECT_THROW(DataNumber("", "t"), std::runtime_error);
    EXPECT_EQ(DataNumber("-1", "t"), -1);
}

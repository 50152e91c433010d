// Texts of a fixed length are held alike whichever layout they were read from.
#include "scenario/OwnLayout.h"
#include "scenario/ScenarioLoad.h"
#include "support/GameLayoutFixture.h"

namespace {
class GameFixedTextTest : public GameLayoutTest {};

// Every fixed-length text of the scenario, in one list.
std::vector<std::string> FixedTexts(const Scenario& s) {
    std::vector<std::string> texts;
    for (const TerrainType& t : s.TerrainTypes) {
        texts.push_back(t.Name);
        texts.push_back(t.ShortcutKey);
    }
    for (const MonsterType& m : s.MonsterTypes)
        texts.push_back(m.Name);
    for (const ItemType& it : s.ItemTypes) {
        texts.push_back(it.Name);
        texts.push_back(it.UnidName);
    }
    for (const TownTalk& talk : s.TownTalks)
        for (const TalkingNode& node : talk.Nodes) {
            texts.push_back(node.Word1);
            texts.push_back(node.Word2);
        }
    return texts;
}
} // namespace

TEST_P(GameFixedTextTest, AreBlankPaddedAsAfterAnOwnLayoutLoad) {
    GameLayoutBuilder b = Builder();
    b.Chars(GameLayoutBuilder::kMonsterNames + 20, "Goblin");
    b.Chars(GameLayoutBuilder::kMonsterNames + 40, std::string(20, 'M')); // no zero byte
    b.Chars(GameLayoutBuilder::kTerrainNames + 30, "Grass");
    b.Chars(GameLayoutBuilder::kTerrains + GameLayoutBuilder::kTerrainSize + 12, "g");
    b.Chars(GameLayoutBuilder::kItems + 22, "Sword");
    b.Chars(GameLayoutBuilder::kItems + 47, "Blade");
    b.Town(0).TalkNode(0, {-2, 9, "shop", "buy", {1, 5, 2, 3}});
    b.Town(0).TalkNode(1, {-2, 9, "", "a", {}});
    Scenario game;
    ReadScenarioFile(game, b.Build(), static_cast<std::int16_t>(Format()), "Fixed.vrs", towns);

    SectionDirectoryTable directory{};
    Scenario own;
    ReadScenarioFile(own, WriteScenarioImage(game, directory), 2, "Fixed.vrs");
    EXPECT_EQ(FixedTexts(game), FixedTexts(own));

    EXPECT_EQ(game.MonsterTypes[1].Name, "Goblin              ");
    EXPECT_EQ(game.MonsterTypes[2].Name, std::string(20, 'M'));
    EXPECT_EQ(game.TerrainTypes[1].ShortcutKey, "g");
    EXPECT_EQ(game.TerrainTypes[2].ShortcutKey, " ");
    EXPECT_EQ(game.ItemTypes[0].UnidName, "Blade          ");
    const TalkingNode& second = game.TownTalks[0].Nodes[1];
    EXPECT_EQ(second.Word1 + "|" + second.Word2, "    |a   ");
}

INSTANTIATE_BYTE_ORDERS(GameFixedTextTest);

#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {
class NameTablesTest : public testing::Test {
  protected:
    void SetUp() override {
        InitCommonTables();
        InitScenEditorTables();
    }
};

template <typename... Tables> int CountEmpty(const Tables&... tables) {
    return (static_cast<int>(std::count(tables.begin(), tables.end(), std::string())) + ...);
}

TEST_F(NameTablesTest, FirstAndLastEntriesTheGamesSpellingsAndDenseTablesWithoutGaps) {
    // clang-format off
    const std::pair<std::string, std::string> entries[] = {
        {AlchemyNames.front(), "Weak Curing Potion"}, {AlchemyNames.back(), "Strong Energy Potion"},
        {MageSpellNames.front(), "Weak Light"}, {MageSpellNames.back(), "Death Arrows"},
        {PriestSpellNames.front(), "Minor Bless"}, {PriestSpellNames.back(), "Major Cleansing"},
        {SkillNames.front(), "Strength"}, {SkillNames.back(), "Luck"},
        {DialogButtonLabels.front(), "Done"}, {DialogButtonLabels.back(), "Stand"},
        {DialogButtonLabels[9], "Leave"}, {DialogButtonLabels[20], "Leave"},
        {ShopTypeNames.back(), "Magic"}, {SoundNames.front(), "High Beep"},
        {SoundNames.back(), "No sound"}, {EnchantNames.back(), "Blessed"},
        {TrapTypeNames.back(), "Dumbfound party"}, {DamageTypeNames.back(), "Undead"},
        {ItemKindNames[0], "No item"}, {ItemKindNames[24], "Missile (no ammo)"},
        {ItemKindNames[25], ""}, {ItemAbilityNames.back(), "Heal target"},
        {PriestSpellNames[35], "Martyrs Shield"}, {ItemAbilityNames[46], "Occassional bless"},
        {ItemAbilityNames[47], "Occassional haste"}, {ItemAbilityNames[160], "Ressurection balm"},
        {ItemAbilityNames[79], "Cure/Cause dumfound"}, {SoundNames[36], "SpiderHello"},
        {SoundNames[22], "Opening music (You cant call this sound)"},
        {ToolCaptions[0][kToolCaptionColumn], "Drawing Mode"},
        {ToolCaptions[12][kToolCaptionColumn], "Place wandering monster arrival points"},
        {ToolCaptions[12][kToolPromptColumn], "First entry point"},
        {ToolCaptions[31][kToolPromptColumn], "Select creature"},
        {ToolCaptions[52][kToolCaptionColumn], "Erase Boat/Horse"},
        {ToolCaptions[52][kToolPromptColumn], "Select location to clear"}};
    // clang-format on
    for (std::size_t i = 0; i < std::size(entries); ++i)
        EXPECT_EQ(entries[i].first, entries[i].second) << "entry " << i;
    for (int digit = 1; digit <= 6; ++digit)
        EXPECT_EQ(DialogButtonLabels[10 + digit], std::to_string(digit));
    EXPECT_EQ(CountEmpty(AlchemyNames, MageSpellNames, PriestSpellNames, SkillNames,
                         DialogButtonLabels, ShopTypeNames, SoundNames, EnchantNames, TrapTypeNames,
                         DamageTypeNames),
              0);
    EXPECT_EQ(CountEmpty(ItemKindNames), 1);
}

TEST_F(NameTablesTest, WallTerrainsMapStyleAndShapeToTerrain) {
    EXPECT_EQ(WallTerrains[0][0], 5);
    EXPECT_EQ(WallTerrains[1][0], 22);
    EXPECT_EQ(WallTerrains[3][12], 62);
    // Each style's pieces rise, and the terrains that lie among them belong to no style.
    std::vector<int> pieces;
    for (const auto& style : WallTerrains) {
        EXPECT_TRUE(std::is_sorted(style.begin(), style.end()));
        pieces.insert(pieces.end(), style.begin(), style.end());
    }
    for (const int notAWall : {7, 10, 13, 16, 23, 37})
        EXPECT_EQ(std::count(pieces.begin(), pieces.end(), notAWall), 0) << notAWall;
    std::sort(pieces.begin(), pieces.end());
    EXPECT_EQ(std::adjacent_find(pieces.begin(), pieces.end()), pieces.end());
}

TEST_F(NameTablesTest, ToolsEightAndThirteenAreBlankAndTheFirstFiveHaveNoPrompt) {
    for (int tool = 0; tool < kToolCount; ++tool) {
        const bool blank = tool == 8 || tool == 13;
        EXPECT_EQ(ToolCaptions[tool][kToolCaptionColumn].empty(), blank) << tool;
        EXPECT_EQ(ToolCaptions[tool][kToolPromptColumn].empty(), blank || tool <= 4) << tool;
    }
}

TEST_F(NameTablesTest, ItemAbilityNamesAreNamedInSixRunsAndEmptyBetweenEvenAfterARefill) {
    ItemAbilityNames[20] = "left over";
    InitScenEditorTables();
    const std::vector<std::pair<int, int>> runs = {{0, 14},    {30, 63},   {70, 94},
                                                   {110, 135}, {150, 161}, {170, 176}};
    for (int ability = 0; ability < static_cast<int>(ItemAbilityNames.size()); ++ability) {
        const bool named = std::any_of(runs.begin(), runs.end(), [ability](const auto& run) {
            return ability >= run.first && ability <= run.second;
        });
        EXPECT_EQ(ItemAbilityNames[ability].empty(), !named) << ability;
    }
}

TEST_F(NameTablesTest, GameFieldKindMapShiftsTheTwoRunsOfFieldCodes) {
    for (int code = 0; code < static_cast<int>(GameFieldKindMap.size()); ++code) {
        const int expected = code >= 3 && code <= 8 ? code - 3 : code >= 14 ? code - 8 : 0;
        EXPECT_EQ(GameFieldKindMap[code], expected) << code;
    }
}
} // namespace

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

template <typename Table> int CountEmpty(const Table& table) {
    return static_cast<int>(std::count(table.begin(), table.end(), std::string()));
}

TEST_F(NameTablesTest, DenseTablesAreFilledFromZeroToTheirLastEntry) {
    EXPECT_EQ(AlchemyNames.front(), "Weak Curing Potion");
    EXPECT_EQ(AlchemyNames.back(), "Strong Energy Potion");
    EXPECT_EQ(MageSpellNames.front(), "Weak Light");
    EXPECT_EQ(MageSpellNames.back(), "Death Arrows");
    EXPECT_EQ(PriestSpellNames.front(), "Minor Bless");
    EXPECT_EQ(PriestSpellNames.back(), "Major Cleansing");
    EXPECT_EQ(SkillNames.front(), "Strength");
    EXPECT_EQ(SkillNames.back(), "Luck");
    EXPECT_EQ(DialogButtonLabels.front(), "Done");
    EXPECT_EQ(DialogButtonLabels.back(), "Stand");
    EXPECT_EQ(ShopTypeNames.back(), "Magic");
    EXPECT_EQ(SoundNames.front(), "High Beep");
    EXPECT_EQ(SoundNames.back(), "No sound");
    EXPECT_EQ(EnchantNames.back(), "Blessed");
    EXPECT_EQ(TrapTypeNames.back(), "Dumbfound party");
    EXPECT_EQ(DamageTypeNames.back(), "Undead");

    // No entry of a dense table may be left out of its data.
    for (const int empty :
         {CountEmpty(AlchemyNames), CountEmpty(MageSpellNames), CountEmpty(PriestSpellNames),
          CountEmpty(SkillNames), CountEmpty(DialogButtonLabels), CountEmpty(ShopTypeNames),
          CountEmpty(SoundNames), CountEmpty(EnchantNames), CountEmpty(TrapTypeNames),
          CountEmpty(DamageTypeNames)})
        EXPECT_EQ(empty, 0);
}

TEST_F(NameTablesTest, DialogButtonLabelsRepeatLeaveAndHoldTheDigits) {
    EXPECT_EQ(DialogButtonLabels[9], "Leave");
    EXPECT_EQ(DialogButtonLabels[20], "Leave");
    for (int digit = 1; digit <= 6; ++digit)
        EXPECT_EQ(DialogButtonLabels[static_cast<std::size_t>(10 + digit)], std::to_string(digit));
}

TEST_F(NameTablesTest, TextsKeepTheGamesSpellings) {
    EXPECT_EQ(PriestSpellNames[35], "Martyrs Shield");
    EXPECT_EQ(ItemAbilityNames[46], "Occassional bless");
    EXPECT_EQ(ItemAbilityNames[47], "Occassional haste");
    EXPECT_EQ(ItemAbilityNames[160], "Ressurection balm");
    EXPECT_EQ(ItemAbilityNames[79], "Cure/Cause dumfound");
    EXPECT_EQ(SoundNames[36], "SpiderHello");
    EXPECT_EQ(SoundNames[22], "Opening music (You cant call this sound)");
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

TEST_F(NameTablesTest, ToolCaptions) {
    for (const int tool : {8, 13}) {
        EXPECT_EQ(ToolCaptions[static_cast<std::size_t>(tool)][kToolCaptionColumn], "");
        EXPECT_EQ(ToolCaptions[static_cast<std::size_t>(tool)][kToolPromptColumn], "");
    }
    for (int tool = 0; tool <= 4; ++tool) {
        EXPECT_NE(ToolCaptions[static_cast<std::size_t>(tool)][kToolCaptionColumn], "");
        EXPECT_EQ(ToolCaptions[static_cast<std::size_t>(tool)][kToolPromptColumn], "");
    }
    for (int tool = 5; tool < kToolCount; ++tool) {
        if (tool == 8 || tool == 13) continue;
        EXPECT_NE(ToolCaptions[static_cast<std::size_t>(tool)][kToolCaptionColumn], "") << tool;
        EXPECT_NE(ToolCaptions[static_cast<std::size_t>(tool)][kToolPromptColumn], "") << tool;
    }

    EXPECT_EQ(ToolCaptions[0][kToolCaptionColumn], "Drawing Mode");
    EXPECT_EQ(ToolCaptions[12][kToolCaptionColumn], "Place wandering monster arrival points");
    EXPECT_EQ(ToolCaptions[12][kToolPromptColumn], "First entry point");
    EXPECT_EQ(ToolCaptions[31][kToolPromptColumn], "Select creature");
    EXPECT_EQ(ToolCaptions[52][kToolCaptionColumn], "Erase Boat/Horse");
    EXPECT_EQ(ToolCaptions[52][kToolPromptColumn], "Select location to clear");
}

TEST_F(NameTablesTest, ItemKindNamesEndWithAnEmptyEntry) {
    EXPECT_EQ(ItemKindNames[0], "No item");
    EXPECT_EQ(ItemKindNames[24], "Missile (no ammo)");
    EXPECT_EQ(ItemKindNames[25], "");
    EXPECT_EQ(CountEmpty(ItemKindNames), 1);
}

TEST_F(NameTablesTest, ItemAbilityNamesAreNamedInSixRunsAndEmptyBetween) {
    const std::vector<std::pair<int, int>> runs = {{0, 14},    {30, 63},   {70, 94},
                                                   {110, 135}, {150, 161}, {170, 176}};
    for (int ability = 0; ability < static_cast<int>(ItemAbilityNames.size()); ++ability) {
        const bool named = std::any_of(runs.begin(), runs.end(), [ability](const auto& run) {
            return ability >= run.first && ability <= run.second;
        });
        EXPECT_EQ(ItemAbilityNames[static_cast<std::size_t>(ability)].empty(), !named) << ability;
    }
    EXPECT_EQ(ItemAbilityNames.back(), "Heal target");
}

TEST_F(NameTablesTest, RefillingEmptiesTheGapsBetweenAbilityRuns) {
    ItemAbilityNames[20] = "left over";
    InitScenEditorTables();
    EXPECT_EQ(ItemAbilityNames[20], "");
}

TEST_F(NameTablesTest, GameFieldKindMapShiftsTheTwoRunsOfFieldCodes) {
    for (int code = 0; code < static_cast<int>(GameFieldKindMap.size()); ++code) {
        int expected = 0;
        if (code >= 3 && code <= 8) expected = code - 3;
        if (code >= 14 && code <= 21) expected = code - 8;
        EXPECT_EQ(GameFieldKindMap[static_cast<std::size_t>(code)], expected) << code;
    }
    EXPECT_EQ(GameFieldKindMap[2], GameFieldKindMap[3]);
    EXPECT_EQ(GameFieldKindMap[10], GameFieldKindMap[3]);
}

TEST_F(NameTablesTest, EditorFillResetsTheTerrainSelections) {
    PaintTerrain = 7;
    EraseTerrain = 8;
    SelectedTerrain = 9;
    InitScenEditorTables();
    EXPECT_EQ(PaintTerrain, 0);
    EXPECT_EQ(EraseTerrain, 0);
    EXPECT_EQ(SelectedTerrain, 0);
}
} // namespace

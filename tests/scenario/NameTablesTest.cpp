#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"

#include <gtest/gtest.h>

namespace {
template <typename... Tables> int CountEmpty(const Tables&... tables) {
    return (static_cast<int>(std::count(tables.begin(), tables.end(), std::string())) + ...);
}
} // namespace

TEST(NameTables, QuotedEntriesDenseTablesWallShapesFieldCodesToolsAndAbilityRuns) {
    InitCommonTables();
    InitScenEditorTables();
    // clang-format off
    const std::pair<std::string, std::string> entries[] = {
        {AlchemyNames.back(), "Strong Energy Potion"}, {MageSpellNames.back(), "Death Arrows"},
        {PriestSpellNames.back(), "Major Cleansing"}, {SkillNames.back(), "Luck"},
        {DialogButtonLabels.back(), "Stand"}, {DialogButtonLabels[9], "Leave"},
        {DialogButtonLabels[20], "Leave"}, {ShopTypeNames.back(), "Magic"},
        {SoundNames.back(), "No sound"}, {EnchantNames.back(), "Blessed"},
        {TrapTypeNames.back(), "Dumbfound party"}, {DamageTypeNames.back(), "Undead"},
        {ItemKindNames[24], "Missile (no ammo)"}, {ItemKindNames[25], ""},
        {ItemAbilityNames.back(), "Heal target"}, {PriestSpellNames[35], "Martyrs Shield"},
        {ItemAbilityNames[46], "Occassional bless"}, {ItemAbilityNames[47], "Occassional haste"},
        {ItemAbilityNames[160], "Ressurection balm"}, {ItemAbilityNames[79], "Cure/Cause dumfound"},
        {SoundNames[36], "SpiderHello"},
        {SoundNames[22], "Opening music (You cant call this sound)"},
        {ToolCaptions[12][kToolCaptionColumn], "Place wandering monster arrival points"},
        {ToolCaptions[12][kToolPromptColumn], "First entry point"},
        {ToolCaptions[52][kToolCaptionColumn], "Erase Boat/Horse"},
        {ToolCaptions[52][kToolPromptColumn], "Select location to clear"}};
    // clang-format on
    for (std::size_t i = 0; i < std::size(entries); ++i)
        EXPECT_EQ(entries[i].first, entries[i].second) << "entry " << i;
    EXPECT_EQ(std::vector(&DialogButtonLabels[11], &DialogButtonLabels[17]),
              (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(CountEmpty(AlchemyNames, MageSpellNames, PriestSpellNames, SkillNames,
                         DialogButtonLabels, ShopTypeNames, SoundNames, EnchantNames, TrapTypeNames,
                         DamageTypeNames),
              0);
    EXPECT_EQ(CountEmpty(ItemKindNames), 1);
    EXPECT_EQ((std::vector{WallTerrains[0][0], WallTerrains[1][0], WallTerrains[3][12]}),
              (std::vector<std::uint8_t>{5, 22, 62}));
    // Each style's pieces rise with the shape.
    for (const auto& style : WallTerrains)
        EXPECT_TRUE(std::is_sorted(style.begin(), style.end()));
    // The game's field codes map onto the editor's in two shifted runs.
    std::vector<int> kinds(GameFieldKindMap.begin(), GameFieldKindMap.end());
    EXPECT_EQ(kinds, (std::vector<int>{0, 0, 0, 0, 1, 2, 3, 4,  5,  0,  0,
                                       0, 0, 0, 6, 7, 8, 9, 10, 11, 12, 13}));
    // Tools 8 and 13 are blank, and the first five have no prompt.
    for (int tool = 0; tool < kToolCount; ++tool) {
        const bool blank = tool == 8 || tool == 13;
        EXPECT_EQ(ToolCaptions[tool][kToolCaptionColumn].empty(), blank) << tool;
        EXPECT_EQ(ToolCaptions[tool][kToolPromptColumn].empty(), blank || tool <= 4) << tool;
    }
    // Item abilities are named in six runs and empty between them, even after a refill.
    ItemAbilityNames[20] = "left over";
    InitScenEditorTables();
    std::string named;
    for (const std::string& name : ItemAbilityNames)
        named += name.empty() ? '.' : '#';
    const auto run = [](int from, int to) { return std::string(to - from + 1, '#'); };
    EXPECT_EQ(named, run(0, 14) + std::string(15, '.') + run(30, 63) + std::string(6, '.') +
                         run(70, 94) + std::string(15, '.') + run(110, 135) + std::string(14, '.') +
                         run(150, 161) + std::string(8, '.') + run(170, 176));
}

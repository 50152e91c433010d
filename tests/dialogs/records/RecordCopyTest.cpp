#include "dialogs/records/ItemAbilityCopy.h"
#include "dialogs/records/ItemCopy.h"
#include "dialogs/records/MonsterAbilityCopy.h"
#include "dialogs/records/MonsterCopy.h"
#include "dialogs/records/TerrainCopy.h"

#include <gtest/gtest.h>

TEST(ItemCopy, UsedUpAbilitiesNeedACharge) {
    const std::tuple<int, int, bool> cases[] = {{85, 0, true},  {70, 0, true},  {169, 0, true},
                                                {85, 1, false}, {69, 0, false}, {170, 0, false}};
    for (const auto& [ability, charges, refused] : cases) {
        ItemCopy copy;
        copy.SpAbility = static_cast<std::uint8_t>(ability);
        copy.Charges = static_cast<std::uint8_t>(charges);
        EXPECT_EQ(NeedsCharges(copy), refused) << ability;
    }
}

TEST(ItemAbilities, CategoriesAcceptTheirKinds) {
    // Kinds: one-handed, bow, arrows, non-use object, crossbow, bolts, missile without ammo.
    // Rows: weapon, general, non-spell use, spell usable, reagents, missiles.
    const std::uint8_t kinds[] = {1, 4, 5, 20, 22, 23, 24};
    const char* accepted[kAbilityCategories] = {"1000000", "1110111", "1101110",
                                                "1101110", "0001000", "0010001"};
    for (int category = 0; category < kAbilityCategories; ++category)
        for (int k = 0; k < 7; ++k)
            EXPECT_EQ(CategoryAccepts(category, kinds[k]), accepted[category][k] == '1')
                << category << " kind " << int(kinds[k]);
    EXPECT_EQ(CategoryRefusal(5),
              "You can only give an ability of this sort to\r\na missile item.");
}

TEST(MonsterCopy, SaveWritesEditedFieldsAndKeepsTheOthers) {
    const MonsterType original{.Name = "Goblin chief        ",
                               .Picture = 42,
                               .Reserved1 = 0x1234,
                               .TalkPicture = 7,
                               .Kind = 6,
                               .Level = 5,
                               .Health = 30,
                               .Speed = 4,
                               .ItemDropped = -1,
                               .ChanceDrop = 20,
                               .AttackTypes = {1, 2, 9},
                               .AttackDice = {2, 0, 1},
                               .AttackSides = {6, 0, 4},
                               .CreateGenerate = 11,
                               .CreateExtra = 40,
                               .FireRes = 2,
                               .Reserved2 = {7, 8, 9}};
    // Saved over a record that holds only what no control shows, every field comes back.
    MonsterType record{
        .Name = "", .Reserved1 = 0x1234, .AttackTypes = {0, 0, 9}, .Reserved2 = {7, 8, 9}};
    MonsterCopy copy;
    LoadMonsterCopy(original, copy);
    SaveMonsterCopy(copy, record);
    EXPECT_EQ(record, original);

    copy.Name = "A name of twenty-five ch";
    copy.Pict = 2007;
    copy.AttackDice[1] = 20;
    copy.CreateExtra = 200;
    SaveMonsterCopy(copy, record);
    MonsterType expected = original; // the third attack type has no control
    expected.Name = "A name of twenty-fiv";
    expected.Picture = 2007;
    expected.AttackDice[1] = 20;
    expected.CreateExtra = 200;
    EXPECT_EQ(record, expected);
    copy.Name = "Rat";
    SaveMonsterCopy(copy, record);
    EXPECT_EQ(record.Name, "Rat                 ");
}

TEST(MonsterPictures, SizesAndPickerSelections) {
    const std::pair<std::int16_t, MonsterPicSize> sizes[] = {
        {0, {1, 1}},
        {51, {1, 2}},
        {75, {2, 1}},
        {120, {2, 2}},
        {1007, {1, 1}},
        {2007, {2, 1}},
        {3007, {1, 2}},
        {4007, {2, 2}},
        {5003, {2, 2}},
        // Beyond the standard table: one tile, not a read past it.
        {175, {1, 1}},
        {999, {1, 1}},
        {-1, {1, 1}}};
    for (const auto& [pict, size] : sizes)
        EXPECT_EQ(ComputePicSize(pict), size) << pict;
    const std::int16_t picts[] = {0, 172, 173, 299, 1007};
    std::vector<int> selected;
    for (std::int16_t pict : picts)
        selected.push_back(StandardPickerSelection(pict));
    EXPECT_EQ(selected, (std::vector<int>{0, 172, -1, -1, -1}));

    std::vector<int> custom;
    for (MonsterPicSize size : {MonsterPicSize{1, 1}, {2, 1}, {1, 2}, {2, 2}, {0, 0}})
        custom.push_back(CustomMonsterPicture(7, size));
    EXPECT_EQ(custom, (std::vector<int>{1007, 2007, 3007, 4007, 4007}));
    EXPECT_FALSE(CustomPickerStart(999));
    const auto start = CustomPickerStart(3012);
    ASSERT_TRUE(start);
    EXPECT_EQ(std::make_pair(int{start->Index}, start->Size),
              std::make_pair(12, MonsterPicSize{1, 2}));
    EXPECT_EQ((std::vector<int>{TalkPickerSelection(12), TalkPickerSelection(1012),
                                TalkCustomPickerSelection(1012), TalkCustomPickerSelection(12)}),
              (std::vector<int>{12, -1, 12, -1}));
}

TEST(MonsterAbilities, CreateGenerateEntriesSetThePromptAndTheRule) {
    // The window tests choose 11 and 1; an unused entry keeps the rule it had.
    CreateExtraRule rule{"Creature number", 0, 255};
    std::string prompt;
    ChooseCreateGenerate(8, rule, prompt);
    EXPECT_EQ(prompt, "Unused");
    EXPECT_EQ(rule, (CreateExtraRule{"Creature number", 0, 255}));
    ChooseCreateGenerate(15, rule, prompt);
    EXPECT_EQ(rule, (CreateExtraRule{"Special number", 0, 255}));
    EXPECT_EQ(prompt, "Number of special to call");
}

TEST(TerrainCopy, NoSoundIs99InTheEditorOnlyForDoorsAndQuickfire) {
    const std::tuple<int, int, int> cases[] = {
        {24, 200, 99}, {27, 200, 99}, {24, 5, 5}, {1, 200, 200}, {22, 200, 200}};
    for (const auto& [property, stored, shown] : cases) {
        const TerrainType original{.Name = "Oak door                      ",
                                   .Picture = 140,
                                   .Extra1 = 12,
                                   .Extra2 = static_cast<std::int16_t>(stored),
                                   .Blockage = 5,
                                   .TransformTo = 131,
                                   .FlyOver = 1,
                                   .Light = 2,
                                   .Sound = 1,
                                   .SpecialProperty = static_cast<std::uint8_t>(property),
                                   .ShortcutKey = "d",
                                   .TerrainSet = 3};
        const TerrainCopy copy = LoadTerrainCopy(original);
        EXPECT_EQ(copy.Extra[1], shown) << property;
        TerrainType record = original;
        SaveTerrainCopy(copy, 100, record);
        EXPECT_EQ(record, original) << property;
        record.ShortcutKey = "";
        EXPECT_EQ(LoadTerrainCopy(record).ShortcutKey, ' ') << "an empty key is a blank";
    }
}

TEST(TerrainCopy, ExtraValueRulesAndPickerSelections) {
    // The window tests show the door, poison and sound rules.
    for (int property : {0, 11, 14, 20, 25, 26, 28, 255}) {
        const auto rules = ExtraValueRules(static_cast<std::uint8_t>(property));
        EXPECT_TRUE(rules[0].Unused() && rules[1].Unused()) << property;
        EXPECT_EQ(rules[0].Prompt, "Unused");
    }
    EXPECT_TRUE(ExtraValueRules(23)[1].Unused());
    EXPECT_EQ(ExtraValueRules(23)[0].Caption, "Special Node");
    EXPECT_EQ((std::vector<int>{TerrainPickerSelection(252), TerrainPickerSelection(253),
                                TerrainPickerSelection(405), AnimatedPickerSelection(413),
                                AnimatedPickerSelection(414), CustomTerrainSelection(1007),
                                CustomTerrainSelection(2007), CustomTerrainSelection(999)}),
              (std::vector<int>{252, -1, -1, 13, -1, 7, 7, -1}));
}

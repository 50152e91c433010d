#include "dialogs/records/ItemAbilityCopy.h"
#include "dialogs/records/ItemCopy.h"
#include "dialogs/records/MonsterAbilityCopy.h"
#include "dialogs/records/MonsterCopy.h"
#include "dialogs/records/TerrainCopy.h"
#include "support/Ints.h"

#include <gtest/gtest.h>

TEST(ItemCopy, UsedUpAbilitiesNeedACharge) {
    // Ability and charges: 70 to 169 need a charge.
    std::vector<int> refused;
    for (auto [ability, charges] :
         {std::pair{85, 0}, {70, 0}, {169, 0}, {85, 1}, {69, 0}, {170, 0}}) {
        ItemCopy copy;
        copy.SpAbility = std::uint8_t(ability), copy.Charges = std::uint8_t(charges);
        refused.push_back(NeedsCharges(copy));
    }
    EXPECT_EQ(refused, Ints(1, 1, 1, 0, 0, 0));
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
}

TEST(MonsterCopy, SaveWritesEveryFieldItLoaded) {
    MonsterType original{.Name = "Goblin chief        ", .Reserved1 = 0x1234};
    original.Picture = 42, original.TalkPicture = 7, original.Kind = 6, original.Level = 5;
    original.Health = 30, original.Speed = 4, original.ItemDropped = -1, original.ChanceDrop = 20;
    original.AttackTypes = {1, 2, 9}, original.AttackDice = {2, 0, 1};
    original.AttackSides = {6, 0, 4}, original.CreateGenerate = 11, original.CreateExtra = 40;
    original.FireRes = 2, original.Reserved2 = {7, 8, 9};
    // Saved over a record that holds only what no control shows, every field comes back.
    MonsterType record{
        .Name = "", .Reserved1 = 0x1234, .AttackTypes = {0, 0, 9}, .Reserved2 = {7, 8, 9}};
    MonsterCopy copy;
    LoadMonsterCopy(original, copy);
    SaveMonsterCopy(copy, record);
    EXPECT_EQ(record, original);
}

TEST(MonsterPictures, SizesAndPickerSelections) {
    // Width and height as two digits; beyond the standard table one tile, not a read past it.
    std::vector<int> sizes;
    for (std::int16_t pict : {0, 51, 75, 120, 1007, 2007, 3007, 4007, 5003, 175, 999, -1})
        sizes.push_back(ComputePicSize(pict).Width * 10 + ComputePicSize(pict).Height);
    EXPECT_EQ(sizes, Ints(11, 12, 21, 22, 11, 21, 12, 22, 22, 11, 11, 11));
    EXPECT_EQ(Ints(StandardPickerSelection(0), StandardPickerSelection(172),
                   StandardPickerSelection(173), StandardPickerSelection(299),
                   StandardPickerSelection(1007)),
              Ints(0, 172, -1, -1, -1));
    std::vector<int> custom;
    for (MonsterPicSize size : {MonsterPicSize{1, 1}, {2, 1}, {1, 2}, {2, 2}, {0, 0}})
        custom.push_back(CustomMonsterPicture(7, size));
    EXPECT_EQ(custom, Ints(1007, 2007, 3007, 4007, 4007));
    EXPECT_FALSE(CustomPickerStart(999));
    const auto start = CustomPickerStart(3012);
    ASSERT_TRUE(start);
    EXPECT_EQ(Ints(start->Index, start->Size.Width, start->Size.Height), Ints(12, 1, 2));
    EXPECT_EQ(Ints(TalkPickerSelection(12), TalkPickerSelection(1012),
                   TalkCustomPickerSelection(1012), TalkCustomPickerSelection(12)),
              Ints(12, -1, 12, -1));
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
    TerrainType original;
    original.Name = "Oak door                      ", original.Picture = 140, original.Extra1 = 12;
    original.Blockage = 5, original.TransformTo = 131, original.FlyOver = 1, original.Light = 2;
    original.Sound = 1, original.ShortcutKey = "d", original.TerrainSet = 3;
    // Property, stored sound, sound shown.
    const std::tuple<int, int, int> cases[] = {
        {24, 200, 99}, {27, 200, 99}, {24, 5, 5}, {1, 200, 200}, {22, 200, 200}};
    for (const auto& [property, stored, shown] : cases) {
        original.SpecialProperty = std::uint8_t(property), original.Extra2 = std::int16_t(stored);
        const TerrainCopy copy = LoadTerrainCopy(original);
        EXPECT_EQ(copy.Extra[1], shown) << property;
        TerrainType record = original;
        SaveTerrainCopy(copy, 100, record);
        EXPECT_EQ(record, original) << property;
    }
    original.ShortcutKey = "";
    EXPECT_EQ(LoadTerrainCopy(original).ShortcutKey, ' ') << "an empty key is a blank";
}

TEST(TerrainCopy, ExtraValueRulesAndPickerSelections) {
    // The window tests show the door, poison and sound rules.
    for (int property : {0, 11, 14, 20, 25, 26, 28, 255}) {
        const auto rules = ExtraValueRules(static_cast<std::uint8_t>(property));
        EXPECT_TRUE(rules[0].Unused() && rules[1].Unused()) << property;
        EXPECT_EQ(rules[0].Prompt, "Unused");
    }
    EXPECT_TRUE(ExtraValueRules(23)[1].Unused() &&
                ExtraValueRules(23)[0].Caption == "Special Node");
    EXPECT_EQ(Ints(TerrainPickerSelection(252), TerrainPickerSelection(253),
                   TerrainPickerSelection(405), AnimatedPickerSelection(413),
                   AnimatedPickerSelection(414), CustomTerrainSelection(1007),
                   CustomTerrainSelection(2007), CustomTerrainSelection(999)),
              Ints(252, -1, -1, 13, -1, 7, 7, -1));
}

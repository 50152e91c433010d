#include "dialogs/records/TerrainCopy.h"

#include <gtest/gtest.h>

namespace {
TerrainType SampleTerrain(std::uint8_t property, std::int16_t extra1, std::int16_t extra2) {
    TerrainType t;
    t.Name = "Oak door                      ";
    t.Picture = 140;
    t.Extra1 = extra1;
    t.Extra2 = extra2;
    t.Blockage = 5;
    t.TransformTo = 131;
    t.FlyOver = 1;
    t.Light = 2;
    t.Sound = 1;
    t.SpecialProperty = property;
    t.ShortcutKey = "d";
    t.TerrainSet = 3;
    return t;
}
} // namespace

TEST(TerrainCopy, NoSoundIs99InTheEditorOnlyForDoorsAndQuickfire) {
    struct Case {
        std::uint8_t property;
        std::int16_t stored;
        std::int16_t shown;
    };
    const Case cases[] = {{24, 200, 99}, {27, 200, 99}, {24, 5, 5}, {1, 200, 200}, {22, 200, 200}};
    for (const Case& c : cases) {
        const TerrainType original = SampleTerrain(c.property, 12, c.stored);
        const TerrainCopy copy = LoadTerrainCopy(original);
        EXPECT_EQ(copy.Extra[1], c.shown) << int(c.property);
        TerrainType record = original;
        SaveTerrainCopy(copy, 100, record);
        EXPECT_EQ(record, original) << int(c.property);
    }
}

TEST(TerrainCopy, EmptyShortcutKeyIsABlank) {
    TerrainType record = SampleTerrain(0, 0, 0);
    record.ShortcutKey = "";
    EXPECT_EQ(LoadTerrainCopy(record).ShortcutKey, ' ');
}

TEST(TerrainExtraValues, RulesFollowTheSpecialProperty) {
    // The window tests show the door, poison and sound rules.
    for (int property : {0, 11, 14, 20, 25, 26, 28, 255}) {
        const auto rules = ExtraValueRules(static_cast<std::uint8_t>(property));
        EXPECT_TRUE(rules[0].Unused() && rules[1].Unused()) << property;
        EXPECT_EQ(rules[0].Prompt, "Unused");
    }
    EXPECT_TRUE(ExtraValueRules(23)[1].Unused());
    EXPECT_EQ(ExtraValueRules(23)[0].Caption, "Special Node");
}

TEST(TerrainPictures, EachPickerStartsOnItsOwnKindOfPicture) {
    EXPECT_EQ(TerrainPickerSelection(252), 252);
    EXPECT_EQ(TerrainPickerSelection(253), -1);
    EXPECT_EQ(TerrainPickerSelection(405), -1);
    EXPECT_EQ(AnimatedPickerSelection(413), 13);
    EXPECT_EQ(AnimatedPickerSelection(414), -1);
    EXPECT_EQ(CustomTerrainSelection(1007), 7);
    EXPECT_EQ(CustomTerrainSelection(2007), 7);
    EXPECT_EQ(CustomTerrainSelection(999), -1);
}

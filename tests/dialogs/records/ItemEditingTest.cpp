#include "dialogs/records/ItemEditing.h"
#include "dialogs/records/ItemAbilityEditing.h"

#include <gtest/gtest.h>

namespace {
ItemType SampleItem() {
    ItemType item;
    item.Name = "Flaming sword            ";
    item.UnidName = "Sword          ";
    item.Picture = 153;
    item.ItemKind = 1;
    item.Value = 900;
    item.Level = 12;
    item.Charges = 0;
    item.WeaponType = 1;
    item.MagicUse = 2;
    item.Ability = 1;
    item.AbilityStrength = 4;
    item.TypeFlag = 200;
    item.Reserved = 77;
    item.TreasureClass = 3;
    item.Magical = 1;
    return item;
}
} // namespace

TEST(ItemCopy, SaveWritesBackWhatWasLoadedAndCutsTheNames) {
    const ItemType original = SampleItem();
    ItemCopy copy = LoadItemCopy(original);
    ItemType record = original;
    SaveItemCopy(copy, record);
    EXPECT_EQ(record, original);

    copy.ItemName = "A name that is longer than 25";
    copy.UnidName = "Short";
    SaveItemCopy(copy, record);
    EXPECT_EQ(record.Name, "A name that is longer tha");
    EXPECT_EQ(record.UnidName, "Short          ");
    EXPECT_EQ(record.Reserved, 77);
}

TEST(ItemCopy, UsedUpAbilitiesNeedACharge) {
    struct Case {
        std::uint8_t ability;
        std::uint8_t charges;
        bool refused;
    };
    const Case cases[] = {{85, 0, true},  {70, 0, true},  {169, 0, true},
                          {85, 1, false}, {69, 0, false}, {170, 0, false}};
    for (const Case& c : cases) {
        ItemCopy copy;
        copy.SpAbility = c.ability;
        copy.Charges = c.charges;
        EXPECT_EQ(NeedsCharges(copy), c.refused) << int(c.ability);
    }
}

TEST(ItemAbilities, CategoriesAcceptTheirKinds) {
    // Kinds: one-handed, bow, arrows, non-use object, crossbow, bolts, missile without ammo.
    const std::uint8_t kinds[] = {1, 4, 5, 20, 22, 23, 24};
    const bool accepted[kAbilityCategories][7] = {
        {true, false, false, false, false, false, false}, // weapon
        {true, true, true, false, true, true, true},      // general
        {true, true, false, true, true, true, false},     // non-spell use
        {true, true, false, true, true, true, false},     // spell usable
        {false, false, false, true, false, false, false}, // reagents
        {false, false, true, false, false, false, true},  // missiles
    };
    for (int category = 0; category < kAbilityCategories; ++category)
        for (int k = 0; k < 7; ++k)
            EXPECT_EQ(CategoryAccepts(category, kinds[k]), accepted[category][k])
                << category << " kind " << int(kinds[k]);
    EXPECT_EQ(CategoryRefusal(5), "You can only give an ability of this sort to\na missile item.");
}

TEST(ItemAbilities, StrengthCaptionAndCheckFollowTheAbility) {
    EXPECT_EQ(StrengthCaption(150), "Not used.");
    EXPECT_EQ(StrengthCaption(161), "Not used.");
    EXPECT_EQ(StrengthCaption(119), "Monster # to summon.");
    EXPECT_EQ(StrengthCaption(120), "Monster # to summon.");
    EXPECT_EQ(StrengthCaption(63), "Ability strength - 1-10.");
    EXPECT_EQ(StrengthCheckFor(63).Max, 255);
    EXPECT_EQ(StrengthCheckFor(63).Caption, "Sp. Node Number");
    EXPECT_EQ(StrengthCheckFor(120).Caption, "Monster Number");
    EXPECT_EQ(StrengthCheckFor(1).Max, 10);
}

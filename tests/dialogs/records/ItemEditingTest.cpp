#include "dialogs/records/ItemAbilityCopy.h"
#include "dialogs/records/ItemCopy.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(CategoryRefusal(5),
              "You can only give an ability of this sort to\r\na missile item.");
}

#include "RecordEditorDriver.h"
#include "support/Ints.h"

#include "dialogs/records/frmEditItem.h"
#include "dialogs/records/frmEditItemAbility.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>

namespace {
ItemType& Item() {
    return Scen.ItemTypes[40];
}

class ItemEditorTest : public RecordEditorTest {
  protected:
    void SetUp() override {
        RecordEditorTest::SetUp();
        Item() = {.Name = "Broad sword              ",
                  .UnidName = "Sword          ",
                  .Picture = 12,
                  .ItemKind = 1,
                  .WeaponType = 1,
                  .Ability = 1,
                  .AbilityStrength = 3,
                  .Reserved = 99,
                  .TreasureClass = 2,
                  .Magical = 1};
    }
    void Edit(std::function<void(frmEditItem&)> action) {
        Open<frmEditItem>([](frmEditItem& d) { d.ItemNum = 40; }, std::move(action));
    }
    // Opens the abilities of item 40 (kind, ability, strength) from its editor, which is then
    // cancelled; returns what the abilities dialog wrote into the editor's members.
    ItemEditorMembers Abilities(std::int16_t kind, std::uint8_t ability, std::uint8_t strength,
                                std::function<void(frmEditItemAbility&)> action) {
        Item().ItemKind = kind;
        Item().Ability = ability;
        Item().AbilityStrength = strength;
        Item().MagicUse = 1;
        Item().Name = "Wand of storms           ";
        When<frmEditItemAbility>(std::move(action));
        ItemEditorMembers members;
        Edit([&members](frmEditItem& d) {
            Click(d.cmdAbilities);
            members = d.Copy;
            Click(d.cmdCancel);
        });
        return members;
    }
};
} // namespace

TEST_F(ItemEditorTest, ShowsTheRecordAndSavesEditsOnOk) {
    Scen.ListsLocked = 1; // the lock concerns the order of the list, not its records
    ItemType expected = Item();
    Edit([](frmEditItem& d) {
        EXPECT_EQ(Shown({d.txtName, d.txtUnidName, d.lstType, d.lstWpnType}),
                  (std::vector<QString>{"Broad sword", "Sword", "1-Handed weapon", "Edged"}));
        EXPECT_EQ(d.lstTreasureType->currentIndex(), 2);
        EXPECT_TRUE(d.chkMagical->isChecked());
        Type(d.txtName, "A very long name for a sword");
        Type(d.txtUnidName, "Blade of the north");
        Choose(d.lstWpnType, 2);
        Choose(d.lstTreasureType, 4);
        Click(d.chkCursed);
        Type(d.txtWeight, "");
        Leave(d.txtWeight);
        EXPECT_EQ(d.txtWeight->text(), "0");
        QTest::keyClick(d.txtValue, Qt::Key_Return);
    });
    expected.Name = "A very long name for a sw";
    expected.UnidName = "Blade of the no";
    expected.WeaponType = 3;
    expected.TreasureClass = 4;
    expected.Cursed = 1;
    expected.Weight = 0;
    EXPECT_EQ(Item(), expected);
    EXPECT_EQ(Scen.ListsLocked, 1);
}

TEST_F(ItemEditorTest, ValuesTheListsOrTheByteCannotHoldAreKept) {
    Item().ItemKind = 25; // an old missile kind
    Item().WeaponType = 0;
    Item().Protection = 4;
    Edit([this](frmEditItem& d) {
        EXPECT_EQ(d.lstType->currentText(), "Missile (no ammo)");
        EXPECT_EQ(d.lstWpnType->currentIndex(), -1);
        Type(d.txtProtection, "-1");
        EXPECT_TRUE(Messages().empty());
        Leave(d.txtProtection);
        EXPECT_EQ(d.txtProtection->text(), "4");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Ints(Item().ItemKind, Item().WeaponType, Item().Protection),
              (std::vector<int>{24, 0, 4}));
}

TEST_F(ItemEditorTest, CustomPictureIsStoredFrom150) {
    PickPicture(3);
    for (int set : {0, 2})
        When<frmSelectIcon>([set](frmSelectIcon& p) {
            EXPECT_EQ(p.PictureSet, set);
            EXPECT_EQ(p.PictureSelect, set == 0 ? 3 : -1);
            Click(p.cmdCancel);
        });
    Edit([](frmEditItem& d) {
        EXPECT_EQ(ShownAfterClicks(d.lblPict, {d.cmdCustomPic, d.cmdCustomPic, d.cmdPictSelect}),
                  (std::vector<QString>(3, "153")));
        Click(d.cmdOK);
    });
    EXPECT_EQ(Item().Picture, 153);
}

TEST_F(ItemEditorTest, AbilitiesOnlyForKindsThatCanHaveThem) {
    const std::pair<std::int16_t, const char*> cases[] = {
        {0, "You must give the item a type before\r\n you can choose its abilities."},
        {3, "Gold and food cannot be given special abilities."},
        {11, "Gold and food cannot be given special abilities."},
        {20, nullptr}};
    for (const auto& [kind, refusal] : cases) {
        Item().ItemKind = kind;
        MsgBoxRecorder local;
        if (!refusal) When<frmEditItemAbility>([](frmEditItemAbility& a) { Click(a.cmdCancel); });
        Edit([](frmEditItem& d) {
            Click(d.cmdAbilities);
            Click(d.cmdCancel);
        });
        ASSERT_EQ(local.Calls().size(), refusal ? 1u : 0u) << kind;
        if (!refusal) continue;
        EXPECT_EQ(local.Calls()[0].text, refusal);
        EXPECT_EQ(local.Calls()[0].title, "Error!");
    }
}

TEST_F(ItemEditorTest, UsedUpAbilityWithoutChargesCannotBeSaved) {
    for (int ability : {85, 69, 170}) {
        Item().Ability = static_cast<std::uint8_t>(ability);
        Item().Charges = 0;
        Item().Bonus = 0;
        MsgBoxRecorder local;
        Edit([ability](frmEditItem& d) {
            Type(d.txtBonus, "2");
            Click(d.cmdScrollRight); // the arrow saves, with the same check
            if (ability != 85) return Click(d.cmdCancel);
            EXPECT_EQ(d.lblItemNum->text(), "40");
            Click(d.cmdOK);
            EXPECT_TRUE(d.isVisible()); // silently, until a box is typed in again
            Type(d.txtCharges, "1");
            Click(d.cmdOK);
        });
        EXPECT_EQ(local.Texts(),
                  ability == 85 ? std::vector<std::string>{"An item with the specialty class "
                                                           "selected\r\nmust have at least one "
                                                           "charge."}
                                : std::vector<std::string>{});
        EXPECT_EQ(std::make_pair(int{Item().Bonus}, int{Item().Charges}),
                  std::make_pair(2, ability == 85 ? 1 : 0))
            << ability;
    }
}

TEST_F(ItemEditorTest, AbilityChangesReachTheRecordOnlyWithTheEditorsSave) {
    const ItemType before = Item();
    for (bool ok : {false, true}) {
        When<frmEditItemAbility>([](frmEditItemAbility& a) {
            Click(a.cmdSpAbility[0]);
            a.lstSpAbility->setFocus();
            QTest::keyClick(a.lstSpAbility, Qt::Key_Down);
            Choose(a.lstItemUses, 3);
            Type(a.txtAbilityStrength, "9");
            Click(a.cmdOK);
        });
        Edit([ok](frmEditItem& d) {
            Click(d.cmdAbilities);
            EXPECT_EQ(Ints(d.Copy.SpAbility, d.Copy.SpAbilityStr, d.Copy.ItemUses),
                      (std::vector<int>{1, 9, 3}));
            Click(ok ? d.cmdOK : d.cmdCancel);
        });
        if (!ok) {
            EXPECT_EQ(Item(), before);
        }
    }
    EXPECT_EQ(Ints(Item().AbilityStrength, Item().MagicUse), (std::vector<int>{9, 3}));
}

TEST_F(ItemEditorTest, AbilitiesOpenWithAnEmptyListAndTheCurrentAbilityNamed) {
    Abilities(9, 119, 30, [](frmEditItemAbility& a) {
        EXPECT_EQ(a.lstSpAbility->count(), 0);
        EXPECT_EQ(Shown({a.lblItemNum, a.lblItemName, a.lblType, a.lblSpecAbility, a.Label6,
                         a.lstItemUses}),
                  (std::vector<QString>{"40", "Wand of storms", "Wand", "Summoning",
                                        "Monster # to summon.", "Harm using PC"}));
        Click(a.cmdSpAbility[3]);
        EXPECT_EQ(a.Label6->text(), "Ability strength - 1-10.");
        Click(a.cmdCancel);
    });
    // Stored numbers beyond the name tables show no name.
    Abilities(1, 200, 0, [](frmEditItemAbility& a) {
        EXPECT_EQ(a.lblSpecAbility->text(), "");
        Click(a.cmdCancel);
    });
    Abilities(120, 5, 0, [](frmEditItemAbility& a) {
        EXPECT_EQ(a.lblType->text(), "");
        Click(a.cmdCancel);
    });
}

TEST_F(ItemEditorTest, AbilityCategoriesFillTheListOrAreRefusedForTheKind) {
    struct Case {
        std::int16_t kind;
        int category;
        int entries; // 0: refused
        const char* firstAbility;
        const char* caption;
        const char* refusalEnd;
    };
    const Case cases[] = {
        {1, 0, 15, "No special ability", "Ability strength - 1-10.", nullptr},
        {20, 4, 12, "Holly/toadstool", "Not used.", nullptr},
        {23, 2, 25, "Poison weapon", "Ability strength - 1-10.", nullptr},
        {23, 5, 0, "Intelligence", "Not used.", "a missile item."},
        {13, 0, 0, "Intelligence", "Ability strength - 0-10.", "a melee weapon."},
    };
    for (const Case& c : cases) {
        MsgBoxRecorder local;
        const ItemEditorMembers members = Abilities(c.kind, 40, 2, [&c](frmEditItemAbility& a) {
            Click(a.cmdSpAbility[static_cast<std::size_t>(c.category)]);
            EXPECT_EQ(a.lstSpAbility->count(), c.entries);
            EXPECT_EQ(a.Label6->text(), c.caption);
            EXPECT_EQ(a.lblSpecAbility->text(), c.firstAbility);
            Click(a.cmdOK);
        });
        const std::string prefix = "You can only give an ability of this sort to\r\n";
        EXPECT_EQ(local.Texts(), c.refusalEnd ? std::vector<std::string>{prefix + c.refusalEnd}
                                              : std::vector<std::string>{});
        EXPECT_EQ(members.SpAbility == 40, c.refusalEnd != nullptr) << c.kind;
    }
}

TEST_F(ItemEditorTest, StrengthIsCheckedByTheAbilityCurrentWhileTyping) {
    for (std::uint8_t ability : {std::uint8_t{63}, std::uint8_t{119}, std::uint8_t{40}}) {
        MsgBoxRecorder local;
        const ItemEditorMembers members = Abilities(9, ability, 5, [](frmEditItemAbility& a) {
            TypeInto(a.txtAbilityStrength, "200");
            // A later change of ability does not check the strength again.
            Click(a.cmdSpAbility[3]);
            Click(a.cmdOK);
        });
        const bool accepted = ability != 40;
        EXPECT_EQ(local.Calls().empty(), accepted) << int(ability);
        EXPECT_EQ(members.SpAbilityStr, accepted ? 200 : 5) << int(ability);
        EXPECT_EQ(members.SpAbility, 110);
    }
}

TEST_F(ItemEditorTest, NoAbilityHasNoStrengthEmptyStrengthIsZeroAndCancelWritesNothing) {
    using Action = std::function<void(frmEditItemAbility&)>;
    const std::pair<Action, std::tuple<int, int, int>> cases[] = {
        {[](frmEditItemAbility& a) {
             Click(a.cmdSpAbility[0]);
             EXPECT_EQ(a.txtAbilityStrength->text(), "6");
             Click(a.cmdOK);
         },
         {0, 0, 1}},
        {[](frmEditItemAbility& a) {
             TypeInto(a.txtAbilityStrength, "");
             EXPECT_EQ(a.txtAbilityStrength->text(), "0");
             Click(a.cmdOK);
         },
         {5, 0, 1}},
        {[](frmEditItemAbility& a) {
             Click(a.cmdSpAbility[0]);
             Choose(a.lstItemUses, 2);
             Type(a.txtAbilityStrength, "9");
             Click(a.cmdCancel);
         },
         {5, 6, 1}}};
    for (const auto& [action, expected] : cases) {
        const ItemEditorMembers m = Abilities(2, 5, 6, action);
        EXPECT_EQ(std::make_tuple(int{m.SpAbility}, int{m.SpAbilityStr}, int{m.ItemUses}),
                  expected);
    }
}

#include "dialogs/records/frmEditItem.h"
#include "RecordEditorDriver.h"
#include "dialogs/records/frmEditItemAbility.h"

namespace {
ItemType& Item() {
    return Scen.ItemTypes[40];
}

class ItemEditorTest : public RecordEditorTest {
  protected:
    void SetUp() override {
        RecordEditorTest::SetUp();
        ItemType& i = Item() = ItemType{};
        i.Name = "Broad sword              ", i.UnidName = "Sword          ", i.Picture = 12;
        i.ItemKind = i.WeaponType = i.Ability = i.Magical = 1;
        i.AbilityStrength = 3, i.Reserved = 99, i.TreasureClass = 2;
    }
    void Edit(std::function<void(frmEditItem&)> action) {
        Open<frmEditItem>([](frmEditItem& d) { d.ItemNum = 40; }, std::move(action));
    }
    // Opens the abilities of item 40 (kind, ability, strength) from its editor, which is then
    // cancelled; returns what the abilities dialog wrote into the editor's members. Without an
    // action the abilities are expected to be refused.
    ItemEditorMembers Abilities(std::int16_t kind, std::uint8_t ability, std::uint8_t strength,
                                std::function<void(frmEditItemAbility&)> action) {
        ItemType& i = Item();
        i.ItemKind = kind, i.Ability = ability, i.AbilityStrength = strength, i.MagicUse = 1;
        i.Name = "Wand of storms           ";
        if (action) When<frmEditItemAbility>(std::move(action));
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

// Custom pictures are stored from 150, and a cancelled picker changes nothing; the lock
// concerns the order of the list, not its records. Then values the lists or the byte cannot
// hold are kept.
TEST_F(ItemEditorTest, ShowsTheRecordAndSavesEditsOnOk) {
    Scen.ListsLocked = 1;
    ItemType expected = Item();
    PickPicture(3);
    for (int set : {0, 2})
        When<frmSelectIcon>([set](frmSelectIcon& p) {
            EXPECT_EQ(Ints(p.PictureSet, p.PictureSelect), Ints(set, set == 0 ? 3 : -1));
            Click(p.cmdCancel);
        });
    Edit([](frmEditItem& d) {
        EXPECT_EQ(Shown({d.txtName, d.txtUnidName, d.lstType, d.lstWpnType}),
                  (QStringList{"Broad sword", "Sword", "1-Handed weapon", "Edged"}));
        EXPECT_TRUE(d.lstTreasureType->currentIndex() == 2 && d.chkMagical->isChecked());
        EXPECT_EQ(ShownAfterClicks(d.lblPict, {d.cmdCustomPic, d.cmdCustomPic, d.cmdPictSelect}),
                  QStringList(3, "153"));
        Type(d.txtName, "A very long name for a sword");
        Type(d.txtUnidName, "Blade of the north");
        Choose(d.lstWpnType, 2);
        Choose(d.lstTreasureType, 4);
        Click(d.chkCursed);
        QTest::keyClick(d.txtValue, Qt::Key_Return);
    });
    expected.Name = "A very long name for a sw", expected.UnidName = "Blade of the no";
    expected.WeaponType = 3, expected.TreasureClass = 4, expected.Cursed = 1,
    expected.Picture = 153;
    EXPECT_EQ(Item(), expected);
    EXPECT_EQ(Scen.ListsLocked, 1);
    Item().ItemKind = 25, Item().WeaponType = 0, Item().Protection = 4; // an old missile kind
    Edit([this](frmEditItem& d) {
        EXPECT_EQ(Shown({d.lstType, d.lstWpnType}), QStringList({"Missile (no ammo)", ""}));
        Type(d.txtProtection, "-1");
        EXPECT_TRUE(NewMessages().empty());
        Leave(d.txtProtection);
        EXPECT_EQ(d.txtProtection->text(), "4");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Ints(Item().ItemKind, Item().WeaponType, Item().Protection), Ints(24, 0, 4));
}

// Which abilities are used up is the copy's test; here the arrow saves with the same check.
TEST_F(ItemEditorTest, UsedUpAbilityWithoutChargesCannotBeSaved) {
    Item().Ability = 85, Item().Charges = Item().Bonus = 0;
    Edit([](frmEditItem& d) {
        Type(d.txtBonus, "2");
        Click(d.cmdScrollRight);
        EXPECT_EQ(d.lblItemNum->text(), "40");
        Click(d.cmdOK);
        EXPECT_TRUE(d.isVisible()); // silently, until a box is typed in again
        Type(d.txtCharges, "1");
        Click(d.cmdOK);
    });
    EXPECT_EQ(NewMessages(), Texts{"An item with the specialty class selected\r\nmust have at "
                                   "least one charge."});
    EXPECT_EQ(Ints(Item().Bonus, Item().Charges), Ints(2, 1));
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
            EXPECT_EQ(Ints(d.Copy.SpAbility, d.Copy.SpAbilityStr, d.Copy.ItemUses), Ints(1, 9, 3));
            Click(ok ? d.cmdOK : d.cmdCancel);
        });
        EXPECT_EQ(Item() == before, !ok);
    }
    EXPECT_EQ(Ints(Item().Ability, Item().AbilityStrength, Item().MagicUse), Ints(1, 9, 3));
}

// Gold, food and an item without a kind have no abilities; the categories fill the list or are
// refused for the kind.
TEST_F(ItemEditorTest, AbilityCategoriesFillTheListOrAreRefusedForTheKind) {
    for (std::int16_t kind : {0, 3, 11})
        Abilities(kind, 1, 0, {}); // the abilities do not open
    const std::string food = "Gold and food cannot be given special abilities.";
    EXPECT_EQ(boxes.Calls().back().title, "Error!");
    EXPECT_EQ(NewMessages(),
              (Texts{"You must give the item a type before\r\n you can choose its abilities.", food,
                     food}));
    struct Case {
        std::int16_t kind;
        int category, entries; // 0: refused
        const char *ability, *caption, *refusalEnd;
    };
    const Case cases[] = {
        {1, 0, 15, "No special ability", "Ability strength - 1-10.", nullptr},
        {20, 4, 12, "Holly/toadstool", "Not used.", nullptr},
        {23, 2, 25, "Poison weapon", "Ability strength - 1-10.", nullptr},
        {23, 5, 0, "Intelligence", "Not used.", "a missile item."},
        {13, 0, 0, "Intelligence", "Ability strength - 0-10.", "a melee weapon."},
    };
    for (const Case& c : cases) {
        const ItemEditorMembers members = Abilities(c.kind, 40, 2, [&c](frmEditItemAbility& a) {
            Click(a.cmdSpAbility[static_cast<std::size_t>(c.category)]);
            EXPECT_EQ(a.lstSpAbility->count(), c.entries);
            EXPECT_EQ(Shown({a.Label6, a.lblSpecAbility}), (QStringList{c.caption, c.ability}));
            Click(a.cmdOK);
        });
        const std::string refusal = "You can only give an ability of this sort to\r\n";
        EXPECT_EQ(NewMessages(), c.refusalEnd ? Texts{refusal + c.refusalEnd} : Texts{});
        EXPECT_EQ(members.SpAbility == 40, c.refusalEnd != nullptr) << c.kind;
    }
}

// The abilities open with an empty list and the current ability named, which checks the
// strength typed; a later change of ability does not check it again.
TEST_F(ItemEditorTest, AbilitiesOpenOnTheCurrentAbilityWhichChecksTheStrengthTyped) {
    std::vector<int> seen; // per ability: refused, then the strength and ability stored
    for (std::uint8_t ability : {std::uint8_t{63}, std::uint8_t{119}, std::uint8_t{40}}) {
        const ItemEditorMembers m = Abilities(9, ability, 5, [ability](frmEditItemAbility& a) {
            EXPECT_EQ(a.lstSpAbility->count(), 0);
            if (ability == 119) {
                EXPECT_EQ(Shown({a.lblItemNum, a.lblItemName, a.lblType, a.lblSpecAbility, a.Label6,
                                 a.lstItemUses}),
                          (QStringList{"40", "Wand of storms", "Wand", "Summoning",
                                       "Monster # to summon.", "Harm using PC"}));
            }
            TypeInto(a.txtAbilityStrength, "200");
            Click(a.cmdSpAbility[3]);
            EXPECT_EQ(a.Label6->text(), "Ability strength - 1-10.");
            Click(a.cmdOK);
        });
        seen.insert(seen.end(), {!NewMessages().empty(), m.SpAbilityStr, m.SpAbility});
    }
    EXPECT_EQ(seen, Ints(0, 200, 110, 0, 200, 110, 1, 5, 110));
    // Stored numbers beyond the name tables show no name.
    for (auto [kind, ability] : {std::pair<std::int16_t, std::uint8_t>{1, 200}, {120, 5}})
        Abilities(kind, ability, 0, [kind = kind](frmEditItemAbility& a) {
            EXPECT_EQ(Shown({a.lblType, a.lblSpecAbility}),
                      kind == 1 ? (QStringList{"1-Handed weapon", ""})
                                : (QStringList{"", "Giant slayer"}));
            Click(a.cmdCancel);
        });
}

// No ability, OK: no strength. An emptied strength, OK: 0. Another use and strength, Cancel:
// nothing written.
TEST_F(ItemEditorTest, NoAbilityHasNoStrengthEmptyStrengthIsZeroAndCancelWritesNothing) {
    const std::vector<int> expected[] = {{0, 0, 1}, {5, 0, 1}, {5, 6, 1}};
    for (int way = 0; way < 3; ++way) {
        const ItemEditorMembers m = Abilities(2, 5, 6, [way](frmEditItemAbility& a) {
            if (way != 1) Click(a.cmdSpAbility[0]);
            if (way == 1) TypeInto(a.txtAbilityStrength, "");
            EXPECT_EQ(a.txtAbilityStrength->text(), way == 1 ? "0" : "6");
            if (way == 2) Choose(a.lstItemUses, 2), Type(a.txtAbilityStrength, "9");
            Click(way == 2 ? a.cmdCancel : a.cmdOK);
        });
        EXPECT_EQ(Ints(m.SpAbility, m.SpAbilityStr, m.ItemUses), expected[way]) << way;
    }
}

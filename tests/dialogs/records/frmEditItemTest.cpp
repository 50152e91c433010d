#include "RecordEditorDriver.h"

#include "dialogs/records/frmEditItem.h"
#include "dialogs/records/frmEditItemAbility.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

namespace {
ItemType& Item(int n) {
    return Scen.ItemTypes[static_cast<std::size_t>(n)];
}

class ItemEditorTest : public RecordEditorTest {
  protected:
    void SetUp() override {
        RecordEditorTest::SetUp();
        ItemType sword;
        sword.Name = "Broad sword              ";
        sword.UnidName = "Sword          ";
        sword.Picture = 12;
        sword.ItemKind = 1;
        sword.Value = 300;
        sword.Weight = 40;
        sword.Charges = 0;
        sword.WeaponType = 1;
        sword.Ability = 1;
        sword.AbilityStrength = 3;
        sword.TypeFlag = 7;
        sword.Reserved = 99;
        sword.TreasureClass = 2;
        sword.Magical = 1;
        Item(40) = sword;
    }

    frmEditItem& Edit(std::int16_t number, std::function<void(frmEditItem&)> action) {
        return Open<frmEditItem>([number](frmEditItem& d) { d.ItemNum = number; },
                                 std::move(action));
    }
};
} // namespace

TEST_F(ItemEditorTest, ShowsTheRecordAndSavesEditsOnOk) {
    Scen.ListsLocked = 1; // the lock concerns the order of the list, not its records
    Edit(40, [](frmEditItem& d) {
        EXPECT_EQ(d.lblItemNum->text(), "40");
        EXPECT_EQ(d.txtName->text(), "Broad sword");
        EXPECT_EQ(d.txtUnidName->text(), "Sword");
        EXPECT_EQ(d.lstType->currentText(), "1-Handed weapon");
        EXPECT_EQ(d.lstWpnType->currentText(), "Edged");
        EXPECT_EQ(d.lstTreasureType->currentIndex(), 2);
        EXPECT_EQ(d.txtValue->text(), "300");
        EXPECT_TRUE(d.chkMagical->isChecked());

        Type(d.txtName, "A very long name for a sword");
        Type(d.txtUnidName, "Blade of the north");
        Choose(d.lstWpnType, 2);
        Choose(d.lstTreasureType, 4);
        Click(d.chkCursed);
        Type(d.txtWeight, "");
        Leave(d.txtWeight);
        EXPECT_EQ(d.txtWeight->text(), "0");
        Type(d.txtValue, "10000");
        QTest::keyClick(d.txtValue, Qt::Key_Return);
    });
    const ItemType& item = Item(40);
    EXPECT_EQ(item.Name, "A very long name for a sw");
    EXPECT_EQ(item.UnidName, "Blade of the no");
    EXPECT_EQ(item.WeaponType, 3);
    EXPECT_EQ(item.TreasureClass, 4);
    EXPECT_EQ(item.Cursed, 1);
    EXPECT_EQ(item.Weight, 0);
    EXPECT_EQ(item.Value, 10000);
    EXPECT_EQ(item.Reserved, 99);
    EXPECT_EQ(Scen.ListsLocked, 1);
}

TEST_F(ItemEditorTest, OldMissileKindAndNoWeaponTypeAreShownAsTheListsCan) {
    Item(40).ItemKind = 25;
    Item(40).WeaponType = 0;
    Edit(40, [](frmEditItem& d) {
        EXPECT_EQ(d.lstType->currentText(), "Missile (no ammo)");
        EXPECT_EQ(d.lstWpnType->currentIndex(), -1);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Item(40).ItemKind, 24);
    EXPECT_EQ(Item(40).WeaponType, 0);
}

TEST_F(ItemEditorTest, ProtectionTheByteCannotHoldGetsItsValueBack) {
    Item(40).Protection = 4;
    Edit(40, [this](frmEditItem& d) {
        Type(d.txtProtection, "-1");
        EXPECT_TRUE(Messages().empty());
        Leave(d.txtProtection);
        EXPECT_EQ(d.txtProtection->text(), "4");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Item(40).Protection, 4);
}

TEST_F(ItemEditorTest, CustomPictureIsStoredFrom150) {
    PickPicture(3);
    When<frmSelectIcon>([](frmSelectIcon& p) {
        EXPECT_EQ(p.PictureSet, 0);
        EXPECT_EQ(p.PictureSelect, 3);
        Click(p.cmdCancel);
    });
    When<frmSelectIcon>([](frmSelectIcon& p) {
        EXPECT_EQ(p.PictureSet, 2);
        EXPECT_EQ(p.PictureSelect, -1);
        Click(p.cmdCancel);
    });
    Edit(40, [](frmEditItem& d) {
        Click(d.cmdCustomPic);
        EXPECT_EQ(d.lblPict->text(), "153");
        Click(d.cmdCustomPic);
        Click(d.cmdPictSelect);
        EXPECT_EQ(d.lblPict->text(), "153");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Item(40).Picture, 153);
}

TEST_F(ItemEditorTest, AbilitiesOnlyForKindsThatCanHaveThem) {
    struct Case {
        std::int16_t kind;
        const char* refusal;
    };
    const Case cases[] = {
        {0, "You must give the item a type before\r\n you can choose its abilities."},
        {3, "Gold and food cannot be given special abilities."},
        {11, "Gold and food cannot be given special abilities."},
    };
    for (const Case& c : cases) {
        Item(40).ItemKind = c.kind;
        MsgBoxRecorder local;
        Edit(40, [](frmEditItem& d) {
            Click(d.cmdAbilities);
            Click(d.cmdCancel);
        });
        ASSERT_EQ(local.Calls().size(), 1u) << c.kind;
        EXPECT_EQ(local.Calls()[0].text, c.refusal);
        EXPECT_EQ(local.Calls()[0].title, "Error!");
    }
    Item(40).ItemKind = 20;
    When<frmEditItemAbility>([](frmEditItemAbility& a) { Click(a.cmdCancel); });
    Edit(40, [](frmEditItem& d) {
        Click(d.cmdAbilities);
        Click(d.cmdCancel);
    });
}

TEST_F(ItemEditorTest, UsedUpAbilityWithoutChargesCannotBeSaved) {
    for (int ability : {85, 69, 170}) {
        Item(40).Ability = static_cast<std::uint8_t>(ability);
        Item(40).Charges = 0;
        Item(40).Bonus = 0;
        MsgBoxRecorder local;
        Edit(40, [ability](frmEditItem& d) {
            Type(d.txtBonus, "2");
            Click(d.cmdScrollRight);
            if (ability != 85) {
                Click(d.cmdCancel);
                return;
            }
            EXPECT_EQ(d.lblItemNum->text(), "40");
            Click(d.cmdOK);
            EXPECT_TRUE(d.isVisible());
            Type(d.txtCharges, "1");
            Click(d.cmdOK);
        });
        if (ability == 85) {
            // After the refusal OK does nothing, silently, until a box is typed in again.
            ASSERT_EQ(local.Calls().size(), 1u);
            EXPECT_EQ(
                local.Calls()[0].text,
                "An item with the specialty class selected\r\nmust have at least one charge.");
            EXPECT_EQ(Item(40).Charges, 1);
        } else {
            EXPECT_TRUE(local.Calls().empty()) << ability;
        }
        EXPECT_EQ(Item(40).Bonus, 2) << ability;
    }
}

TEST_F(ItemEditorTest, AbilityChangesReachTheRecordOnlyWithTheEditorsSave) {
    const ItemType before = Item(40);
    const auto chooseWeaponAbility = [](frmEditItemAbility& a) {
        Click(a.cmdSpAbility[0]);
        a.lstSpAbility->setFocus();
        QTest::keyClick(a.lstSpAbility, Qt::Key_Down);
        Choose(a.lstItemUses, 3);
        Type(a.txtAbilityStrength, "9");
        Click(a.cmdOK);
    };
    When<frmEditItemAbility>(chooseWeaponAbility);
    Edit(40, [](frmEditItem& d) {
        Click(d.cmdAbilities);
        EXPECT_EQ(d.Copy.SpAbility, 1);
        EXPECT_EQ(d.Copy.SpAbilityStr, 9);
        EXPECT_EQ(d.Copy.ItemUses, 3);
        Click(d.cmdCancel);
    });
    EXPECT_EQ(Item(40), before);

    When<frmEditItemAbility>(chooseWeaponAbility);
    Edit(40, [](frmEditItem& d) {
        Click(d.cmdAbilities);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Item(40).AbilityStrength, 9);
    EXPECT_EQ(Item(40).MagicUse, 3);
}

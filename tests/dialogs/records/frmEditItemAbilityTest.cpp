#include "RecordEditorDriver.h"

#include "dialogs/records/frmEditItem.h"
#include "dialogs/records/frmEditItemAbility.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

namespace {
class ItemAbilityTest : public RecordEditorTest {
  protected:
    // Opens the abilities of item 40, of the kind and ability given, from its editor; what the
    // dialog wrote back stays in the editor's members, returned here.
    ItemEditorMembers Abilities(std::int16_t kind, std::uint8_t ability, std::uint8_t strength,
                                std::function<void(frmEditItemAbility&)> action) {
        ItemType& item = Scen.ItemTypes[40];
        item.ItemKind = kind;
        item.Ability = ability;
        item.AbilityStrength = strength;
        item.MagicUse = 1;
        item.Name = "Wand of storms           ";
        When<frmEditItemAbility>(std::move(action));
        ItemEditorMembers members;
        Open<frmEditItem>([](frmEditItem& d) { d.ItemNum = 40; },
                          [&members](frmEditItem& d) {
                              Click(d.cmdAbilities);
                              members = d.Copy;
                              Click(d.cmdCancel);
                          });
        return members;
    }
};
} // namespace

TEST_F(ItemAbilityTest, OpensWithAnEmptyListAndTheCurrentAbilityNamed) {
    Abilities(9, 119, 30, [](frmEditItemAbility& a) {
        EXPECT_EQ(a.lblItemNum->text(), "40");
        EXPECT_EQ(a.lblItemName->text(), "Wand of storms");
        EXPECT_EQ(a.lblType->text(), "Wand");
        EXPECT_EQ(a.lstSpAbility->count(), 0);
        EXPECT_EQ(a.lblSpecAbility->text(), "Summoning");
        EXPECT_EQ(a.Label6->text(), "Monster # to summon.");
        EXPECT_EQ(a.lstItemUses->currentText(), "Harm using PC");
        Click(a.cmdSpAbility[3]);
        EXPECT_EQ(a.Label6->text(), "Ability strength - 1-10.");
        Click(a.cmdCancel);
    });
}

TEST_F(ItemAbilityTest, CategoriesFillTheListOrAreRefusedForTheKind) {
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
        {23, 5, 0, nullptr, "Not used.", "a missile item."},
        {13, 0, 0, nullptr, "Ability strength - 0-10.", "a melee weapon."},
    };
    for (const Case& c : cases) {
        MsgBoxRecorder local;
        const ItemEditorMembers members = Abilities(c.kind, 40, 2, [&c](frmEditItemAbility& a) {
            Click(a.cmdSpAbility[static_cast<std::size_t>(c.category)]);
            EXPECT_EQ(a.lstSpAbility->count(), c.entries);
            EXPECT_EQ(a.Label6->text(), c.caption);
            if (c.firstAbility)
                EXPECT_EQ(a.lblSpecAbility->text(), c.firstAbility);
            else
                EXPECT_EQ(a.lblSpecAbility->text(), "Intelligence");
            Click(a.cmdOK);
        });
        if (c.refusalEnd) {
            ASSERT_EQ(local.Calls().size(), 1u);
            EXPECT_EQ(local.Calls()[0].text,
                      std::string("You can only give an ability of this sort to\r\n") +
                          c.refusalEnd);
            EXPECT_EQ(members.SpAbility, 40);
        } else {
            EXPECT_TRUE(local.Calls().empty());
            EXPECT_NE(members.SpAbility, 40);
        }
    }
}

TEST_F(ItemAbilityTest, StrengthIsCheckedByTheAbilityCurrentWhileTyping) {
    for (std::uint8_t ability : {std::uint8_t{63}, std::uint8_t{119}, std::uint8_t{40}}) {
        MsgBoxRecorder local;
        const ItemEditorMembers members = Abilities(9, ability, 5, [](frmEditItemAbility& a) {
            Type(a.txtAbilityStrength, "200");
            Leave(a.txtAbilityStrength);
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

TEST_F(ItemAbilityTest, NoAbilityIsWrittenWithoutStrengthAndEmptyStrengthIsZero) {
    ItemEditorMembers members = Abilities(2, 5, 6, [](frmEditItemAbility& a) {
        Click(a.cmdSpAbility[0]);
        EXPECT_EQ(a.txtAbilityStrength->text(), "6");
        Click(a.cmdOK);
    });
    EXPECT_EQ(members.SpAbility, 0);
    EXPECT_EQ(members.SpAbilityStr, 0);

    members = Abilities(2, 5, 6, [](frmEditItemAbility& a) {
        Type(a.txtAbilityStrength, "");
        Leave(a.txtAbilityStrength);
        EXPECT_EQ(a.txtAbilityStrength->text(), "0");
        Click(a.cmdOK);
    });
    EXPECT_EQ(members.SpAbility, 5);
    EXPECT_EQ(members.SpAbilityStr, 0);
}

TEST_F(ItemAbilityTest, CancelWritesNothingBack) {
    const ItemEditorMembers members = Abilities(1, 5, 6, [](frmEditItemAbility& a) {
        Click(a.cmdSpAbility[0]);
        Choose(a.lstItemUses, 2);
        Type(a.txtAbilityStrength, "9");
        Click(a.cmdCancel);
    });
    EXPECT_EQ(members.SpAbility, 5);
    EXPECT_EQ(members.SpAbilityStr, 6);
    EXPECT_EQ(members.ItemUses, 1);
}

TEST_F(ItemAbilityTest, StoredNumbersBeyondTheNameTablesShowNoName) {
    Abilities(1, 200, 0, [](frmEditItemAbility& a) {
        EXPECT_EQ(a.lblSpecAbility->text(), "");
        Click(a.cmdCancel);
    });
    Abilities(120, 5, 0, [](frmEditItemAbility& a) {
        EXPECT_EQ(a.lblType->text(), "");
        Click(a.cmdCancel);
    });
}

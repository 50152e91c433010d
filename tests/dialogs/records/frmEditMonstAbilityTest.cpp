#include "RecordEditorDriver.h"

#include "dialogs/records/frmEditMonstAbility.h"
#include "dialogs/records/frmEditMonster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>

namespace {
class MonsterAbilityTest : public RecordEditorTest {
  protected:
    // Opens the abilities of monster 30 from its editor; returns the editor's members as the
    // abilities dialog left them.
    MonsterAbilityMembers Abilities(std::function<void(frmEditMonstAbility&)> action) {
        When<frmEditMonstAbility>(std::move(action));
        MonsterAbilityMembers members;
        Open<frmEditMonster>([](frmEditMonster& d) { d.MonstNum = 30; },
                             [&members](frmEditMonster& d) {
                                 Click(d.cmdAbilities);
                                 members = d.Copy;
                                 Click(d.cmdCancel);
                             });
        return members;
    }
};
} // namespace

TEST_F(MonsterAbilityTest, CreateGenerateEntryChoosesThePromptAndTheCheck) {
    Scen.MonsterTypes[30].CreateGenerate = 11;
    Scen.MonsterTypes[30].CreateExtra = 40;
    const MonsterAbilityMembers members = Abilities([](frmEditMonstAbility& a) {
        // Showing a stored summon does not choose it.
        EXPECT_EQ(a.lblCreateExtra->text(), "Unused");
        EXPECT_EQ(a.lstCreateGenerate->currentText(), "Summon (20% chance)");
        Choose(a.lstCreateGenerate, 11);
        EXPECT_EQ(a.lblCreateExtra->text(), "Number of creature to summon");
        Type(a.txtCreateExtra, "300");
        Leave(a.txtCreateExtra);
        EXPECT_EQ(a.txtCreateExtra->text(), "40");
        Choose(a.lstCreateGenerate, 1);
        EXPECT_EQ(a.lblCreateExtra->text(), "Percentage chance (1-100%)");
        Type(a.txtCreateExtra, "0");
        Type(a.txtCreateExtra, "101");
        Type(a.txtCreateExtra, "100");
        Click(a.cmdOK);
    });
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Creature number must be between 0 and 255.",
                                                    "Percentage must be between 1 and 100.",
                                                    "Percentage must be between 1 and 100."}));
    EXPECT_EQ(members.CreateGenerate, 1);
    EXPECT_EQ(members.CreateExtra, 100);
}

TEST_F(MonsterAbilityTest, ResistanceBoxesAreResistOrImmuneOrNeither) {
    Scen.MonsterTypes[30].ColdRes = 2;
    Scen.MonsterTypes[30].MagicRes = 0;
    const MonsterAbilityMembers members = Abilities([](frmEditMonstAbility& a) {
        EXPECT_TRUE(a.chkColdRes[1]->isChecked());
        Click(a.chkColdRes[0]);
        EXPECT_TRUE(a.chkColdRes[0]->isChecked());
        EXPECT_FALSE(a.chkColdRes[1]->isChecked());
        Click(a.chkMagicRes[1]);
        Click(a.chkMagicRes[1]);
        Click(a.cmdOK);
    });
    EXPECT_EQ(members.ColdRes, 1);
    EXPECT_EQ(members.MagicRes, 0);
}

TEST_F(MonsterAbilityTest, NoDroppedItemAndAChanceOfMinusOneAreKept) {
    Scen.MonsterTypes[30].ItemDropped = -1;
    Scen.MonsterTypes[30].ChanceDrop = 10;
    const MonsterAbilityMembers members = Abilities([](frmEditMonstAbility& a) {
        EXPECT_EQ(a.lstItemDropped->currentIndex(), -1);
        EXPECT_EQ(a.lstItemDropped->count(), 500);
        Type(a.txtChanceDrop, "-1");
        Click(a.cmdOK);
    });
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(members.ItemDropped, -1);
    EXPECT_EQ(members.ChanceDrop, -1);
}

TEST_F(MonsterAbilityTest, CancelLeavesTheEditorsMembers) {
    const MonsterType before = Scen.MonsterTypes[30];
    const MonsterAbilityMembers members = Abilities([](frmEditMonstAbility& a) {
        Choose(a.lstBreathWpn, 2);
        Type(a.txtBreathStr, "30");
        Click(a.chkFireRes[0]);
        Click(a.cmdCancel);
    });
    EXPECT_EQ(members.BreathWpn, before.BreathWpn);
    EXPECT_EQ(members.BreathStr, before.BreathStr);
    EXPECT_EQ(members.FireRes, before.FireRes);
}

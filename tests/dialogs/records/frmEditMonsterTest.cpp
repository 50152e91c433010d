#include "dialogs/records/frmEditMonster.h"
#include "RecordEditorDriver.h"
#include "dialogs/records/frmEditMonstAbility.h"
#include "dialogs/records/frmMonstPicSize.h"

namespace {
MonsterType& Monster() {
    return Scen.MonsterTypes[20];
}

class MonsterEditorTest : public RecordEditorTest {
  protected:
    void SetUp() override {
        RecordEditorTest::SetUp();
        MonsterType& m = Monster() = MonsterType{};
        m.Name = "Ogre  chief         ", m.Picture = 51, m.TalkPicture = 4, m.Kind = 9;
        m.Health = 90, m.Speed = 5, m.Attitude = 3, m.ItemDropped = -1, m.ChanceDrop = 10;
        m.AttackTypes = {6, 1, 9}, m.AttackDice = {3, 1, 0}, m.AttackSides = {8, 4, 0};
        m.CreateGenerate = 11, m.CreateExtra = 40, m.ColdRes = 2;
    }
    void Edit(std::function<void(frmEditMonster&)> action) {
        Open<frmEditMonster>([](frmEditMonster& d) { d.MonstNum = 20; }, std::move(action));
    }
    // The picker's custom picture, then the size dialog answered by action.
    void PickCustom(int picture, std::function<void(frmMonstPicSize&)> size) {
        PickPicture(picture);
        When<frmMonstPicSize>(std::move(size));
    }
};
} // namespace

// No health or speed shows as 1; the attack dice decide the sides; the third attack type has
// no control and is kept; the lock concerns the order of the list, not its records.
TEST_F(MonsterEditorTest, ShowsTheRecordAndSavesEditsOnOk) {
    Scen.ListsLocked = 1;
    Monster().Health = Monster().Speed = 0;
    MonsterType expected = Monster();
    Edit([](frmEditMonster& d) {
        EXPECT_EQ(Shown({d.txtName, d.lblPict, d.lblPicWidth, d.lblPicHeight, d.lstType,
                         d.lstAttack[0], d.txtHealth, d.txtSpeed}),
                  (QStringList{"Ogre  chief", "51", "1", "2", "Giant", "Clubs", "1", "1"}));
        EXPECT_TRUE(d.optAttitude[3]->isChecked());
        // The attack frame once stretched to the height of the column beside it.
        const QGroupBox* frame = nullptr;
        for (const QGroupBox* box : d.findChildren<QGroupBox*>())
            if (box->title() == "Hand to Hand Combat:") frame = box;
        ASSERT_NE(frame, nullptr);
        EXPECT_LE(frame->height(), frame->sizeHint().height());
        Type(d.txtName, "Ogre king of the north");
        Choose(d.lstType, 2);
        Choose(d.lstAttack[1], 5);
        Click(d.optAttitude[1]);
        TypeInto(d.txtAttackDice[0], "0");
        TypeInto(d.txtAttackDice[2], "3");
        TypeInto(d.txtAttackDice[1], "");
        EXPECT_EQ(Shown({d.txtAttackDice[1], d.txtAttackDSide[0], d.txtAttackDSide[1],
                         d.txtAttackDSide[2]}),
                  (QStringList{"0", "0", "0", "1"}));
        QTest::keyClick(d.txtName, Qt::Key_Return);
    });
    expected.Name = "Ogre king of the nor", expected.Kind = 2, expected.Attitude = 1;
    expected.Health = expected.Speed = 1, expected.AttackTypes[1] = 5;
    expected.AttackDice = {0, 0, 3}, expected.AttackSides = {0, 0, 1};
    EXPECT_EQ(Monster(), expected);
    EXPECT_TRUE(Scen.ListsLocked == 1 && NewMessages().empty());
}

// The custom number follows the size entered: a cancelled picker changes nothing, a cancelled
// size keeps the old size, and the size dialog checks both boxes on OK; then the talking
// pictures, standard and custom.
TEST_F(MonsterEditorTest, PictureSession) {
    Monster().Picture = 3005;
    CancelPicker();
    PickCustom(9, [](frmMonstPicSize& s) {
        EXPECT_EQ(Shown({s.txtPicWidth, s.txtPicHeight}), (QStringList{"1", "2"}));
        Type(s.txtPicWidth, "2");
        Click(s.cmdCancel);
    });
    PickCustom(7, [](frmMonstPicSize& s) {
        Type(s.txtPicWidth, "2");
        Type(s.txtPicHeight, "1");
        Click(s.cmdOK);
    });
    PickPicture(120);
    PickCustom(4, [this](frmMonstPicSize& s) {
        Type(s.txtPicWidth, "5");
        Type(s.txtPicHeight, "1"); // the width is refused again on OK, not only the last typed
        Click(s.cmdOK);
        EXPECT_TRUE(s.isVisible());
        EXPECT_EQ(NewMessages(), Texts(2, "Width must be between 1 and 2."));
        Type(s.txtPicWidth, "1");
        Click(s.cmdOK);
        EXPECT_FALSE(s.isVisible());
    });
    PickPicture(12);
    When<frmSelectIcon>([](frmSelectIcon& p) {
        EXPECT_EQ(Ints(p.PictureSet, p.PictureSelect), Ints(0, -1));
        QTest::mouseClick(p.picSelect[3], Qt::LeftButton);
        Click(p.cmdOK);
    });
    Edit([](frmEditMonster& d) {
        EXPECT_EQ(ShownAfterClicks(d.lblPict, {d.cmdPicCustom, d.cmdPicCustom, d.cmdPicCustom}),
                  (QStringList{"3005", "3009", "2007"}));
        EXPECT_EQ(Shown({d.lblPict, d.lblPicWidth, d.lblPicHeight}),
                  (QStringList{"2007", "2", "1"}));
        Click(d.cmdPicPicture);
        EXPECT_EQ(Shown({d.lblPict, d.lblPicWidth, d.lblPicHeight}),
                  (QStringList{"120", "2", "2"}));
        EXPECT_EQ(ShownAfterClicks(d.lblPict, {d.cmdPicCustom}), QStringList{"1004"});
        Click(d.cmdSelectTalk);
        EXPECT_EQ(d.Copy.TalkPict, 12);
        Click(d.cmdTalkCustom);
        Type(d.txtLevel, "7"); // a refusal in the size dialog does not block the editor
        Click(d.cmdOK);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(Ints(Monster().Picture, Monster().TalkPicture, Monster().Level), Ints(1004, 1003, 7));
    // A picture beyond the picker's range opens it with nothing marked.
    When<frmSelectIcon>([](frmSelectIcon& p) {
        EXPECT_EQ(p.PictureSelect, -1);
        Click(p.cmdCancel);
    });
    Monster().Picture = 200;
    Edit([](frmEditMonster& d) {
        Click(d.cmdPicPicture);
        EXPECT_EQ(d.lblPict->text(), "200");
        Click(d.cmdCancel);
    });
}

// Cancel in the abilities leaves the editor's members; OK there reaches the record only with
// the editor's OK. The create/generate entry chooses the prompt and the check; resistances are
// resist or immune; no dropped item is kept.
TEST_F(MonsterEditorTest, AbilitiesReachTheRecordOnlyWithTheEditorsSave) {
    const MonsterType before = Monster();
    for (bool ok : {false, true}) {
        When<frmEditMonstAbility>([](frmEditMonstAbility& a) {
            Choose(a.lstBreathWpn, 2);
            Type(a.txtBreathStr, "30");
            Click(a.chkFireRes[0]);
            Click(a.cmdCancel);
        });
        When<frmEditMonstAbility>([](frmEditMonstAbility& a) {
            EXPECT_EQ(a.lblMonsterNumber->text(), "20");
            // Showing a stored summon does not choose it.
            EXPECT_EQ(Shown({a.lblCreateExtra, a.lstCreateGenerate}),
                      (QStringList{"Unused", "Summon (20% chance)"}));
            Type(a.txtPoison, "6");
            Choose(a.lstCreateGenerate, 11);
            EXPECT_EQ(a.lblCreateExtra->text(), "Number of creature to summon");
            TypeInto(a.txtCreateExtra, "300");
            EXPECT_EQ(a.txtCreateExtra->text(), "40");
            Choose(a.lstCreateGenerate, 1);
            EXPECT_EQ(a.lblCreateExtra->text(), "Percentage chance (1-100%)");
            for (const char* typed : {"0", "101", "100"})
                Type(a.txtCreateExtra, typed);
            EXPECT_TRUE(a.chkColdRes[1]->isChecked());
            Click(a.chkColdRes[0]);
            EXPECT_TRUE(a.chkColdRes[0]->isChecked() && !a.chkColdRes[1]->isChecked());
            Click(a.chkMagicRes[1]);
            Click(a.chkMagicRes[1]);
            EXPECT_EQ(Ints(a.lstItemDropped->currentIndex(), a.lstItemDropped->count()),
                      Ints(-1, 500));
            Type(a.txtChanceDrop, "-1");
            Click(a.cmdOK);
        });
        Edit([ok](frmEditMonster& d) {
            const MonsterAbilityMembers shown = d.Copy;
            Click(d.cmdAbilities);
            EXPECT_EQ(static_cast<const MonsterAbilityMembers&>(d.Copy), shown);
            Click(d.cmdAbilities);
            const MonsterCopy& m = d.Copy;
            EXPECT_EQ(Ints(m.Poison, m.CreateGenerate, m.CreateExtra, m.ColdRes, m.MagicRes,
                           m.ItemDropped, m.ChanceDrop),
                      Ints(6, 1, 100, 1, 0, -1, -1));
            Click(ok ? d.cmdOK : d.cmdCancel);
        });
        EXPECT_EQ(NewMessages(), (Texts{"Creature number must be between 0 and 255.",
                                        "Percentage must be between 1 and 100.",
                                        "Percentage must be between 1 and 100."}));
        EXPECT_EQ(Monster() == before, !ok);
    }
    EXPECT_EQ(Ints(Monster().Poison, Monster().CreateGenerate, Monster().CreateExtra),
              Ints(6, 1, 100));
}

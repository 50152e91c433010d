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
    // The editor opens the monster's abilities and is then cancelled; returns the members as
    // the abilities dialog left them.
    MonsterAbilityMembers Abilities(std::function<void(frmEditMonstAbility&)> action) {
        When<frmEditMonstAbility>(std::move(action));
        MonsterAbilityMembers members;
        Edit([&members](frmEditMonster& d) {
            Click(d.cmdAbilities);
            members = d.Copy;
            Click(d.cmdCancel);
        });
        return members;
    }
    // The picker's custom picture, then the size dialog answered by action.
    void PickCustom(int picture, std::function<void(frmMonstPicSize&)> size) {
        PickPicture(picture);
        When<frmMonstPicSize>(std::move(size));
    }
};
} // namespace

TEST_F(MonsterEditorTest, ShowsTheRecordAndSavesEditsOnOk) {
    Scen.ListsLocked = 1; // the lock concerns the order of the list, not its records
    MonsterType expected = Monster();
    Edit([](frmEditMonster& d) {
        EXPECT_EQ(
            Shown({d.txtName, d.lblPict, d.lblPicWidth, d.lblPicHeight, d.lstType, d.lstAttack[0]}),
            (QStringList{"Ogre  chief", "51", "1", "2", "Giant", "Clubs"}));
        EXPECT_TRUE(d.optAttitude[3]->isChecked());
        Type(d.txtName, "Ogre king");
        Choose(d.lstType, 2);
        Choose(d.lstAttack[1], 5);
        Click(d.optAttitude[1]);
        QTest::keyClick(d.txtName, Qt::Key_Return);
    });
    expected.Name = "Ogre king           ", expected.Kind = 2, expected.Attitude = 1;
    expected.AttackTypes[1] = 5; // the third attack type has no control and is kept
    EXPECT_EQ(Monster(), expected);
    EXPECT_TRUE(Scen.ListsLocked == 1 && NewMessages().empty());
}

TEST_F(MonsterEditorTest, NoHealthOrSpeedIsOneAndAttackDiceDecideTheSides) {
    Monster().Health = Monster().Speed = 0;
    Edit([](frmEditMonster& d) {
        EXPECT_EQ(Shown({d.txtHealth, d.txtSpeed}), (QStringList{"1", "1"}));
        // The attack frame once stretched to the height of the column beside it.
        const QGroupBox* frame = nullptr;
        for (const QGroupBox* box : d.findChildren<QGroupBox*>())
            if (box->title() == "Hand to Hand Combat:") frame = box;
        ASSERT_NE(frame, nullptr);
        EXPECT_LE(frame->height(), frame->sizeHint().height());
        TypeInto(d.txtAttackDice[0], "0");
        TypeInto(d.txtAttackDice[2], "3");
        TypeInto(d.txtAttackDice[1], "");
        EXPECT_EQ(Shown({d.txtAttackDice[1], d.txtAttackDSide[0], d.txtAttackDSide[1],
                         d.txtAttackDSide[2]}),
                  (QStringList{"0", "0", "0", "1"}));
        Click(d.cmdOK);
    });
    const MonsterType& m = Monster();
    EXPECT_EQ(Ints(m.Health, m.Speed, m.AttackDice[0], m.AttackDice[1], m.AttackDice[2],
                   m.AttackSides[0], m.AttackSides[1], m.AttackSides[2]),
              Ints(1, 1, 0, 0, 3, 0, 0, 1));
}

// The custom number follows the size entered; a cancelled picker changes nothing and a
// cancelled size keeps the old size.
TEST_F(MonsterEditorTest, CustomPictureTakesItsNumberFromTheSizeEntered) {
    Monster().Picture = 3005;
    CancelPicker();
    PickCustom(9, [](frmMonstPicSize& s) {
        EXPECT_EQ(Shown({s.txtPicWidth, s.txtPicHeight}), (QStringList{"1", "2"}));
        Click(s.cmdCancel);
    });
    PickCustom(7, [](frmMonstPicSize& s) {
        Type(s.txtPicWidth, "2");
        Type(s.txtPicHeight, "1");
        Click(s.cmdOK);
    });
    PickPicture(120);
    Edit([](frmEditMonster& d) {
        EXPECT_EQ(ShownAfterClicks(d.lblPict, {d.cmdPicCustom, d.cmdPicCustom, d.cmdPicCustom}),
                  (QStringList{"3005", "3009", "2007"}));
        EXPECT_EQ(Shown({d.lblPict, d.lblPicWidth, d.lblPicHeight}),
                  (QStringList{"2007", "2", "1"}));
        Click(d.cmdPicPicture);
        EXPECT_EQ(Shown({d.lblPict, d.lblPicWidth, d.lblPicHeight}),
                  (QStringList{"120", "2", "2"}));
        Click(d.cmdOK);
    });
    EXPECT_EQ(Monster().Picture, 120);
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

TEST_F(MonsterEditorTest, TalkingPicturesStandardAndCustom) {
    PickPicture(12);
    Edit([](frmEditMonster& d) {
        Click(d.cmdSelectTalk);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Monster().TalkPicture, 12);
    When<frmSelectIcon>([](frmSelectIcon& p) {
        EXPECT_EQ(Ints(p.PictureSet, p.PictureSelect), Ints(0, -1));
        QTest::mouseClick(p.picSelect[3], Qt::LeftButton);
        Click(p.cmdOK);
    });
    Edit([](frmEditMonster& d) {
        Click(d.cmdTalkCustom);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Monster().TalkPicture, 1003);
}

TEST_F(MonsterEditorTest, SizeDialogChecksBothBoxesOnOkAndARefusalDoesNotBlockTheEditor) {
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
    const auto edit = [](frmEditMonster& d) {
        Click(d.cmdPicCustom);
        Type(d.txtLevel, "7");
        Click(d.cmdOK);
        EXPECT_FALSE(d.isVisible());
    };
    Edit(edit);
    EXPECT_EQ(Ints(Monster().Picture, Monster().Level), Ints(1004, 7));
    PickCustom(5, [](frmMonstPicSize& s) {
        Type(s.txtPicWidth, "9");
        Click(s.cmdCancel);
    });
    Edit(edit);
    EXPECT_EQ(Monster().Picture, 1005);
}

TEST_F(MonsterEditorTest, AbilitiesReachTheRecordOnlyWithTheEditorsSave) {
    const MonsterType before = Monster();
    for (bool ok : {false, true}) {
        When<frmEditMonstAbility>([](frmEditMonstAbility& a) {
            EXPECT_EQ(a.lblMonsterNumber->text(), "20");
            Type(a.txtPoison, "6");
            Click(a.cmdOK);
        });
        Edit([ok](frmEditMonster& d) {
            Click(d.cmdAbilities);
            EXPECT_EQ(d.Copy.Poison, 6);
            Click(ok ? d.cmdOK : d.cmdCancel);
        });
        EXPECT_EQ(Monster().Poison, ok ? 6 : before.Poison);
    }
    // Cancel in the abilities leaves the editor's members.
    const MonsterAbilityMembers members = Abilities([](frmEditMonstAbility& a) {
        Choose(a.lstBreathWpn, 2);
        Type(a.txtBreathStr, "30");
        Click(a.chkFireRes[0]);
        Click(a.cmdCancel);
    });
    MonsterCopy copy;
    LoadMonsterCopy(Monster(), copy);
    EXPECT_EQ(members, static_cast<const MonsterAbilityMembers&>(copy));
}

// The create/generate entry chooses the prompt and the check; resistances are resist or
// immune; no dropped item is kept.
TEST_F(MonsterEditorTest, AbilityEntriesChooseTheirPromptsAndChecks) {
    const MonsterAbilityMembers members = Abilities([](frmEditMonstAbility& a) {
        // Showing a stored summon does not choose it.
        EXPECT_EQ(Shown({a.lblCreateExtra, a.lstCreateGenerate}),
                  (QStringList{"Unused", "Summon (20% chance)"}));
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
        EXPECT_EQ(Ints(a.lstItemDropped->currentIndex(), a.lstItemDropped->count()), Ints(-1, 500));
        Type(a.txtChanceDrop, "-1");
        Click(a.cmdOK);
    });
    EXPECT_EQ(NewMessages(), (Texts{"Creature number must be between 0 and 255.",
                                    "Percentage must be between 1 and 100.",
                                    "Percentage must be between 1 and 100."}));
    EXPECT_EQ(Ints(members.CreateGenerate, members.CreateExtra, members.ColdRes, members.MagicRes,
                   members.ItemDropped, members.ChanceDrop),
              Ints(1, 100, 1, 0, -1, -1));
}

#include "RecordEditorDriver.h"

#include "dialogs/records/frmEditMonstAbility.h"
#include "dialogs/records/frmEditMonster.h"
#include "dialogs/records/frmMonstPicSize.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

namespace {
MonsterType& Monster(int n) {
    return Scen.MonsterTypes[static_cast<std::size_t>(n)];
}

class MonsterEditorTest : public RecordEditorTest {
  protected:
    void SetUp() override {
        RecordEditorTest::SetUp();
        MonsterType m;
        m.Name = "Ogre  chief         ";
        m.Picture = 51;
        m.TalkPicture = 4;
        m.Kind = 9;
        m.Level = 12;
        m.Health = 90;
        m.Armor = 6;
        m.Skill = 8;
        m.Speed = 5;
        m.Attitude = 3;
        m.Treasure = 2;
        m.AttackTypes = {6, 1, 9};
        m.AttackDice = {3, 1, 0};
        m.AttackSides = {8, 4, 0};
        m.ItemDropped = -1;
        m.ChanceDrop = 10;
        m.FireRes = 2;
        m.CreateGenerate = 11;
        m.CreateExtra = 40;
        Monster(20) = m;
    }

    frmEditMonster& Edit(std::int16_t number, std::function<void(frmEditMonster&)> action) {
        return Open<frmEditMonster>([number](frmEditMonster& d) { d.MonstNum = number; },
                                    std::move(action));
    }
};
} // namespace

TEST_F(MonsterEditorTest, ShowsTheRecordAndSavesEditsOnOk) {
    Scen.ListsLocked = 1; // the lock concerns the order of the list, not its records
    Edit(20, [](frmEditMonster& d) {
        EXPECT_EQ(d.lblMonstNum->text(), "20");
        EXPECT_EQ(d.txtName->text(), "Ogre  chief");
        EXPECT_EQ(d.lblPict->text(), "51");
        EXPECT_EQ(d.lblPicWidth->text(), "1");
        EXPECT_EQ(d.lblPicHeight->text(), "2");
        EXPECT_EQ(d.txtHealth->text(), "90");
        EXPECT_EQ(d.lstType->currentText(), "Giant");
        EXPECT_EQ(d.lstAttack[0]->currentText(), "Clubs");
        EXPECT_TRUE(d.optAttitude[3]->isChecked());
        EXPECT_EQ(d.txtAttackDSide[0]->text(), "8");

        Type(d.txtLevel, "40");
        Leave(d.txtLevel);
        Type(d.txtName, "Ogre king");
        Choose(d.lstType, 2);
        Choose(d.lstAttack[1], 5);
        Click(d.optAttitude[1]);
        Type(d.txtTreasure, "4");
        QTest::keyClick(d.txtTreasure, Qt::Key_Return);
    });
    const MonsterType& m = Monster(20);
    EXPECT_EQ(m.Level, 40);
    EXPECT_EQ(m.Treasure, 4);
    EXPECT_EQ(m.Name, "Ogre king           ");
    EXPECT_EQ(m.Kind, 2);
    EXPECT_EQ(m.AttackTypes[1], 5);
    EXPECT_EQ(m.AttackTypes[2], 9);
    EXPECT_EQ(m.Attitude, 1);
    EXPECT_EQ(Scen.ListsLocked, 1);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MonsterEditorTest, NoHealthOrSpeedIsShownAndSavedAsOne) {
    Monster(20).Health = 0;
    Monster(20).Speed = 0;
    Edit(20, [](frmEditMonster& d) {
        EXPECT_EQ(d.txtHealth->text(), "1");
        EXPECT_EQ(d.txtSpeed->text(), "1");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Monster(20).Health, 1);
    EXPECT_EQ(Monster(20).Speed, 1);
}

// The attack frame once stretched to the height of the column beside it.
TEST_F(MonsterEditorTest, TheHandToHandFrameIsNoTallerThanWhatItHolds) {
    Edit(20, [](frmEditMonster& d) {
        const QGroupBox* frame = nullptr;
        for (const QGroupBox* box : d.findChildren<QGroupBox*>())
            if (box->title() == "Hand to Hand Combat:") frame = box;
        ASSERT_NE(frame, nullptr);
        EXPECT_LE(frame->height(), frame->sizeHint().height());
        Click(d.cmdCancel);
    });
}

TEST_F(MonsterEditorTest, AttackDiceDecideTheSides) {
    Edit(20, [](frmEditMonster& d) {
        Type(d.txtAttackDice[0], "0");
        Leave(d.txtAttackDice[0]);
        EXPECT_EQ(d.txtAttackDSide[0]->text(), "0");
        Type(d.txtAttackDice[2], "3");
        Leave(d.txtAttackDice[2]);
        EXPECT_EQ(d.txtAttackDSide[2]->text(), "1");
        Type(d.txtAttackDice[1], "");
        Leave(d.txtAttackDice[1]);
        EXPECT_EQ(d.txtAttackDice[1]->text(), "0");
        EXPECT_EQ(d.txtAttackDSide[1]->text(), "0");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Monster(20).AttackDice, (std::array<std::uint8_t, 3>{0, 0, 3}));
    EXPECT_EQ(Monster(20).AttackSides, (std::array<std::uint8_t, 3>{0, 0, 1}));
}

TEST_F(MonsterEditorTest, CustomPictureTakesItsNumberFromTheSizeEntered) {
    PickPicture(7);
    When<frmMonstPicSize>([](frmMonstPicSize& s) {
        Type(s.txtPicWidth, "2");
        Type(s.txtPicHeight, "1");
        Click(s.cmdOK);
    });
    PickPicture(120);
    Edit(20, [](frmEditMonster& d) {
        Click(d.cmdPicCustom);
        EXPECT_EQ(d.lblPict->text(), "2007");
        EXPECT_EQ(d.lblPicWidth->text(), "2");
        EXPECT_EQ(d.lblPicHeight->text(), "1");
        Click(d.cmdPicPicture);
        EXPECT_EQ(d.lblPict->text(), "120");
        EXPECT_EQ(d.lblPicWidth->text(), "2");
        EXPECT_EQ(d.lblPicHeight->text(), "2");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Monster(20).Picture, 120);
}

TEST_F(MonsterEditorTest, CancelledPickerChangesNothingAndCancelledSizeKeepsTheOldSize) {
    Monster(20).Picture = 3005;
    CancelPicker();
    PickPicture(9);
    When<frmMonstPicSize>([](frmMonstPicSize& s) {
        EXPECT_EQ(s.txtPicWidth->text(), "1");
        EXPECT_EQ(s.txtPicHeight->text(), "2");
        Click(s.cmdCancel);
    });
    Edit(20, [](frmEditMonster& d) {
        Click(d.cmdPicCustom);
        EXPECT_EQ(d.lblPict->text(), "3005");
        Click(d.cmdPicCustom);
        EXPECT_EQ(d.lblPict->text(), "3009");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Monster(20).Picture, 3009);
}

TEST_F(MonsterEditorTest, PictureBeyondThePickersRangeOpensItWithNothingMarked) {
    Monster(20).Picture = 200;
    When<frmSelectIcon>([](frmSelectIcon& p) {
        EXPECT_EQ(p.PictureSelect, -1);
        Click(p.cmdCancel);
    });
    Edit(20, [](frmEditMonster& d) {
        Click(d.cmdPicPicture);
        EXPECT_EQ(d.lblPict->text(), "200");
        Click(d.cmdCancel);
    });
}

TEST_F(MonsterEditorTest, TalkingPicturesStandardAndCustom) {
    PickPicture(12);
    Edit(20, [](frmEditMonster& d) {
        Click(d.cmdSelectTalk);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Monster(20).TalkPicture, 12);
    When<frmSelectIcon>([](frmSelectIcon& p) {
        EXPECT_EQ(p.PictureSet, 0);
        EXPECT_EQ(p.PictureSelect, -1);
        QTest::mouseClick(p.picSelect[3], Qt::LeftButton);
        Click(p.cmdOK);
    });
    Edit(20, [](frmEditMonster& d) {
        Click(d.cmdTalkCustom);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Monster(20).TalkPicture, 1003);
}

TEST_F(MonsterEditorTest, SizeDialogChecksBothBoxesOnOkNotOnlyTheLastTyped) {
    PickPicture(4);
    When<frmMonstPicSize>([this](frmMonstPicSize& s) {
        Type(s.txtPicWidth, "5");
        Type(s.txtPicHeight, "1");
        Click(s.cmdOK);
        EXPECT_TRUE(s.isVisible());
        EXPECT_EQ(Messages(), (std::vector<std::string>{"Width must be between 1 and 2.",
                                                        "Width must be between 1 and 2."}));
        Type(s.txtPicWidth, "1");
        Click(s.cmdOK);
        EXPECT_FALSE(s.isVisible());
    });
    Edit(20, [](frmEditMonster& d) {
        Click(d.cmdPicCustom);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Monster(20).Picture, 1004);
}

TEST_F(MonsterEditorTest, RefusedSizeDoesNotBlockTheEditorsOk) {
    PickPicture(4);
    When<frmMonstPicSize>([](frmMonstPicSize& s) {
        Type(s.txtPicWidth, "9");
        Click(s.cmdCancel);
    });
    Edit(20, [](frmEditMonster& d) {
        Click(d.cmdPicCustom);
        Type(d.txtLevel, "7");
        Click(d.cmdOK);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(Monster(20).Level, 7);
}

TEST_F(MonsterEditorTest, AbilitiesReachTheRecordOnlyWithTheEditorsSave) {
    const MonsterType before = Monster(20);
    const auto changePoison = [](frmEditMonstAbility& a) {
        EXPECT_EQ(a.lblMonsterNumber->text(), "20");
        Type(a.txtPoison, "6");
        Click(a.cmdOK);
    };
    When<frmEditMonstAbility>(changePoison);
    Edit(20, [](frmEditMonster& d) {
        Click(d.cmdAbilities);
        EXPECT_EQ(d.Copy.Poison, 6);
        Click(d.cmdCancel);
    });
    EXPECT_EQ(Monster(20), before);

    When<frmEditMonstAbility>(changePoison);
    Edit(20, [](frmEditMonster& d) {
        Click(d.cmdAbilities);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Monster(20).Poison, 6);
}

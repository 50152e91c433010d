#include "dialogs/areas/frmTownMonster.h"

#include "dialogs/nodes/frmEditSpNode.h"
#include "dialogs/pictures/frmSelectIcon.h"
#include "support/DialogDriver.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {
class TownMonsterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Scen = MakeVariedScenario(1, 1, 3, 11);
        Scen.CurrentTown = 1;
        Town& town = Scen.Towns[1];
        town.Creatures.assign(3, TownCreature{});
        // A placed hostile creature with every field set, a fresh map slot, and a free slot.
        town.Creatures[0] = {12, 5, 6, 1, 1, 6, 24, 7, 40, 9, 2, 15, 120, 3, 0};
        town.Creatures[1] = {0, 8, 9, 0, 0, 0, -1, -1, 0, 0, 0, -1, -1, -1, 0};
        town.Creatures[2] = {0, 100, 0, 0, 0, 0, -1, -1, 0, 0, 0, -1, -1, -1, 0};
        Scen.MonsterTypes[12].Attitude = 1;
        Scen.MonsterTypes[30].Attitude = 2;
        Scen.StuffDoneNames[120].ValueNames[3] = "slain";
    }
    void TearDown() override { UnloadAllForms(); }

    frmTownMonster& Edit(bool context, std::int16_t number,
                         const std::function<void(frmTownMonster&)>& action) {
        return OpenDialog<frmTownMonster>(
            [&](frmTownMonster& d) {
                d.Context = context;
                d.MonstNum = number;
            },
            action);
    }

    static int Checked(const std::array<QRadioButton*, 4>& options) {
        for (std::size_t i = 0; i < options.size(); ++i)
            if (options[i]->isChecked()) return static_cast<int>(i);
        return -1;
    }

    TownCreature& Creature(int i) { return Scen.Towns[1].Creatures[static_cast<std::size_t>(i)]; }
    MsgBoxRecorder boxes;
};
} // namespace

TEST_F(TownMonsterTest, ShowsTheCreatureAndOkStoresTheEdits) {
    Edit(false, 0, [](frmTownMonster& d) {
        EXPECT_EQ(d.lblMonstNum->text(), "0");
        EXPECT_EQ(d.lblLoc[0]->text(), "5");
        EXPECT_EQ(d.lstMonster->currentIndex(), 12);
        EXPECT_EQ(d.lstTown->currentIndex(), 3) << "town 2 after \"Not Assigned\"";
        EXPECT_EQ(d.lstPersonality->currentIndex(), 5);
        EXPECT_EQ(d.lstPersonality->itemText(5).left(5), "24 - ");
        EXPECT_EQ(d.lstHere->currentIndex(), 6);
        EXPECT_FALSE(d.txtExtra[0]->isVisibleTo(&d)) << "an event timing has no day";
        EXPECT_TRUE(d.txtExtra[1]->isVisibleTo(&d));
        EXPECT_EQ(d.lstChoose[1]->currentText(), "3 - slain");
        EXPECT_FALSE(d.cmdScrollLeft->isVisibleTo(&d)) << "no arrows in the map context";

        ChooseRow(d.lstHere, 2); // Disappear on given day
        EXPECT_EQ(d.lblExtra[0]->text(), "Day creature disappears");
        TypeInto(d.txtExtra[0], "200");
        ChooseRow(d.lstSpecEncounterGrp, 10);
        Click(d.optCanMove[0]);
        Click(d.cmdOK);
    });
    const TownCreature& c = Creature(0);
    EXPECT_EQ(c.TimeFlag, 2);
    EXPECT_EQ(c.TimeValue1, 200);
    EXPECT_EQ(c.TimeValue2, 9);
    EXPECT_EQ(c.EncounterGroup, 10);
    EXPECT_EQ(c.CanMove, 0);
    EXPECT_EQ(c.PersonalityNum, 24);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(TownMonsterTest, ChoosingATypeTakesItsAttitudeAndTypeZeroFreesTheSlot) {
    Edit(false, 1, [this](frmTownMonster& d) {
        Click(d.optAttitude[3]);
        ChooseRow(d.lstMonster, 30);
        EXPECT_EQ(Checked(d.optAttitude), 2) << "the type's own attitude wins";
        ChooseRow(d.lstTown, 0);
        Click(d.cmdOK);
        EXPECT_EQ(Creature(1).Monster, 30);
        EXPECT_EQ(Creature(1).Attitude, 2);
        EXPECT_EQ(Creature(1).X, 8);
    });
    Edit(false, 1, [](frmTownMonster& d) {
        ChooseRow(d.lstMonster, 0);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Creature(1).X, 100);
    EXPECT_EQ(Creature(1).Y, 0);
}

TEST_F(TownMonsterTest, ArrowsSaveAndWrapAroundTheList) {
    Edit(true, 0, [this](frmTownMonster& d) {
        ASSERT_TRUE(d.cmdScrollLeft->isVisibleTo(&d));
        ChooseRow(d.lstSpecEncounterGrp, 4);
        Click(d.cmdScrollLeft);
        EXPECT_EQ(d.MonstNum, 2) << "left of the first is the last slot";
        EXPECT_EQ(Creature(0).EncounterGroup, 4);
        EXPECT_EQ(d.lblLoc[0]->text(), "100") << "browsing reaches free slots";
        ChooseRow(d.lstMonster, 5);
        Click(d.cmdScrollRight);
        EXPECT_EQ(d.MonstNum, 0);
        EXPECT_EQ(Creature(2).Monster, 5);
        EXPECT_EQ(Creature(2).X, 100) << "a free slot stays free for the map tools";
        Click(d.cmdCancel);
    });
}

TEST_F(TownMonsterTest, FlagAMinusOneForcesFlagBAndAFlagFillsItsValueList) {
    Edit(false, 0, [](frmTownMonster& d) {
        TypeInto(d.txtStuffDone[0], "-1");
        EXPECT_EQ(d.txtStuffDone[1]->text(), "-1");
        EXPECT_EQ(d.lstChoose[1]->count(), 0);
        TypeInto(d.txtStuffDone[0], "120");
        EXPECT_EQ(d.lstChoose[0]->currentIndex(), 120);
        EXPECT_EQ(d.lstChoose[1]->count(), 10);
        TypeInto(d.txtStuffDone[1], "");
        EXPECT_EQ(d.txtStuffDone[1]->text(), "-1") << "an emptied flag box means no flag";
        ChooseRow(d.lstChoose[1], 3);
        EXPECT_EQ(d.txtStuffDone[1]->text(), "3");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Creature(0).StuffDoneA, 120);
    EXPECT_EQ(Creature(0).StuffDoneB, 3);
}

TEST_F(TownMonsterTest, RejectedNumbersArePutBackAndBlockOk) {
    Edit(false, 0, [this](frmTownMonster& d) {
        TypeInto(d.txtStuffDone[1], "10");
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].text, "Stuffdone flag must be between -1 and 9.");
        EXPECT_EQ(d.txtStuffDone[1]->text(), "3");
        Click(d.cmdOK);
        EXPECT_TRUE(d.isVisible()) << "OK waits for an accepted entry";
        TypeInto(d.txtKilledSpnode, "100");
        EXPECT_EQ(d.txtKilledSpnode->text(), "15");
        TypeInto(d.txtKilledSpnode, "16");
        Click(d.cmdOK);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(Creature(0).KilledNode, 16);
}

TEST_F(TownMonsterTest, StalePersonalityTownShowsNoSelectionAndIsKept) {
    Creature(0).PersonalityNum = 95; // town 9 does not exist
    Edit(false, 0, [](frmTownMonster& d) {
        EXPECT_EQ(d.lstTown->currentIndex(), -1);
        EXPECT_EQ(d.lstPersonality->count(), 1);
        EXPECT_EQ(d.lstPersonality->currentIndex(), -1);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Creature(0).PersonalityNum, 95);
    Edit(false, 0, [](frmTownMonster& d) {
        ChooseRow(d.lstTown, 3);
        ChooseRow(d.lstPersonality, 4);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Creature(0).PersonalityNum, 23);
}

TEST_F(TownMonsterTest, CustomPortraitIsStoredAboveAThousandAndPreselected) {
    std::int16_t offered = -2;
    SetModalFormHook([&offered](ModalForm& form) {
        auto* pickerFound = OpenedAs<frmSelectIcon>(form);
        if (!pickerFound) return;
        auto& picker = *pickerFound;
        offered = picker.PictureSelect;
        picker.PictureSelect = 5;
    });
    frmTownMonster& d = SharedForm<frmTownMonster>();
    d.Context = false;
    d.MonstNum = 0;
    d.OnOpening();
    d.show();
    Click(d.cmdTalkCustom);
    EXPECT_EQ(offered, -1);
    EXPECT_EQ(d.Work.FacialPic, 1005);
    Click(d.cmdTalkCustom);
    EXPECT_EQ(offered, 5);
    Click(d.cmdTalkPic);
    EXPECT_EQ(offered, -1) << "a custom picture is no portrait";
    EXPECT_EQ(d.Work.FacialPic, 5);
    SetModalFormHook({});
    Click(d.cmdOK);
    EXPECT_EQ(Creature(0).Portrait, 5);
}

TEST_F(TownMonsterTest, CancelledNewKilledNodeKeepsMinusOneWhileThatNodeIsFree) {
    for (SpecialNode& node : Scen.Towns[1].SpecialNodes)
        node = SpecialNode{0, -1, 0, -1, -1, -1, 0, 0, 0, 0, -1};
    Scen.Towns[1].SpecialNodes[15].Type = 5; // the creature's existing node
    Creature(0).KilledNode = -1;
    std::int16_t offered = -2;
    Qt::Key answer = Qt::Key_Return;
    Edit(false, 0, [&](frmTownMonster& d) {
        SetModalFormHook([&](ModalForm& form) {
            auto* editorFound = OpenedAs<frmEditSpNode>(form);
            if (!editorFound) return;
            auto& editor = *editorFound;
            EXPECT_EQ(editor.NodeSet, 2);
            offered = editor.NodeNum;
            form.show();
            QTest::keyClick(&form, answer);
        });
        Click(d.cmdButton); // OK on the new node without giving it a type
        EXPECT_GE(offered, 0);
        EXPECT_EQ(d.txtKilledSpnode->text(), "-1");
        answer = Qt::Key_Escape;
        Click(d.cmdButton);
        EXPECT_GE(offered, 0) << "the editor took a free node for the new reference";
        EXPECT_EQ(d.txtKilledSpnode->text(), "-1");
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        TypeInto(d.txtKilledSpnode, "15");
        Click(d.cmdButton);
        EXPECT_EQ(offered, 15);
        EXPECT_EQ(d.txtKilledSpnode->text(), "15") << "an existing node is kept";
        SetModalFormHook({});
        Click(d.cmdOK);
    });
    EXPECT_EQ(Creature(0).KilledNode, 15);
}

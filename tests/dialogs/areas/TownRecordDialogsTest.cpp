// What each town record dialog adds to the record-dialog contract: its own controls, stale
// references, free slots, and the node and picture pickers it opens.
#include "dialogs/areas/AreaDescCopy.h"
#include "dialogs/areas/TownChoice.h"
#include "dialogs/areas/TownCreatureCopy.h"
#include "dialogs/areas/frmTownDetails.h"
#include "dialogs/areas/frmTownItem.h"
#include "dialogs/areas/frmTownMonster.h"
#include "dialogs/nodes/frmEditSpNode.h"
#include "dialogs/pictures/frmSelectIcon.h"
#include "platform/core/RuntimeError.h"
#include "support/DialogDriver.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {
class TownDialogsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Scen = MakeVariedScenario(1, 1, 3, 11);
        Scen.CurrentTown = 1;
        // A placed hostile creature with every field set, a fresh map slot, and a free slot.
        town().Creatures = {{12, 5, 6, 1, 1, 6, 24, 7, 40, 9, 2, 15, 120, 3, 0},
                            {0, 8, 9, 0, 0, 0, -1, -1, 0, 0, 0, -1, -1, -1, 0},
                            {0, 100, 0, 0, 0, 0, -1, -1, 0, 0, 0, -1, -1, -1, 0}};
        // An item, one just placed by the map tool, and a free slot.
        town().PresetItems = {
            {7, 4, 5, 12, 1, 0, 1}, {-1, 9, 9, -1, 0, 0, 0}, {-1, 100, 0, 3, 1, 1, 1}};
        Town& t = town(); // details within their bounds
        t.Size = 1, t.Lighting = 0, t.Difficulty = 4, t.DayDies = 100, t.EventStop = 2;
        t.ExitLocs = {Location{255, 255}, Location{10, 20}, Location{255, 255}, Location{0, 47}};
        t.SectionX = 3, t.EntranceX = 17;
        Scen.MonsterTypes[12].Attitude = 1;
        Scen.MonsterTypes[30].Attitude = 2;
        Scen.StuffDoneNames[120].ValueNames[3] = "slain";
    }
    void TearDown() override { UnloadAllForms(); }

    void Monster(bool context, std::int16_t n, const std::function<void(frmTownMonster&)>& act) {
        OpenDialog<frmTownMonster>([&](frmTownMonster& d) { d.Context = context, d.MonstNum = n; },
                                   act);
    }
    void Item(bool context, std::int16_t n, const std::function<void(frmTownItem&)>& act) {
        OpenDialog<frmTownItem>([&](frmTownItem& d) { d.Context = context, d.ItemNum = n; }, act);
    }
    static int Checked(const std::array<QRadioButton*, 4>& options) {
        for (std::size_t i = 0; i < options.size(); ++i)
            if (options[i]->isChecked()) return static_cast<int>(i);
        return -1;
    }
    Town& town() { return Scen.Towns[1]; }
    TownCreature& Creature(std::size_t i) { return town().Creatures[i]; }
    PresetItem& Preset(std::size_t i) { return town().PresetItems[i]; }
    MsgBoxRecorder boxes;
};
} // namespace

TEST_F(TownDialogsTest, DetailsShowUnsetExitsAsMinusOneAndStoreEdits) {
    Town want = town();
    OpenDialog<frmTownDetails>(
        [](frmTownDetails&) {},
        [](frmTownDetails& d) {
            EXPECT_EQ(
                (QStringList{d.lblTownNum->text(), d.lblTownSize->text(), d.lblOutSect[0]->text(),
                             d.lblOutLoc[0]->text(), d.txtExitLoc[0]->text(),
                             d.txtExitLoc[1]->text(), d.txtExitLoc[2]->text()}),
                (QStringList{"1", "48x48", "3", "17", "-1", "-1", "10"}));
            EXPECT_TRUE(d.optLight[0]->isChecked());
            TypeInto(d.txtTownName, "Harbour");
            Click(d.chkHidden);
            Click(d.optLight[1]);
            TypeInto(d.txtExitLoc[2], "-1");
            TypeInto(d.txtExitLoc[7], "30");
            TypeInto(d.txtDayDies, "32767");
            TypeInto(d.txtMaxMonsters, "-1");
            TypeInto(d.txtEntrySpecial[1], "");
            EXPECT_EQ(d.txtEntrySpecial[1]->text(), "0") << "an emptied box shows 0";
            Click(d.cmdOK);
        });
    want.Strings[0] = "Harbour";
    want.Hidden = want.Hidden ? 0 : 1;
    want.Lighting = 1;
    want.ExitLocs[1] = {255, 20};
    want.ExitLocs[3] = {0, 30};
    want.DayDies = 32767;
    want.MaxMonsters = -1;
    want.EntrySpecials[1] = 0;
    EXPECT_EQ(town(), want);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(TownDialogsTest, DetailsCheckRangesAsTypedAndOkWaits) {
    struct Case {
        QLineEdit* frmTownDetails::*single; // null: the first exit box
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {nullptr, "48", "Value must be between -1 and 47."},
        {&frmTownDetails::txtDifficulty, "-", "Difficulty must be between 0 and 10."},
        {&frmTownDetails::txtDayDies, "40000", "Value larger than MaxInt."},
    };
    const Town before = town();
    for (const Case& c : cases) {
        OpenDialog<frmTownDetails>([](frmTownDetails&) {},
                                   [&](frmTownDetails& d) {
                                       QLineEdit* box = c.single ? d.*c.single : d.txtExitLoc[0];
                                       const QString good = box->text();
                                       TypeInto(box, c.typed, false);
                                       ASSERT_FALSE(boxes.Calls().empty()) << c.typed;
                                       EXPECT_EQ(boxes.Calls().back().text, c.message);
                                       QTest::keyClick(box, Qt::Key_Return);
                                       EXPECT_TRUE(d.isVisible())
                                           << "OK waits for an accepted entry";
                                       QTest::keyClick(box, Qt::Key_Tab);
                                       EXPECT_EQ(box->text(), good)
                                           << "leaving puts the last good value back";
                                       Click(d.cmdOK);
                                   });
    }
    EXPECT_EQ(town(), before);
}

TEST_F(TownDialogsTest, ItemMapContextListsTypesOnlyAndANewSlotTakesTypeZero) {
    Item(false, 1, [](frmTownItem& d) {
        EXPECT_EQ(d.lstItem->count(), 500);
        EXPECT_FALSE(d.cmdScrollRight->isVisibleTo(&d));
        EXPECT_EQ(d.lstItem->currentIndex(), 0);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Preset(1), (PresetItem{0, 9, 9, -1, 0, 0, 0}));
    Preset(1).Item = -1;
    Item(false, 1, [](frmTownItem& d) { Click(d.cmdCancel); });
    EXPECT_EQ(Preset(1).Item, -1) << "Cancel leaves the slot for the map tool to free";
}

TEST_F(TownDialogsTest, ItemBrowsingOffersNoItemWhichFreesTheSlot) {
    Item(true, 0, [this](frmTownItem& d) {
        EXPECT_EQ(d.lstItem->currentIndex(), 8) << "item type 7 after \"No Item\"";
        Click(d.chkProperty);
        Click(d.cmdScrollLeft); // to the free slot 2
        EXPECT_EQ(Preset(0).Property, 1);
        EXPECT_EQ(d.lstItem->count(), 501);
        EXPECT_EQ(d.lstItem->itemText(0), "No Item");
        EXPECT_EQ(d.lstItem->currentIndex(), 0);
        EXPECT_EQ(d.txtCharges->text(), "-1");
        EXPECT_FALSE(d.chkAlwaysHere->isChecked());
        EXPECT_EQ(d.lblLoc[0]->text(), "100");
        ChooseRow(d.lstItem, 4);
        Click(d.cmdScrollRight);
        EXPECT_EQ(Preset(2).Item, 3);
        EXPECT_EQ(Preset(2).X, 100) << "a free slot stays free for the map tools";
        ChooseRow(d.lstItem, 0);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Preset(0).X, 100);
    EXPECT_EQ(Preset(0).Y, 0);
    Preset(2) = {-1, 100, 0, 3, 1, 1, 1};
    Item(true, 2, [](frmTownItem& d) { Click(d.cmdOK); });
    EXPECT_EQ(Preset(2), (PresetItem{-1, 100, 0, -1, 0, 0, 0}));
    Preset(0).Item = 612; // a stale type shows no choice and is kept
    Item(true, 0, [](frmTownItem& d) {
        EXPECT_EQ(d.lstItem->currentIndex(), -1);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Preset(0).Item, 612);
}

TEST_F(TownDialogsTest, CreatureShowsItsFieldsAndOkStoresTheEdits) {
    Monster(false, 0, [](frmTownMonster& d) {
        EXPECT_EQ(d.lblLoc[0]->text(), "5");
        EXPECT_EQ(d.lstMonster->currentIndex(), 12);
        EXPECT_EQ(d.lstTown->currentIndex(), 3) << "town 2 after \"Not Assigned\"";
        EXPECT_EQ(d.lstPersonality->currentIndex(), 5);
        EXPECT_EQ(d.lstPersonality->itemText(5).left(5), "24 - ");
        EXPECT_EQ(d.lstHere->currentIndex(), 6);
        EXPECT_FALSE(d.txtExtra[0]->isVisibleTo(&d)) << "an event timing has no day";
        EXPECT_EQ(d.lstChoose[1]->currentText(), "3 - slain");
        EXPECT_FALSE(d.cmdScrollLeft->isVisibleTo(&d)) << "no arrows in the map context";
        ChooseRow(d.lstHere, 2); // Disappear on given day
        EXPECT_EQ(d.lblExtra[0]->text(), "Day creature disappears");
        TypeInto(d.txtExtra[0], "200");
        ChooseRow(d.lstSpecEncounterGrp, 10);
        Click(d.optCanMove[0]);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Creature(0), (TownCreature{12, 5, 6, 1, 0, 2, 24, 7, 200, 9, 10, 15, 120, 3, 0}));
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(TownDialogsTest, CreatureTypeBringsItsAttitudeAndTypeZeroFreesTheSlot) {
    Monster(false, 1, [](frmTownMonster& d) {
        Click(d.optAttitude[3]);
        ChooseRow(d.lstMonster, 30);
        EXPECT_EQ(Checked(d.optAttitude), 2) << "the type's own attitude wins";
        Click(d.cmdOK);
    });
    EXPECT_EQ(Creature(1).Monster, 30);
    EXPECT_EQ(Creature(1).Attitude, 2);
    EXPECT_EQ(Creature(1).X, 8);
    Monster(false, 1, [](frmTownMonster& d) {
        ChooseRow(d.lstMonster, 0);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Creature(1).X, 100);
    EXPECT_EQ(Creature(1).Y, 0);
}

TEST_F(TownDialogsTest, CreatureBrowsingReachesFreeSlotsAndKeepsThemFree) {
    Monster(true, 0, [this](frmTownMonster& d) {
        Click(d.cmdScrollLeft);
        EXPECT_EQ(d.lblLoc[0]->text(), "100");
        ChooseRow(d.lstMonster, 5);
        Click(d.cmdScrollRight);
        EXPECT_EQ(Creature(2).Monster, 5);
        EXPECT_EQ(Creature(2).X, 100) << "a free slot stays free for the map tools";
        Click(d.cmdCancel);
    });
}

TEST_F(TownDialogsTest, CreatureFlagsFillTheValueListAndMinusOneForcesFlagB) {
    Monster(false, 0, [this](frmTownMonster& d) {
        TypeInto(d.txtStuffDone[0], "-1");
        EXPECT_EQ(d.txtStuffDone[1]->text(), "-1");
        EXPECT_EQ(d.lstChoose[1]->count(), 0);
        TypeInto(d.txtStuffDone[0], "120");
        EXPECT_EQ(d.lstChoose[0]->currentIndex(), 120);
        EXPECT_EQ(d.lstChoose[1]->count(), 10);
        TypeInto(d.txtStuffDone[1], "");
        EXPECT_EQ(d.txtStuffDone[1]->text(), "-1") << "an emptied flag box means no flag";
        TypeInto(d.txtStuffDone[1], "10");
        EXPECT_EQ(boxes.Texts(),
                  (std::vector<std::string>{"Stuffdone flag must be between -1 and 9."}));
        EXPECT_EQ(d.txtStuffDone[1]->text(), "-1");
        Click(d.cmdOK);
        EXPECT_TRUE(d.isVisible()) << "OK waits for an accepted entry";
        ChooseRow(d.lstChoose[1], 3);
        EXPECT_EQ(d.txtStuffDone[1]->text(), "3");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Creature(0).StuffDoneA, 120);
    EXPECT_EQ(Creature(0).StuffDoneB, 3);
}

TEST_F(TownDialogsTest, CreatureStalePersonalityTownShowsNoSelectionAndIsKept) {
    Creature(0).PersonalityNum = 95; // town 9 does not exist
    Monster(false, 0, [](frmTownMonster& d) {
        EXPECT_EQ(d.lstTown->currentIndex(), -1);
        EXPECT_EQ(d.lstPersonality->count(), 1);
        EXPECT_EQ(d.lstPersonality->currentIndex(), -1);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Creature(0).PersonalityNum, 95);
    Monster(false, 0, [](frmTownMonster& d) {
        ChooseRow(d.lstTown, 3);
        ChooseRow(d.lstPersonality, 4);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Creature(0).PersonalityNum, 23);
}

TEST_F(TownDialogsTest, CreatureCustomPortraitIsStoredAboveAThousandAndPreselected) {
    Monster(false, 0, [](frmTownMonster& d) {
        std::vector<int> offered;
        WindowScript pickers;
        for (int i = 0; i < 3; ++i)
            pickers.When<frmSelectIcon>([&offered](frmSelectIcon& p) {
                offered.push_back(p.PictureSelect);
                p.PictureSelect = 5;
            });
        Click(d.cmdTalkCustom);
        EXPECT_EQ(d.Work.FacialPic, 1005);
        Click(d.cmdTalkCustom);
        Click(d.cmdTalkPic);
        EXPECT_EQ(offered, (std::vector<int>{-1, 5, -1})) << "a custom picture is no portrait";
        Click(d.cmdOK);
    });
    EXPECT_EQ(Creature(0).Portrait, 5);
}

TEST_F(TownDialogsTest, CreatureNewKilledNodeLeftFreeKeepsMinusOne) {
    for (SpecialNode& node : town().SpecialNodes)
        node = SpecialNode{0, -1, 0, -1, -1, -1, 0, 0, 0, 0, -1};
    town().SpecialNodes[15].Type = 5; // the creature's existing node
    Creature(0).KilledNode = -1;
    Monster(false, 0, [](frmTownMonster& d) {
        std::vector<int> offered;
        WindowScript editors;
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Escape})
            editors.When<frmEditSpNode>([&offered, key](frmEditSpNode& e) {
                EXPECT_EQ(e.NodeSet, 2);
                offered.push_back(e.NodeNum);
                QTest::keyClick(&e, key);
            });
        Click(d.cmdButton); // OK on the new node without giving it a type
        EXPECT_EQ(d.txtKilledSpnode->text(), "-1");
        Click(d.cmdButton);
        EXPECT_EQ(d.txtKilledSpnode->text(), "-1");
        TypeInto(d.txtKilledSpnode, "15");
        Click(d.cmdButton);
        EXPECT_EQ(d.txtKilledSpnode->text(), "15") << "an existing node is kept";
        EXPECT_EQ(offered, (std::vector<int>{0, 0, 15})) << "a free node for a new reference";
        Click(d.cmdOK);
    });
    EXPECT_EQ(Creature(0).KilledNode, 15);
}

// The working copies and town choice outside the windows: every timing, failures, and slots
// past an area's end.
TEST(TownCreatureCopy, TimingClearsTheValuesItDoesNotUse) {
    struct Case {
        std::uint8_t flag;
        std::uint8_t day, event;
    };
    const Case cases[] = {{0, 0, 0}, {1, 40, 9}, {2, 40, 9}, {3, 0, 0},
                          {4, 0, 0}, {5, 0, 0},  {6, 0, 9},  {7, 0, 9}};
    for (const Case& c : cases) {
        TownCreature record{12, 5, 6, 1, 1, c.flag, -1, -1, 40, 9, 0, -1, -1, -1, 0};
        TownCreatureCopy work = LoadTownCreatureCopy(record);
        SaveTownCreatureCopy(work, record);
        EXPECT_EQ(record.TimeValue1, c.day) << int(c.flag);
        EXPECT_EQ(record.TimeValue2, c.event) << int(c.flag);
        EXPECT_EQ(work.TimeDay, c.day) << "the working copy is cleared as well";
    }
}

TEST(TownChoice, AFailedCreationLeavesTheTownsAsTheyWere) {
    Scenario scen = MakeVariedScenario(1, 1, 2, 5);
    const Scenario before = scen;
    EXPECT_THROW(AppendNewTown(scen, "Bad", 3, 0), RuntimeError);
    EXPECT_THROW(AppendNewTown(scen, "Bad", 0, 7), RuntimeError);
    EXPECT_EQ(scen, before);
}

TEST(AreaDescCopy, OutdoorsHasNoNinthSlot) {
    Scenario scen = MakeVariedScenario(1, 1, 1, 7);
    scen.CurrentOutdoorX = scen.CurrentOutdoorY = 0;
    scen.CurrentTown = 0;
    EXPECT_THROW(CurrentAreaRect(scen, AreaOwner::Outdoors, 8), RuntimeError);
    EXPECT_THROW(CurrentAreaText(scen, AreaOwner::Town, 16), RuntimeError);
    EXPECT_EQ(&CurrentAreaText(scen, AreaOwner::Outdoors, 7),
              &scen.OutdoorSections.At(0, 0).Strings[8]);
}

// The town's windows. For the record dialogs only what they add to the record-dialog contract:
// their own controls, stale references, free slots, and the node and picture pickers.
#include "AreaDialogTest.h"
#include "dialogs/areas/TownChoice.h"
#include "dialogs/areas/frmAreaDesc.h"
#include "dialogs/areas/frmAreaDesc1.h"
#include "dialogs/areas/frmCreateTown.h"
#include "dialogs/areas/frmTownDetails.h"
#include "dialogs/areas/frmTownItem.h"
#include "dialogs/areas/frmTownLoad.h"
#include "dialogs/areas/frmTownMonster.h"
#include "dialogs/areas/frmTownWandering.h"
#include "dialogs/pictures/frmSelectIcon.h"
#include "map/MapState.h"
#include "platform/core/RuntimeError.h"
#include "support/ClickThroughMessage.h"

namespace {
class TownDialogsTest : public AreaDialogTest {
  protected:
    void SetUp() override {
        Scen = MakeVariedScenario(1, 1, 3, 11), Scen.CurrentTown = 1;
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
        t.AreaRects.fill(AreaRect{});
        t.AreaRects[0] = {2, 3, 9, 9}, t.AreaRects[3] = {0, 0, 0, 1},
        t.AreaRects[9] = {12, 14, 20, 20};
        Scen.CurrentOutdoorX = Scen.CurrentOutdoorY = 0;
        Scen.MonsterTypes[12].Attitude = 1, Scen.MonsterTypes[30].Attitude = 2;
        Scen.StuffDoneNames[120].ValueNames[3] = "slain";
    }
    void Monster(bool context, std::int16_t n, const std::function<void(frmTownMonster&)>& act) {
        Open<frmTownMonster>(act, [&](frmTownMonster& d) { d.Context = context, d.MonstNum = n; });
    }
    void Item(bool context, std::int16_t n, const std::function<void(frmTownItem&)>& act) {
        Open<frmTownItem>(act, [&](frmTownItem& d) { d.Context = context, d.ItemNum = n; });
    }
    void Areas(std::int16_t context, const std::function<void(frmAreaDesc&)>& action) {
        Open<frmAreaDesc>(action, [context](frmAreaDesc& d) { d.Context = context; });
    }
    // The corner labels of the rows, marked + where the row offers Delete.
    static QStringList Rows(const frmAreaDesc& d) {
        QStringList rows;
        for (std::size_t i = 0; i < kAreaRowsPerPage; ++i)
            rows.push_back(d.lblArea[i]->text() + (d.cmdDelete[i]->isVisibleTo(&d) ? " +" : ""));
        return rows;
    }
    Town& town() { return Scen.Towns[1]; }
    TownCreature& Creature(std::size_t i) { return town().Creatures[i]; }
    PresetItem& Preset(std::size_t i) { return town().PresetItems[i]; }
};
} // namespace

TEST_F(TownDialogsTest, DetailsShowUnsetExitsAsMinusOneCheckRangesAndStoreEdits) {
    Town want = town();
    Open<frmTownDetails>([](frmTownDetails& d) {
        EXPECT_EQ(Shown({d.lblTownNum, d.lblTownSize, d.lblOutSect[0], d.lblOutLoc[0],
                         d.txtExitLoc[0], d.txtExitLoc[1], d.txtExitLoc[2]}),
                  (QStringList{"1", "48x48", "3", "17", "-1", "-1", "10"}));
        EXPECT_TRUE(d.optLight[0]->isChecked());
        // The boxes' own ranges, checked as typed; leaving puts the last good value back.
        TypeInto(d.txtExitLoc[0], "48");
        TypeInto(d.txtDayDies, "40000");
        EXPECT_EQ(Shown({d.txtExitLoc[0], d.txtDayDies}), QStringList({"-1", "100"}));
        TypeInto(d.txtTownName, "Harbour");
        Click(d.chkHidden);
        Click(d.optLight[1]);
        TypeInto(d.txtExitLoc[2], "-1");
        TypeInto(d.txtExitLoc[7], "30");
        TypeInto(d.txtDayDies, "32767");
        TypeInto(d.txtMaxMonsters, "-1");
        Click(d.cmdOK);
    });
    want.Strings[0] = "Harbour", want.Hidden = want.Hidden ? 0 : 1, want.Lighting = 1;
    want.ExitLocs[1] = {255, 20}, want.ExitLocs[3] = {0, 30};
    want.DayDies = 32767, want.MaxMonsters = -1;
    EXPECT_EQ(town(), want);
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Value must be between -1 and 47.",
                                                       "Value larger than MaxInt."}));
}

// Placed from the map the list holds types only, and Cancel leaves the new slot for the map
// tool to free; browsed it offers "No Item", which frees the slot, and a free slot stays free.
TEST_F(TownDialogsTest, ItemSession) {
    for (bool ok : {true, false}) {
        Item(false, 1, [ok](frmTownItem& d) {
            EXPECT_EQ(Ints(d.cmdScrollRight->isVisibleTo(&d), d.lstItem->currentIndex()),
                      Ints(0, 0));
            Click(ok ? d.cmdOK : d.cmdCancel);
        });
        EXPECT_EQ(Preset(1), (PresetItem{std::int16_t(ok - 1), 9, 9, -1, 0, 0, 0}));
        Preset(1).Item = -1;
    }
    Item(true, 0, [this](frmTownItem& d) {
        EXPECT_EQ(d.lstItem->currentIndex(), 8) << "item type 7 after \"No Item\"";
        Click(d.chkProperty);
        Click(d.cmdScrollLeft); // to the free slot 2
        EXPECT_EQ(Ints(Preset(0).Property, d.lstItem->count(), d.chkAlwaysHere->isChecked()),
                  Ints(1, 501, 0));
        EXPECT_EQ(Shown({d.lstItem, d.txtCharges, d.lblLoc[0]}),
                  QStringList({"No Item", "-1", "100"}));
        ChooseRow(d.lstItem, 4);
        Click(d.cmdScrollRight);
        EXPECT_EQ(Ints(Preset(2).Item, Preset(2).X), Ints(3, 100)) << "a free slot stays free";
        ChooseRow(d.lstItem, 0);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Ints(Preset(0).X, Preset(0).Y), Ints(100, 0));
    Preset(2) = {-1, 100, 0, 3, 1, 1, 1}, Preset(0).Item = 612; // a stale type, kept unshown
    std::vector<int> shown;
    for (std::int16_t slot : {2, 0})
        Item(true, slot, [&shown](frmTownItem& d) {
            shown.push_back(d.lstItem->currentIndex());
            Click(d.cmdOK);
        });
    EXPECT_EQ(shown, Ints(0, -1));
    EXPECT_EQ(Preset(2), (PresetItem{-1, 100, 0, -1, 0, 0, 0}));
    EXPECT_EQ(Preset(0).Item, 612);
}

// Creature 0 walked through its own controls: the timing, the flags and their value list, the
// portrait pickers and a new killed node; then a town of its personality that no longer exists.
TEST_F(TownDialogsTest, CreatureSession) {
    for (SpecialNode& node : town().SpecialNodes)
        node = SpecialNode{0, -1, 0, -1, -1, -1, 0, 0, 0, 0, -1};
    town().SpecialNodes[15].Type = 5, Creature(0).KilledNode = -1; // 15: the creature's node
    Monster(false, 0, [](frmTownMonster& d) {
        EXPECT_EQ(Ints(d.lblLoc[0]->text().toInt(), d.lstMonster->currentIndex(),
                       d.lstTown->currentIndex(), d.lstPersonality->currentIndex(),
                       d.lstHere->currentIndex(), d.txtExtra[0]->isVisibleTo(&d)),
                  Ints(5, 12, 3, 5, 6, 0))
            << "town 2 after \"Not Assigned\"; an event timing has no day";
        EXPECT_EQ(
            QStringList({d.lstChoose[1]->currentText(), d.lstPersonality->itemText(5).left(5)}),
            QStringList({"3 - slain", "24 - "}));
        ChooseRow(d.lstHere, 2); // Disappear on given day
        EXPECT_EQ(d.lblExtra[0]->text(), "Day creature disappears");
        TypeInto(d.txtExtra[0], "200");
        ChooseRow(d.lstSpecEncounterGrp, 10);
        Click(d.optCanMove[0]);
        ChooseRow(d.lstTown, 3);
        ChooseRow(d.lstPersonality, 4);
        // Flag A -1 forces B to -1 and empties the value list; an emptied B means no flag.
        QStringList flags;
        for (auto [box, typed] : {std::pair{0u, "-1"}, {0u, "120"}, {1u, ""}, {1u, "10"}}) {
            TypeInto(d.txtStuffDone[box], typed);
            flags << d.txtStuffDone[1]->text() + "/" + QString::number(d.lstChoose[1]->count());
        }
        EXPECT_EQ(flags, QStringList({"-1/0", "-1/10", "-1/10", "-1/10"}));
        ChooseRow(d.lstChoose[1], 3);
        EXPECT_EQ(Ints(d.lstChoose[0]->currentIndex(), d.txtStuffDone[1]->text().toInt()),
                  Ints(120, 3));
        std::vector<int> offered;
        WindowScript windows;
        // OK on the new node without giving it a type, Escape, then the existing node.
        AnswerNodeEditors(windows, 2, {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Escape}, offered);
        for (int i = 0; i < 3; ++i)
            windows.When<frmSelectIcon>([&offered](frmSelectIcon& p) {
                offered.push_back(p.PictureSelect);
                // The picker's own steps are its tests'; here it only gives back picture 5.
                p.PictureSelect = 5;
                p.done(QDialog::Accepted);
            });
        QStringList killed;
        for (const char* typed : {"", "", "15"}) {
            if (*typed) TypeInto(d.txtKilledSpnode, typed);
            Click(d.cmdButton);
            killed << d.txtKilledSpnode->text();
        }
        EXPECT_EQ(killed, QStringList({"-1", "-1", "15"}));
        Click(d.cmdTalkCustom);
        EXPECT_EQ(d.Work.FacialPic, 1005);
        Click(d.cmdTalkCustom);
        Click(d.cmdTalkPic); // a custom picture is no portrait
        EXPECT_EQ(offered, Ints(0, 0, 15, -1, 5, -1)) << "a free node for a new reference";
        Click(d.cmdOK);
    });
    EXPECT_EQ(Creature(0), (TownCreature{12, 5, 6, 1, 0, 2, 23, 5, 200, 9, 10, 15, 120, 3, 0}));
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{"Stuffdone flag must be between -1 and 9."}));
    Creature(0).PersonalityNum = 95; // town 9 does not exist
    Monster(false, 0, [](frmTownMonster& d) {
        EXPECT_EQ(Ints(d.lstTown->currentIndex(), d.lstPersonality->count(),
                       d.lstPersonality->currentIndex()),
                  Ints(-1, 1, -1));
        Click(d.cmdOK);
    });
    EXPECT_EQ(Creature(0).PersonalityNum, 95);
}

// A click on a portrait picker that leaves the killed-node box holding a rejected entry opens
// the picker all the same, though the message comes up while the mouse button is still down.
TEST_F(TownDialogsTest, APortraitPickerOpensWhenLeavingABoxShowsAMessage) {
    ClickThroughMessage author;
    WindowScript script;
    script.When<frmSelectIcon>([](frmSelectIcon& picker) { Click(picker.cmdCancel); });
    script.Open<frmTownMonster>([](frmTownMonster& d) { d.Context = false, d.MonstNum = 0; },
                                [&](frmTownMonster& d) {
                                    Type(d.txtKilledSpnode, "200");
                                    author.Click(d.cmdTalkCustom);
                                    Click(d.cmdCancel);
                                });
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Value must be between -1 and 99."});
}

// Type 0 frees the slot on the map, but browsing keeps a free slot free for the map tools.
TEST_F(TownDialogsTest, CreatureTypeBringsItsAttitudeAndTypeZeroFreesTheSlot) {
    Monster(false, 1, [](frmTownMonster& d) {
        Click(d.optAttitude[3]);
        ChooseRow(d.lstMonster, 30);
        EXPECT_TRUE(d.optAttitude[2]->isChecked()) << "the type's own attitude wins";
        Click(d.cmdOK);
    });
    EXPECT_EQ(Ints(Creature(1).Monster, Creature(1).Attitude, Creature(1).X), Ints(30, 2, 8));
    Monster(false, 1, [](frmTownMonster& d) {
        ChooseRow(d.lstMonster, 0);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Ints(Creature(1).X, Creature(1).Y), Ints(100, 0));
    Monster(true, 0, [this](frmTownMonster& d) {
        Click(d.cmdScrollLeft);
        EXPECT_EQ(d.lblLoc[0]->text(), "100");
        ChooseRow(d.lstMonster, 5);
        Click(d.cmdScrollRight);
        EXPECT_EQ(Ints(Creature(2).Monster, Creature(2).X), Ints(5, 100));
        Click(d.cmdCancel);
    });
}

// The town's pages show the placed slots and wrap; deletions and typed descriptions survive
// paging, and only OK stores them. Outdoors has one page of eight.
TEST_F(TownDialogsTest, AreaPagesWrapAndKeepEditsUntilOk) {
    const std::string longText(40, 'w');
    town().Strings[2] = longText;
    const Town before = town();
    for (bool ok : {false, true}) {
        Areas(1, [ok](frmAreaDesc& d) {
            EXPECT_TRUE(d.Label1[1]->isVisibleTo(&d) && !d.Label1[0]->isVisibleTo(&d));
            const QString none = "Not yet placed";
            EXPECT_EQ(Rows(d), (QStringList{"X = 2, Y = 3 +", none, none, "X = 0, Y = 0 +", none,
                                            none, none, none}));
            QStringList second; // left of page 0 is page 1
            for (QPushButton* arrow :
                 {d.cmdScrollLeft, d.cmdScrollRight, d.cmdScrollRight, d.cmdScrollLeft}) {
                Click(arrow);
                second += Rows(d)[1];
            }
            EXPECT_EQ(second, QStringList({"X = 12, Y = 14 +", none, "X = 12, Y = 14 +", none}));
            Click(d.cmdDelete[0]);
            EXPECT_EQ(Rows(d)[0], none);
            EXPECT_EQ(d.txtArea[1]->text().size(), 40) << "a longer text shows whole";
            TypeInto(d.txtArea[4], QString(35, 'a'));
            EXPECT_EQ(d.txtArea[4]->text().size(), 30) << "typing stops at thirty";
            TypeInto(d.txtArea[2], "Market");
            Click(d.cmdScrollRight);
            TypeInto(d.txtArea[0], "Gate");
            Click(d.cmdScrollLeft);
            EXPECT_EQ(d.txtArea[2]->text(), "Market");
            Click(ok ? d.cmdOK : d.cmdCancel);
        });
        EXPECT_EQ(town() == before, !ok) << "Cancel stores nothing";
    }
    Town want = before;
    want.AreaRects[0] = AreaRect{};
    want.Strings[3] = "Market", want.Strings[5] = std::string(30, 'a'), want.Strings[9] = "Gate";
    EXPECT_EQ(town(), want) << "the deleted area keeps its text, the long text stays whole";
    OutdoorSection& section = Scen.OutdoorSections.At(0, 0);
    section.AreaRects.fill(AreaRect{});
    section.AreaRects[7] = {40, 41, 44, 44}, section.Strings[8] = "Marsh";
    Areas(0, [](frmAreaDesc& d) {
        EXPECT_FALSE(d.cmdScrollLeft->isVisibleTo(&d) || d.cmdScrollRight->isVisibleTo(&d));
        EXPECT_TRUE(d.Label1[0]->isVisibleTo(&d));
        EXPECT_EQ(Rows(d)[7] + "|" + d.txtArea[7]->text(), "X = 40, Y = 41 +|Marsh");
        TypeInto(d.txtArea[7], "Lake");
        Click(d.cmdOK);
    });
    EXPECT_EQ(section.Strings[8], "Lake");
}

TEST_F(TownDialogsTest, WanderingGroupsAreHeldTogetherAndWrap) {
    const Town before = town();
    for (bool ok : {false, true}) {
        Open<frmTownWandering>([ok](frmTownWandering& d) {
            EXPECT_EQ(d.lblEncNum->text(), "0");
            EXPECT_EQ(ShownAfterClicks(d.lblEncNum,
                                       {d.cmdScrollLeft, d.cmdScrollRight, d.cmdScrollRight}),
                      QStringList({"3", "0", "1"}));
            ChooseRow(d.lstMonster[2], 0);
            ChooseRow(d.lstMonster[3], 200);
            Click(d.cmdScrollRight);
            Click(d.cmdScrollLeft);
            EXPECT_EQ(d.lstMonster[3]->currentText().left(7), " 200 - ");
            Click(ok ? d.cmdOK : d.cmdCancel);
        });
        EXPECT_EQ(town() == before, !ok) << "Cancel stores nothing";
    }
    Town want = before;
    want.WanderingGroups[1].Monsters[2] = 0, want.WanderingGroups[1].Monsters[3] = 200;
    EXPECT_EQ(town(), want);
}

// The town choice opens on the current town, and OK without a choice keeps it (choosing is
// the main window's test). A new town takes size, terrain and name; the limit makes none.
TEST_F(TownDialogsTest, TownChoiceAndNewTown) {
    Scen.Towns[0].Strings[0] = "Fort";
    Open<frmTownLoad>([](frmTownLoad& d) {
        EXPECT_EQ(Ints(d.lstTown->count(), d.lstTown->currentIndex()), Ints(3, 1));
        EXPECT_EQ(d.lstTown->itemText(0), " 0 - Fort");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Scen.CurrentTown, 1);
    // Size, terrain, what is typed (null: nothing; the box is left by Backspace after one more
    // key), the name stored and the floor made.
    const std::tuple<std::size_t, std::size_t, const char*, std::string, int> cases[] = {
        {0, 1, "Keep", "Keep", 2}, {2, 2, "", "", 4}, {1, 0, nullptr, "Town Name", 0}};
    for (const auto& [size, terrain, typed, name, floor] : cases) {
        const int number = Scen.TownCount;
        Open<frmCreateTown>(
            [size = size, terrain = terrain, typed = typed, number](frmCreateTown& d) {
                EXPECT_EQ(Shown({d.lblTownNum, d.txtTownName}),
                          QStringList({QString::number(number), ""}));
                EXPECT_TRUE(d.optTownSize[1]->isChecked() && d.optTerrain[0]->isChecked());
                Click(d.optTownSize[size]);
                Click(d.optTerrain[terrain]);
                if (typed) Type(d.txtTownName, QString(typed) + "x");
                if (typed) QTest::keyClick(d.txtTownName, Qt::Key_Backspace);
                QTest::keyClick(d.txtTownName, Qt::Key_Return);
            });
        ASSERT_EQ(Scen.TownCount, number + 1);
        const Town& made = Scen.Towns[static_cast<std::size_t>(number)];
        EXPECT_EQ(made.Strings[0], name);
        EXPECT_EQ(Ints(Scen.CurrentTown, made.Size, made.Terrain.At(1, 1)),
                  Ints(number, size, floor));
    }
    Scen.Towns.resize(200), Scen.TownTalks.resize(200), Scen.TownCount = 200;
    const Scenario before = Scen;
    Open<frmCreateTown>([](frmCreateTown& d) {
        EXPECT_EQ(d.lblTownNum->text(), "200");
        Click(d.cmdOK);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(Scen, before);
    EXPECT_TRUE(boxes.Calls().size() == 1u && boxes.Calls()[0].style == msgbox::Exclamation);
}

TEST_F(TownDialogsTest, NewRectangleDescriptionOkStoresAndCancelErases) {
    const std::int16_t savedMode = Map.EditMode;
    for (std::int16_t mode : {1, 3}) // a town, then outdoors
        for (bool ok : {true, false}) {
            Map.EditMode = mode;
            const bool inTown = mode != 3;
            OutdoorSection& outdoors = Scen.OutdoorSections.At(0, 0);
            AreaRect& rect = inTown ? town().AreaRects[9] : outdoors.AreaRects[5];
            std::string& text = inTown ? town().Strings[10] : outdoors.Strings[6];
            rect = AreaRect{4, 4, 8, 8}, text = "Old";
            Open<frmAreaDesc1>(
                [ok](frmAreaDesc1& d) {
                    EXPECT_EQ(d.txtArea->text(), "Old");
                    TypeInto(d.txtArea, QString(300, 'n'), false);
                    EXPECT_EQ(d.txtArea->text().size(), 255);
                    QTest::keyClick(d.txtArea, ok ? Qt::Key_Return : Qt::Key_Escape);
                },
                [inTown](frmAreaDesc1& d) { d.AreaNum = inTown ? 9 : 5; });
            EXPECT_EQ(text, ok ? std::string(255, 'n') : "Old") << mode;
            EXPECT_EQ(rect, (ok ? AreaRect{4, 4, 8, 8} : AreaRect{})) << mode;
        }
    Map.EditMode = savedMode;
}

// The working copies and town choice outside the windows: every timing, failures, and slots
// past an area's end.
TEST(TownCreatureCopy, TimingClearsTheValuesItDoesNotUse) {
    // For each timing flag 0..7, the day and event it keeps of 40 and 9, and the working day.
    std::vector<int> kept;
    for (std::uint8_t flag = 0; flag < 8; ++flag) {
        TownCreature record{12, 5, 6, 1, 1, flag, -1, -1, 40, 9, 0, -1, -1, -1, 0};
        TownCreatureCopy work = LoadTownCreatureCopy(record);
        SaveTownCreatureCopy(work, record);
        kept.insert(kept.end(), {record.TimeValue1, record.TimeValue2, work.TimeDay});
    }
    EXPECT_EQ(kept,
              Ints(0, 0, 0, 40, 9, 40, 40, 9, 40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9, 0, 0, 9, 0));
}

// A failed creation leaves the towns as they were; outdoors has no ninth area slot.
TEST(TownChoice, BadRequestsThrowAndChangeNothing) {
    Scenario scen = MakeVariedScenario(1, 1, 2, 5);
    scen.CurrentOutdoorX = scen.CurrentOutdoorY = 0, scen.CurrentTown = 0;
    const Scenario before = scen;
    EXPECT_THROW(AppendNewTown(scen, "Bad", 3, 0), RuntimeError);
    EXPECT_THROW(AppendNewTown(scen, "Bad", 0, 7), RuntimeError);
    EXPECT_THROW(CurrentAreaRect(scen, AreaOwner::Outdoors, 8), RuntimeError);
    EXPECT_THROW(CurrentAreaText(scen, AreaOwner::Town, 16), RuntimeError);
    EXPECT_EQ(scen, before);
    EXPECT_EQ(&CurrentAreaText(scen, AreaOwner::Outdoors, 7),
              &scen.OutdoorSections.At(0, 0).Strings[8]);
}

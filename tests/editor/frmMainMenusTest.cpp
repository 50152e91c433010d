// The main window's menu entries that open the area and record dialogs, answered as the author.
#include "dialogs/areas/frmAreaDesc.h"
#include "dialogs/areas/frmAreaDesc1.h"
#include "dialogs/areas/frmCreateTown.h"
#include "dialogs/areas/frmImportTown.h"
#include "dialogs/areas/frmOutDetails.h"
#include "dialogs/areas/frmOutLoad.h"
#include "dialogs/areas/frmOutWandering.h"
#include "dialogs/areas/frmTownDetails.h"
#include "dialogs/areas/frmTownItem.h"
#include "dialogs/areas/frmTownLoad.h"
#include "dialogs/areas/frmTownMonster.h"
#include "dialogs/areas/frmTownWandering.h"
#include "dialogs/areas/frmVarTownEntry.h"
#include "dialogs/records/frmEditItem.h"
#include "dialogs/records/frmEditSaveItem.h"
#include "dialogs/records/frmEditSpItem.h"
#include "dialogs/records/frmEventTimers.h"
#include "dialogs/records/frmScenDet.h"
#include "dialogs/records/frmScenIntroText.h"
#include "dialogs/records/frmStuffDone.h"
#include "dialogs/records/frmTransport.h"
#include "editor/MapToolHost.h"
#include "editor/frmFileNew.h"
#include "map/MapState.h"
#include "platform/qt/PictureBox.h"
#include "support/MainWindowFixture.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace {
// Without a file: the scenario set in place, the window not yet activated.
class MainWindowMenuTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        Scen = MakeVariedScenario(2, 2, 3, 31);
        Scen.CurrentTown = 1;
        Scen.CurrentOutdoorX = Scen.CurrentOutdoorY = 0;
        Scen.OutdoorSections.At(1, 0).Strings[0] = "East";
        for (std::size_t t = 0; t < 3; ++t)
            Scen.Towns[t].Strings[0] = "Town" + std::to_string(t);
    }
    void TearDown() override {
        SetModalFormHook({});
        MainWindowFixture::TearDown();
    }
    // The outdoor and town status lines, and whether the map and the list are shown.
    std::string Status() const {
        return (window->Label1->text() + " | " + window->Label2->text()).toStdString() +
               (window->picMap->isVisibleTo(window.get()) ? " | map" : "") +
               (window->List1->isVisibleTo(window.get()) ? " | list" : "");
    }
    // Double-clicks the row of the list shown, the editor it opens answered by the author.
    template <class Form> void OpenRow(int row, std::function<void(Form&)> author) {
        QListWidget& list = *window->List1;
        list.scrollToItem(list.item(row));
        WindowScript script;
        script.When<Form>(std::move(author));
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {},
                           list.visualItemRect(list.item(row)).center());
    }
    // Chooses the entry; the author types into the dialog it opens and presses OK.
    template <class Form> void Edit(QAction* entry, std::function<void(Form&)> author) {
        Choose<Form>(entry, [&author](Form& d) {
            author(d);
            Click(d.cmdOK);
        });
    }
    MsgBoxRecorder boxes;
};
} // namespace

TEST_F(MainWindowMenuTest, ChoosingCreatingAndRenamingAreasRefreshTheStatusLines) {
    window->picMap->show();
    Edit<frmTownLoad>(window->mnuTownLoad, [](frmTownLoad& d) { ChooseRow(d.lstTown, 2); });
    EXPECT_EQ(Status(), "Outdoors: | Town: 2 - Town2");
    window->Label2->setText("stale");
    Choose<frmCreateTown>(window->mnuTownCreate, [](frmCreateTown& d) { Click(d.cmdCancel); });
    EXPECT_EQ(Scen.TownCount, 3);
    EXPECT_EQ(Status(), "Outdoors: | Town: 2 - Town2") << "written after a Cancel too";
    Edit<frmCreateTown>(window->mnuTownCreate, [](frmCreateTown&) {});
    EXPECT_EQ(Status(), "Outdoors: | Town: 3 - Town Name");
    Edit<frmTownDetails>(window->mnuTownDetails,
                         [](frmTownDetails& d) { TypeInto(d.txtTownName, "Renamed"); });
    window->picMap->show();
    Edit<frmOutLoad>(window->mnuOutLoad, [](frmOutLoad& d) { ChooseRow(d.cmbOutSection, 2); });
    EXPECT_EQ(Status(), "Outdoors: 1, 0 - East | Town: 3 - Renamed");
    Edit<frmOutDetails>(window->mnuOutDetails,
                        [](frmOutDetails& d) { TypeInto(d.txtOutName, "Far East"); });
    EXPECT_EQ(Status(), "Outdoors: 1, 0 - Far East | Town: 3 - Renamed");
}

TEST_F(MainWindowMenuTest, FileNewShowsTheNewScenarioAndCancelKeepsIt) {
    SetProgramFolderForTesting(VARNO_APP_DIR); // where the new scenario's base records are
    window->Form_Activate();
    Edit<frmFileNew>(window->mnuFileNew, [](frmFileNew& d) {
        d.txtScenName->setText("Fresh");
        d.txtFileName->setText("fresh");
    });
    EXPECT_EQ(std::tuple(window->mnuScen->isEnabled(), window->mnuFileSave->isEnabled(),
                         window->Label2->text().left(9), ScenFile.ScenFileName),
              std::tuple(true, true, QString("Town: 0 -"), std::string("fresh.vrs")));
    const Scenario created = Scen;
    window->List1->show();
    Choose<frmFileNew>(window->mnuFileNew, [](frmFileNew& d) { Click(d.cmdCancel); });
    EXPECT_TRUE(Scen == created);
    EXPECT_TRUE(window->mnuScen->isEnabled());
    EXPECT_FALSE(window->List1->isVisibleTo(window.get())); // the work area was cleared
}

// Each entry opens its own window with the context the entry stands for; the browsing
// entries start at the first record and leave the map context behind.
TEST_F(MainWindowMenuTest, EachEntryOpensItsWindowInItsContext) {
    std::vector<int> seen;
    const auto note = [&seen](int value, QPushButton* cancel) {
        seen.push_back(value);
        Click(cancel);
    };
    Choose<frmTownMonster>(window->mnuTownMonsters, [&](frmTownMonster& d) {
        note(d.Context * 10 + d.MonstNum, d.cmdCancel);
    });
    Choose<frmTownItem>(window->mnuTownItems,
                        [&](frmTownItem& d) { note(d.Context * 10 + d.ItemNum, d.cmdCancel); });
    for (QAction* entry : {window->mnuOutAreaDesc, window->mnuTownAreaDesc})
        Choose<frmAreaDesc>(entry, [&](frmAreaDesc& d) { note(d.Context, d.cmdCancel); });
    for (QAction* entry : {window->mnuOutWandering, window->mnuOutEncounters})
        Choose<frmOutWandering>(entry, [&](frmOutWandering& d) { note(d.Context, d.cmdCancel); });
    Choose<frmTownWandering>(window->mnuTownWandering,
                             [&](frmTownWandering& d) { note(-1, d.cmdCancel); });
    Choose<frmVarTownEntry>(window->mnuTownVEntry,
                            [&](frmVarTownEntry& d) { note(-2, d.cmdCancel); });
    EXPECT_EQ(seen, (std::vector<int>{10, 10, 0, 1, 0, 1, -1, -2}));
    EXPECT_FALSE(SharedForm<frmTownMonster>().Context);
    EXPECT_FALSE(SharedForm<frmTownItem>().Context);

    Scen.Towns[1].Creatures.clear(); // a town without creature slots has nothing to browse
    WindowScript none;
    window->mnuTownMonsters->trigger();
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(MainWindowMenuTest, AreaDescriptionsRebuildTheMapOnShow) {
    const MapState savedMap = Map;
    Scen.Towns[1].AreaRects.fill(AreaRect{});
    Scen.Towns[1].AreaRects[0] = {2, 3, 9, 9};
    window->show();
    window->mnuTownEdit->trigger();
    ASSERT_TRUE(window->picMap->isVisible());
    const auto areaEdges = [] {
        const auto& edges = Map.MapCells.At(5, 3).Edges; // on the top side
        return edges[kAreaEdges + kEdgeLeft] + edges[kAreaEdges + kEdgeRight];
    };
    EXPECT_NE(areaEdges(), 0);
    Edit<frmAreaDesc>(window->mnuTownAreaDesc, [](frmAreaDesc& d) { Click(d.cmdDelete[0]); });
    EXPECT_EQ(areaEdges(), 0) << "the deleted rectangle is gone from the map";
    EXPECT_EQ(window->focusWidget(), window->picMap);
    Map = savedMap;
}

TEST_F(MainWindowMenuTest, PlacementToolsOpenOneRecordInTheMapContext) {
    ASSERT_NE(window->ToolHostImpl, nullptr);
    SharedForm<frmTownMonster>().Context = true; // left over from browsing would show arrows
    std::vector<std::string> seen;
    const auto note = [&seen](std::string what, int number, QPushButton* cancel) {
        seen.push_back(what + std::to_string(number));
        Click(cancel);
    };
    WindowScript script;
    script.When<frmTownMonster>([&](frmTownMonster& d) {
        note(d.cmdScrollLeft->isVisible() ? "arrows " : "creature ", d.MonstNum, d.cmdCancel);
    });
    script.When<frmTownItem>([&](frmTownItem& d) {
        note("item " + std::to_string(d.ItemNum) + " rows ", d.lstItem->count(), d.cmdCancel);
    });
    script.When<frmAreaDesc1>([&](frmAreaDesc1& d) { note("area ", d.AreaNum, d.cmdCancel); });
    const MapState savedMap = Map;
    Map.EditMode = Scen.Towns[1].Size;
    Scen.Towns[1].AreaRects[4] = {1, 1, 5, 5};
    window->ToolHostImpl->EditTownCreature(0);
    window->ToolHostImpl->EditPresetItem(0);
    window->ToolHostImpl->EditAreaRect(4);
    Map = savedMap;
    EXPECT_EQ(seen, (std::vector<std::string>{"creature 0", "item 0 rows 500", "area 4"}));
    EXPECT_EQ(Scen.Towns[1].AreaRects[4], AreaRect{}) << "Cancel takes the new rectangle away";
}

TEST_F(MainWindowMenuTest, ImportingRefreshesTheStatusLineUnlessCancelledOrRefused) {
    Scenario other = MakeVariedScenario(3, 1, 3, 8);
    other.Towns[2].Strings[0] = "Harbour";
    other.OutdoorSections.At(2, 0).Strings[0] = "Dunes";
    WriteScenario(other, "Other.vrs");
    Scenario open = MakeVariedScenario(2, 2, 2, 3);
    open.CurrentTown = 1;
    open.CurrentOutdoorX = 1;
    open.CurrentOutdoorY = 0;
    StartWith(open, "Open.vrs");
    std::vector<int> contexts;
    const auto import = [&](QAction* entry, const char* number, const char* file) {
        window->List1->show();
        file ? dialogs.Choose(files.File(file)) : dialogs.Cancel();
        Edit<frmImportTown>(entry, [&](frmImportTown& d) {
            contexts.push_back(d.Context);
            Type(d.txtSourceNum[0], number);
            Type(d.txtSourceNum[1], "0");
        });
        return Status();
    };
    window->List1->show();
    const std::string before = Status();
    EXPECT_EQ(import(window->mnuTownImport, "2", nullptr), before);
    EXPECT_EQ(import(window->mnuTownImport, "7", "Other.vrs"), before); // it has no town 7
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"The chosen scenario file has no town 7."});
    EXPECT_EQ(import(window->mnuTownImport, "2", "Other.vrs"),
              before.substr(0, before.find(" | ")) + " | Town: 1 - Harbour");
    EXPECT_EQ(import(window->mnuImportOut, "2", "Other.vrs"),
              "Outdoors: 1, 0 - Dunes | Town: 1 - Harbour");
    EXPECT_EQ(contexts, (std::vector<int>{0, 0, 0, 3}));
    EXPECT_EQ(boxes.Calls().size(), 1u);
}

TEST_F(MainWindowMenuTest, WhatIsTypedInEachEditorIsInTheSavedFiles) {
    Scenario s = MakeVariedScenario(1, 1, 2, 6);
    s.CurrentTown = 1;
    s.Horses[3] = {-1, 0, 0, 0};
    s.Boats[1] = {0, 4, 4, 0};
    s.ItemTypes[7].Name = "Rope                     ";
    StartWith(s, "Rec.vrs");
    Edit<frmScenDet>(window->mnuScenDetails, [](frmScenDet& d) {
        Type(d.txtContact, "me@vale");
        QTest::mouseClick(d.optRating[2], Qt::LeftButton, {}, QPoint(6, 6));
    });
    Edit<frmScenIntroText>(window->mnuScenIntroText,
                           [](frmScenIntroText& d) { Type(d.txtIntroText[2], "Third line"); });
    Edit<frmEditSaveItem>(window->mnuScenSave,
                          [](frmEditSaveItem& d) { Type(d.txtData[3], "200"); });
    Edit<frmEventTimers>(window->mnuScenEvent,
                         [](frmEventTimers& d) { Type(d.txtMoves[9], "90"); });
    Edit<frmEventTimers>(window->mnuTownEvent,
                         [](frmEventTimers& d) { Type(d.txtMoves[0], "30"); });
    Edit<frmTransport>(window->mnuScenBoats, [](frmTransport& d) { Type(d.txtXcoord[1], "9"); });
    Edit<frmTransport>(window->mnuScenHorses, [](frmTransport& d) {
        d.lstTown[3]->setFocus();
        QTest::keyClick(d.lstTown[3], Qt::Key_Down); // "Not Assigned" to town 0
    });
    window->mnuScenSpecItems->trigger();
    OpenRow<frmEditSpItem>(4, [](frmEditSpItem& d) {
        EXPECT_EQ(d.SpItemNum, 4);
        Type(d.txtSpItemName, "Amulet");
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    });
    // A double-clicked item opens its editor; the list shows the edit, the entry selected.
    window->mnuScenItems->trigger();
    OpenRow<frmEditItem>(7, [](frmEditItem& d) {
        EXPECT_EQ(std::pair(int(d.ItemNum), d.txtName->text()), std::pair(7, QString("Rope")));
        Type(d.txtName, "Silk rope");
        QTest::keyClick(d.txtName, Qt::Key_Return);
    });
    EXPECT_EQ(std::pair(window->List1->currentRow(), window->List1->item(7)->text().trimmed()),
              std::pair(7, QString("7 - Silk rope")));
    EXPECT_TRUE(window->List1->isVisible());
    // The flag names: modeless, saved into the flag-name file with the scenario.
    ASSERT_TRUE(window->mnuScenStuffDone->isEnabled());
    window->mnuScenStuffDone->trigger();
    frmStuffDone& names = SharedForm<frmStuffDone>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&names));
    Type(names.txtSD2[1], "Opened");
    QTest::mouseClick(names.cmdOK, Qt::LeftButton);

    const Scenario typed = Scen;
    window->mnuFileSave->trigger();
    Scen = Scenario{};
    OpenFile(ScenFile.ScenFilePath);
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(std::tuple(Scen.ScenStrings[3], int(Scen.ScenDifficulty), Scen.ScenStrings[6],
                         Scen.SavedItemAreas[0].Right, Scen.EventTimerMoves[9],
                         Scen.Towns[1].TimerMoves[0], Scen.Boats[1].X, Scen.Horses[3].Town,
                         Scen.ScenStrings[68], Scen.StuffDoneNames[0].ValueNames[1],
                         Scen.ItemTypes[7].Name),
              std::tuple(std::string("me@vale"), 2, std::string("Third line"), 200, 90, 30, 9, 0,
                         std::string("Amulet"), std::string("Opened"),
                         std::string("Silk rope                ")));
    EXPECT_TRUE(Scen == typed) << "nothing else changed on the way";
}

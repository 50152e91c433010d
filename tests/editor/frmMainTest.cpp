// The main window: its menus, status lines and files, and the dialogs its entries open, answered
// as the author.
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
#include "dialogs/nodes/frmDialog.h"
#include "dialogs/nodes/frmDialogNode.h"
#include "dialogs/nodes/frmEditShortText.h"
#include "dialogs/nodes/frmEditSpNode.h"
#include "dialogs/nodes/frmEditText.h"
#include "dialogs/records/frmEditItem.h"
#include "dialogs/records/frmEditMonster.h"
#include "dialogs/records/frmEditSaveItem.h"
#include "dialogs/records/frmEditSpItem.h"
#include "dialogs/records/frmEventTimers.h"
#include "dialogs/records/frmScenDet.h"
#include "dialogs/records/frmScenIntroText.h"
#include "dialogs/records/frmStuffDone.h"
#include "dialogs/records/frmTransport.h"
#include "editor/MapToolHost.h"
#include "editor/frmFileNew.h"
#include "platform/qt/HelpWindow.h"
#include "platform/qt/PictureBox.h"
#include "support/MainWindowFixture.h"
#include "support/ShownBoxes.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

namespace {
// Counts the events of one type that reach an object.
class EventCounter : public QObject {
  public:
    EventCounter(QObject* watched, QEvent::Type type) : type_(type) {
        watched->installEventFilter(this);
    }
    int count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == type_;
        return false;
    }

  private:
    QEvent::Type type_;
};

// Without a file: the scenario set in place, the window not yet activated.
class MainWindowTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        ScenFile = {};
        Scen = MakeVariedScenario(2, 2, 3, 31);
        Scen.CurrentTown = 1;
        Scen.CurrentOutdoorX = 1;
        Scen.CurrentOutdoorY = 0;
        Scen.OutdoorSections.At(1, 0).Strings[0] = "East";
        for (std::size_t t = 0; t < 3; ++t)
            Scen.Towns[t].Strings[0] = "Town" + std::to_string(t);
    }
    void TearDown() override {
        SetModalFormHook({});
        MainWindowFixture::TearDown();
    }
    // Caption, whether Save and the scenario menus are enabled, the status lines if shown, and
    // whether the map and the list are shown.
    std::string State() const {
        std::string s = window->windowTitle().toStdString() + " | ";
        for (QObject* entry : std::initializer_list<QObject*>{window->mnuFileSave, window->mnuScen,
                                                              window->mnuOut, window->mnuTown})
            s += entry->property("enabled").toBool() ? '1' : '0';
        for (QLabel* l : {window->Label1, window->Label2})
            s += " | " + (l->isVisibleTo(window.get()) ? l->text().toStdString() : "-");
        return s + (window->picMap->isVisibleTo(window.get()) ? " | map" : "") +
               (window->List1->isVisibleTo(window.get()) ? " | list" : "");
    }

    // Chooses the entry; the author types into the dialog it opens and presses OK.
    template <class Form> void Edit(QAction* entry, std::function<void(Form&)> author) {
        Choose<Form>(entry, [&author](Form& d) {
            author(d);
            Click(d.cmdOK);
        });
    }
    // What the new-scenario dialog offers: name, file name, width x height, which town size is
    // checked, and grass.
    static std::string Offered(const frmFileNew& d) {
        QString offered = d.txtScenName->text() + "|" + d.txtFileName->text() + "|" +
                          d.txtOutWidth->text() + "x" + d.txtOutHeight->text() + " ";
        for (const QRadioButton* size : d.optTownSize)
            offered += size->isChecked() ? "1" : "0";
        return offered.toStdString() + (d.chkGrass->isChecked() ? " grass" : "");
    }
    // The scenario opened with its lists unlocked and its first items named, the window shown.
    void OpenLists() {
        Scen.CurrentTown = 0;
        Scen.ListsLocked = 0;
        for (std::size_t i = 0; i < 8; ++i)
            Scen.ItemTypes[i].Name = "item" + std::to_string(i);
        StartWith(Scen, "List.vrs");
    }
    QListWidget& List() { return *window->List1; }
    QPoint At(int row) {
        List().scrollToItem(List().item(row));
        return List().visualItemRect(List().item(row)).center();
    }
    void Send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint pos) {
        QWidget* viewport = List().viewport();
        QMouseEvent event(type, pos, viewport->mapToGlobal(pos), button, held, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
    // Presses on one entry, moves the pointer to another with the button held, releases.
    void Drag(int from, int to, Qt::MouseButton button = Qt::LeftButton) {
        Send(QEvent::MouseButtonPress, button, button, At(from));
        Send(QEvent::MouseMove, Qt::NoButton, button, At(to));
        Send(QEvent::MouseButtonRelease, button, Qt::NoButton, At(to));
    }
    // The rest of a double click whose first press has been sent: release, the second press
    // (which arrives as the double click) and its release.
    void DoubleClickAfterPress(QPoint pos) {
        Send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, pos);
        Send(QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, pos);
        Send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, pos);
    }
    QString Entry(int row) { return List().item(row)->text(); }
    // Each list command, the entries it lists and an entry to double-click.
    std::vector<std::tuple<QAction*, int, int>> ListCommands() const {
        return {{window->mnuOutNodes, 60, 3},       {window->mnuScenNodes, 256, 200},
                {window->mnuTownNodes, 100, 99},    {window->mnuScenMonsters, 255, 0},
                {window->mnuTownDialogue, 100, 9},  {window->mnuTownDialogue, 100, 10},
                {window->mnuTownDialogue, 100, 99}, {window->mnuOutText, 108, 107},
                {window->mnuScenText, 320, 319},    {window->mnuTownText, 190, 20},
                {window->mnuScenSpecItems, 50, 4},  {window->mnuScenItems, 500, 7},
                {window->mnuScenButtons, 60, 59}};
    }
    // Counts the windows opened, each closed at once.
    void CountOpenings(int& opened) {
        SetModalFormHook([&opened](ModalForm& form) {
            ++opened;
            form.reject();
        });
    }
    // Notes the editors opened, with the record each was opened on, each cancelled.
    void NoteOpenings(std::string& opened) {
        SetModalFormHook([&opened](ModalForm& form) {
            const auto note = [&opened](std::string what, int a, int b) {
                opened += what + " " + std::to_string(a) + " " + std::to_string(b) + "; ";
            };
            if (auto* e = dynamic_cast<frmEditSpNode*>(&form))
                note("node", e->NodeSet, e->NodeNum);
            else if (auto* m = dynamic_cast<frmEditMonster*>(&form))
                note("monster", 0, m->MonstNum);
            else if (auto* p = dynamic_cast<frmDialog*>(&form))
                note("personality", 0, p->Personality);
            else if (auto* d = dynamic_cast<frmDialogNode*>(&form))
                note("talk", 0, d->DialogNum);
            else if (auto* t = dynamic_cast<frmEditText*>(&form))
                note("text", t->TextType, t->TextNum);
            else if (auto* b = dynamic_cast<frmEditShortText*>(&form))
                note("label", b->Context, b->TextNum);
            else if (auto* s = dynamic_cast<frmEditSpItem*>(&form))
                note("special item", 0, s->SpItemNum);
            else if (auto* i = dynamic_cast<frmEditItem*>(&form))
                note("item", 0, i->ItemNum);
            else
                note(ClassName(typeid(form)), 0, 0);
            form.reject();
        });
    }
    // Sends a pointer event through the window system's path, where Qt itself tells a double
    // click from two clicks by their times and places; each comes 10 ms after the last.
    void Pointer(QEvent::Type type, QPoint inList, Qt::MouseButtons held) {
        PointerOn(window.get(), type, List().viewport()->mapToGlobal(inList), held);
    }
    void PointerOn(QWidget* topLevel, QEvent::Type type, QPoint onScreen, Qt::MouseButtons held,
                   Qt::MouseButton button = Qt::LeftButton,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::lastMouseTimestamp += 10;
        qt_handleMouseEvent(topLevel->windowHandle(), topLevel->mapFromGlobal(onScreen), onScreen,
                            held, type == QEvent::MouseMove ? Qt::NoButton : button, type,
                            modifiers, QTest::lastMouseTimestamp);
    }
    void ClickOn(QWidget* topLevel, QPoint onScreen, Qt::MouseButton button = Qt::LeftButton,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        PointerOn(topLevel, QEvent::MouseButtonPress, onScreen, button, button, modifiers);
        PointerOn(topLevel, QEvent::MouseButtonRelease, onScreen, Qt::NoButton, button, modifiers);
    }
    // The screen point just left of the list at the height of a point.
    QPoint BesideTheList(QPoint onScreen) {
        return QPoint(List().mapToGlobal(QPoint(-1, 0)).x(), onScreen.y());
    }
    // Clicks just left of the list's fifth entry; gives the screen point of that entry's left
    // edge.
    QPoint ClickBesideTheList() {
        const QPoint entry = List().viewport()->mapToGlobal(QPoint(0, At(4).y()));
        ClickOn(window.get(), BesideTheList(entry));
        return entry;
    }
    // Chooses the list command as the author does: a click on its menu's title and one on the
    // entry in the menu shown. Gives the screen point of that click on the entry.
    void ChooseOnTheMenu(QAction* command, QPoint& pointer) {
        QMenu* menu = nullptr;
        for (QMenu* m : {window->mnuScen, window->mnuOut, window->mnuTown})
            if (m->actions().contains(command)) menu = m;
        ASSERT_NE(menu, nullptr);
        const QRect title = window->menuBar()->actionGeometry(menu->menuAction());
        ClickOn(window.get(), window->menuBar()->mapToGlobal(title.center()));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        pointer = menu->mapToGlobal(menu->actionGeometry(command).center());
        PointerOn(menu, QEvent::MouseMove, pointer, Qt::NoButton);
        QSignalSpy chosen(command, &QAction::triggered);
        ClickOn(menu, pointer);
        ASSERT_EQ(chosen.count(), 1);
    }
    // A press at `from`, a move with the button held to `to` unless that is where it is, a
    // release there, and a click at `then` right after it.
    void PressThenClick(QPoint from, QPoint to, QPoint then) {
        QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval; // a fresh gesture
        Pointer(QEvent::MouseButtonPress, from, Qt::LeftButton);
        if (to != from) Pointer(QEvent::MouseMove, to, Qt::LeftButton);
        Pointer(QEvent::MouseButtonRelease, to, Qt::NoButton);
        Pointer(QEvent::MouseButtonPress, then, Qt::LeftButton);
        Pointer(QEvent::MouseButtonRelease, then, Qt::NoButton);
        QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval;
    }

    MsgBoxRecorder boxes;
};
} // namespace

TEST_F(MainWindowTest, ChoosingCreatingAndRenamingAreasRefreshTheStatusLines) {
    window->picMap->show();
    Edit<frmTownLoad>(window->mnuTownLoad, [](auto& d) { ChooseRow(d.lstTown, 2); });
    const std::string idle = "Varno Scenario Editor | 0000 | "; // the window not yet activated
    EXPECT_EQ(State(), idle + "Outdoors: | Town: 2 - Town2");
    window->Label2->setText("stale");
    Choose<frmCreateTown>(window->mnuTownCreate, [](auto& d) { Click(d.cmdCancel); });
    EXPECT_EQ(Scen.TownCount, 3);
    EXPECT_EQ(State(), idle + "Outdoors: | Town: 2 - Town2") << "written after a Cancel too";
    Edit<frmCreateTown>(window->mnuTownCreate, [](auto&) {});
    EXPECT_EQ(State(), idle + "Outdoors: | Town: 3 - Town Name");
    Edit<frmTownDetails>(window->mnuTownDetails,
                         [](auto& d) { TypeInto(d.txtTownName, "Renamed"); });
    window->picMap->show();
    Edit<frmOutLoad>(window->mnuOutLoad, [](auto& d) { ChooseRow(d.cmbOutSection, 2); });
    EXPECT_EQ(State(), idle + "Outdoors: 1, 0 - East | Town: 3 - Renamed");
    Edit<frmOutDetails>(window->mnuOutDetails, [](auto& d) { TypeInto(d.txtOutName, "Far East"); });
    EXPECT_EQ(State(), idle + "Outdoors: 1, 0 - Far East | Town: 3 - Renamed");
}

// Neither Enter nor a click on OK goes on while a refused size is in the box; leaving it puts
// the last size back. A file name that is a path is refused and the dialog stays open. Enter
// acts as OK, whose confirmation can be cancelled: then nothing is created. A created scenario
// is shown; the dialog offers its sizes again next time but not its names, and Cancel keeps
// the scenario.
TEST_F(MainWindowTest, FileNewRefusesBadEntriesAndShowsTheNewScenarioKeepingItsSizes) {
    SetProgramFolderForTesting(VARNO_APP_DIR); // where the new scenario's base records are
    window->Form_Activate();
    const Scenario earlier = Scen;
    ScenFile.ScenFileName = "Earlier.vrs";
    Choose<frmFileNew>(window->mnuFileNew, [](auto& d) {
        EXPECT_EQ(Offered(d), "Scenario name|filename|1x1 010");
        // Places in twips over 15: (1080, 2760, 195, 195) and (4560, 3600 + 240 i, 1200, 195).
        EXPECT_EQ(
            (std::vector<QRect>{d.chkGrass->geometry(), d.optTownSize[0]->geometry(),
                                d.optTownSize[1]->geometry(), d.optTownSize[2]->geometry()}),
            (std::vector<QRect>{
                {72, 184, 13, 13}, {304, 240, 80, 13}, {304, 256, 80, 13}, {304, 272, 80, 13}}));
        const std::pair<QLineEdit*, const char*> sizes[] = {
            {d.txtOutWidth, "Outdoor width must be between 1 and 50."},
            {d.txtOutHeight, "Outdoor height must be between 1 and 50."}};
        for (const auto& [box, message] : sizes)
            for (const char* bad : {"0", "51"}) {
                SCOPED_TRACE(bad);
                MsgBoxRecorder local;
                Type(box, bad);
                QTest::keyClick(box, Qt::Key_Return);
                Click(d.cmdOK);
                EXPECT_EQ(Shown(local), (Boxes{"Error!|48|" + std::string(message)}))
                    << "no confirmation while the size is refused";
                EXPECT_EQ(box->text() + (d.isVisible() ? " open" : ""), QString(bad) + " open");
                box->setFocus();
                Leave(box);
                EXPECT_EQ(box->text(), "1");
            }
        MsgBoxRecorder rest; // an empty box holds no size: the last one comes back
        TypeInto(d.txtOutHeight, "");
        EXPECT_EQ(d.txtOutHeight->text(), "1");
        for (const char* bad : {"", "a/b", "..", "x\\y"}) {
            d.txtFileName->setText(bad);
            QTest::keyClick(d.txtFileName, Qt::Key_Return);
            EXPECT_TRUE(d.isVisible()) << bad;
        }
        const std::string path = "Error!|48|The file name must name a file in the scenario "
                                 "folder: it may not contain \"/\", \"\\\" or \"..\".";
        EXPECT_EQ(Shown(rest),
                  (Boxes{"Error!|48|Outdoor height must be between 1 and 50.",
                         "Error!|48|Please give the new scenario a file name.", path, path, path}));
        d.txtFileName->setText("moor");
        rest.QueueAnswer(MsgBoxResult::Cancel);
        d.txtOutWidth->setFocus();
        QTest::keyClick(d.txtOutWidth, Qt::Key_Return);
        EXPECT_EQ(Shown(rest).back().substr(0, 21), "Creating Scenario.|65");
    });
    EXPECT_TRUE(Scen == earlier);
    EXPECT_EQ(ScenFile.ScenFileName, "Earlier.vrs");

    Choose<frmFileNew>(window->mnuFileNew, [](auto& d) {
        d.txtScenName->setText("Moor Quest");
        d.txtFileName->setText("moor");
        TypeInto(d.txtOutWidth, "10");
        TypeInto(d.txtOutHeight, "3");
        QTest::mouseClick(d.optTownSize[2], Qt::LeftButton);
        d.chkGrass->setChecked(true);
        QTest::keyClick(d.txtScenName, Qt::Key_Return);
    });
    EXPECT_EQ(Shown(boxes), Boxes{"Creating Scenario.|65|The Scenario Editor is about to create "
                                  "your\r\nnew scenario, which will be ready for editing.\r\n"
                                  "This will take a little while ... be patient."});
    EXPECT_EQ(std::tuple(Scen.OutdoorWidth, Scen.OutdoorHeight, int(Scen.Towns.at(0).Size),
                         Scen.ScenStrings[0]),
              std::tuple(10, 3, 2, std::string("Moor Quest")));
    const std::string shown = "Varno Scenario Editor - moor.vrs | 1111 | Outdoors: 0, 0 - Area "
                              "name | Town: 0 - Town name";
    EXPECT_EQ(State(), shown);
    const Scenario created = Scen;
    window->List1->show();
    Choose<frmFileNew>(window->mnuFileNew, [](auto& d) {
        EXPECT_EQ(Offered(d), "Scenario name|filename|10x3 001");
        Click(d.cmdCancel);
    });
    EXPECT_TRUE(Scen == created);
    EXPECT_EQ(State(), shown); // the work area was cleared
}

// Each entry opens its own window with the context the entry stands for; the browsing
// entries start at the first record and leave the map context behind. The map's placement
// tools open one record in the map context.
TEST_F(MainWindowTest, EachEntryOpensItsWindowInItsContext) {
    std::vector<int> seen;
    const auto note = [&seen](int value, QPushButton* cancel) {
        seen.push_back(value);
        Click(cancel);
    };
    Choose<frmTownMonster>(window->mnuTownMonsters,
                           [&](auto& d) { note(d.Context * 10 + d.MonstNum, d.cmdCancel); });
    Choose<frmTownItem>(window->mnuTownItems,
                        [&](auto& d) { note(d.Context * 10 + d.ItemNum, d.cmdCancel); });
    for (QAction* entry : {window->mnuOutAreaDesc, window->mnuTownAreaDesc})
        Choose<frmAreaDesc>(entry, [&](auto& d) { note(d.Context, d.cmdCancel); });
    for (QAction* entry : {window->mnuOutWandering, window->mnuOutEncounters})
        Choose<frmOutWandering>(entry, [&](auto& d) { note(d.Context, d.cmdCancel); });
    for (QAction* entry : {window->mnuScenEvent, window->mnuTownEvent})
        Choose<frmEventTimers>(entry, [&](auto& d) { note(d.EventType, d.cmdCancel); });
    for (QAction* entry : {window->mnuScenBoats, window->mnuScenHorses})
        Choose<frmTransport>(entry, [&](auto& d) { note(d.TransportType, d.cmdCancel); });
    Choose<frmTownWandering>(window->mnuTownWandering, [&](auto& d) { note(-1, d.cmdCancel); });
    Choose<frmVarTownEntry>(window->mnuTownVEntry, [&](auto& d) { note(-2, d.cmdCancel); });
    Choose<frmScenDet>(window->mnuScenDetails, [&](auto& d) { note(-3, d.cmdCancel); });
    Choose<frmScenIntroText>(window->mnuScenIntroText, [&](auto& d) { note(-4, d.cmdCancel); });
    Choose<frmEditSaveItem>(window->mnuScenSave, [&](auto& d) { note(-5, d.cmdCancel); });
    EXPECT_EQ(seen, (std::vector<int>{10, 10, 0, 1, 0, 1, 0, 2, 0, 1, -1, -2, -3, -4, -5}));
    EXPECT_FALSE(SharedForm<frmTownMonster>().Context);
    EXPECT_FALSE(SharedForm<frmTownItem>().Context);
    window->mnuScenStuffDone->trigger(); // modeless
    EXPECT_TRUE(QTest::qWaitForWindowActive(&SharedForm<frmStuffDone>()));

    std::vector<std::string> placed;
    const auto place = [&placed](std::string what, int number, QPushButton* cancel) {
        placed.push_back(what + std::to_string(number));
        Click(cancel);
    };
    SharedForm<frmTownMonster>().Context = true; // left over from browsing would show arrows
    WindowScript script;
    script.When<frmTownMonster>([&](auto& d) {
        place(d.cmdScrollLeft->isVisible() ? "arrows " : "creature ", d.MonstNum, d.cmdCancel);
    });
    script.When<frmTownItem>([&](auto& d) {
        place("item " + std::to_string(d.ItemNum) + " rows ", d.lstItem->count(), d.cmdCancel);
    });
    script.When<frmAreaDesc1>([&](auto& d) { place("area ", d.AreaNum, d.cmdCancel); });
    Map.EditMode = Scen.Towns[1].Size; // the map's state goes back after the test
    Scen.Towns[1].AreaRects[4] = {1, 1, 5, 5};
    window->ToolHostImpl->EditTownCreature(0);
    window->ToolHostImpl->EditPresetItem(0);
    window->ToolHostImpl->EditAreaRect(4);
    EXPECT_EQ(placed, (std::vector<std::string>{"creature 0", "item 0 rows 500", "area 4"}));
    EXPECT_EQ(Scen.Towns[1].AreaRects[4], AreaRect{}) << "Cancel takes the new rectangle away";

    Scen.Towns[1].Creatures.clear(); // a town without creature slots has nothing to browse
    WindowScript none;
    window->mnuTownMonsters->trigger();
    EXPECT_TRUE(boxes.Calls().empty());
}

// The outdoor descriptions are edited over the map, which is rebuilt when they close; a town's
// are edited over an emptied work area, which stays empty, whether kept or cancelled.
TEST_F(MainWindowTest, AreaDescriptionsRedrawTheOutdoorMapAndLeaveATownsWorkAreaEmpty) {
    auto& rects = Scen.OutdoorSections.At(1, 0).AreaRects;
    rects.fill(AreaRect{});
    rects[0] = {2, 3, 9, 9}; // one cell in, as the section is drawn within a border
    window->show();
    window->mnuOutEdit->trigger();
    ASSERT_TRUE(window->picMap->isVisible());
    const auto areaEdges = [] {
        const auto& edges = Map.MapCells.At(6, 4).Edges; // on the top side
        return edges[kAreaEdges + kEdgeLeft] + edges[kAreaEdges + kEdgeRight];
    };
    EXPECT_NE(areaEdges(), 0);
    Edit<frmAreaDesc>(window->mnuOutAreaDesc, [](auto& d) { Click(d.cmdDelete[0]); });
    EXPECT_EQ(areaEdges(), 0) << "the deleted rectangle is gone from the map";
    EXPECT_EQ(window->focusWidget(), window->picMap);

    for (const bool cancel : {true, false}) {
        SCOPED_TRACE(cancel);
        window->mnuTownEdit->trigger();
        ASSERT_TRUE(window->picMap->isVisible());
        bool mapUnderDialog = true;
        Choose<frmAreaDesc>(window->mnuTownAreaDesc, [&](auto& d) {
            mapUnderDialog = window->picMap->isVisible();
            cancel ? QTest::keyClick(&d, Qt::Key_Escape) : Click(d.cmdOK);
        });
        EXPECT_FALSE(mapUnderDialog || window->picMap->isVisible());
    }
}

TEST_F(MainWindowTest, ImportingRefreshesTheStatusLineUnlessCancelledOrRefused) {
    Scenario other = MakeVariedScenario(3, 1, 3, 8);
    other.Towns[2].Strings[0] = "Harbour";
    other.OutdoorSections.At(2, 0).Strings[0] = "Dunes";
    WriteScenario(other, "Other.vrs");
    StartWith(Scen, "Open.vrs");
    std::vector<int> contexts;
    const auto import = [&](QAction* entry, const char* number, const char* file) {
        window->List1->show();
        file ? dialogs.Choose(files.File(file)) : dialogs.Cancel();
        Edit<frmImportTown>(entry, [&](auto& d) {
            contexts.push_back(d.Context);
            Type(d.txtSourceNum[0], number);
            if (d.txtSourceNum[1]->isVisible()) Type(d.txtSourceNum[1], "0"); // outdoors only
        });
        return State();
    };
    window->List1->show();
    const std::string before = State();
    EXPECT_EQ(import(window->mnuTownImport, "2", nullptr), before);
    EXPECT_EQ(import(window->mnuTownImport, "7", "Other.vrs"), before); // it has no town 7
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"The chosen scenario file has no town 7."});
    const std::string open = "Varno Scenario Editor - Open.vrs | 1111 | Outdoors: 1, 0 - ";
    EXPECT_EQ(import(window->mnuTownImport, "2", "Other.vrs"), open + "East | Town: 1 - Harbour");
    EXPECT_EQ(import(window->mnuImportOut, "2", "Other.vrs"), open + "Dunes | Town: 1 - Harbour");
    EXPECT_EQ(contexts, (std::vector<int>{0, 0, 0, 3}));
    EXPECT_EQ(boxes.Calls().size(), 1u);
}

// Before any scenario only File and Help can be used: a cancelled open changes nothing, nor
// does Save As. Activations after the first showing (a message box or another program taking
// the activation and giving it back) change nothing. With a scenario open every entry can be
// chosen but the three whose windows do not exist yet; a rejected file keeps the scenario. Save
// writes into the scenario folder, Save As under the new name.
TEST_F(MainWindowTest, OpeningShowsTheScenarioARejectedFileKeepsItAndSaveWritesIt) {
    Scen.ListsLocked = 0;
    const Scenario quest = Scen;
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const std::string before = "Varno Scenario Editor -  | 0000 | Outdoors: | Town:";
    EXPECT_EQ(State(), before);
    for (QAction* a : {window->mnuFileOpen, window->mnuFileSaveAs, window->mnuFileExit,
                       window->mnuHelp, window->mnuScenButtons, window->mnuTownDelete})
        EXPECT_TRUE(a->isEnabled());
    EXPECT_EQ((std::tuple(window->lblTool[0]->text(), window->CurrentTool, window->FirstTime)),
              std::tuple(QString("Drawing Mode"), 0, false));
    window->CurrentTool = 7;
    dialogs.Cancel();
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(State(), before);
    window->mnuFileSaveAs->trigger();
    EXPECT_EQ(dialogs.Requests().size(), 1u) << "Save As without a scenario asks nothing";

    Scen = Scenario{};
    PutFileText(files.File("Bad.vrs"), "not a scenario");
    OpenFile(files.File("Bad.vrs")); // no earlier scenario: the state without one
    const std::string noScenario = "Varno Scenario Editor | 0000 | - | -";
    EXPECT_EQ(State(), noScenario);
    QWidget other;
    ShowActive(other);
    other.close();
    ShowActive(*window);
    EXPECT_EQ(State(), noScenario);
    EXPECT_EQ(window->CurrentTool, 7);

    const std::string opened =
        "Varno Scenario Editor - Quest.vrs | 1111 | Outdoors: 1, 0 - East | Town: 1 - Town1";
    OpenFile(WriteScenario(quest, "Quest.vrs"));
    EXPECT_EQ(State(), opened);
    std::vector<std::string> greyed;
    for (QMenu* menu : {window->mnuFile, window->mnuScen, window->mnuOut, window->mnuTown})
        for (QAction* a : menu->actions())
            if (!a->isSeparator() && !(a->isEnabled() && menu->isEnabled()))
                greyed.push_back(a->text().toStdString());
    EXPECT_EQ(greyed, (std::vector<std::string>{"Edit Item Placement Shortcuts",
                                                "Write Data to Text File", "Add Random Items"}));
    EXPECT_FALSE(window->mnuTownRandItem->isVisible());
    OpenFile(files.File("Bad.vrs"));
    EXPECT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(State(), opened);
    EXPECT_EQ(ScenFile.ScenFileName, "Quest.vrs");

    const Scenario saved = Scen;
    window->mnuFileSave->trigger();
    EXPECT_TRUE(std::filesystem::exists(program.File("scenario/Quest.vrd")));
    dialogs.Choose("/any/folder/Renamed.vrs");
    window->mnuFileSaveAs->trigger();
    EXPECT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(window->windowTitle(), "Varno Scenario Editor - Renamed.vrs");
    EXPECT_EQ(ScenFile.ScenFilePath, program.File("scenario/Renamed.vrs"));
    EXPECT_EQ(FileBytes(program.File("scenario/Renamed.vrs")),
              FileBytes(program.File("scenario/Quest.vrs")));
    OpenFile(program.File("scenario/Renamed.vrs"));
    EXPECT_TRUE(Scen == saved) << "what Save wrote opens as it was";

    // Deleting the last town keeps one town and moves off a deleted current town. The town
    // count, the towns and talks held, the current town and the town line:
    const auto towns = [this] {
        return std::to_string(Scen.TownCount) + std::to_string(Scen.Towns.size()) +
               std::to_string(Scen.TownTalks.size()) + std::to_string(Scen.CurrentTown) + " " +
               window->Label2->text().toStdString();
    };
    window->mnuTownDelete->trigger(); // not the current town: nothing else changes
    EXPECT_EQ(towns(), "2221 Town: 1 - Town1");
    window->List1->show();
    window->mnuTownDelete->trigger(); // the current town: the one before it becomes current
    EXPECT_EQ(towns(), "1110 Town: 0 - Town0");
    EXPECT_FALSE(window->List1->isVisibleTo(window.get()));
    EXPECT_EQ(boxes.Calls().size(), 2u);
    window->mnuTownDelete->trigger(); // the last town stays
    EXPECT_EQ(towns(), "1110 Town: 0 - Town0");
    EXPECT_EQ(Shown(boxes).at(2).substr(0, 9), "Error!|48");
}

// A dialog never shown before was placed by a default size, near the main window's corner;
// help opens beside the main window, as far as the screen allows.
TEST_F(MainWindowTest, TheMainWindowKeepsItsSizeAndPlacesDialogsAndHelpAndClosesThemAll) {
    window->show();
    window->move(40, 30);
    // Without the customise hint a window manager heeds none of the button hints.
    EXPECT_EQ(window->windowFlags() & (Qt::CustomizeWindowHint | Qt::WindowMaximizeButtonHint |
                                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
              Qt::CustomizeWindowHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    ModalForm dialog;
    (new QVBoxLayout(&dialog))->addWidget(new QLabel("Two short lines\nof text"));
    OpenWindow(dialog, [&] {
        const QPoint offset = dialog.frameGeometry().center() - window->frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });

    // The one dialog shown without blocking opens centred too, from its first opening on.
    window->mnuScenStuffDone->trigger();
    auto& names = SharedForm<frmStuffDone>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&names));
    const QPoint offset = names.geometry().center() - window->geometry().center();
    EXPECT_LE(offset.manhattanLength(), 1) << offset.x() << "," << offset.y();
    Click(names.cmdCancel);

    SetProgramFolderForTesting(VARNO_APP_DIR);
    window->mnuHelp->trigger();
    EXPECT_TRUE(boxes.Calls().empty());
    QDialog* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible()) help = dialog;
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->findChild<QTextBrowser*>()->toPlainText().contains("File > Open Scenario"));
    EXPECT_EQ(help->frameGeometry(),
              HelpWindowPlace(window->screen()->availableGeometry(), window->frameGeometry()));
    help->close();
    SetProgramFolderForTesting(program.Path()); // no help file there
    window->mnuHelp->trigger();
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].style, msgbox::Exclamation);

    SharedForm<ModalForm>().show();
    ASSERT_TRUE(IsFormLoaded<ModalForm>());
    window->mnuFileExit->trigger();
    EXPECT_FALSE(IsFormLoaded<ModalForm>());
    EXPECT_FALSE(window->isVisible());
}

// A control that stands in one of the new-scenario dialog's group frames stands inside its
// lines, never under or across one.
TEST_F(MainWindowTest, TheNewScenarioFramesHoldTheirControlsWhole) {
    window->show();
    Choose<frmFileNew>(window->mnuFileNew, [](auto& d) {
        const auto isFrame = [](const QWidget* w) {
            return w->metaObject() == &QFrame::staticMetaObject;
        };
        const auto children = d.template findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        int framed = 0;
        for (const QWidget* frame : children)
            for (const QWidget* control : children) {
                if (!isFrame(frame) || isFrame(control) ||
                    !control->geometry().intersects(frame->geometry()))
                    continue;
                ++framed;
                EXPECT_TRUE(static_cast<const QFrame*>(frame)
                                ->contentsRect()
                                .translated(frame->pos())
                                .contains(control->geometry()))
                    << control->property("text").toString().toStdString();
            }
        EXPECT_EQ(framed, 16) << "every question and answer stands in a frame";
        Click(d.cmdCancel);
    });
}

TEST_F(MainWindowTest, DraggingAnItemOntoAnotherMovesItAndSelectsIt) {
    OpenLists();
    window->mnuScenItems->trigger();
    Drag(5, 2);
    EXPECT_EQ(Scen.ItemTypes[3].Name.substr(0, 5), "item5");
    EXPECT_EQ(Entry(3).trimmed(), "3 - item5");
    EXPECT_EQ(List().currentRow(), 3);
    Drag(2, 5);
    EXPECT_EQ(Scen.ItemTypes[5].Name.substr(0, 5), "item2");
    EXPECT_EQ(List().currentRow(), 5);
    // A double-clicked item opens its editor; the list shows the edit, the entry selected.
    WindowScript script;
    script.When<frmEditItem>([](auto& d) {
        Type(d.txtName, "Silk rope");
        QTest::keyClick(d.txtName, Qt::Key_Return);
    });
    Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, At(7));
    DoubleClickAfterPress(At(7));
    EXPECT_EQ(std::pair(List().currentRow(), Entry(7).trimmed()),
              std::pair(7, QString("7 - Silk rope")));

    // The right button moves nothing; a locked list refuses silently.
    const Scenario before = Scen;
    Drag(6, 1, Qt::RightButton);
    EXPECT_TRUE(Scen == before);
    window->mnuScenLockLists->trigger();
    EXPECT_FALSE(window->mnuScenLockLists->isEnabled()); // locking greys the entry at once
    Drag(6, 1);
    EXPECT_EQ(Scen.ItemTypes, before.ItemTypes);
    EXPECT_TRUE(boxes.Calls().empty());

    // Lists that cannot be reordered ignore the drag.
    window->mnuScenText->trigger();
    Drag(6, 1);
    EXPECT_EQ(Scen.ScenStrings, before.ScenStrings);
}

// Each list command shows its table; a double click opens the record's editor on the entry and
// shows the entry selected again; a double click off the entries opens nothing.
TEST_F(MainWindowTest, EachListShowsItsTableAndADoubleClickOpensTheRecordsEditor) {
    OpenLists();
    std::string opened;
    NoteOpenings(opened);
    const Scenario before = Scen;
    for (const auto& [action, count, row] : ListCommands()) {
        SCOPED_TRACE(action->text().toStdString());
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
        EXPECT_EQ(List().count(), count);
        List().setCurrentRow(-1);
        for (const QPoint at : {QPoint(-5, -5), At(row)}) {
            Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, at);
            DoubleClickAfterPress(at);
        }
        EXPECT_TRUE(List().isVisible());
        EXPECT_EQ(List().currentRow(), row);
    }
    EXPECT_EQ(opened, "node 1 3; node 0 200; node 2 99; monster 0 1; personality 0 9; talk 0 0; "
                      "talk 0 89; text 1 107; text 0 319; text 2 20; special item 0 4; "
                      "item 0 7; label 0 59; ");
    EXPECT_TRUE(Scen == before);
    // The list chosen again shows its first row, none selected.
    List().setFocus();
    QTest::keyClick(&List(), Qt::Key_End);
    ASSERT_GT(List().verticalScrollBar()->value(), 0);
    window->mnuScenButtons->trigger();
    QApplication::processEvents(); // the list lays its rows out at the next pass
    EXPECT_EQ(
        std::tuple(List().verticalScrollBar()->value(), List().itemAt(2, 2), List().currentRow()),
        std::tuple(0, List().item(0), -1));

    // A double click whose first press moved the pointer with the button held opens nothing;
    // the next one, whose press does not move, opens the editor again.
    opened.clear();
    window->mnuScenNodes->trigger();
    const QPoint entry = At(5);
    Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, entry);
    Send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, entry + QPoint(0, 1));
    DoubleClickAfterPress(entry);
    EXPECT_EQ(opened, "");
    Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, entry);
    DoubleClickAfterPress(entry);
    EXPECT_EQ(opened, "node 0 5; ");
}

// A drag leaves its mark only on its own gesture: in a list that cannot be reordered, a still
// double click right after a drag in one that can opens the editor, and one whose first press
// moved opens nothing there either.
TEST_F(MainWindowTest, ADoubleClickRightAfterADragInAnotherListOpensTheEditor) {
    OpenLists();
    int opened = 0;
    SetModalFormHook([&opened](ModalForm& form) {
        opened += dynamic_cast<frmEditText*>(&form) != nullptr;
        form.reject();
    });
    window->mnuScenItems->trigger();
    Drag(5, 2);
    window->mnuScenText->trigger();
    for (const bool moved : {false, true}) {
        const QPoint entry = At(4);
        Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, entry);
        if (moved) Send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, entry + QPoint(0, 1));
        DoubleClickAfterPress(entry);
        EXPECT_EQ(opened, 1) << moved;
    }
}

// The second click of a double click is the double click alone, also when it lands on the next
// entry or on a list that a drop has just refilled: a double click whose first press moved opens
// nothing there, and the drop is not made again by its release. A still one opens the editor.
TEST_F(MainWindowTest, ADoubleClickWhoseFirstPressMovedOpensNothingWhereverItsSecondClickLands) {
    OpenLists();
    int opened = 0;
    CountOpenings(opened);
    EventCounter doubleClicks(List().viewport(), QEvent::MouseButtonDblClick);
    const auto lowestRow = [this](int row) {
        QApplication::processEvents(); // the list is laid out at the next pass
        const QRect rect = List().visualItemRect(List().item(row));
        return QPoint(rect.left() + 20, rect.bottom()); // a long entry reaches beyond the list
    };
    // A list that cannot be reordered, and one that can.
    for (QAction* command : {window->mnuScenText, window->mnuScenMonsters}) {
        SCOPED_TRACE(command->text().toStdString());
        command->trigger();
        const QPoint third = lowestRow(3);
        PressThenClick(third, third + QPoint(2, 0), third + QPoint(2, 3));
        EXPECT_EQ(std::pair(opened, List().currentRow()), std::pair(0, 4));
    }
    const Scenario before = Scen;
    EXPECT_EQ(doubleClicks.count, 2);

    // The press moves node 3 down onto node 4, which puts it after node 4, and the click lands
    // on the refilled list.
    window->mnuScenNodes->trigger();
    const QPoint fourth = lowestRow(3) + QPoint(0, 3);
    PressThenClick(lowestRow(3), fourth, fourth);
    EXPECT_EQ(doubleClicks.count, 3);
    EXPECT_EQ(opened, 0);
    std::swap(Scen.ScenSpecialNodes[3], Scen.ScenSpecialNodes[4]);
    EXPECT_TRUE(Scen == before) << "the drop was not made once";

    PressThenClick(At(6), At(6), At(6));
    EXPECT_EQ(std::tuple(doubleClicks.count, opened, List().currentRow()), std::tuple(4, 1, 6));
}

// Qt pairs a press beside the list and a press in it into a double click; for the list that is a
// press of its own: a click opens nothing, and a drag makes its drop. The second press of a
// double click whose release the editor took leaves the next gesture whole.
TEST_F(MainWindowTest, APressInTheListRightAfterOneBesideItIsAPressOfItsOwn) {
    OpenLists();
    int opened = 0;
    CountOpenings(opened);
    EventCounter doubleClicks(List().viewport(), QEvent::MouseButtonDblClick);
    // The list's left edge, and just beside it, at the height of an entry.
    const auto edge = [this](int row) { return QPoint(0, At(row).y()); };
    const auto beside = [this](QPoint inList) {
        return inList - QPoint(List().viewport()->x() + 1, 0);
    };
    // A list that cannot be reordered, and one that can.
    for (QAction* command : {window->mnuScenText, window->mnuScenItems}) {
        SCOPED_TRACE(command->text().toStdString());
        command->trigger();
        const Scenario before = Scen;
        PressThenClick(beside(edge(4)), beside(edge(4)), edge(4));
        EXPECT_EQ(std::pair(opened, List().currentRow()), std::pair(0, 4));

        QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval;
        Pointer(QEvent::MouseButtonPress, beside(edge(5)), Qt::LeftButton);
        Pointer(QEvent::MouseButtonRelease, beside(edge(5)), Qt::NoButton);
        Pointer(QEvent::MouseButtonPress, edge(5), Qt::LeftButton);
        Pointer(QEvent::MouseMove, edge(2), Qt::LeftButton);
        Pointer(QEvent::MouseButtonRelease, edge(2), Qt::NoButton);
        EXPECT_EQ(opened, 0);
        if (command == window->mnuScenItems)
            EXPECT_EQ(Scen.ItemTypes[3].Name.substr(0, 5), "item5");
        else
            EXPECT_TRUE(Scen == before);
    }
    EXPECT_EQ(doubleClicks.count, 4) << "Qt paired fewer presses than the test meant";

    const Scenario before = Scen;
    Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, At(5));
    Send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, At(5));
    Send(QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, At(5));
    EXPECT_EQ(opened, 1);
    Drag(5, 2);
    EXPECT_EQ(Scen.ItemTypes[3].Name, before.ItemTypes[5].Name);
}

// Qt pairs a press on a menu entry or beside the list with the first press of a double click on
// an entry at once under it; the list pairs that press with the next one itself, as Qt would have
// paired them without the press outside: in every list the double click opens the entry's editor
// once, and a third click right after it is a click. Its time and distance are Qt's.
TEST_F(MainWindowTest, ADoubleClickAtOnceAfterAPressOutsideTheListOpensTheEditorOnce) {
    OpenLists();
    int opened = 0;
    CountOpenings(opened);
    EventCounter doubleClicks(List().viewport(), QEvent::MouseButtonDblClick);
    QWidget* top = window.get();
    for (const auto& list : ListCommands()) {
        QAction* command = std::get<0>(list);
        SCOPED_TRACE(command->text().toStdString());
        for (const bool onTheMenu : {true, false}) {
            SCOPED_TRACE(onTheMenu ? "on the menu entry" : "beside the list");
            QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval; // a fresh gesture
            QPoint pointer;
            if (onTheMenu) {
                ASSERT_NO_FATAL_FAILURE(ChooseOnTheMenu(command, pointer));
            } else {
                command->trigger();
                pointer = ClickBesideTheList();
            }
            const QModelIndex under = List().indexAt(List().viewport()->mapFromGlobal(pointer));
            ASSERT_TRUE(under.isValid());
            opened = 0;
            ClickOn(top, pointer);
            ClickOn(top, pointer);
            EXPECT_EQ(std::pair(opened, List().currentRow()), std::pair(1, under.row()));
            ClickOn(top, pointer);
            EXPECT_EQ(opened, 1) << "the third click";
        }
    }

    // Presses farther apart than the double-click time or distance stay two clicks.
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    const int distance = QGuiApplication::styleHints()->mouseDoubleClickDistance();
    // The time between the presses on the entry, how far the second is from the first, and the
    // editors opened.
    const std::tuple<int, QPoint, int> seconds[] = {{interval - 1, {distance, distance}, 1},
                                                    {interval, {}, 0},
                                                    {20, {distance + 1, 0}, 0},
                                                    {20, {0, distance + 1}, 0}};
    for (const auto& [time, offset, opens] : seconds) {
        QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval;
        const QPoint pointer = ClickBesideTheList();
        opened = 0;
        ClickOn(top, pointer);
        QTest::lastMouseTimestamp += time - 20; // less the release and the press
        ClickOn(top, pointer + offset);
        EXPECT_EQ(opened, opens) << time << " ms, " << offset.x() << "," << offset.y();
    }
    EXPECT_EQ(doubleClicks.count, 4 * int(ListCommands().size()) + 4)
        << "Qt paired other presses than the test meant";
}

// Qt pairs a press on the menu entry that chose the list, or one beside the list, with the first
// press of a gesture in the list at once after it; the list then pairs the presses after it
// itself, by Qt's whole rule. In every list each gesture gives the author what it gives with no
// press before it: the same editors on the same records, the same entry selected, the same
// scenario.
TEST_F(MainWindowTest, AGestureAtOnceAfterAPressOutsideTheListGivesWhatItGivesAlone) {
    OpenLists();
    const Scenario original = Scen;
    std::string opened;
    NoteOpenings(opened);
    EventCounter doubleClicks(List().viewport(), QEvent::MouseButtonDblClick);
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    const int distance = QGuiApplication::styleHints()->mouseDoubleClickDistance();
    ASSERT_TRUE(distance >= 4 && distance < 10) << "the gestures press 4 and 10 pixels apart";
    QWidget* top = window.get();
    // A button held near the list's edge scrolls it on a timer of its own, which goes on after
    // the release: runs would differ by when that timer came round.
    List().setAutoScrollMargin(0);
    QWidget other; // another window of the program, well away from the list
    other.setGeometry(QRect(window->frameGeometry().topRight() + QPoint(40, 40), QSize(80, 60)));
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));

    // Where a gesture presses on the screen: the entry under the press outside, a point on it one
    // double-click distance from its nearer neighbour, the edge of that neighbour, and just left
    // of the list; and a pixel along the entry the way it goes on, as entries are as long as their
    // text.
    struct Places {
        QPoint entry, nearNeighbour, neighbour, beside, along;
    };
    const auto press = [&](QPoint at) {
        PointerOn(top, QEvent::MouseButtonPress, at, Qt::LeftButton);
    };
    const auto release = [&](QPoint at) {
        PointerOn(top, QEvent::MouseButtonRelease, at, Qt::NoButton);
    };
    const auto move = [&](QPoint to, Qt::MouseButtons held = Qt::NoButton) {
        PointerOn(top, QEvent::MouseMove, to, held);
    };
    const auto click = [&](QPoint at, Qt::MouseButton button = Qt::LeftButton,
                           Qt::KeyboardModifiers modifiers = {}) {
        ClickOn(top, at, button, modifiers);
    };
    // The next press comes this long after the last one, its release between.
    const auto nextPressAfter = [](int ms) { QTest::lastMouseTimestamp += ms - 20; };
    struct Gesture {
        const char* name;
        std::function<void(const Places&)> make;
        int opens;       // editors opened with no press before the gesture
        int pairedAlone; // double clicks Qt made of it in the list then
        int pairedAfter; // and after a press outside, which Qt pairs with its first press
    };
    const Gesture gestures[] = {
        {"a click", [&](const Places& at) { click(at.entry); }, 0, 0, 1},
        {"a drag",
         [&](const Places& at) {
             press(at.entry);
             move(at.neighbour, Qt::LeftButton);
             release(at.neighbour);
         },
         0, 0, 1},
        {"a double click",
         [&](const Places& at) {
             click(at.entry);
             click(at.entry);
         },
         1, 1, 1},
        {"a double click and a third click",
         [&](const Places& at) {
             for (int i = 0; i < 3; ++i)
                 click(at.entry);
         },
         1, 1, 2},
        {"four clicks",
         [&](const Places& at) {
             for (int i = 0; i < 4; ++i)
                 click(at.entry);
         },
         2, 2, 2},
        {"a double click on another entry",
         [&](const Places& at) {
             click(at.nearNeighbour);
             click(at.neighbour);
         },
         1, 1, 1},
        {"presses 4 pixels apart",
         [&](const Places& at) {
             click(at.entry);
             click(at.entry + 4 * at.along);
         },
         1, 1, 1},
        {"presses 10 pixels apart",
         [&](const Places& at) {
             click(at.entry);
             click(at.entry + 10 * at.along);
         },
         0, 0, 1},
        {"presses 1 ms under the double-click time",
         [&](const Places& at) {
             click(at.entry);
             nextPressAfter(interval - 1);
             click(at.entry);
         },
         1, 1, 1},
        {"presses the double-click time apart",
         [&](const Places& at) {
             click(at.entry);
             nextPressAfter(interval);
             click(at.entry);
         },
         0, 0, 1},
        {"a right-button double click",
         [&](const Places& at) {
             click(at.entry, Qt::RightButton);
             click(at.entry, Qt::RightButton);
         },
         0, 1, 1},
        {"a Shift double click",
         [&](const Places& at) {
             click(at.entry, Qt::LeftButton, Qt::ShiftModifier);
             click(at.entry, Qt::LeftButton, Qt::ShiftModifier);
         },
         1, 1, 1},
        {"a Ctrl double click",
         [&](const Places& at) {
             click(at.entry, Qt::LeftButton, Qt::ControlModifier);
             click(at.entry, Qt::LeftButton, Qt::ControlModifier);
         },
         1, 1, 1},
        {"a left then a right click",
         [&](const Places& at) {
             click(at.entry);
             click(at.entry, Qt::RightButton);
         },
         0, 0, 1},
        {"a click in another window between",
         [&](const Places& at) {
             click(at.entry);
             ClickOn(&other, other.mapToGlobal(QPoint(10, 10)));
             click(at.entry);
         },
         0, 0, 1},
        {"a right click beside the list between",
         [&](const Places& at) {
             click(at.entry);
             click(at.beside, Qt::RightButton);
             click(at.entry);
         },
         0, 0, 1},
        {"the pointer 12 pixels away and back between",
         [&](const Places& at) {
             click(at.entry);
             move(at.entry + 12 * at.along);
             move(at.entry);
             click(at.entry);
         },
         0, 0, 1},
        {"a first press that moved with the button held",
         [&](const Places& at) {
             press(at.entry);
             move(at.entry + 2 * at.along, Qt::LeftButton);
             release(at.entry + 2 * at.along);
             click(at.entry);
         },
         0, 1, 1},
    };

    // The places of a gesture that starts where the pointer is; none is met with a premise
    // that fails, as the gestures would not be the ones named.
    const auto placesFrom = [&](QPoint pointer, Places& places) {
        const QPoint inList = List().viewport()->mapFromGlobal(pointer);
        const int row = List().indexAt(inList).row();
        ASSERT_GE(row, 0);
        const auto onEntry = [this, row](QPoint p) {
            return List().viewport()->rect().contains(p) && List().indexAt(p).row() == row;
        };
        const QPoint along(onEntry(inList + QPoint(12, 0)) ? 1 : -1, 0);
        ASSERT_TRUE(onEntry(inList + 12 * along));
        const QRect rect = List().visualItemRect(List().item(row));
        const bool down = row == 0 || (row + 1 < List().count() && inList.y() > rect.center().y());
        const int edge = down ? rect.bottom() + 1 : rect.top() - 1;
        const QPoint nearNeighbour(inList.x(), down ? edge - distance : edge + distance);
        ASSERT_LE(qAbs(nearNeighbour.y() - inList.y()), distance) << "Qt pairs it with the press";
        ASSERT_EQ(List().indexAt(nearNeighbour).row(), row);
        ASSERT_EQ(List().indexAt(QPoint(inList.x(), edge)).row(), down ? row + 1 : row - 1);
        places = {pointer, List().viewport()->mapToGlobal(nearNeighbour),
                  List().viewport()->mapToGlobal(QPoint(inList.x(), edge)), BesideTheList(pointer),
                  along};
    };
    // What the author gets: the editors opened, the entry selected, the scenario, and the double
    // clicks Qt made in the list, for the gesture where the pointer is or at once after a press
    // outside the list, chosen on the menu or beside the list's entry, as it sets the pointer.
    struct Outcome {
        std::string opened;
        int selected = -1;
        Scenario scenario;
        int paired = 0;
    };
    const auto run = [&](const Gesture& gesture, QAction* command, int row, bool onTheMenu,
                         bool pressOutside, QPoint& pointer, Outcome& got) {
        QTest::lastMouseTimestamp += interval; // a fresh gesture
        Scen = original;
        if (onTheMenu && pressOutside)
            ASSERT_NO_FATAL_FAILURE(ChooseOnTheMenu(command, pointer));
        else
            command->trigger();
        if (!onTheMenu) {
            // The entry's left edge, one double-click distance from the next entry (the one
            // before the last), as entries of long texts are higher.
            List().scrollToItem(List().item(row));
            const QRect rect = List().visualItemRect(List().item(row));
            const int y =
                row + 1 < List().count() ? rect.bottom() + 1 - distance : rect.top() - 1 + distance;
            pointer = List().viewport()->mapToGlobal(QPoint(0, y));
            if (pressOutside) ClickOn(top, BesideTheList(pointer));
        }
        Places places;
        ASSERT_NO_FATAL_FAILURE(placesFrom(pointer, places));
        opened.clear();
        const int pairedBefore = doubleClicks.count;
        gesture.make(places);
        const QList<QListWidgetItem*> selected = List().selectedItems();
        got = {opened, selected.isEmpty() ? -1 : List().row(selected.front()), Scen,
               doubleClicks.count - pairedBefore};
    };

    for (const auto& [command, count, row] : ListCommands()) {
        SCOPED_TRACE(command->text().toStdString() + " " + std::to_string(row));
        for (const bool onTheMenu : {true, false}) {
            SCOPED_TRACE(onTheMenu ? "on the menu entry" : "beside the list");
            for (const Gesture& gesture : gestures) {
                SCOPED_TRACE(gesture.name);
                QPoint pointer;
                Outcome after, alone;
                ASSERT_NO_FATAL_FAILURE(
                    run(gesture, command, row, onTheMenu, true, pointer, after));
                ASSERT_NO_FATAL_FAILURE(
                    run(gesture, command, row, onTheMenu, false, pointer, alone));
                EXPECT_EQ(std::count(alone.opened.begin(), alone.opened.end(), ';'), gesture.opens)
                    << alone.opened;
                EXPECT_EQ(std::pair(alone.paired, after.paired),
                          std::pair(gesture.pairedAlone, gesture.pairedAfter))
                    << "Qt paired other presses than the test meant";
                EXPECT_EQ(std::pair(after.opened, after.selected),
                          std::pair(alone.opened, alone.selected));
                EXPECT_TRUE(after.scenario == alone.scenario);
            }
        }
    }
}

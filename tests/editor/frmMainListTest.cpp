#include "dialogs/nodes/frmDialog.h"
#include "dialogs/nodes/frmDialogNode.h"
#include "dialogs/nodes/frmEditShortText.h"
#include "dialogs/nodes/frmEditSpNode.h"
#include "dialogs/nodes/frmEditText.h"
#include "dialogs/records/frmEditMonster.h"
#include "platform/qt/QtText.h"
#include "support/MainWindowFixture.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>

namespace {
class RecordListPanelTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        window->Form_Activate();
        Scenario s = MakeVariedScenario(1, 1, 1, 6);
        s.ListsLocked = 0;
        for (int i = 0; i < 8; ++i) {
            s.ItemTypes[static_cast<std::size_t>(i)].Name = "item" + std::to_string(i);
            s.MonsterTypes[static_cast<std::size_t>(i)].Name = "monster" + std::to_string(i);
        }
        OpenFile(WriteScenario(s, "List.vrs"));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override {
        SetModalFormHook({});
        MainWindowFixture::TearDown();
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

    MsgBoxRecorder boxes;
};

TEST_F(RecordListPanelTest, DraggingAnItemOntoAnotherMovesItAndSelectsIt) {
    window->mnuScenItems->trigger();
    Drag(5, 2);
    EXPECT_EQ(Scen.ItemTypes[3].Name.substr(0, 5), "item5");
    EXPECT_EQ(Entry(3).trimmed(), "3 - item5");
    EXPECT_EQ(List().currentRow(), 3);
    Drag(2, 5);
    EXPECT_EQ(Scen.ItemTypes[5].Name.substr(0, 5), "item2");
    EXPECT_EQ(List().currentRow(), 5);

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
TEST_F(RecordListPanelTest, EachListShowsItsTableAndADoubleClickOpensTheRecordsEditor) {
    std::string opened; // the editors opened, with their members, each cancelled
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
        else
            note(ClassName(typeid(form)), 0, 0);
        form.reject();
    });
    // The command, the entries it lists and the entry double-clicked.
    const std::tuple<QAction*, int, int> lists[] = {
        {window->mnuOutNodes, 60, 3},       {window->mnuScenNodes, 256, 200},
        {window->mnuTownNodes, 100, 99},    {window->mnuScenMonsters, 255, 0},
        {window->mnuTownDialogue, 100, 9},  {window->mnuTownDialogue, 100, 10},
        {window->mnuTownDialogue, 100, 99}, {window->mnuOutText, 108, 107},
        {window->mnuScenText, 320, 319},    {window->mnuTownText, 190, 20},
        {window->mnuScenSpecItems, 50, 4},  {window->mnuScenItems, 500, 7},
        {window->mnuScenButtons, 60, 59}};
    const Scenario before = Scen;
    for (const auto& [action, count, row] : lists) {
        SCOPED_TRACE(action->text().toStdString());
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
        EXPECT_EQ(List().count(), count);
        List().setCurrentRow(-1);
        QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, QPoint(-5, -5));
        QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, At(row));
        EXPECT_TRUE(List().isVisible());
        EXPECT_EQ(List().currentRow(), row);
    }
    EXPECT_EQ(opened, "node 1 3; node 0 200; node 2 99; monster 0 1; personality 0 9; talk 0 0; "
                      "talk 0 89; text 1 107; text 0 319; text 2 20; frmEditSpItem 0 0; "
                      "frmEditItem 0 0; label 0 59; ");
    EXPECT_TRUE(Scen == before);
    EXPECT_EQ(window->ListMode, 10);
    EXPECT_EQ(Entry(59), "59 - " + ToQString(Scen.ScenStrings[319]));
    // The list chosen again shows its first row, none selected.
    List().setFocus();
    QTest::keyClick(&List(), Qt::Key_End);
    ASSERT_GT(List().verticalScrollBar()->value(), 0);
    window->mnuScenButtons->trigger();
    QApplication::processEvents(); // the list lays its rows out at the next pass
    EXPECT_EQ(
        std::tuple(List().verticalScrollBar()->value(), List().itemAt(2, 2), List().currentRow()),
        std::tuple(0, List().item(0), -1));
    window->mnuScenMonsters->trigger();
    EXPECT_EQ(window->ListMode, 9);
    EXPECT_EQ(Entry(0), "1 - monster1");

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
} // namespace

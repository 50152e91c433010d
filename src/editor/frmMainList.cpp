// The main window's record list: filling it by list mode, opening the record editor of a
// double-clicked entry, and reordering tables by dragging one entry onto another.
#include "editor/RecordEditorOpeners.h"
#include "editor/RecordList.h"
#include "editor/TextListEditors.h"
#include "editor/frmMain.h"

#include "dialogs/nodes/frmEditSpNode.h"
#include "dialogs/records/frmEditMonster.h"
#include "platform/qt/EventPass.h"
#include "platform/qt/QtText.h"
#include "platform/qt/SharedForms.h"
#include "scenario/RecordListEntries.h"
#include "scenario/RecordListReorder.h"
#include "scenario/Scenario.h"

#include <QAction>
#include <QStringList>

namespace {
// The list modes whose tables can be reordered by dragging.
bool AllowsDragging(std::int32_t mode) {
    return mode == 0 || mode == 1 || mode == 2 || mode == 4 || mode == 6 || mode == 9;
}

// The node family that the special-node editor edits for a node list.
std::int32_t NodeSetOfListMode(std::int32_t mode) {
    return mode == 2 ? 1 : mode == 4 ? 0 : 2;
}

// Whether the program has an editor for the records of the list mode.
bool HasListEditor(std::int32_t mode) {
    return mode == 1 || mode == 2 || mode == 4 || mode == 6 || mode == 8 || mode == 9 ||
           HasTextListEditor(mode);
}

// Opens the editor of list entry index in the given mode and waits until it closes.
void OpenListEditor(std::int32_t mode, int index) {
    switch (mode) {
    case 1:
        OpenItemTypeEditor(static_cast<std::int16_t>(index));
        break;
    case 2:
    case 4:
    case 6: {
        frmEditSpNode& editor = SharedForm<frmEditSpNode>();
        editor.NodeSet = NodeSetOfListMode(mode);
        editor.NodeNum = static_cast<std::int16_t>(index);
        ShowModal(editor);
        break;
    }
    case 8:
        OpenSpecialItemEditor(static_cast<std::int16_t>(index));
        break;
    case 9: {
        // List index k shows monster type k + 1.
        frmEditMonster& editor = SharedForm<frmEditMonster>();
        editor.MonstNum = static_cast<std::int16_t>(index + 1);
        ShowModal(editor);
        break;
    }
    default:
        OpenTextListEditor(mode, index);
        break;
    }
}
} // namespace

void frmMain::ConnectRecordList() {
    auto* list = static_cast<RecordList*>(List1);
    list->mouseDown = [this](Qt::MouseButton b) { List1_MouseDown(b); };
    list->mouseMove = [this](Qt::MouseButtons b) { List1_MouseMove(b); };
    list->mouseUp = [this](Qt::MouseButton b) { List1_MouseUp(b); };
    list->doubleClick = [this] { List1_DblClick(); };

    const std::pair<QAction*, std::int32_t> commands[] = {
        {mnuTownDialogue, 0},  {mnuScenItems, 1},   {mnuOutNodes, 2},  {mnuOutText, 3},
        {mnuScenNodes, 4},     {mnuScenText, 5},    {mnuTownNodes, 6}, {mnuTownText, 7},
        {mnuScenSpecItems, 8}, {mnuScenMonsters, 9}};
    for (const auto& [action, mode] : commands)
        connect(action, &QAction::triggered, this, [this, mode = mode] { ListCommand(mode); });
}

void frmMain::ListCommand(std::int32_t mode) {
    HideMapEditor();
    ListMode = mode;
    FillList();
    // A hidden list keeps its scroll position through a refill; a list command starts at the
    // first row.
    List1->scrollToTop();
}

void frmMain::FillList() {
    QStringList entries;
    for (const std::string& entry : RecordListEntries(Scen, ListMode))
        entries.push_back(ToQString(entry));
    List1->clear();
    List1->addItems(entries);
    List1->show();
}

void frmMain::List1_DblClick() {
    if (Dragging != 0) return;
    const int index = List1->currentRow();
    // Nothing is selected yet: there is no record to open.
    if (index < 0 || !HasListEditor(ListMode)) return;
    List1->hide();
    OpenListEditor(ListMode, index);
    FillList();
    List1->setCurrentRow(index);
    DoEvents();
}

// Every left press starts a fresh gesture, also in the lists that cannot be reordered: were a
// drag's mark kept until the next press in a list that can, a still double click in the others
// would open nothing, with no word why. A press that moves marks its gesture in every list, so
// that the double click it begins opens nothing.
void frmMain::List1_MouseDown(Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    Dragging = 0;
    if (!AllowsDragging(ListMode)) return;
    DragFrom = DragTo = static_cast<std::int16_t>(List1->currentRow());
}

void frmMain::List1_MouseMove(Qt::MouseButtons buttons) {
    if (!(buttons & Qt::LeftButton)) return;
    Dragging = -1;
    if (!AllowsDragging(ListMode)) return;
    DragTo = static_cast<std::int16_t>(List1->currentRow());
}

void frmMain::List1_MouseUp(Qt::MouseButton button) {
    if (button != Qt::LeftButton || DragFrom == DragTo) return;
    const ListDrop drop = DropListEntry(Scen, ListMode, DragFrom, DragTo);
    if (!drop.moved) return;
    if (ListMode == 0) {
        // The drop worked on talking-node numbers.
        DragFrom = static_cast<std::int16_t>(DragFrom - 10);
        DragTo = static_cast<std::int16_t>(DragTo - 10);
    }
    FillList();
    List1->setCurrentRow(drop.selectIndex);
}

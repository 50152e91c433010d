// The main window's entries that open the town dialogs and the area descriptions, and what
// the window refreshes after each.
#include "editor/frmMain.h"

#include "dialogs/areas/frmAreaDesc.h"
#include "dialogs/areas/frmCreateTown.h"
#include "dialogs/areas/frmTownDetails.h"
#include "dialogs/areas/frmTownItem.h"
#include "dialogs/areas/frmTownLoad.h"
#include "dialogs/areas/frmTownMonster.h"
#include "dialogs/areas/frmTownWandering.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/SharedForms.h"
#include "scenario/Scenario.h"

#include <QAction>

void frmMain::ConnectTownMenus() {
    const std::pair<QAction*, void (frmMain::*)()> entries[] = {
        {mnuTownLoad, &frmMain::mnuTownLoad_Click},
        {mnuTownCreate, &frmMain::mnuTownCreate_Click},
        {mnuTownDetails, &frmMain::mnuTownDetails_Click},
        {mnuTownWandering, &frmMain::mnuTownWandering_Click},
        {mnuTownMonsters, &frmMain::mnuTownMonsters_Click},
        {mnuTownItems, &frmMain::mnuTownItems_Click},
        {mnuTownAreaDesc, &frmMain::mnuTownAreaDesc_Click},
        {mnuOutAreaDesc, &frmMain::mnuOutAreaDesc_Click},
    };
    for (const auto& [action, handler] : entries) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, [this, h = handler] { (this->*h)(); });
    }
}

void frmMain::RefreshMapAfterDialog() {
    if (!picMap->isVisible()) return;
    RebuildAndRedraw();
    picMap->setFocus();
}

void frmMain::mnuTownLoad_Click() {
    ShowModal(SharedForm<frmTownLoad>());
    HideMapEditor();
    WriteTownStatusLine();
}

void frmMain::mnuTownCreate_Click() {
    HideMapEditor();
    ShowModal(SharedForm<frmCreateTown>());
    WriteTownStatusLine();
}

void frmMain::mnuTownDetails_Click() {
    ShowModal(SharedForm<frmTownDetails>());
    WriteTownStatusLine();
}

void frmMain::mnuTownWandering_Click() {
    ShowModal(SharedForm<frmTownWandering>());
}

void frmMain::mnuTownMonsters_Click() {
    // A town without creature slots has nothing to browse.
    if (Scen.Towns.at(Scen.CurrentTown).Creatures.empty()) return;
    frmTownMonster& dialog = SharedForm<frmTownMonster>();
    dialog.Context = true;
    dialog.MonstNum = 0;
    ShowModal(dialog);
    dialog.Context = false;
    RefreshMapAfterDialog();
}

void frmMain::mnuTownItems_Click() {
    if (Scen.Towns.at(Scen.CurrentTown).PresetItems.empty()) return;
    frmTownItem& dialog = SharedForm<frmTownItem>();
    dialog.Context = true;
    dialog.ItemNum = 0;
    ShowModal(dialog);
    dialog.Context = false;
    RefreshMapAfterDialog();
}

// The town's descriptions are edited over an empty work area, which stays so afterwards; the
// outdoor ones leave the map up and redraw it.
void frmMain::mnuTownAreaDesc_Click() {
    HideMapEditor();
    frmAreaDesc& dialog = SharedForm<frmAreaDesc>();
    dialog.Context = 1;
    ShowModal(dialog);
}

void frmMain::mnuOutAreaDesc_Click() {
    frmAreaDesc& dialog = SharedForm<frmAreaDesc>();
    dialog.Context = 0;
    ShowModal(dialog);
    RefreshMapAfterDialog();
}

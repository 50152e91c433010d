// The main window's entries that open the outdoor dialogs and the variable town entries, and
// what the window refreshes after each.
#include "editor/frmMain.h"

#include "dialogs/areas/frmOutDetails.h"
#include "dialogs/areas/frmOutLoad.h"
#include "dialogs/areas/frmOutWandering.h"
#include "dialogs/areas/frmVarTownEntry.h"
#include "platform/qt/SharedForms.h"

#include <QAction>

void frmMain::ConnectOutdoorMenus() {
    const std::pair<QAction*, void (frmMain::*)()> entries[] = {
        {mnuOutLoad, &frmMain::mnuOutLoad_Click},
        {mnuOutDetails, &frmMain::mnuOutDetails_Click},
        {mnuOutWandering, &frmMain::mnuOutWandering_Click},
        {mnuOutEncounters, &frmMain::mnuOutEncounters_Click},
        {mnuTownVEntry, &frmMain::mnuTownVEntry_Click},
    };
    for (const auto& [action, handler] : entries) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, [this, h = handler] { (this->*h)(); });
    }
}

void frmMain::mnuOutLoad_Click() {
    HideMapEditor();
    ShowModal(SharedForm<frmOutLoad>());
    WriteOutdoorStatusLine();
}

void frmMain::mnuOutDetails_Click() {
    ShowModal(SharedForm<frmOutDetails>());
    WriteOutdoorStatusLine();
}

void frmMain::mnuOutWandering_Click() {
    frmOutWandering& dialog = SharedForm<frmOutWandering>();
    dialog.Context = 0;
    ShowModal(dialog);
}

void frmMain::mnuOutEncounters_Click() {
    frmOutWandering& dialog = SharedForm<frmOutWandering>();
    dialog.Context = 1;
    ShowModal(dialog);
}

void frmMain::mnuTownVEntry_Click() {
    HideMapEditor();
    ShowModal(SharedForm<frmVarTownEntry>());
}

// The main window's menu commands.
#include "editor/frmMain.h"

#include "dialogs/areas/frmImportTown.h"
#include "editor/frmFileNew.h"
#include "platform/core/MsgBox.h"
#include "platform/core/ProgramPaths.h"
#include "platform/qt/HelpWindow.h"
#include "platform/qt/QtText.h"
#include "platform/qt/SharedForms.h"
#include "scenario/Scenario.h"
#include "scenario/ScenarioFileDialog.h"
#include "scenario/ScenarioLoad.h"
#include "scenario/ScenarioSave.h"
#include "scenario/TextDump.h"

#include <QLabel>
#include <QListWidget>

void frmMain::mnuFileOpen_Click() {
    std::string title;
    std::string path;
    OpenScenFile(title, path, 1);
    if (ScenFile.FileDialogCancelled != 0) return;
    LoadScenario(title, path);
    HideMapEditor();
    if (ScenFile.FileDialogCancelled != 0) {
        // The scenario that was open before is still in memory: it stays on screen.
        if (!scenarioShown_) ShowNoScenarioState();
        return;
    }
    ShowScenarioState();
}

void frmMain::mnuFileSave_Click() {
    SaveScenarioV2();
}

void frmMain::mnuFileSaveAs_Click() {
    if (!scenarioShown_) return; // nothing to save yet
    std::string title;
    std::string path;
    OpenScenFile(title, path, 2);
    if (ScenFile.FileDialogCancelled != 0) return;
    ScenFile.ScenFileName = title;
    SaveScenarioV2();
    SetCaption("Varno Scenario Editor - " + ScenFile.ScenFileName);
}

void frmMain::mnuFileNew_Click() {
    HideMapEditor();
    frmFileNew& dialog = SharedForm<frmFileNew>();
    ShowModal(dialog);
    if (dialog.frmCancel == 2) return;
    List1->hide();
    ShowScenarioState();
}

void frmMain::mnuScenTextDump_Click() {
    ScenTextDump();
}

void frmMain::mnuFileExit_Click() {
    Form_Unload();
}

void frmMain::mnuHelp_Click() {
    ShowHelpFile(ProgramPath("\\Ostravin.hlp"), this);
}

void frmMain::mnuScenButtons_Click() {
    ListCommand(10);
}

void frmMain::mnuScenLockLists_Click() {
    Scen.ListsLocked = 1;
    mnuScenLockLists->setEnabled(false);
}

void frmMain::mnuTownDelete_Click() {
    if (Scen.TownCount <= 1) {
        MsgBox("The last town of a scenario cannot be deleted.", msgbox::Exclamation, "Error!");
        return;
    }
    Scen.TownCount = static_cast<std::uint8_t>(Scen.TownCount - 1);
    Scen.Towns.resize(Scen.TownCount);
    Scen.TownTalks.resize(Scen.TownCount);
    if (Scen.CurrentTown >= Scen.TownCount) {
        Scen.CurrentTown = static_cast<std::uint8_t>(Scen.TownCount - 1);
        HideMapEditor();
        WriteTownStatusLine();
    }
}

void frmMain::mnuImportOut_Click() {
    frmImportTown& dialog = SharedForm<frmImportTown>();
    dialog.Context = 3;
    ShowModal(dialog);
    if (ScenFile.FileDialogCancelled != 0) return;
    HideMapEditor();
    WriteOutdoorStatusLine();
}

void frmMain::mnuTownImport_Click() {
    frmImportTown& dialog = SharedForm<frmImportTown>();
    dialog.Context = 0;
    ShowModal(dialog);
    if (ScenFile.FileDialogCancelled != 0) return;
    HideMapEditor();
    WriteTownStatusLine();
}

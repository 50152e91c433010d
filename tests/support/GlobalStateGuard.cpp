#include "support/GlobalStateGuard.h"

#include "platform/core/BinaryFile.h"
#include "platform/core/FileDialog.h"
#include "platform/core/MsgBox.h"
#include "platform/core/ProgramPaths.h"

void GlobalStateGuard::OnTestStart(const ::testing::TestInfo&) {
    scenario_ = std::make_unique<Scenario>(Scen);
    file_ = ScenFile;
    map_ = std::make_unique<MapState>(Map);
    objects_ = Objects;
    tools_ = Tools;
    gameTowns_ = GameTowns;
    sheetLoader_ = SetCustomSheetLoader({});
    SetCustomSheetLoader(sheetLoader_);
}

void GlobalStateGuard::OnTestEnd(const ::testing::TestInfo&) {
    // Failures added here still count for the test that is ending.
    if (SetMsgBoxHook({})) ADD_FAILURE() << "the test left a message box hook installed";
    if (SetFileDialogHook({})) ADD_FAILURE() << "the test left a file dialog hook installed";
    if (WriteFaultsInstalled()) ADD_FAILURE() << "the test left disk faults installed";
    SetWriteFaultsForTesting({});
    CheckWindows();
    Scen = std::move(*scenario_);
    scenario_.reset();
    ScenFile = file_;
    Map = std::move(*map_);
    map_.reset();
    Objects = objects_;
    Tools = tools_;
    GameTowns = gameTowns_;
    SetCustomSheetLoader(std::move(sheetLoader_));
    SetProgramFolderForTesting("");
    SetTempSaveFolderForTesting("");
}

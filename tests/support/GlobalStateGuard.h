#pragma once

#include "map/MapState.h"
#include "map/objects/ObjectState.h"
#include "map/tools/ToolState.h"
#include "platform/core/BinaryFile.h"
#include "platform/core/FileDialog.h"
#include "platform/core/MsgBox.h"
#include "platform/core/ProgramPaths.h"
#include "scenario/GameLayout.h"
#include "scenario/Scenario.h"
#include "scenario/ScenarioLoad.h"

#include <gtest/gtest.h>
#include <memory>

// Every test of every test program runs under this guard (the test mains install it, so a new
// test needs nothing to use it). It puts back after each test what the test may have changed:
// the scenario and its file names, the map editor's state (grid, view, objects and tools), the
// game-town tables, the program and temporary folders and the custom-sheet loader. A test that
// leaves a test hook installed (message boxes, file dialogs, disk faults) fails, because the
// tests after it would run against them; the guard then removes them. The test programs of the
// windows use QtStateGuard, which adds the windows' own state.
class GlobalStateGuard : public ::testing::EmptyTestEventListener {
  public:
    void OnTestStart(const ::testing::TestInfo&) override {
        scenario_ = std::make_unique<Scenario>(Scen);
        file_ = ScenFile;
        map_ = std::make_unique<MapState>(Map);
        objects_ = Objects;
        tools_ = Tools;
        gameTowns_ = GameTowns;
        sheetLoader_ = SetCustomSheetLoader({});
        SetCustomSheetLoader(sheetLoader_);
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
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

  protected:
    // What a test program of windows checks and puts back besides, before the state goes back.
    virtual void CheckWindows() {}

  private:
    std::unique_ptr<Scenario> scenario_;
    std::unique_ptr<MapState> map_;
    ObjectState objects_;
    ToolState tools_;
    ScenarioFileState file_;
    GameTownTables gameTowns_;
    CustomSheetLoader sheetLoader_;
};

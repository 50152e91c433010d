#pragma once

#include "editor/frmMain.h"
#include "map/MapState.h"
#include "platform/core/ProgramPaths.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/DialogDriver.h"
#include "support/FileDialogScript.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"
#include "support/TempFolder.h"

#include <QAction>

// The main window as start-up leaves it, over a program folder and a temporary save folder of
// the test's own; scenario files are written to another folder of the test and opened through
// the File menu, answering its file dialog.
class MainWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        InitCommonTables();
        InitScenEditorTables();
        std::filesystem::create_directory(program.File("scenario"));
        SetProgramFolderForTesting(program.Path());
        SetTempSaveFolderForTesting(temp.File("save"));
        window = std::make_unique<frmMain>();
        window->FirstTime = true;
    }
    void TearDown() override {
        UnloadAllForms();
        window.reset();
    }

    // The scenario in a file of the editor's own layout, in the test's file folder.
    std::string WriteScenario(const Scenario& s, const std::string& name = "Test.vrs") {
        WriteScenarioFile(files.File(name), s);
        return files.File(name);
    }
    // Opens the file through File > Open.
    void OpenFile(const std::string& path) {
        dialogs.Choose(path);
        window->mnuFileOpen->trigger();
    }
    // Starts the window with the scenario opened from its file, the window shown.
    void StartWith(const Scenario& s, const std::string& name = "Test.vrs") {
        window->Form_Activate();
        OpenFile(WriteScenario(s, name));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // Chooses the menu entry; the window it opens must be a Form, answered by the author.
    template <class Form> void Choose(QAction* entry, std::function<void(Form&)> author) {
        ASSERT_TRUE(entry->isEnabled()) << entry->text().toStdString();
        WindowScript script;
        script.When<Form>(std::move(author));
        entry->trigger();
    }

    TempFolder program;
    TempFolder temp;
    TempFolder files;
    FileDialogScript dialogs;
    std::unique_ptr<frmMain> window;
};

#include "editor/frmMain.h"

#include "platform/MsgBox.h"
#include "platform/PictureBox.h"
#include "platform/ProgramPaths.h"
#include "platform/SharedForms.h"
#include "scenario/OwnLayout.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/FileDialogScript.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"
#include "support/TempFolder.h"

#include <QAction>
#include <QApplication>
#include <QTextBrowser>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitCommonTables();
        InitScenEditorTables();
        savedScen_ = Scen;
        savedFile_ = ScenFile;
        Scen = Scenario{};
        ScenFile = {};
        std::filesystem::create_directory(program.File("scenario"));
        SetProgramFolderForTesting(program.Path());
        SetTempSaveFolderForTesting(temp.File("save"));
        window = std::make_unique<frmMain>();
        window->FirstTime = true;
        window->Form_Activate();
    }
    void TearDown() override {
        window.reset();
        SetProgramFolderForTesting("");
        SetTempSaveFolderForTesting("");
        Scen = savedScen_;
        ScenFile = savedFile_;
    }

    // A scenario file of the editor's own layout in a folder of the test.
    std::string WriteScenarioFile(const std::string& name, const Scenario& s) {
        SectionDirectoryTable dir{};
        PutFileBytes(elsewhere.File(name), WriteScenarioImage(s, dir));
        return elsewhere.File(name);
    }

    void Open(const std::string& path) {
        dialog.Choose(path);
        window->mnuFileOpen_Click();
    }

    bool ScenarioMenusEnabled() const {
        return window->mnuFileSave->isEnabled() && window->mnuScen->isEnabled() &&
               window->mnuOut->isEnabled() && window->mnuTown->isEnabled();
    }
    bool ScenarioMenusDisabled() const {
        return !window->mnuFileSave->isEnabled() && !window->mnuScen->isEnabled() &&
               !window->mnuOut->isEnabled() && !window->mnuTown->isEnabled();
    }

    static Scenario NamedScenario(int towns) {
        Scenario s = MakeVariedScenario(2, 2, towns, 31);
        s.CurrentTown = static_cast<std::uint8_t>(towns - 1);
        s.CurrentOutdoorX = 1;
        s.CurrentOutdoorY = 0;
        s.OutdoorSections.At(1, 0).Strings[0] = "Marsh";
        for (int t = 0; t < towns; ++t)
            s.Towns[static_cast<std::size_t>(t)].Strings[0] = "Town" + std::to_string(t);
        return s;
    }

    TempFolder program;
    TempFolder temp;
    TempFolder elsewhere;
    FileDialogScript dialog;
    MsgBoxRecorder boxes;
    std::unique_ptr<frmMain> window;
    Scenario savedScen_;
    ScenarioFileState savedFile_;
};
} // namespace

TEST_F(MainWindowTest, BeforeAnyScenarioOnlyFileAndHelpCanBeUsed) {
    EXPECT_EQ(window->windowTitle(), "Varno Scenario Editor - ");
    EXPECT_TRUE(ScenarioMenusDisabled());
    EXPECT_TRUE(window->mnuFileOpen->isEnabled());
    EXPECT_TRUE(window->mnuFileSaveAs->isEnabled());
    EXPECT_TRUE(window->mnuFileExit->isEnabled());
    EXPECT_TRUE(window->mnuHelp->isEnabled());
    EXPECT_EQ(window->Label1->text(), "Outdoors:");
    EXPECT_EQ(window->Label2->text(), "Town:");
    EXPECT_FALSE(window->picMap->isVisibleTo(window.get()));
    EXPECT_FALSE(window->List1->isVisibleTo(window.get()));
    EXPECT_EQ(window->lblTool[0]->text(), "Drawing Mode");
    EXPECT_EQ(window->CurrentTool, 0);
    EXPECT_FALSE(window->FirstTime);
}

TEST_F(MainWindowTest, LaterActivationsOnlyRefreshTheCaption) {
    window->CurrentTool = 7;
    window->HeldSlot = 3;
    ScenFile.ScenFileName = "Later.vrs";
    window->Form_Activate();
    EXPECT_EQ(window->windowTitle(), "Varno Scenario Editor - Later.vrs");
    EXPECT_EQ(window->CurrentTool, 7);
    EXPECT_EQ(window->HeldSlot, 3);
}

TEST_F(MainWindowTest, OpeningAScenarioShowsItsStatusLinesAndMenus) {
    Open(WriteScenarioFile("Quest.vrs", NamedScenario(3)));
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(window->windowTitle(), "Varno Scenario Editor - Quest.vrs");
    EXPECT_TRUE(ScenarioMenusEnabled());
    EXPECT_EQ(window->Label1->text(), "Outdoors: 1, 0 - Marsh");
    EXPECT_EQ(window->Label2->text(), "Town: 2 - Town2");
    EXPECT_TRUE(window->Label1->isVisibleTo(window.get()));
    EXPECT_TRUE(window->Label2->isVisibleTo(window.get()));
    EXPECT_FALSE(window->picMap->isVisibleTo(window.get()));
}

TEST_F(MainWindowTest, ARejectedFileWithoutAnEarlierScenarioLeavesNoScenarioState) {
    PutFileText(elsewhere.File("Bad.vrs"), "not a scenario");
    Open(elsewhere.File("Bad.vrs"));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(window->windowTitle(), "Varno Scenario Editor");
    EXPECT_TRUE(ScenarioMenusDisabled());
    EXPECT_FALSE(window->Label1->isVisibleTo(window.get()));
    EXPECT_FALSE(window->Label2->isVisibleTo(window.get()));
}

TEST_F(MainWindowTest, ARejectedFileKeepsTheEarlierScenarioOnScreen) {
    Open(WriteScenarioFile("Quest.vrs", NamedScenario(2)));
    PutFileText(elsewhere.File("Bad.vrs"), "not a scenario");
    Open(elsewhere.File("Bad.vrs"));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(window->windowTitle(), "Varno Scenario Editor - Quest.vrs");
    EXPECT_TRUE(ScenarioMenusEnabled());
    EXPECT_EQ(window->Label2->text(), "Town: 1 - Town1");
    EXPECT_EQ(ScenFile.ScenFileName, "Quest.vrs");
}

TEST_F(MainWindowTest, ACancelledOpenChangesNothing) {
    dialog.Cancel();
    window->mnuFileOpen_Click();
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_TRUE(ScenarioMenusDisabled());
    EXPECT_EQ(window->windowTitle(), "Varno Scenario Editor - ");
}

TEST_F(MainWindowTest, SaveWritesIntoTheScenarioFolderAndSaveAsUnderTheNewName) {
    Open(WriteScenarioFile("Quest.vrs", NamedScenario(2)));
    window->mnuFileSave_Click();
    EXPECT_TRUE(std::filesystem::exists(program.File("scenario/Quest.vrs")));
    EXPECT_TRUE(std::filesystem::exists(program.File("scenario/Quest.vrd")));

    dialog.Choose("/any/folder/Renamed.vrs");
    window->mnuFileSaveAs_Click();
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(window->windowTitle(), "Varno Scenario Editor - Renamed.vrs");
    EXPECT_EQ(ScenFile.ScenFilePath, program.File("scenario/Renamed.vrs"));
    EXPECT_EQ(FileBytes(program.File("scenario/Renamed.vrs")),
              FileBytes(program.File("scenario/Quest.vrs")));
}

TEST_F(MainWindowTest, AFailedSaveShowsTheSaveErrorBox) {
    Open(WriteScenarioFile("Quest.vrs", NamedScenario(2)));
    Scen.ScenStrings[3] = std::string(300, 'x');
    window->mnuFileSave_Click();
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, "SaveScenarioV2Error encountered!\r\nErr# 6, Overflow");
}

TEST_F(MainWindowTest, SaveAsWithoutAScenarioDoesNothing) {
    dialog.Choose("/any/New.vrs");
    window->mnuFileSaveAs_Click();
    EXPECT_TRUE(dialog.Requests().empty());
    EXPECT_FALSE(std::filesystem::exists(program.File("scenario/New.vrs")));
}

TEST_F(MainWindowTest, ButtonCaptionsListsSixtyNumberedLabels) {
    Open(WriteScenarioFile("Quest.vrs", NamedScenario(2)));
    Scen.ScenStrings[260] = "OK";
    Scen.ScenStrings[319] = "Leave";
    window->mnuScenButtons_Click();
    ASSERT_EQ(window->List1->count(), 60);
    EXPECT_EQ(window->List1->item(0)->text(), "0 - OK");
    EXPECT_EQ(window->List1->item(59)->text(), "59 - Leave");
    EXPECT_EQ(window->ListMode, 10);
    EXPECT_TRUE(window->List1->isVisibleTo(window.get()));
}

TEST_F(MainWindowTest, LockingTheListsGreysTheEntryAtOnce) {
    Open(WriteScenarioFile("Quest.vrs", NamedScenario(2)));
    Scen.ListsLocked = 0;
    window->mnuScenLockLists_Click();
    EXPECT_EQ(Scen.ListsLocked, 1);
    EXPECT_FALSE(window->mnuScenLockLists->isEnabled());
}

TEST_F(MainWindowTest, DeleteLastTownKeepsOneTownAndMovesOffADeletedCurrentTown) {
    Scenario s = NamedScenario(3);
    s.CurrentTown = 0;
    Open(WriteScenarioFile("Quest.vrs", s));

    window->mnuTownDelete_Click(); // not the current town: nothing else changes
    EXPECT_EQ(Scen.TownCount, 2);
    EXPECT_EQ(Scen.Towns.size(), 2u);
    EXPECT_EQ(Scen.TownTalks.size(), 2u);
    EXPECT_EQ(Scen.CurrentTown, 0);
    EXPECT_EQ(window->Label2->text(), "Town: 0 - Town0");

    Scen.CurrentTown = 1;
    window->List1->show();
    window->mnuTownDelete_Click(); // the current town: the one before it becomes current
    EXPECT_EQ(Scen.TownCount, 1);
    EXPECT_EQ(Scen.CurrentTown, 0);
    EXPECT_EQ(window->Label2->text(), "Town: 0 - Town0");
    EXPECT_FALSE(window->List1->isVisibleTo(window.get()));
    EXPECT_TRUE(boxes.Calls().empty());

    window->mnuTownDelete_Click(); // the last town stays
    EXPECT_EQ(Scen.TownCount, 1);
    EXPECT_EQ(Scen.Towns.size(), 1u);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].title, "Error!");
    EXPECT_EQ(boxes.Calls()[0].style, msgbox::Exclamation);
}

TEST_F(MainWindowTest, EntriesWithoutTheirWindowsYetCannotBeChosen) {
    for (QAction* a : {window->mnuScenItemsShort, window->mnuScenDataDump, window->mnuTownRandItem})
        EXPECT_FALSE(a->isEnabled());
    EXPECT_FALSE(window->mnuTownRandItem->isVisible());
    EXPECT_TRUE(window->mnuScenButtons->isEnabled());
    EXPECT_TRUE(window->mnuTownDelete->isEnabled());
}

namespace {
class OtherWindow : public ModalForm {};
} // namespace

TEST_F(MainWindowTest, ClosingTheMainWindowUnloadsEveryOtherWindow) {
    OtherWindow& other = SharedForm<OtherWindow>();
    other.show();
    ASSERT_TRUE(IsFormLoaded<OtherWindow>());
    window->mnuFileExit_Click();
    EXPECT_FALSE(IsFormLoaded<OtherWindow>());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, HelpShowsTheHelpFileBesideTheProgram) {
    SetProgramFolderForTesting(VARNO_APP_DIR);
    window->mnuHelp_Click();
    EXPECT_TRUE(boxes.Calls().empty());
    QTextBrowser* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* browser = qobject_cast<QTextBrowser*>(w); browser && browser->isVisible())
            help = browser;
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->toPlainText().contains("File > Open Scenario"));
    help->close();

    SetProgramFolderForTesting(program.Path()); // no help file there
    window->mnuHelp_Click();
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].style, msgbox::Exclamation);
}

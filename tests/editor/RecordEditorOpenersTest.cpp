#include "dialogs/records/frmEditItem.h"
#include "support/DialogDriver.h"
#include "editor/frmMain.h"

#include "platform/core/ProgramPaths.h"
#include "platform/qt/SharedForms.h"
#include "scenario/OwnLayout.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/FileDialogScript.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"
#include "support/TempFolder.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
class RecordEditorOpenersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitCommonTables();
        InitScenEditorTables();
        std::filesystem::create_directory(program.File("scenario"));
        SetProgramFolderForTesting(program.Path());
        window = std::make_unique<frmMain>();
        window->FirstTime = true;
        window->Form_Activate();
        Scenario s = MakeVariedScenario(1, 1, 1, 3);
        s.ItemTypes[7].Name = "Rope                     ";
        SectionDirectoryTable dir{};
        PutFileBytes(files.File("Openers.vrs"), WriteScenarioImage(s, dir));
        dialogs.Choose(files.File("Openers.vrs"));
        window->mnuFileOpen->trigger();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override {
        SetModalFormHook({});
        UnloadAllForms();
        window.reset();
        SetProgramFolderForTesting("");
    }

    TempFolder program;
    TempFolder files;
    FileDialogScript dialogs;
    MsgBoxRecorder boxes;
    std::unique_ptr<frmMain> window;
};
} // namespace

TEST_F(RecordEditorOpenersTest, DoubleClickOnAnItemOpensItsEditorAndTheListShowsTheEdit) {
    int opened = -1;
    SetModalFormHook([&opened](ModalForm& form) {
        auto* editorFound = OpenedAs<frmEditItem>(form);
        if (!editorFound) return;
        auto& editor = *editorFound;
        opened = editor.ItemNum;
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        EXPECT_EQ(editor.txtName->text(), "Rope");
        editor.txtName->setFocus();
        editor.txtName->selectAll();
        QTest::keyClicks(editor.txtName, "Silk rope");
        QTest::keyClick(editor.txtName, Qt::Key_Return);
    });
    window->mnuScenItems->trigger();
    QListWidget& list = *window->List1;
    list.scrollToItem(list.item(7));
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {},
                       list.visualItemRect(list.item(7)).center());
    SetModalFormHook({});
    EXPECT_EQ(opened, 7);
    EXPECT_EQ(Scen.ItemTypes[7].Name, "Silk rope                ");
    EXPECT_TRUE(list.isVisible());
    EXPECT_EQ(list.currentRow(), 7);
    EXPECT_TRUE(list.item(7)->text().contains("Silk rope"));
}

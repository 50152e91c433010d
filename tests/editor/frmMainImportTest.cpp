#include "dialogs/areas/frmImportTown.h"
#include "editor/frmMain.h"
#include "support/DialogDriver.h"
#include "support/MainWindowFixture.h"

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
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
class MainWindowImportTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        window->Form_Activate();

        Scenario open = MakeVariedScenario(2, 2, 2, 3);
        open.CurrentTown = 1;
        open.CurrentOutdoorX = 1;
        open.CurrentOutdoorY = 0;
        Scenario other = MakeVariedScenario(3, 1, 3, 8);
        other.Towns[2].Strings[0] = "Harbour";
        other.OutdoorSections.At(2, 0).Strings[0] = "Dunes";
        WriteScenario(other, "Other.vrs");
        OpenFile(WriteScenario(open, "Open.vrs"));
    }
    void TearDown() override {
        SetModalFormHook({});
        MainWindowFixture::TearDown();
    }

    // The author enters the numbers and presses OK.
    static void EnterAndConfirm(frmImportTown& d, const char* first, const char* second) {
        d.show();
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        for (int i = 0; i < 2; ++i) {
            QLineEdit* box = d.txtSourceNum[static_cast<std::size_t>(i)];
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, i == 0 ? first : second);
        }
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    }

    MsgBoxRecorder boxes;
};

TEST_F(MainWindowImportTest, ImportingATownOrSectionRefreshesItsStatusLineAndClearsTheWorkArea) {
    ASSERT_TRUE(window->mnuTownImport->isEnabled());
    window->List1->show();
    dialogs.Choose(files.File("Other.vrs"));
    std::uint8_t context = 99;
    SetModalFormHook([&](ModalForm& form) {
        auto* dFound = OpenedAs<frmImportTown>(form);
        if (!dFound) return;
        auto& d = *dFound;
        context = d.Context;
        EnterAndConfirm(d, "2", "0");
    });
    window->mnuTownImport->trigger();
    EXPECT_EQ(context, 0);
    EXPECT_EQ(window->Label2->text(), "Town: 1 - Harbour");
    EXPECT_FALSE(window->List1->isVisibleTo(window.get()));

    window->List1->show();
    dialogs.Choose(files.File("Other.vrs"));
    window->mnuImportOut->trigger();
    EXPECT_EQ(context, 3);
    EXPECT_EQ(window->Label1->text(), "Outdoors: 1, 0 - Dunes");
    EXPECT_FALSE(window->List1->isVisibleTo(window.get()));
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(MainWindowImportTest, ACancelledOrFailedImportLeavesTheWindowAlone) {
    const QString town = window->Label2->text();
    window->List1->show();
    dialogs.Cancel();
    SetModalFormHook([](ModalForm& form) {
        if (auto* d = OpenedAs<frmImportTown>(form)) EnterAndConfirm(*d, "2", "0");
    });
    window->mnuTownImport->trigger();
    EXPECT_EQ(window->Label2->text(), town);
    EXPECT_TRUE(window->List1->isVisibleTo(window.get()));

    dialogs.Choose(files.File("Other.vrs")); // it has no town 7
    SetModalFormHook([](ModalForm& form) {
        if (auto* d = OpenedAs<frmImportTown>(form)) EnterAndConfirm(*d, "7", "0");
    });
    window->mnuTownImport->trigger();
    EXPECT_EQ(window->Label2->text(), town);
    EXPECT_TRUE(window->List1->isVisibleTo(window.get()));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, "The chosen scenario file has no town 7.");
}
} // namespace

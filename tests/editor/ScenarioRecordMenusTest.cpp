#include "dialogs/records/frmEditSaveItem.h"
#include "support/DialogDriver.h"
#include "dialogs/records/frmEditSpItem.h"
#include "dialogs/records/frmEventTimers.h"
#include "dialogs/records/frmScenDet.h"
#include "dialogs/records/frmScenIntroText.h"
#include "dialogs/records/frmStuffDone.h"
#include "dialogs/records/frmTransport.h"
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
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
class ScenarioRecordMenusTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitCommonTables();
        InitScenEditorTables();
        std::filesystem::create_directory(program.File("scenario"));
        SetProgramFolderForTesting(program.Path());
        SetTempSaveFolderForTesting(temp.File("save"));
        window = std::make_unique<frmMain>();
        window->FirstTime = true;
        window->Form_Activate();
        Scenario s = MakeVariedScenario(1, 1, 2, 6);
        s.CurrentTown = 1;
        s.Horses[3] = {-1, 0, 0, 0};
        s.Boats[1] = {0, 4, 4, 0};
        SectionDirectoryTable dir{};
        PutFileBytes(files.File("Rec.vrs"), WriteScenarioImage(s, dir));
        Reopen(files.File("Rec.vrs"));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override {
        SetModalFormHook({});
        UnloadAllForms();
        window.reset();
        SetProgramFolderForTesting("");
        SetTempSaveFolderForTesting("");
    }

    void Reopen(const std::string& path) {
        dialogs.Choose(path);
        window->mnuFileOpen->trigger();
    }

    // Chooses the menu entry; the author types into the dialog it opens and presses OK.
    template <class Form> void Edit(QAction* entry, std::function<void(Form&)> author) {
        int opened = 0;
        SetModalFormHook([&](ModalForm& form) {
            ++opened;
            form.show();
            form.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
            auto* dialog = dynamic_cast<Form*>(&form);
            ASSERT_NE(dialog, nullptr) << typeid(form).name();
            author(*dialog);
            QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
        });
        ASSERT_TRUE(entry->isEnabled()) << entry->text().toStdString();
        entry->trigger();
        SetModalFormHook({});
        EXPECT_EQ(opened, 1);
    }

    static void Type(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    TempFolder program;
    TempFolder temp;
    TempFolder files;
    FileDialogScript dialogs;
    MsgBoxRecorder boxes;
    std::unique_ptr<frmMain> window;
};
} // namespace

TEST_F(ScenarioRecordMenusTest, WhatIsTypedInEachEditorIsInTheSavedFiles) {
    Edit<frmScenDet>(window->mnuScenDetails, [](frmScenDet& d) {
        Type(d.txtContact, "me@vale");
        QTest::mouseClick(d.optRating[2], Qt::LeftButton, {}, QPoint(6, 6));
    });
    Edit<frmScenIntroText>(window->mnuScenIntroText,
                           [](frmScenIntroText& d) { Type(d.txtIntroText[2], "Third line"); });
    Edit<frmEditSaveItem>(window->mnuScenSave,
                          [](frmEditSaveItem& d) { Type(d.txtData[3], "200"); });
    Edit<frmEventTimers>(window->mnuScenEvent,
                         [](frmEventTimers& d) { Type(d.txtMoves[9], "90"); });
    Edit<frmEventTimers>(window->mnuTownEvent,
                         [](frmEventTimers& d) { Type(d.txtMoves[0], "30"); });
    Edit<frmTransport>(window->mnuScenBoats, [](frmTransport& d) { Type(d.txtXcoord[1], "9"); });
    Edit<frmTransport>(window->mnuScenHorses, [](frmTransport& d) {
        d.lstTown[3]->setFocus();
        QTest::keyClick(d.lstTown[3], Qt::Key_Down); // "Not Assigned" to town 0
    });

    window->mnuScenSpecItems->trigger();
    QListWidget& list = *window->List1;
    list.scrollToItem(list.item(4));
    SetModalFormHook([](ModalForm& form) {
        auto* dFound = OpenedAs<frmEditSpItem>(form);
        if (!dFound) return;
        auto& d = *dFound;
        EXPECT_EQ(d.SpItemNum, 4);
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        Type(d.txtSpItemName, "Amulet");
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    });
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {},
                       list.visualItemRect(list.item(4)).center());
    SetModalFormHook({});

    // The flag names: modeless, saved into the flag-name file with the scenario.
    ASSERT_TRUE(window->mnuScenStuffDone->isEnabled());
    window->mnuScenStuffDone->trigger();
    frmStuffDone& names = SharedForm<frmStuffDone>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&names));
    Type(names.txtSD2[1], "Opened");
    QTest::mouseClick(names.cmdOK, Qt::LeftButton);

    const Scenario typed = Scen;
    window->mnuFileSave->trigger();
    const std::string saved = ScenFile.ScenFilePath;
    ASSERT_TRUE(std::filesystem::exists(saved));
    Scen = Scenario{};
    Reopen(saved);
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(Scen.ScenStrings[3], "me@vale");
    EXPECT_EQ(Scen.ScenDifficulty, 2) << "the rating's byte";
    EXPECT_EQ(Scen.ScenStrings[6], "Third line");
    EXPECT_EQ(Scen.SavedItemAreas[0].Right, 200);
    EXPECT_EQ(Scen.EventTimerMoves[9], 90);
    EXPECT_EQ(Scen.Towns[1].TimerMoves[0], 30);
    EXPECT_EQ(Scen.Boats[1].X, 9);
    EXPECT_EQ(Scen.Horses[3].Town, 0);
    EXPECT_EQ(Scen.ScenStrings[68], "Amulet");
    EXPECT_EQ(Scen.StuffDoneNames[0].ValueNames[1], "Opened");
    EXPECT_TRUE(Scen == typed) << "nothing else changed on the way";
}

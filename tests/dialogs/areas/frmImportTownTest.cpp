#include "dialogs/areas/frmImportTown.h"
#include "support/DialogDriver.h"

#include "platform/qt/SharedForms.h"
#include "scenario/OwnLayout.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/FileDialogScript.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {
class ImportDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitCommonTables();
        InitScenEditorTables();
        Scen = MakeVariedScenario(2, 2, 2, 5);
        Scen.CurrentTown = 1;
        Scen.CurrentOutdoorX = 0;
        Scen.CurrentOutdoorY = 1;
        ScenFile.FileDialogCancelled = 0;
        source = MakeVariedScenario(2, 3, 4, 17);
        path = folder.File("Other.vrs");
        WriteScenarioFile(path, source);
    }
    void TearDown() override {
        SetModalFormHook({});
        UnloadAllForms();
    }

    // Opens the shared dialog as the main window does, shown and active, and lets the action
    // play the author.
    frmImportTown& Run(std::uint8_t context, const std::function<void(frmImportTown&)>& action) {
        return OpenDialog<frmImportTown>([context](frmImportTown& d) { d.Context = context; },
                                         action);
    }

    // Which controls of the two modes show: boxes, then the three label pairs.
    static std::vector<bool> Shown(const frmImportTown& d) {
        std::vector<bool> shown;
        for (QWidget* w :
             {static_cast<QWidget*>(d.txtSourceNum[0]), static_cast<QWidget*>(d.txtSourceNum[1]),
              static_cast<QWidget*>(d.Label1[0]), static_cast<QWidget*>(d.Label1[1]),
              static_cast<QWidget*>(d.Label2[0]), static_cast<QWidget*>(d.Label2[1]),
              static_cast<QWidget*>(d.Label4[0]), static_cast<QWidget*>(d.Label4[1]),
              static_cast<QWidget*>(d.Label3)})
            shown.push_back(w->isVisibleTo(&d));
        return shown;
    }

    TempFolder folder;
    MsgBoxRecorder boxes;
    FileDialogScript files;
    Scenario source;
    std::string path;
};

TEST_F(ImportDialogTest, ATownNumberAndAFileReplaceTheCurrentTown) {
    files.Choose(path);
    std::vector<bool> shown;
    Run(0, [&](frmImportTown& d) {
        shown = Shown(d);
        EXPECT_EQ(d.Label1[0]->text(), "Import Town");
        Type(d.txtSourceNum[0], "3");
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    });
    EXPECT_EQ(shown, (std::vector<bool>{true, false, true, false, true, false, true, false, true}));
    ASSERT_EQ(files.Requests().size(), 1u);
    EXPECT_TRUE(files.Requests()[0].open);
    EXPECT_EQ(Scen.Towns[1].Strings, source.Towns[3].Strings);
    EXPECT_EQ(Scen.TownTalks[1].Personalities[0].Name, "Unused");
    EXPECT_EQ(ScenFile.FileDialogCancelled, 0);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(ImportDialogTest, ASectionsXAndYReplaceTheCurrentSection) {
    files.Choose(path);
    std::vector<bool> shown;
    Run(3, [&](frmImportTown& d) {
        shown = Shown(d);
        Type(d.txtSourceNum[0], "1");
        QTest::keyClick(d.txtSourceNum[0], Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), d.txtSourceNum[1]);
        Type(d.txtSourceNum[1], "2");
        QTest::keyClick(d.txtSourceNum[1], Qt::Key_Return);
    });
    EXPECT_EQ(shown, (std::vector<bool>{true, true, false, true, false, true, false, true, true}));
    EXPECT_TRUE(Scen.OutdoorSections.At(0, 1) == source.OutdoorSections.At(1, 2));
    EXPECT_EQ(ScenFile.FileDialogCancelled, 0);
}

TEST_F(ImportDialogTest, ARefusedNumberBlocksOkAndComesBackAsTheLastGoodOne) {
    const Scenario before = Scen;
    Run(0, [&](frmImportTown& d) {
        Type(d.txtSourceNum[0], "2");
        QTest::keyClicks(d.txtSourceNum[0], "x");
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].text, "Value must be numeric.");
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        QTest::keyClick(d.txtSourceNum[0], Qt::Key_Return);
        EXPECT_TRUE(files.Requests().empty()) << "OK does nothing while the entry is refused";
        EXPECT_TRUE(d.isVisible());
        // Leaving the box puts the last good number back; an emptied box becomes 0.
        QTest::keyClick(d.txtSourceNum[0], Qt::Key_Tab);
        EXPECT_EQ(d.txtSourceNum[0]->text(), "0");
        Type(d.txtSourceNum[0], "2");
        QTest::keyClick(d.txtSourceNum[0], Qt::Key_Backspace);
        QTest::keyClick(d.txtSourceNum[0], Qt::Key_Tab);
        EXPECT_EQ(d.txtSourceNum[0]->text(), "0");
        Type(d.txtSourceNum[0], "-");
        QTest::keyClick(d.txtSourceNum[0], Qt::Key_Tab);
        EXPECT_EQ(d.txtSourceNum[0]->text(), "0");
        QTest::mouseClick(d.cmdCancel, Qt::LeftButton);
    });
    EXPECT_TRUE(files.Requests().empty());
    EXPECT_TRUE(Scen == before);
}

TEST_F(ImportDialogTest, ACancelledFileDialogClosesAndImportsNothing) {
    const Scenario before = Scen;
    files.Cancel();
    bool open = true;
    Run(0, [&](frmImportTown& d) {
        Type(d.txtSourceNum[0], "1");
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        open = d.isVisible();
    });
    EXPECT_FALSE(open);
    EXPECT_EQ(files.Requests().size(), 1u);
    EXPECT_EQ(ScenFile.FileDialogCancelled, -1);
    EXPECT_TRUE(Scen == before);
}

TEST_F(ImportDialogTest, EveryOpeningStartsFromZero) {
    Run(3, [](frmImportTown& d) {
        Type(d.txtSourceNum[0], "4");
        Type(d.txtSourceNum[1], "5");
        QTest::keyClick(d.txtSourceNum[1], Qt::Key_Escape);
    });
    std::pair<QString, QString> texts;
    Run(3, [&](frmImportTown& d) {
        texts = {d.txtSourceNum[0]->text(), d.txtSourceNum[1]->text()};
        d.close();
    });
    EXPECT_EQ(texts, std::make_pair(QString("0"), QString("0")));
    EXPECT_TRUE(files.Requests().empty());
}
} // namespace

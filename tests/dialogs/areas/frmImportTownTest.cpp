#include "dialogs/areas/frmImportTown.h"
#include "AreaDialogTest.h"
#include "scenario/OwnLayout.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/FileDialogScript.h"
#include "support/TempFolder.h"

namespace {
class ImportDialogTest : public AreaDialogTest {
  protected:
    void SetUp() override {
        InitCommonTables();
        InitScenEditorTables();
        Scen = MakeVariedScenario(2, 2, 2, 5);
        Scen.CurrentTown = 1, Scen.CurrentOutdoorX = 0, Scen.CurrentOutdoorY = 1;
        ScenFile.FileDialogCancelled = 0;
        WriteScenarioFile(path, source);
    }
    void Run(std::uint8_t context, const std::function<void(frmImportTown&)>& action) {
        Open<frmImportTown>(action, [context](frmImportTown& d) { d.Context = context; });
    }
    // Which controls of the two modes show: boxes, then the three label pairs, then the note.
    static std::vector<bool> Visible(const frmImportTown& d) {
        std::vector<bool> shown;
        for (const QWidget* w : std::initializer_list<const QWidget*>{
                 d.txtSourceNum[0], d.txtSourceNum[1], d.Label1[0], d.Label1[1], d.Label2[0],
                 d.Label2[1], d.Label4[0], d.Label4[1], d.Label3})
            shown.push_back(w->isVisibleTo(&d));
        return shown;
    }

    TempFolder folder;
    FileDialogScript files;
    Scenario source = MakeVariedScenario(2, 3, 4, 17);
    std::string path = folder.File("Other.vrs");
};

// A refused number blocks OK and comes back as the last good one; a cancelled file dialog
// imports nothing; each opening starts at 0; a section's X and Y, then a town number, with a
// file, replace the current section and town.
TEST_F(ImportDialogTest, Session) {
    const Scenario before = Scen;
    Run(0, [this](frmImportTown& d) {
        EXPECT_EQ(Visible(d), (std::vector<bool>{1, 0, 1, 0, 1, 0, 1, 0, 1}));
        EXPECT_EQ(d.Label1[0]->text(), "Import Town");
        Type(d.txtSourceNum[0], "2");
        QTest::keyClicks(d.txtSourceNum[0], "x");
        EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Value must be numeric."}));
        Click(d.cmdOK);
        QTest::keyClick(d.txtSourceNum[0], Qt::Key_Return);
        EXPECT_TRUE(files.Requests().empty() && d.isVisible()) << "OK waits for a good entry";
        Leave(d.txtSourceNum[0]);
        EXPECT_EQ(d.txtSourceNum[0]->text(), "0");
        Type(d.txtSourceNum[0], "4");
        QTest::keyClick(d.txtSourceNum[0], Qt::Key_Escape);
    });
    files.Cancel();
    Run(3, [](frmImportTown& d) {
        EXPECT_EQ(Visible(d), (std::vector<bool>{1, 1, 0, 1, 0, 1, 0, 1, 1}));
        EXPECT_EQ(d.txtSourceNum[0]->text(), "0") << "after Escape";
        Type(d.txtSourceNum[0], "1");
        Type(d.txtSourceNum[1], "1");
        Click(d.cmdOK);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(ScenFile.FileDialogCancelled, -1);
    EXPECT_TRUE(Scen == before);
    files.Choose(path);
    Run(3, [](frmImportTown& d) {
        EXPECT_EQ(Shown({d.txtSourceNum[0], d.txtSourceNum[1]}), QStringList({"0", "0"}));
        Type(d.txtSourceNum[0], "1");
        QTest::keyClick(d.txtSourceNum[0], Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), d.txtSourceNum[1]);
        Type(d.txtSourceNum[1], "2");
        QTest::keyClick(d.txtSourceNum[1], Qt::Key_Return);
    });
    EXPECT_TRUE(Scen.OutdoorSections.At(0, 1) == source.OutdoorSections.At(1, 2) &&
                ScenFile.FileDialogCancelled == 0);
    files.Choose(path);
    Run(0, [](frmImportTown& d) {
        Type(d.txtSourceNum[0], "3");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Scen.Towns[1].Strings, source.Towns[3].Strings);
    EXPECT_EQ(Scen.TownTalks[1].Personalities[0].Name, "Unused");
    EXPECT_EQ(files.Requests().size(), 3u);
    EXPECT_TRUE(files.Requests()[2].open && boxes.Calls().size() == 1u);
}
} // namespace

#include "editor/frmFileNew.h"
#include "support/MainWindowFixture.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace {
class NewScenarioDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitCommonTables();
        InitScenEditorTables();
        SetProgramFolderForTesting(VARNO_APP_DIR);
        Scen = MakeVariedScenario(1, 1, 1, 2);
        ScenFile = {};
        ScenFile.ScenFileName = "Earlier.vrs";
    }
    void TearDown() override {
        SetModalFormHook({});
        UnloadAllForms();
    }
    // Opens the shared dialog as the main window does and lets the action work on it.
    static frmFileNew& Run(const std::function<void(frmFileNew&)>& action) {
        return OpenDialog<frmFileNew>([](frmFileNew&) {}, action);
    }
    // Name, file name, width x height, which town size is checked, and grass.
    static std::string Offered(const frmFileNew& d) {
        QString offered = d.txtScenName->text() + "|" + d.txtFileName->text() + "|" +
                          d.txtOutWidth->text() + "x" + d.txtOutHeight->text() + " ";
        for (const QRadioButton* size : d.optTownSize)
            offered += size->isChecked() ? "1" : "0";
        return offered.toStdString() + (d.chkGrass->isChecked() ? " grass" : "");
    }
    MsgBoxRecorder boxes;
};
} // namespace

TEST_F(NewScenarioDialogTest, ACreatedScenarioKeepsItsSizesForNextTimeButNotItsNames) {
    frmFileNew& dialog = Run([](frmFileNew& d) {
        EXPECT_EQ(Offered(d), "Scenario name|filename|1x1 010");
        // Places in twips over 15: (1080, 2760, 195, 195) and (4560, 3600 + 240 i, 1200, 195).
        EXPECT_EQ(
            (std::vector<QRect>{d.chkGrass->geometry(), d.optTownSize[0]->geometry(),
                                d.optTownSize[1]->geometry(), d.optTownSize[2]->geometry()}),
            (std::vector<QRect>{
                {72, 184, 13, 13}, {304, 240, 80, 13}, {304, 256, 80, 13}, {304, 272, 80, 13}}));
        d.txtScenName->setText("Moor Quest");
        d.txtFileName->setText("moor");
        TypeInto(d.txtOutWidth, "10");
        TypeInto(d.txtOutHeight, "3");
        QTest::mouseClick(d.optTownSize[2], Qt::LeftButton);
        d.chkGrass->setChecked(true);
        QTest::keyClick(d.txtScenName, Qt::Key_Return);
    });
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(std::tuple(boxes.Calls()[0].title, boxes.Calls()[0].text, boxes.Calls()[0].style),
              std::tuple(std::string("Creating Scenario."),
                         std::string("The Scenario Editor is about to create your\r\nnew scenario, "
                                     "which will be ready for editing.\r\nThis will take a little "
                                     "while ... be patient."),
                         msgbox::Information | msgbox::OkCancel));
    EXPECT_EQ(std::tuple(int(dialog.frmCancel), Scen.OutdoorWidth, Scen.OutdoorHeight,
                         int(Scen.Towns.at(0).Size), Scen.ScenStrings[0], ScenFile.ScenFileName),
              std::tuple(1, 10, 3, 2, std::string("Moor Quest"), std::string("moor.vrs")));
    Run([](frmFileNew& d) {
        EXPECT_EQ(Offered(d), "Scenario name|filename|10x3 001");
        QTest::keyClick(d.txtScenName, Qt::Key_Escape);
    });
}

// Neither Enter nor a click on OK goes on while a refused size is in the box; leaving it puts
// the last size back. A file name that is a path is refused and the dialog stays open.
TEST_F(NewScenarioDialogTest, AnOutOfRangeSizeOrAFileNameThatIsAPathIsRefused) {
    const Scenario earlier = Scen;
    frmFileNew& dialog = Run([](frmFileNew& d) {
        const std::pair<QLineEdit*, const char*> sizes[] = {
            {d.txtOutWidth, "Outdoor width must be between 1 and 50."},
            {d.txtOutHeight, "Outdoor height must be between 1 and 50."}};
        for (const auto& [box, message] : sizes)
            for (const char* bad : {"0", "51"}) {
                SCOPED_TRACE(bad);
                MsgBoxRecorder local;
                Type(box, bad);
                EXPECT_EQ(local.Texts(), std::vector<std::string>{message});
                EXPECT_EQ(local.Calls().at(0).title, "Error!");
                QTest::keyClick(box, Qt::Key_Return);
                QTest::mouseClick(d.cmdOK, Qt::LeftButton);
                EXPECT_EQ(local.Calls().size(), 1u) << "no confirmation while the size is refused";
                EXPECT_EQ(box->text(), bad);
                EXPECT_TRUE(d.isVisible());
                box->setFocus();
                Leave(box);
                EXPECT_EQ(box->text(), "1");
            }
        MsgBoxRecorder quiet; // an empty box holds no size: the last one comes back
        TypeInto(d.txtOutHeight, "");
        EXPECT_EQ(d.txtOutHeight->text(), "1");
        for (const char* bad : {"", "a/b", "..", "x\\y"}) {
            MsgBoxRecorder local;
            d.txtFileName->setText(bad);
            QTest::keyClick(d.txtFileName, Qt::Key_Return);
            ASSERT_EQ(local.Calls().size(), 1u) << bad;
            EXPECT_EQ(std::tuple(local.Calls()[0].title, local.Calls()[0].style, d.isVisible()),
                      std::tuple(std::string("Error!"), msgbox::Exclamation, true));
        }
        QTest::keyClick(d.txtScenName, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.frmCancel, 2);
    EXPECT_TRUE(Scen == earlier);
}

// Enter acts as OK, whose confirmation can be cancelled.
TEST_F(NewScenarioDialogTest, CancellingTheConfirmationCreatesNothing) {
    const Scenario earlier = Scen;
    const std::function<void(frmFileNew&)> ways[] = {[](frmFileNew& d) {
                                                         d.txtOutWidth->setFocus();
                                                         QTest::keyClick(d.txtOutWidth,
                                                                         Qt::Key_Return);
                                                     },
                                                     [](frmFileNew& d) { Click(d.cmdOK); }};
    boxes.QueueAnswer(MsgBoxResult::Cancel);
    boxes.QueueAnswer(MsgBoxResult::Cancel);
    for (const auto& way : ways)
        EXPECT_EQ(Run(way).frmCancel, 2);
    EXPECT_EQ(boxes.Texts().size(), 2u);
    for (const MsgBoxCall& call : boxes.Calls())
        EXPECT_EQ(call.title, "Creating Scenario.");
    EXPECT_TRUE(Scen == earlier);
    EXPECT_EQ(ScenFile.ScenFileName, "Earlier.vrs");
}

#include "editor/frmFileNew.h"
#include "support/MainWindowFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
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
    // Name, file name, width, height, checked town size, grass.
    static std::tuple<QString, QString, QString, QString, int, bool> Offered(const frmFileNew& d) {
        int size = -1;
        for (int i = 0; i < 3; ++i)
            if (d.optTownSize[static_cast<std::size_t>(i)]->isChecked()) size = i;
        return {d.txtScenName->text(),
                d.txtFileName->text(),
                d.txtOutWidth->text(),
                d.txtOutHeight->text(),
                size,
                d.chkGrass->isChecked()};
    }
    MsgBoxRecorder boxes;
};
} // namespace

TEST_F(NewScenarioDialogTest, ACreatedScenarioKeepsItsSizesForNextTimeButNotItsNames) {
    frmFileNew& dialog = Run([](frmFileNew& d) {
        EXPECT_EQ(Offered(d), std::tuple(QString("Scenario name"), QString("filename"),
                                         QString("1"), QString("1"), 1, false));
        d.txtScenName->setText("Moor Quest");
        d.txtFileName->setText("moor");
        TypeInto(d.txtOutWidth, "10");
        TypeInto(d.txtOutHeight, "3");
        QTest::mouseClick(d.optTownSize[2], Qt::LeftButton);
        d.chkGrass->setChecked(true);
        QTest::keyClick(d.txtScenName, Qt::Key_Return);
    });
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].title, "Creating Scenario.");
    EXPECT_EQ(boxes.Calls()[0].text,
              "The Scenario Editor is about to create your\r\nnew scenario, which will be ready "
              "for editing.\r\nThis will take a little while ... be patient.");
    EXPECT_EQ(boxes.Calls()[0].style, msgbox::Information | msgbox::OkCancel);
    EXPECT_EQ(dialog.frmCancel, 1);
    EXPECT_EQ((std::array<int, 3>{Scen.OutdoorWidth, Scen.OutdoorHeight, Scen.Towns.at(0).Size}),
              (std::array<int, 3>{10, 3, 2}));
    EXPECT_EQ(Scen.ScenStrings[0], "Moor Quest");
    EXPECT_EQ(ScenFile.ScenFileName, "moor.vrs");
    Run([](frmFileNew& d) {
        EXPECT_EQ(Offered(d), std::tuple(QString("Scenario name"), QString("filename"),
                                         QString("10"), QString("3"), 2, false));
        QTest::keyClick(d.txtScenName, Qt::Key_Escape);
    });
}

// Neither Enter nor a click on OK goes on while a refused size is in the box; leaving it puts
// the last size back.
TEST_F(NewScenarioDialogTest, AnOutOfRangeSizeIsRefusedUntilTheBoxIsLeft) {
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
        MsgBoxRecorder local; // an empty box holds no size: the last one comes back
        TypeInto(d.txtOutHeight, "");
        EXPECT_EQ(d.txtOutHeight->text(), "1");
        QTest::keyClick(d.txtScenName, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.frmCancel, 2);
    EXPECT_TRUE(Scen == earlier);
}

TEST_F(NewScenarioDialogTest, TheGrassBoxAndTheTownSizesHaveTheirPlaces) {
    frmFileNew& dialog = SharedForm<frmFileNew>();
    // Places in twips over 15: (1080, 2760, 195, 195) and (4560, 3600 + 240 i, 1200, 195).
    EXPECT_EQ(dialog.chkGrass->geometry(), QRect(72, 184, 13, 13));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(dialog.optTownSize[static_cast<std::size_t>(i)]->geometry(),
                  QRect(304, 240 + 16 * i, 80, 13))
            << i;
}

// Escape and the close box cancel; Enter acts as OK, whose confirmation can be cancelled.
TEST_F(NewScenarioDialogTest, CancellingTheDialogOrItsConfirmationCreatesNothing) {
    const Scenario earlier = Scen;
    const std::function<void(frmFileNew&)> ways[] = {
        [](frmFileNew& d) { QTest::keyClick(d.txtScenName, Qt::Key_Escape); },
        [](frmFileNew& d) { d.close(); },
        [](frmFileNew& d) {
            d.txtOutWidth->setFocus();
            QTest::keyClick(d.txtOutWidth, Qt::Key_Return);
        },
        [](frmFileNew& d) { Click(d.cmdOK); }};
    boxes.QueueAnswer(MsgBoxResult::Cancel);
    boxes.QueueAnswer(MsgBoxResult::Cancel);
    for (const auto& way : ways)
        EXPECT_EQ(Run(way).frmCancel, 2);
    EXPECT_EQ(boxes.Calls().size(), 2u);
    for (const MsgBoxCall& call : boxes.Calls())
        EXPECT_EQ(call.title, "Creating Scenario.");
    EXPECT_TRUE(Scen == earlier);
    EXPECT_EQ(ScenFile.ScenFileName, "Earlier.vrs");
}

TEST_F(NewScenarioDialogTest, AFileNameThatIsAPathIsRefusedAndTheDialogStaysOpen) {
    Run([](frmFileNew& d) {
        for (const char* bad : {"", "a/b", "..", "x\\y"}) {
            MsgBoxRecorder local;
            d.txtFileName->setText(bad);
            QTest::keyClick(d.txtFileName, Qt::Key_Return);
            ASSERT_EQ(local.Calls().size(), 1u) << bad;
            EXPECT_EQ(local.Calls()[0].title, "Error!");
            EXPECT_EQ(local.Calls()[0].style, msgbox::Exclamation);
        }
        QTest::keyClick(d.txtFileName, Qt::Key_Escape);
    });
}

TEST_F(NewScenarioDialogTest, FileNewShowsTheNewScenarioAndCancelKeepsTheEarlierOne) {
    frmMain window;
    window.FirstTime = true;
    window.Form_Activate();
    {
        WindowScript script;
        script.When<frmFileNew>([](frmFileNew& d) {
            d.txtScenName->setText("Fresh");
            d.txtFileName->setText("fresh");
            Click(d.cmdOK);
        });
        window.mnuFileNew->trigger();
    }
    EXPECT_TRUE(window.mnuScen->isEnabled());
    EXPECT_TRUE(window.mnuFileSave->isEnabled());
    EXPECT_EQ(window.Label2->text().left(9), "Town: 0 -");
    EXPECT_EQ(ScenFile.ScenFileName, "fresh.vrs");
    const Scenario created = Scen;
    window.List1->show();
    WindowScript script;
    script.When<frmFileNew>([](frmFileNew& d) { Click(d.cmdCancel); });
    window.mnuFileNew->trigger();
    EXPECT_TRUE(Scen == created);
    EXPECT_TRUE(window.mnuScen->isEnabled());
    EXPECT_FALSE(window.List1->isVisibleTo(&window)); // the work area was cleared
}

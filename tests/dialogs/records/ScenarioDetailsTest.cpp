#include "RecordEditorDriver.h"
#include "support/Ints.h"

#include "dialogs/records/frmEditSaveItem.h"
#include "dialogs/records/frmScenDet.h"
#include "dialogs/records/frmScenIntroText.h"
#include "dialogs/records/frmStuffDone.h"

#include <QLabel>
#include <QRadioButton>

namespace {
class ScenarioDetailsTest : public RecordEditorTest {
  protected:
    void Details(std::function<void(frmScenDet&)> action) {
        Open<frmScenDet>([](frmScenDet&) {}, std::move(action));
    }
    void Intro(std::function<void(frmScenIntroText&)> action) {
        Open<frmScenIntroText>([](frmScenIntroText&) {}, std::move(action));
    }
    using Version = std::array<std::uint8_t, 3>;
};

// The flag-name window, opened as the menu opens it, and active.
frmStuffDone& OpenFlagNames() {
    frmStuffDone& names = SharedForm<frmStuffDone>();
    names.ShowModeless();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&names));
    return names;
}
} // namespace

TEST_F(ScenarioDetailsTest, ShowsTheHeaderBytesUnderTheirDialogNamesAndStoresEveryField) {
    Scen.ScenVersion = {1, 0, 0};
    Scen.ScenRating = 2;     // the byte the dialog shows as the difficulty
    Scen.ScenDifficulty = 1; // the byte the dialog shows as the rating
    Scen.ScenStrings[10] = "You died.";
    Details([](frmScenDet& d) {
        EXPECT_EQ(std::make_pair(d.txtVersion[0]->text(), d.txtVersion[1]->text()),
                  std::make_pair(QString(" 1"), QString(" 0")));
        EXPECT_TRUE(d.optDifficulty[2]->isChecked() && d.optRating[1]->isChecked());
        EXPECT_EQ(d.txtDeath[0]->text(), "You died.");
        Click(d.optRating[3]);     // "NC-17"
        Click(d.optDifficulty[0]); // "Low Level (1-8)"
        Type(d.txtVersion[2], ""); // an emptied box is stored as 0
        Type(d.txtName, "The Vale");
        Type(d.txtCredit1, QString(300, 'c'));
        QTest::keyClick(d.txtName, Qt::Key_Return);
    });
    EXPECT_EQ(Ints(Scen.ScenDifficulty, Scen.ScenRating), (std::vector<int>{3, 0}));
    EXPECT_EQ(Scen.ScenVersion, (Version{1, 0, 0}));
    EXPECT_EQ(Scen.ScenStrings[0], "The Vale");
    EXPECT_EQ(Scen.ScenStrings[1], std::string(255, 'c')) << "texts stop at 255 as typed";
    EXPECT_EQ(Scen.ScenStrings[10], "You died.");
}

TEST_F(ScenarioDetailsTest, ARefusedVersionKeepsTheDialogOpenUntilCorrected) {
    for (const char* refused : {"256", "x"}) {
        SCOPED_TRACE(refused);
        Scen.ScenVersion = {1, 2, 3};
        const std::size_t before = Messages().size();
        Details([&](frmScenDet& d) {
            Type(d.txtVersion[1], refused);
            QTest::keyClick(d.txtVersion[1], Qt::Key_Return);
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(d.txtVersion[1]->text(), refused) << "refused text stays in the box";
            Type(d.txtVersion[1], "25");
            QTest::keyClick(d.txtVersion[1], Qt::Key_Return);
            EXPECT_FALSE(d.isVisible());
        });
        EXPECT_EQ(Messages().size(), before + 1);
        EXPECT_EQ(Scen.ScenVersion, (Version{1, 25, 3}));
    }
    // OK checks every box again, not only the last changed.
    Details([this](frmScenDet& d) {
        Type(d.txtVersion[0], "300");
        Type(d.txtVersion[1], "4"); // clears the error flag that the first box set
        const std::size_t before = Messages().size();
        Click(d.cmdOK);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(Messages().size(), before + 1) << "the first box is refused again";
        Click(d.cmdCancel);
    });
    EXPECT_EQ(Scen.ScenVersion, (Version{1, 25, 3}));
}

TEST_F(ScenarioDetailsTest, IntroIconFromThePickerIsDroppedByCancelAndKeptByOk) {
    Scen.ScenIcon = 3;
    Intro([this](frmScenIntroText& d) {
        EXPECT_EQ(d.lblScenIcon->text(), "3");
        PickPicture(12);
        Click(d.cmdSelectIcon);
        EXPECT_EQ(d.lblScenIcon->text(), "12");
        Type(d.txtIntroText[5], "Beware.");
        Click(d.cmdCancel);
    });
    EXPECT_EQ(Scen.ScenIcon, 3);
    EXPECT_NE(Scen.ScenStrings[9], "Beware.");
    Intro([this](frmScenIntroText& d) {
        CancelPicker();
        Click(d.cmdSelectIcon);
        EXPECT_EQ(d.lblScenIcon->text(), "3");
        Type(d.txtIntroText[0], "Welcome.");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Scen.ScenIcon, 3);
    EXPECT_EQ(Scen.ScenStrings[4], "Welcome.");
}

TEST_F(ScenarioDetailsTest, FlagNamesWrapSaveOnEachStepAndJumpByNumber) {
    Scen.StuffDoneNames[299].Name = "Last";
    Scen.StuffDoneNames[5].ValueNames[3] = "three";
    frmStuffDone& names = OpenFlagNames();
    EXPECT_EQ(names.lblSD1->text(), "0");
    Type(names.txtSD1, "First");
    Click(names.cmdScrollLeft);
    EXPECT_EQ(std::make_pair(names.lblSD1->text(), names.txtSD1->text()),
              std::make_pair(QString("299"), QString("Last")));
    EXPECT_EQ(Scen.StuffDoneNames[0].Name, "First");
    Click(names.cmdScrollRight);
    EXPECT_EQ(names.lblSD1->text(), "0");
    Type(names.lblSD1, "300");
    EXPECT_EQ(names.lblSD1->text(), "0") << "a refused number never stays";
    ASSERT_EQ(Messages().size(), 1u);
    TypeInto(names.lblSD1, "5");
    EXPECT_EQ(names.txtSD2[3]->text(), "three");
    Click(names.cmdDelete[3]);
    EXPECT_TRUE(names.txtSD2[3]->text().isEmpty());
    Click(names.cmdScrollRight);
    Type(names.txtSD1, "not kept");
    Click(names.cmdCancel);
    EXPECT_FALSE(names.isVisible());
    EXPECT_TRUE(Scen.StuffDoneNames[5].ValueNames[3].empty());
    EXPECT_TRUE(Scen.StuffDoneNames[6].Name.empty());
    EXPECT_EQ(OpenFlagNames().lblSD1->text(), "0") << "each opening starts at flag 0";
    Click(names.cmdOK);
}

TEST_F(ScenarioDetailsTest, FlagNamesStayUsableBesideTheMainWindowAndAModalDialog) {
    QWidget mainWindow;
    mainWindow.show();
    frmStuffDone& names = OpenFlagNames();
    EXPECT_FALSE(names.isModal());
    Type(names.txtSD1, "typed, not saved");
    // Another window of the program takes the focus: coming back shows the stored names.
    mainWindow.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow));
    Scen.StuffDoneNames[0].Name = "set elsewhere";
    names.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&names));
    EXPECT_EQ(names.txtSD1->text(), "set elsewhere");
    // A modal dialog opened while the names are open works, and the names stay open.
    Open<frmEditSaveItem>([](frmEditSaveItem&) {},
                          [](frmEditSaveItem& d) {
                              Type(d.txtData[0], "4");
                              Click(d.cmdOK);
                          });
    EXPECT_EQ(Scen.SavedItemAreas[0].Town, 4);
    EXPECT_TRUE(names.isVisible());
    names.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&names));
    Type(names.txtSD1, "Gate open");
    Click(names.cmdOK);
    EXPECT_EQ(Scen.StuffDoneNames[0].Name, "Gate open");
}

#include "RecordEditorDriver.h"
#include "dialogs/records/frmEditSaveItem.h"
#include "dialogs/records/frmEditSpItem.h"
#include "dialogs/records/frmScenDet.h"
#include "dialogs/records/frmScenIntroText.h"
#include "dialogs/records/frmStuffDone.h"
#include "support/LongTextEdits.h"

namespace {
using ScenarioDetailsTest = RecordEditorTest;
using Version = decltype(Scen.ScenVersion);

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
    Open<frmScenDet>([](frmScenDet& d) {
        EXPECT_EQ(Shown({d.txtVersion[0], d.txtVersion[1], d.txtDeath[0]}),
                  (QStringList{" 1", " 0", "You died."}));
        EXPECT_TRUE(d.optDifficulty[2]->isChecked() && d.optRating[1]->isChecked());
        Click(d.optRating[3]);     // "NC-17"
        Click(d.optDifficulty[0]); // "Low Level (1-8)"
        Type(d.txtVersion[2], ""); // an emptied box is stored as 0
        Type(d.txtName, "The Vale");
        Type(d.txtCredit1, QString(300, 'c'));
        QTest::keyClick(d.txtName, Qt::Key_Return);
    });
    EXPECT_EQ(Ints(Scen.ScenDifficulty, Scen.ScenRating, Scen.ScenVersion[2]), Ints(3, 0, 0));
    EXPECT_EQ(Scen.ScenStrings[0] + "|" + Scen.ScenStrings[10], "The Vale|You died.");
    EXPECT_EQ(Scen.ScenStrings[1], std::string(255, 'c')) << "texts stop at 255 as typed";
}

TEST_F(ScenarioDetailsTest, ARefusedVersionKeepsTheDialogOpenUntilCorrected) {
    Scen.ScenVersion = {1, 2, 3};
    Open<frmScenDet>([this](frmScenDet& d) {
        for (const char* refused : {"256", "x"}) {
            Type(d.txtVersion[1], refused);
            QTest::keyClick(d.txtVersion[1], Qt::Key_Return);
            EXPECT_TRUE(d.isVisible() && d.txtVersion[1]->text() == refused) << "it stays";
            EXPECT_EQ(NewMessages().size(), 1u) << refused;
        }
        Type(d.txtVersion[1], "25");
        QTest::keyClick(d.txtVersion[1], Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(Scen.ScenVersion, (Version{1, 25, 3}));
    // OK checks every box again, not only the last changed.
    Open<frmScenDet>([this](frmScenDet& d) {
        Type(d.txtVersion[0], "300");
        Type(d.txtVersion[1], "4"); // clears the error flag that the first box set
        NewMessages();
        Click(d.cmdOK);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(NewMessages().size(), 1u) << "the first box is refused again";
        Click(d.cmdCancel);
    });
    EXPECT_EQ(Scen.ScenVersion, (Version{1, 25, 3}));
}

// A cancelled picker keeps the icon; the one picked is dropped by Cancel and stored by OK.
TEST_F(ScenarioDetailsTest, IntroIconFromThePickerIsDroppedByCancelAndKeptByOk) {
    Scen.ScenIcon = 3;
    for (bool ok : {false, true}) {
        if (ok) CancelPicker();
        PickPicture(12);
        Open<frmScenIntroText>([ok](frmScenIntroText& d) {
            EXPECT_EQ(d.lblScenIcon->text(), "3");
            if (ok) Click(d.cmdSelectIcon);
            EXPECT_EQ(ShownAfterClicks(d.lblScenIcon, {d.cmdSelectIcon}), QStringList{"12"});
            Type(d.txtIntroText[ok ? 0 : 5], "Welcome.");
            Click(ok ? d.cmdOK : d.cmdCancel);
        });
        EXPECT_EQ(Scen.ScenIcon, ok ? 12 : 3);
    }
    EXPECT_TRUE(Scen.ScenStrings[4] == "Welcome." && Scen.ScenStrings[9] != "Welcome.");
}

// The flag names wrap, save on each step and jump by number; modeless, they stay usable
// beside the main window and a modal dialog, and show the stored names when they come back.
TEST_F(ScenarioDetailsTest, FlagNamesSession) {
    Scen.StuffDoneNames[299].Name = "Last", Scen.StuffDoneNames[5].ValueNames[3] = "three";
    QWidget mainWindow;
    mainWindow.show();
    frmStuffDone& names = OpenFlagNames();
    EXPECT_FALSE(names.isModal());
    EXPECT_EQ(names.lblSD1->text(), "0");
    Type(names.txtSD1, "First");
    Click(names.cmdScrollLeft);
    EXPECT_EQ(Shown({names.lblSD1, names.txtSD1}), (QStringList{"299", "Last"}));
    EXPECT_EQ(Scen.StuffDoneNames[0].Name, "First");
    Click(names.cmdScrollRight);
    Type(names.lblSD1, "300");
    EXPECT_EQ(names.lblSD1->text(), "0") << "a refused number never stays";
    ASSERT_EQ(NewMessages().size(), 1u);
    TypeInto(names.lblSD1, "5");
    EXPECT_EQ(names.txtSD2[3]->text(), "three");
    Click(names.cmdDelete[3]);
    EXPECT_TRUE(names.txtSD2[3]->text().isEmpty());
    Click(names.cmdScrollRight);
    Type(names.txtSD1, "not kept");
    // Another window of the program takes the focus: coming back shows the stored names.
    mainWindow.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow));
    Scen.StuffDoneNames[6].Name = "set elsewhere";
    names.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&names));
    EXPECT_EQ(names.txtSD1->text(), "set elsewhere");
    // A modal dialog opened while the names are open works, and the names stay open.
    Open<frmEditSaveItem>([](frmEditSaveItem& d) {
        Type(d.txtData[0], "4");
        Click(d.cmdOK);
    });
    EXPECT_TRUE(Scen.SavedItemAreas[0].Town == 4 && names.isVisible());
    names.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&names));
    Type(names.txtSD1, "not kept");
    Click(names.cmdCancel);
    EXPECT_FALSE(names.isVisible());
    EXPECT_TRUE(Scen.StuffDoneNames[5].ValueNames[3].empty() &&
                Scen.StuffDoneNames[6].Name == "set elsewhere");
    EXPECT_EQ(OpenFlagNames().lblSD1->text(), "0") << "each opening starts at flag 0";
    Type(names.txtSD1, "Gate open");
    Click(names.cmdOK);
    EXPECT_EQ(Scen.StuffDoneNames[0].Name, "Gate open");
}

// Names stored longer than their boxes allow: untouched they are stored again whole, typed
// over they are held to the limit.
TEST_F(ScenarioDetailsTest, TypingIsHeldToTheLimitWhileALongerStoredNameIsKeptWhole) {
    StuffDoneDescription& flag = Scen.StuffDoneNames[0];
    const std::string scenario = PutLongText(Scen.ScenStrings[0], 30),
                      item = PutLongText(Scen.ScenStrings[66], 30),
                      name = PutLongText(flag.Name, 30),
                      value = PutLongText(flag.ValueNames[2], 50);
    Open<frmScenDet>([](frmScenDet& d) { TypeOverTheStart(d.txtName, d.cmdOK); });
    Open<frmEditSpItem>([](frmEditSpItem& d) { d.SpItemNum = 3; },
                        [](frmEditSpItem& d) { TypeOverTheStart(d.txtSpItemName, d.cmdOK); });
    frmStuffDone& names = OpenFlagNames();
    TypeOverTheStart(names.txtSD1);
    TypeOverTheStart(names.txtSD2[2], names.cmdOK);
    EXPECT_EQ(std::tuple(Scen.ScenStrings[0], Scen.ScenStrings[66], flag.Name, flag.ValueNames[2]),
              std::tuple(scenario, item, name, value));
}

// A version part of three digits shows whole after its leading blank and is stored unchanged;
// typing is held to three characters.
TEST_F(ScenarioDetailsTest, AThreeDigitVersionShowsWholeAndTypingHoldsToThree) {
    Scen.ScenVersion = {100, 255, 7};
    Open<frmScenDet>([](frmScenDet& d) {
        EXPECT_EQ(Shown({d.txtVersion[0], d.txtVersion[1], d.txtVersion[2]}),
                  (QStringList{" 100", " 255", " 7"}));
        Type(d.txtVersion[2], "2000");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Scen.ScenVersion, (Version{100, 255, 200}));
}

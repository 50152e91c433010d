#include "dialogs/records/frmEditSaveItem.h"
#include "dialogs/records/frmEditSpItem.h"
#include "dialogs/records/frmEventTimers.h"
#include "dialogs/records/frmScenDet.h"
#include "dialogs/records/frmScenIntroText.h"
#include "dialogs/records/frmStuffDone.h"
#include "dialogs/records/frmTransport.h"
#include "support/DialogDriver.h"
#include "support/MainWindowFixture.h"
#include "support/SampleScenario.h"

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
class ScenarioRecordMenusTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        Scenario s = MakeVariedScenario(1, 1, 2, 6);
        s.CurrentTown = 1;
        s.Horses[3] = {-1, 0, 0, 0};
        s.Boats[1] = {0, 4, 4, 0};
        StartWith(s, "Rec.vrs");
    }

    // Chooses the menu entry; the author types into the dialog it opens and presses OK.
    template <class Form> void Edit(QAction* entry, std::function<void(Form&)> author) {
        Choose<Form>(entry, [&author](Form& d) {
            author(d);
            Click(d.cmdOK);
        });
    }

    MsgBoxRecorder boxes;
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
    OpenFile(saved);
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

#include "dialogs/areas/frmTownDetails.h"

#include "support/DialogDriver.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {
class TownDetailsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Scen = MakeVariedScenario(1, 1, 2, 21);
        Scen.CurrentTown = 1;
        Town& town = Scen.Towns[1];
        town.Size = 1;
        town.Lighting = 0;
        town.Difficulty = 4;
        town.DayDies = 100;
        town.EventStop = 2;
        town.ExitLocs = {Location{255, 255}, Location{10, 20}, Location{255, 255}, Location{0, 47}};
        town.SectionX = 3;
        town.EntranceX = 17;
    }
    void TearDown() override { UnloadAllForms(); }

    frmTownDetails& Edit(const std::function<void(frmTownDetails&)>& action) {
        return OpenDialog<frmTownDetails>([](frmTownDetails&) {}, action);
    }

    Town& town() { return Scen.Towns[1]; }
    MsgBoxRecorder boxes;
};
} // namespace

TEST_F(TownDetailsTest, ShowsTheTownWithUnsetExitsAsMinusOne) {
    Edit([](frmTownDetails& d) {
        EXPECT_EQ(d.lblTownNum->text(), "1");
        EXPECT_EQ(d.lblTownSize->text(), "48x48");
        EXPECT_EQ(d.lblOutSect[0]->text(), "3");
        EXPECT_EQ(d.lblOutLoc[0]->text(), "17");
        EXPECT_EQ(d.txtExitLoc[0]->text(), "-1");
        EXPECT_EQ(d.txtExitLoc[1]->text(), "-1");
        EXPECT_EQ(d.txtExitLoc[2]->text(), "10");
        EXPECT_EQ(d.txtDifficulty->text(), "4");
        EXPECT_TRUE(d.optLight[0]->isChecked());
        Click(d.cmdCancel);
    });
}

TEST_F(TownDetailsTest, OkStoresEditsAndMinusOneAsAnUnsetExit) {
    const Town before = town();
    Edit([](frmTownDetails& d) {
        TypeInto(d.txtTownName, "Harbour");
        Click(d.chkHidden);
        Click(d.optLight[1]);
        TypeInto(d.txtExitLoc[2], "-1");
        TypeInto(d.txtExitLoc[7], "30");
        TypeInto(d.txtDayDies, "32767");
        TypeInto(d.txtMaxMonsters, "-1");
        TypeInto(d.txtEntrySpecial[1], "");
        EXPECT_EQ(d.txtEntrySpecial[1]->text(), "0") << "an emptied box shows 0";
        Click(d.cmdOK);
    });
    EXPECT_EQ(town().Strings[0], "Harbour");
    EXPECT_EQ(town().Hidden, before.Hidden ? 0 : 1);
    EXPECT_EQ(town().Lighting, 1);
    EXPECT_EQ(town().ExitLocs[1], (Location{255, 20}));
    EXPECT_EQ(town().ExitLocs[3], (Location{0, 30}));
    EXPECT_EQ(town().DayDies, 32767);
    EXPECT_EQ(town().MaxMonsters, -1);
    EXPECT_EQ(town().EntrySpecials[1], 0);
    EXPECT_EQ(town().Size, 1);
    EXPECT_EQ(town().SectionX, 3);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(TownDetailsTest, RangesAreCheckedAsTyped) {
    struct Case {
        QLineEdit* frmTownDetails::*single;
        int exitLoc;
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {nullptr, 0, "48", "Value must be between -1 and 47."},
        {&frmTownDetails::txtDifficulty, 0, "-", "Difficulty must be between 0 and 10."},
        {&frmTownDetails::txtDayDies, 0, "40000", "Value larger than MaxInt."},
    };
    const Town before = town();
    for (const Case& c : cases) {
        Edit([&](frmTownDetails& d) {
            QLineEdit* box =
                c.single ? d.*c.single : d.txtExitLoc[static_cast<std::size_t>(c.exitLoc)];
            const QString good = box->text();
            TypeInto(box, c.typed, false);
            ASSERT_FALSE(boxes.Calls().empty()) << c.typed;
            EXPECT_EQ(boxes.Calls().back().text, c.message);
            QTest::keyClick(box, Qt::Key_Return);
            EXPECT_TRUE(d.isVisible()) << "OK waits for an accepted entry";
            QTest::keyClick(box, Qt::Key_Tab);
            EXPECT_EQ(box->text(), good) << "leaving puts the last good value back";
            Click(d.cmdOK);
        });
    }
    EXPECT_EQ(town(), before);
}

#include "dialogs/areas/frmOutDetails.h"
#include "dialogs/areas/frmOutLoad.h"
#include "dialogs/areas/frmSetTown.h"
#include "dialogs/areas/frmVarTownEntry.h"

#include "platform/qt/QtText.h"
#include "support/DialogDriver.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
class OutdoorDialogsTest : public ::testing::Test {
  protected:
    void SetUp() override { Scen = MakeVariedScenario(2, 3, 3, 41); }
    void TearDown() override { UnloadAllForms(); }

    template <class Form>
    Form& Open(
        const std::function<void(Form&)>& action,
        const std::function<void(Form&)>& setup = [](Form&) {}) {
        return OpenDialog<Form>(setup, action);
    }
    MsgBoxRecorder boxes;
};

std::string TownRow(int t) {
    return " " + std::to_string(t) + " - " + Scen.Towns[static_cast<std::size_t>(t)].Strings[0];
}
} // namespace

TEST_F(OutdoorDialogsTest, SectionListRunsDownEachColumn) {
    Scen.CurrentOutdoorX = 0;
    Scen.CurrentOutdoorY = 1;
    Open<frmOutLoad>([](frmOutLoad& d) {
        EXPECT_EQ(d.cmbOutSection->count(), 6);
        EXPECT_EQ(d.cmbOutSection->currentIndex(), 1);
        EXPECT_EQ(FromQString(d.cmbOutSection->itemText(2)),
                  "0,2 - " + Scen.OutdoorSections.At(0, 2).Strings[0]);
        EXPECT_EQ(FromQString(d.cmbOutSection->itemText(3)),
                  "1,0 - " + Scen.OutdoorSections.At(1, 0).Strings[0]);
        EXPECT_EQ(d.lblOutSize[0]->text(), "2");
        EXPECT_EQ(d.lblOutSize[1]->text(), "3");
        ChooseRow(d.cmbOutSection, 3);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Scen.CurrentOutdoorX, 1);
    EXPECT_EQ(Scen.CurrentOutdoorY, 0);
    // OK without a choice keeps the section; so does the frame's close box.
    for (bool ok : {true, false}) {
        Open<frmOutLoad>([ok](frmOutLoad& d) { ok ? Click(d.cmdOK) : (void)d.close(); });
        EXPECT_EQ(Scen.CurrentOutdoorX, 1);
        EXPECT_EQ(Scen.CurrentOutdoorY, 0);
    }
}

TEST_F(OutdoorDialogsTest, LastSectionOfTheLargestWorldIsRow2499) {
    Scen = MakeMinimalScenario();
    Scen.OutdoorWidth = Scen.OutdoorHeight = 50;
    Scen.OutdoorSections = OutdoorGrid(50, 50);
    Scen.CurrentOutdoorX = Scen.CurrentOutdoorY = 49;
    Open<frmOutLoad>([](frmOutLoad& d) {
        EXPECT_EQ(d.cmbOutSection->currentIndex(), 2499);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Scen.CurrentOutdoorX, 49);
    EXPECT_EQ(Scen.CurrentOutdoorY, 49);
}

TEST_F(OutdoorDialogsTest, DetailsRenameOnOkOnly) {
    Scen.CurrentOutdoorX = 1;
    Scen.CurrentOutdoorY = 2;
    std::string& name = Scen.OutdoorSections.At(1, 2).Strings[0];
    name = "Old Moor";
    struct Case {
        const char* typed;
        bool ok;
        const char* stored;
    };
    for (const Case c :
         {Case{"Fen", false, "Old Moor"}, Case{"Fen", true, "Fen"}, Case{"", true, ""}}) {
        Open<frmOutDetails>([&c](frmOutDetails& d) {
            EXPECT_EQ(d.lblOutCoord[0]->text(), "1");
            EXPECT_EQ(d.lblOutCoord[1]->text(), "2");
            TypeInto(d.txtOutName, c.typed, false);
            Click(c.ok ? d.cmdOK : d.cmdCancel);
        });
        EXPECT_EQ(name, c.stored) << c.typed << c.ok;
    }
}

TEST_F(OutdoorDialogsTest, TownEntranceChoiceKeepsAStaleTownUntilAnotherIsChosen) {
    Scen.CurrentOutdoorX = Scen.CurrentOutdoorY = 0;
    auto& entrances = Scen.OutdoorSections.At(0, 0).TownEntrances;
    entrances[2] = {0, 5, 6};
    entrances[3] = {-1, 100, 0};
    entrances[4] = {7, 8, 9}; // a town the scenario no longer has
    struct Case {
        std::int16_t slot;
        int shownRow;  // -1: no selection
        int chosenRow; // -1: no choice, then the button
        bool ok;
        std::int16_t stored;
    };
    const Case cases[] = {
        {2, 1, 3, true, 2},   {2, 3, 0, true, -1}, {3, 0, 2, false, -1},
        {4, -1, -1, true, 7}, {4, -1, 1, true, 0},
    };
    for (const Case& c : cases) {
        Open<frmSetTown>(
            [&c](frmSetTown& d) {
                EXPECT_EQ(d.lstTown->count(), 4);
                EXPECT_EQ(d.lstTown->itemText(0), "Not Assigned");
                EXPECT_EQ(FromQString(d.lstTown->itemText(3)), TownRow(2));
                EXPECT_EQ(d.lstTown->currentIndex(), c.shownRow) << c.slot;
                if (c.chosenRow >= 0) ChooseRow(d.lstTown, c.chosenRow);
                Click(c.ok ? d.cmdOK : d.cmdCancel);
            },
            [&c](frmSetTown& d) { d.OutTown = c.slot; });
        EXPECT_EQ(entrances[static_cast<std::size_t>(c.slot)].Town, c.stored) << c.slot;
    }
    EXPECT_EQ(entrances[2].X, 5) << "the place is the opener's to set";
}

TEST_F(OutdoorDialogsTest, VarTownEntriesShowBoxesForTownsAndStoreMinusOneWithout) {
    Scen.VarTownEntries.fill({-1, -1, -1});
    Scen.VarTownEntries[0] = {0, 12, 3};
    Scen.VarTownEntries[1] = {2, 299, 9};
    Scen.VarTownEntries[2] = {-1, 40, 4};
    Scen.VarTownEntries[3] = {9, 1, 1}; // beyond the last town
    const auto before = Scen.VarTownEntries;
    Open<frmVarTownEntry>([](frmVarTownEntry& d) {
        EXPECT_EQ(FromQString(d.lstTownNum[0]->itemText(1)), TownRow(0));
        const bool boxesShown[] = {true, true, false, true};
        const int rows[] = {1, 3, 0, -1};
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(d.txtStuffDoneA[i]->isVisibleTo(&d), boxesShown[i]) << i;
            EXPECT_EQ(d.lstTownNum[i]->currentIndex(), rows[i]) << i;
        }
        ChooseRow(d.lstTownNum[1], 0);
        EXPECT_FALSE(d.txtStuffDoneB[1]->isVisibleTo(&d)) << "hidden at once";
        Click(d.cmdCancel);
    });
    EXPECT_EQ(Scen.VarTownEntries, before);
    Open<frmVarTownEntry>([](frmVarTownEntry& d) {
        ChooseRow(d.lstTownNum[1], 0);
        ChooseRow(d.lstTownNum[2], 2);
        EXPECT_TRUE(d.txtStuffDoneA[2]->isVisibleTo(&d));
        EXPECT_EQ(d.txtStuffDoneA[2]->text(), "40") << "the parts the entry held";
        Click(d.cmdOK);
    });
    EXPECT_EQ(Scen.VarTownEntries[0], (VarTownEntry{0, 12, 3}));
    EXPECT_EQ(Scen.VarTownEntries[1], (VarTownEntry{-1, -1, -1}));
    EXPECT_EQ(Scen.VarTownEntries[2], (VarTownEntry{1, 40, 4}));
    EXPECT_EQ(Scen.VarTownEntries[3], (VarTownEntry{9, 1, 1})) << "a stale town is kept";
}

// The two flag headings once stood side by side and read as one line over both columns.
TEST_F(OutdoorDialogsTest, VarTownEntryFlagHeadingsStandApartOverTheirOwnColumns) {
    Scen.VarTownEntries.fill({-1, -1, -1});
    Scen.VarTownEntries[0] = {0, 1, 1};
    Open<frmVarTownEntry>([](frmVarTownEntry& d) {
        QRect headings[2];
        for (const QLabel* label : d.findChildren<QLabel*>())
            for (int i = 0; i < 2; ++i)
                if (label->text() == QString("Stuff Done Flag to add ") + "XY"[i])
                    headings[i] = label->geometry();
        const QLineEdit* boxes[] = {d.txtStuffDoneA[0], d.txtStuffDoneB[0]};
        for (int i = 0; i < 2; ++i) {
            const int middle = boxes[i]->geometry().center().x();
            EXPECT_TRUE(headings[i].left() <= middle && middle <= headings[i].right()) << i;
        }
        EXPECT_GE(headings[1].left() - headings[0].right(), 12);
        Click(d.cmdCancel);
    });
}

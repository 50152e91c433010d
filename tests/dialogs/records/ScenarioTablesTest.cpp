#include "RecordEditorDriver.h"
#include "dialogs/nodes/frmEditSpNode.h"
#include "dialogs/records/frmEditSaveItem.h"
#include "dialogs/records/frmEditSpItem.h"
#include "dialogs/records/frmEventTimers.h"
#include "dialogs/records/frmTransport.h"

namespace {
const SpecialNode kFreeNode{0, -1, -1, -1, -1, 0, -1, -1, -1, -1, -1};

class ScenarioTablesTest : public RecordEditorTest {
  protected:
    void SetUp() override {
        RecordEditorTest::SetUp();
        Scen = MakeVariedScenario(1, 1, 3, 7), Scen.CurrentTown = 0;
        // One free node in each family for "Create/Edit" to take.
        Scen.ScenSpecialNodes[40] = Scen.Towns[1].SpecialNodes[10] = kFreeNode;
    }
    void Timers(std::int32_t type, std::function<void(frmEventTimers&)> action) {
        Open<frmEventTimers>([type](frmEventTimers& d) { d.EventType = type; }, std::move(action));
    }
    // Which labels head the rows (the scenario's, a town's) and how many rows show.
    static std::vector<int> Rows(const frmEventTimers& d) {
        int shown = 0;
        for (const QLineEdit* box : d.txtMoves)
            shown += box->isVisible();
        return Ints(d.lblLabel1[0]->isVisible(), d.lblLabel2[0]->isVisible(), shown);
    }
    void EditSpItem(std::int16_t n, std::function<void(frmEditSpItem&)> action) {
        Open<frmEditSpItem>([n](frmEditSpItem& d) { d.SpItemNum = n; }, std::move(action));
    }
    // The node editor for the button's new node in family set, noted in offered; the node is
    // given a type (the editor closes with OK) or left free (Escape).
    void NewNode(int set, bool giveType) {
        When<frmEditSpNode>([this, set, giveType](frmEditSpNode& e) {
            EXPECT_EQ(e.NodeSet, set);
            offered.push_back(e.NodeNum);
            if (!giveType) return QTest::keyClick(&e, Qt::Key_Escape);
            Click(e.cmdSpType[0]);
            e.lstNodeType->setFocus();
            QTest::keyClick(e.lstNodeType, Qt::Key_End);
            Click(e.cmdOK);
        });
    }
    std::vector<int> offered;
};
} // namespace

TEST_F(ScenarioTablesTest, SavedItemAreasTakeTypedValuesAndRefuseWhatABoxCannotHold) {
    Scen.SavedItemAreas[0] = {-1, 0, 0, 0, 0};
    const auto stored = Scen.SavedItemAreas;
    for (bool ok : {false, true})
        Open<frmEditSaveItem>([this, ok, &stored](frmEditSaveItem& d) {
            const char* typed[] = {"5", "10", "12", "20", "22"};
            for (std::size_t k = 0; k < 5; ++k)
                Type(d.txtData[10 + k], typed[k]);
            if (ok) return QTest::keyClick(d.txtData[14], Qt::Key_Return);
            // A side is a byte: 256 is refused; the box gets its value back.
            for (const char* refused : {"abc", "256"})
                TypeInto(d.txtData[13], refused);
            EXPECT_EQ(Shown({d.txtData[0], d.txtData[13]}), QStringList({"-1", "20"}));
            // One message for each refused key: "a", "ab", "abc", "256".
            EXPECT_EQ(NewMessages().size(), 4u);
            Click(d.cmdCancel);
            EXPECT_EQ(Scen.SavedItemAreas, stored) << "Cancel stores nothing";
        });
    EXPECT_EQ(Scen.SavedItemAreas[2], (SavedItemArea{5, 10, 12, 20, 22}));
    EXPECT_EQ(Scen.SavedItemAreas[0], stored[0]);
}

// The button's new node: named in the row once it has a type; a node left free (Cancel in
// the node editor) must not be named.
TEST_F(ScenarioTablesTest, TimerAndSpecialItemNodeButtonsNameOnlyANodeInUse) {
    Scen.CurrentTown = 1, Scen.EventTimerMoves[15] = 77;
    Scen.EventTimerNodes[2] = Scen.SpecialItems[4].Node = -1;
    const auto scenarioMoves = Scen.EventTimerMoves;
    NewNode(2, true);
    Timers(2, [](frmEventTimers& d) {
        EXPECT_EQ(Rows(d), Ints(0, 1, 8));
        Type(d.txtMoves[7], "25"); // not a multiple of 10, stored all the same
        Type(d.txtSpNode[7], "-1");
        Click(d.cmdButton[7]);
        EXPECT_EQ(d.txtSpNode[7]->text(), "10");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Ints(Scen.Towns[1].TimerMoves[7], Scen.Towns[1].TimerNodes[7]), Ints(25, 10));
    EXPECT_EQ(Scen.EventTimerMoves, scenarioMoves);
    NewNode(0, false);
    Timers(0, [](frmEventTimers& d) {
        EXPECT_EQ(Rows(d), Ints(1, 0, 10));
        Click(d.cmdButton[2]);
        EXPECT_EQ(d.txtSpNode[2]->text(), "-1");
        Click(d.cmdOK);
    });
    NewNode(0, false);
    EditSpItem(4, [](frmEditSpItem& d) {
        Click(d.cmdButton);
        EXPECT_EQ(d.txtSpNode->text(), "-1");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Ints(Scen.EventTimerNodes[2], Scen.SpecialItems[4].Node), Ints(-1, -1));
    EXPECT_EQ(offered, Ints(10, 40, 40));
}

TEST_F(ScenarioTablesTest, SpecialItemTextsAreScenarioStringsSavedOnEachStep) {
    Scen.SpecialItems[7] = {12, 1, 0}, Scen.ScenStrings[74] = "Key";
    EditSpItem(7, [](frmEditSpItem& d) {
        EXPECT_TRUE(d.txtSpItemName->text() == "Key" && d.chkFlag1->isChecked());
        Click(d.chkFlag2);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Scen.SpecialItems[7], (SpecialItem{12, 1, 1}));
    EditSpItem(0, [](frmEditSpItem& d) {
        Type(d.txtSpItemName, "Zero");
        Click(d.cmdScrollLeft);
        Type(d.txtDescription, "Last one");
        Click(d.cmdScrollRight);
        EXPECT_EQ(d.txtSpItemName->text(), "Zero");
        Click(d.cmdCancel);
    });
    EXPECT_EQ(Scen.ScenStrings[60] + "|" + Scen.ScenStrings[159], "Zero|Last one");
}

TEST_F(ScenarioTablesTest, TransportPagesWrapAndCoordinatesFollowTheTownSize) {
    ASSERT_GE(Scen.TownCount, 3);
    Scen.Towns[1].Size = 1, Scen.Towns[2].Size = 2;
    Scen.Horses.fill({-1, 9, 9, 1});
    Scen.Horses[18] = {1, 5, 6, 0}, Scen.Horses[19] = {2, 5, 6, 1};
    Scen.Horses[20] = {200, 7, 8, 0}; // names no town of the scenario
    const auto stored = Scen.Horses;
    const auto boats = Scen.Boats;
    for (bool ok : {false, true}) {
        Open<frmTransport>(
            [](frmTransport& d) { d.TransportType = 1; },
            [this, ok](frmTransport& d) {
                EXPECT_TRUE(d.lblLabel2[2]->isVisible() && !d.txtXcoord[0]->isVisible())
                    << "horse note";
                Click(d.cmdScrollLeft);
                EXPECT_EQ(d.lblTransNum[0]->text(), "18");
                // No entry for a town that does not exist.
                EXPECT_EQ(Ints(d.lstTown[0]->currentIndex(), d.lstTown[2]->currentIndex()),
                          Ints(2, -1));
                QStringList kept; // the town sizes make 47 and 31 the largest
                for (auto [row, typed] :
                     {std::pair{0u, "47"}, {0u, "48"}, {1u, "31"}, {1u, "32"}}) {
                    TypeInto(d.txtXcoord[row], typed);
                    kept += d.txtXcoord[row]->text();
                }
                EXPECT_EQ(kept, QStringList({"47", "47", "31", "31"}));
                EXPECT_EQ(NewMessages().size(), 2u);
                Choose(d.lstTown[1], 0); // "Not Assigned"
                EXPECT_FALSE(d.txtXcoord[1]->isVisible());
                Choose(d.lstTown[1], 3);
                EXPECT_TRUE(d.txtXcoord[1]->isVisible());
                EXPECT_EQ(d.txtYcoord[1]->text(), "6");
                Choose(d.lstTown[1], 0);
                Click(d.cmdScrollRight);
                EXPECT_EQ(d.lblTransNum[0]->text(), "0");
                Click(ok ? d.cmdOK : d.cmdCancel);
            });
        EXPECT_TRUE(ok || Scen.Horses == stored) << "Cancel writes nothing";
    }
    // A stored town without entry is kept.
    EXPECT_EQ(
        (std::vector<Transport>{Scen.Horses[18], Scen.Horses[19], Scen.Horses[20], Scen.Horses[0]}),
        (std::vector<Transport>{{1, 47, 6, 0}, {-1, 0, 0, 0}, {200, 7, 8, 0}, {-1, 0, 0, 0}}));
    EXPECT_EQ(Scen.Boats, boats);
}

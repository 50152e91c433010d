#include "RecordEditorDriver.h"
#include "support/Ints.h"

#include "dialogs/nodes/frmEditSpNode.h"
#include "dialogs/records/frmEditSaveItem.h"
#include "dialogs/records/frmEditSpItem.h"
#include "dialogs/records/frmEventTimers.h"
#include "dialogs/records/frmTransport.h"

#include "support/SampleScenario.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

namespace {
const SpecialNode kFreeNode{0, -1, -1, -1, -1, 0, -1, -1, -1, -1, -1};

// Gives the node shown in the special-node editor a type, so that it is no longer free, and
// closes the editor with OK; or leaves it untouched and closes with Cancel.
void GiveNodeAType(frmEditSpNode& e) {
    QTest::mouseClick(e.cmdSpType[0], Qt::LeftButton);
    QListWidgetItem* item = e.lstNodeType->item(1);
    ASSERT_NE(item, nullptr);
    e.lstNodeType->scrollToItem(item);
    QTest::mouseClick(e.lstNodeType->viewport(), Qt::LeftButton, {},
                      e.lstNodeType->visualItemRect(item).center());
    QTest::mouseClick(e.cmdOK, Qt::LeftButton);
}

class ScenarioTablesTest : public RecordEditorTest {
  protected:
    void SetUp() override {
        RecordEditorTest::SetUp();
        Scen = MakeVariedScenario(1, 1, 3, 7);
        Scen.CurrentTown = 0;
        // One free node in each family for "Create/Edit" to take.
        Scen.ScenSpecialNodes[40] = kFreeNode;
        Scen.Towns[1].SpecialNodes[10] = kFreeNode;
    }
    void Timers(std::int32_t type, std::function<void(frmEventTimers&)> action) {
        Open<frmEventTimers>([type](frmEventTimers& d) { d.EventType = type; }, std::move(action));
    }
    // The scenario timers show ten rows under their labels, a town's eight under its own.
    static void ExpectRows(frmEventTimers& d, int type) {
        EXPECT_EQ(d.lblLabel1[0]->isVisible(), type == 0);
        EXPECT_EQ(d.lblLabel2[0]->isVisible(), type == 2);
        for (int i = 0; i < frmEventTimers::kRows; ++i)
            EXPECT_EQ(d.txtMoves[static_cast<std::size_t>(i)]->isVisible(), i < (type ? 8 : 10));
    }
    void Transports(std::function<void(frmTransport&)> action) {
        Open<frmTransport>([](frmTransport& d) { d.TransportType = 1; }, std::move(action));
    }
    void EditSpItem(std::int16_t n, std::function<void(frmEditSpItem&)> action) {
        Open<frmEditSpItem>([n](frmEditSpItem& d) { d.SpItemNum = n; }, std::move(action));
    }
};
} // namespace

TEST_F(ScenarioTablesTest, SavedItemAreasTakeTypedValuesAndRefuseWhatABoxCannotHold) {
    Scen.SavedItemAreas[0] = {-1, 0, 0, 0, 0};
    const auto stored = Scen.SavedItemAreas;
    for (bool ok : {false, true})
        Open<frmEditSaveItem>([](frmEditSaveItem&) {},
                              [this, ok, &stored](frmEditSaveItem& d) {
                                  const char* typed[] = {"5", "10", "12", "20", "22"};
                                  for (std::size_t k = 0; k < 5; ++k)
                                      Type(d.txtData[10 + k], typed[k]);
                                  if (ok) return QTest::keyClick(d.txtData[14], Qt::Key_Return);
                                  EXPECT_EQ(d.txtData[0]->text(), "-1");
                                  TypeInto(d.txtData[1], "");
                                  EXPECT_EQ(d.txtData[1]->text(), "0");
                                  // A side is a byte: 256 is refused; the box gets its value back.
                                  for (const char* refused : {"abc", "256"}) {
                                      TypeInto(d.txtData[13], refused);
                                      EXPECT_EQ(d.txtData[13]->text(), "20");
                                  }
                                  // One message for each refused key: "a", "ab", "abc", "256".
                                  EXPECT_EQ(Messages().size(), 4u);
                                  Click(d.cmdCancel);
                                  EXPECT_EQ(Scen.SavedItemAreas, stored) << "Cancel stores nothing";
                              });
    EXPECT_EQ(Scen.SavedItemAreas[2], (SavedItemArea{5, 10, 12, 20, 22}));
    EXPECT_EQ(Scen.SavedItemAreas[0], stored[0]);
}

TEST_F(ScenarioTablesTest, TownTimersEditTheCurrentTownWithTownNodes) {
    Scen.CurrentTown = 1;
    Scen.EventTimerMoves[15] = 77;
    const auto scenarioMoves = Scen.EventTimerMoves;
    std::int16_t offered = -1;
    Timers(2, [&](frmEventTimers& d) {
        ExpectRows(d, 2);
        Type(d.txtMoves[7], "25"); // not a multiple of 10, stored all the same
        Type(d.txtSpNode[7], "-1");
        When<frmEditSpNode>([&](frmEditSpNode& e) {
            EXPECT_EQ(e.NodeSet, 2);
            offered = e.NodeNum;
            GiveNodeAType(e);
        });
        Click(d.cmdButton[7]);
        EXPECT_EQ(d.txtSpNode[7]->text(), QString::number(offered));
        Click(d.cmdOK);
    });
    EXPECT_EQ(offered, 10);
    EXPECT_EQ(Ints(Scen.Towns[1].TimerMoves[7], Scen.Towns[1].TimerNodes[7]),
              (std::vector<int>{25, 10}));
    EXPECT_EQ(Scen.EventTimerMoves, scenarioMoves);
}

// Cancel in the node editor on a node made for the row: the node is still free, so the row
// must not name it.
TEST_F(ScenarioTablesTest, CancelOnANewNodeLeavesNoReferenceToAFreeNode) {
    const auto cancelNewNode = [this](std::int16_t& offered) {
        When<frmEditSpNode>([&offered](frmEditSpNode& e) {
            EXPECT_EQ(e.NodeSet, 0);
            offered = e.NodeNum;
            QTest::keyClick(&e, Qt::Key_Escape);
        });
    };
    Scen.EventTimerNodes[2] = -1;
    std::int16_t offered = -1;
    Timers(0, [&](frmEventTimers& d) {
        ExpectRows(d, 0);
        cancelNewNode(offered);
        Click(d.cmdButton[2]);
        EXPECT_EQ(d.txtSpNode[2]->text(), "-1");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Ints(offered, Scen.EventTimerNodes[2]), (std::vector<int>{40, -1}));

    Scen.SpecialItems[4].Node = -1;
    offered = -1;
    EditSpItem(4, [&](frmEditSpItem& d) {
        cancelNewNode(offered);
        Click(d.cmdButton);
        EXPECT_EQ(d.txtSpNode->text(), "-1");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Ints(offered, Scen.SpecialItems[4].Node), (std::vector<int>{40, -1}));
}

TEST_F(ScenarioTablesTest, SpecialItemTextsAreScenarioStringsSavedOnEachStep) {
    Scen.SpecialItems[7] = {12, 1, 0};
    Scen.ScenStrings[74] = "Key";
    EditSpItem(7, [](frmEditSpItem& d) {
        EXPECT_EQ(d.txtSpItemName->text(), "Key");
        EXPECT_TRUE(d.chkFlag1->isChecked());
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
    EXPECT_EQ(Scen.ScenStrings[60], "Zero");
    EXPECT_EQ(Scen.ScenStrings[159], "Last one");
}

TEST_F(ScenarioTablesTest, TransportPagesWrapAndCoordinatesFollowTheTownSize) {
    ASSERT_GE(Scen.TownCount, 3);
    Scen.Towns[1].Size = 1;
    Scen.Towns[2].Size = 2;
    Scen.Horses.fill({-1, 9, 9, 1});
    Scen.Horses[18] = {1, 5, 6, 0};
    Scen.Horses[19] = {2, 5, 6, 1};
    Scen.Horses[20] = {200, 7, 8, 0}; // names no town of the scenario
    const auto stored = Scen.Horses;
    const auto boats = Scen.Boats;
    Transports([this](frmTransport& d) {
        EXPECT_TRUE(d.lblLabel2[2]->isVisible()) << "the horse note";
        EXPECT_FALSE(d.txtXcoord[0]->isVisible());
        Click(d.cmdScrollLeft);
        EXPECT_EQ(d.lblTransNum[0]->text(), "18");
        EXPECT_EQ(d.lstTown[0]->currentIndex(), 2);
        EXPECT_EQ(d.lstTown[2]->currentIndex(), -1) << "no entry for a town that does not exist";
        struct Case {
            std::size_t row;
            const char* typed;
            bool refused;
        };
        for (const Case c : {Case{0, "47", false}, Case{0, "48", true}, Case{1, "31", false},
                             Case{1, "32", true}}) {
            const QString before = d.txtXcoord[c.row]->text();
            TypeInto(d.txtXcoord[c.row], c.typed);
            EXPECT_EQ(d.txtXcoord[c.row]->text(), c.refused ? before : c.typed) << c.typed;
        }
        EXPECT_EQ(Messages().size(), 2u);
        Choose(d.lstTown[1], 0); // "Not Assigned"
        EXPECT_FALSE(d.txtXcoord[1]->isVisible());
        Choose(d.lstTown[1], 3);
        EXPECT_TRUE(d.txtXcoord[1]->isVisible());
        EXPECT_EQ(d.txtYcoord[1]->text(), "6");
        Choose(d.lstTown[1], 0);
        Click(d.cmdScrollRight);
        EXPECT_EQ(d.lblTransNum[0]->text(), "0");
        Click(d.cmdCancel);
    });
    EXPECT_EQ(Scen.Horses, stored) << "Cancel writes nothing";

    Transports([](frmTransport& d) {
        Click(d.cmdScrollLeft);
        TypeInto(d.txtYcoord[0], "");
        EXPECT_EQ(d.txtYcoord[0]->text(), "0");
        Choose(d.lstTown[1], 0);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Scen.Horses[18], (Transport{1, 5, 0, 0}));
    EXPECT_EQ(Scen.Horses[19], (Transport{-1, 0, 0, 0}));
    EXPECT_EQ(Scen.Horses[20], (Transport{200, 7, 8, 0})) << "a stored town without entry is kept";
    EXPECT_EQ(Scen.Horses[0], (Transport{-1, 0, 0, 0}));
    EXPECT_EQ(Scen.Boats, boats);
}

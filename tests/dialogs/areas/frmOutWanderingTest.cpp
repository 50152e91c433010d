#include "dialogs/areas/frmOutWandering.h"

#include "dialogs/nodes/frmEditSpNode.h"
#include "platform/qt/QtText.h"
#include "support/DialogDriver.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
class OutWanderingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Scen = MakeVariedScenario(2, 2, 2, 31);
        Scen.CurrentOutdoorX = 1;
        Scen.CurrentOutdoorY = 0;
        for (std::size_t e = 0; e < 4; ++e) {
            OutdoorEncounter& w = section().Wandering[e];
            w = {};
            w.Monsters[0] = static_cast<std::uint8_t>(10 + e);
            w.StartNode = static_cast<std::int16_t>(e);
            w.StuffDoneA = 20;
            section().Specials[e] = w;
            section().Specials[e].Monsters[0] = static_cast<std::uint8_t>(50 + e);
        }
    }
    void TearDown() override { UnloadAllForms(); }

    frmOutWandering& Edit(std::int16_t context, const std::function<void(frmOutWandering&)>& a) {
        return OpenDialog<frmOutWandering>([context](frmOutWandering& d) { d.Context = context; },
                                           a);
    }
    OutdoorSection& section() { return Scen.OutdoorSections.At(1, 0); }
    MsgBoxRecorder boxes;
};
} // namespace

TEST_F(OutWanderingTest, ArrowsWrapAndKeepEditsUntilCancel) {
    const OutdoorSection before = section();
    Edit(0, [](frmOutWandering& d) {
        EXPECT_EQ(d.Label1->text(), "Outdoor Wandering Encounter:");
        EXPECT_EQ(FromQString(d.lstMonster[0]->itemText(0)), " 0 - " + Scen.MonsterTypes[0].Name);
        EXPECT_EQ(d.lstMonster[0]->currentIndex(), 10);
        Click(d.cmdScrollLeft);
        EXPECT_EQ(d.lblEncNumber->text(), "3") << "left of encounter 0 is encounter 3";
        Click(d.cmdScrollRight);
        Click(d.cmdScrollRight);
        EXPECT_EQ(d.lblEncNumber->text(), "1");
        ChooseRow(d.lstMonster[9], 17);
        TypeInto(d.txtSDFlag[1], "255");
        Click(d.chkForce);
        Click(d.cmdScrollRight);
        EXPECT_EQ(d.lstMonster[9]->currentIndex(), 0);
        EXPECT_FALSE(d.chkForce->isChecked());
        Click(d.cmdScrollLeft);
        EXPECT_EQ(d.lstMonster[9]->currentIndex(), 17) << "edits of encounter 1 are kept";
        EXPECT_EQ(d.txtSDFlag[1]->text(), "255");
        EXPECT_TRUE(d.chkForce->isChecked());
        Click(d.cmdScrollRight);
        Click(d.cmdScrollRight);
        Click(d.cmdScrollRight);
        EXPECT_EQ(d.lblEncNumber->text(), "0") << "right of encounter 3 is encounter 0";
        Click(d.cmdCancel);
    });
    EXPECT_EQ(section(), before);
}

TEST_F(OutWanderingTest, SpecialSetIsTheOneWritten) {
    const auto wandering = section().Wandering;
    Edit(1, [](frmOutWandering& d) {
        EXPECT_EQ(d.Label1->text(), "Outdoor Special Encounter:");
        EXPECT_EQ(d.lstMonster[0]->currentIndex(), 50);
        Click(d.chkFlee);
        TypeInto(d.txtSpNode[2], "", false);
        Click(d.cmdScrollRight);
        EXPECT_EQ(d.lstMonster[0]->currentIndex(), 51);
        Click(d.cmdScrollLeft);
        EXPECT_EQ(d.txtSpNode[2]->text(), "0") << "an emptied box takes 0";
        QTest::keyClick(d.txtSpNode[2], Qt::Key_Return);
    });
    EXPECT_EQ(section().Wandering, wandering);
    EXPECT_EQ(section().Specials[0].CannotFlee, 1);
    EXPECT_EQ(section().Specials[0].FleeNode, 0);
}

TEST_F(OutWanderingTest, NodesAndFlagsTakeMinusOneTo255) {
    Edit(0, [this](frmOutWandering& d) {
        for (QLineEdit* box : {d.txtSpNode[1], d.txtSDFlag[0]}) {
            const std::size_t shown = boxes.Calls().size();
            TypeInto(box, "256", false);
            ASSERT_EQ(boxes.Calls().size(), shown + 1);
            EXPECT_EQ(boxes.Calls().back().text, "Value must be between -1 and 255.");
            QTest::keyClick(box, Qt::Key_Return);
            EXPECT_TRUE(d.isVisible()) << "OK waits for an accepted entry";
            TypeInto(box, "-1");
        }
        Click(d.cmdOK);
    });
    EXPECT_EQ(section().Wandering[0].WinNode, -1);
    EXPECT_EQ(section().Wandering[0].StuffDoneA, -1);
}

TEST_F(OutWanderingTest, NewNodeLeftFreeKeepsMinusOneAndEditsSurvive) {
    for (SpecialNode& node : section().SpecialNodes)
        node = SpecialNode{0, -1, 0, -1, -1, -1, 0, 0, 0, 0, -1};
    section().SpecialNodes[0].Type = 5;
    section().Wandering[2].WinNode = -1;
    std::int16_t offered = -2;
    Edit(0, [&](frmOutWandering& d) {
        Click(d.cmdScrollLeft);
        Click(d.cmdScrollLeft); // encounter 2
        ChooseRow(d.lstMonster[3], 9);
        SetModalFormHook([&](ModalForm& form) {
            auto* editorFound = OpenedAs<frmEditSpNode>(form);
            if (!editorFound) return;
            auto& editor = *editorFound;
            EXPECT_EQ(editor.NodeSet, 1);
            offered = editor.NodeNum;
            form.show();
            QTest::keyClick(&form, Qt::Key_Return); // OK without giving the node a type
        });
        Click(d.cmdSpNode[1]);
        EXPECT_EQ(offered, 1) << "the first free node was taken for the new reference";
        EXPECT_EQ(d.txtSpNode[1]->text(), "-1") << "a still-free new node is no node";
        EXPECT_EQ(d.lblEncNumber->text(), "2");
        EXPECT_EQ(d.lstMonster[3]->currentIndex(), 9);
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        TypeInto(d.txtSpNode[1], "0");
        Click(d.cmdSpNode[1]);
        EXPECT_EQ(offered, 0);
        EXPECT_EQ(d.txtSpNode[1]->text(), "0") << "an existing node is kept";
        SetModalFormHook({});
        d.activateWindow();
        Click(d.cmdOK);
    });
    EXPECT_EQ(section().Wandering[2].WinNode, 0);
    EXPECT_EQ(section().Wandering[2].Monsters[3], 9);
}

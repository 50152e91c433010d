#include "dialogs/nodes/frmDialogNode.h"
#include "dialogs/nodes/DialogueHarness.h"

#include "forms/MultiLineBox.h"

#include <QLabel>
#include <QPushButton>

namespace {
class TalkingNodeEditorTest : public DialogueTest {
  protected:
    void SetUp() override {
        DialogueTest::SetUp();
        for (std::size_t slot = 0; slot < 10; ++slot)
            Scen.TownTalks[1].Personalities[slot].Name = "Per" + std::to_string(slot);
        for (int flag : {12, 40}) {
            StuffDoneDescription& names = Scen.StuffDoneNames[static_cast<std::size_t>(flag)];
            names.Name = "Flag" + std::to_string(flag);
            for (std::size_t v = 0; v < 10; ++v)
                names.ValueNames[v] = "F" + std::to_string(flag) + "v" + std::to_string(v);
        }
        for (std::size_t n = 0; n < 50; ++n)
            Scen.ScenStrings[60 + 2 * n] = "Special " + std::to_string(n);
    }
    static TalkingNode& Node(std::size_t n) { return Scen.TownTalks[1].Nodes[n]; }
    static TalkingNode& Typed(std::size_t n, std::int16_t type,
                              std::array<std::int16_t, 4> extras = {}) {
        TalkingNode& node = Node(n);
        node.PersonalityNum = 12;
        node.NodeType = type;
        node.Word1 = "help";
        node.Word2 = "aid ";
        node.Extra = extras;
        return node;
    }
    frmDialogNode& OpenNode(std::int16_t n, std::function<void(frmDialogNode&)> act,
                            std::function<void(frmEditSpNode&)> nodeEditor = {}) {
        SharedForm<frmDialogNode>().DialogNum = n;
        return Open<frmDialogNode>(std::move(act), std::move(nodeEditor));
    }
};

TEST_F(TalkingNodeEditorTest, ArrowsSaveFirstAndWrapThroughTheNinetyNodes) {
    Typed(89, 0).Text1 = "Last node";
    OpenNode(0, [](frmDialogNode& d) {
        TypeInto(d.txtWord[0], "hi");
        Click(d.cmdScrollLeft);
        EXPECT_EQ(d.lblNodeNum->text(), "89");
        EXPECT_EQ(d.txtText[0]->ModelText(), "Last node");
        Click(d.cmdScrollRight);
        EXPECT_EQ(d.DialogNum, 0);
        EXPECT_EQ(d.txtWord[0]->text(), "hi  ");
        Click(d.cmdCancel);
    });
    EXPECT_EQ(Node(0).Word1, "hi  ");
    EXPECT_EQ(Node(89).Text1, "Last node");
}

TEST_F(TalkingNodeEditorTest, PersonalityListNumbersTheCurrentTownsPersonalities) {
    Scen.CurrentTown = 1;
    Typed(3, 0);
    OpenNode(3, [](frmDialogNode& d) {
        ASSERT_EQ(d.lstPersonality->count(), 12);
        EXPECT_EQ(d.lstPersonality->itemText(0), "-2 - Everybody");
        EXPECT_EQ(d.lstPersonality->itemText(1), "-1 - Unused");
        EXPECT_EQ(d.lstPersonality->itemText(7), "15 - Per5");
        EXPECT_EQ(d.lstPersonality->currentIndex(), 4); // 12
        ChooseRow(d.lstPersonality, 7);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Node(3).PersonalityNum, 15);
    OpenNode(3, [](frmDialogNode& d) {
        ChooseRow(d.lstPersonality, 0);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Node(3).PersonalityNum, -2);
}

TEST_F(TalkingNodeEditorTest, KeywordsAreFourCharactersAndAnEmptiedOneBecomesXxxx) {
    Typed(4, 0);
    OpenNode(4, [](frmDialogNode& d) {
        EXPECT_EQ(d.txtWord[1]->text(), "aid ");
        TypeInto(d.txtWord[0], "");
        EXPECT_EQ(d.txtWord[0]->text(), "xxxx");
        TypeInto(d.txtWord[1], "ab");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Node(4).Word1, "xxxx");
    EXPECT_EQ(Node(4).Word2, "ab  ");
}

TEST_F(TalkingNodeEditorTest, FlagListsFollowPartAAndAChosenFlagRefillsTheValues) {
    Typed(5, 1, {12, 3, 7, 0});
    OpenNode(5, [](frmDialogNode& d) {
        EXPECT_EQ(d.lblPrompt[0]->text(), "Stuff Done flag Part A");
        EXPECT_EQ(d.lblPrompt[3]->text(), "Unused");
        ASSERT_FALSE(d.lstChoose[0]->isHidden());
        EXPECT_EQ(d.lstChoose[0]->count(), 300);
        EXPECT_EQ(d.lstChoose[0]->currentIndex(), 12);
        EXPECT_EQ(d.lstChoose[0]->itemText(12), "12 - Flag12");
        EXPECT_EQ(d.lstChoose[0]->itemText(13), "13 - ");
        EXPECT_EQ(d.lstChoose[1]->itemText(3), "3 - F12v3");
        EXPECT_EQ(d.lstChoose[1]->currentIndex(), 3);
        ChooseRow(d.lstChoose[0], 40);
        EXPECT_EQ(d.txtExtra[0]->text(), "40");
        EXPECT_EQ(d.lstChoose[1]->itemText(3), "3 - F40v3");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Node(5).Extra, (std::array<std::int16_t, 4>{40, 3, 7, 0}));
}

TEST_F(TalkingNodeEditorTest, ARejectedExtraGetsItsValueBackAndBlocksOkUntilCorrected) {
    Typed(6, 1, {12, 3, 0, 0});
    OpenNode(6, [this](frmDialogNode& d) {
        TypeInto(d.txtExtra[0], "300");
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].text, "Value must be between 0 and 299.");
        EXPECT_EQ(d.txtExtra[0]->text(), "12");
        Click(d.cmdOK);
        EXPECT_TRUE(d.isVisible());
        TypeInto(d.txtExtra[2], "-");
        EXPECT_EQ(boxes.Calls().back().text, "Value must be numeric.");
        EXPECT_EQ(d.txtExtra[2]->text(), "0");
        TypeInto(d.txtExtra[0], "20");
        Click(d.cmdOK);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(Node(6).Extra[0], 20);
}

// Saving used to convert whatever the focused box held; now it is checked like a box left.
TEST_F(TalkingNodeEditorTest, EnterInAnExtraBoxChecksTheEntryBeforeSaving) {
    Typed(7, 3, {10, 2, 5, 8});
    Scen.Towns[1].Boundary = {5, 8, 40, 30};
    OpenNode(7, [this](frmDialogNode& d) {
        struct Entry {
            int extra;
            const char* text;
            bool accepted;
        };
        for (const Entry e : {Entry{2, "41", false}, Entry{2, "4", false}, Entry{3, "31", false},
                              Entry{3, "7", false}}) {
            d.txtExtra[static_cast<std::size_t>(e.extra)]->setFocus();
            d.txtExtra[static_cast<std::size_t>(e.extra)]->selectAll();
            QTest::keyClicks(d.txtExtra[static_cast<std::size_t>(e.extra)], e.text);
            PressEnter(d.txtExtra[static_cast<std::size_t>(e.extra)]);
            EXPECT_TRUE(d.isVisible()) << e.text;
        }
        EXPECT_EQ(boxes.Calls().back().text, "Value must be between 8 and 30.");
        d.txtExtra[2]->setFocus();
        d.txtExtra[2]->selectAll();
        QTest::keyClicks(d.txtExtra[2], "40");
        PressEnter(d.txtExtra[2]);
    });
    EXPECT_EQ(Node(7).Extra, (std::array<std::int16_t, 4>{10, 2, 40, 8}));
}

TEST_F(TalkingNodeEditorTest, PickListsSelectOnlyValuesThatHaveAnEntry) {
    struct Case {
        std::int16_t type;
        std::array<std::int16_t, 4> extras;
        int list;
        int count;
        int selected;
    };
    const Case cases[] = {
        {22, {49, 0, 0, 0}, 0, 50, 49}, {22, {50, 0, 0, 0}, 0, 50, -1},
        {6, {1, 0, 0, 0}, 0, 2, 1},     {6, {2, 0, 0, 0}, 0, 2, -1}, // 2 towns
        {24, {0, 5, 0, 0}, 1, 2, -1},   {7, {0, 499, 0, 0}, 1, 500, 499},
        {9, {0, 61, 0, 0}, 1, 62, 61},  {11, {0, 19, 0, 0}, 1, 20, 19},
        {17, {-1, 0, 0, 0}, 0, 7, -1},  {1, {300, 0, 0, 0}, 1, 0, -1},
        {19, {0, 40, 9, 0}, 2, 10, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        Typed(8, c.type, c.extras);
        OpenNode(8, [&](frmDialogNode& d) {
            const auto list = static_cast<std::size_t>(c.list);
            ASSERT_FALSE(d.lstChoose[list]->isHidden());
            EXPECT_EQ(d.lstChoose[list]->count(), c.count);
            EXPECT_EQ(d.lstChoose[list]->currentIndex(), c.selected);
            Click(d.cmdOK);
        });
        EXPECT_EQ(Node(8).Extra, c.extras); // stored values stay, with or without an entry
    }
    Scen.Towns[1].Strings[0] = "Eastwatch";
    Typed(8, 24, {0, 1, 0, 0});
    OpenNode(8, [](frmDialogNode& d) {
        EXPECT_EQ(d.lstChoose[1]->itemText(1), "1- Eastwatch");
        EXPECT_EQ(d.lstChoose[1]->currentIndex(), 1);
        Click(d.cmdCancel);
    });
}

TEST_F(TalkingNodeEditorTest, TheNodeTypeDecidesWhichExtrasAreKept) {
    Typed(9, 7, {3, 250, 20, 0});
    OpenNode(9, [](frmDialogNode& d) {
        EXPECT_EQ(d.lblPrompt[4]->text(), "Name of shop");
        ChooseRow(d.lstType, 1);
        EXPECT_EQ(d.txtExtra[1]->text(), "250"); // kept, although type 1 takes 0..9
        EXPECT_EQ(d.txtExtra[2]->text(), "20");
        Click(d.cmdScrollRight);
        Click(d.cmdScrollLeft);
        ChooseRow(d.lstType, 0);
        for (QLineEdit* extra : d.txtExtra)
            EXPECT_EQ(extra->text(), "0");
        ChooseRow(d.lstType, 8);
        for (QLabel* prompt : d.lblPrompt)
            EXPECT_EQ(prompt->text(), "Unused");
        for (QComboBox* list : d.lstChoose)
            EXPECT_TRUE(list->isHidden());
        EXPECT_TRUE(d.cmdButton->isHidden());
        Click(d.cmdCancel);
    });
    EXPECT_EQ(Node(9).NodeType, 1);
    EXPECT_EQ(Node(9).Extra, (std::array<std::int16_t, 4>{3, 250, 20, 0}));
}

TEST_F(TalkingNodeEditorTest, AStoredTypeOrPersonalityWithoutAnEntryOpensAndSavesExtrasAsZero) {
    Typed(10, 40, {1, 2, 3, 4}).PersonalityNum = 35; // another town's personality
    OpenNode(10, [](frmDialogNode& d) {
        EXPECT_EQ(d.lstType->currentIndex(), -1);
        EXPECT_EQ(d.lstPersonality->currentIndex(), -1);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Node(10).NodeType, 40);
    EXPECT_EQ(Node(10).PersonalityNum, 35);
    EXPECT_EQ(Node(10).Extra, (std::array<std::int16_t, 4>{}));
}

TEST_F(TalkingNodeEditorTest, CreateEditOpensTheTownOrScenarioNodeOfExtraA) {
    struct Case {
        std::int16_t type;
        std::int16_t a;
        std::int32_t family;
        std::int16_t opened;
        std::int16_t back;
    };
    // A new node (A = 0) gets the first free node of its family (node 0 is in use); the
    // editor's OK hands it back.
    FamilyNode(Scen, 0, 0).Type = 1;
    FamilyNode(Scen, 2, 0).Type = 1;
    for (const Case c : {Case{29, 0, 2, -1, 1}, Case{29, 17, 2, 17, 17}, Case{30, 0, 0, -1, 1}}) {
        SCOPED_TRACE(c.type * 100 + c.a);
        Typed(11, c.type, {c.a, 0, 0, 0}).Text1.clear();
        OpenNode(
            11,
            [&](frmDialogNode& d) {
                ASSERT_TRUE(d.cmdButton->isVisible());
                d.txtText[0]->setFocus();
                QTest::keyClicks(d.txtText[0], "unsaved");
                Click(d.cmdButton);
                EXPECT_EQ(d.txtExtra[0]->text(), QString::number(c.back));
                EXPECT_EQ(d.txtText[0]->ModelText(), "unsaved"); // no reload on return
                Click(d.cmdOK);
            },
            [&](frmEditSpNode& e) {
                EXPECT_EQ(e.NodeSet, c.family);
                EXPECT_EQ(e.lblNodeNum->text(), QString::number(c.back));
                Click(e.cmdOK);
            });
        EXPECT_EQ(Node(11).Extra[0], c.back);
        EXPECT_EQ(Node(11).Text1, "unsaved");
    }
}

// Cancel in the node editor on a node taken for a new call hands back no node.
TEST_F(TalkingNodeEditorTest, CancelOnANewlyAllocatedNodeKeepsNoNode) {
    Typed(12, 29, {0, 0, 0, 0});
    OpenNode(
        12,
        [](frmDialogNode& d) {
            Click(d.cmdButton);
            EXPECT_EQ(d.txtExtra[0]->text(), "-1");
            Click(d.cmdOK);
        },
        [](frmEditSpNode& e) { Click(e.cmdCancel); });
    EXPECT_EQ(Node(12).Extra[0], -1);
    EXPECT_TRUE(IsFreeNode(Scen.Towns[1].SpecialNodes[0]));
}
} // namespace

#include "dialogs/nodes/frmDialogNode.h"
#include "dialogs/nodes/NodeWindows.h"
#include "forms/MultiLineBox.h"

namespace {
using Extras = std::array<std::int16_t, 4>;

class TalkingNodeEditorTest : public NodeWindowTest {
  protected:
    void SetUp() override {
        NodeWindowTest::SetUp();
        Scen.TownTalks[1].Personalities[5].Name = "Per5";
        Scen.StuffDoneNames[12].Name = "Flag12";
        Scen.StuffDoneNames[12].ValueNames[3] = "F12v3";
        Scen.StuffDoneNames[40].ValueNames[3] = "F40v3";
    }
    static TalkingNode& Node(std::size_t n) { return Scen.TownTalks[1].Nodes[n]; }
    static TalkingNode& Typed(std::size_t n, std::int16_t type, Extras extras = {}) {
        TalkingNode& node = Node(n);
        node.PersonalityNum = 12;
        node.NodeType = type;
        node.Word1 = "help";
        node.Word2 = "aid ";
        node.Extra = extras;
        return node;
    }
    static void OpenNode(std::int16_t n, std::function<void(frmDialogNode&)> act) {
        OpenDialog<frmDialogNode>([n](frmDialogNode& d) { d.DialogNum = n; }, std::move(act));
    }
};

// The texts of the list's entries given.
QStringList Entries(QComboBox* list, std::initializer_list<int> rows) {
    QStringList texts;
    for (int row : rows)
        texts << list->itemText(row);
    return texts;
}

// The arrows save first and wrap through the ninety nodes; keywords are four characters and an
// emptied one becomes "xxxx".
TEST_F(TalkingNodeEditorTest, ArrowsSaveFirstAndWrapAndPersonalitiesAreNumberedByTown) {
    Typed(0, 0);
    Typed(89, 0).Text1 = "Last node";
    OpenNode(0, [](frmDialogNode& d) {
        ASSERT_EQ(d.lstPersonality->count(), 12);
        EXPECT_EQ(Entries(d.lstPersonality, {0, 1, 7}),
                  (QStringList{"-2 - Everybody", "-1 - Unused", "15 - Per5"}));
        EXPECT_EQ(d.lstPersonality->currentIndex(), 4); // 12
        ChooseRow(d.lstPersonality, 7);
        EXPECT_EQ(d.txtWord[1]->text(), "aid ");
        TypeInto(d.txtWord[0], "");
        EXPECT_EQ(d.txtWord[0]->text(), "xxxx");
        TypeInto(d.txtWord[1], "ab");
        Click(d.cmdScrollLeft);
        EXPECT_EQ(d.lblNodeNum->text(), "89");
        EXPECT_EQ(d.txtText[0]->ModelText(), "Last node");
        Click(d.cmdScrollRight);
        EXPECT_EQ(d.DialogNum, 0);
        EXPECT_EQ(d.txtWord[1]->text(), "ab  ");
        Click(d.cmdCancel);
    });
    EXPECT_EQ(Node(0).PersonalityNum, 15);
    EXPECT_EQ(Node(0).Word1 + Node(0).Word2, "xxxxab  ");
    EXPECT_EQ(Node(89).Text1, "Last node");
    OpenNode(0, [](frmDialogNode& d) {
        ChooseRow(d.lstPersonality, 0);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Node(0).PersonalityNum, -2);
}

// A rejected extra gets its value back and blocks OK until corrected.
TEST_F(TalkingNodeEditorTest, FlagListsFollowPartAAndRejectedExtrasBlockOk) {
    Typed(5, 1, {12, 3, 7, 0});
    OpenNode(5, [this](frmDialogNode& d) {
        EXPECT_EQ(d.lblPrompt[0]->text() + "|" + d.lblPrompt[3]->text(),
                  "Stuff Done flag Part A|Unused");
        ASSERT_FALSE(d.lstChoose[0]->isHidden());
        EXPECT_EQ(d.lstChoose[0]->count(), 300);
        EXPECT_EQ(d.lstChoose[0]->currentIndex(), 12);
        EXPECT_EQ(d.lstChoose[1]->currentIndex(), 3);
        EXPECT_EQ(Entries(d.lstChoose[0], {12, 13}), (QStringList{"12 - Flag12", "13 - "}));
        EXPECT_EQ(d.lstChoose[1]->itemText(3), "3 - F12v3");
        ChooseRow(d.lstChoose[0], 40);
        EXPECT_EQ(d.txtExtra[0]->text(), "40");
        EXPECT_EQ(d.lstChoose[1]->itemText(3), "3 - F40v3");
        TypeInto(d.txtExtra[0], "300");
        EXPECT_EQ(d.txtExtra[0]->text(), "40");
        Click(d.cmdOK);
        EXPECT_TRUE(d.isVisible());
        TypeInto(d.txtExtra[2], "-");
        EXPECT_EQ(d.txtExtra[2]->text(), "7");
        EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Value must be between 0 and 299.",
                                                           "Value must be numeric."}));
        TypeInto(d.txtExtra[0], "20");
        Click(d.cmdOK);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(Node(5).Extra, (Extras{20, 3, 7, 0}));
}

// Saving used to convert whatever the focused box held; now it is checked like a box left.
TEST_F(TalkingNodeEditorTest, EnterInAnExtraBoxChecksTheEntryBeforeSaving) {
    Typed(7, 3, {10, 2, 5, 8});
    Scen.Towns[1].Boundary = {5, 8, 40, 30};
    OpenNode(7, [this](frmDialogNode& d) {
        const std::pair<std::size_t, const char*> entries[] = {
            {2, "41"}, {2, "4"}, {3, "31"}, {3, "7"}};
        for (const auto& entry : entries) {
            Enter(d.txtExtra[entry.first], entry.second);
            EXPECT_TRUE(d.isVisible()) << entry.second;
        }
        EXPECT_EQ(boxes.Calls().back().text, "Value must be between 8 and 30.");
        Enter(d.txtExtra[2], "40");
    });
    EXPECT_EQ(Node(7).Extra, (Extras{10, 2, 40, 8}));
}

TEST_F(TalkingNodeEditorTest, PickListsSelectOnlyValuesThatHaveAnEntry) {
    struct Case {
        std::int16_t type;
        Extras extras;
        int list, count, selected;
        const char* text = nullptr; // of the entry selected
    };
    Scen.Towns[1].Strings[0] = "Eastwatch";
    const Case cases[] = {
        {22, {49, 0, 0, 0}, 0, 50, 49}, {22, {50, 0, 0, 0}, 0, 50, -1},
        {6, {1, 0, 0, 0}, 0, 2, 1},     {6, {2, 0, 0, 0}, 0, 2, -1}, // 2 towns
        {24, {0, 5, 0, 0}, 1, 2, -1},   {7, {0, 499, 0, 0}, 1, 500, 499},
        {9, {0, 61, 0, 0}, 1, 62, 61},  {11, {0, 19, 0, 0}, 1, 20, 19},
        {17, {-1, 0, 0, 0}, 0, 7, -1},  {1, {300, 0, 0, 0}, 1, 0, -1},
        {19, {0, 40, 9, 0}, 2, 10, 9},  {24, {0, 1, 0, 0}, 1, 2, 1, "1- Eastwatch"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        Typed(8, c.type, c.extras);
        OpenNode(8, [&](frmDialogNode& d) {
            QComboBox* list = d.lstChoose[static_cast<std::size_t>(c.list)];
            ASSERT_FALSE(list->isHidden());
            EXPECT_EQ(list->count(), c.count);
            EXPECT_EQ(list->currentIndex(), c.selected);
            EXPECT_EQ(c.text ? list->currentText() : "", c.text ? c.text : "");
            Click(d.cmdOK);
        });
        EXPECT_EQ(Node(8).Extra, c.extras); // stored values stay, with or without an entry
    }
}

TEST_F(TalkingNodeEditorTest, TheNodeTypeDecidesWhichExtrasAreKept) {
    Typed(9, 7, {3, 250, 20, 0});
    Typed(10, 40, {1, 2, 3, 4}).PersonalityNum = 35; // another town's personality
    OpenNode(9, [](frmDialogNode& d) {
        EXPECT_EQ(d.lblPrompt[4]->text(), "Name of shop");
        ChooseRow(d.lstType, 1);
        // Kept, although type 1 takes 0..9.
        EXPECT_EQ(d.txtExtra[1]->text() + " " + d.txtExtra[2]->text(), "250 20");
        Click(d.cmdScrollRight); // node 10: a stored type or personality without an entry
        EXPECT_EQ(Ints(d.lstType->currentIndex(), d.lstPersonality->currentIndex()), Ints(-1, -1));
        Click(d.cmdScrollLeft);
        ChooseRow(d.lstType, 0);
        for (QLineEdit* extra : d.txtExtra)
            EXPECT_EQ(extra->text(), "0");
        ChooseRow(d.lstType, 8);
        for (std::size_t i = 0; i < d.lblPrompt.size(); ++i) {
            EXPECT_EQ(d.lblPrompt[i]->text(), "Unused");
            EXPECT_TRUE(i >= d.lstChoose.size() || d.lstChoose[i]->isHidden()) << i;
        }
        EXPECT_TRUE(d.cmdButton->isHidden());
        Click(d.cmdCancel);
    });
    EXPECT_EQ(Node(9).NodeType, 1);
    EXPECT_EQ(Node(9).Extra, (Extras{3, 250, 20, 0}));
    EXPECT_EQ(Ints(Node(10).NodeType, Node(10).PersonalityNum), Ints(40, 35));
    EXPECT_EQ(Node(10).Extra, Extras{}); // saved as zero
}

// A new node (A = 0) gets the first free node of its family (node 0 is in use) and the node
// editor's OK hands it back; its Cancel on a node taken for a new call hands back none.
TEST_F(TalkingNodeEditorTest, CreateEditOpensTheTownOrScenarioNodeOfExtraA) {
    struct Case {
        std::int16_t type, a, family, ok, back;
    };
    FamilyNode(Scen, 0, 0).Type = 1;
    FamilyNode(Scen, 2, 0).Type = 1;
    for (const Case c :
         {Case{29, 0, 2, 1, 1}, {29, 17, 2, 1, 17}, {30, 0, 0, 1, 1}, {29, 0, 2, 0, -1}}) {
        SCOPED_TRACE(c.type * 100 + c.a);
        Typed(11, c.type, {c.a, 0, 0, 0}).Text1.clear();
        WindowScript script;
        script.When<frmEditSpNode>([&](frmEditSpNode& e) {
            EXPECT_EQ(e.NodeSet, c.family);
            EXPECT_EQ(e.lblNodeNum->text(), QString::number(c.ok ? c.back : 1));
            Click(c.ok ? e.cmdOK : e.cmdCancel);
        });
        script.Open<frmDialogNode>([](frmDialogNode& d) { d.DialogNum = 11; },
                                   [&](frmDialogNode& d) {
                                       ASSERT_TRUE(d.cmdButton->isVisible());
                                       d.txtText[0]->setFocus();
                                       QTest::keyClicks(d.txtText[0], "unsaved");
                                       Click(d.cmdButton);
                                       EXPECT_EQ(d.txtExtra[0]->text(), QString::number(c.back));
                                       // No reload on return.
                                       EXPECT_EQ(d.txtText[0]->ModelText(), "unsaved");
                                       Click(d.cmdOK);
                                   });
        EXPECT_EQ(Node(11).Extra[0], c.back);
        EXPECT_EQ(Node(11).Text1, "unsaved");
    }
    EXPECT_TRUE(IsFreeNode(Scen.Towns[1].SpecialNodes[1]));
}
} // namespace

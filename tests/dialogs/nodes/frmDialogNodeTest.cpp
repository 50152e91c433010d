#include "dialogs/nodes/frmDialogNode.h"
#include "dialogs/nodes/NodeWindows.h"
#include "dialogs/nodes/frmDialog.h"
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

// The arrows save first and wrap through the ninety nodes; keywords are four characters and an
// emptied one becomes "xxxx"; personalities are numbered by town.
TEST_F(TalkingNodeEditorTest, ArrowsSaveFirstAndWrapAndPersonalitiesAreNumberedByTown) {
    Typed(0, 0);
    Typed(89, 0).Text1 = "Last node";
    OpenNode(0, [](frmDialogNode& d) {
        EXPECT_EQ(Seen(d.lstPersonality) + "|" + d.lstPersonality->itemText(0) + "|" +
                      d.lstPersonality->itemText(1) + "|" + d.lstPersonality->itemText(7),
                  "12 #4 12 - Unused|-2 - Everybody|-1 - Unused|15 - Per5");
        ChooseRow(d.lstPersonality, 7);
        TypeInto(d.txtWord[0], "");
        EXPECT_EQ(Joined(d.txtWord), "xxxx|aid ");
        TypeInto(d.txtWord[1], "ab");
        Click(d.cmdScrollLeft);
        EXPECT_EQ(d.lblNodeNum->text() + d.txtText[0]->ModelText().c_str(), "89Last node");
        ChooseRow(d.lstPersonality, 0);
        Click(d.cmdScrollRight);
        EXPECT_EQ(QString::number(d.DialogNum) + Joined(d.txtWord), "0xxxx|ab  ");
        Click(d.cmdCancel);
    });
    EXPECT_EQ(Node(0).Word1 + Node(0).Word2 + Node(89).Text1, "xxxxab  Last node");
    EXPECT_EQ(Ints(Node(0).PersonalityNum, Node(89).PersonalityNum), Ints(15, -2));
}

// A rejected extra gets its value back and blocks OK until corrected.
TEST_F(TalkingNodeEditorTest, FlagListsFollowPartAAndRejectedExtrasBlockOk) {
    Typed(5, 1, {12, 3, 7, 0});
    OpenNode(5, [this](frmDialogNode& d) {
        EXPECT_EQ(d.lblPrompt[0]->text() + "|" + d.lblPrompt[3]->text(),
                  "Stuff Done flag Part A|Unused");
        EXPECT_EQ(Seen(d.lstChoose[0]) + "|" + Seen(d.lstChoose[1]) + "|" +
                      d.lstChoose[0]->itemText(13),
                  "300 #12 12 - Flag12|10 #3 3 - F12v3|13 - ");
        ChooseRow(d.lstChoose[0], 40);
        EXPECT_EQ(d.txtExtra[0]->text() + "|" + d.lstChoose[1]->itemText(3), "40|3 - F40v3");
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

// Stored values stay, with or without an entry.
TEST_F(TalkingNodeEditorTest, PickListsSelectOnlyValuesThatHaveAnEntry) {
    Scen.Towns[1].Strings[0] = "Eastwatch";
    // type, extras, list, as seen
    // clang-format off
    const std::tuple<std::int16_t, Extras, std::size_t, const char*> cases[] = {
        {22, {49, 0, 0, 0}, 0, "50 #49 *"},      {22, {50, 0, 0, 0}, 0, "50 #-1"},
        {6, {1, 0, 0, 0}, 0, "2 #1 1- Eastwatch"}, {6, {2, 0, 0, 0}, 0, "2 #-1"}, // 2 towns
        {24, {0, 5, 0, 0}, 1, "2 #-1"},          {7, {0, 499, 0, 0}, 1, "500 #499 499-"},
        {9, {0, 61, 0, 0}, 1, "62 #61 61- Death Arrows"},     {17, {-1, 0, 0, 0}, 0, "7 #-1"},
        {11, {0, 19, 0, 0}, 1, "20 #19 19- Strong Energy Potion"}, {1, {300, 0, 0, 0}, 1, "0 #-1"},
        {19, {0, 40, 9, 0}, 2, "10 #9 9 -"},     {24, {0, 1, 0, 0}, 1, "2 #1 1- Eastwatch"}};
    // clang-format on
    for (const auto& [type, extras, list, seen] : cases) {
        SCOPED_TRACE(type);
        Typed(8, type, extras);
        OpenNode(8, [list = list, seen = seen](frmDialogNode& d) {
            EXPECT_EQ(Seen(d.lstChoose[list]), seen);
            Click(d.cmdOK);
        });
        EXPECT_EQ(Node(8).Extra, extras);
    }
}

TEST_F(TalkingNodeEditorTest, TheNodeTypeDecidesWhichExtrasAreKept) {
    Typed(9, 7, {3, 250, 20, 0});
    Typed(10, 40, {1, 2, 3, 4}).PersonalityNum = 35; // another town's personality
    OpenNode(9, [](frmDialogNode& d) {
        EXPECT_EQ(d.lblPrompt[4]->text(), "Name of shop");
        ChooseRow(d.lstType, 1);
        EXPECT_EQ(Joined(d.txtExtra), "3|250|20|0"); // kept, although type 1 takes 0..9
        Click(d.cmdScrollRight); // node 10: a stored type or personality without an entry
        EXPECT_EQ(Ints(d.lstType->currentIndex(), d.lstPersonality->currentIndex()), Ints(-1, -1));
        Click(d.cmdScrollLeft);
        ChooseRow(d.lstType, 0);
        EXPECT_EQ(Joined(d.txtExtra), "0|0|0|0");
        ChooseRow(d.lstType, 8);
        EXPECT_EQ(Joined(d.lblPrompt) + Seen(d.lstChoose[0]) + Seen(d.lstChoose[1]) +
                      Seen(d.lstChoose[2]) + (d.cmdButton->isHidden() ? "" : " button"),
                  QString("Unused|").repeated(5) + "Unused" + QString("hidden").repeated(3));
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
    FamilyNode(Scen, 0, 0).Type = 1;
    FamilyNode(Scen, 2, 0).Type = 1;
    // type, A, family, OK, handed back
    const std::int16_t cases[][5] = {
        {29, 0, 2, 1, 1}, {29, 17, 2, 1, 17}, {30, 0, 0, 1, 1}, {29, 0, 2, 0, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0] * 100 + c[1]);
        Typed(11, c[0], {c[1], 0, 0, 0}).Text1.clear();
        WindowScript script;
        script.When<frmEditSpNode>([&](frmEditSpNode& e) {
            EXPECT_EQ(Ints(e.NodeSet, e.lblNodeNum->text().toInt()), Ints(c[2], c[3] ? c[4] : 1));
            Click(c[3] ? e.cmdOK : e.cmdCancel);
        });
        script.Open<frmDialogNode>([](frmDialogNode& d) { d.DialogNum = 11; },
                                   [&](frmDialogNode& d) {
                                       ASSERT_TRUE(d.cmdButton->isVisible());
                                       d.txtText[0]->setFocus();
                                       QTest::keyClicks(d.txtText[0], "unsaved");
                                       Click(d.cmdButton);
                                       // No reload on return.
                                       EXPECT_EQ(d.txtExtra[0]->text() + " " +
                                                     d.txtText[0]->ModelText().c_str(),
                                                 QString::number(c[4]) + " unsaved");
                                       Click(d.cmdOK);
                                   });
        EXPECT_EQ(std::to_string(Node(11).Extra[0]) + Node(11).Text1,
                  std::to_string(c[4]) + "unsaved");
    }
    EXPECT_TRUE(IsFreeNode(Scen.Towns[1].SpecialNodes[1]));
}

// The personality editor: the arrows save first and wrap within the town's ten slots, whose
// numbers are town * 10 + slot; Cancel keeps what they saved. Typing is limited, but a longer
// stored text is kept whole; OK stores the boxes.
TEST_F(TalkingNodeEditorTest, PersonalityArrowsSaveFirstAndWrapWhileTypingIsLimited) {
    const auto slot = [](std::size_t n) -> Personality& {
        return Scen.TownTalks[1].Personalities[n];
    };
    slot(9).Name = "Person 9";
    slot(9).LookResponse = "A tall man.\r\nHe waves.";
    OpenDialog<frmDialog>(
        [](frmDialog& d) { d.Personality = 0; },
        [](frmDialog& d) {
            EXPECT_EQ(d.lblPersonality->text(), "10");
            TypeInto(d.txtName, "First");
            Click(d.cmdScrollLeft);
            EXPECT_EQ(QString::number(d.Personality) + " " + d.lblPersonality->text() + " " +
                          d.txtName->text() + " " + d.txtLookResponse->ModelText().c_str(),
                      "9 19 Person 9 A tall man.\r\nHe waves.");
            TypeInto(d.txtName, "Last");
            d.txtJobResponse->setFocus();
            QTest::keyClicks(d.txtJobResponse, "I bake.");
            Click(d.cmdScrollRight);
            EXPECT_EQ(QString::number(d.Personality) + " " + d.txtName->text(), "0 First");
            TypeInto(d.txtName, "Not kept");
            Click(d.cmdCancel);
        });
    EXPECT_EQ(slot(0).Name + "|" + slot(9).Name + "|" + slot(9).JobResponse, "First|Last|I bake.");

    const std::string longName(40, 'n');
    slot(5).Name = longName;
    slot(6).Name = "";
    OpenDialog<frmDialog>([](frmDialog& d) { d.Personality = 5; },
                          [](frmDialog& d) {
                              EXPECT_EQ(d.txtName->text().size(), 40);
                              Click(d.cmdScrollRight); // stores slot 5 as shown
                              Type(d.txtName, QString(35, 'x'));
                              d.txtHuhResponse->setFocus();
                              QTest::keyClicks(d.txtHuhResponse, QString(260, 'h'));
                              Click(d.cmdOK);
                          });
    EXPECT_EQ(slot(5).Name + "|" + slot(6).Name + "|" + slot(6).HuhResponse,
              longName + "|" + std::string(30, 'x') + "|" + std::string(255, 'h'));
}
} // namespace

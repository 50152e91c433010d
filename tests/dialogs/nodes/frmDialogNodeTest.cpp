#include "dialogs/nodes/frmDialogNode.h"
#include "dialogs/nodes/NodeWindows.h"
#include "dialogs/nodes/frmDialog.h"
#include "support/ClickThroughMessage.h"
#include "support/LongTextEdits.h"

namespace {
using Extras = std::array<std::int16_t, 4>;

// Plays the script on the talk node editor (w0, w1 the keywords, e0..e3 the extras, l0..l2 their
// lists, p0..p5 the prompts, t0 and t1 the texts, "pers", "type", "button") or the personality
// editor ("name", "look", "job", "huh"). "?" notes the node, its keywords and extras, or the
// personality, its number and name; either with "closed" once the window is.
template <class Form> QString Play(Form& d, const QString& script) {
    Controls c{{"ok", d.cmdOK}, {"cancel", d.cmdCancel}, {"<", d.cmdScrollLeft}};
    c[">"] = d.cmdScrollRight;
    std::function<QString()> state;
    if constexpr (requires { d.txtWord; }) {
        Name(c, "w", d.txtWord);
        Name(c, "e", d.txtExtra);
        Name(c, "l", d.lstChoose);
        Name(c, "p", d.lblPrompt);
        Name(c, "t", d.txtText);
        c.insert({{"num", d.lblNodeNum}, {"pers", d.lstPersonality}, {"type", d.lstType}});
        c["button"] = d.cmdButton;
        state = [&d] {
            return d.lblNodeNum->text() + " " + Joined(d.txtWord) + " " + Joined(d.txtExtra);
        };
    } else {
        c.insert({{"num", d.lblPersonality}, {"name", d.txtName}, {"look", d.txtLookResponse}});
        c.insert({{"job", d.txtJobResponse}, {"huh", d.txtHuhResponse}});
        state = [&d] {
            return QString::number(d.Personality) + " " + d.lblPersonality->text() + " " +
                   d.txtName->text();
        };
    }
    const auto shown = [&] { return state() + (d.isVisible() ? "" : " closed"); };
    return Play(c, shown, script);
}

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
        return Node(n) = {12, type, "help", "aid ", extras, "", ""};
    }
    // Opens the talk node editor (or the personality editor) on number n and plays the script;
    // gives its notes.
    template <class Form = frmDialogNode, auto Number = &frmDialogNode::DialogNum>
    static QString Open(std::int16_t n, const QString& script) {
        QString seen;
        OpenDialog<Form>([n](Form& d) { d.*Number = n; }, [&](Form& d) { seen = Play(d, script); });
        return seen;
    }
};

// The arrows save first and wrap through the ninety nodes; keywords are four characters and an
// emptied one becomes "xxxx"; personalities are numbered by town.
TEST_F(TalkingNodeEditorTest, ArrowsSaveFirstAndWrapAndPersonalitiesAreNumberedByTown) {
    Typed(0, 0);
    Typed(89, 0).Text1 = "Last node";
    EXPECT_EQ(Open(0, "?pers pers@7 w0= ? w1=ab < ?num ?t0 pers@0 > ? cancel"),
              "12 #4 12 - Unused|0 xxxx|aid  0|0|0|0|89|Last node|0 xxxx|ab   0|0|0|0");
    const QComboBox* list = SharedForm<frmDialogNode>().lstPersonality;
    EXPECT_EQ(list->itemText(0) + "|" + list->itemText(1) + "|" + list->itemText(7),
              "-2 - Everybody|-1 - Unused|15 - Per5");
    EXPECT_EQ(Node(0).Word1 + Node(0).Word2 + Node(89).Text1, "xxxxab  Last node");
    EXPECT_EQ(Ints(Node(0).PersonalityNum, Node(89).PersonalityNum), Ints(15, -2));
}

// A rejected extra gets its value back and blocks OK until corrected.
TEST_F(TalkingNodeEditorTest, FlagListsFollowPartAAndRejectedExtrasBlockOk) {
    Typed(5, 1, {12, 3, 7, 0});
    EXPECT_EQ(Open(5, "?p0 ?p3 ?l0 ?l1 l0@40 ?e0 ?l1 e0=300 ? ok ? e2=- ? e0=20 ok ?"),
              "Stuff Done flag Part A|Unused|300 #12 12 - Flag12|10 #3 3 - F12v3|40|"
              "10 #3 3 - F40v3|"
              "5 help|aid  40|3|7|0|5 help|aid  40|3|7|0|5 help|aid  40|3|7|0|"
              "5 help|aid  20|3|7|0 closed");
    EXPECT_EQ(SharedForm<frmDialogNode>().lstChoose[0]->itemText(13), "13 - ");
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Value must be between 0 and 299.",
                                                       "Value must be numeric."}));
    EXPECT_EQ(Node(5).Extra, (Extras{20, 3, 7, 0}));
}

// Saving used to convert whatever the focused box held; now it is checked like a box left.
TEST_F(TalkingNodeEditorTest, EnterInAnExtraBoxChecksTheEntryBeforeSaving) {
    Typed(7, 3, {10, 2, 5, 8});
    Scen.Towns[1].Boundary = {5, 8, 40, 30};
    EXPECT_EQ(Open(7, "e2:41 e2:4 e3:31 e3:7 ? e2:40 ?"), "7 help|aid  10|2|5|8|7 help|aid  "
                                                          "10|2|40|8 closed");
    EXPECT_EQ(boxes.Calls().size(), 4u);
    EXPECT_EQ(boxes.Calls().back().text, "Value must be between 8 and 30.");
    EXPECT_EQ(Node(7).Extra, (Extras{10, 2, 40, 8}));
}

// Stored values stay, with or without an entry.
TEST_F(TalkingNodeEditorTest, PickListsSelectOnlyValuesThatHaveAnEntry) {
    Scen.Towns[1].Strings[0] = "Eastwatch";
    // type, extras, list, as seen
    // clang-format off
    const std::tuple<std::int16_t, Extras, const char*, const char*> cases[] = {
        {22, {49, 0, 0, 0}, "?l0", "50 #49 *"},      {22, {50, 0, 0, 0}, "?l0", "50 #-1"},
        {6, {1, 0, 0, 0}, "?l0", "2 #1 1- Eastwatch"}, {6, {2, 0, 0, 0}, "?l0", "2 #-1"}, // 2 towns
        {24, {0, 5, 0, 0}, "?l1", "2 #-1"},          {7, {0, 499, 0, 0}, "?l1", "500 #499 499-"},
        {9, {0, 61, 0, 0}, "?l1", "62 #61 61- Death Arrows"},     {17, {-1, 0, 0, 0}, "?l0", "7 #-1"},
        {11, {0, 19, 0, 0}, "?l1", "20 #19 19- Strong Energy Potion"}, {1, {300, 0, 0, 0}, "?l1", "0 #-1"},
        {19, {0, 40, 9, 0}, "?l2", "10 #9 9 -"},     {24, {0, 1, 0, 0}, "?l1", "2 #1 1- Eastwatch"}};
    // clang-format on
    for (const auto& [type, extras, list, seen] : cases) {
        SCOPED_TRACE(type);
        Typed(8, type, extras);
        EXPECT_EQ(Open(8, QString(list) + " ok"), seen);
        EXPECT_EQ(Node(8).Extra, extras);
    }
}

// Type 1 takes 0..9, yet stored extras are kept; node 10 has a stored type and personality
// without an entry; type 8 uses none of the fields.
TEST_F(TalkingNodeEditorTest, TheNodeTypeDecidesWhichExtrasAreKept) {
    Typed(9, 7, {3, 250, 20, 0});
    Typed(10, 40, {1, 2, 3, 4}).PersonalityNum = 35; // another town's personality
    EXPECT_EQ(Open(9, "?p4 type@1 ? > ?type ?pers < type@0 ? type@8 ?p0 ?p1 ?p2 ?p3 ?p4 "
                      "?p5 ?l0 ?l1 ?l2 ?button cancel"),
              "Name of shop|9 help|aid  3|250|20|0|31 #-1|12 #-1|9 help|aid  0|0|0|0|" +
                  QString("Unused|").repeated(6) + QString("hidden|").repeated(3) + "hidden");
    EXPECT_EQ(Ints(Node(9).NodeType, Node(10).NodeType, Node(10).PersonalityNum), Ints(1, 40, 35));
    EXPECT_EQ(std::vector({Node(9).Extra, Node(10).Extra}), // node 10's saved as zero
              (std::vector<Extras>{{3, 250, 20, 0}, {}}));
}

// A new node (A = 0) gets the first free node of its family (node 0 is in use) and the node
// editor's OK hands it back; its Cancel on a node taken for a new call hands back none. What
// was typed is not reloaded on return.
TEST_F(TalkingNodeEditorTest, CreateEditOpensTheTownOrScenarioNodeOfExtraA) {
    FamilyNode(Scen, 0, 0).Type = 1;
    FamilyNode(Scen, 2, 0).Type = 1;
    // type, A, family, OK, handed back
    const std::int16_t cases[][5] = {
        {29, 0, 2, 1, 1}, {29, 17, 2, 1, 17}, {30, 0, 0, 1, 1}, {29, 0, 2, 0, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0] * 100 + c[1]);
        Typed(11, c[0], {c[1], 0, 0, 0});
        WindowScript script;
        script.When<frmEditSpNode>([&](frmEditSpNode& e) {
            EXPECT_EQ(Ints(e.NodeSet, e.lblNodeNum->text().toInt()), Ints(c[2], c[3] ? c[4] : 1));
            Click(c[3] ? e.cmdOK : e.cmdCancel);
        });
        QString seen;
        script.Open<frmDialogNode>(
            [](frmDialogNode& d) { d.DialogNum = 11; },
            [&](frmDialogNode& d) { seen = Play(d, "t0+unsaved button ?e0 ?t0 ok"); });
        EXPECT_EQ(seen, QString("%1|unsaved").arg(c[4]));
        EXPECT_EQ(std::to_string(Node(11).Extra[0]) + Node(11).Text1,
                  std::to_string(c[4]) + "unsaved");
    }
    EXPECT_TRUE(IsFreeNode(Scen.Towns[1].SpecialNodes[1]));
}

// A click on Create/Edit that leaves an extra box holding a rejected entry opens the node all
// the same, though the message comes up while the mouse button is still down.
TEST_F(TalkingNodeEditorTest, CreateEditActsWhenLeavingABoxShowsAMessage) {
    Typed(11, 29, {17, 0, 0, 0});
    ClickThroughMessage author;
    WindowScript script;
    script.When<frmEditSpNode>([](frmEditSpNode& e) { Click(e.cmdCancel); });
    script.Open<frmDialogNode>([](frmDialogNode& d) { d.DialogNum = 11; },
                               [&](frmDialogNode& d) {
                                   Type(d.txtExtra[1], "x");
                                   author.Click(d.cmdButton);
                                   Click(d.cmdCancel);
                               });
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Value must be numeric."});
}

// The personality editor: the arrows save first and wrap within the town's ten slots, whose
// numbers are town * 10 + slot; Cancel keeps what they saved. Typing is limited, but a longer
// stored text is kept whole; OK stores the boxes.
TEST_F(TalkingNodeEditorTest, PersonalityArrowsSaveFirstAndWrapWhileTypingIsLimited) {
    const auto personality = Open<frmDialog, &frmDialog::Personality>;
    const auto slot = [](std::size_t n) -> Personality& {
        return Scen.TownTalks[1].Personalities[n];
    };
    slot(9).Name = "Person 9";
    slot(9).LookResponse = "A tall man.\r\nHe waves.";
    EXPECT_EQ(personality(0, "?num name=First < ? ?look name=Last job+I_bake. > ? "
                             "name=Not_kept cancel"),
              "10|9 19 Person 9|A tall man.\r\nHe waves.|0 10 First");
    EXPECT_EQ(slot(0).Name + "|" + slot(9).Name + "|" + slot(9).JobResponse, "First|Last|I bake.");

    const std::string longName(40, 'n');
    slot(5).Name = longName;
    slot(6).Name = "";
    // Slot 5 is stored as shown.
    EXPECT_EQ(
        personality(5, "?name > name=" + QString(35, 'x') + " huh+" + QString(260, 'h') + " ok"),
        QString::fromStdString(longName));
    EXPECT_EQ(slot(5).Name + "|" + slot(6).Name + "|" + slot(6).HuhResponse,
              longName + "|" + std::string(30, 'x') + "|" + std::string(255, 'h'));
}

// A character name stored longer than its box is stored again whole when untouched, and held to
// thirty characters when typed over.
TEST_F(TalkingNodeEditorTest, TypingOverALongerStoredNameIsHeldToTheLimit) {
    std::string& name = Scen.TownTalks[1].Personalities[5].Name;
    const std::string held = PutLongText(name, 30);
    OpenDialog<frmDialog>([](frmDialog& d) { d.Personality = 5; },
                          [](frmDialog& d) { TypeOverTheStart(d.txtName, d.cmdOK); });
    EXPECT_EQ(name, held);
}
} // namespace

#include "dialogs/nodes/NodeWindows.h"
#include "dialogs/nodes/frmEditText2.h"
#include "dialogs/pictures/frmSelectIcon.h"
#include "graphics/GraphicsSheets.h"
#include "support/ClickThroughMessage.h"

namespace {
using NodeEditorTest = NodeWindowTest;

// The node shown, its link field, the depth of the chain and which of Go Back and Cancel show.
QString Shown(const frmEditSpNode& e) {
    return QString("%1/%2 d%3%4%5")
               .arg(e.lblNodeNum->text(), e.txtData[9]->text())
               .arg(e.GoBack.Depth())
               .arg(e.cmdGoBack->isVisible() ? " back" : "",
                    e.cmdCancel->isVisible() ? " cancel" : "") +
           (e.isVisible() ? "" : " closed");
}

// Plays the script on the node editor: "<" and ">" are the arrows, d0..d9 the fields, l0..l8
// their lists, p0..p9 their prompts, c0..c5 the category buttons, "types" the type list, "type"
// the type shown, b1..b3 the link buttons; "?" notes Shown.
QString Play(frmEditSpNode& e, const QString& script) {
    Controls c{{"title", &e},           {"<", e.cmdScrollLeft},
               {">", e.cmdScrollRight}, {"types", e.lstNodeType},
               {"type", e.lblNodeType}, {"num", e.lblNodeNum},
               {"head", e.Label1},      {"back", e.cmdGoBack},
               {"ok", e.cmdOK},         {"message", e.cmdMessage},
               {"pict", e.cmdPict},     {"custom", e.cmdPictCustom}};
    Name(c, "d", e.txtData);
    Name(c, "l", e.lstChoose);
    Name(c, "p", e.lblPrompt);
    Name(c, "c", e.cmdSpType);
    Name(c, "b", e.cmdButton);
    return Play(
        c, [&e] { return Shown(e); }, script);
}

// Opens the node editor on the node as its openers do, plays the script on it and gives the
// notes, then the node it hands back.
QString Edit(std::int32_t family, std::int16_t node, const QString& script) {
    QString seen;
    const auto at = [=](frmEditSpNode& e) { e.NodeSet = family, e.NodeNum = node; };
    const auto play = [&](frmEditSpNode& e) { seen = Play(e, script); };
    const std::int16_t handed = OpenDialog<frmEditSpNode>(at, play).NodeNum;
    return seen + " -> " + QString::number(handed);
}

TEST_F(NodeEditorTest, EachFamilyWrapsItsArrowsSavesOnEnterAndCancelHandsBackTheNodeShown) {
    const char* rows[] = {"Scenario special node:|255", "Outdoor special node:|59",
                          "Town special node:|99"};
    for (const std::int32_t family : {0, 1, 2}) {
        SCOPED_TRACE(family);
        Use(family, 1, 14); // "Play a Sound": extra 1a offers the sounds
        Use(family, MaxNodeOf(family), 4);
        // The node left is saved; the value typed before Enter is not lost, and Enter is OK.
        EXPECT_EQ(Edit(family, 0, "?title < ?head ?num d0=4 > > d5:7 ?"),
                  QString("Varno Scenario Editor|Edit ") + rows[family] + "|1/-1 d0 closed -> 0");
        EXPECT_EQ(Ints(FamilyNode(Scen, family, MaxNodeOf(family)).StuffDoneA,
                       FamilyNode(Scen, family, 1).Extra1a),
                  Ints(4, 7));
    }

    // Cancel hands back the node shown, except one taken for a new reference and left free.
    FreeEverything();
    // Typed, but the type stays "No Special".
    EXPECT_EQ(Edit(2, 7, "> d5=3 d0!Esc"), " -> 8");
    EXPECT_EQ(Edit(2, 3, "d5=3 d0!Esc"), " -> 3");
    EXPECT_EQ(Edit(2, -1, "d5=3 d0!Esc"), " -> -1");
    EXPECT_EQ(Scen.Towns[1].SpecialNodes[0].Extra1a, -1);
}

// A message shown while the mouse button is still down takes the release, and the click with
// it, when the press is what leaves the box. A click on an arrow, a link button, Go Back, OK or
// Cancel leaves the box once it is complete, so it acts after the message all the same.
TEST_F(NodeEditorTest, AMessageOnLeavingABoxDoesNotSwallowTheClickThatLeftIt) {
    Use(2, 1, 4);
    ClickThroughMessage author;
    QStringList notes;
    OpenDialog<frmEditSpNode>(At(2, 1), [&](frmEditSpNode& e) {
        // Each button in turn, after a "-" that the check as it is typed lets through.
        for (QPushButton* button : {e.cmdScrollRight, e.cmdButton[3], e.cmdGoBack, e.cmdOK}) {
            Type(e.txtData[5], "-");
            author.Click(button);
            if (button != e.cmdOK) notes << Shown(e);
        }
    });
    OpenDialog<frmEditSpNode>(At(2, 1), [&](frmEditSpNode& e) {
        Type(e.txtData[5], "-");
        author.Click(e.cmdCancel);
    });
    EXPECT_EQ(notes.join('|'), "2/-1 d0 cancel|0/-1 d1 back|2/-1 d0 cancel");
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>(5, "Value must be numeric."));
}

TEST_F(NodeEditorTest, MinusOneEditsTheFirstFreeNodeAndNoFreeNodeOrOneBeyondOpensNothing) {
    for (std::int16_t n = 0; n < 5; ++n)
        Use(2, n, 4);
    Use(2, 5, 0, 3); // type 0, but something jumps on from it
    EXPECT_EQ(Edit(2, -1, "c0 types#4 ok"), " -> 6");
    EXPECT_EQ(Scen.Towns[1].SpecialNodes[6].Type, 4);

    for (std::int16_t n = 0; n <= 99; ++n)
        Use(2, n, 4);
    EXPECT_EQ(NotOpened(At(2, -1)).NodeNum, -1);
    EXPECT_EQ(NotOpened(At(1, 60)).NodeNum, 60);
    // No free node for the link: the editor stays usable.
    EXPECT_EQ(Edit(2, 5, "b3 ?d9 c1 ?types ok"), "-1|14 -> 5");
    EXPECT_EQ(boxes.Calls()[0].title, "Error");
    const std::string noNode60 =
        "There is no outdoor special node 60.\r\n\r\nThese nodes are numbered 0 to 59.";
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{kNoFreeNodeText, noNode60, kNoFreeNodeText}));
}

// Moving the focus onto the type list chooses no type; a choice made with the keyboard counts.
TEST_F(NodeEditorTest, EachCategoryListsItsTypesAndAChosenTypeRelabelsTheFields) {
    Use(0, 9, 4);
    QString seen;
    const auto at = [](frmEditSpNode& e) { e.NodeSet = 0, e.NodeNum = 9; };
    OpenDialog<frmEditSpNode>(at, [&seen](frmEditSpNode& e) {
        seen = Play(e, "?types c1");
        QTest::keyClick(e.cmdSpType[1], Qt::Key_Tab); // tabs on to the list
        e.lstNodeType->setFocus(Qt::TabFocusReason);
        seen += "|" + Play(e, "?type types!Down ?type");
        // Each category's last type.
        seen += "\n" + Play(e, "c0 types#29 ?c0 ?type ?p5 ?types ?message c1 types#13 ?c1 ?type "
                               "?p5 ?types ?message c2 types#26 ?c2 ?type ?p5 ?types ?message c3 "
                               "types#26 ?c3 ?type ?p5 ?types ?message c4 types#48 ?c4 ?type ?p5 "
                               "?types ?message c5 types#4 ?c5 ?type ?p5 ?types ?message ok");
    });
    EXPECT_EQ(seen, "0|Secret Passage|Give Special Item\n"
                    "General|Display Graphic|Unused|30|Create/Edit|"
                    "One Shots|Trap|Type of Trap|14|Create/Edit|"
                    "Affect PCs|Affect Flying|Amount|27|Create/Edit|"
                    "If-Thens|Item Identified?|Unused|27|hidden|"
                    "Town Specs|Unlock Rectangle|Top of rectangle|49|Create/Edit|"
                    "Out Specs|Outdoor Store|Type of store|5|Create/Edit");
    // The fields are not changed by a type.
    EXPECT_EQ(Ints(Scen.ScenSpecialNodes[9].Type, Scen.ScenSpecialNodes[9].JumpTo), Ints(229, -1));
}

// A store kind chosen from its list relabels the outdoor store at once. A flag chosen fills the
// part B list with its value names. A click into a box selects its number, so typing replaces
// it; an emptied picture box holds 0 and any other emptied box -1.
TEST_F(NodeEditorTest, StoreKindsAndFlagsFillTheirListsAndEmptiedBoxesHoldNone) {
    Use(1, 2, 229);
    Use(1, 3, 55);
    Scen.StuffDoneNames[12].ValueNames[3] = "Opened";
    auto& nodes = Scen.OutdoorSections.At(0, 0).SpecialNodes;
    nodes[2].Extra1a = 0;
    nodes[3].Picture = nodes[3].Extra2a = 9;
    nodes[3].Extra1a = 123;
    QString seen;
    const auto at = [](frmEditSpNode& e) { e.NodeSet = 1, e.NodeNum = 2; };
    OpenDialog<frmEditSpNode>(at, [&seen](frmEditSpNode& e) {
        // Beyond the list: no entry, every prompt unused; an unused field still takes a value.
        seen = Play(e, "?p6 ?l6 l5#5 ?d5 ?p6 ?l6 d5=7 ?l5 ?p8") + "|";
        seen += e.lblPrompt[8]->palette().color(QPalette::Window).name() +
                e.lblPrompt[5]->palette().color(QPalette::Window).name();
        seen += "|" + Play(e, "d8=12 > ?l1 l0#12 d1=3 ?l1");
        QTest::mouseClick(e.txtData[5], Qt::LeftButton, {}, QPoint(3, 5));
        QCoreApplication::processEvents();
        QTest::keyClicks(e.txtData[5], "8");
        Play(e, "d4= d7= ok");
    });
    EXPECT_EQ(seen,
              "Number of first item in store|500 #-1|5|Which shop (0 - 4)|hidden|6 #-1|Unused|"
              "#9f9f9f#00ffff|0 #-1|10 #3 3 - Opened");
    EXPECT_EQ(Ints(nodes[2].Extra1a, nodes[2].Extra2b), Ints(7, 12));
    EXPECT_EQ(nodes[3], (SpecialNode{55, 12, 3, -1, -1, 0, 8, -1, -1, -1, -1}));
}

TEST_F(NodeEditorTest, AChainIsCreatedThreeDeepAndUnusedLinksAreUndoneOnTheWayBack) {
    for (std::int16_t n = 0; n <= 2; ++n)
        Use(2, n, 4);
    // Node 3 is used, and node 4 gets the link to 5, so it is used too. Back from 5, left
    // unused, 4 loses its link, and is unused as well; 3 has a type: 2 keeps its link.
    EXPECT_EQ(Edit(2, 2, "b3 ? c0 types#4 b3 b3 ? back ? back ? back ? ok"),
              "3/-1 d1 back|5/-1 d3 back|4/-1 d2 back|3/-1 d1 back|2/3 d0 cancel -> 2");
    const auto& nodes = Scen.Towns[1].SpecialNodes;
    EXPECT_EQ(Ints(nodes[2].JumpTo, IsFreeNode(nodes[4]), IsFreeNode(nodes[5])),
              Ints(3, true, true));
    EXPECT_EQ(nodes[3], (SpecialNode{4, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}));
}

// Go Back once saved a child left unused, which turned a free node's picture -1 into 0. A child
// that storage holds in use and the author freed is still saved: else the freeing were lost.
// Go Back after the arrows moved on from the child keeps the parent's link.
TEST_F(NodeEditorTest, GoBackLeavesAnUnusedChildAsStoredUnlessTheAuthorFreedIt) {
    enum Kind { Unused, Freed, MovedOn };
    // "No Special" frees the node; the arrows move on to node 4, free and left so.
    const char* scripts[] = {"b3 ?num back ok", "b3 ?num c0 types#0 back ok", "b3 ?num > back ok"};
    for (const Kind kind : {Unused, Freed, MovedOn}) {
        SCOPED_TRACE(kind);
        FreeEverything();
        for (std::int16_t n = 0; n <= 2; ++n)
            Use(2, n, 4, n == 2 && kind != Unused ? 3 : -1);
        if (kind != Unused) Use(2, 3, 4);
        const SpecialNode stored = Scen.Towns[1].SpecialNodes[3];
        EXPECT_EQ(Edit(2, 2, scripts[kind]), "3 -> 2");
        const SpecialNode& child = Scen.Towns[1].SpecialNodes[3];
        EXPECT_TRUE(kind == Freed ? IsFreeNode(child) : child == stored);
        EXPECT_EQ(Scen.Towns[1].SpecialNodes[2].JumpTo, kind == MovedOn ? 3 : -1);
    }
}

// Town node 0 is being edited, yet scenario node 0 is free to take; OK at any depth hands back
// the bottom of the chain.
TEST_F(NodeEditorTest, GlobalCallsAndTimersLinkIntoTheScenarioFamily) {
    Use(2, 0, 21);
    EXPECT_EQ(Edit(2, 0, "b3 ?head ? c0 types#13 b1 ?head ? ok"), // "Start General Timer"
              "Edit Scenario special node:|0/-1 d1 back|Edit Scenario special node:|1/-1 d2 back "
              "-> 0");
    EXPECT_EQ(Ints(SharedForm<frmEditSpNode>().NodeSet, Scen.Towns[1].SpecialNodes[0].JumpTo,
                   Scen.ScenSpecialNodes[0].Extra1b),
              Ints(2, 0, 1));
}

// The link is refused as it is shown, as a typed one is; the last good value comes back when a
// box is left; the Go Back stack refuses a 257th link.
TEST_F(NodeEditorTest, ALinkBeyondItsFamilyOrTheGoBackStackIsNotFollowed) {
    Use(2, 1, 4, 150); // only a damaged file holds such a link
    EXPECT_EQ(Edit(2, 1, "b3 ? d9=5 d9=100 ?d9 d9=99 ok"), "1/150 d0 cancel|5 -> 1");
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{
                  "Value must be between -1 and 99.",
                  "There is no town special node 150.\r\n\r\nThese nodes are numbered 0 to 99.",
                  "Value must be between -1 and 99."}));
    EXPECT_EQ(Scen.Towns[1].SpecialNodes[1].JumpTo, 99);

    for (std::int16_t n = 0; n <= 255; ++n)
        Use(0, n, 4, static_cast<std::int16_t>((n + 1) % 256));
    QString links;
    for (int i = 0; i < GoBackStack::kCapacity; ++i)
        links += "b3 ";
    EXPECT_EQ(Edit(0, 0, links + "? b3 ? back ?num ok"), "0/1 d256 back|0/1 d256 back|255 -> 0");
    EXPECT_EQ(boxes.Calls().size(), 4u);
}

// A stored value that the field check rejects is reported as its node is shown, whether opened,
// reopened or stepped to, and OK and the arrows do nothing until the author corrects it: neither
// the boxes after it that pass nor leaving another box lifts that.
TEST_F(NodeEditorTest, AStoredValueTheCheckRejectsIsReportedAndHoldsOkAndTheArrows) {
    auto& nodes = Scen.ScenSpecialNodes;
    const auto store = [] {
        FreeEverything();
        for (std::int16_t n = 0; n <= 2; ++n)
            Use(0, n, 4); // "Secret Passage"
        Scen.ScenSpecialNodes[0].Extra1a = -5;
        Scen.ScenSpecialNodes[2].StuffDoneA = -2;
        Scen.ScenSpecialNodes[2].Picture = -3;
    };
    struct Row {
        std::int16_t node;
        const char* script;
        const char* seen;
        std::size_t reported;
        std::vector<int> stored; // node 0's extra 1a, node 2's flag and picture
    };
    // The rows run in turn on the one window: the first leaves -5 in the box, and the second
    // opening on the same node reports it all the same.
    const Row rows[] = {
        {0, "?d5 d5!Esc", "-5 -> 0", 1, {-5, -2, -3}},
        {0, "ok > d5!Return d6 d6!Tab ok ? d5=3 ok", "0/-1 d0 cancel -> 0", 1, {3, -2, -3}},
        {1, "> ?num < ?num d0=1 d4=0 < ?num ok", "2|2|1 -> 1", 2, {-5, 1, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.script);
        store();
        EXPECT_EQ(Edit(0, row.node, row.script), row.seen);
        EXPECT_EQ(boxes.TakeTexts(),
                  std::vector<std::string>(row.reported, "Values less than -1 are not accepted."));
        EXPECT_EQ(Ints(nodes[0].Extra1a, nodes[2].StuffDoneA, nodes[2].Picture), row.stored);
    }
}

TEST_F(NodeEditorTest, TheMessageAndPictureButtonsHandWhatTheirWindowsChoseToTheNode) {
    Use(2, 1, 54); // "One-Time Text Message": two messages
    WindowScript script;
    script.When<frmEditText2>([](frmEditText2& t) {
        QTest::keyClicks(t.txtText[0], "Hello");
        QTest::keyClicks(t.txtText[1], "There");
        Click(t.cmdOK);
    });
    script.Open<frmEditSpNode>(At(2, 1), [](frmEditSpNode& e) { Play(e, "message ok"); });
    const Town& town = Scen.Towns[1];
    EXPECT_EQ(town.Strings[20] + "|" + town.Strings[21], "Hello|There");
    EXPECT_EQ(Ints(town.SpecialNodes[1].Message1, town.SpecialNodes[1].Message2), Ints(0, 1));

    // The picker opens on the picture kind of the node's type (the ranges it marks are checked
    // with the picking rules) and the pick is stored in that kind's numbering.
    // type, stored, custom, picker kind, marked, picked, stored then
    const int cases[][7] = {
        {56, 12, 0, 6, 12, 20, 20},   // terrain picture
        {57, 401, 0, 3, 1, 2, 402},   // monster picture
        {55, 1003, 1, 0, 3, 7, 1007}, // a picture of the scenario's own sheet
    };
    // A custom sheet of three rows: pictures 0..29.
    const QImage sheetBefore =
        std::exchange(frmPics.imgCustomPics, QImage(280, 3 * 36, QImage::Format_RGB32));
    frmPics.imgCustomPics.fill(Qt::white);
    const std::int16_t loadedBefore = std::exchange(CustomPicsLoaded, std::int16_t(-1));
    for (const auto& c : cases) {
        SCOPED_TRACE(c[1]);
        Use(0, 3, static_cast<std::int16_t>(c[0]));
        Scen.ScenSpecialNodes[3].Picture = static_cast<std::int16_t>(c[1]);
        WindowScript script;
        script.When<frmSelectIcon>([&c](frmSelectIcon& p) {
            EXPECT_EQ(Ints(p.PictureSet, p.WorkingSelection()), Ints(c[3], c[4]));
            Click(p.optSelect[static_cast<std::size_t>(c[5])]);
            Click(p.cmdOK);
        });
        script.Open<frmEditSpNode>(
            At(0, 3), [&c](frmEditSpNode& e) { Play(e, c[2] ? "custom ok" : "pict ok"); });
        EXPECT_EQ(Scen.ScenSpecialNodes[3].Picture, c[6]);
    }
    frmPics.imgCustomPics = sheetBefore;
    CustomPicsLoaded = loadedBefore;
}
} // namespace

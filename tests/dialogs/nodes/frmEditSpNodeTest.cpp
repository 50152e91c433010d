#include "dialogs/nodes/NodeTypePresentation.h"
#include "dialogs/nodes/NodeWindows.h"
#include "dialogs/nodes/frmEditText2.h"
#include "dialogs/pictures/frmSelectIcon.h"
#include "forms/MultiLineBox.h"
#include "graphics/GraphicsSheets.h"

#include <QListWidget>
#include <QRadioButton>

namespace {
using NodeEditorTest = NodeWindowTest;

void ClickType(frmEditSpNode& e, int category, int entry) {
    Click(e.cmdSpType[static_cast<std::size_t>(category)]);
    QListWidgetItem* item = e.lstNodeType->item(entry);
    ASSERT_NE(item, nullptr);
    e.lstNodeType->scrollToItem(item);
    QTest::mouseClick(e.lstNodeType->viewport(), Qt::LeftButton, {},
                      e.lstNodeType->visualItemRect(item).center());
}

// The node shown, its link field, the depth of the chain and which of Go Back and Cancel show.
QString Shown(const frmEditSpNode& e) {
    return QString("%1/%2 d%3%4%5")
        .arg(e.lblNodeNum->text(), e.txtData[9]->text())
        .arg(e.GoBack.Depth())
        .arg(e.cmdGoBack->isVisible() ? " back" : "", e.cmdCancel->isVisible() ? " cancel" : "");
}

TEST_F(NodeEditorTest, EachFamilyWrapsItsArrowsSavesOnEnterAndCancelHandsBackTheNodeShown) {
    const char* rows[] = {"Scenario special node:255", "Outdoor special node:59",
                          "Town special node:99"};
    for (const std::int32_t family : {0, 1, 2}) {
        SCOPED_TRACE(family);
        Use(family, 1, 14); // "Play a Sound": extra 1a offers the sounds
        Use(family, MaxNodeOf(family), 4);
        frmEditSpNode& editor = Edit(family, 0, [&](frmEditSpNode& e) {
            Click(e.cmdScrollLeft);
            EXPECT_EQ(e.windowTitle() + "|" + e.Label1->text() + e.lblNodeNum->text(),
                      QString("Varno Scenario Editor|Edit ") + rows[family]);
            TypeInto(e.txtData[0], "4");
            Click(e.cmdScrollRight); // saves the node left
            Click(e.cmdScrollRight);
            Enter(e.txtData[5], "7"); // the typed value is not lost
        });
        EXPECT_EQ(Ints(FamilyNode(Scen, family, MaxNodeOf(family)).StuffDoneA,
                       FamilyNode(Scen, family, 1).Extra1a, editor.NodeNum, editor.isVisible()),
                  Ints(4, 7, 0, false));
    }

    // Cancel hands back the node shown, except one taken for a new reference and left free.
    FreeEverything();
    const std::int16_t cancels[][3] = {{7, 1, 8}, {3, 0, 3}, {-1, 0, -1}}; // opened, right, handed
    for (const auto& r : cancels) {
        SCOPED_TRACE(r[0]);
        frmEditSpNode& editor = Edit(2, r[0], [&](frmEditSpNode& e) {
            if (r[1]) Click(e.cmdScrollRight);
            TypeInto(e.txtData[5], "3"); // typed, but the type stays "No Special"
            QTest::keyClick(e.txtData[0], Qt::Key_Escape);
        });
        EXPECT_EQ(editor.NodeNum, r[2]);
    }
    EXPECT_EQ(Scen.Towns[1].SpecialNodes[0].Extra1a, -1);
}

TEST_F(NodeEditorTest, MinusOneEditsTheFirstFreeNodeAndNoFreeNodeOrOneBeyondOpensNothing) {
    for (std::int16_t n = 0; n < 5; ++n)
        Use(2, n, 4);
    Use(2, 5, 0, 3); // type 0, but something jumps on from it
    frmEditSpNode& editor = Edit(2, -1, [](frmEditSpNode& e) {
        ClickType(e, 0, 4); // "Secret Passage"
        Click(e.cmdOK);
    });
    EXPECT_EQ(Ints(editor.NodeNum, Scen.Towns[1].SpecialNodes[6].Type), Ints(6, 4));

    for (std::int16_t n = 0; n <= 99; ++n)
        Use(2, n, 4);
    EXPECT_EQ(NotOpened(At(2, -1)).NodeNum, -1);
    EXPECT_EQ(NotOpened(At(1, 60)).NodeNum, 60);
    Edit(2, 5, [](frmEditSpNode& e) {
        Click(e.cmdButton[3]); // no free node for the link: the editor stays usable
        EXPECT_EQ(e.txtData[9]->text(), "-1");
        Click(e.cmdSpType[1]);
        EXPECT_GT(e.lstNodeType->count(), 0);
        Click(e.cmdOK);
    });
    EXPECT_EQ(boxes.Calls()[0].title, "Error");
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{kNoFreeNodeText, NodeOutOfRangeText(1, 60),
                                                       kNoFreeNodeText}));
}

// Moving the focus onto the type list chooses no type; a choice made with the keyboard counts.
TEST_F(NodeEditorTest, EachCategoryListsItsTypesAndAChosenTypeRelabelsTheFields) {
    Use(0, 9, 4);
    Edit(0, 9, [](frmEditSpNode& e) {
        EXPECT_EQ(e.lstNodeType->count(), 0); // empty until a category is pressed
        Click(e.cmdSpType[1]);
        QTest::keyClick(e.cmdSpType[1], Qt::Key_Tab); // tabs on to the list
        e.lstNodeType->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(e.lblNodeType->text(), "Secret Passage");
        QTest::keyClick(e.lstNodeType, Qt::Key_Down);
        EXPECT_EQ(e.lblNodeType->text().toStdString(), SpecialNodeTypes[51].Name);
        for (int c = 0; c < kNodeTypeCategoryCount; ++c) {
            SCOPED_TRACE(c);
            const NodeTypeCategory& category = kNodeTypeCategories[static_cast<std::size_t>(c)];
            const int count = category.LastType - category.FirstType + 1;
            ClickType(e, c, count - 1); // the category's last type
            const SpecialNodeTypeInfo& info = SpecialNodeTypes[category.LastType];
            EXPECT_EQ((e.cmdSpType[static_cast<std::size_t>(c)]->text() + "|" +
                       e.lblNodeType->text() + "|" + e.lblPrompt[5]->text())
                          .toStdString(),
                      category.Caption + ("|" + info.Name + "|" + info.Prompts[5]));
            EXPECT_EQ(Ints(e.lstNodeType->count(), e.cmdMessage->isVisible()),
                      Ints(count, info.ButtonFlags[0] != 0));
        }
        Click(e.cmdOK);
    });
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
    Edit(1, 2, [](frmEditSpNode& e) {
        EXPECT_EQ(e.lblPrompt[6]->text() + Seen(e.lstChoose[6]).left(4),
                  "Number of first item in store500 ");
        Choose(e.lstChoose[5], 5);
        EXPECT_EQ(e.txtData[5]->text() + e.lblPrompt[6]->text() + Seen(e.lstChoose[6]),
                  "5Which shop (0 - 4)hidden");
        TypeInto(e.txtData[5], "7"); // beyond the list: no entry, every prompt unused
        EXPECT_EQ(Seen(e.lstChoose[5]).section(' ', 1, 1) + e.lblPrompt[8]->text() +
                      e.lblPrompt[8]->palette().color(QPalette::Window).name() +
                      e.lblPrompt[5]->palette().color(QPalette::Window).name(),
                  "#-1Unused#9f9f9f#00ffff");
        TypeInto(e.txtData[8], "12"); // an unused field still takes a value
        Click(e.cmdScrollRight);
        EXPECT_EQ(Seen(e.lstChoose[1]), "0 #-1"); // flag -1 has no values
        Choose(e.lstChoose[0], 12);
        TypeInto(e.txtData[1], "3");
        EXPECT_EQ(Seen(e.lstChoose[1]), "10 #3 3 - Opened");
        QTest::mouseClick(e.txtData[5], Qt::LeftButton, {}, QPoint(3, 5));
        QCoreApplication::processEvents();
        QTest::keyClicks(e.txtData[5], "8");
        TypeInto(e.txtData[4], "");
        TypeInto(e.txtData[7], "");
        Click(e.cmdOK);
    });
    EXPECT_EQ(Ints(nodes[2].Extra1a, nodes[2].Extra2b), Ints(7, 12));
    EXPECT_EQ(nodes[3], (SpecialNode{55, 12, 3, -1, -1, 0, 8, -1, -1, -1, -1}));
}

TEST_F(NodeEditorTest, AChainIsCreatedThreeDeepAndUnusedLinksAreUndoneOnTheWayBack) {
    for (std::int16_t n = 0; n <= 2; ++n)
        Use(2, n, 4);
    frmEditSpNode& editor = Edit(2, 2, [](frmEditSpNode& e) {
        Click(e.cmdButton[3]);
        EXPECT_EQ(Shown(e), "3/-1 d1 back");
        ClickType(e, 0, 4); // node 3 is used
        Click(e.cmdButton[3]);
        Click(e.cmdButton[3]); // node 4 gets the link to 5, so it is used too
        EXPECT_EQ(Shown(e), "5/-1 d3 back");
        Click(e.cmdGoBack); // 5 was left unused: 4 loses its link
        EXPECT_EQ(Shown(e), "4/-1 d2 back");
        Click(e.cmdGoBack); // now 4 is unused as well
        EXPECT_EQ(Shown(e), "3/-1 d1 back");
        Click(e.cmdGoBack); // 3 has a type: 2 keeps its link
        EXPECT_EQ(Shown(e), "2/3 d0 cancel");
        Click(e.cmdOK);
    });
    const auto& nodes = Scen.Towns[1].SpecialNodes;
    EXPECT_EQ(Ints(editor.NodeNum, nodes[2].JumpTo, IsFreeNode(nodes[4]), IsFreeNode(nodes[5])),
              Ints(2, 3, true, true));
    EXPECT_EQ(nodes[3], (SpecialNode{4, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}));
}

// Go Back once saved a child left unused, which turned a free node's picture -1 into 0. A child
// that storage holds in use and the author freed is still saved: else the freeing were lost.
// Go Back after the arrows moved on from the child keeps the parent's link.
TEST_F(NodeEditorTest, GoBackLeavesAnUnusedChildAsStoredUnlessTheAuthorFreedIt) {
    enum Kind { Unused, Freed, MovedOn };
    for (const Kind kind : {Unused, Freed, MovedOn}) {
        SCOPED_TRACE(kind);
        FreeEverything();
        for (std::int16_t n = 0; n <= 2; ++n)
            Use(2, n, 4, n == 2 && kind != Unused ? 3 : -1);
        if (kind != Unused) Use(2, 3, 4);
        const SpecialNode stored = Scen.Towns[1].SpecialNodes[3];
        Edit(2, 2, [kind](frmEditSpNode& e) {
            Click(e.cmdButton[3]);
            EXPECT_EQ(e.lblNodeNum->text(), "3");
            if (kind == Freed) ClickType(e, 0, 0);        // "No Special": the author frees the node
            if (kind == MovedOn) Click(e.cmdScrollRight); // node 4, free and left so
            Click(e.cmdGoBack);
            Click(e.cmdOK);
        });
        const SpecialNode& child = Scen.Towns[1].SpecialNodes[3];
        EXPECT_TRUE(kind == Freed ? IsFreeNode(child) : child == stored);
        EXPECT_EQ(Scen.Towns[1].SpecialNodes[2].JumpTo, kind == MovedOn ? 3 : -1);
    }
}

TEST_F(NodeEditorTest, GlobalCallsAndTimersLinkIntoTheScenarioFamily) {
    Use(2, 0, 21);
    frmEditSpNode& editor = Edit(2, 0, [](frmEditSpNode& e) {
        Click(e.cmdButton[3]);
        // Town node 0 is being edited, yet scenario node 0 is free to take.
        EXPECT_EQ(e.Label1->text() + Shown(e), "Edit Scenario special node:0/-1 d1 back");
        ClickType(e, 0, 13); // "Start General Timer"
        Click(e.cmdButton[1]);
        EXPECT_EQ(e.Label1->text() + Shown(e), "Edit Scenario special node:1/-1 d2 back");
        Click(e.cmdOK); // OK at any depth: the bottom of the chain is handed back
    });
    EXPECT_EQ(Ints(editor.NodeNum, editor.NodeSet, Scen.Towns[1].SpecialNodes[0].JumpTo,
                   Scen.ScenSpecialNodes[0].Extra1b),
              Ints(0, 2, 0, 1));
}

TEST_F(NodeEditorTest, ALinkBeyondItsFamilyOrTheGoBackStackIsNotFollowed) {
    Use(2, 1, 4, 150); // only a damaged file holds such a link
    Edit(2, 1, [this](frmEditSpNode& e) {
        Click(e.cmdButton[3]);
        EXPECT_EQ(Ints(e.lblNodeNum->text().toInt(), e.GoBack.Depth()), Ints(1, 0));
        TypeInto(e.txtData[9], "5");
        TypeInto(e.txtData[9], "100");
        EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{NodeOutOfRangeText(2, 150),
                                                           "Value must be between -1 and 99."}));
        EXPECT_EQ(e.txtData[9]->text(), "5"); // the last good value comes back when it is left
        TypeInto(e.txtData[9], "99");
        Click(e.cmdOK);
    });
    EXPECT_EQ(Scen.Towns[1].SpecialNodes[1].JumpTo, 99);

    // The Go Back stack refuses a 257th link.
    for (std::int16_t n = 0; n <= 255; ++n)
        Use(0, n, 4, static_cast<std::int16_t>((n + 1) % 256));
    Edit(0, 0, [this](frmEditSpNode& e) {
        for (int i = 0; i < GoBackStack::kCapacity; ++i)
            Click(e.cmdButton[3]);
        EXPECT_EQ(Ints(e.GoBack.Depth(), boxes.Calls().size()), Ints(256, 2));
        Click(e.cmdButton[3]);
        EXPECT_EQ(Ints(e.GoBack.Depth(), boxes.Calls().size(), e.lblNodeNum->text().toInt()),
                  Ints(256, 3, 0));
        Click(e.cmdGoBack);
        EXPECT_EQ(e.lblNodeNum->text(), "255");
        Click(e.cmdOK);
    });
}

TEST_F(NodeEditorTest, TheMessageAndPictureButtonsHandWhatTheirWindowsChoseToTheNode) {
    Use(2, 1, 54); // "One-Time Text Message": two messages
    WindowScript script;
    script.When<frmEditText2>([](frmEditText2& t) {
        QTest::keyClicks(t.txtText[0], "Hello");
        QTest::keyClicks(t.txtText[1], "There");
        Click(t.cmdOK);
    });
    script.Open<frmEditSpNode>(At(2, 1), [](frmEditSpNode& e) {
        Click(e.cmdMessage);
        Click(e.cmdOK);
    });
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
        script.Open<frmEditSpNode>(At(0, 3), [&c](frmEditSpNode& e) {
            Click(c[2] ? e.cmdPictCustom : e.cmdPict);
            Click(e.cmdOK);
        });
        EXPECT_EQ(Scen.ScenSpecialNodes[3].Picture, c[6]);
    }
    frmPics.imgCustomPics = sheetBefore;
    CustomPicsLoaded = loadedBefore;
}
} // namespace

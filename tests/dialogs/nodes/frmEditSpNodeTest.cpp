#include "dialogs/nodes/NodeEditorHarness.h"

#include "dialogs/nodes/NodeTypePresentation.h"
#include "forms/MultiLineBox.h"
#include "graphics/GraphicsSheets.h"
#include "scenario/tables/NodeTypeDescriptors.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr std::int32_t kFamilies[] = {0, 1, 2};

// Picks entry n of a value list with the keyboard, as the author may.
void ChooseEntry(QComboBox* list, int n) {
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < n; ++i)
        QTest::keyClick(list, Qt::Key_Down);
}

void ClickType(frmEditSpNode& e, int category, int entry) {
    Click(e.cmdSpType[static_cast<std::size_t>(category)]);
    QListWidgetItem* item = e.lstNodeType->item(entry);
    ASSERT_NE(item, nullptr);
    e.lstNodeType->scrollToItem(item);
    QTest::mouseClick(e.lstNodeType->viewport(), Qt::LeftButton, {},
                      e.lstNodeType->visualItemRect(item).center());
}

TEST_F(NodeEditorTest, EachFamilyShowsAndSavesItsOwnNodeWhenEnterIsPressedInABox) {
    const char* titles[] = {
        "Edit Scenario special node:", "Edit Outdoor special node:", "Edit Town special node:"};
    for (const std::int32_t family : kFamilies) {
        SCOPED_TRACE(family);
        Use(family, 5, 14); // "Play a Sound": extra 1a offers the sounds
        frmEditSpNode& editor =
            Open(family, 5, {.editor = [&](frmEditSpNode& e) {
                     EXPECT_EQ(e.Label1->text(), titles[family]);
                     EXPECT_EQ(e.lblNodeNum->text(), "5");
                     EXPECT_EQ(e.lblNodeType->text(), "Play a Sound");
                     EXPECT_EQ(e.windowTitle(), "Varno Scenario Editor");
                     e.txtData[5]->setFocus();
                     e.txtData[5]->selectAll();
                     QTest::keyClicks(e.txtData[5], "7");
                     QTest::keyClick(e.txtData[5], Qt::Key_Return); // the typed value is not lost
                 }});
        EXPECT_EQ(FamilyNode(Scen, family, 5).Extra1a, 7);
        EXPECT_EQ(editor.NodeNum, 5);
        EXPECT_FALSE(editor.isVisible());
    }
}

TEST_F(NodeEditorTest, ArrowsWrapAroundTheFamilyAndOkHandsBackTheNodeItOpenedOn) {
    const char* last[] = {"255", "59", "99"};
    for (const std::int32_t family : kFamilies) {
        SCOPED_TRACE(family);
        Use(family, MaxNodeOf(family), 4);
        frmEditSpNode& editor = Open(family, 0, {.editor = [&](frmEditSpNode& e) {
                                         Click(e.cmdScrollLeft);
                                         EXPECT_EQ(e.lblNodeNum->text(), last[family]);
                                         TypeInto(e.txtData[0], "4");
                                         Click(e.cmdScrollRight); // saves the node left
                                         EXPECT_EQ(e.lblNodeNum->text(), "0");
                                         Click(e.cmdScrollRight);
                                         Click(e.cmdOK);
                                     }});
        EXPECT_EQ(FamilyNode(Scen, family, MaxNodeOf(family)).StuffDoneA, 4);
        EXPECT_EQ(editor.NodeNum, 0);
    }
    // Cancel hands back the node shown.
    frmEditSpNode& editor = Open(2, 7, {.editor = [](frmEditSpNode& e) {
                                     Click(e.cmdScrollRight);
                                     QTest::keyClick(e.txtData[0], Qt::Key_Escape);
                                 }});
    EXPECT_EQ(editor.NodeNum, 8);
}

TEST_F(NodeEditorTest, MinusOneEditsTheFirstFreeNodeOrClosesWhenThereIsNone) {
    for (std::int16_t n = 0; n < 5; ++n)
        Use(2, n, 4);
    Use(2, 5, 0, 3); // type 0, but something jumps on from it
    frmEditSpNode& editor = Open(2, -1, {.editor = [](frmEditSpNode& e) {
                                     EXPECT_EQ(e.lblNodeNum->text(), "6");
                                     ClickType(e, 0, 4); // "Secret Passage"
                                     Click(e.cmdOK);
                                 }});
    EXPECT_EQ(editor.NodeNum, 6);
    EXPECT_EQ(Scen.Towns[1].SpecialNodes[6].Type, 4);

    for (std::int16_t n = 0; n <= 59; ++n)
        Use(1, n, 4);
    bool shown = false;
    Open(1, -1, {.editor = [&](frmEditSpNode&) { shown = true; }});
    EXPECT_FALSE(shown);
    EXPECT_EQ(editor.NodeNum, -1);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].title, "Error");
    EXPECT_EQ(boxes.Calls()[0].text, kNoFreeNodeText);
}

TEST_F(NodeEditorTest, CancelOnANodeTakenForANewReferenceAndLeftFreeHandsBackNone) {
    frmEditSpNode& editor =
        Open(2, -1, {.editor = [](frmEditSpNode& e) {
                 TypeInto(e.txtData[5], "3"); // typed, but the type stays "No Special"
                 QTest::keyClick(e.txtData[0], Qt::Key_Escape);
             }});
    EXPECT_EQ(editor.NodeNum, -1);
    EXPECT_EQ(Scen.Towns[1].SpecialNodes[0].Extra1a, -1);
    // A node the opener named is handed back whatever it holds.
    Open(2, 3, {.editor = [](frmEditSpNode& e) { Click(e.cmdCancel); }});
    EXPECT_EQ(editor.NodeNum, 3);
}

TEST_F(NodeEditorTest, EachCategoryListsItsTypesAndAChosenTypeRelabelsTheFields) {
    Use(0, 9, 4);
    Open(0, 9, {.editor = [](frmEditSpNode& e) {
             EXPECT_EQ(e.lstNodeType->count(), 0); // empty until a category is pressed
             for (int c = 0; c < kNodeTypeCategoryCount; ++c) {
                 SCOPED_TRACE(c);
                 const NodeTypeCategory& category =
                     kNodeTypeCategories[static_cast<std::size_t>(c)];
                 EXPECT_EQ(e.cmdSpType[static_cast<std::size_t>(c)]->text(), category.Caption);
                 const int count = category.LastType - category.FirstType + 1;
                 ClickType(e, c, count - 1);
                 EXPECT_EQ(e.lstNodeType->count(), count);
                 const SpecialNodeTypeInfo& info = SpecialNodeTypes[category.LastType];
                 EXPECT_EQ(e.lblNodeType->text().toStdString(), info.Name);
                 EXPECT_EQ(e.lblPrompt[5]->text().toStdString(), info.Prompts[5]);
                 EXPECT_EQ(e.cmdMessage->isVisible(), info.ButtonFlags[0] != 0);
             }
             Click(e.cmdOK);
         }});
    EXPECT_EQ(Scen.ScenSpecialNodes[9].Type, 229);
    EXPECT_EQ(Scen.ScenSpecialNodes[9].JumpTo, -1); // the fields are not changed by a type
}

TEST_F(NodeEditorTest, MovingTheFocusOntoTheTypeListChoosesNoType) {
    Use(2, 3, 4);
    Open(2, 3, {.editor = [](frmEditSpNode& e) {
             Click(e.cmdSpType[1]);
             QTest::keyClick(e.cmdSpType[1], Qt::Key_Tab); // tabs on to the list
             e.lstNodeType->setFocus(Qt::TabFocusReason);
             EXPECT_EQ(e.lblNodeType->text(), "Secret Passage");
             QTest::keyClick(e.lstNodeType, Qt::Key_Down); // a choice made with the keyboard counts
             EXPECT_NE(e.lblNodeType->text(), "Secret Passage");
             Click(e.cmdOK);
         }});
    EXPECT_GE(Scen.Towns[1].SpecialNodes[3].Type, 50);
}

TEST_F(NodeEditorTest, AStoreKindChosenFromItsListRelabelsTheOutdoorStoreAtOnce) {
    Use(1, 2, 229);
    Scen.OutdoorSections.At(0, 0).SpecialNodes[2].Extra1a = 0;
    Open(1, 2, {.editor = [](frmEditSpNode& e) {
             EXPECT_EQ(e.lblPrompt[6]->text(), "Number of first item in store");
             EXPECT_EQ(e.lstChoose[6]->count(), 500);
             EXPECT_FALSE(e.lstChoose[6]->isHidden());
             ChooseEntry(e.lstChoose[5], 5);
             EXPECT_EQ(e.txtData[5]->text(), "5");
             EXPECT_EQ(e.lblPrompt[6]->text(), "Which shop (0 - 4)");
             EXPECT_TRUE(e.lstChoose[6]->isHidden());
             TypeInto(e.txtData[5], "7"); // beyond the list: no entry, every prompt unused
             EXPECT_EQ(e.lstChoose[5]->currentIndex(), -1);
             EXPECT_EQ(e.lblPrompt[8]->text(), "Unused");
             EXPECT_NE(e.lblPrompt[8]->palette().color(QPalette::Window), QColor(0, 255, 255));
             EXPECT_EQ(e.lblPrompt[5]->palette().color(QPalette::Window), QColor(0, 255, 255));
             TypeInto(e.txtData[8], "12"); // an unused field still takes a value
             Click(e.cmdOK);
         }});
    EXPECT_EQ(Scen.OutdoorSections.At(0, 0).SpecialNodes[2].Extra1a, 7);
    EXPECT_EQ(Scen.OutdoorSections.At(0, 0).SpecialNodes[2].Extra2b, 12);
}

TEST_F(NodeEditorTest, AFlagChosenFillsThePartBListWithItsValueNames) {
    Use(0, 1, 55);
    Scen.StuffDoneNames[12].ValueNames[3] = "Opened";
    Open(0, 1, {.editor = [](frmEditSpNode& e) {
             EXPECT_EQ(e.lstChoose[1]->count(), 0); // flag -1 has no values
             ChooseEntry(e.lstChoose[0], 12);
             ASSERT_EQ(e.lstChoose[1]->count(), 10);
             EXPECT_EQ(e.lstChoose[1]->itemText(3), "3 - Opened");
             TypeInto(e.txtData[1], "3");
             EXPECT_EQ(e.lstChoose[1]->currentIndex(), 3);
             Click(e.cmdOK);
         }});
    EXPECT_EQ(Scen.ScenSpecialNodes[1].StuffDoneA, 12);
    EXPECT_EQ(Scen.ScenSpecialNodes[1].StuffDoneB, 3);
}

TEST_F(NodeEditorTest, ClickingIntoAFieldSelectsItsNumberSoThatTypingReplacesIt) {
    Use(2, 1, 4);
    Scen.Towns[1].SpecialNodes[1].Extra1a = 123;
    Open(2, 1, {.editor = [](frmEditSpNode& e) {
             QTest::mouseClick(e.txtData[5], Qt::LeftButton, {}, QPoint(3, 5));
             QCoreApplication::processEvents();
             QTest::keyClicks(e.txtData[5], "8");
             EXPECT_EQ(e.txtData[5]->text(), "8");
             Click(e.cmdCancel);
         }});
}

TEST_F(NodeEditorTest, AnEmptiedPictureBoxHoldsZeroAndAnyOtherEmptiedBoxMinusOne) {
    Use(2, 1, 4);
    Scen.Towns[1].SpecialNodes[1].Picture = 9;
    Scen.Towns[1].SpecialNodes[1].Extra2a = 9;
    Open(2, 1, {.editor = [](frmEditSpNode& e) {
             TypeInto(e.txtData[4], "");
             TypeInto(e.txtData[7], "");
             EXPECT_EQ(e.txtData[4]->text(), "0");
             EXPECT_EQ(e.txtData[7]->text(), "-1");
             Click(e.cmdOK);
         }});
    EXPECT_EQ(Scen.Towns[1].SpecialNodes[1].Picture, 0);
    EXPECT_EQ(Scen.Towns[1].SpecialNodes[1].Extra2a, -1);
}

TEST_F(NodeEditorTest, AChainIsCreatedThreeDeepAndUnusedLinksAreUndoneOnTheWayBack) {
    for (std::int16_t n = 0; n <= 2; ++n)
        Use(2, n, 4);
    frmEditSpNode& editor =
        Open(2, 2, {.editor = [](frmEditSpNode& e) {
                 Click(e.cmdButton[3]);
                 EXPECT_EQ(e.lblNodeNum->text(), "3");
                 EXPECT_TRUE(e.cmdGoBack->isVisible());
                 EXPECT_FALSE(e.cmdCancel->isVisible());
                 ClickType(e, 0, 4); // node 3 is used
                 Click(e.cmdButton[3]);
                 Click(e.cmdButton[3]); // node 4 gets the link to 5, so it is used too
                 EXPECT_EQ(e.lblNodeNum->text(), "5");
                 EXPECT_EQ(e.GoBack.Depth(), 3);
                 Click(e.cmdGoBack); // 5 was left unused: 4 loses its link
                 EXPECT_EQ(e.lblNodeNum->text(), "4");
                 EXPECT_EQ(e.txtData[9]->text(), "-1");
                 Click(e.cmdGoBack); // now 4 is unused as well
                 EXPECT_EQ(e.lblNodeNum->text(), "3");
                 EXPECT_EQ(e.txtData[9]->text(), "-1");
                 Click(e.cmdGoBack); // 3 has a type: 2 keeps its link
                 EXPECT_EQ(e.txtData[9]->text(), "3");
                 EXPECT_FALSE(e.cmdGoBack->isVisible());
                 EXPECT_TRUE(e.cmdCancel->isVisible());
                 Click(e.cmdOK);
             }});
    EXPECT_EQ(editor.NodeNum, 2);
    const auto& nodes = Scen.Towns[1].SpecialNodes;
    EXPECT_EQ(nodes[2].JumpTo, 3);
    EXPECT_EQ(nodes[3].Type, 4);
    EXPECT_EQ(nodes[3].JumpTo, -1);
    EXPECT_TRUE(IsFreeNode(nodes[4]));
    EXPECT_TRUE(IsFreeNode(nodes[5]));
}

// Go Back once saved a child left unused, which turned a free node's picture -1 into 0. A child
// that storage holds in use and the author freed is still saved: else the freeing were lost.
TEST_F(NodeEditorTest, GoBackLeavesAnUnusedChildAsStoredUnlessTheAuthorFreedIt) {
    for (const bool inUse : {false, true}) {
        SCOPED_TRACE(inUse);
        FreeEverything();
        for (std::int16_t n = 0; n <= 2; ++n)
            Use(2, n, 4, n == 2 && inUse ? 3 : -1);
        if (inUse) Use(2, 3, 4);
        const SpecialNode stored = Scen.Towns[1].SpecialNodes[3];
        Open(2, 2, {.editor = [inUse](frmEditSpNode& e) {
                 Click(e.cmdButton[3]);
                 EXPECT_EQ(e.lblNodeNum->text(), "3");
                 if (inUse) ClickType(e, 0, 0); // "No Special": the author frees the node
                 Click(e.cmdGoBack);
                 Click(e.cmdOK);
             }});
        const SpecialNode& child = Scen.Towns[1].SpecialNodes[3];
        if (inUse)
            EXPECT_TRUE(IsFreeNode(child));
        else
            EXPECT_EQ(child, stored);
        EXPECT_EQ(Scen.Towns[1].SpecialNodes[2].JumpTo, -1);
    }
}

TEST_F(NodeEditorTest, GlobalCallsAndTimersLinkIntoTheScenarioFamily) {
    Use(2, 0, 21);
    frmEditSpNode& editor =
        Open(2, 0, {.editor = [](frmEditSpNode& e) {
                 Click(e.cmdButton[3]);
                 EXPECT_EQ(e.Label1->text(), "Edit Scenario special node:");
                 // Town node 0 is being edited, yet scenario node 0 is free to take.
                 EXPECT_EQ(e.lblNodeNum->text(), "0");
                 ClickType(e, 0, 13); // "Start General Timer"
                 Click(e.cmdButton[1]);
                 EXPECT_EQ(e.lblNodeNum->text(), "1");
                 EXPECT_EQ(e.Label1->text(), "Edit Scenario special node:");
                 Click(e.cmdOK); // OK at any depth: the bottom of the chain is handed back
             }});
    EXPECT_EQ(editor.NodeNum, 0);
    EXPECT_EQ(editor.NodeSet, 2);
    EXPECT_EQ(Scen.Towns[1].SpecialNodes[0].JumpTo, 0);
    EXPECT_EQ(Scen.ScenSpecialNodes[0].Extra1b, 1);
}

TEST_F(NodeEditorTest, ANodeNumberBeyondTheFamilyIsNotOpened) {
    bool shown = false;
    frmEditSpNode& editor = Open(1, 60, {.editor = [&](frmEditSpNode&) { shown = true; }});
    EXPECT_FALSE(shown);
    EXPECT_EQ(editor.NodeNum, 60);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, NodeOutOfRangeText(1, 60));
}

TEST_F(NodeEditorTest, GoBackAfterTheArrowsMovedOnKeepsTheParentsValidLink) {
    Use(2, 2, 4, 3);
    Use(2, 3, 4);
    Open(2, 2, {.editor = [](frmEditSpNode& e) {
             Click(e.cmdButton[3]);
             Click(e.cmdScrollRight); // node 4, free and left so
             Click(e.cmdGoBack);
             EXPECT_EQ(e.txtData[9]->text(), "3");
             Click(e.cmdOK);
         }});
    EXPECT_EQ(Scen.Towns[1].SpecialNodes[2].JumpTo, 3);
}

TEST_F(NodeEditorTest, ALinkBeyondItsFamilyIsNeitherStoredNorFollowed) {
    Use(2, 1, 4, 150); // only a damaged file holds such a link
    Open(2, 1, {.editor = [this](frmEditSpNode& e) {
             Click(e.cmdButton[3]);
             EXPECT_EQ(e.lblNodeNum->text(), "1");
             EXPECT_EQ(e.GoBack.Depth(), 0);
             ASSERT_EQ(boxes.Calls().size(), 1u);
             EXPECT_EQ(boxes.Calls()[0].text, NodeOutOfRangeText(2, 150));
             TypeInto(e.txtData[9], "5");
             TypeInto(e.txtData[9], "100");
             ASSERT_EQ(boxes.Calls().size(), 2u);
             EXPECT_EQ(boxes.Calls()[1].text, "Value must be between -1 and 99.");
             EXPECT_EQ(e.txtData[9]->text(), "5"); // the last good value comes back when it is left
             TypeInto(e.txtData[9], "99");
             Click(e.cmdOK);
         }});
    EXPECT_EQ(Scen.Towns[1].SpecialNodes[1].JumpTo, 99);
}

TEST_F(NodeEditorTest, TheGoBackStackRefusesA257thLink) {
    for (std::int16_t n = 0; n <= 255; ++n)
        Use(0, n, 4, static_cast<std::int16_t>((n + 1) % 256));
    Open(0, 0, {.editor = [this](frmEditSpNode& e) {
             for (int i = 0; i < GoBackStack::kCapacity; ++i)
                 Click(e.cmdButton[3]);
             EXPECT_EQ(e.GoBack.Depth(), 256);
             EXPECT_TRUE(boxes.Calls().empty());
             Click(e.cmdButton[3]);
             EXPECT_EQ(boxes.Calls().size(), 1u);
             EXPECT_EQ(e.GoBack.Depth(), 256);
             EXPECT_EQ(e.lblNodeNum->text(), "0");
             Click(e.cmdGoBack);
             EXPECT_EQ(e.lblNodeNum->text(), "255");
             Click(e.cmdOK);
         }});
}

TEST_F(NodeEditorTest, AFailedFreeNodeSearchLeavesTheEditorUsable) {
    for (std::int16_t n = 0; n <= 99; ++n)
        Use(2, n, 4);
    Open(2, 5, {.editor = [this](frmEditSpNode& e) {
             Click(e.cmdButton[3]);
             ASSERT_EQ(boxes.Calls().size(), 1u);
             EXPECT_EQ(boxes.Calls()[0].text, kNoFreeNodeText);
             EXPECT_EQ(e.txtData[9]->text(), "-1");
             Click(e.cmdSpType[1]); // the handlers still answer
             EXPECT_GT(e.lstNodeType->count(), 0);
             Click(e.cmdOK);
         }});
}

TEST_F(NodeEditorTest, TheMessageButtonHandsTheFreeSlotsItUsedBackToTheNode) {
    Use(2, 1, 54); // "One-Time Text Message": two messages
    Open(2, 1,
         {.editor =
              [](frmEditSpNode& e) {
                  Click(e.cmdMessage);
                  EXPECT_EQ(e.txtData[2]->text(), "0");
                  EXPECT_EQ(e.txtData[3]->text(), "1");
                  ShowActive(e);
                  Click(e.cmdOK);
              },
          .text2 =
              [](frmEditText2& t) {
                  QTest::keyClicks(t.txtText[0], "Hello");
                  QTest::keyClicks(t.txtText[1], "There");
                  Click(t.cmdOK);
              }});
    EXPECT_EQ(Scen.Towns[1].Strings[20], "Hello");
    EXPECT_EQ(Scen.Towns[1].Strings[21], "There");
    EXPECT_EQ(Scen.Towns[1].SpecialNodes[1].Message1, 0);
    EXPECT_EQ(Scen.Towns[1].SpecialNodes[1].Message2, 1);
}

TEST_F(NodeEditorTest, PicturesArePickedFromTheKindOfTheNodesType) {
    struct Case {
        std::int16_t type;
        std::int16_t stored;
        bool custom;
        std::int32_t pickerKind;
        std::int16_t marked;
        int pick;
        std::int16_t result;
    };
    const Case cases[] = {
        {56, 12, false, 6, 12, 20, 20},  // terrain picture
        {55, 3, false, 1, -1, 5, 705},   // a dialog picture below 700 marks nothing
        {55, 800, false, 1, -1, 5, 705}, // nor one beyond the picker's pictures
        {57, 401, false, 3, 1, 2, 402},  // monster picture
        {55, 1003, true, 0, 3, 7, 1007}, // a picture of the scenario's own sheet
    };
    // A custom sheet of three rows: pictures 0..29.
    const QImage sheetBefore = frmPics.imgCustomPics;
    const std::int16_t loadedBefore = CustomPicsLoaded;
    frmPics.imgCustomPics = QImage(280, 3 * 36, QImage::Format_RGB32);
    frmPics.imgCustomPics.fill(Qt::white);
    CustomPicsLoaded = -1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        Use(0, 3, c.type);
        Scen.ScenSpecialNodes[3].Picture = c.stored;
        Open(0, 3,
             {.editor =
                  [&c](frmEditSpNode& e) {
                      Click(c.custom ? e.cmdPictCustom : e.cmdPict);
                      ShowActive(e);
                      Click(e.cmdOK);
                  },
              .picker =
                  [&c](frmSelectIcon& p) {
                      EXPECT_EQ(p.PictureSet, c.pickerKind);
                      EXPECT_EQ(p.WorkingSelection(), c.marked);
                      Click(p.optSelect[static_cast<std::size_t>(c.pick)]);
                      Click(p.cmdOK);
                  }});
        EXPECT_EQ(Scen.ScenSpecialNodes[3].Picture, c.result);
    }
    frmPics.imgCustomPics = sheetBefore;
    CustomPicsLoaded = loadedBefore;
}
} // namespace

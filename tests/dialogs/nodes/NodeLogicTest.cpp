#include "dialogs/nodes/NodeCopy.h"
#include "dialogs/nodes/NodeLinks.h"
#include "dialogs/nodes/NodeStorage.h"
#include "dialogs/nodes/NodeTestScenario.h"
#include "dialogs/nodes/NodeTypePresentation.h"
#include "platform/core/RuntimeError.h"
#include "support/ErrorOf.h"

#include <gtest/gtest.h>

namespace {
using NodeStorageTest = NodeScenarioTest;

TEST_F(NodeStorageTest, EachFamilyFindsItsFirstFreeNodeInItsOwnStorage) {
    for (const auto& [family, last] : {std::pair{0, 255}, {1, 59}, {2, 99}}) {
        SCOPED_TRACE(family);
        EXPECT_EQ(MaxNodeOf(family), last);
        for (int n = 0; n < 5; ++n)
            FamilyNode(Scen, family, n).Type = 4;
        FamilyNode(Scen, family, 5).JumpTo = 3; // type 0 but followed: not free
        EXPECT_EQ(FirstFreeNode(Scen, family, -1), 6);
        EXPECT_EQ(FirstFreeNode(Scen, family, 6), 7); // the node being edited is skipped
        for (int n = 0; n <= last; ++n)
            FamilyNode(Scen, family, n).Type = 1;
        EXPECT_EQ(FirstFreeNode(Scen, family, -1), -1);
        const int f = family, beyond = last + 1; // a lambda cannot capture a binding
        EXPECT_EQ(ErrorOf([f, beyond] { FamilyNode(Scen, f, beyond); }), err::SubscriptOutOfRange);
    }
    EXPECT_EQ(Scen.Towns[0].SpecialNodes[0].Type, 0); // the town family is the current town's
}

TEST_F(NodeStorageTest, TheSearchRepairsNegativeTypesOnlyUpToTheNodeItTakes) {
    Scen.ScenSpecialNodes[0] = {-3, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1};
    Scen.ScenSpecialNodes[1].Type = 2;
    Scen.ScenSpecialNodes[3].Type = -1;
    EXPECT_EQ(FirstFreeNode(Scen, 0, 0), 2);
    EXPECT_EQ(Scen.ScenSpecialNodes[0].Type, 0);
    EXPECT_EQ(Scen.ScenSpecialNodes[3].Type, -1);
}

// A copy of type 0 that jumps nowhere is stored as a free node; a reference to a free or
// missing node is none.
TEST_F(NodeStorageTest, FreeNodesAreStoredAndReferencedAsNone) {
    NodeCopy copy{0, {1, 2, 3, 4, 5, 6, 7, 8, 9, -1}};
    EXPECT_EQ(SaveNodeCopy(copy), (SpecialNode{0, -1, -1, -1, -1, 0, -1, -1, -1, -1, -1}));
    copy.NodeData[9] = 3;
    EXPECT_EQ(SaveNodeCopy(copy), (SpecialNode{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 3}));
    EXPECT_EQ(LoadNodeCopy(SaveNodeCopy(copy)), copy);
    Scen.Towns[1].SpecialNodes[4].Type = 9;
    std::vector<int> refs;
    for (const int node : {4, 5, 100, -1})
        refs.push_back(NodeReferenceOrNone(Scen, 2, node));
    EXPECT_EQ(refs, (std::vector<int>{4, -1, -1, -1}));
}

using NodePresentationTest = NodeScenarioTest;

TEST_F(NodePresentationTest, ValueListsNumberTheirEntriesByTheValueTheyStandFor) {
    Scen.StuffDoneNames[12].ValueNames[3] = "Opened";
    Scen.Towns[1].Strings[0] = "Harbour";
    struct Case {
        std::int16_t kind, flag;
        std::size_t count, probe;
        std::string text;
    };
    const Case cases[] = {
        {chooser::Statistics, 0, 19, 5, "5 - " + SkillNames[5]},
        {chooser::ItemTypes, 0, 500, 499, "499 - " + Scen.ItemTypes[499].Name},
        {chooser::StoreTypes, 0, 6, 2, ShopTypeNames[2]},
        {chooser::TownLighting, 0, 4, 3, "Totally Dark"},
        {chooser::Towns, 0, 2, 1, "1 - Harbour"},
        {chooser::StuffDoneFlagB, 12, 10, 3, "3 - Opened"},
        {chooser::DialogButtonLabels, 0, 60, 0, "0 - " + Scen.ScenStrings[260]},
        {chooser::StuffDoneFlagB, 300, 0, 0, ""},
        {chooser::StuffDoneFlagB, -1, 0, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const auto entries = ChooserEntries(Scen, c.kind, c.flag);
        ASSERT_EQ(entries.size(), c.count);
        EXPECT_EQ(c.count ? entries[c.probe] : "", c.text);
    }
    Scen.TownCount = 0;
    EXPECT_TRUE(ChooserEntries(Scen, chooser::Towns, 0).empty());
    EXPECT_EQ((std::vector<int>{ChooserSelection(5, 19), ChooserSelection(19, 19),
                                ChooserSelection(-1, 19)}),
              (std::vector<int>{5, -1, -1}));
}

// The store kinds themselves are checked with the type table and in the node editor.
TEST_F(NodePresentationTest, ANegativeTypeIsPresentedAndKeptAsNoSpecial) {
    NodeCopy negative{-4, {}};
    EXPECT_EQ(&PresentedNodeType(negative), &SpecialNodeTypes[0]);
    EXPECT_EQ(negative.CurrentType, 0);
    const NodeTypeCategory& outSpecs = kNodeTypeCategories[5]; // the five outdoor types
    EXPECT_EQ(std::string(outSpecs.Caption) + " " + std::to_string(outSpecs.FirstType) + "-" +
                  std::to_string(outSpecs.LastType),
              "Out Specs 225-229");
}

TEST(NodeLinks, LinkButtonsFollowTheirFieldIntoTheRightFamily) {
    // button, type, field, family
    const int cases[][4] = {
        {1, 13, 6, 0}, {1, 14, 6, 2}, {2, 13, 8, 2}, {3, 21, 9, 0}, {3, 13, 9, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0] * 100 + c[1]);
        const NodeLink link = LinkOfButton(c[0], static_cast<std::int16_t>(c[1]), 2);
        EXPECT_EQ(link.Field, c[2]);
        EXPECT_EQ(link.Family, c[3]);
    }
}

TEST(NodeLinks, GoingBackUnlinksTheParentOnlyWhileItStillNamesTheChildLeft) {
    NodeCopy parent{21, {}};
    parent.NodeData[9] = 4;
    const GoBackEntry entry{2, 2, 3};
    EXPECT_TRUE(ShouldUnlinkParent(parent, entry, 4, 0));  // type 21 jumps into the scenario
    EXPECT_FALSE(ShouldUnlinkParent(parent, entry, 5, 0)); // arrows moved on to node 5
    EXPECT_FALSE(ShouldUnlinkParent(parent, entry, 4, 2)); // same number, other family
}

TEST(NodeLinks, PicturesArePickedWithinThePickersRange) {
    // custom, kind, value, picture set, preselected
    const int cases[][5] = {{0, 2, 12, 6, 12},  {0, 1, 3, 1, -1},    {0, 1, 705, 1, 5},
                            {0, 1, 800, 1, -1}, {0, 3, 572, 3, 172}, {0, 3, 573, 3, -1},
                            {1, 2, 1007, 0, 7}, {1, 2, 1050, 0, -1}, {0, 0, 0, -1, -1},
                            {1, 0, 0, -1, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[2]);
        const PicturePick pick =
            PicturePickOf(c[0] != 0, static_cast<std::int16_t>(c[1]), 3 * 36); // 30 custom
        EXPECT_EQ(pick.PictureSet, c[3]);
        EXPECT_EQ(c[3] < 0 ? -1 : PreselectedPicture(pick, static_cast<std::int16_t>(c[2])), c[4]);
    }
}
} // namespace

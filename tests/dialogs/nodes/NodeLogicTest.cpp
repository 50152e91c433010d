#include "dialogs/nodes/NodeCopy.h"
#include "dialogs/nodes/NodeLinks.h"
#include "dialogs/nodes/NodeStorage.h"
#include "dialogs/nodes/NodeTestScenario.h"
#include "dialogs/nodes/NodeTypePresentation.h"
#include "support/GameLayoutFixture.h"

#include <gtest/gtest.h>

namespace {
using NodeStorageTest = NodeScenarioTest;

TEST_F(NodeStorageTest, EachFamilyFindsItsFirstFreeNodeInItsOwnStorage) {
    struct Case {
        std::int32_t family;
        std::int16_t last;
    };
    for (const Case c : {Case{0, 255}, Case{1, 59}, Case{2, 99}}) {
        SCOPED_TRACE(c.family);
        EXPECT_EQ(MaxNodeOf(c.family), c.last);
        for (int n = 0; n < 5; ++n)
            FamilyNode(Scen, c.family, n).Type = 4;
        FamilyNode(Scen, c.family, 5).JumpTo = 3; // type 0 but followed: not free
        EXPECT_EQ(FirstFreeNode(Scen, c.family, -1), 6);
        EXPECT_EQ(FirstFreeNode(Scen, c.family, 6), 7); // the node being edited is skipped
        for (int n = 0; n <= c.last; ++n)
            FamilyNode(Scen, c.family, n).Type = 1;
        EXPECT_EQ(FirstFreeNode(Scen, c.family, -1), -1);
        EXPECT_EQ(ErrorOf([&] { FamilyNode(Scen, c.family, c.last + 1); }),
                  err::SubscriptOutOfRange);
    }
    // The town family is the current town's.
    EXPECT_EQ(Scen.Towns[0].SpecialNodes[0].Type, 0);
}

TEST_F(NodeStorageTest, TheSearchRepairsNegativeTypesOnlyUpToTheNodeItTakes) {
    Scen.ScenSpecialNodes[0] = {-3, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1};
    Scen.ScenSpecialNodes[1].Type = 2;
    Scen.ScenSpecialNodes[3].Type = -1;
    EXPECT_EQ(FirstFreeNode(Scen, 0, 0), 2);
    EXPECT_EQ(Scen.ScenSpecialNodes[0].Type, 0);
    EXPECT_EQ(Scen.ScenSpecialNodes[3].Type, -1);
}

TEST_F(NodeStorageTest, SavingACopyOfTypeZeroThatJumpsNowhereStoresAFreeNode) {
    NodeCopy copy{0, {1, 2, 3, 4, 5, 6, 7, 8, 9, -1}};
    EXPECT_EQ(SaveNodeCopy(copy), (SpecialNode{0, -1, -1, -1, -1, 0, -1, -1, -1, -1, -1}));
    copy.NodeData[9] = 3;
    EXPECT_EQ(SaveNodeCopy(copy), (SpecialNode{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 3}));
    EXPECT_EQ(LoadNodeCopy(SaveNodeCopy(copy)), copy);
}

TEST_F(NodeStorageTest, AReferenceToAFreeOrMissingNodeIsNone) {
    Scen.Towns[1].SpecialNodes[4].Type = 9;
    EXPECT_EQ(NodeReferenceOrNone(Scen, 2, 4), 4);
    EXPECT_EQ(NodeReferenceOrNone(Scen, 2, 5), -1);
    EXPECT_EQ(NodeReferenceOrNone(Scen, 2, 100), -1);
    EXPECT_EQ(NodeReferenceOrNone(Scen, 2, -1), -1);
}

using NodePresentationTest = NodeScenarioTest;

TEST_F(NodePresentationTest, ValueListsNumberTheirEntriesByTheValueTheyStandFor) {
    Scen.StuffDoneNames[12].ValueNames[3] = "Opened";
    Scen.Towns[1].Strings[0] = "Harbour";
    struct Case {
        std::int16_t kind;
        std::int16_t flag;
        std::size_t count;
        std::size_t probe;
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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const auto entries = ChooserEntries(Scen, c.kind, c.flag);
        ASSERT_EQ(entries.size(), c.count);
        EXPECT_EQ(entries[c.probe], c.text);
    }
    EXPECT_TRUE(ChooserEntries(Scen, chooser::StuffDoneFlagB, 300).empty());
    EXPECT_TRUE(ChooserEntries(Scen, chooser::StuffDoneFlagB, -1).empty());
    Scen.TownCount = 0;
    EXPECT_TRUE(ChooserEntries(Scen, chooser::Towns, 0).empty());
    EXPECT_EQ(ChooserSelection(5, 19), 5);
    EXPECT_EQ(ChooserSelection(19, 19), -1);
    EXPECT_EQ(ChooserSelection(-1, 19), -1);
}

// The store kinds themselves are checked with the type table and in the node editor.
TEST_F(NodePresentationTest, ANegativeTypeIsPresentedAndKeptAsNoSpecial) {
    NodeCopy negative{-4, {}};
    EXPECT_EQ(&PresentedNodeType(negative), &SpecialNodeTypes[0]);
    EXPECT_EQ(negative.CurrentType, 0);
}

TEST(NodeTypeCategories, OutSpecsListsTheFiveOutdoorTypes) {
    EXPECT_STREQ(kNodeTypeCategories[5].Caption, "Out Specs");
    EXPECT_EQ(kNodeTypeCategories[5].FirstType, 225);
    EXPECT_EQ(kNodeTypeCategories[5].LastType, 229);
}

TEST(NodeLinks, LinkButtonsFollowTheirFieldIntoTheRightFamily) {
    struct Case {
        int button;
        std::int16_t type;
        int field;
        std::int32_t family;
    };
    const Case cases[] = {
        {1, 13, 6, 0}, {1, 14, 6, 2}, {2, 13, 8, 2}, {3, 21, 9, 0}, {3, 13, 9, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button * 100 + c.type);
        const NodeLink link = LinkOfButton(c.button, c.type, 2);
        EXPECT_EQ(link.Field, c.field);
        EXPECT_EQ(link.Family, c.family);
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
    struct Case {
        bool custom;
        std::int16_t kind;
        std::int16_t value;
        std::int32_t set;
        std::int16_t preselected;
    };
    const Case cases[] = {
        {false, 2, 12, 6, 12},  {false, 1, 3, 1, -1},    {false, 1, 705, 1, 5},
        {false, 1, 800, 1, -1}, {false, 3, 572, 3, 172}, {false, 3, 573, 3, -1},
        {true, 2, 1007, 0, 7},  {true, 2, 1050, 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const PicturePick pick = PicturePickOf(c.custom, c.kind, 3 * 36); // 30 custom pictures
        EXPECT_EQ(pick.PictureSet, c.set);
        EXPECT_EQ(PreselectedPicture(pick, c.value), c.preselected);
    }
    EXPECT_EQ(PicturePickOf(false, 0, 108).PictureSet, -1);
    EXPECT_EQ(PicturePickOf(true, 0, 108).PictureSet, -1);
}
} // namespace

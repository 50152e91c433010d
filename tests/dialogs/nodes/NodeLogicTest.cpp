#include "dialogs/nodes/MessageSlots.h"
#include "dialogs/nodes/NodeTypePresentation.h"
#include "dialogs/nodes/NodeWindows.h"
#include "support/ErrorOf.h"

namespace {
using NodeStorageTest = NodeWindowTest;

// Each family's nodes and messages lie in its own storage: the town family is the current
// town's, and a six-line block needs six free slots in a row.
TEST_F(NodeStorageTest, EachFamilyFindsItsFreeNodesAndMessagesInItsOwnStorage) {
    auto& section = Scen.OutdoorSections.At(0, 0).Strings;
    auto& town = Scen.Towns[1].Strings;
    using Row = std::tuple<int, int, std::int16_t, std::string*, std::string*>;
    for (const auto& [f, last, lastMessage, firstText, lastText] :
         {Row{0, 255, 99, &Scen.ScenStrings[160], &Scen.ScenStrings[259]},
          Row{1, 59, 89, &section[10], &section[99]}, Row{2, 99, 149, &town[20], &town[169]}}) {
        SCOPED_TRACE(f);
        for (int n = 0; n < 5; ++n)
            FamilyNode(Scen, f, n).Type = 4;
        FamilyNode(Scen, f, 5).JumpTo = 3; // type 0 but followed: not free
        // The node being edited is skipped.
        EXPECT_EQ(Ints(FirstFreeNode(Scen, f, -1), FirstFreeNode(Scen, f, 6)), Ints(6, 7));
        for (int n = 0; n <= last; ++n)
            FamilyNode(Scen, f, n).Type = 1;
        EXPECT_EQ(FirstFreeNode(Scen, f, -1), -1);
        const int family = f, beyond = last + 1; // a lambda cannot capture a binding
        EXPECT_EQ(ErrorOf([family, beyond] { FamilyNode(Scen, family, beyond); }),
                  err::SubscriptOutOfRange);
        const MessageFamily messages = MessageFamilyOf(f);
        EXPECT_EQ(Ints(messages.LastMessage, &MessageText(Scen, messages, 0) == firstText,
                       &MessageText(Scen, messages, lastMessage) == lastText),
                  Ints(lastMessage, true, true));
        for (int m = 0; m < lastMessage; ++m)
            MessageText(Scen, messages, m) = m < 9 && m % 2 == 1 ? "*" : "used";
        EXPECT_EQ(FirstFreeMessageRun(Scen, messages, 6), -1); // free, but not six in a row
        for (int m = 3; m <= 8; ++m)
            MessageText(Scen, messages, m) = "*free";
        EXPECT_EQ(Ints(FirstFreeMessage(Scen, messages, 0), FirstFreeMessageRun(Scen, messages, 6)),
                  Ints(1, 3));
        for (int m = 0; m < lastMessage; ++m)
            MessageText(Scen, messages, m) = "used";
        EXPECT_EQ(FirstFreeMessage(Scen, messages, 0), lastMessage);
        MessageText(Scen, messages, lastMessage) = "used";
        EXPECT_EQ(FirstFreeMessage(Scen, messages, 0), -1); // a full range
    }
    EXPECT_EQ(Scen.Towns[0].SpecialNodes[0].Type, 0);
}

TEST_F(NodeStorageTest, TheSearchRepairsNegativeTypesAndFreeNodesAreStoredAndReferencedAsNone) {
    Scen.ScenSpecialNodes[0] = {-3, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1};
    Scen.ScenSpecialNodes[1].Type = 2;
    Scen.ScenSpecialNodes[3].Type = -1;
    EXPECT_EQ(FirstFreeNode(Scen, 0, 0), 2);
    EXPECT_EQ(Ints(Scen.ScenSpecialNodes[0].Type, Scen.ScenSpecialNodes[3].Type), Ints(0, -1));

    // A copy of type 0 that jumps nowhere is stored as a free node; a reference to a free or
    // missing node is none.
    NodeCopy copy{0, {1, 2, 3, 4, 5, 6, 7, 8, 9, -1}};
    EXPECT_EQ(SaveNodeCopy(copy), (SpecialNode{0, -1, -1, -1, -1, 0, -1, -1, -1, -1, -1}));
    copy.NodeData[9] = 3;
    EXPECT_EQ(SaveNodeCopy(copy), (SpecialNode{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 3}));
    EXPECT_EQ(LoadNodeCopy(SaveNodeCopy(copy)), copy);
    Scen.Towns[1].SpecialNodes[4].Type = 9;
    EXPECT_EQ(Ints(NodeReferenceOrNone(Scen, 2, 4), NodeReferenceOrNone(Scen, 2, 5),
                   NodeReferenceOrNone(Scen, 2, 100), NodeReferenceOrNone(Scen, 2, -1)),
              Ints(4, -1, -1, -1));
}

// A negative type is presented and kept as no special.
TEST_F(NodeStorageTest, ValueListsNumberTheirEntriesByTheValueTheyStandForAndTypesArePresented) {
    Scen.Towns[1].Strings[0] = "Harbour";
    // kind, flag, entry count, entry probed, its text
    using Row = std::tuple<std::int16_t, std::int16_t, std::size_t, std::size_t, std::string>;
    // clang-format off
    const Row cases[] = {
        {chooser::Statistics, 0, 19, 5, "5 - " + SkillNames[5]},
        {chooser::ItemTypes, 0, 500, 499, "499 - " + Scen.ItemTypes[499].Name},
        {chooser::StoreTypes, 0, 6, 2, ShopTypeNames[2]}, {chooser::Towns, 0, 2, 1, "1 - Harbour"},
        {chooser::TownLighting, 0, 4, 3, "Totally Dark"}, {chooser::StuffDoneFlagB, 300, 0, 0, ""},
        {chooser::DialogButtonLabels, 0, 60, 0, "0 - " + Scen.ScenStrings[260]}};
    // clang-format on
    for (const auto& [kind, flag, count, probe, text] : cases) {
        SCOPED_TRACE(kind);
        const auto entries = ChooserEntries(Scen, kind, flag);
        ASSERT_EQ(entries.size(), count);
        EXPECT_EQ(count ? entries[probe] : "", text);
    }
    Scen.TownCount = 0;
    EXPECT_TRUE(ChooserEntries(Scen, chooser::Towns, 0).empty());
    EXPECT_EQ(Ints(ChooserSelection(5, 19), ChooserSelection(19, 19), ChooserSelection(-1, 19)),
              Ints(5, -1, -1));
    // The store kinds themselves are checked with the type table and in the node editor.
    NodeCopy negative{-4, {}};
    EXPECT_EQ(&PresentedNodeType(negative), &SpecialNodeTypes[0]);
    EXPECT_EQ(negative.CurrentType, 0);
    const NodeTypeCategory& outSpecs = kNodeTypeCategories[5]; // the five outdoor types
    EXPECT_STREQ(outSpecs.Caption, "Out Specs");
    EXPECT_EQ(Ints(outSpecs.FirstType, outSpecs.LastType), Ints(225, 229));
}

TEST(NodeLinks, LinksFollowTheirFieldIntoTheRightFamilyAndAreUndoneOnlyForTheChildLeft) {
    // button, type, field, family
    const int cases[][4] = {
        {1, 13, 6, 0}, {1, 14, 6, 2}, {2, 13, 8, 2}, {3, 21, 9, 0}, {3, 13, 9, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0] * 100 + c[1]);
        const NodeLink link = LinkOfButton(c[0], static_cast<std::int16_t>(c[1]), 2);
        EXPECT_EQ(Ints(link.Field, link.Family), Ints(c[2], c[3]));
    }
    // Going back unlinks the parent only while it still names the child left.
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
        const int marked = PreselectedPicture(pick, static_cast<std::int16_t>(c[2]));
        EXPECT_EQ(Ints(pick.PictureSet, pick.PictureSet < 0 ? -1 : marked), Ints(c[3], c[4]));
    }
}
} // namespace

#include "scenario/RecordListEntries.h"
#include "scenario/RecordListReorder.h"

#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/Ints.h"
#include "support/RecordColumns.h"
#include "support/SampleScenario.h"

#include <gtest/gtest.h>

namespace {
// The last characters of the names of records 0..6, which the tests make distinct.
template <class Table> std::string Order(const Table& table) {
    std::string order;
    for (std::size_t i = 0; i < 7; ++i)
        order += table[i].Name.back();
    return order;
}

// Town 1 and section (1, 0) are current; town 2 and column 2 of sections do not exist.
class RecordListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitCommonTables();
        InitScenEditorTables();
        s = MakeVariedScenario(2, 1, 2, 4);
        std::tie(s.ListsLocked, s.CurrentTown, s.CurrentOutdoorX, s.CurrentOutdoorY) =
            std::tuple(0, 1, 1, 0);
        for (std::size_t i = 0; i < 8; ++i) {
            s.ItemTypes[i].Name = "item" + std::to_string(i);
            s.MonsterTypes[i].Name = "monster" + std::to_string(i);
        }
        // Placed items and creatures in both towns naming types 2..5 and none.
        for (Town& town : s.Towns) {
            town.PresetItems.resize(5);
            town.Creatures.resize(4);
            for (std::size_t k = 0; k < 5; ++k)
                town.PresetItems[k].Item = std::array<std::int16_t, 5>{2, 3, 5, 6, -1}[k];
            for (std::size_t k = 0; k < 4; ++k)
                town.Creatures[k].Monster = std::array<std::uint8_t, 4>{0, 2, 5, 7}[k];
        }
        s.MonsterTypes[1].ItemDropped = 5;
    }

    Scenario s;
};

TEST_F(RecordListTest, EachModeListsItsTableInItsFormatAndNothingForAMissingArea) {
    TownTalk& talk = s.TownTalks[1];
    talk.Personalities[3].Name = "Ada";
    talk.Nodes[4] = TalkingNode{-2, 1, "look", "xxxx", {0, 0, 0, 0}, "a", "b"};
    talk.Nodes[89] = TalkingNode{17, 2, "gold", "  ab", {0, 0, 0, 0}, "c", "d"};
    s.ItemTypes[8].Name = "  Long blade, padded     ";
    OutdoorSection& section = s.OutdoorSections.At(1, 0);
    section.SpecialNodes[5].Type = 1;
    section.SpecialNodes[6].Type = 300; // no such type
    section.Strings[107] = "last";
    s.ScenSpecialNodes[255].Type = 2;
    for (const auto& [n, text] : {std::pair{0, "Name"},
                                  {20, "twenty"},
                                  {59, "fifty-nine"},
                                  {66, "  Key of Doors  "},
                                  {260, "OK"},
                                  {319, "Leave"}})
        s.ScenStrings[static_cast<std::size_t>(n)] = text;
    s.Towns[1].SpecialNodes[99].Type = 0;
    s.Towns[1].Strings[189] = "sign";
    s.MonsterTypes[1].Name = "  Goblin   ";
    s.MonsterTypes[255].Name = "Wyrm";
    // mode, the list's length, an index in it and its entry
    // clang-format off
    const std::tuple<int, std::size_t, std::size_t, std::string> rows[] = {
        {0, 100, 3, "Personality 13 - Ada"}, {0, 100, 14, "Node 4 - Per.-2 look,xxxx"},
        {0, 100, 99, "Node 89 - Per.17 gold,  ab"}, {1, 500, 7, "7 - item7                    "},
        {1, 500, 8, "8 -   Long blade, padded     "}, {2, 60, 5, "5 - Set Flag"},
        {2, 60, 6, "6 - "}, {3, 108, 107, "107 - last"}, {4, 256, 255, "255 - Increment Flag"},
        {5, 320, 0, "0 - Name"}, {6, 100, 99, "99 - No Special"}, {7, 190, 189, "189 - sign"},
        {8, 50, 3, "3 - Key of Doors"}, {9, 255, 0, "1 - Goblin"}, {9, 255, 254, "255 - Wyrm"},
        {10, 60, 0, "0 - OK"}, {10, 60, 59, "59 - Leave"}, {11, 40, 0, "0 - twenty"},
        {11, 40, 39, "39 - fifty-nine"}};
    // clang-format on
    for (const auto& [mode, count, index, entry] : rows) {
        const auto entries = RecordListEntries(s, mode);
        ASSERT_EQ(entries.size(), count) << "mode " << mode;
        EXPECT_EQ(entries[index], entry) << "mode " << mode;
    }
    // No entries for an unknown mode or an area that does not exist: without the town its lists
    // go and the section's stay, and the other way round.
    s.CurrentTown = 2;
    for (int mode : {12, -1, 0, 6, 7})
        EXPECT_TRUE(RecordListEntries(s, mode).empty()) << mode;
    EXPECT_EQ(RecordListEntries(s, 2).size(), 60u);
    std::tie(s.CurrentTown, s.CurrentOutdoorX) = std::tuple(1, 2);
    for (int mode : {2, 3})
        EXPECT_TRUE(RecordListEntries(s, mode).empty()) << mode;
    EXPECT_EQ(RecordListEntries(s, 6).size(), 100u);
    EXPECT_EQ(RecordListEntries(s, 1).size(), 500u);
}

TEST_F(RecordListTest, TypesMoveAndNoNumberThatNamedThemIsRewritten) {
    // Item 5 onto item 2 becomes item 3; item 2 onto item 5 becomes item 5. List index k is
    // monster type k + 1: type 5 onto type 2 becomes type 3, and type 0 stays.
    // After each drop: moved, the entry selected, and the order of the items.
    std::string shown;
    for (const auto& [mode, from, to] : {std::tuple{1, 5, 2}, {1, 2, 5}, {9, 4, 1}}) {
        const ListDrop drop = DropListEntry(s, mode, from, to);
        shown += std::to_string(drop.moved) + std::to_string(drop.selectIndex) + " " +
                 Order(s.ItemTypes) + "|";
    }
    EXPECT_EQ(shown + Order(s.MonsterTypes), "13 0125346|15 0153426|12 0153426|0125346");
    for (const Town& t : s.Towns) {
        EXPECT_EQ(Column(t.PresetItems, &PresetItem::Item), Ints(2, 3, 5, 6, -1));
        EXPECT_EQ(Column(t.Creatures, &TownCreature::Monster), Ints(0, 2, 5, 7));
    }
    EXPECT_EQ(s.MonsterTypes[1].ItemDropped, 5);
}

TEST_F(RecordListTest, NodesMoveAndSpotsJumpsAndPersonalitiesKeepTheirNumbers) {
    Town& town = s.Towns[1];
    for (std::size_t n = 0; n < 8; ++n)
        std::tie(town.SpecialNodes[n].Extra1a, town.SpecialNodes[n].JumpTo) =
            std::tuple(n, n == 0   ? 6
                          : n == 6 ? 3
                                   : -1);
    town.SpecialSpots = {{6, 1, 1}, {2, 2, 2}, {-1, 100, 0}};
    town.Creatures[1].KilledNode = 6;
    s.Towns[0].SpecialSpots = {{6, 1, 1}};
    const Town otherTown = s.Towns[0];

    // Node 6 onto node 2 becomes node 3; the moved node's own jump is kept as it was.
    EXPECT_EQ(DropListEntry(s, 6, 6, 2).selectIndex, 3);
    EXPECT_EQ(Column(town.SpecialNodes, &SpecialNode::Extra1a, 8), Ints(0, 1, 2, 6, 3, 4, 5, 7));
    EXPECT_EQ(Column(town.SpecialNodes, &SpecialNode::JumpTo, 8),
              Ints(6, -1, -1, 3, -1, -1, -1, -1));
    EXPECT_EQ(Column(town.SpecialSpots, &SpecialSpot::Node), Ints(6, 2, -1));
    EXPECT_EQ(town.Creatures[1].KilledNode, 6);
    EXPECT_TRUE(s.Towns[0] == otherTown);

    // The section's nodes and spots, and the scenario's nodes.
    OutdoorSection& section = s.OutdoorSections.At(1, 0);
    section.SpecialSpots = {{1, 4, 4}};
    section.SpecialNodes[1].Extra1a = 111;
    section.SpecialNodes[59].JumpTo = 1;
    s.ScenSpecialNodes[255].Extra1a = 255;
    s.ScenSpecialNodes[0].JumpTo = 255;
    EXPECT_EQ(DropListEntry(s, 2, 1, 59).selectIndex, 59);
    EXPECT_EQ(Ints(section.SpecialNodes[59].Extra1a, section.SpecialSpots[0].Node,
                   section.SpecialNodes[58].JumpTo),
              Ints(111, 1, 1));
    EXPECT_EQ(DropListEntry(s, 4, 255, 0).selectIndex, 1);
    EXPECT_EQ(Ints(s.ScenSpecialNodes[1].Extra1a, s.ScenSpecialNodes[0].JumpTo), Ints(255, 255));
    // Talking nodes move, but personalities do not.
    TownTalk& talk = s.TownTalks[1];
    for (int n = 0; n < 6; ++n)
        talk.Nodes[static_cast<std::size_t>(n)].Word1 = "w" + std::to_string(n) + "xx";
    const TownTalk before = talk;
    // A personality entry at either end changes nothing.
    for (const auto& [from, to] : {std::pair{3, 12}, {12, 3}, {9, 10}})
        EXPECT_FALSE(DropListEntry(s, 0, from, to).moved) << from << " " << to;
    EXPECT_TRUE(talk == before);
    // Node 5 (entry 15) onto node 1 (entry 11) becomes node 2 (entry 12).
    EXPECT_EQ(DropListEntry(s, 0, 15, 11).selectIndex, 12);
    std::string words;
    for (int n = 0; n < 6; ++n)
        words += talk.Nodes[static_cast<std::size_t>(n)].Word1 + " ";
    EXPECT_EQ(words, "w0xx w1xx w5xx w2xx w3xx w4xx ");
}

TEST_F(RecordListTest, RefusedDropsChangeNothing) {
    const Scenario before = s;
    DropListEntry(s, 1, 4, 3); // onto the entry directly above: the record stays where it was
    EXPECT_TRUE(s == before);
    // locked, mode, from, to: locked lists refuse item and monster types silently
    // clang-format off
    const std::array<int, 4> refused[] = {{0, 1, 2, 2}, {0, 3, 1, 5}, {0, 5, 1, 5}, {0, 7, 1, 5},
        {0, 8, 1, 5}, {0, 10, 1, 5}, {0, 11, 1, 5}, {0, 12, 1, 5}, {0, 1, -1, 5}, {0, 1, 2, 500},
        {0, 9, 2, 255}, {0, 9, -1, 3}, {0, 6, 2, 100}, {0, 2, 60, 1}, {0, 4, 256, 0},
        {1, 1, 5, 2}, {1, 9, 5, 2}};
    // clang-format on
    for (const auto& [locked, mode, from, to] : refused) {
        s.ListsLocked = static_cast<std::uint8_t>(locked);
        EXPECT_FALSE(DropListEntry(s, mode, from, to).moved) << mode << ": " << from << "->" << to;
        s.ListsLocked = 0;
        EXPECT_TRUE(s == before) << mode << ": " << from << "->" << to;
    }
    s.ListsLocked = 1; // nodes still move
    EXPECT_TRUE(DropListEntry(s, 6, 5, 2).moved);
}
} // namespace

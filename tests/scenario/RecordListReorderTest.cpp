#include "scenario/RecordListReorder.h"

#include "support/Ints.h"
#include "support/RecordColumns.h"
#include "support/SampleScenario.h"

#include <gtest/gtest.h>

namespace {
// The names of records first..last, which the tests give distinct values, one space between.
template <class Table> std::string Names(const Table& table, int first, int last) {
    std::string names;
    for (int i = first; i <= last; ++i)
        names += (i > first ? " " : "") + table[static_cast<std::size_t>(i)].Name;
    return names;
}

class RecordListReorderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        s = MakeVariedScenario(2, 1, 2, 4);
        s.ListsLocked = 0;
        s.CurrentTown = 1;
        s.CurrentOutdoorX = 1;
        s.CurrentOutdoorY = 0;
        for (int i = 0; i < 8; ++i) {
            s.ItemTypes[static_cast<std::size_t>(i)].Name = "item" + std::to_string(i);
            s.MonsterTypes[static_cast<std::size_t>(i)].Name = "monster" + std::to_string(i);
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

TEST_F(RecordListReorderTest, TypesMoveAndNoNumberThatNamedThemIsRewritten) {
    // Item 5 onto item 2: it becomes item 3, items 3 and 4 become 4 and 5.
    ListDrop drop = DropListEntry(s, 1, 5, 2);
    EXPECT_EQ(std::pair(drop.moved, drop.selectIndex), std::pair(true, 3));
    EXPECT_EQ(Names(s.ItemTypes, 1, 6), "item1 item2 item5 item3 item4 item6");
    // Item 2 onto item 5: it becomes item 5, items 3..5 become 2..4.
    drop = DropListEntry(s, 1, 2, 5);
    EXPECT_EQ(std::pair(drop.moved, drop.selectIndex), std::pair(true, 5));
    EXPECT_EQ(Names(s.ItemTypes, 1, 6), "item1 item5 item3 item4 item2 item6");
    // List index k is monster type k + 1: type 5 onto type 2 becomes type 3; type 0 stays.
    drop = DropListEntry(s, 9, 4, 1);
    EXPECT_EQ(std::pair(drop.moved, drop.selectIndex), std::pair(true, 2));
    EXPECT_EQ(Names(s.MonsterTypes, 0, 6),
              "monster0 monster1 monster2 monster5 monster3 monster4 monster6");
    for (const Town& t : s.Towns) {
        EXPECT_EQ(Column(t.PresetItems, &PresetItem::Item), Ints(2, 3, 5, 6, -1));
        EXPECT_EQ(Column(t.Creatures, &TownCreature::Monster), Ints(0, 2, 5, 7));
    }
    EXPECT_EQ(s.MonsterTypes[1].ItemDropped, 5);
}

TEST_F(RecordListReorderTest, SpecialNodesMoveAndSpotsAndJumpsKeepTheirNumbers) {
    Town& town = s.Towns[1];
    for (int n = 0; n < 8; ++n)
        town.SpecialNodes[static_cast<std::size_t>(n)].Extra1a = static_cast<std::int16_t>(n);
    town.SpecialNodes[0].JumpTo = 6;
    town.SpecialNodes[6].JumpTo = 3;
    town.SpecialNodes[7].JumpTo = -1;
    town.SpecialSpots = {{6, 1, 1}, {2, 2, 2}, {-1, 100, 0}};
    town.Creatures[1].KilledNode = 6;
    s.Towns[0].SpecialSpots = {{6, 1, 1}};
    const Town otherTown = s.Towns[0];

    // Node 6 onto node 2 becomes node 3; the moved node's own jump is kept as it was.
    EXPECT_EQ(DropListEntry(s, 6, 6, 2).selectIndex, 3);
    EXPECT_EQ(Column(town.SpecialNodes, &SpecialNode::Extra1a, 8), Ints(0, 1, 2, 6, 3, 4, 5, 7));
    const auto& nodes = town.SpecialNodes;
    const auto& spots = town.SpecialSpots;
    EXPECT_EQ(Ints(nodes[0].JumpTo, nodes[3].JumpTo, nodes[7].JumpTo, spots[0].Node, spots[1].Node,
                   spots[2].Node, town.Creatures[1].KilledNode),
              Ints(6, 3, -1, 6, 2, -1, 6));
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
}

TEST_F(RecordListReorderTest, TalkingNodesMoveButPersonalitiesDoNot) {
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

TEST_F(RecordListReorderTest, RefusedDropsChangeNothing) {
    const Scenario before = s;
    // Onto the entry directly above: the record stays where it was.
    DropListEntry(s, 1, 4, 3);
    EXPECT_TRUE(s == before);
    struct Row {
        int mode, from, to;
    };
    const Row refused[] = {{1, 2, 2},   {3, 1, 5},  {5, 1, 5},   {7, 1, 5},  {8, 1, 5},
                           {10, 1, 5},  {11, 1, 5}, {12, 1, 5},  {1, -1, 5}, {1, 2, 500},
                           {9, 2, 255}, {9, -1, 3}, {6, 2, 100}, {2, 60, 1}, {4, 256, 0}};
    for (const Row& r : refused) {
        SCOPED_TRACE(std::to_string(r.mode) + ": " + std::to_string(r.from) + " -> " +
                     std::to_string(r.to));
        EXPECT_FALSE(DropListEntry(s, r.mode, r.from, r.to).moved);
        EXPECT_TRUE(s == before);
    }
    // Locked lists refuse item and monster types silently; nodes still move.
    s.ListsLocked = 1;
    EXPECT_FALSE(DropListEntry(s, 1, 5, 2).moved);
    EXPECT_FALSE(DropListEntry(s, 9, 5, 2).moved);
    s.ListsLocked = 0;
    EXPECT_TRUE(s == before);
    s.ListsLocked = 1;
    EXPECT_TRUE(DropListEntry(s, 6, 5, 2).moved);
}
} // namespace

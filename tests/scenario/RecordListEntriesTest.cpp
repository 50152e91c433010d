#include "scenario/RecordListEntries.h"

#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/SampleScenario.h"

#include <gtest/gtest.h>

namespace {
class RecordListEntriesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitCommonTables();
        InitScenEditorTables();
        s = MakeVariedScenario(2, 2, 3, 12);
        std::tie(s.CurrentTown, s.CurrentOutdoorX, s.CurrentOutdoorY) = std::tuple(1, 1, 0);
        TownTalk& talk = s.TownTalks[1];
        talk.Personalities[3].Name = "Ada";
        talk.Nodes[4] = TalkingNode{-2, 1, "look", "xxxx", {0, 0, 0, 0}, "a", "b"};
        talk.Nodes[89] = TalkingNode{17, 2, "gold", "  ab", {0, 0, 0, 0}, "c", "d"};
        s.ItemTypes[7].Name = "Sword";
        s.ItemTypes[8].Name = "  Long blade, padded     ";
        OutdoorSection& section = s.OutdoorSections.At(1, 0);
        section.SpecialNodes[5].Type = 1;
        section.SpecialNodes[6].Type = 300; // no such type
        section.Strings[107] = "last";
        s.ScenSpecialNodes[255].Type = 2;
        s.ScenStrings[0] = "Name";
        s.ScenStrings[20] = "twenty";
        s.ScenStrings[59] = "fifty-nine";
        s.ScenStrings[66] = "  Key of Doors  ";
        s.ScenStrings[260] = "OK";
        s.ScenStrings[319] = "Leave";
        s.Towns[1].SpecialNodes[99].Type = 0;
        s.Towns[1].Strings[189] = "sign";
        s.MonsterTypes[1].Name = "  Goblin   ";
        s.MonsterTypes[255].Name = "Wyrm";
    }
    Scenario s;
};

TEST_F(RecordListEntriesTest, EachModeListsItsTableInItsFormat) {
    // mode, the list's length, an index in it and its entry
    // clang-format off
    const std::tuple<int, std::size_t, std::size_t, std::string> rows[] = {
        {0, 100, 3, "Personality 13 - Ada"}, {0, 100, 14, "Node 4 - Per.-2 look,xxxx"},
        {0, 100, 99, "Node 89 - Per.17 gold,  ab"}, {1, 500, 7, "7 - Sword                    "},
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
}

TEST_F(RecordListEntriesTest, NoEntriesForAnUnknownModeOrAnAreaThatDoesNotExist) {
    s.CurrentTown = 3; // the town's lists go, the section's stay, and the other way round
    for (int mode : {12, -1, 0, 6, 7})
        EXPECT_TRUE(RecordListEntries(s, mode).empty()) << mode;
    EXPECT_EQ(RecordListEntries(s, 2).size(), 60u);
    std::tie(s.CurrentTown, s.CurrentOutdoorX) = std::tuple(1, 2);
    for (int mode : {2, 3})
        EXPECT_TRUE(RecordListEntries(s, mode).empty()) << mode;
    EXPECT_EQ(RecordListEntries(s, 6).size(), 100u);
    EXPECT_EQ(RecordListEntries(s, 1).size(), 500u);
}
} // namespace

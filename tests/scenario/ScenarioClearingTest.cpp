#include "scenario/ScenarioClearing.h"

#include "support/ErrorOf.h"
#include "support/Ints.h"
#include "support/SampleScenario.h"

#include <gtest/gtest.h>

namespace {
template <class List, class Value> bool AllAre(const List& list, const Value& value) {
    return std::all_of(std::begin(list), std::end(list), [&](const auto& e) { return e == value; });
}
SpecialNode BlockingNode(std::int16_t type) {
    SpecialNode node = FreeSpecialNode();
    node.Type = type;
    node.Extra1a = 1;
    return node;
}
} // namespace

TEST(ClearTown, GivesFreeListsBlockingNodeAndUnusedDialogueAndKeepsTheRest) {
    Scenario s = MakeVariedScenario(1, 1, 3);
    const Scenario before = s;
    ClearTown(s, 1);
    const Town& t = s.Towns[1];
    EXPECT_EQ(Ints(t.SpecialSpots.size(), t.Fields.size(), t.PresetItems.size(), t.Creatures.size(),
                   t.MaxCreature()),
              Ints(8, 8, 8, 16, 15));
    EXPECT_TRUE(AllAre(t.SpecialSpots, SpecialSpot{-1, 100, 0}));
    EXPECT_TRUE(AllAre(t.Fields, TownField{-1, 100, 0}));
    EXPECT_TRUE(AllAre(t.PresetItems, PresetItem{-1, 100, 0, 0, 0, 0, 0}));
    for (const auto& c : t.Creatures)
        EXPECT_EQ(Ints(c.Monster, c.X, c.CanMove, c.PersonalityNum, c.KilledNode, c.StuffDoneA,
                       c.StuffDoneB),
                  Ints(0, 100, 1, -1, -1, -1, -1));
    EXPECT_EQ(t.SpecialNodes[0], BlockingNode(8));
    EXPECT_TRUE(
        AllAre(std::vector(t.SpecialNodes.begin() + 1, t.SpecialNodes.end()), FreeSpecialNode()));
    EXPECT_TRUE(AllAre(t.SignLocs, Location{100, 0}) && AllAre(t.WanderingLocs, Location{100, 0}));
    EXPECT_TRUE(AllAre(t.WanderingGroups, WanderingGroup{}) && AllAre(t.AreaRects, AreaRect{}));
    EXPECT_TRUE(AllAre(t.Strings, std::string()));
    EXPECT_TRUE(AllAre(s.TownTalks[1].Personalities, Personality{"Unused", "", "", "", ""}));
    for (const auto& n : s.TownTalks[1].Nodes)
        EXPECT_TRUE(n.PersonalityNum == -1 && n.Word1 == "xxxx" && n.Word2 == "xxxx" &&
                    n.Text1.empty());

    // Size, terrain and the header stay; so do the other towns.
    const Town& old = before.Towns[1];
    EXPECT_EQ(std::tuple(t.Size, t.Terrain, t.Lighting, t.DayDies, t.Boundary, t.EntryPoints,
                         t.ExitLocs, t.TimerMoves),
              std::tuple(old.Size, old.Terrain, old.Lighting, old.DayDies, old.Boundary,
                         old.EntryPoints, old.ExitLocs, old.TimerMoves));
    EXPECT_TRUE(s.Towns[0] == before.Towns[0] && s.Towns[2] == before.Towns[2]);
    EXPECT_EQ(s.TownTalks[2], before.TownTalks[2]);
    EXPECT_EQ(ErrorOf([&] { ClearTown(s, 3); }), 9);
}

TEST(ClearOutdoorSection, GivesBlockingNodeFreeEntrancesAndSigns) {
    Scenario s = MakeVariedScenario(2, 2, 1);
    const OutdoorSection before = s.OutdoorSections.At(1, 0);
    ClearOutdoorSection(s, 1, 0);
    const OutdoorSection& o = s.OutdoorSections.At(1, 0);
    EXPECT_EQ(o.SpecialNodes[0], BlockingNode(7));
    EXPECT_TRUE(
        AllAre(std::vector(o.SpecialNodes.begin() + 1, o.SpecialNodes.end()), FreeSpecialNode()));
    EXPECT_TRUE(AllAre(o.TownEntrances, TownEntrance{-1, 100, 0}));
    EXPECT_TRUE(AllAre(o.SignLocs, Location{100, 0}) && AllAre(o.Strings, std::string()));
    EXPECT_EQ(o.SpecialSpots.size(), 8u);
    // What the creation of a section sets stays.
    EXPECT_EQ(std::tuple(o.Terrain, o.Wandering, o.WanderingLocs),
              std::tuple(before.Terrain, before.Wandering, before.WanderingLocs));

    // The scenario's nodes are freed, its strings emptied and its lists locked.
    s.ListsLocked = 0;
    ClearScenSpecialsAndStrings(s);
    EXPECT_EQ(s.ListsLocked, 1);
    EXPECT_TRUE(AllAre(s.ScenSpecialNodes, FreeSpecialNode()) &&
                AllAre(s.ScenStrings, std::string()));
}

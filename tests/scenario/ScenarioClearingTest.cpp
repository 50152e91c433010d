#include "scenario/ScenarioClearing.h"

#include "support/ErrorOf.h"
#include "support/Ints.h"
#include "support/SampleScenario.h"

#include <gtest/gtest.h>

namespace {
template <class List, class Value> bool AllAre(const List& list, const Value& value) {
    return std::all_of(std::begin(list), std::end(list), [&](const auto& e) { return e == value; });
}
// Node 0 blocks the way with the type, and every other node is free.
template <class Nodes> bool BlockingThenFree(const Nodes& nodes, std::int16_t type) {
    std::vector<SpecialNode> expected(std::size(nodes), FreeSpecialNode());
    std::tie(expected[0].Type, expected[0].Extra1a) = std::tuple(type, 1);
    return std::equal(std::begin(nodes), std::end(nodes), expected.begin(), expected.end());
}
} // namespace

TEST(ClearingAnArea, GivesFreeListsBlockingNodesAndUnusedDialogueAndKeepsTheRest) {
    Scenario s = MakeVariedScenario(2, 2, 3);
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
    EXPECT_TRUE(BlockingThenFree(t.SpecialNodes, 8));
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

    // A section gets a blocking node, free entrances and signs.
    ClearOutdoorSection(s, 1, 0);
    const OutdoorSection& o = s.OutdoorSections.At(1, 0);
    EXPECT_TRUE(BlockingThenFree(o.SpecialNodes, 7));
    EXPECT_TRUE(AllAre(o.TownEntrances, TownEntrance{-1, 100, 0}));
    EXPECT_TRUE(AllAre(o.SignLocs, Location{100, 0}) && AllAre(o.Strings, std::string()));
    EXPECT_EQ(o.SpecialSpots.size(), 8u);
    // What the creation of a section sets stays.
    const OutdoorSection& was = before.OutdoorSections.At(1, 0);
    EXPECT_EQ(std::tuple(o.Terrain, o.Wandering, o.WanderingLocs),
              std::tuple(was.Terrain, was.Wandering, was.WanderingLocs));

    // The scenario's nodes are freed, its strings emptied and its lists locked.
    s.ListsLocked = 0;
    ClearScenSpecialsAndStrings(s);
    EXPECT_EQ(s.ListsLocked, 1);
    EXPECT_TRUE(AllAre(s.ScenSpecialNodes, FreeSpecialNode()) &&
                AllAre(s.ScenStrings, std::string()));
}

#include "scenario/ScenarioClearing.h"

#include "support/SampleScenario.h"

#include <gtest/gtest.h>

namespace {
bool IsFreeNode(const SpecialNode& n) { return n == FreeSpecialNode(); }
} // namespace

TEST(ClearTown, GivesFreeListsBlockingNodeAndUnusedDialogue) {
    Scenario s = MakeVariedScenario(1, 1, 2);
    ClearTown(s, 1);
    const Town& t = s.Towns[1];

    ASSERT_EQ(t.SpecialSpots.size(), 8u);
    ASSERT_EQ(t.Fields.size(), 8u);
    ASSERT_EQ(t.PresetItems.size(), 8u);
    ASSERT_EQ(t.Creatures.size(), 16u);
    EXPECT_EQ(t.MaxCreature(), 15);
    for (const auto& spot : t.SpecialSpots)
        EXPECT_EQ(spot, (SpecialSpot{-1, 100, 0}));
    for (const auto& f : t.Fields)
        EXPECT_EQ(f, (TownField{-1, 100, 0}));
    for (const auto& i : t.PresetItems)
        EXPECT_EQ(i, (PresetItem{-1, 100, 0, 0, 0, 0, 0}));
    for (const auto& c : t.Creatures) {
        EXPECT_EQ(c.Monster, 0);
        EXPECT_EQ(c.X, 100);
        EXPECT_EQ(c.CanMove, 1);
        EXPECT_EQ(c.PersonalityNum, -1);
        EXPECT_EQ(c.KilledNode, -1);
        EXPECT_EQ(c.StuffDoneA, -1);
        EXPECT_EQ(c.StuffDoneB, -1);
    }

    SpecialNode townBlock = FreeSpecialNode();
    townBlock.Type = 8;
    townBlock.Extra1a = 1;
    EXPECT_EQ(t.SpecialNodes[0], townBlock);
    for (int i = 1; i < 100; ++i)
        EXPECT_TRUE(IsFreeNode(t.SpecialNodes[i])) << "node " << i;

    for (const auto& l : t.SignLocs)
        EXPECT_EQ(l, (Location{100, 0}));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(t.WanderingLocs[i], (Location{100, 0}));
        EXPECT_EQ(t.WanderingGroups[i], WanderingGroup{});
    }
    for (const auto& r : t.AreaRects)
        EXPECT_EQ(r, AreaRect{});
    for (const auto& str : t.Strings)
        EXPECT_EQ(str, "");

    for (const auto& p : s.TownTalks[1].Personalities)
        EXPECT_EQ(p, (Personality{"Unused", "", "", "", ""}));
    for (const auto& n : s.TownTalks[1].Nodes) {
        EXPECT_EQ(n.PersonalityNum, -1);
        EXPECT_EQ(n.Word1, "xxxx");
        EXPECT_EQ(n.Word2, "xxxx");
        EXPECT_EQ(n.Text1, "");
    }
}

TEST(ClearTown, KeepsSizeTerrainHeaderAndOtherTowns) {
    Scenario s = MakeVariedScenario(1, 1, 3);
    const Scenario before = s;
    ClearTown(s, 1);
    const Town& t = s.Towns[1];
    const Town& old = before.Towns[1];
    EXPECT_EQ(t.Size, old.Size);
    EXPECT_EQ(t.Terrain, old.Terrain);
    EXPECT_EQ(t.Lighting, old.Lighting);
    EXPECT_EQ(t.DayDies, old.DayDies);
    EXPECT_EQ(t.Boundary, old.Boundary);
    EXPECT_EQ(t.EntryPoints, old.EntryPoints);
    EXPECT_EQ(t.ExitLocs, old.ExitLocs);
    EXPECT_EQ(t.TimerMoves, old.TimerMoves);
    EXPECT_EQ(s.Towns[0], before.Towns[0]);
    EXPECT_EQ(s.Towns[2], before.Towns[2]);
    EXPECT_EQ(s.TownTalks[2], before.TownTalks[2]);
}

TEST(ClearTown, RefusesATownThatDoesNotExist) {
    Scenario s = MakeVariedScenario(1, 1, 1);
    try {
        ClearTown(s, 1);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 9);
    }
}

TEST(ClearOutdoorSection, GivesBlockingNodeFreeEntrancesAndSigns) {
    Scenario s = MakeVariedScenario(2, 2, 1);
    const OutdoorSection before = s.OutdoorSections.At(1, 0);
    ClearOutdoorSection(s, 1, 0);
    const OutdoorSection& o = s.OutdoorSections.At(1, 0);

    SpecialNode outBlock = FreeSpecialNode();
    outBlock.Type = 7;
    outBlock.Extra1a = 1;
    EXPECT_EQ(o.SpecialNodes[0], outBlock);
    for (int i = 1; i < 60; ++i)
        EXPECT_TRUE(IsFreeNode(o.SpecialNodes[i]));
    for (const auto& e : o.TownEntrances)
        EXPECT_EQ(e, (TownEntrance{-1, 100, 0}));
    for (const auto& l : o.SignLocs)
        EXPECT_EQ(l, (Location{100, 0}));
    EXPECT_EQ(o.SpecialSpots.size(), 8u);
    for (const auto& str : o.Strings)
        EXPECT_EQ(str, "");
    // What the creation of a section sets stays.
    EXPECT_EQ(o.Terrain, before.Terrain);
    EXPECT_EQ(o.Wandering, before.Wandering);
    EXPECT_EQ(o.WanderingLocs, before.WanderingLocs);
}

TEST(ClearScenSpecialsAndStrings, FreesNodesEmptiesStringsAndLocksLists) {
    Scenario s = MakeVariedScenario(1, 1, 1);
    s.ListsLocked = 0;
    ClearScenSpecialsAndStrings(s);
    EXPECT_EQ(s.ListsLocked, 1);
    for (const auto& n : s.ScenSpecialNodes)
        EXPECT_TRUE(IsFreeNode(n));
    for (const auto& str : s.ScenStrings)
        EXPECT_EQ(str, "");
}

TEST(TerrainSet, FollowsTheWallGroupsWithTheirGaps) {
    for (int n : {7, 10, 13, 16, 0, 4, 63, 255})
        EXPECT_EQ(TerrainSetOf(n), -1) << n;
    for (int n : {5, 6, 8, 9, 11, 12, 14, 15, 17, 21})
        EXPECT_EQ(TerrainSetOf(n), 0) << n;
    EXPECT_EQ(TerrainSetOf(22), 1);
    EXPECT_EQ(TerrainSetOf(35), 1);
    EXPECT_EQ(TerrainSetOf(36), 2);
    EXPECT_EQ(TerrainSetOf(49), 2);
    EXPECT_EQ(TerrainSetOf(50), 3);
    EXPECT_EQ(TerrainSetOf(62), 3);
}

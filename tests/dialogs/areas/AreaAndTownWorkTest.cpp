#include "dialogs/areas/AreaDescWork.h"
#include "dialogs/areas/TownChoice.h"
#include "dialogs/areas/TownDetailsWork.h"
#include "dialogs/areas/TownWanderingWork.h"

#include "platform/core/RuntimeError.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"

#include <gtest/gtest.h>

namespace {
Scenario TownWithAreasIn(std::initializer_list<int> slots) {
    Scenario scen = MakeVariedScenario(1, 1, 2, 7);
    scen.CurrentTown = 1;
    scen.CurrentOutdoorX = scen.CurrentOutdoorY = 0;
    Town& town = scen.Towns[1];
    town.AreaRects.fill(AreaRect{});
    for (int slot : slots)
        town.AreaRects[static_cast<std::size_t>(slot)] = AreaRect{
            static_cast<std::uint8_t>(slot + 1), static_cast<std::uint8_t>(slot + 2), 20, 20};
    return scen;
}
} // namespace

TEST(AreaDescWork, CornerTextTellsPlacedFromFreeSlots) {
    EXPECT_EQ(AreaCornerText(AreaRect{}), "Not yet placed");
    EXPECT_EQ(AreaCornerText(AreaRect{0, 0, 0, 1}), "X = 0, Y = 0");
    EXPECT_EQ(AreaCornerText(AreaRect{12, 200, 0, 0}), "X = 12, Y = 200");
    EXPECT_FALSE(IsAreaPlaced(AreaRect{}));
}

TEST(AreaDescWork, PagesWrapBothWays) {
    EXPECT_EQ(TurnAreaPage(0, +1), 1);
    EXPECT_EQ(TurnAreaPage(1, +1), 0);
    EXPECT_EQ(TurnAreaPage(0, -1), 1);
    EXPECT_EQ(TurnAreaPage(1, -1), 0);
}

TEST(AreaDescWork, TownCopiesSixteenSlotsAndOutdoorsEight) {
    Scenario scen = TownWithAreasIn({0, 3, 9, 15});
    AreaDescWork town = LoadAreas(scen, AreaOwner::Town);
    EXPECT_EQ(town.AreaRects[9], scen.Towns[1].AreaRects[9]);
    EXPECT_EQ(town.AreaTexts[15], scen.Towns[1].Strings[16]);

    OutdoorSection& section = scen.OutdoorSections.At(0, 0);
    AreaDescWork out = LoadAreas(scen, AreaOwner::Outdoors);
    EXPECT_EQ(out.AreaRects[7], section.AreaRects[7]);
    EXPECT_EQ(out.AreaTexts[7], section.Strings[8]);
    EXPECT_EQ(out.AreaTexts[8], "") << "outdoors has no ninth slot";

    out.AreaRects[2] = AreaRect{};
    out.AreaTexts[2] = "Swamp";
    const std::string ninth = section.Strings[9];
    SaveAreas(scen, AreaOwner::Outdoors, out);
    EXPECT_EQ(section.AreaRects[2], AreaRect{});
    EXPECT_EQ(section.Strings[3], "Swamp");
    EXPECT_EQ(section.Strings[9], ninth) << "string 9 is a message, not a description";

    EXPECT_THROW(CurrentAreaRect(scen, AreaOwner::Outdoors, 8), RuntimeError);
    EXPECT_EQ(AreaOwnerOfEditMode(3), AreaOwner::Outdoors);
    EXPECT_EQ(AreaOwnerOfEditMode(2), AreaOwner::Town);
}

TEST(TownWanderingWork, GroupsWrapAndAllFourAreWritten) {
    EXPECT_EQ(TurnWanderingGroup(0, -1), 3);
    EXPECT_EQ(TurnWanderingGroup(3, +1), 0);
    EXPECT_EQ(TurnWanderingGroup(1, +1), 2);
    Scenario scen = MakeVariedScenario(1, 1, 1, 3);
    WanderingWork work = LoadWandering(scen.Towns[0]);
    work.Monsters[3][2] = 0;
    work.Monsters[0][0] = 77;
    SaveWandering(work, scen.Towns[0]);
    EXPECT_EQ(scen.Towns[0].WanderingGroups[3].Monsters[2], 0);
    EXPECT_EQ(scen.Towns[0].WanderingGroups[0].Monsters[0], 77);
    scen.MonsterTypes[0].Name = "Empty               ";
    EXPECT_EQ(WanderingMonsterEntries(scen)[0], " 0 - Empty               ");
}

TEST(TownChoice, EntriesHaveABlankBeforeTheNumber) {
    Scenario scen = MakeVariedScenario(1, 1, 3, 4);
    scen.Towns[0].Strings[0] = "Fort";
    const auto entries = TownChoiceEntries(scen);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0], " 0 - Fort");
}

TEST(TownChoice, NewTownIsAppendedAndMadeCurrent) {
    MsgBoxRecorder boxes;
    for (std::int16_t size = 0; size < 3; ++size) {
        for (std::int16_t terrain = 0; terrain < 3; ++terrain) {
            Scenario scen = MakeVariedScenario(1, 1, 3, 4);
            ASSERT_TRUE(AppendNewTown(scen, "New", size, terrain));
            EXPECT_EQ(scen.TownCount, 4);
            EXPECT_EQ(scen.CurrentTown, 3);
            ASSERT_EQ(scen.Towns.size(), 4u);
            EXPECT_EQ(scen.TownTalks.size(), 4u);
            const Town& town = scen.Towns[3];
            EXPECT_EQ(town.Strings[0], "New");
            EXPECT_EQ(town.Size, size);
            EXPECT_EQ(town.Terrain.Side(), TownSide(size));
            const std::uint8_t floor[] = {0, 2, 4};
            EXPECT_EQ(town.Terrain.At(5, 5), floor[terrain]);
        }
    }
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST(TownChoice, CreatingBeyondTwoHundredTownsIsRefused) {
    MsgBoxRecorder boxes;
    Scenario scen = MakeMinimalScenario();
    scen.Towns.resize(kMaxTownCount);
    scen.TownTalks.resize(kMaxTownCount);
    scen.TownCount = kMaxTownCount;
    scen.CurrentTown = 5;
    const Scenario before = scen;
    EXPECT_FALSE(AppendNewTown(scen, "One too many", 1, 0));
    EXPECT_EQ(scen, before);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].title, "Error!");
}

TEST(TownChoice, AFailedCreationLeavesTheTownsAsTheyWere) {
    Scenario scen = MakeVariedScenario(1, 1, 2, 5);
    const Scenario before = scen;
    EXPECT_THROW(AppendNewTown(scen, "Bad", 3, 0), RuntimeError);
    EXPECT_THROW(AppendNewTown(scen, "Bad", 0, 7), RuntimeError);
    EXPECT_EQ(scen, before);
}

TEST(TownDetailsWork, UnsetExitLocationsAreHeldAsMinusOne) {
    Town town;
    town.ExitLocs = {Location{255, 255}, Location{0, 47}, Location{255, 3}, Location{12, 255}};
    TownDetailsWork work = LoadTownDetails(town);
    EXPECT_EQ(work.ExitLocs, (std::array<std::int16_t, 8>{-1, -1, 0, 47, -1, 3, 12, -1}));
    work.ExitLocs[2] = -1;
    work.ExitLocs[7] = 30;
    work.Size = 2;
    work.SectionX = 9;
    SaveTownDetails(work, town);
    EXPECT_EQ(town.ExitLocs[1], (Location{255, 47}));
    EXPECT_EQ(town.ExitLocs[3], (Location{12, 30}));
    EXPECT_EQ(town.Size, 0) << "size and section are shown, never written";
    EXPECT_EQ(town.SectionX, 0);
    EXPECT_EQ(TownSizeText(1), "48x48");
    EXPECT_EQ(TownSizeText(3), "");
}

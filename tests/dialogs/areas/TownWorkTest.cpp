#include "dialogs/areas/AreaDescCopy.h"
#include "dialogs/areas/TownChoice.h"
#include "dialogs/areas/TownCreatureCopy.h"

#include "platform/core/RuntimeError.h"
#include "support/SampleScenario.h"

#include <gtest/gtest.h>

// What the window tests do not reach: every timing, failures, and slots past an area's end.

TEST(TownCreatureCopy, TimingClearsTheValuesItDoesNotUse) {
    struct Case {
        std::uint8_t flag;
        std::uint8_t day, event;
    };
    const Case cases[] = {{0, 0, 0}, {1, 40, 9}, {2, 40, 9}, {3, 0, 0},
                          {4, 0, 0}, {5, 0, 0},  {6, 0, 9},  {7, 0, 9}};
    for (const Case& c : cases) {
        TownCreature record{12, 5, 6, 1, 1, c.flag, -1, -1, 40, 9, 0, -1, -1, -1, 0};
        TownCreatureCopy work = LoadTownCreatureCopy(record);
        SaveTownCreatureCopy(work, record);
        EXPECT_EQ(record.TimeValue1, c.day) << int(c.flag);
        EXPECT_EQ(record.TimeValue2, c.event) << int(c.flag);
        EXPECT_EQ(work.TimeDay, c.day) << "the working copy is cleared as well";
    }
}

TEST(TownChoice, AFailedCreationLeavesTheTownsAsTheyWere) {
    Scenario scen = MakeVariedScenario(1, 1, 2, 5);
    const Scenario before = scen;
    EXPECT_THROW(AppendNewTown(scen, "Bad", 3, 0), RuntimeError);
    EXPECT_THROW(AppendNewTown(scen, "Bad", 0, 7), RuntimeError);
    EXPECT_EQ(scen, before);
}

TEST(AreaDescCopy, OutdoorsHasNoNinthSlot) {
    Scenario scen = MakeVariedScenario(1, 1, 1, 7);
    scen.CurrentOutdoorX = scen.CurrentOutdoorY = 0;
    scen.CurrentTown = 0;
    EXPECT_THROW(CurrentAreaRect(scen, AreaOwner::Outdoors, 8), RuntimeError);
    EXPECT_THROW(CurrentAreaText(scen, AreaOwner::Town, 16), RuntimeError);
    EXPECT_EQ(&CurrentAreaText(scen, AreaOwner::Outdoors, 7),
              &scen.OutdoorSections.At(0, 0).Strings[8]);
}

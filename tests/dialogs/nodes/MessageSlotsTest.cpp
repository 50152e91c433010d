#include "dialogs/nodes/MessageSlots.h"
#include "dialogs/nodes/NodeTestScenario.h"

#include <gtest/gtest.h>

namespace {
using MessageSlotsTest = NodeScenarioTest;

TEST_F(MessageSlotsTest, EachFamilyAllocatesInItsOwnMessageRange) {
    struct Case {
        std::int32_t family;
        std::int16_t last;
        std::string *firstString, *lastString;
    };
    const Case cases[] = {
        {0, 99, &Scen.ScenStrings[160], &Scen.ScenStrings[259]},
        {1, 89, &Scen.OutdoorSections.At(0, 0).Strings[10],
         &Scen.OutdoorSections.At(0, 0).Strings[99]},
        {2, 149, &Scen.Towns[1].Strings[20], &Scen.Towns[1].Strings[169]},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.family);
        const MessageFamily family = MessageFamilyOf(c.family);
        EXPECT_EQ(family.LastMessage, c.last);
        EXPECT_EQ(&MessageText(Scen, family, 0), c.firstString);
        EXPECT_EQ(&MessageText(Scen, family, c.last), c.lastString);
        for (int m = 0; m < c.last; ++m)
            MessageText(Scen, family, m) = "used";
        EXPECT_EQ(FirstFreeMessage(Scen, family, 0), c.last);
        EXPECT_EQ(FirstFreeMessageRun(Scen, family, 6), -1);
        MessageText(Scen, family, c.last) = "used";
        EXPECT_EQ(FirstFreeMessage(Scen, family, 0), -1); // a full range
    }
}

TEST_F(MessageSlotsTest, SixLinesNeedSixFreeSlotsInARow) {
    const MessageFamily family = MessageFamilyOf(0);
    for (const auto& [free, first] : {std::pair{"*", -1}, {"*free", 3}}) {
        for (int m = 0; m <= 99; ++m)
            MessageText(Scen, family, m) =
                (first < 0 ? m < 9 && m % 2 == 0 : m >= 3 && m <= 8) ? free : "used";
        EXPECT_EQ(FirstFreeMessageRun(Scen, family, 6), first);
    }
}
} // namespace

#include "scenario/OwnLayout.h"

#include "platform/core/ByteBuffer.h"
#include "support/SampleScenario.h"

#include <gtest/gtest.h>

namespace {
// A file of the own layout whose towns store count + 1 strings, built from a scenario whose
// town strings are numbered texts.
std::vector<std::uint8_t> ImageWithTownStringCount(int storedCount) {
    Scenario s = MakeMinimalScenario();
    SectionDirectoryTable dir{};
    auto image = WriteScenarioImage(s, dir);
    const FilePos town = dir[100] + 1;
    const FilePos lengths = town + 6113 - 190 - 1800 - 231;
    // Cut the file at the town strings and write a table of storedCount + 1 texts "s<i>".
    const FilePos talkFrom = lengths + 190; // every town string is empty
    const std::vector<std::uint8_t> talk(image.begin() + (talkFrom - 1), image.end());
    image.resize(static_cast<std::size_t>(lengths - 1));
    std::vector<std::uint8_t> table;
    std::string texts;
    for (int i = 0; i <= storedCount; ++i) {
        const std::string t = "s" + std::to_string(i);
        table.push_back(static_cast<std::uint8_t>(t.size()));
        texts += t;
    }
    image.insert(image.end(), table.begin(), table.end());
    image.insert(image.end(), texts.begin(), texts.end());
    image.insert(image.end(), talk.begin(), talk.end());
    image[50] = static_cast<std::uint8_t>(storedCount);
    image[51] = static_cast<std::uint8_t>(storedCount >> 8);
    return image;
}
} // namespace

TEST(OldTownStrings, A140StringTownGetsItsSignTextsAndStarredMessages) {
    Scenario s;
    ReadScenarioImageV2(s, ImageWithTownStringCount(139));
    const Town& t = s.Towns[0];
    EXPECT_EQ(t.Strings[0], "s0");
    EXPECT_EQ(t.Strings[119], "s119");
    for (int i = 120; i < 170; ++i)
        EXPECT_EQ(t.Strings[i], "*") << i;
    EXPECT_EQ(t.Strings[170], "s120");
    EXPECT_EQ(t.Strings[189], "s139");
    EXPECT_EQ(s.TownTalks[0].Personalities[0].Name, "Unused"); // the talk follows intact
}

TEST(OldTownStrings, A220StringTownSkipsItsThirtyExtraTexts) {
    Scenario s;
    ReadScenarioImageV2(s, ImageWithTownStringCount(219));
    const Town& t = s.Towns[0];
    EXPECT_EQ(t.Strings[169], "s169");
    EXPECT_EQ(t.Strings[170], "s200");
    EXPECT_EQ(t.Strings[189], "s219");
    EXPECT_EQ(s.TownTalks[0].Personalities[9].Name, "Unused");
}

TEST(OldTownStrings, FewerStringsLeaveTheRestEmpty) {
    Scenario s;
    ReadScenarioImageV2(s, ImageWithTownStringCount(10));
    EXPECT_EQ(s.Towns[0].Strings[10], "s10");
    EXPECT_EQ(s.Towns[0].Strings[11], "");
}

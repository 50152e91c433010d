#include "scenario/OwnLayout.h"

#include "support/OwnLayoutImage.h"
#include "support/SampleScenario.h"

#include <gtest/gtest.h>

namespace {
// A file of the own layout whose towns store count + 1 strings, built from a scenario whose
// town strings are numbered texts.
std::vector<std::uint8_t> ImageWithTownStringCount(int storedCount) {
    Scenario s = MakeMinimalScenario();
    SectionDirectoryTable dir{};
    auto image = OwnLayoutImage(s, &dir);
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

// 140 strings: messages 0..119, the editor's starred slots, then the signs; 220: thirty extra
// texts skipped; fewer: the rest left empty. The talk follows intact.
TEST(OldTownStrings, TownsWithOtherStringCountsGetTheirTextsInTheEditorsSlots) {
    const std::pair<int, std::vector<std::pair<int, std::string>>> rows[] = {
        {139, {{0, "s0"}, {119, "s119"}, {120, "*"}, {169, "*"}, {170, "s120"}, {189, "s139"}}},
        {219, {{169, "s169"}, {170, "s200"}, {189, "s219"}}},
        {10, {{10, "s10"}, {11, ""}}},
    };
    for (const auto& [count, strings] : rows) {
        Scenario s;
        ReadScenarioImageV2(s, ImageWithTownStringCount(count));
        for (const auto& [i, text] : strings)
            EXPECT_EQ(s.Towns[0].Strings[i], text) << count << ": " << i;
        for (int i = 121; count == 139 && i < 169; ++i)
            EXPECT_EQ(s.Towns[0].Strings[i], "*") << i;
        EXPECT_EQ(s.TownTalks[0].Personalities[9].Name, "Unused") << count;
    }
}

#include "scenario/OwnLayout.h"

#include "support/OwnLayoutImage.h"
#include "support/SampleScenario.h"

#include <gtest/gtest.h>

namespace {
// A file of the own layout whose town stores count + 1 strings, the numbered texts "s<i>".
std::vector<std::uint8_t> ImageWithTownStringCount(int storedCount) {
    SectionDirectoryTable dir{};
    auto image = OwnLayoutImage(MakeMinimalScenario(), &dir);
    // The town's 190 string lengths, every string being empty, give way to the new table.
    const auto at = image.begin() + (dir[100] + 6113 - 190 - 1800 - 231);
    std::vector<std::uint8_t> table, texts;
    for (int i = 0; i <= storedCount; ++i) {
        const std::string t = "s" + std::to_string(i);
        table.push_back(static_cast<std::uint8_t>(t.size()));
        texts.insert(texts.end(), t.begin(), t.end());
    }
    table.insert(table.end(), texts.begin(), texts.end());
    image.insert(image.erase(at, at + 190), table.begin(), table.end());
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

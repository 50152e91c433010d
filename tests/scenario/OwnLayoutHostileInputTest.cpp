#include "support/ErrorOf.h"
#include "support/Ints.h"
#include "support/OwnLayoutImage.h"
#include "support/SampleScenario.h"

#include <gtest/gtest.h>

namespace {
// The error number that reading the image raises, or 0 when it reads.
int ReadError(const std::vector<std::uint8_t>& image) {
    Scenario s;
    return ErrorOf([&] { ReadScenarioImageV2(s, image); });
}

} // namespace

// Each part is read from its own bytes: one byte short of them, the section fails even though
// the town's bytes follow, and so does the town before the file's end.
TEST(OwnLayoutHostileInput,
     EveryCutAndEveryValueOutsideItsTableIsRefusedAndAPartReadsOnlyItsOwnBytes) {
    SectionDirectoryTable dir{};
    Scenario small = MakeVariedScenario(1, 1, 1, 11);
    small.Towns[0] = MakeMinimalScenario().Towns[0]; // a small town keeps the file short
    const auto image = OwnLayoutImage(small, &dir);
    ASSERT_EQ(ReadError(image), 0);
    const ByteReader file(image);
    const FilePos section = dir[0] + 1, town = dir[100] + 1;
    // Every length through the header's own fields and the scenario texts; the long run of
    // fixed records between them is read by the same few routines, so a sample of it does.
    for (std::size_t length = 0; length + 1 < static_cast<std::size_t>(section);
         length += length < 1400 || length > 68600 ? 1 : 61)
        ASSERT_EQ(ReadError({image.begin(), image.begin() + static_cast<std::ptrdiff_t>(length)}),
                  62)
            << "cut at " << length;
    // After the header (read once) the section and town readers meet every cut.
    Scenario s;
    ReadScenHeaderV2(s, file.Slice(1, static_cast<std::size_t>(section - 1)));
    s.OutdoorSections = OutdoorGrid(1, 1);
    s.Towns.resize(1);
    s.TownTalks.resize(1);
    for (auto length = static_cast<std::size_t>(section - 1); length < image.size(); ++length) {
        const ByteReader cut(std::span(image.data(), length));
        FilePos pos = section;
        ASSERT_EQ(ErrorOf([&] {
                      ReadOutdoorSectionV2(s, cut, 0, 0, pos);
                      ReadTownV2(s, cut, 0, pos);
                  }),
                  62)
            << "cut at " << length;
    }

    const OwnLayoutCounts counts = ReadOwnLayoutCounts(file);
    const auto sectionSize = static_cast<std::size_t>(town - section);
    const auto townSize = image.size() - static_cast<std::size_t>(town - 1);
    for (std::size_t less : {0, 1})
        EXPECT_EQ(
            Ints(ErrorOf([&] {
                     ReadOutdoorSectionV2(s, file.Slice(section, sectionSize - less), counts, 0, 0);
                 }),
                 ErrorOf([&] { ReadTownV2(s, file.Slice(town, townSize - less), counts, 0); }),
                 ErrorOf([&] {
                     ReadScenHeaderV2(s,
                                      file.Slice(1, static_cast<std::size_t>(section - 1) - less));
                 })),
            less ? Ints(62, 62, 62) : Ints(0, 0, 0));

    // Counts, bounds, sizes and header values outside their tables are refused.
    struct Change {
        FilePos pos;
        int bytes, value, expected;
    };
    // clang-format off
    const Change changes[] = {
        // the count table
        {25, 2, 256, 9}, {27, 2, 320, 9}, {33, 2, 60, 9}, {35, 2, 108, 9}, {39, 2, 16, 9},
        {41, 2, 8, 9}, {49, 2, 100, 9}, {51, 2, 190, 9}, {51, 2, 220, 9}, {55, 2, 16, 9},
        {63, 2, 90, 9}, {63, 2, 32767, 9}, {25, 2, -2, 9}, {27, 2, -2, 9}, {33, 2, -2, 9},
        {51, 2, -2, 9}, {63, 2, -2, 9},
        // town count, world width and height
        {8, 1, 0, 9}, {9, 1, 0, 9}, {9, 1, 51, 9}, {10, 1, 0, 9}, {10, 1, 200, 9},
        // section spots; town fields, items, creatures, spots and size
        {section, 2, -1, 9}, {town, 2, -1, 9}, {town + 2, 2, -5, 9}, {town + 4, 2, -1, 9},
        {town + 6, 2, -1, 9}, {town + 8, 1, 3, 9},
        // more than the file holds: nothing is allocated
        {town + 4, 2, 30000, 62}, {section, 2, 32767, 62}};
    // clang-format on
    for (const auto& c : changes) {
        auto bad = image;
        bad[static_cast<std::size_t>(c.pos - 1)] = static_cast<std::uint8_t>(c.value);
        if (c.bytes == 2)
            bad[static_cast<std::size_t>(c.pos)] = static_cast<std::uint8_t>(c.value >> 8);
        EXPECT_EQ(ReadError(bad), c.expected) << "offset " << c.pos << " = " << c.value;
    }
}

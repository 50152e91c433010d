#include "scenario/OwnLayout.h"

#include "platform/core/ByteBuffer.h"
#include "support/SampleScenario.h"

#include <functional>
#include <gtest/gtest.h>

namespace {
std::vector<std::uint8_t> SmallImage(SectionDirectoryTable* dirOut = nullptr) {
    Scenario s = MakeVariedScenario(1, 1, 1, 11);
    s.Towns[0] = MakeMinimalScenario().Towns[0]; // a small town keeps the file short
    SectionDirectoryTable dir{};
    auto image = WriteScenarioImage(s, dir);
    if (dirOut) *dirOut = dir;
    return image;
}

// The error number that reading the image raises, or 0 when it reads.
int ReadError(const std::vector<std::uint8_t>& image) {
    try {
        Scenario s;
        ReadScenarioImageV2(s, image);
        return 0;
    } catch (const RuntimeError& e) {
        return e.number();
    }
}

int ErrorOf(const std::function<void()>& read) {
    try {
        read();
        return 0;
    } catch (const RuntimeError& e) {
        return e.number();
    }
}

void PutI16(std::vector<std::uint8_t>& image, FilePos pos, std::int16_t value) {
    image[static_cast<std::size_t>(pos - 1)] = static_cast<std::uint8_t>(value);
    image[static_cast<std::size_t>(pos)] = static_cast<std::uint8_t>(value >> 8);
}
} // namespace

TEST(OwnLayoutHostileInput, EveryTruncationOfTheHeaderEndsInputPastEndOfFile) {
    const auto image = SmallImage();
    ASSERT_EQ(ReadError(image), 0);
    Scenario probe;
    FilePos headerEnd = 1;
    ReadScenHeaderV2(probe, ByteReader(image), headerEnd);
    // Every length through the header's own fields and the scenario texts; the long run of
    // fixed records between them is read by the same few routines, so a sample of it does.
    for (std::size_t length = 0; length < static_cast<std::size_t>(headerEnd - 1); ++length) {
        if (length > 1400 && length < 68600 && length % 61 != 0) continue;
        const std::vector<std::uint8_t> cut(image.begin(),
                                            image.begin() + static_cast<std::ptrdiff_t>(length));
        ASSERT_EQ(ReadError(cut), 62) << "cut at " << length;
    }
}

TEST(OwnLayoutHostileInput, EveryTruncationOfSectionsAndTownsEndsInputPastEndOfFile) {
    const auto image = SmallImage();
    Scenario s;
    FilePos headerEnd = 1;
    ReadScenHeaderV2(s, ByteReader(image), headerEnd);
    s.OutdoorSections = OutdoorGrid(1, 1);
    s.Towns.resize(1);
    s.TownTalks.resize(1);
    // The same readers the whole-file read runs, on every cut after the header; the header
    // is read once, as the count table does not change.
    for (auto length = static_cast<std::size_t>(headerEnd - 1); length < image.size(); ++length) {
        const ByteReader cut(std::span(image.data(), length));
        int error = 0;
        try {
            FilePos pos = headerEnd;
            ReadOutdoorSectionV2(s, cut, 0, 0, pos);
            ReadTownV2(s, cut, 0, pos);
        } catch (const RuntimeError& e) {
            error = e.number();
        }
        ASSERT_EQ(error, 62) << "cut at " << length;
    }
}

// Each part is read from its own bytes: one byte short of them, the section fails even though
// the town's bytes follow, and so does the town before the file's end.
TEST(OwnLayoutHostileInput, APartReadsNothingBeyondItsOwnBytes) {
    SectionDirectoryTable dir{};
    const auto image = SmallImage(&dir);
    const ByteReader file(image);
    const OwnLayoutCounts counts = ReadOwnLayoutCounts(file);
    const FilePos section = dir[0] + 1;
    const FilePos town = dir[100] + 1;
    const auto sectionSize = static_cast<std::size_t>(town - section);
    const auto townSize = image.size() - static_cast<std::size_t>(town - 1);
    Scenario s;
    ReadScenHeaderV2(s, file.Slice(1, static_cast<std::size_t>(section - 1)));
    s.OutdoorSections = OutdoorGrid(1, 1);
    s.Towns.resize(1);
    s.TownTalks.resize(1);
    for (std::size_t less : {0, 1}) {
        const int expected = less ? 62 : 0;
        EXPECT_EQ(ErrorOf([&] {
                      ReadOutdoorSectionV2(s, file.Slice(section, sectionSize - less), counts, 0,
                                           0);
                  }),
                  expected);
        EXPECT_EQ(ErrorOf([&] { ReadTownV2(s, file.Slice(town, townSize - less), counts, 0); }),
                  expected);
        EXPECT_EQ(ErrorOf([&] {
                      ReadScenHeaderV2(s,
                                       file.Slice(1, static_cast<std::size_t>(section - 1) - less));
                  }),
                  expected);
    }
}

TEST(OwnLayoutHostileInput, CountsLargerThanTheirTablesAreRefused) {
    const std::pair<FilePos, int> slots[] = {{25, 256}, {27, 320}, {33, 60},  {35, 108},
                                             {39, 16},  {41, 8},   {49, 100}, {51, 190},
                                             {51, 220}, {55, 16},  {63, 90},  {63, 32767}};
    for (const auto& [slot, value] : slots) {
        auto image = SmallImage();
        PutI16(image, slot, static_cast<std::int16_t>(value));
        EXPECT_EQ(ReadError(image), 9) << "slot " << slot << " = " << value;
    }
    for (FilePos slot : {25, 27, 33, 51, 63}) {
        auto image = SmallImage();
        PutI16(image, slot, -2);
        EXPECT_EQ(ReadError(image), 9) << "slot " << slot << " = -2";
    }
}

TEST(OwnLayoutHostileInput, ImpossibleHeaderValuesAreRefused) {
    for (auto [pos, value] : {std::pair{8, 0}, {9, 0}, {9, 51}, {10, 0}, {10, 200}}) {
        auto image = SmallImage();
        image[static_cast<std::size_t>(pos - 1)] = static_cast<std::uint8_t>(value);
        EXPECT_EQ(ReadError(image), 9) << "position " << pos << " = " << value;
    }
}

TEST(OwnLayoutHostileInput, BadListBoundsAndTownSizesAreRefused) {
    SectionDirectoryTable dir{};
    const auto image = SmallImage(&dir);
    const FilePos section = dir[0] + 1;
    const FilePos town = dir[100] + 1;
    struct Change {
        FilePos pos;
        std::int16_t value;
        int expected;
    };
    const Change changes[] = {
        {section, -1, 9},      // section special spots
        {town, -1, 9},         // fields
        {town + 2, -5, 9},     // preset items
        {town + 4, -1, 9},     // creatures
        {town + 6, -1, 9},     // town special spots
        {town + 4, 30000, 62}, // more creatures than the file holds: nothing is allocated
        {section, 32767, 62},
    };
    for (const auto& c : changes) {
        auto bad = image;
        PutI16(bad, c.pos, c.value);
        EXPECT_EQ(ReadError(bad), c.expected) << "offset " << c.pos << " = " << c.value;
    }
    auto badSize = image;
    badSize[static_cast<std::size_t>(town + 8 - 1)] = 3;
    EXPECT_EQ(ReadError(badSize), 9);
}

TEST(OwnLayoutHostileInput, RandomDamageNeverCrashes) {
    const auto image = SmallImage();
    std::uint32_t state = 12345;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    for (int round = 0; round < 300; ++round) {
        auto bad = image;
        for (int k = 0; k < 8; ++k)
            bad[next() % bad.size()] = static_cast<std::uint8_t>(next());
        const int error = ReadError(bad);
        EXPECT_TRUE(error == 0 || error == 9 || error == 62) << error;
    }
}

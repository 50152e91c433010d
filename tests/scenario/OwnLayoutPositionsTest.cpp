#include "scenario/OwnLayout.h"

#include "platform/core/ByteBuffer.h"
#include "support/SampleScenario.h"

#include <gtest/gtest.h>

namespace {
std::int32_t I32At(const std::vector<std::uint8_t>& image, FilePos pos) {
    return ByteReader(image).GetI32(pos);
}
std::int16_t I16At(const std::vector<std::uint8_t>& image, FilePos pos) {
    return ByteReader(image).GetI16(pos);
}

} // namespace

TEST(OwnLayoutPositions, HeaderAndCountTable) {
    Scenario s = MakeMinimalScenario();
    s.ScenVersion = {1, 2, 3};
    s.ScenRating = 2;
    s.ScenDifficulty = 3;
    s.ScenIcon = 29;
    s.CurrentOutdoorX = 0;
    s.StartTown = 0;
    s.StartTownLoc = {5, 6};
    s.StartOutdoorSection = {0, 0};
    SectionDirectoryTable dir{};
    const auto image = WriteScenarioImage(s, dir);

    const std::vector<std::uint8_t> header(image.begin(), image.begin() + 24);
    EXPECT_EQ(header, (std::vector<std::uint8_t>{'>', 'V', 'R', 'S', 1, 2, 3, 1, 1, 1, 2, 3,
                                                 29,  0,   0,   0,   0, 5, 6, 0, 0, 0, 0, 0}));
    const std::pair<FilePos, int> slots[] = {{25, 255}, {27, 319}, {33, 59},  {35, 107}, {39, 15},
                                             {41, 7},   {49, 99},  {51, 189}, {55, 15},  {63, 89}};
    for (const auto& [pos, value] : slots)
        EXPECT_EQ(I16At(image, pos), value) << "slot " << pos;
    for (FilePos reserved : {29, 31, 37, 43, 45, 47, 53, 57, 59, 61, 65, 79})
        EXPECT_EQ(I16At(image, reserved), 0) << "slot " << reserved;

    // Empty scenario strings take one length byte each: the first section is at 69029.
    for (FilePos p = 68709; p < 69029; ++p)
        ASSERT_EQ(image[static_cast<std::size_t>(p - 1)], 0) << p;
    EXPECT_EQ(dir[0], 69028);
    EXPECT_EQ(I32At(image, 81), 69028);
}

TEST(OwnLayoutPositions, FixedFamiliesStartWhereTheLayoutSays) {
    Scenario s = MakeMinimalScenario();
    s.TerrainTypes[0].Name = "Grass";
    s.TerrainTypes[255].Picture = 0x1234;
    s.MonsterTypes[0].Name = "Goblin";
    s.ItemTypes[0].Name = "Sword";
    s.ItemPlacementShortcuts[0].Values[0] = 0x0102;
    s.VarTownEntries[0].Town = 0x0203;
    s.SavedItemAreas[0].Town = 0x0304;
    s.EventTimerMoves[0] = 0x0405;
    s.EventTimerNodes[0] = 0x0506;
    s.SpecialItems[0].Node = 0x0607;
    s.Boats[0].Town = 0x0708;
    s.Horses[23].NotProperty = 9;
    s.ScenSpecialNodes[0].Type = 0x0809;
    s.ScenSpecialNodes[255].JumpTo = 0x0A0B;
    SectionDirectoryTable dir{};
    const auto image = WriteScenarioImage(s, dir);
    const ByteReader r(image);

    EXPECT_EQ(r.GetText(1281, 5), "Grass");
    EXPECT_EQ(r.GetI16(1281 + 255 * 48 + 30), 0x1234);
    EXPECT_EQ(r.GetText(13569, 6), "Goblin");
    EXPECT_EQ(r.GetText(29953, 5), "Sword");
    const std::pair<FilePos, int> words[] = {{61953, 0x0102}, {62373, 0x0203}, {62433, 0x0304},
                                             {62457, 0x0405}, {62459, 0x0506}, {62537, 0x0607},
                                             {62737, 0x0708}};
    for (const auto& [pos, value] : words)
        EXPECT_EQ(r.GetI16(pos), value) << pos;
    EXPECT_EQ(r.GetU8(62857 + 23 * 5 + 4), 9);
    EXPECT_EQ(r.GetI16(63077), 0x0809);
    EXPECT_EQ(r.GetI16(63077 + 255 * 22 + 20), 0x0A0B);
    for (FilePos p = 62977; p < 63077; ++p)
        ASSERT_EQ(r.GetU8(p), 0) << p;
}

TEST(OwnLayoutPositions, SmallTownRecordSize) {
    Scenario s = MakeMinimalScenario();
    s.Towns[0].Strings[5] = "abc";
    s.TownTalks[0].Nodes[3].Text1 = "hello";
    SectionDirectoryTable dir{};
    const auto image = WriteScenarioImage(s, dir);

    const std::int64_t talkTexts = 10 * 6; // ten personalities named "Unused"
    const std::int64_t expected = 6113 + 3 + 5 + talkTexts;
    const std::int64_t townStart = dir[100] + 1;
    EXPECT_EQ(static_cast<std::int64_t>(image.size()) - townStart + 1, expected);
}

TEST(OwnLayoutPositions, SectionRecordOffsets) {
    Scenario s = MakeMinimalScenario();
    OutdoorSection& o = s.OutdoorSections.At(0, 0);
    o.TownEntrances[0] = {0x0102, 7, 8};
    o.Terrain.At(3, 2) = 77;
    o.Strings[0] = "North";
    SectionDirectoryTable dir{};
    const auto image = WriteScenarioImage(s, dir);
    const ByteReader r(image);
    const FilePos start = dir[0] + 1;

    EXPECT_EQ(r.GetI16(start), 7);            // MaxSpecialSpot
    EXPECT_EQ(r.GetI16(start + 250), 0x0102); // first town entrance
    EXPECT_EQ(r.GetU8(start + 252), 7);
    const FilePos nodes = start + 282 + 4 * 8;
    EXPECT_EQ(r.GetI16(nodes), 7); // node 0 is an outdoor block
    const FilePos terrain = nodes + 60 * 22;
    EXPECT_EQ(r.GetU8(terrain + 3 + 48 * 2), 77);
    const FilePos lengths = terrain + 2304;
    EXPECT_EQ(r.GetU8(lengths), 5);
    EXPECT_EQ(r.GetText(lengths + 108, 5), "North");
    EXPECT_EQ(dir[100], lengths + 108 + 5 - 1); // the town follows directly
}

// In a world taller than wide, (1, 0) and (0, 2) both land on entry 2; (0, 2) is written later.
TEST(OwnLayoutPositions, DirectoryEntriesPointAtTheSectionsAndTowns) {
    const Scenario s = MakeVariedScenario(2, 3, 3);
    SectionDirectoryTable dir{};
    const auto image = WriteScenarioImage(s, dir);
    Scenario probe = s;
    FilePos pos = dir[2] + 1;
    ReadOutdoorSectionV2(probe, ByteReader(image), 0, 0, pos);
    EXPECT_EQ(probe.OutdoorSections.At(0, 0), s.OutdoorSections.At(0, 2));
    EXPECT_EQ(I32At(image, 81 + 4 * 2), dir[2]);
    for (int t = 0; t < 3; ++t) {
        EXPECT_EQ(I32At(image, 81 + 4 * (100 + t)), dir[100 + t]);
        pos = dir[100 + t] + 1;
        ReadTownV2(probe, ByteReader(image), 0, pos);
        EXPECT_EQ(probe.Towns[0], s.Towns[t]) << t;
    }
}

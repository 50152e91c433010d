// The own layout byte for byte: every record family is written with a distinct value in each
// field and compared with the bytes its layout table prescribes, so that a field swapped or
// mis-sized the same way in the writer and the reader cannot pass.
#include "support/OwnLayoutImage.h"

#include <gtest/gtest.h>

namespace {
// "01 0a ff" as bytes.
std::vector<std::uint8_t> Hex(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    std::istringstream in{std::string(text)};
    unsigned value = 0;
    while (in >> std::hex >> value)
        bytes.push_back(static_cast<std::uint8_t>(value));
    return bytes;
}

std::vector<std::uint8_t> Slice(const std::vector<std::uint8_t>& image, FilePos pos,
                                std::size_t count) {
    const auto first = image.begin() + (pos - 1);
    return {first, first + static_cast<std::ptrdiff_t>(count)};
}

// A record of zeros with the listed bytes laid over it at their offsets.
struct Patch {
    std::size_t offset;
    const char* bytes;
};
std::vector<std::uint8_t> Record(std::size_t size, std::initializer_list<Patch> patches) {
    std::vector<std::uint8_t> record(size, 0);
    for (const Patch& p : patches) {
        const auto bytes = Hex(p.bytes);
        std::copy(bytes.begin(), bytes.end(),
                  record.begin() + static_cast<std::ptrdiff_t>(p.offset));
    }
    return record;
}

// The scenario with one section of 1 x 1 and one town of size 2, every other field zero and
// every text empty.
Scenario ZeroScenario(Scenario s = {}) {
    s.TownCount = s.OutdoorWidth = s.OutdoorHeight = 1;
    s.OutdoorSections = OutdoorGrid(1, 1);
    s.Towns.resize(1);
    s.Towns[0].Size = 2;
    s.Towns[0].Terrain = TerrainGrid(32);
    s.TownTalks.resize(1);
    return s;
}

const SpecialNode kNode{0x0A01, 0x0B02, 0x0C03, 0x0D04, 0x0E05, 0x0F06,
                        0x1007, 0x1108, 0x1209, 0x130A, -1};
constexpr const char* kNodeBytes =
    "01 0a 02 0b 03 0c 04 0d 05 0e 06 0f 07 10 08 11 09 12 0a 13 ff ff";
} // namespace

TEST(OwnLayoutBytes, HeaderCountTableDirectoryAndScenarioWideRecords) {
    Scenario s = ZeroScenario();
    s.ScenVersion = {0x51, 0x52, 0x53};
    s.ScenRating = 0x0B;
    s.ScenDifficulty = 0x0C;
    s.ScenIcon = 0x0D;
    s.CurrentTown = 0x0E;
    s.CurrentOutdoorX = 0x0F;
    s.CurrentOutdoorY = 0x10;
    s.StartTown = 0x11;
    s.StartTownLoc = {0x12, 0x13};
    s.StartOutdoorSection = {0x14, 0x15};
    s.StartOutdoorLoc = {0x16, 0x17};
    s.ListsLocked = 1;
    // Every field its own value, in the order the records declare them.
    // clang-format off
    s.TerrainTypes[7] = {"Moor", 0x0A01, 0x0B02, -2, 0x11, 0x12, 0x13,
                         0x14, 0x15, 0x16, 0x17, 0x18, "q", 0x0C03};
    s.ItemTypes[499] = {"Sword", "Blade", 0x0A01, 0x0B02, 0x0C03, 0x51, 0x52, 0x53,
                        0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x5B,
                        0x5C, 0x5D, 0x5E, 0x5F, 0x60, 0x61, 0x62};
    s.MonsterTypes[9] = {"Ogre", 0x0A01, 0x0B02, 0x0C03, 0x21, 0x22, 0x0D04, 0x23, 0x24, 0x25,
                         0x26, 0x27, 0x28, 0x29, 0x0E05, 0x0F06, 0x2A, 0x2B,
                         {0x31, 0x32, 0x33}, {0x34, 0x35, 0x36}, {0x37, 0x38, 0x39},
                         0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, {0x4A, 0x4B, 0x4C}};
    // clang-format on

    for (std::size_t i = 0; i < 21; ++i)
        s.ItemPlacementShortcuts[9].Values[i] = static_cast<std::int16_t>(0x2000 + i);
    s.VarTownEntries[9] = {0x0A01, 0x0B02, 0x0C03};
    s.SavedItemAreas[3] = {0x0A01, 0x11, 0x12, 0x13, 0x14};
    s.EventTimerMoves[19] = 0x0A01;
    s.EventTimerNodes[19] = 0x0B02;
    s.SpecialItems[49] = {0x0A01, 0x11, 0x12};
    s.Boats[23] = {0x0A01, 0x11, 0x12, 0x13};
    s.Horses[0] = {0x0B02, 0x21, 0x22, 0x23};
    s.ScenSpecialNodes[255] = kNode;
    s.ScenStrings[0] = "Vale";
    s.ScenStrings[319] = "End";
    const auto image = OwnLayoutImage(s);

    const std::tuple<const char*, FilePos, std::vector<std::uint8_t>> cases[] = {
        // clang-format off
        {"TerrainType", 1281 + 7 * 48, Hex("4d 6f 6f 72 20 20 20 20 20 20 20 20 20 20 20 20 20 20 "
            "20 20 20 20 20 20 20 20 20 20 20 20  01 0a 02 0b fe ff  11 12 13 14 15 16 17 18  71  "
            "03 0c  00")},
        {"MonsterType", 13569 + 9 * 64, Hex("4f 67 72 65 20 20 20 20 20 20 20 20 20 20 20 20 20 20 "
            "20 20  01 0a 02 0b 03 0c  21 22  04 0d  23 24 25 26 27 28 29  05 0e 06 0f  2a 2b  31 "
            "32 33 34 35 36 37 38 39  41 42 43 44 45 46 47 48 49  4a 4b 4c")},
        {"ItemType", 29953 + 499 * 64, Hex("53 77 6f 72 64 20 20 20 20 20 20 20 20 20 20 20 20 20 "
            "20 20 20 20 20 20 20  42 6c 61 64 65 20 20 20 20 20 20 20 20 20 20  01 0a 02 0b 03 "
            "0c  51 52 53 54 55 56 57 58 59 5a 5b 5c 5d 5e 5f 60 61 62")},
        {"ItemPlacementShortcut", 61953 + 9 * 42, Hex("00 20 01 20 02 20 03 20 04 20 05 20 06 20 "
            "07 20 08 20 09 20 0a 20 0b 20 0c 20 0d 20 0e 20 0f 20 10 20 11 20 12 20 13 20 14 20")},
        {"VarTownEntry", 62373 + 9 * 6, Hex("01 0a 02 0b 03 0c")},
        {"SavedItemArea", 62433 + 3 * 6, Hex("01 0a 11 12 13 14")},
        {"event timer", 62457 + 19 * 4, Hex("01 0a 02 0b")},
        {"SpecialItem", 62537 + 49 * 4, Hex("01 0a 11 12")},
        {"boat", 62737 + 23 * 5, Hex("01 0a 11 12 13")}, {"horse", 62857, Hex("02 0b 21 22 23")},
        {"SpecialNode", 63077 + 255 * 22, Hex(kNodeBytes)},
        {"scenario text lengths", 68709, Record(320, {{0, "04"}, {319, "03"}})},
        {"scenario texts", 69029, Hex("56 61 6c 65 45 6e 64")}};
    // clang-format on
    for (const auto& [family, pos, bytes] : cases)
        EXPECT_EQ(Slice(image, pos, bytes.size()), bytes) << family;
    // clang-format off
    EXPECT_EQ(Slice(image, 1, 80), Hex("3e 56 52 53  51 52 53  01 01 01  0b 0c 0d  0e 0f 10  11 12 "
        "13  14 15  16 01 00  ff 00 3f 01 00 00 00 00 3b 00 6b 00 00 00 0f 00 07 00 00 00 00 00 00 "
        "00 63 00 bd 00 00 00 0f 00 00 00 00 00 00 00 59 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
        "00 00 00"));
    // clang-format on
    // The section follows the 320 scenario texts, seven bytes long; the town follows the section.
    EXPECT_EQ(Slice(image, 81, 4), Hex("ab 0d 01 00"));
    EXPECT_EQ(Slice(image, 81 + 400, 4), Hex("59 1d 01 00"));
}

TEST(OwnLayoutBytes, OutdoorSectionTownRecordAndItsTalk) {
    Scenario s = ZeroScenario();
    OutdoorSection& o = s.OutdoorSections.At(0, 0);
    o.AreaRects[1] = {0x21, 0x22, 0x23, 0x24};
    o.WanderingLocs[3] = {0x25, 0x26};
    o.Wandering[2] = {
        {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 0x0B11, 0x0C12, 0x0D13, 0x31, 0x32, 0x0E14, 0x0F15};
    o.Specials[3].Forced = 0x33;
    o.Specials[3].StuffDoneB = 0x1017;
    o.SignLocs[15] = {0x27, 0x28};
    o.TownEntrances[7] = {0x1118, 0x29, 0x2A};
    o.SpecialSpots = {{0x1219, 0x2B, 0x2C}};
    o.SpecialNodes[59] = kNode;
    o.Terrain.At(5, 1) = 0x5B;
    o.Strings[1] = "Cave";
    o.Strings[107] = "Ford";
    Town& t = s.Towns[0];
    // clang-format off
    t = {.Size = 2, .Hidden = 0x41, .Lighting = 0x1301, .Difficulty = 0x1402, .DayDies = 0x1503,
         .EventStop = 0x1604, .MaxMonsters = 0x1705, .EntrySpecials = {0x1806, 0x1907},
         .ExitSpecials = {0x1A08, 0x1B09, 0x1C0A, 0x1D0B}, .Boundary = {0x42, 0x43, 0x44, 0x45},
         .SpecialSpots = {{0x0A01, 0x21, 0x22}}, .Fields = {{0x0B02, 0x23, 0x24}, {}},
         .PresetItems = {{0x0C03, 0x25, 0x26, 0x0D04, 0x27, 0x28, 0x29}, {}, {}},
         .Creatures = {{0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x0E05, 0x0F06, 0x37, 0x38, 0x39,
                        0x1007, 0x1108, 0x1209, 0x3A}, {}, {}, {}},
         .Strings = {}, .Terrain = TerrainGrid(32)};
    // clang-format on
    t.AreaRects[15] = {0x46, 0x47, 0x48, 0x49};
    t.EntryPoints[0] = {0x4A, 0x4B};
    t.ExitLocs[3] = {0x4C, 0x4D};
    t.TimerMoves[7] = 0x1E0C;
    t.TimerNodes[0] = 0x1F0D;
    t.WanderingGroups[1].Monsters = {0x51, 0x52, 0x53, 0x54};
    t.WanderingLocs[2] = {0x55, 0x56};
    t.SignLocs[15] = {0x57, 0x58};
    t.SpecialNodes[99] = kNode;
    t.Terrain.At(3, 2) = 0x5A;
    t.Strings[0] = "Keep";
    t.Strings[189] = "Sign";
    TownTalk& talk = s.TownTalks[0];
    talk.Personalities[2] = {"N", "L", "M", "J", "H"};
    talk.Nodes[1] = {0x2111, 0x2212, "ab", "wxyz", {0x2313, 0x2414, 0x2515, 0x2616}, "t1", "t2x"};
    const auto image = OwnLayoutImage(s);

    // clang-format off
    auto expected = Record(5789, {
        {0, "01 00 02 00 03 00 00 00  02 41  01 13 02 14 03 15 04 16 05 17"},
        {20, "06 18 07 19  08 1a 09 1b 0a 1c 0b 1d  42 43 44 45"}, {96, "46 47 48 49  4a 4b"},
        {114, "4c 4d"}, {130, "0c 1e  0d 1f"}, {152, "51 52 53 54"}, {168, "55 56"},
        {202, "57 58  01 0a 21 22  02 0b 23 24"}, {216, "03 0c 25 26 04 0d 27 28 29 00"},
        {246, "31 32 33 34 35 36 05 0e 06 0f 37 38 39 07 10 08 11 09 12 3a"},
        {326 + 99 * 22, kNodeBytes}, {2526 + 3 + 32 * 2, "5a"}, {3550, "04"}, {3550 + 189, "04"},
        {3740, "4b 65 65 70 53 69 67 6e"}, {5548 + 2, "01"}, {5548 + 12, "01"}, {5548 + 22, "01"},
        {5548 + 32, "01"}, {5548 + 42, "01"}, {5548 + 51, "02"}, {5548 + 141, "03"},
        {5779, "4e 48 4c 4d 4a 74 31 74 32 78"}});
    // clang-format on
    // Empty keywords are stored as four blanks each.
    for (std::size_t node = 0; node < 90; ++node)
        for (std::size_t k = 4; k < 12; ++k)
            expected[3748 + 20 * node + k] = ' ';
    const auto node1 = Hex("11 21 12 22 61 62 20 20 77 78 79 7a 13 23 14 24 15 25 16 26");
    std::copy(node1.begin(), node1.end(), expected.begin() + 3768);

    ASSERT_EQ(image.size(), 73054u + expected.size()); // after the section's 4026 bytes
    EXPECT_EQ(Slice(image, 73055, expected.size()), expected);

    // clang-format off
    const auto section = Record(4026, {{0, "00 00"}, {6, "21 22 23 24"}, {40, "25 26"},
        {86, "01 02 03 04 05 06 07 08 09 0a  11 0b 12 0c 13 0d  31 32  14 0e 15 0f"},
        {213, "33 00 00 17 10"}, {248, "27 28"}, {278, "18 11 29 2a"}, {282, "19 12 2b 2c"},
        {286 + 59 * 22, kNodeBytes}, {1606 + 5 + 48, "5b"}, {3910 + 1, "04"}, {3910 + 107, "04"},
        {4018, "43 61 76 65 46 6f 72 64"}});
    // clang-format on
    EXPECT_EQ(Slice(image, 69029, section.size()), section);
    EXPECT_EQ(Slice(image, 81 + 400, 4), Hex("5e 1d 01 00")); // the town follows directly
}

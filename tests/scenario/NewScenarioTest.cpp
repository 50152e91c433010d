#include "scenario/NewScenario.h"

#include "platform/core/ProgramPaths.h"
#include "scenario/ScenarioSave.h"
#include "scenario/tables/CommonTables.h"
#include "support/Ints.h"
#include "support/OwnLayoutImage.h"
#include "support/SampleScenario.h"
#include "support/ShownBoxes.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {
// Wall pieces as the shared wall table numbers them, written out here so that a mix-up of
// shapes in the code cannot hide behind the same table.
struct Pieces {
    int wall, north, west, south, east, ne, se, sw, nw, floor;
};
constexpr Pieces kCave = {5, 6, 9, 12, 15, 18, 19, 20, 21, 0};
constexpr Pieces kGrass = {22, 24, 26, 28, 30, 32, 33, 34, 35, 2};

// Named strings at their indices, "*" from firstStar through lastStar, "" from there to last.
template <typename Strings>
void ExpectStrings(const Strings& strings, const std::vector<std::pair<int, std::string>>& named,
                   int firstStar, int lastStar, int last) {
    for (const auto& [i, text] : named)
        EXPECT_EQ(strings[i], text) << i;
    for (int i = firstStar; i <= last; ++i)
        EXPECT_EQ(strings[i], i <= lastStar ? "*" : "") << i;
}

template <std::size_t N, class T> std::array<T, N> Filled(const T& value) {
    std::array<T, N> a;
    a.fill(value);
    return a;
}

// The pieces at the rows and columns where the walls begin and end, one character each:
// '#' wall, '.' floor, '^' '>' 'v' '<' the north, east, south and west pieces, 'a' 'b' 'c' 'd'
// the north-west, north-east, south-east and south-west corners.
// Rows are separated by spaces.
std::string Sketch(const TerrainGrid& t, const Pieces& p) {
    const std::pair<int, char> legend[] = {
        {p.wall, '#'}, {p.floor, '.'}, {p.north, '^'}, {p.east, '>'}, {p.south, 'v'},
        {p.west, '<'}, {p.nw, 'a'},    {p.ne, 'b'},    {p.se, 'c'},   {p.sw, 'd'}};
    std::string rows;
    for (int y : {0, 2, 3, 4, 43, 44, 45, 47}) {
        rows += y ? " " : "";
        for (int x : {0, 2, 3, 4, 43, 44, 45, 47}) {
            rows += '?';
            for (const auto& [n, ch] : legend)
                if (t.At(x, y) == n) rows.back() = ch;
        }
    }
    return rows;
}
} // namespace

TEST(OutdoorSectionInit, OnlyTheSidesOnTheEdgeOfTheWorldGetWallsAndTheRestIsSet) {
    InitCommonTables();
    for (const auto& [kind, p] : {std::pair{0, kCave}, std::pair{1, kGrass}}) {
        SCOPED_TRACE(kind);
        Scenario s = MakeVariedScenario(1, 1, 1);
        InitOutdoorSection(s, 0, 0, static_cast<std::int16_t>(kind));
        EXPECT_EQ(Sketch(s.OutdoorSections.At(0, 0).Terrain, p),
                  "######## ######## ##a^^b## ##<..>## ##<..>## ##dvvc## ######## ########");
    }

    Scenario s = MakeVariedScenario(3, 3, 1);
    for (std::int16_t y = 0; y < 3; ++y)
        for (std::int16_t x = 0; x < 3; ++x)
            InitOutdoorSection(s, x, y, 0);
    const auto sketch = [&s](int x, int y) {
        return Sketch(s.OutdoorSections.At(x, y).Terrain, kCave);
    };
    const auto& centre = s.OutdoorSections.At(1, 1).Terrain.Cells();
    EXPECT_EQ(std::set<std::uint8_t>(centre.begin(), centre.end()), std::set<std::uint8_t>{0});
    EXPECT_EQ(sketch(1, 0),
              "######## ######## ^^^^^^^^ ........ ........ ........ ........ ........");
    // In a corner section the west edge's pieces are kept where the north edge would put its own.
    EXPECT_EQ(sketch(0, 0),
              "######## ######## ##a^^^^^ ##<..... ##<..... ##<..... ##<..... ##<.....");
    EXPECT_EQ(sketch(2, 2),
              ".....>## .....>## .....>## .....>## .....>## vvvvvc## ######## ########");
    EXPECT_EQ(sketch(0, 2).substr(45, 8), "##dvvvvv");
    EXPECT_EQ(sketch(2, 0).substr(18, 8), "^^^^^b##");

    // The section is cleared first; then its encounters, wandering points and strings are set.
    const OutdoorSection& sec = s.OutdoorSections.At(1, 0);
    EXPECT_EQ(sec.SpecialNodes[0].Type, 7);
    const OutdoorEncounter cleared{{}, -1, -1, -1, 0, 0, -1, -1};
    EXPECT_EQ(sec.Wandering, Filled<4>(cleared));
    EXPECT_EQ(sec.Specials, Filled<4>(cleared));
    EXPECT_EQ(sec.WanderingLocs, (std::array<Location, 4>{{{8, 8}, {8, 32}, {32, 32}, {8, 32}}}));
    // clang-format off
    ExpectStrings(sec.Strings, {{0, "Area name"}, {1, "Rectangle 1"}, {8, "Rectangle 8"},
                                {9, "Comment"}, {10, "*Begin special strs"}}, 11, 99, 107);
    // clang-format on
    EXPECT_THROW(InitOutdoorSection(s, 3, 0, 0), RuntimeError);
}

TEST(CreateTown, GivesTheHeaderValuesStringsClearedListsAndFloorOfEachSizeAndRefusesABadOne) {
    Scenario s = MakeVariedScenario(1, 1, 1, 4);
    const Scenario before = s;
    EXPECT_THROW(CreateTown(s, 2, "x", 3, 0), RuntimeError);
    EXPECT_THROW(CreateTown(s, 2, "x", 0, 3), RuntimeError);
    EXPECT_THROW(CreateTown(s, -1, "x", 0, 0), RuntimeError);
    EXPECT_TRUE(s == before);

    CreateTown(s, 2, "Saltmere", 1, 0);
    ASSERT_EQ(Ints(s.Towns.size(), s.TownTalks.size(), s.TownCount), Ints(3, 3, before.TownCount));
    EXPECT_TRUE(s.Towns[0] == before.Towns[0] && s.TownTalks[0] == before.TownTalks[0]);
    const Town& t = s.Towns[2];
    EXPECT_EQ(Ints(t.Hidden, t.Lighting, t.Difficulty, t.DayDies, t.EventStop, t.MaxMonsters,
                   t.Terrain.At(0, 0), t.SpecialNodes[0].Type), // cleared first
              Ints(0, 0, 0, -1, -1, 30000, 0, 8));
    const std::int16_t none = -1;
    EXPECT_EQ(std::tuple(t.ExitLocs, t.ExitSpecials, t.EntrySpecials, t.TimerMoves, t.TimerNodes),
              std::tuple(Filled<4>(Location{255, 255}), Filled<4>(none), Filled<2>(none),
                         std::array<std::int16_t, 8>{}, Filled<8>(none)));
    // clang-format off
    ExpectStrings(t.Strings, {{0, "Saltmere"}, {1, "Rectangle 1"}, {16, "Rectangle 16"},
                  {17, "Comment 1"}, {19, "Comment 3"}, {20, "*Begin special strs"}}, 21, 169, 189);
    // clang-format on

    // Each size: the map's last index, the boundary and the entry points; the floor of kind 2.
    using Entries = std::array<Location, 4>;
    const std::tuple<std::int16_t, int, AreaRect, Entries> cases[] = {
        {0, 63, {3, 3, 60, 60}, {{{32, 4}, {59, 32}, {32, 59}, {4, 32}}}},
        {1, 47, {3, 3, 44, 44}, {{{24, 4}, {43, 24}, {24, 43}, {4, 24}}}},
        {2, 31, {3, 3, 28, 28}, {{{16, 4}, {27, 16}, {16, 27}, {4, 16}}}},
    };
    for (const auto& [size, mapMax, boundary, entries] : cases) {
        SCOPED_TRACE(size);
        Scenario fresh;
        EXPECT_EQ(CreateTown(fresh, 0, "Brackwater", size, 2), mapMax);
        const Town& town = fresh.Towns[0];
        EXPECT_EQ(std::tuple(town.Size, town.Boundary, town.EntryPoints, town.Terrain.Side()),
                  std::tuple(size, boundary, entries, mapMax + 1));
        const auto& cells = town.Terrain.Cells();
        EXPECT_EQ(std::set<std::uint8_t>(cells.begin(), cells.end()), std::set<std::uint8_t>{4});
    }
}

TEST(NewScenarioFileName, RefusesNamesThatLeaveTheScenarioFolder) {
    for (const std::string& bad :
         std::vector<std::string>{"", "/", "a/b", "\\", "a\\b", ".", "..", "up..", "a\tb",
                                  "line\nbreak", "\x7f", std::string("a\0b", 3)})
        EXPECT_NE(NewScenarioFileNameProblem(bad), "") << bad;
    // A name an existing scenario has is allowed, and so are letters beyond ASCII.
    for (const char* good : {"fenmarrow", "My Scenario", "x.y", "\334berfahrt"})
        EXPECT_EQ(NewScenarioFileNameProblem(good), "") << good;
}

namespace {
class NewScenario : public ::testing::Test {
  protected:
    void SetUp() override {
        InitCommonTables();
        std::filesystem::create_directories(program_.File("scenario/fenmarrow"));
        SetProgramFolderForTesting(program_.Path());
        SetTempSaveFolderForTesting(temp_.File("save"));

        base_ = MakeVariedScenario(1, 1, 1, 11);
        // A base whose lists are unlocked keeps its outdoor start's y through a save.
        base_.ListsLocked = 0;
        base_.StartOutdoorLoc.Y = 0;
        PutFileBytes(BasePath(), OwnLayoutImage(base_));

        Scen = MakeVariedScenario(2, 1, 2, 12);
        Scen.StuffDoneNames[4].Name = "Bell rung";
        Scen.StuffDoneNames[4].ValueNames[1] = "Once";
        ScenFile = {"/elsewhere/Old.vrs", "Old.vrs"};
    }
    std::string BasePath() const { return program_.File("scenario/fenmarrow/fenmarrow.vrs"); }

    static NewScenarioChoices Choices() { return {"The Reed Marches", "reeds", 3, 2, true, 2}; }

    TempFolder program_, temp_;
    Scenario base_;
};
} // namespace

TEST_F(NewScenario, TakesTheBaseRecordsAndTheAuthorsChoicesAndSavesWithTheEarlierFlagNames) {
    const auto image = FileBytes(BasePath());
    ASSERT_EQ(::chmod(BasePath().c_str(), 0444), 0); // a read-only base is enough
    MsgBoxRecorder boxes;
    ASSERT_TRUE(CreateScenario(Choices()));
    EXPECT_EQ(FileBytes(BasePath()), image);
    EXPECT_EQ(std::tuple(ScenFile.ScenFileName, ScenFile.ScenFilePath, ScenFile.ScenFormat),
              std::tuple("reeds.vrs", program_.File("scenario/reeds.vrs"), 2));

    // The base's scenario-wide records, except its name and the flag names.
    Scenario expected = base_;
    expected.ScenStrings[0] = "The Reed Marches";
    EXPECT_TRUE(
        Scen.TerrainTypes == expected.TerrainTypes && Scen.MonsterTypes == expected.MonsterTypes &&
        Scen.ItemTypes == expected.ItemTypes && Scen.SpecialItems == expected.SpecialItems &&
        Scen.Boats == expected.Boats && Scen.ScenSpecialNodes == expected.ScenSpecialNodes &&
        Scen.ScenVersion == expected.ScenVersion && Scen.StartTownLoc == expected.StartTownLoc);
    EXPECT_EQ(Scen.ScenStrings, expected.ScenStrings);
    ASSERT_EQ(Ints(Scen.TownCount, Scen.Towns.size(), Scen.TownTalks.size()), Ints(1, 1, 1));
    const OutdoorGrid& grid = Scen.OutdoorSections;
    EXPECT_EQ(Ints(Scen.ListsLocked, Scen.OutdoorWidth, Scen.OutdoorHeight, grid.Width(),
                   grid.Height(), grid.At(1, 1).Terrain.At(20, 20),
                   grid.At(1, 1).Terrain.At(20, 46), Scen.Towns[0].Size,
                   Scen.Towns[0].Terrain.At(5, 5), Scen.CurrentTown, Scen.CurrentOutdoorX,
                   Scen.CurrentOutdoorY),
              Ints(0, 3, 2, 3, 2, 2, kGrass.wall, 2, 2, 0, 0, 0));
    EXPECT_EQ(std::pair(grid.At(2, 0).Strings[0], Scen.Towns[0].Strings[0]),
              std::pair(std::string("Area name"), std::string("Town name")));

    // Saved and read back, it equals itself; the flag names are the earlier scenario's.
    SaveScenarioV2();
    EXPECT_EQ(Shown(boxes), Boxes{});
    Scenario read;
    ReadScenarioImageV2(read, FileBytes(program_.File("scenario/reeds.vrs")));
    read.StuffDoneNames = Scen.StuffDoneNames;
    EXPECT_TRUE(read == Scen);
    EXPECT_EQ(FileText(program_.File("scenario/reeds.vrd")),
              ">VRD\r\n4,-1,\"Bell rung\"\r\n4,1,\"Once\"\r\n");

    // The cave choice, with a town of size 0.
    ASSERT_TRUE(CreateScenario({"Cave", "cave", 1, 1, false, 0}));
    EXPECT_EQ(Ints(Scen.OutdoorSections.At(0, 0).Terrain.At(3, 3),
                   Scen.OutdoorSections.At(0, 0).Terrain.At(20, 20), Scen.Towns[0].Terrain.Side(),
                   Scen.Towns[0].Terrain.At(63, 63)),
              Ints(kCave.nw, 0, 64, 0));
}

TEST_F(NewScenario, BadChoicesAndABaseFileMissingOrNotInTheOwnLayoutAreReportedAndChangeNothing) {
    const Scenario scen = Scen;
    const ScenarioFileState file = ScenFile;
    using Bytes = std::vector<std::uint8_t>;
    const Bytes good = FileBytes(BasePath());
    const Bytes cut(good.begin(), good.begin() + 20000); // cut in the middle of the records
    const std::string invalid = "Not a valid Scenario file.";
    const NewScenarioChoices ok = Choices();
    const std::tuple<NewScenarioChoices, std::optional<Bytes>, std::string> rows[] = {
        // clang-format off
        {{"N", "../reeds", 3, 2, true, 2}, good, "Err# 52, Bad file name or number"},
        {{"N", "reeds", 51, 2, true, 2}, good, "Err# 6, Overflow"},
        {{"N", "reeds", 3, 0, true, 2}, good, "Err# 6, Overflow"},
        {{"N", "reeds", 3, 2, true, 3}, good, "Err# 9, Subscript out of range"},
        {ok, Bytes{}, invalid}, {ok, Bytes{'>', 'V', 'R'}, invalid},
        {ok, Bytes{0x14, 0x28, 0x3C, 0x50, 0, 0}, invalid},
        // clang-format on
        {ok, cut, "Err# 62, Input past end of file"},
        {ok, std::nullopt, "Err# 53, File not found"},  // the base file missing
        {ok, std::nullopt, "Err# 76, Path not found"}}; // and then its folder
    for (const auto& [choices, bytes, message] : rows) {
        SCOPED_TRACE(message);
        if (bytes)
            PutFileBytes(BasePath(), *bytes);
        else if (!std::filesystem::remove(BasePath()))
            std::filesystem::remove(program_.File("scenario/fenmarrow"));
        MsgBoxRecorder boxes;
        EXPECT_FALSE(CreateScenario(choices));
        EXPECT_EQ(Shown(boxes), Boxes{"Error|16|CreateScenarioError encountered!\r\n" + message});
        EXPECT_TRUE(Scen == scen);
        EXPECT_EQ(std::tuple(ScenFile.ScenFileName, ScenFile.ScenFilePath, ScenFile.ScenFormat),
                  std::tuple(file.ScenFileName, file.ScenFilePath, file.ScenFormat));
        // The base file stays as it was, and a missing one is not created.
        EXPECT_EQ(std::filesystem::exists(BasePath()) ? std::optional(FileBytes(BasePath()))
                                                      : std::nullopt,
                  bytes);
    }
    EXPECT_FALSE(std::filesystem::exists(program_.File("scenario/fenmarrow")));
}

#include "scenario/NewScenario.h"

#include "platform/core/ByteBuffer.h"
#include "platform/core/ProgramPaths.h"
#include "scenario/OwnLayout.h"
#include "scenario/ScenarioSave.h"
#include "scenario/tables/CommonTables.h"
#include "support/MsgBoxRecorder.h"
#include "support/OwnLayoutImage.h"
#include "support/SampleScenario.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <sys/stat.h>

namespace {
// Wall pieces as the shared wall table numbers them, written out here so that a mix-up of
// shapes in the code cannot hide behind the same table.
struct Pieces {
    int wall, north, west, south, east, ne, se, sw, nw;
    int floor;
};
constexpr Pieces kCave = {5, 6, 9, 12, 15, 18, 19, 20, 21, 0};
constexpr Pieces kGrass = {22, 24, 26, 28, 30, 32, 33, 34, 35, 2};

Scenario WorldOf(int width, int height) {
    Scenario s;
    s.OutdoorWidth = static_cast<std::uint8_t>(width);
    s.OutdoorHeight = static_cast<std::uint8_t>(height);
    s.OutdoorSections = OutdoorGrid(width, height);
    return s;
}

// Named strings at their indices, "*" from firstStar through lastStar, "" from there to last.
template <typename Strings>
void ExpectStrings(const Strings& strings, const std::vector<std::pair<int, std::string>>& named,
                   int firstStar, int lastStar, int last) {
    for (const auto& [i, text] : named)
        EXPECT_EQ(strings[i], text) << i;
    for (int i = firstStar; i <= last; ++i)
        EXPECT_EQ(strings[i], i <= lastStar ? "*" : "") << i;
}

template <class... T> std::vector<int> Ints(T... values) {
    return {static_cast<int>(values)...};
}

class OutdoorSectionInit : public ::testing::Test {
  protected:
    void SetUp() override { InitCommonTables(); }
};
} // namespace

TEST_F(OutdoorSectionInit, ASingleSectionWorldIsWalledOnAllFourSides) {
    for (const auto& [kind, p] : {std::pair{0, kCave}, std::pair{1, kGrass}}) {
        SCOPED_TRACE(kind);
        Scenario s = WorldOf(1, 1);
        InitOutdoorSection(s, 0, 0, static_cast<std::int16_t>(kind));
        const TerrainGrid& t = s.OutdoorSections.At(0, 0).Terrain;

        EXPECT_EQ(t.At(3, 3), p.nw);
        EXPECT_EQ(t.At(3, 44), p.sw);
        EXPECT_EQ(t.At(44, 3), p.ne);
        EXPECT_EQ(t.At(44, 44), p.se);
        for (int i = 4; i <= 43; ++i) {
            EXPECT_EQ(t.At(i, 3), p.north) << i;
            EXPECT_EQ(t.At(i, 44), p.south) << i;
            EXPECT_EQ(t.At(3, i), p.west) << i;
            EXPECT_EQ(t.At(44, i), p.east) << i;
        }
        for (int i = 0; i < 48; ++i)
            for (int band : {0, 1, 2, 45, 46, 47}) {
                EXPECT_EQ(t.At(band, i), p.wall);
                EXPECT_EQ(t.At(i, band), p.wall);
            }
        for (int y = 4; y <= 43; ++y)
            for (int x = 4; x <= 43; ++x)
                ASSERT_EQ(t.At(x, y), p.floor) << x << "," << y;
    }
}

TEST_F(OutdoorSectionInit, OnlyTheSidesOnTheEdgeOfTheWorldGetWalls) {
    Scenario s = WorldOf(3, 3);
    for (std::int16_t y = 0; y < 3; ++y)
        for (std::int16_t x = 0; x < 3; ++x)
            InitOutdoorSection(s, x, y, 0);

    const auto& centre = s.OutdoorSections.At(1, 1).Terrain.Cells();
    EXPECT_EQ(std::set<std::uint8_t>(centre.begin(), centre.end()), std::set<std::uint8_t>{0});

    const TerrainGrid& north = s.OutdoorSections.At(1, 0).Terrain;
    for (int x = 0; x < 48; ++x) {
        for (int y = 0; y < 3; ++y)
            EXPECT_EQ(north.At(x, y), kCave.wall);
        EXPECT_EQ(north.At(x, 3), kCave.north) << x;
        for (int y = 4; y < 48; ++y)
            ASSERT_EQ(north.At(x, y), 0) << x << "," << y;
    }

    // A corner section of the world: its one inner corner, and the west edge's pieces kept
    // where the north edge would otherwise have put its own.
    const TerrainGrid& nw = s.OutdoorSections.At(0, 0).Terrain;
    EXPECT_EQ(nw.At(3, 3), kCave.nw);
    EXPECT_EQ(nw.At(3, 47), kCave.west);
    EXPECT_EQ(nw.At(47, 3), kCave.north);
    EXPECT_EQ(nw.At(44, 44), 0);
    const TerrainGrid& se = s.OutdoorSections.At(2, 2).Terrain;
    EXPECT_EQ(se.At(44, 44), kCave.se);
    EXPECT_EQ(se.At(44, 0), kCave.east);
    EXPECT_EQ(se.At(0, 44), kCave.south);
    EXPECT_EQ(se.At(3, 3), 0);
    EXPECT_EQ(s.OutdoorSections.At(0, 2).Terrain.At(3, 44), kCave.sw);
    EXPECT_EQ(s.OutdoorSections.At(2, 0).Terrain.At(44, 3), kCave.ne);
}

TEST_F(OutdoorSectionInit, ClearsTheSectionAndSetsEncountersPointsAndStrings) {
    Scenario s = MakeVariedScenario(2, 1, 1, 3);
    InitOutdoorSection(s, 1, 0, 1);
    const OutdoorSection& sec = s.OutdoorSections.At(1, 0);
    EXPECT_EQ(sec.SpecialNodes[0].Type, 7);
    EXPECT_EQ(sec.SpecialSpots.size(), 8u);
    for (const auto& e : sec.TownEntrances)
        EXPECT_EQ(e, (TownEntrance{-1, 100, 0}));
    OutdoorEncounter cleared;
    cleared.StartNode = cleared.WinNode = cleared.FleeNode = -1;
    cleared.StuffDoneA = cleared.StuffDoneB = -1;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(sec.Wandering[i], cleared) << i;
        EXPECT_EQ(sec.Specials[i], cleared) << i;
    }
    EXPECT_EQ(sec.WanderingLocs, (std::array<Location, 4>{{{8, 8}, {8, 32}, {32, 32}, {8, 32}}}));
    ExpectStrings(sec.Strings,
                  {{0, "Area name"},
                   {1, "Rectangle 1"},
                   {8, "Rectangle 8"},
                   {9, "Comment"},
                   {10, "*Begin special strs"}},
                  11, 99, 107);
    EXPECT_THROW(InitOutdoorSection(s, 2, 0, 0), RuntimeError);
}

TEST(CreateTown, SetsBoundaryEntryPointsAndFloorForEachSize) {
    struct Case {
        std::int16_t size;
        int mapMax;
        AreaRect boundary;
        std::array<Location, 4> entries;
    };
    const Case cases[] = {
        {0, 63, {3, 3, 60, 60}, {{{32, 4}, {59, 32}, {32, 59}, {4, 32}}}},
        {1, 47, {3, 3, 44, 44}, {{{24, 4}, {43, 24}, {24, 43}, {4, 24}}}},
        {2, 31, {3, 3, 28, 28}, {{{16, 4}, {27, 16}, {16, 27}, {4, 16}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        Scenario s;
        EXPECT_EQ(CreateTown(s, 0, "Brackwater", c.size, 2), c.mapMax);
        const Town& t = s.Towns[0];
        EXPECT_EQ(t.Size, c.size);
        EXPECT_EQ(t.Boundary, c.boundary);
        EXPECT_EQ(t.EntryPoints, c.entries);
        EXPECT_EQ(t.Terrain.Side(), c.mapMax + 1);
        const auto& cells = t.Terrain.Cells();
        EXPECT_EQ(std::set<std::uint8_t>(cells.begin(), cells.end()), std::set<std::uint8_t>{4});
    }
}

TEST(CreateTown, GivesTheHeaderValuesStringsAndClearedLists) {
    Scenario s = MakeVariedScenario(1, 1, 1, 4);
    const Scenario before = s;
    CreateTown(s, 2, "Saltmere", 1, 0);
    ASSERT_EQ(s.Towns.size(), 3u);
    ASSERT_EQ(s.TownTalks.size(), 3u);
    EXPECT_EQ(s.TownCount, before.TownCount);
    EXPECT_TRUE(s.Towns[0] == before.Towns[0]);
    EXPECT_TRUE(s.TownTalks[0] == before.TownTalks[0]);

    const Town& t = s.Towns[2];
    EXPECT_EQ(Ints(t.Hidden, t.Lighting, t.Difficulty, t.DayDies, t.EventStop, t.MaxMonsters,
                   t.Terrain.At(0, 0), t.Creatures.size(), t.SpecialNodes[0].Type),
              Ints(0, 0, 0, -1, -1, 30000, 0, 16, 8));
    EXPECT_EQ(t.ExitLocs,
              (std::array<Location, 4>{{{255, 255}, {255, 255}, {255, 255}, {255, 255}}}));
    EXPECT_EQ(t.ExitSpecials, (std::array<std::int16_t, 4>{-1, -1, -1, -1}));
    EXPECT_EQ(t.EntrySpecials, (std::array<std::int16_t, 2>{-1, -1}));
    EXPECT_EQ(t.TimerMoves, (std::array<std::int16_t, 8>{}));
    EXPECT_EQ(t.TimerNodes, (std::array<std::int16_t, 8>{-1, -1, -1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(s.TownTalks[2].Personalities[3].Name, "Unused");
    ExpectStrings(t.Strings,
                  {{0, "Saltmere"},
                   {1, "Rectangle 1"},
                   {16, "Rectangle 16"},
                   {17, "Comment 1"},
                   {19, "Comment 3"},
                   {20, "*Begin special strs"}},
                  21, 169, 189);
}

TEST(CreateTown, RefusesABadSizeOrTerrainWithoutTouchingTheTowns) {
    Scenario s = MakeVariedScenario(1, 1, 2, 6);
    const Scenario before = s;
    EXPECT_THROW(CreateTown(s, 2, "x", 3, 0), RuntimeError);
    EXPECT_THROW(CreateTown(s, 2, "x", 0, 3), RuntimeError);
    EXPECT_THROW(CreateTown(s, -1, "x", 0, 0), RuntimeError);
    EXPECT_TRUE(s == before);
}

TEST(NewScenarioFileName, RefusesNamesThatLeaveTheScenarioFolder) {
    for (const char* bad :
         {"", "/", "a/b", "\\", "a\\b", ".", "..", "up..", "a\tb", "line\nbreak", "\x7f"})
        EXPECT_NE(NewScenarioFileNameProblem(bad), "") << bad;
    EXPECT_NE(NewScenarioFileNameProblem(std::string("a\0b", 3)), "");
    // A name an existing scenario has is allowed, and so are letters beyond ASCII.
    for (const char* good : {"fenmarrow", "My Scenario", "x.y",
                             "\xDC"
                             "berfahrt"})
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
        ScenFile = {};
        ScenFile.ScenFileName = "Old.vrs";
        ScenFile.ScenFilePath = "/elsewhere/Old.vrs";
        ScenFile.ScenFormat = 0;
    }
    std::string BasePath() const { return program_.File("scenario/fenmarrow/fenmarrow.vrs"); }

    static NewScenarioChoices Choices() {
        NewScenarioChoices c;
        c.ScenName = "The Reed Marches";
        c.FileName = "reeds";
        c.OutdoorWidth = 3;
        c.OutdoorHeight = 2;
        c.Grass = true;
        c.TownSize = 2;
        return c;
    }

    // Asserts that a refused creation left the current scenario exactly as it was.
    void ExpectNothingChanged(const Scenario& scen, const ScenarioFileState& file) {
        EXPECT_TRUE(Scen == scen);
        EXPECT_EQ(ScenFile.ScenFileName, file.ScenFileName);
        EXPECT_EQ(ScenFile.ScenFilePath, file.ScenFilePath);
        EXPECT_EQ(ScenFile.ScenFormat, file.ScenFormat);
    }

    TempFolder program_;
    TempFolder temp_;
    Scenario base_;
};
} // namespace

TEST_F(NewScenario, TakesTheBaseRecordsAndTheAuthorsChoices) {
    const auto namesBefore = Scen.StuffDoneNames;
    const auto image = FileBytes(BasePath());
    ASSERT_EQ(::chmod(BasePath().c_str(), 0444), 0); // a read-only base is enough
    MsgBoxRecorder boxes;
    ASSERT_TRUE(CreateScenario(Choices()));
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(FileBytes(BasePath()), image);
    EXPECT_EQ(ScenFile.ScenFileName, "reeds.vrs");
    EXPECT_EQ(ScenFile.ScenFilePath, program_.File("scenario/reeds.vrs"));
    EXPECT_EQ(ScenFile.ScenFormat, 2);

    // The base's scenario-wide records, except its name and the flag names.
    Scenario expected = base_;
    expected.ScenStrings[0] = "The Reed Marches";
    EXPECT_TRUE(
        Scen.TerrainTypes == expected.TerrainTypes && Scen.MonsterTypes == expected.MonsterTypes &&
        Scen.ItemTypes == expected.ItemTypes && Scen.SpecialItems == expected.SpecialItems &&
        Scen.Boats == expected.Boats && Scen.ScenSpecialNodes == expected.ScenSpecialNodes &&
        Scen.ScenVersion == expected.ScenVersion && Scen.StartTownLoc == expected.StartTownLoc);
    EXPECT_EQ(Scen.ScenStrings, expected.ScenStrings);
    EXPECT_EQ(Scen.StuffDoneNames, namesBefore);

    ASSERT_EQ(Ints(Scen.TownCount, Scen.Towns.size(), Scen.TownTalks.size()), Ints(1, 1, 1));
    EXPECT_EQ(Ints(Scen.ListsLocked, Scen.OutdoorWidth, Scen.OutdoorHeight,
                   Scen.OutdoorSections.Width(), Scen.OutdoorSections.Height(),
                   Scen.OutdoorSections.At(1, 1).Terrain.At(20, 20),
                   Scen.OutdoorSections.At(1, 1).Terrain.At(20, 46), Scen.Towns[0].Size,
                   Scen.Towns[0].Terrain.At(5, 5), Scen.CurrentTown, Scen.CurrentOutdoorX,
                   Scen.CurrentOutdoorY),
              Ints(0, 3, 2, 3, 2, 2, kGrass.wall, 2, 2, 0, 0, 0));
    EXPECT_EQ(Scen.OutdoorSections.At(2, 0).Strings[0], "Area name");
    EXPECT_EQ(Scen.Towns[0].Strings[0], "Town name");

    // The cave choice, with a town of size 0.
    NewScenarioChoices c = Choices();
    c.Grass = false;
    c.OutdoorWidth = c.OutdoorHeight = 1;
    c.TownSize = 0;
    ASSERT_TRUE(CreateScenario(c));
    EXPECT_EQ(Ints(Scen.OutdoorSections.At(0, 0).Terrain.At(3, 3),
                   Scen.OutdoorSections.At(0, 0).Terrain.At(20, 20), Scen.Towns[0].Terrain.Side(),
                   Scen.Towns[0].Terrain.At(63, 63)),
              Ints(kCave.nw, 0, 64, 0));
}

TEST_F(NewScenario, SavedAndReadBackEqualsItselfWithTheEarlierFlagNames) {
    ASSERT_TRUE(CreateScenario(Choices()));
    MsgBoxRecorder boxes;
    SaveScenarioV2();
    ASSERT_TRUE(boxes.Calls().empty());

    Scenario read;
    ReadScenarioImageV2(read, FileBytes(program_.File("scenario/reeds.vrs")));
    read.StuffDoneNames = Scen.StuffDoneNames;
    EXPECT_TRUE(read == Scen);
    EXPECT_EQ(FileText(program_.File("scenario/reeds.vrd")),
              ">VRD\r\n4,-1,\"Bell rung\"\r\n4,1,\"Once\"\r\n");
}

TEST_F(NewScenario, BadChoicesAndABaseFileMissingOrNotInTheOwnLayoutAreReportedAndChangeNothing) {
    const Scenario scen = Scen;
    const ScenarioFileState file = ScenFile;
    const auto expectRefused = [&](const NewScenarioChoices& c, const std::string& message) {
        MsgBoxRecorder boxes;
        EXPECT_FALSE(CreateScenario(c));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].text.rfind("CreateScenarioError encountered!\r\n" + message, 0),
                  0u);
        EXPECT_EQ(boxes.Calls()[0].title, "Error");
        EXPECT_EQ(boxes.Calls()[0].style, msgbox::Critical);
        ExpectNothingChanged(scen, file);
    };
    const std::function<void(NewScenarioChoices&)> changes[] = {
        [](auto& c) { c.FileName = "../reeds"; }, [](auto& c) { c.OutdoorWidth = 51; },
        [](auto& c) { c.OutdoorHeight = 0; }, [](auto& c) { c.TownSize = 3; }};
    for (const auto& change : changes) {
        SCOPED_TRACE(&change - changes);
        NewScenarioChoices c = Choices();
        change(c);
        expectRefused(c, "Err# ");
    }

    auto cut = FileBytes(BasePath());
    cut.resize(20000); // the right signature, cut short in the middle of the records
    const std::string invalid = "Not a valid Scenario file.";
    using Bytes = std::vector<std::uint8_t>;
    const std::pair<std::optional<Bytes>, std::string> cases[] = {
        {Bytes{}, invalid},
        {Bytes{0x14, 0x28, 0x3C, 0x50, 0, 0}, invalid},
        {Bytes{'>', 'V', 'R'}, invalid},
        {cut, "Err# 62, Input past end of file"},
        {std::nullopt, "Err# 53, File not found"},  // the base file missing: not created
        {std::nullopt, "Err# 76, Path not found"}}; // and then its folder
    for (const auto& [bytes, message] : cases) {
        SCOPED_TRACE(message);
        if (bytes)
            PutFileBytes(BasePath(), *bytes);
        else if (!std::filesystem::remove(BasePath()))
            std::filesystem::remove(program_.File("scenario/fenmarrow"));
        expectRefused(Choices(), message);
        // The base file stays as it was, and a missing one is not created.
        EXPECT_EQ(std::filesystem::exists(BasePath()) ? std::optional(FileBytes(BasePath()))
                                                      : std::nullopt,
                  bytes);
    }
    EXPECT_FALSE(std::filesystem::exists(program_.File("scenario/fenmarrow")));
}

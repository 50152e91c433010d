#include "scenario/NewScenario.h"

#include "platform/ByteBuffer.h"
#include "platform/ProgramPaths.h"
#include "scenario/OwnLayout.h"
#include "scenario/ScenarioSave.h"
#include "scenario/tables/CommonTables.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
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
    for (const auto* list : {&sec.Wandering, &sec.Specials})
        for (const OutdoorEncounter& e : *list) {
            EXPECT_EQ(e.Monsters, (std::array<std::uint8_t, 10>{}));
            EXPECT_EQ(e.StartNode, -1);
            EXPECT_EQ(e.WinNode, -1);
            EXPECT_EQ(e.FleeNode, -1);
            EXPECT_EQ(e.CannotFlee, 0);
            EXPECT_EQ(e.Forced, 0);
            EXPECT_EQ(e.StuffDoneA, -1);
            EXPECT_EQ(e.StuffDoneB, -1);
        }
    EXPECT_EQ(sec.WanderingLocs, (std::array<Location, 4>{{{8, 8}, {8, 32}, {32, 32}, {8, 32}}}));

    EXPECT_EQ(sec.Strings[0], "Area name");
    EXPECT_EQ(sec.Strings[1], "Rectangle 1");
    EXPECT_EQ(sec.Strings[8], "Rectangle 8");
    EXPECT_EQ(sec.Strings[9], "Comment");
    EXPECT_EQ(sec.Strings[10], "*Begin special strs");
    for (int i = 11; i <= 99; ++i)
        EXPECT_EQ(sec.Strings[i], "*") << i;
    for (int i = 100; i <= 107; ++i)
        EXPECT_EQ(sec.Strings[i], "") << i;
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
    EXPECT_EQ(t.Hidden, 0);
    EXPECT_EQ(t.Lighting, 0);
    EXPECT_EQ(t.Difficulty, 0);
    EXPECT_EQ(t.DayDies, -1);
    EXPECT_EQ(t.EventStop, -1);
    EXPECT_EQ(t.MaxMonsters, 30000);
    EXPECT_EQ(t.ExitLocs,
              (std::array<Location, 4>{{{255, 255}, {255, 255}, {255, 255}, {255, 255}}}));
    EXPECT_EQ(t.ExitSpecials, (std::array<std::int16_t, 4>{-1, -1, -1, -1}));
    EXPECT_EQ(t.EntrySpecials, (std::array<std::int16_t, 2>{-1, -1}));
    EXPECT_EQ(t.TimerMoves, (std::array<std::int16_t, 8>{}));
    for (auto node : t.TimerNodes)
        EXPECT_EQ(node, -1);
    EXPECT_EQ(t.Terrain.At(0, 0), 0);
    EXPECT_EQ(t.Creatures.size(), 16u);
    EXPECT_EQ(t.SpecialNodes[0].Type, 8);
    EXPECT_EQ(s.TownTalks[2].Personalities[3].Name, "Unused");

    EXPECT_EQ(t.Strings[0], "Saltmere");
    EXPECT_EQ(t.Strings[1], "Rectangle 1");
    EXPECT_EQ(t.Strings[16], "Rectangle 16");
    EXPECT_EQ(t.Strings[17], "Comment 1");
    EXPECT_EQ(t.Strings[19], "Comment 3");
    EXPECT_EQ(t.Strings[20], "*Begin special strs");
    for (int i = 21; i <= 169; ++i)
        EXPECT_EQ(t.Strings[i], "*") << i;
    for (int i = 170; i <= 189; ++i)
        EXPECT_EQ(t.Strings[i], "") << i;
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
         {"", "/", "a/b", "\\", "a\\b", "..", "up..", "a\tb", "line\nbreak", "\x7f"})
        EXPECT_NE(NewScenarioFileNameProblem(bad), "") << bad;
    EXPECT_NE(NewScenarioFileNameProblem(std::string("a\0b", 3)), "");
    // A name an existing scenario has is allowed, and so are letters beyond ASCII.
    for (const char* good : {"fenmarrow", "My Scenario", "x.y",
                             "\xDC"
                             "berfahrt",
                             "."})
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
        savedScen_ = Scen;
        savedFile_ = ScenFile;

        base_ = MakeVariedScenario(1, 1, 1, 11);
        // A base whose lists are unlocked keeps its outdoor start's y through a save.
        base_.ListsLocked = 0;
        base_.StartOutdoorLoc.Y = 0;
        SectionDirectoryTable dir{};
        PutFileBytes(BasePath(), WriteScenarioImage(base_, dir));

        Scen = MakeVariedScenario(2, 1, 2, 12);
        Scen.StuffDoneNames[4].Name = "Bell rung";
        Scen.StuffDoneNames[4].ValueNames[1] = "Once";
        ScenFile = {};
        ScenFile.ScenFileName = "Old.vrs";
        ScenFile.ScenFilePath = "/elsewhere/Old.vrs";
        ScenFile.ScenFormat = 0;
    }
    void TearDown() override {
        SetProgramFolderForTesting("");
        SetTempSaveFolderForTesting("");
        Scen = savedScen_;
        ScenFile = savedFile_;
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
    Scenario savedScen_;
    ScenarioFileState savedFile_;
};
} // namespace

TEST_F(NewScenario, TakesTheBaseRecordsAndTheAuthorsChoices) {
    const auto namesBefore = Scen.StuffDoneNames;
    MsgBoxRecorder boxes;
    ASSERT_TRUE(CreateScenario(Choices()));
    EXPECT_TRUE(boxes.Calls().empty());

    EXPECT_EQ(ScenFile.ScenFileName, "reeds.vrs");
    EXPECT_EQ(ScenFile.ScenFilePath, program_.File("scenario/reeds.vrs"));
    EXPECT_EQ(ScenFile.ScenFormat, 2);

    EXPECT_EQ(Scen.TerrainTypes, base_.TerrainTypes);
    EXPECT_EQ(Scen.MonsterTypes, base_.MonsterTypes);
    EXPECT_EQ(Scen.ItemTypes, base_.ItemTypes);
    EXPECT_EQ(Scen.SpecialItems, base_.SpecialItems);
    EXPECT_EQ(Scen.ScenSpecialNodes, base_.ScenSpecialNodes);
    EXPECT_EQ(Scen.Boats, base_.Boats);
    EXPECT_EQ(Scen.ScenVersion, base_.ScenVersion);
    EXPECT_EQ(Scen.StartTownLoc, base_.StartTownLoc);
    EXPECT_EQ(Scen.ScenStrings[0], "The Reed Marches");
    for (int i = 1; i < 320; ++i)
        ASSERT_EQ(Scen.ScenStrings[i], base_.ScenStrings[i]) << i;
    EXPECT_EQ(Scen.StuffDoneNames, namesBefore);

    EXPECT_EQ(Scen.ListsLocked, 0);
    EXPECT_EQ(Scen.OutdoorWidth, 3);
    EXPECT_EQ(Scen.OutdoorHeight, 2);
    EXPECT_EQ(Scen.OutdoorSections.Width(), 3);
    EXPECT_EQ(Scen.OutdoorSections.Height(), 2);
    EXPECT_EQ(Scen.OutdoorSections.At(1, 1).Terrain.At(20, 20), 2);
    EXPECT_EQ(Scen.OutdoorSections.At(1, 1).Terrain.At(20, 46), kGrass.wall);
    EXPECT_EQ(Scen.OutdoorSections.At(2, 0).Strings[0], "Area name");
    EXPECT_EQ(Scen.TownCount, 1);
    ASSERT_EQ(Scen.Towns.size(), 1u);
    ASSERT_EQ(Scen.TownTalks.size(), 1u);
    EXPECT_EQ(Scen.Towns[0].Size, 2);
    EXPECT_EQ(Scen.Towns[0].Strings[0], "Town name");
    EXPECT_EQ(Scen.Towns[0].Terrain.At(5, 5), 2);
    EXPECT_EQ(Scen.CurrentTown, 0);
    EXPECT_EQ(Scen.CurrentOutdoorX, 0);
    EXPECT_EQ(Scen.CurrentOutdoorY, 0);
}

TEST_F(NewScenario, CaveChoiceGivesCaveFloorOutdoorsAndInTownZero) {
    NewScenarioChoices c = Choices();
    c.Grass = false;
    c.OutdoorWidth = c.OutdoorHeight = 1;
    c.TownSize = 0;
    ASSERT_TRUE(CreateScenario(c));
    EXPECT_EQ(Scen.OutdoorSections.At(0, 0).Terrain.At(3, 3), kCave.nw);
    EXPECT_EQ(Scen.OutdoorSections.At(0, 0).Terrain.At(20, 20), 0);
    EXPECT_EQ(Scen.Towns[0].Terrain.Side(), 64);
    EXPECT_EQ(Scen.Towns[0].Terrain.At(63, 63), 0);
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

TEST_F(NewScenario, AMissingBaseFileIsReportedAndNeitherCreatedNorAnythingChanged) {
    std::filesystem::remove(BasePath());
    const Scenario scen = Scen;
    const ScenarioFileState file = ScenFile;
    MsgBoxRecorder boxes;
    EXPECT_FALSE(CreateScenario(Choices()));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, "CreateScenarioError encountered!\r\nErr# 53, File not found");
    EXPECT_EQ(boxes.Calls()[0].title, "Error");
    EXPECT_EQ(boxes.Calls()[0].style, msgbox::Critical);
    EXPECT_FALSE(std::filesystem::exists(BasePath()));
    ExpectNothingChanged(scen, file);

    std::filesystem::remove(program_.File("scenario/fenmarrow"));
    EXPECT_FALSE(CreateScenario(Choices()));
    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls()[1].text, "CreateScenarioError encountered!\r\nErr# 76, Path not found");
    EXPECT_FALSE(std::filesystem::exists(program_.File("scenario/fenmarrow")));
    ExpectNothingChanged(scen, file);
}

TEST_F(NewScenario, ABaseFileNotInTheOwnLayoutChangesNothing) {
    const Scenario scen = Scen;
    const ScenarioFileState file = ScenFile;
    auto image = FileBytes(BasePath());
    for (const std::vector<std::uint8_t>& bad :
         {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{0x14, 0x28, 0x3C, 0x50, 0, 0},
          std::vector<std::uint8_t>{'>', 'V', 'R'}}) {
        PutFileBytes(BasePath(), bad);
        MsgBoxRecorder boxes;
        EXPECT_FALSE(CreateScenario(Choices()));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].text,
                  "CreateScenarioError encountered!\r\nNot a valid Scenario file.");
        EXPECT_EQ(boxes.Calls()[0].style, msgbox::Critical);
        ExpectNothingChanged(scen, file);
        EXPECT_EQ(FileBytes(BasePath()), bad);
    }

    // Right signature, but cut short in the middle of the records.
    image.resize(20000);
    PutFileBytes(BasePath(), image);
    MsgBoxRecorder boxes;
    EXPECT_FALSE(CreateScenario(Choices()));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text,
              "CreateScenarioError encountered!\r\nErr# 62, Input past end of file");
    ExpectNothingChanged(scen, file);
}

TEST_F(NewScenario, AReadOnlyBaseFileIsEnoughAndStaysAsItWas) {
    const auto image = FileBytes(BasePath());
    ASSERT_EQ(::chmod(BasePath().c_str(), 0444), 0);
    MsgBoxRecorder boxes;
    EXPECT_TRUE(CreateScenario(Choices()));
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(FileBytes(BasePath()), image);
}

TEST_F(NewScenario, RefusesABadFileNameOrWorldSizeAndChangesNothing) {
    const Scenario scen = Scen;
    const ScenarioFileState file = ScenFile;
    NewScenarioChoices badName = Choices();
    badName.FileName = "../reeds";
    NewScenarioChoices tooWide = Choices();
    tooWide.OutdoorWidth = 51;
    NewScenarioChoices empty = Choices();
    empty.OutdoorHeight = 0;
    NewScenarioChoices badTown = Choices();
    badTown.TownSize = 3;
    for (const auto& c : {badName, tooWide, empty, badTown}) {
        MsgBoxRecorder boxes;
        EXPECT_FALSE(CreateScenario(c));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].text.rfind("CreateScenarioError encountered!\r\nErr# ", 0), 0u);
        ExpectNothingChanged(scen, file);
    }
}

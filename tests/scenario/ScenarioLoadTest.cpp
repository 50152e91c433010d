#include "scenario/ScenarioLoad.h"

#include "platform/core/MsgBox.h"
#include "scenario/FlagNameFile.h"
#include "scenario/GameLayout.h"
#include "scenario/OwnLayout.h"
#include "support/GameLayoutBuilder.h"
#include "support/MsgBoxRecorder.h"
#include "support/OwnLayoutImage.h"
#include "support/SampleScenario.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace {
void SetMonsters(Town& town, const std::vector<std::uint8_t>& monsters) {
    town.Creatures.resize(monsters.size());
    for (std::size_t i = 0; i < monsters.size(); ++i)
        town.Creatures[i].Monster = monsters[i];
}
std::vector<int> Monsters(const Town& town) {
    std::vector<int> monsters;
    for (const auto& c : town.Creatures)
        monsters.push_back(c.Monster);
    return monsters;
}

class LoadScenarioTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Scen = MakeVariedScenario(1, 2, 2, 21);
        ScenFile.ScenFileName = "Earlier.vrs";
        ScenFile.ScenFilePath = "/somewhere/Earlier.vrs";
        ScenFile.ScenFormat = 1;
        ScenFile.FileDialogCancelled = 0;
        SetCustomSheetLoader([this](const std::string& path) { sheetsLoaded.push_back(path); });
    }
    // The current scenario and its file names must be exactly what they were before.
    void ExpectEarlierScenarioKept(const Scenario& earlier) {
        EXPECT_TRUE(Scen == earlier);
        EXPECT_EQ(ScenFile.ScenFileName, "Earlier.vrs");
        EXPECT_EQ(ScenFile.ScenFilePath, "/somewhere/Earlier.vrs");
        EXPECT_EQ(ScenFile.ScenFormat, 1);
        EXPECT_EQ(ScenFile.FileDialogCancelled, -1);
        EXPECT_TRUE(sheetsLoaded.empty());
    }

    TempFolder dir;
    MsgBoxRecorder boxes;
    std::vector<std::string> sheetsLoaded;
};
} // namespace

TEST(ScenFormatOfSignature, RecognisesTheThreeLayoutsOnly) {
    using Bytes = std::vector<std::uint8_t>;
    const std::pair<Bytes, int> rows[] = {{{0x14, 0x28, 0x3C, 0x50, 9}, 0},
                                          {{0x0A, 0x14, 0x1E, 0x28}, 1},
                                          {{'>', 'V', 'R', 'S'}, 2},
                                          {{'>', 'V', 'S', 'R'}, -1},
                                          {{0x50, 0x3C, 0x28, 0x14}, -1},
                                          {{'>', 'V', 'R'}, -1},
                                          {{}, -1}};
    for (const auto& [bytes, format] : rows)
        EXPECT_EQ(ScenFormatOfSignature(bytes), format) << bytes.size();
}

TEST_F(LoadScenarioTest, AnOwnLayoutFileReplacesTheScenarioWithItsNamesAndSheet) {
    Scenario saved = MakeVariedScenario(2, 2, 3, 4);
    saved.CurrentTown = 2;
    saved.CurrentOutdoorX = 1;
    saved.CurrentOutdoorY = 1;
    PutFileBytes(dir.File("Quest.vrs"), OwnLayoutImage(saved));
    Scenario names;
    names.StuffDoneNames[9].Name = "Bell rung";
    SaveScenData(names, dir.File("Quest.vrd"));

    LoadScenario("Quest.vrs", dir.File("Quest.vrs"));
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ((std::tuple{ScenFile.FileDialogCancelled, ScenFile.ScenFileName,
                          ScenFile.ScenFilePath, ScenFile.ScenFormat}),
              (std::tuple{std::int16_t{0}, std::string("Quest.vrs"), dir.File("Quest.vrs"),
                          std::int16_t{2}}));
    EXPECT_EQ(Scen.StuffDoneNames[9].Name, "Bell rung");
    EXPECT_EQ((std::array<int, 2>{Scen.CurrentTown, Scen.TownCount}), (std::array<int, 2>{2, 3}));
    EXPECT_EQ(Scen.ScenStrings, saved.ScenStrings);
    EXPECT_EQ(Scen.OutdoorSections.At(1, 1), saved.OutdoorSections.At(1, 1));
    EXPECT_EQ(sheetsLoaded, std::vector<std::string>{dir.File("Quest.bmp")});

    // A current town or section outside the scenario becomes 0 and (0, 0).
    saved.CurrentTown = 3;
    saved.CurrentOutdoorY = 2;
    PutFileBytes(dir.File("Quest.vrs"), OwnLayoutImage(saved));
    LoadScenario("Quest.vrs", dir.File("Quest.vrs"));
    EXPECT_EQ((std::array<int, 3>{Scen.CurrentTown, Scen.CurrentOutdoorX, Scen.CurrentOutdoorY}),
              (std::array<int, 3>{0, 0, 0}));
}

TEST_F(LoadScenarioTest, SiblingFilesAreFoundInAnotherLetterCase) {
    PutFileBytes(dir.File("Quest.vrs"), OwnLayoutImage(MakeMinimalScenario()));
    PutFileText(dir.File("QUEST.VRD"), ">VRD\r\n0,-1,\"Found\"\r\n");
    PutFileText(dir.File("quest.BMP"), "");
    LoadScenario("Quest.vrs", dir.File("Quest.vrs"));
    EXPECT_EQ(Scen.StuffDoneNames[0].Name, "Found");
    EXPECT_EQ(sheetsLoaded, std::vector<std::string>{dir.File("quest.BMP")});
}

TEST_F(LoadScenarioTest, AFailureAtAnyStageKeepsTheEarlierScenario) {
    const Scenario earlier = Scen;
    const auto good = OwnLayoutImage(MakeVariedScenario(2, 1, 2, 8));
    const auto cut = [&good](std::size_t n) {
        return std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<long>(n));
    };
    const std::string noLayout = "Not a valid Scenario file.";
    const std::string pastEnd = "Err# 62, Input past end of file";
    // No file; no known layout; cut in the header, in a section and in the last town.
    const std::pair<std::optional<std::vector<std::uint8_t>>, std::string> rows[] = {
        {std::nullopt, "Err# 53, File not found"},
        {std::vector<std::uint8_t>{}, noLayout},
        {std::vector<std::uint8_t>{'>', 'V', 'S', 'R', ' ', 'a'}, noLayout},
        {cut(30), pastEnd},
        {cut(70000), pastEnd},
        {cut(good.size() - 1), pastEnd}};
    for (const auto& [bytes, message] : rows) {
        SCOPED_TRACE(message);
        MsgBoxRecorder local;
        std::filesystem::remove(dir.File("Bad.vrs"));
        if (bytes) PutFileBytes(dir.File("Bad.vrs"), *bytes);
        LoadScenario("Bad.vrs", dir.File("Bad.vrs"));
        ASSERT_EQ(local.Calls().size(), 1u);
        EXPECT_EQ(local.Calls()[0].text, "LoadScenarioError encountered!\r\n" + message);
        EXPECT_EQ(local.Calls()[0].title, "Error");
        EXPECT_EQ(local.Calls()[0].style & msgbox::IconMask, msgbox::Critical);
        ExpectEarlierScenarioKept(earlier);
    }
}

TEST_F(LoadScenarioTest, OnlyASuccessfulGameFileLoadSetsTheGameTownTables) {
    GameTowns.Sizes.fill(9);
    GameTowns.Hidden.fill(9);
    const auto load = [this](const std::vector<std::uint8_t>& bytes) {
        PutFileBytes(dir.File("T.vrs"), bytes);
        LoadScenario("T.vrs", dir.File("T.vrs"));
        return std::array<int, 5>{GameTowns.Sizes[0], GameTowns.Sizes[1], GameTowns.Sizes[2],
                                  GameTowns.Hidden[0], GameTowns.Hidden[1]};
    };
    GameLayoutBuilder little(false, 1, 1, {1, 2});
    little.Byte(218 + 1, 1);
    EXPECT_EQ(load(little.Build()), (std::array<int, 5>{1, 2, 0, 0, 1}));
    ASSERT_EQ(ScenFile.ScenFormat, 0);

    GameLayoutBuilder big(true, 1, 1, {0});
    big.Byte(218, 1);
    auto bigFile = big.Build();
    EXPECT_EQ(load(OwnLayoutImage(MakeVariedScenario(2, 1, 1, 3))),
              (std::array<int, 5>{1, 2, 0, 0, 1}));
    ASSERT_EQ(ScenFile.ScenFormat, 2);
    EXPECT_EQ(load(std::vector<std::uint8_t>(bigFile.begin(), bigFile.end() - 1)),
              (std::array<int, 5>{1, 2, 0, 0, 1}));
    EXPECT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(load(bigFile), (std::array<int, 5>{0, 0, 0, 1, 0}));
    ASSERT_EQ(ScenFile.ScenFormat, 1);
}

TEST_F(LoadScenarioTest, OnlyTheLittleEndianGameLayoutRenumbersAndOnlyUnderTheExactName) {
    // After the renumbering, monster type 5 takes picture 4; otherwise it keeps the file's 0.
    const auto typeFivePicture = [this](bool bigEndian, const std::string& name) {
        PutFileBytes(dir.File(name), GameLayoutBuilder(bigEndian, 1, 1, {1}).Build());
        LoadScenario(name, dir.File(name));
        EXPECT_EQ(ScenFile.FileDialogCancelled, 0) << name;
        return Scen.MonsterTypes[5].Picture;
    };
    EXPECT_EQ(typeFivePicture(false, "Fenmarrow.vrs"), 4);
    EXPECT_EQ(typeFivePicture(false, "fenmarrow.vrs"), 0);
    EXPECT_EQ(typeFivePicture(true, "Fenmarrow.vrs"), 0);
    PutFileBytes(dir.File("Fenmarrow.vrs"), OwnLayoutImage(MakeMinimalScenario()));
    LoadScenario("Fenmarrow.vrs", dir.File("Fenmarrow.vrs"));
    EXPECT_EQ(Scen.MonsterTypes[5].Picture, 0);
}

TEST(LinkTownsToSections, TheLastEntranceInOrderWinsAndFreeOrForeignOnesAreSkipped) {
    Scenario s = MakeVariedScenario(2, 2, 3, 3);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            s.OutdoorSections.At(x, y).TownEntrances.fill(TownEntrance{-1, 100, 0});
    for (auto& t : s.Towns)
        t.SectionX = t.SectionY = t.EntranceX = t.EntranceY = 0;
    s.OutdoorSections.At(1, 0).TownEntrances[7] = {1, 10, 11};
    s.OutdoorSections.At(0, 1).TownEntrances[0] = {1, 20, 21}; // later: y is the outer order
    s.OutdoorSections.At(1, 1).TownEntrances[2] = {2, 100, 5}; // free
    s.OutdoorSections.At(1, 1).TownEntrances[3] = {3, 30, 31}; // no town 3
    s.Towns[2].EntranceX = 77;
    LinkTownsToSections(s);
    const Town& t = s.Towns[1];
    EXPECT_EQ((std::array<int, 4>{t.SectionX, t.SectionY, t.EntranceX, t.EntranceY}),
              (std::array<int, 4>{0, 1, 20, 21}));
    EXPECT_EQ(s.Towns[2].EntranceX, 77);
    EXPECT_EQ(s.Towns[0].EntranceX, 0);
}

TEST(RenumberGameScenarioMonsters, TheFirstGameScenarioMovesTypesUpByTwo) {
    Scenario s = MakeVariedScenario(1, 1, 2, 9);
    const Scenario before = s;
    SetMonsters(s.Towns[0], {4, 5, 253});
    SetMonsters(s.Towns[1], {9});
    RenumberGameScenarioMonsters(s, "Fenmarrow.vrs");
    EXPECT_EQ(s.MonsterTypes[7], before.MonsterTypes[5]);
    EXPECT_EQ(s.MonsterTypes[255], before.MonsterTypes[253]);
    EXPECT_EQ(s.MonsterTypes[5].Name, before.MonsterTypes[5].Name);
    EXPECT_EQ((std::array<int, 3>{s.MonsterTypes[5].Picture, s.MonsterTypes[5].TalkPicture,
                                  s.MonsterTypes[6].Picture}),
              (std::array<int, 3>{4, 9, 5}));
    EXPECT_EQ(Monsters(s.Towns[0]), (std::vector<int>{4, 7, 255}));
    EXPECT_EQ(Monsters(s.Towns[1]), std::vector<int>{9}); // town 0 only

    s.Towns[0].Creatures[0].Monster = 254;
    EXPECT_THROW(RenumberGameScenarioMonsters(s, "Fenmarrow.vrs"), RuntimeError);
}

TEST(RenumberGameScenarioMonsters, TheSecondGameScenarioSwapsItsTwoLastTypesInOtherNamesNothing) {
    Scenario s = MakeVariedScenario(1, 1, 2, 10);
    for (const char* name : {"fenmarrow.vrs", "Fenmarrow.VRS", "varno.vrs", "Other.vrs"}) {
        RenumberGameScenarioMonsters(s, name); // only the exact names
        EXPECT_TRUE(s == MakeVariedScenario(1, 1, 2, 10)) << name;
    }
    const Scenario before = s;
    SetMonsters(s.Towns[1], {209, 210, 5, 208, 211});
    RenumberGameScenarioMonsters(s, "Varno.vrs");
    EXPECT_EQ(s.MonsterTypes[210], before.MonsterTypes[208]);
    EXPECT_EQ(s.MonsterTypes[211], before.MonsterTypes[211]);
    EXPECT_EQ(Monsters(s.Towns[1]), (std::vector<int>{6, 5, 7, 210, 211}));
}

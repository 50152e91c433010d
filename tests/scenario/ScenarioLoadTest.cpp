#include "scenario/ScenarioLoad.h"

#include "platform/MsgBox.h"
#include "scenario/FlagNameFile.h"
#include "scenario/GameLayout.h"
#include "scenario/OwnLayout.h"
#include "support/GameLayoutBuilder.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {
std::vector<std::uint8_t> OwnLayoutFile(const Scenario& s) {
    SectionDirectoryTable dir{};
    return WriteScenarioImage(s, dir);
}

class LoadScenarioTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedScen_ = Scen;
        savedFile_ = ScenFile;
        Scen = MakeVariedScenario(1, 2, 2, 21);
        ScenFile.ScenFileName = "Earlier.vrs";
        ScenFile.ScenFilePath = "/somewhere/Earlier.vrs";
        ScenFile.ScenFormat = 1;
        ScenFile.FileDialogCancelled = 0;
        SetCustomSheetLoader([this](const std::string& path) { sheetsLoaded.push_back(path); });
    }
    void TearDown() override {
        SetCustomSheetLoader({});
        Scen = savedScen_;
        ScenFile = savedFile_;
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
    Scenario savedScen_;
    ScenarioFileState savedFile_;
};
} // namespace

TEST(ScenFormatOfSignature, RecognisesTheThreeLayoutsOnly) {
    using Bytes = std::vector<std::uint8_t>;
    EXPECT_EQ(ScenFormatOfSignature(Bytes{0x14, 0x28, 0x3C, 0x50, 9}), 0);
    EXPECT_EQ(ScenFormatOfSignature(Bytes{0x0A, 0x14, 0x1E, 0x28}), 1);
    EXPECT_EQ(ScenFormatOfSignature(Bytes{'>', 'V', 'R', 'S'}), 2);
    EXPECT_EQ(ScenFormatOfSignature(Bytes{'>', 'V', 'S', 'R'}), -1);
    EXPECT_EQ(ScenFormatOfSignature(Bytes{0x50, 0x3C, 0x28, 0x14}), -1);
    EXPECT_EQ(ScenFormatOfSignature(Bytes{'>', 'V', 'R'}), -1);
    EXPECT_EQ(ScenFormatOfSignature(Bytes{}), -1);
}

TEST_F(LoadScenarioTest, AnOwnLayoutFileReplacesTheScenarioWithItsNamesAndSheet) {
    Scenario saved = MakeVariedScenario(2, 2, 3, 4);
    saved.CurrentTown = 2;
    saved.CurrentOutdoorX = 1;
    saved.CurrentOutdoorY = 1;
    PutFileBytes(dir.File("Quest.vrs"), OwnLayoutFile(saved));
    Scenario names;
    names.StuffDoneNames[9].Name = "Bell rung";
    SaveScenData(names, dir.File("Quest.vrd"));

    LoadScenario("Quest.vrs", dir.File("Quest.vrs"));
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(ScenFile.FileDialogCancelled, 0);
    EXPECT_EQ(ScenFile.ScenFileName, "Quest.vrs");
    EXPECT_EQ(ScenFile.ScenFilePath, dir.File("Quest.vrs"));
    EXPECT_EQ(ScenFile.ScenFormat, 2);
    EXPECT_EQ(Scen.StuffDoneNames[9].Name, "Bell rung");
    EXPECT_EQ(Scen.CurrentTown, 2);
    EXPECT_EQ(Scen.TownCount, 3);
    EXPECT_EQ(Scen.ScenStrings, saved.ScenStrings);
    EXPECT_EQ(Scen.OutdoorSections.At(1, 1), saved.OutdoorSections.At(1, 1));
    EXPECT_EQ(sheetsLoaded, std::vector<std::string>{dir.File("Quest.bmp")});
}

TEST_F(LoadScenarioTest, SiblingFilesAreFoundInAnotherLetterCase) {
    PutFileBytes(dir.File("Quest.vrs"), OwnLayoutFile(MakeMinimalScenario()));
    PutFileText(dir.File("QUEST.VRD"), ">VRD\r\n0,-1,\"Found\"\r\n");
    PutFileText(dir.File("quest.BMP"), "");
    LoadScenario("Quest.vrs", dir.File("Quest.vrs"));
    EXPECT_EQ(Scen.StuffDoneNames[0].Name, "Found");
    EXPECT_EQ(sheetsLoaded, std::vector<std::string>{dir.File("quest.BMP")});
}

TEST_F(LoadScenarioTest, AFileOfNoKnownLayoutIsRejectedWithItsOwnMessage) {
    const Scenario earlier = Scen;
    for (const std::string& contents : {std::string(""), std::string(">VSR and more")}) {
        MsgBoxRecorder local;
        PutFileText(dir.File("Bad.vrs"), contents);
        LoadScenario("Bad.vrs", dir.File("Bad.vrs"));
        ASSERT_EQ(local.Calls().size(), 1u);
        EXPECT_EQ(local.Calls()[0].text, "LoadScenarioError encountered!\r\nNot a valid Scenario file.");
        EXPECT_EQ(local.Calls()[0].title, "Error");
        EXPECT_EQ(local.Calls()[0].style & msgbox::IconMask, msgbox::Critical);
        ExpectEarlierScenarioKept(earlier);
    }
}

TEST_F(LoadScenarioTest, AFailureAtAnyStageKeepsTheEarlierScenario) {
    const Scenario earlier = Scen;
    const auto good = OwnLayoutFile(MakeVariedScenario(2, 1, 2, 8));
    // Cut in the header, in a section and in the last town.
    for (std::size_t length : {std::size_t{30}, std::size_t{70000}, good.size() - 1}) {
        MsgBoxRecorder local;
        PutFileBytes(dir.File("Cut.vrs"),
                     std::vector<std::uint8_t>(good.begin(), good.begin() + length));
        LoadScenario("Cut.vrs", dir.File("Cut.vrs"));
        ASSERT_EQ(local.Calls().size(), 1u);
        EXPECT_EQ(local.Calls()[0].text,
                  "LoadScenarioError encountered!\r\nErr# 62, Input past end of file");
        ExpectEarlierScenarioKept(earlier);
    }
    MsgBoxRecorder missing;
    LoadScenario("None.vrs", dir.File("None.vrs"));
    ASSERT_EQ(missing.Calls().size(), 1u);
    EXPECT_EQ(missing.Calls()[0].text, "LoadScenarioError encountered!\r\nErr# 53, File not found");
    ExpectEarlierScenarioKept(earlier);
}

TEST_F(LoadScenarioTest, OnlyASuccessfulGameFileLoadSetsTheGameTownTables) {
    const GameTownTables savedTables = GameTowns;
    GameTowns.Sizes.fill(9);
    GameTowns.Hidden.fill(9);

    GameLayoutBuilder little(false, 1, 1, {1, 2});
    little.Byte(218 + 1, 1);
    PutFileBytes(dir.File("Little.vrs"), little.Build());
    LoadScenario("Little.vrs", dir.File("Little.vrs"));
    ASSERT_EQ(ScenFile.ScenFormat, 0);
    EXPECT_EQ(GameTowns.Sizes[0], 1);
    EXPECT_EQ(GameTowns.Sizes[1], 2);
    EXPECT_EQ(GameTowns.Sizes[2], 0);
    EXPECT_EQ(GameTowns.Hidden[0], 0);
    EXPECT_EQ(GameTowns.Hidden[1], 1);
    const GameTownTables afterLittle = GameTowns;

    PutFileBytes(dir.File("Own.vrs"), OwnLayoutFile(MakeVariedScenario(2, 1, 1, 3)));
    LoadScenario("Own.vrs", dir.File("Own.vrs"));
    ASSERT_EQ(ScenFile.ScenFormat, 2);
    EXPECT_EQ(GameTowns.Sizes, afterLittle.Sizes);
    EXPECT_EQ(GameTowns.Hidden, afterLittle.Hidden);

    GameLayoutBuilder big(true, 1, 1, {0});
    big.Byte(218, 1);
    const auto bigFile = big.Build();
    {
        MsgBoxRecorder local;
        PutFileBytes(dir.File("Cut.vrs"),
                     std::vector<std::uint8_t>(bigFile.begin(), bigFile.end() - 1));
        LoadScenario("Cut.vrs", dir.File("Cut.vrs"));
        ASSERT_EQ(local.Calls().size(), 1u);
        EXPECT_EQ(GameTowns.Sizes, afterLittle.Sizes);
        EXPECT_EQ(GameTowns.Hidden, afterLittle.Hidden);
    }

    PutFileBytes(dir.File("Big.vrs"), bigFile);
    LoadScenario("Big.vrs", dir.File("Big.vrs"));
    ASSERT_EQ(ScenFile.ScenFormat, 1);
    EXPECT_EQ(GameTowns.Sizes[0], 0);
    EXPECT_EQ(GameTowns.Sizes[1], 0);
    EXPECT_EQ(GameTowns.Hidden[0], 1);
    EXPECT_EQ(GameTowns.Hidden[1], 0);

    GameTowns = savedTables;
}

TEST_F(LoadScenarioTest, ACurrentAreaOutsideTheScenarioIsReset) {
    Scenario saved = MakeVariedScenario(2, 3, 2, 6);
    saved.CurrentTown = 5;
    saved.CurrentOutdoorX = 1;
    saved.CurrentOutdoorY = 3;
    PutFileBytes(dir.File("Q.vrs"), OwnLayoutFile(saved));
    LoadScenario("Q.vrs", dir.File("Q.vrs"));
    EXPECT_EQ(Scen.CurrentTown, 0);
    EXPECT_EQ(Scen.CurrentOutdoorX, 0);
    EXPECT_EQ(Scen.CurrentOutdoorY, 0);
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
    s.OutdoorSections.At(1, 1).TownEntrances[2] = {2, 100, 5};  // free
    s.OutdoorSections.At(1, 1).TownEntrances[3] = {3, 30, 31};  // no town 3
    s.Towns[2].EntranceX = 77;
    LinkTownsToSections(s);
    EXPECT_EQ(s.Towns[1].SectionX, 0);
    EXPECT_EQ(s.Towns[1].SectionY, 1);
    EXPECT_EQ(s.Towns[1].EntranceX, 20);
    EXPECT_EQ(s.Towns[1].EntranceY, 21);
    EXPECT_EQ(s.Towns[2].EntranceX, 77);
    EXPECT_EQ(s.Towns[0].EntranceX, 0);
}

TEST(RenumberGameScenarioMonsters, TheFirstGameScenarioMovesTypesUpByTwo) {
    Scenario s = MakeVariedScenario(1, 1, 2, 9);
    const Scenario before = s;
    s.Towns[0].Creatures.resize(3);
    s.Towns[0].Creatures[0].Monster = 4;
    s.Towns[0].Creatures[1].Monster = 5;
    s.Towns[0].Creatures[2].Monster = 253;
    s.Towns[1].Creatures[0].Monster = 9;
    RenumberGameScenarioMonsters(s, "Fenmarrow.vrs");
    EXPECT_EQ(s.MonsterTypes[7], before.MonsterTypes[5]);
    EXPECT_EQ(s.MonsterTypes[255], before.MonsterTypes[253]);
    EXPECT_EQ(s.MonsterTypes[5].Name, before.MonsterTypes[5].Name);
    EXPECT_EQ(s.MonsterTypes[5].Picture, 4);
    EXPECT_EQ(s.MonsterTypes[5].TalkPicture, 9);
    EXPECT_EQ(s.MonsterTypes[6].Picture, 5);
    EXPECT_EQ(s.Towns[0].Creatures[0].Monster, 4);
    EXPECT_EQ(s.Towns[0].Creatures[1].Monster, 7);
    EXPECT_EQ(s.Towns[0].Creatures[2].Monster, 255);
    EXPECT_EQ(s.Towns[1].Creatures[0].Monster, 9); // town 0 only

    s.Towns[0].Creatures[0].Monster = 254;
    EXPECT_THROW(RenumberGameScenarioMonsters(s, "Fenmarrow.vrs"), RuntimeError);
}

TEST(RenumberGameScenarioMonsters, TheSecondGameScenarioSwapsItsTwoLastTypesIn) {
    Scenario s = MakeVariedScenario(1, 1, 2, 10);
    const Scenario before = s;
    s.Towns[1].Creatures.resize(5);
    const std::uint8_t monsters[] = {209, 210, 5, 208, 211};
    for (int i = 0; i < 5; ++i)
        s.Towns[1].Creatures[i].Monster = monsters[i];
    RenumberGameScenarioMonsters(s, "Varno.vrs");
    EXPECT_EQ(s.MonsterTypes[210], before.MonsterTypes[208]);
    EXPECT_EQ(s.MonsterTypes[211], before.MonsterTypes[211]);
    const std::uint8_t expected[] = {6, 5, 7, 210, 211};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(s.Towns[1].Creatures[i].Monster, expected[i]) << i;
}

TEST(RenumberGameScenarioMonsters, OtherNamesAndOtherCasesChangeNothing) {
    Scenario s = MakeVariedScenario(1, 1, 1, 12);
    const Scenario before = s;
    for (const char* name : {"fenmarrow.vrs", "Fenmarrow.VRS", "varno.vrs", "Other.vrs"})
        RenumberGameScenarioMonsters(s, name);
    EXPECT_TRUE(s == before);
}

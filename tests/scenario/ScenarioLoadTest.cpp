#include "scenario/ScenarioLoad.h"

#include "scenario/FlagNameFile.h"
#include "scenario/GameLayout.h"
#include "support/GameLayoutBuilder.h"
#include "support/Ints.h"
#include "support/OwnLayoutImage.h"
#include "support/RecordColumns.h"
#include "support/SampleScenario.h"
#include "support/ShownBoxes.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {
using Bytes = std::vector<std::uint8_t>;

std::vector<int> Monsters(const Town& town) {
    return Column(town.Creatures, &TownCreature::Monster);
}
void SetMonsters(Town& town, const std::vector<int>& monsters) {
    town.Creatures.resize(monsters.size());
    for (std::size_t i = 0; i < monsters.size(); ++i)
        town.Creatures[i].Monster = static_cast<std::uint8_t>(monsters[i]);
}

class LoadScenarioTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Scen = MakeVariedScenario(1, 2, 2, 21);
        ScenFile = {"/somewhere/Earlier.vrs", "Earlier.vrs", 1, 0, {}};
        SetCustomSheetLoader([this](const std::string& path) { sheetsLoaded.push_back(path); });
    }
    // Writes the file and loads it under its name.
    void Load(const std::string& name, const std::optional<Bytes>& bytes) {
        std::filesystem::remove(dir.File(name));
        if (bytes) PutFileBytes(dir.File(name), *bytes);
        LoadScenario(name, dir.File(name));
    }

    TempFolder dir;
    MsgBoxRecorder boxes;
    std::vector<std::string> sheetsLoaded;
};
} // namespace

TEST_F(LoadScenarioTest, AnOwnLayoutFileReplacesTheScenarioWithItsNamesAndSheet) {
    Scenario saved = MakeVariedScenario(2, 2, 3, 4);
    saved.CurrentTown = 2;
    saved.CurrentOutdoorX = saved.CurrentOutdoorY = 1;
    Scenario names;
    names.StuffDoneNames[9].Name = "Bell rung";
    SaveScenData(names, dir.File("Quest.vrd"));
    Load("Quest.vrs", OwnLayoutImage(saved));
    EXPECT_EQ(Shown(boxes), Boxes{});
    EXPECT_EQ(std::tuple(ScenFile.FileDialogCancelled, ScenFile.ScenFileName, ScenFile.ScenFilePath,
                         ScenFile.ScenFormat),
              std::tuple(0, "Quest.vrs", dir.File("Quest.vrs"), 2));
    EXPECT_EQ(std::tuple(Scen.StuffDoneNames[9].Name, Scen.CurrentTown, Scen.TownCount),
              std::tuple("Bell rung", 2, 3));
    EXPECT_TRUE(Scen.Towns == saved.Towns &&
                Scen.OutdoorSections.At(1, 1) == saved.OutdoorSections.At(1, 1));
    EXPECT_EQ(sheetsLoaded, std::vector<std::string>{dir.File("Quest.bmp")});

    // A current town or section outside the scenario becomes 0 and (0, 0).
    saved.CurrentTown = 3;
    saved.CurrentOutdoorY = 2;
    Load("Quest.vrs", OwnLayoutImage(saved));
    EXPECT_EQ(Ints(Scen.CurrentTown, Scen.CurrentOutdoorX, Scen.CurrentOutdoorY), Ints(0, 0, 0));

    // Sibling files are found in another letter case.
    PutFileText(dir.File("QUEST.VRD"), ">VRD\r\n0,-1,\"Found\"\r\n");
    std::filesystem::remove(dir.File("Quest.vrd"));
    PutFileText(dir.File("quest.BMP"), "");
    Load("Quest.vrs", OwnLayoutImage(MakeMinimalScenario()));
    EXPECT_EQ(Scen.StuffDoneNames[0].Name, "Found");
    EXPECT_EQ(sheetsLoaded.back(), dir.File("quest.BMP"));
}

TEST_F(LoadScenarioTest, AFailureAtAnyStageKeepsTheEarlierScenario) {
    EXPECT_EQ(ScenFormatOfSignature(Bytes{'>', 'V', 'R'}), -1); // reads no byte past the end
    const Scenario earlier = Scen;
    const auto good = OwnLayoutImage(MakeVariedScenario(2, 1, 2, 8));
    const auto cut = [&good](std::size_t n) { return Bytes(good.begin(), good.begin() + n); };
    const std::string noLayout = "Not a valid Scenario file.";
    const std::string pastEnd = "Err# 62, Input past end of file";
    // No file; no known layout (a reversed or short signature among them); cut in the header, in
    // a section and in the last town.
    const std::pair<std::optional<Bytes>, std::string> rows[] = {
        // clang-format off
        {std::nullopt, "Err# 53, File not found"}, {Bytes{}, noLayout},
        {Bytes{'>', 'V', 'S', 'R', ' ', 'a'}, noLayout}, {Bytes{0x50, 0x3C, 0x28, 0x14}, noLayout},
        {Bytes{'>', 'V', 'R'}, noLayout}, {cut(30), pastEnd}, {cut(70000), pastEnd},
        {cut(good.size() - 1), pastEnd}};
    // clang-format on
    for (const auto& [bytes, message] : rows) {
        SCOPED_TRACE(message);
        MsgBoxRecorder local;
        Load("Bad.vrs", bytes);
        EXPECT_EQ(Shown(local), Boxes{"Error|16|LoadScenarioError encountered!\r\n" + message});
        EXPECT_TRUE(Scen == earlier);
        EXPECT_EQ(std::tuple(ScenFile.ScenFileName, ScenFile.ScenFilePath, ScenFile.ScenFormat,
                             ScenFile.FileDialogCancelled),
                  std::tuple("Earlier.vrs", "/somewhere/Earlier.vrs", 1, -1));
        EXPECT_TRUE(sheetsLoaded.empty());
    }
}

// Only a game file that loads sets the game town tables; only the little-endian game layout
// renumbers the monsters, and only under the exact name: monster type 5 then takes picture 4.
TEST_F(LoadScenarioTest, OnlyASuccessfulGameFileLoadSetsTheTownTablesAndOneLayoutRenumbers) {
    GameTowns.Sizes.fill(9);
    GameTowns.Hidden.fill(9);
    GameLayoutBuilder little(false, 1, 1, {1, 2}), big(true, 1, 1, {0});
    little.Byte(218 + 1, 1);
    big.Byte(218, 1);
    const Bytes bigFile = big.Build(), oneTown = GameLayoutBuilder(false, 1, 1, {1}).Build();
    const Bytes own = OwnLayoutImage(MakeMinimalScenario());
    // name, bytes; then the sizes of towns 0..2, whether towns 0 and 1 are hidden, the format,
    // whether the load failed and the picture of monster type 5
    const std::tuple<std::string, Bytes, std::vector<int>> rows[] = {
        {"T.vrs", little.Build(), Ints(1, 2, 0, 0, 1, 0, 0, 0)},
        {"T.vrs", own, Ints(1, 2, 0, 0, 1, 2, 0, 0)},
        {"T.vrs", Bytes(bigFile.begin(), bigFile.end() - 1), Ints(1, 2, 0, 0, 1, 2, -1, 0)},
        {"T.vrs", bigFile, Ints(0, 0, 0, 1, 0, 1, 0, 0)},
        {"Fenmarrow.vrs", oneTown, Ints(1, 0, 0, 0, 0, 0, 0, 4)},
        {"fenmarrow.vrs", oneTown, Ints(1, 0, 0, 0, 0, 0, 0, 0)},
        {"Fenmarrow.vrs", GameLayoutBuilder(true, 1, 1, {1}).Build(), Ints(1, 0, 0, 0, 0, 1, 0, 0)},
        {"Fenmarrow.vrs", own, Ints(1, 0, 0, 0, 0, 2, 0, 0)}};
    for (const auto& [name, bytes, state] : rows) {
        ScenFile.FileDialogCancelled = 0;
        Load(name, bytes);
        EXPECT_EQ(Ints(GameTowns.Sizes[0], GameTowns.Sizes[1], GameTowns.Sizes[2],
                       GameTowns.Hidden[0], GameTowns.Hidden[1], ScenFile.ScenFormat,
                       ScenFile.FileDialogCancelled, Scen.MonsterTypes[5].Picture),
                  state)
            << name << " " << bytes.size();
    }
    EXPECT_EQ(boxes.Calls().size(), 1u);
}

TEST(LoadFixups, GameScenarioMonstersMoveAndTheLastEntranceInOrderLinksATown) {
    Scenario s = MakeVariedScenario(1, 1, 2, 9);
    for (const char* name : {"fenmarrow.vrs", "Fenmarrow.VRS", "varno.vrs", "Other.vrs"}) {
        RenumberGameScenarioMonsters(s, name); // only the exact names
        EXPECT_TRUE(s == MakeVariedScenario(1, 1, 2, 9)) << name;
    }
    Scenario before = s;
    SetMonsters(s.Towns[0], {4, 5, 253});
    SetMonsters(s.Towns[1], {9});
    RenumberGameScenarioMonsters(s, "Fenmarrow.vrs");
    const auto& types = s.MonsterTypes;
    EXPECT_TRUE(types[7] == before.MonsterTypes[5] && types[255] == before.MonsterTypes[253]);
    EXPECT_EQ(types[5].Name, before.MonsterTypes[5].Name);
    EXPECT_EQ(Ints(types[5].Picture, types[5].TalkPicture, types[6].Picture), Ints(4, 9, 5));
    EXPECT_EQ(Monsters(s.Towns[0]), Ints(4, 7, 255));
    EXPECT_EQ(Monsters(s.Towns[1]), Ints(9)); // town 0 only
    s.Towns[0].Creatures[0].Monster = 254;
    EXPECT_THROW(RenumberGameScenarioMonsters(s, "Fenmarrow.vrs"), RuntimeError);

    s = before;
    SetMonsters(s.Towns[1], {209, 210, 5, 208, 211});
    RenumberGameScenarioMonsters(s, "Varno.vrs");
    EXPECT_TRUE(types[210] == before.MonsterTypes[208] && types[211] == before.MonsterTypes[211]);
    EXPECT_EQ(Monsters(s.Towns[1]), Ints(6, 5, 7, 210, 211));
    // Towns are linked to sections: the last entrance in order wins, and free or foreign ones are
    // skipped.
    Scenario linked = MakeVariedScenario(2, 2, 3, 3);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            linked.OutdoorSections.At(x, y).TownEntrances.fill(TownEntrance{-1, 100, 0});
    for (auto& t : linked.Towns)
        t.SectionX = t.SectionY = t.EntranceX = t.EntranceY = 0;
    linked.OutdoorSections.At(1, 0).TownEntrances[7] = {1, 10, 11};
    linked.OutdoorSections.At(0, 1).TownEntrances[0] = {1, 20, 21}; // later: y is the outer order
    linked.OutdoorSections.At(1, 1).TownEntrances[2] = {2, 100, 5}; // free
    linked.OutdoorSections.At(1, 1).TownEntrances[3] = {3, 30, 31}; // no town 3
    linked.Towns[2].EntranceX = 77;
    LinkTownsToSections(linked);
    const Town& t = linked.Towns[1];
    EXPECT_EQ(Ints(t.SectionX, t.SectionY, t.EntranceX, t.EntranceY, linked.Towns[2].EntranceX,
                   linked.Towns[0].EntranceX),
              Ints(0, 1, 20, 21, 77, 0));
}

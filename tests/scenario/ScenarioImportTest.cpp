#include "scenario/ScenarioImport.h"

#include "scenario/GameLayout.h"
#include "scenario/OwnLayout.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/GameLayoutBuilder.h"
#include "support/MsgBoxRecorder.h"
#include "support/OwnLayoutImage.h"
#include "support/SampleScenario.h"
#include "support/TempFolder.h"

#include <functional>
#include <gtest/gtest.h>

namespace {
TownTalk ClearedTalk() {
    TownTalk talk;
    for (Personality& p : talk.Personalities)
        p = Personality{"Unused", "", "", "", ""};
    for (TalkingNode& n : talk.Nodes)
        n = TalkingNode{-1, 0, "xxxx", "xxxx", {0, 0, 0, 0}, "", ""};
    return talk;
}

class ImportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitCommonTables();
        InitScenEditorTables();
        // The open scenario: its current town is 1, its current section (1, 1); one entrance,
        // in section (0, 1), leads into town 1.
        Scen = MakeVariedScenario(2, 2, 3, 7);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x)
                Scen.OutdoorSections.At(x, y).TownEntrances.fill(TownEntrance{-1, 100, 0});
        Scen.OutdoorSections.At(0, 1).TownEntrances[2] = TownEntrance{1, 5, 6};
        Scen.Towns[0].SectionX = 9; // no entrance says so: it must stay
        Scen.CurrentTown = 1;
        Scen.CurrentOutdoorX = 1;
        Scen.CurrentOutdoorY = 1;
        ScenFile.ScenFormat = 1;
        ScenFile.FileDialogCancelled = 0;
        GameTowns = {};
        GameTowns.Sizes[1] = 2;

        // Another scenario in the editor's layout, two sections wide and four high, whose
        // directory entries of (1, 0) and (0, 2) are one and the same.
        source = MakeVariedScenario(2, 4, 5, 99);
        ownPath = folder.File("Other.vrs");
        PutFileBytes(ownPath, OwnLayoutImage(source, &sourceDirectory));
    }

    TempFolder folder;
    MsgBoxRecorder boxes;
    Scenario source;
    SectionDirectoryTable sourceDirectory{};
    std::string ownPath;
};

TEST_F(ImportTest, ATownOfTheEditorsLayoutReplacesTheCurrentTownWithoutItsDialogue) {
    const Scenario before = Scen;
    ImportTown(3, ownPath);

    Town expected = source.Towns[3];
    expected.SectionX = 0; // derived again from the open scenario's entrance
    expected.SectionY = 1;
    expected.EntranceX = 5;
    expected.EntranceY = 6;
    EXPECT_TRUE(Scen.Towns[1] == expected);
    EXPECT_TRUE(Scen.TownTalks[1] == ClearedTalk());
    EXPECT_NE(source.TownTalks[3].Personalities[0].Name, "Unused");
    // Everything else stays as it was.
    Scenario rest = Scen;
    rest.Towns[1] = before.Towns[1];
    rest.TownTalks[1] = before.TownTalks[1];
    EXPECT_TRUE(rest == before);
    EXPECT_EQ(std::make_pair(ScenFile.FileDialogCancelled, ScenFile.ScenFormat),
              std::make_pair(std::int16_t{0}, std::int16_t{2}));
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(ImportTest, ASectionOfTheEditorsLayoutIsFoundInFileOrderAndReplacesTheCurrentOne) {
    ASSERT_EQ(own_layout::SectionEntry(1, 0, 2), own_layout::SectionEntry(0, 2, 2));
    const Scenario before = Scen;
    for (const auto& [x, y] : {std::pair{1, 0}, {0, 2}, {1, 3}, {0, 0}}) {
        ImportOutdoorSection(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), ownPath);
        EXPECT_TRUE(Scen.OutdoorSections.At(1, 1) == source.OutdoorSections.At(x, y))
            << x << ", " << y;
    }
    Scenario rest = Scen;
    rest.OutdoorSections.At(1, 1) = before.OutdoorSections.At(1, 1);
    EXPECT_TRUE(rest == before);
    EXPECT_EQ(ScenFile.FileDialogCancelled, 0);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(ImportTest, TownsAndSectionsOfBothGameLayouts) {
    for (const bool big : {false, true}) {
        GameLayoutBuilder b(big, 3, 2, {2, 0, 1});
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) {
                b.Section(x, y).Terrain(0, 0, 1 + 3 * y + x);
                b.Section(x, y).texts[0] = "Section " + std::to_string(x) + std::to_string(y);
            }
        for (int t = 0; t < 3; ++t) {
            b.Town(t).Terrain(1, 1, 50 + t);
            b.Town(t).texts[0] = "Town " + std::to_string(t);
            b.Town(t).talkTexts[0] = "Talker " + std::to_string(t);
        }
        b.Byte(218 + 2, 1); // town 2 is hidden
        const std::string path = folder.File(big ? "Big.vrs" : "Little.vrs");
        PutFileBytes(path, b.Build());

        ImportTown(2, path);
        const Town& town = Scen.Towns[1];
        EXPECT_EQ(std::make_tuple(int{town.Size}, town.Terrain.Side(), int{town.Terrain.At(1, 1)},
                                  town.Strings[0], int{town.Hidden}),
                  std::make_tuple(1, 48, 52, std::string("Town 2"), 1))
            << big;
        EXPECT_TRUE(Scen.TownTalks[1] == ClearedTalk()) << big;
        EXPECT_EQ(GameTowns.Sizes[1], 1) << big;
        EXPECT_EQ(std::make_tuple(int{town.SectionX}, int{town.SectionY}, int{town.EntranceX}),
                  std::make_tuple(0, 1, 5));

        // (2, 1) comes after 3 * 1 + 2 sections.
        ImportOutdoorSection(2, 1, path);
        const OutdoorSection& section = Scen.OutdoorSections.At(1, 1);
        EXPECT_EQ(std::make_pair(int{section.Terrain.At(0, 0)}, section.Strings[0]),
                  std::make_pair(6, std::string("Section 21")))
            << big;
        EXPECT_EQ(ScenFile.ScenFormat, big ? 1 : 0);
        EXPECT_EQ(ScenFile.FileDialogCancelled, 0);
    }
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(ImportTest, EveryRefusalAndFailureLeavesTheScenarioAsItWasAndReportsIt) {
    const std::string notScenario = folder.File("Note.vrs");
    PutFileText(notScenario, "Just some text, no scenario.");
    // Cut in the middle of town 3, and a game file cut inside section (2, 1).
    const std::string cutOwn = folder.File("CutOwn.vrs");
    std::vector<std::uint8_t> own = FileBytes(ownPath);
    own.resize(static_cast<std::size_t>(sourceDirectory[103]) + 100);
    PutFileBytes(cutOwn, own);
    GameLayoutBuilder b(false, 3, 2, {1});
    const std::string cutGame = folder.File("CutGame.vrs");
    std::vector<std::uint8_t> game = b.Build();
    game.resize(b.SectionPos(2, 1) + 10);
    PutFileBytes(cutGame, game);

    const std::string notValid = "LoadScenarioError encountered!\r\nNot a valid Scenario file.";
    struct Row {
        const char* what;
        std::function<void()> import;
        std::string text;
        std::string title;
    };
    const Row rows[] = {
        {"no layout, town", [&] { ImportTown(0, notScenario); }, notValid, "Error"},
        {"no layout, section", [&] { ImportOutdoorSection(0, 0, notScenario); }, notValid, "Error"},
        {"town count", [&] { ImportTown(5, ownPath); }, "The chosen scenario file has no town 5.",
         "Error!"},
        {"town -1", [&] { ImportTown(-1, ownPath); }, "The chosen scenario file has no town -1.",
         "Error!"},
        {"width", [&] { ImportOutdoorSection(2, 0, ownPath); },
         "The chosen scenario file has no outdoor section 2, 0.", "Error!"},
        {"height", [&] { ImportOutdoorSection(0, 4, ownPath); },
         "The chosen scenario file has no outdoor section 0, 4.", "Error!"},
        {"x -1", [&] { ImportOutdoorSection(-1, 0, ownPath); },
         "The chosen scenario file has no outdoor section -1, 0.", "Error!"},
        {"cut town", [&] { ImportTown(3, cutOwn); },
         "ImportTownError encountered!\r\nErr# 62, Input past end of file", "Error"},
        {"cut section", [&] { ImportOutdoorSection(2, 1, cutGame); },
         "ImportTownError encountered!\r\nErr# 62, Input past end of file", "Error"},
        {"missing file", [&] { ImportTown(0, folder.File("Gone.vrs")); },
         "ImportTownError encountered!\r\nErr# 53, File not found", "Error"},
        {"no current town",
         [&] {
             Scen.CurrentTown = 3;
             ImportTown(0, ownPath);
             Scen.CurrentTown = 1;
         },
         "ImportTownError encountered!\r\nErr# 9, Subscript out of range", "Error"},
    };
    const std::vector<std::uint8_t> saved = OwnLayoutImage(Scen);
    const Scenario before = Scen;
    const GameTownTables gameTowns = GameTowns;
    for (const Row& r : rows) {
        ScenFile.FileDialogCancelled = 0;
        const std::size_t shown = boxes.Calls().size();
        r.import();
        EXPECT_EQ(ScenFile.FileDialogCancelled, -1) << r.what;
        ASSERT_EQ(boxes.Calls().size(), shown + 1) << r.what;
        EXPECT_EQ(boxes.Calls().back().text, r.text) << r.what;
        EXPECT_EQ(boxes.Calls().back().title, r.title) << r.what;
        EXPECT_TRUE(OwnLayoutImage(Scen) == saved) << r.what;
        EXPECT_TRUE(Scen == before) << r.what;
        EXPECT_TRUE(GameTowns.Sizes == gameTowns.Sizes) << r.what;
        EXPECT_EQ(ScenFile.ScenFormat, 1) << r.what;
    }
}
} // namespace

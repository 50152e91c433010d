#include "scenario/ScenarioImport.h"

#include "scenario/GameLayout.h"
#include "scenario/ScenarioClearing.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/GameLayoutBuilder.h"
#include "support/Ints.h"
#include "support/OwnLayoutImage.h"
#include "support/SampleScenario.h"
#include "support/ShownBoxes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {
// The dialogue of a cleared town.
TownTalk ClearedTalk() {
    Scenario s = MakeMinimalScenario();
    ClearTown(s, 0);
    return s.TownTalks[0];
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
        std::tie(Scen.CurrentTown, Scen.CurrentOutdoorX, Scen.CurrentOutdoorY) =
            std::tuple(1, 1, 1);
        std::tie(ScenFile.ScenFormat, ScenFile.FileDialogCancelled) = std::tuple(1, 0);
        GameTowns = {};
        GameTowns.Sizes[1] = 2;
        PutFileBytes(ownPath, OwnLayoutImage(source, &sourceDirectory));
    }

    TempFolder folder;
    MsgBoxRecorder boxes;
    // Another scenario in the editor's layout, two sections wide and four high, whose directory
    // entries of (1, 0) and (0, 2) are one and the same.
    Scenario source = MakeVariedScenario(2, 4, 5, 99);
    SectionDirectoryTable sourceDirectory{};
    std::string ownPath = folder.File("Other.vrs");
};

TEST_F(ImportTest, ATownOrSectionOfTheEditorsLayoutReplacesTheCurrentOneAndNothingElse) {
    const Scenario before = Scen;
    ImportTown(3, ownPath);
    Town expected = source.Towns[3];
    // Where it lies is derived again from the open scenario's entrance.
    std::tie(expected.SectionX, expected.SectionY, expected.EntranceX, expected.EntranceY) =
        std::tuple(0, 1, 5, 6);
    EXPECT_TRUE(Scen.Towns[1] == expected);
    EXPECT_TRUE(Scen.TownTalks[1] == ClearedTalk()); // without its dialogue
    EXPECT_NE(source.TownTalks[3].Personalities[0].Name, "Unused");
    // A section is found in file order, whose entries for (1, 0) and (0, 2) are one.
    ASSERT_EQ(own_layout::SectionEntry(1, 0, 2), own_layout::SectionEntry(0, 2, 2));
    for (const auto& [x, y] : {std::pair{1, 0}, {0, 2}, {1, 3}, {0, 0}}) {
        ImportOutdoorSection(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), ownPath);
        EXPECT_TRUE(Scen.OutdoorSections.At(1, 1) == source.OutdoorSections.At(x, y)) << x << y;
    }
    Scenario rest = Scen;
    rest.Towns[1] = before.Towns[1];
    rest.TownTalks[1] = before.TownTalks[1];
    rest.OutdoorSections.At(1, 1) = before.OutdoorSections.At(1, 1);
    EXPECT_TRUE(rest == before);
    EXPECT_EQ(Ints(ScenFile.FileDialogCancelled, ScenFile.ScenFormat), Ints(0, 2));
    EXPECT_EQ(Shown(boxes), Boxes{});
}

TEST_F(ImportTest, TownsAndSectionsOfBothGameLayouts) {
    for (const bool big : {false, true}) {
        SCOPED_TRACE(big);
        GameLayoutBuilder b(big, 3, 2, {2, 0, 1});
        for (int i = 0; i < 6; ++i)
            b.Section(i % 3, i / 3).texts[0] = "Section " + std::to_string(i % 3 * 10 + i / 3);
        for (int t = 0; t < 3; ++t)
            b.Town(t).texts[0] = "Town " + std::to_string(t);
        b.Section(2, 1).Terrain(0, 0, 6);
        b.Town(2).Terrain(1, 1, 52);
        b.Town(2).talkTexts[0] = "Talker";
        b.Byte(218 + 2, 1); // town 2 is hidden
        const std::string path = folder.File(big ? "Big.vrs" : "Little.vrs");
        PutFileBytes(path, b.Build());

        ImportTown(2, path);
        const Town& town = Scen.Towns[1];
        EXPECT_EQ(
            std::tuple(town.Strings[0],
                       Ints(town.Size, town.Terrain.Side(), town.Terrain.At(1, 1), town.Hidden,
                            GameTowns.Sizes[1], town.SectionX, town.SectionY, town.EntranceX)),
            std::tuple("Town 2", Ints(1, 48, 52, 1, 1, 0, 1, 5)));
        EXPECT_TRUE(Scen.TownTalks[1] == ClearedTalk());
        // (2, 1) comes after 3 * 1 + 2 sections.
        ImportOutdoorSection(2, 1, path);
        const OutdoorSection& section = Scen.OutdoorSections.At(1, 1);
        EXPECT_EQ(std::tuple(section.Strings[0], Ints(section.Terrain.At(0, 0), ScenFile.ScenFormat,
                                                      ScenFile.FileDialogCancelled)),
                  std::tuple("Section 21", Ints(6, big ? 1 : 0, 0)));
    }
    EXPECT_EQ(Shown(boxes), Boxes{});
}

TEST_F(ImportTest, EveryRefusalAndFailureLeavesTheScenarioAsItWasAndReportsIt) {
    const std::string notScenario = folder.File("Note.vrs");
    PutFileText(notScenario, "Just some text, no scenario.");
    // Cut in the middle of town 3, and a game file cut inside section (2, 1).
    const auto cut = [this](const std::string& name, std::vector<std::uint8_t> bytes,
                            std::size_t size) {
        bytes.resize(size);
        PutFileBytes(folder.File(name), bytes);
        return folder.File(name);
    };
    const std::string cutOwn = cut("CutOwn.vrs", FileBytes(ownPath), sourceDirectory[103] + 100);
    GameLayoutBuilder b(false, 3, 2, {1});
    const std::string cutGame = cut("CutGame.vrs", b.Build(), b.SectionPos(2, 1) + 10);

    const auto town = [](int n, std::string path) { return [=] { ImportTown(n, path); }; };
    const auto section = [](int x, int y, std::string path) {
        return [=] { ImportOutdoorSection(x, y, path); };
    };
    const std::string notValid =
        "Error|16|LoadScenarioError encountered!\r\nNot a valid Scenario file.";
    const std::string failed = "Error|16|ImportTownError encountered!\r\nErr# ";
    const std::string noSuch = "Error!|48|The chosen scenario file has no ";
    const std::pair<std::function<void()>, std::string> rows[] = {
        // clang-format off
        {town(0, notScenario), notValid}, {section(0, 0, notScenario), notValid},
        {town(5, ownPath), noSuch + "town 5."}, {town(-1, ownPath), noSuch + "town -1."},
        {section(2, 0, ownPath), noSuch + "outdoor section 2, 0."},
        {section(0, 4, ownPath), noSuch + "outdoor section 0, 4."},
        {section(-1, 0, ownPath), noSuch + "outdoor section -1, 0."},
        {town(3, cutOwn), failed + "62, Input past end of file"},
        {section(2, 1, cutGame), failed + "62, Input past end of file"},
        {town(0, folder.File("Gone.vrs")), failed + "53, File not found"},
        // No such town in the open scenario.
        {[&] { Scen.CurrentTown = 3; ImportTown(0, ownPath); Scen.CurrentTown = 1; },
         failed + "9, Subscript out of range"}};
    // clang-format on
    const Scenario before = Scen;
    const GameTownTables gameTowns = GameTowns;
    for (const auto& [import, box] : rows) {
        SCOPED_TRACE(box);
        ScenFile.FileDialogCancelled = 0;
        MsgBoxRecorder local;
        import();
        EXPECT_EQ(Shown(local), Boxes{box});
        EXPECT_TRUE(Scen == before);
        EXPECT_TRUE(GameTowns.Sizes == gameTowns.Sizes);
        EXPECT_EQ(Ints(ScenFile.FileDialogCancelled, ScenFile.ScenFormat), Ints(-1, 1));
    }
}
} // namespace

#include "scenario/ScenarioImport.h"
#include "scenario/ScenarioLoad.h"
#include "support/ErrorOf.h"
#include "support/MsgBoxRecorder.h"
#include "support/OwnLayoutImage.h"
#include "support/SampleScenario.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {
Scenario RoundTrip(const Scenario& original) {
    Scenario read;
    ReadScenarioImageV2(read, OwnLayoutImage(original));
    return read;
}
} // namespace

TEST(OwnLayoutRoundTrip, GivesBackEveryFieldTextsKeepTheirBytesAndDerivedValuesAreRecomputed) {
    Scenario s = MakeMinimalScenario();
    s.ScenStrings[1] = std::string(255, '\xE9');
    s.ScenStrings[319] = "\x80\x9F\xFF end";
    s.Towns[0].Strings[189] = std::string(255, 'z');
    s.TownTalks[0].Nodes[89].Text2 = "\xA0\xFE";
    s.MonsterTypes[4].Name = std::string(25, 'M');
    s.TerrainTypes[7].TerrainSet = 0; // wall groups are recomputed, the stored ones ignored
    s.TerrainTypes[40].TerrainSet = 3;
    Scenario expected = s;
    expected.MonsterTypes[4].Name = std::string(20, 'M');
    expected.TerrainTypes[7].TerrainSet = -1;
    expected.TerrainTypes[40].TerrainSet = 2;
    EXPECT_TRUE(RoundTrip(s) == expected);

    // Sections from index 300 on and towns from 200 on have no directory entry; the file
    // still holds them all.
    EXPECT_TRUE(RoundTrip(MakeVariedScenario(20, 20, 201, 7)) ==
                MakeVariedScenario(20, 20, 201, 7));
}

// In a world taller than wide, (1, 0) and (0, 2) both land on entry 2; (0, 2) is written later.
TEST(OwnLayoutRoundTrip, DirectoryEntriesPointAtTheSectionsAndTowns) {
    const Scenario s = MakeVariedScenario(2, 3, 3);
    SectionDirectoryTable dir{};
    const auto image = WriteScenarioImage(s, dir);
    Scenario probe = s;
    FilePos pos = dir[2] + 1;
    ReadOutdoorSectionV2(probe, ByteReader(image), 0, 0, pos);
    EXPECT_EQ(probe.OutdoorSections.At(0, 0), s.OutdoorSections.At(0, 2));
    EXPECT_EQ(ByteReader(image).GetI32(81 + 4 * 2), dir[2]);
    for (int t = 0; t < 3; ++t) {
        EXPECT_EQ(ByteReader(image).GetI32(81 + 4 * (100 + t)), dir[100 + t]);
        pos = dir[100 + t] + 1;
        ReadTownV2(probe, ByteReader(image), 0, pos);
        EXPECT_EQ(probe.Towns[0], s.Towns[t]) << t;
    }
}

namespace {
// The corpus files with the layout each is read as, then copies of them with one to four bits
// flipped here and there, for the readers to accept or refuse.
struct Input {
    std::int16_t layout;
    std::vector<std::uint8_t> bytes;
};
std::vector<Input> CorpusAndDamagedCopies() {
    std::vector<Input> inputs;
    std::uint32_t random = 12345;
    for (std::int16_t layout = 0; layout < 3; ++layout)
        for (const auto& entry : std::filesystem::directory_iterator(VARNO_FUZZ_CORPUS "/layout" +
                                                                     std::to_string(layout))) {
            const auto bytes = FileBytes(entry.path().string());
            inputs.push_back({layout, bytes});
            for (int copy = 0; copy < 60; ++copy) {
                auto damaged = bytes;
                for (int flip = 0; flip <= copy % 4; ++flip) {
                    random = random * 1103515245u + 12345u;
                    damaged[4 + (random >> 8) % (damaged.size() - 4)] ^=
                        static_cast<std::uint8_t>(1u << (random % 8));
                }
                inputs.push_back({layout, std::move(damaged)});
            }
        }
    return inputs;
}

// The scenario saved in the own layout and read again, as a save and a later load would.
Scenario SavedAndLoaded(const Scenario& scen) {
    Scenario read;
    ReadScenarioFile(read, OwnLayoutImage(scen), 2, "Other.vrs");
    return read;
}

// What a save keeps of the scenario: the own layout stores the lock flag where the y of the
// outdoor start would go, so that y comes back as the flag.
Scenario AsSaved(Scenario scen) {
    scen.StartOutdoorLoc.Y = scen.ListsLocked;
    return scen;
}
} // namespace

// Whatever a reader accepts, from any layout and however damaged, the writer writes back: a
// second load gives the same scenario. So too for towns and sections that an import accepted.
TEST(OwnLayoutRoundTrip, WhatAnyReaderAcceptsComesBackTheSameAfterASave) {
    TempFolder dir;
    int loaded = 0;
    int imported = 0;
    MsgBoxRecorder boxes;
    for (const Input& input : CorpusAndDamagedCopies()) {
        Scenario read;
        const int error =
            ErrorOf([&] { ReadScenarioFile(read, input.bytes, input.layout, "Other.vrs"); });
        EXPECT_TRUE(error == 0 || error == 6 || error == 9 || error == 62) << error;
        if (error != 0) continue;
        ++loaded;
        EXPECT_TRUE(SavedAndLoaded(read) == AsSaved(read)) << "layout " << input.layout;

        Scen = MakeVariedScenario(2, 2, 2, 7);
        Scen.CurrentTown = 1;
        Scen.CurrentOutdoorX = 1;
        Scen.CurrentOutdoorY = 1;
        PutFileBytes(dir.File("source.vrs"), input.bytes);
        ScenFile.FileDialogCancelled = 0;
        ImportTown(0, dir.File("source.vrs"));
        ImportOutdoorSection(0, 0, dir.File("source.vrs"));
        if (ScenFile.FileDialogCancelled == -1) continue;
        ++imported;
        EXPECT_TRUE(SavedAndLoaded(Scen) == AsSaved(Scen))
            << "imported from layout " << input.layout;
    }
    // Enough of the damaged copies load for the property to be tried on them.
    EXPECT_GT(loaded, 40);
    EXPECT_GT(imported, 40);
}

// Loading the largest scenario from a file, in the editor's own layout and in the game's
// little-endian layout, beside one plain read of the same file.
#include "platform/core/BinaryFile.h"
#include "scenario/OwnLayout.h"
#include "scenario/ScenarioClearing.h"
#include "scenario/ScenarioLoad.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/GameLayoutBuilder.h"
#include "support/SampleScenario.h"
#include "support/TempFolder.h"

#include "LongText.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {
struct Files {
    TempFolder folder;
    std::string own = folder.File("largest.vrs");
    std::string game = folder.File("largest-game.vrs");

    Files() {
        InitCommonTables();
        InitScenEditorTables();
        // The own layout: 50 x 50 sections and 255 large towns, every text at its longest, the
        // talk texts too.
        auto s = std::make_unique<Scenario>(MakeVariedScenario(50, 50, 255, 77));
        for (auto& t : s->ScenStrings)
            t = LongText(1);
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x)
                for (auto& t : s->OutdoorSections.At(x, y).Strings)
                    t = LongText(x + y);
        for (std::size_t i = 0; i < s->Towns.size(); ++i) {
            Town& town = s->Towns[i];
            town.Size = 0;
            town.Terrain = TerrainGrid(64);
            for (auto& t : town.Strings)
                t = LongText(static_cast<int>(i));
            TownTalk& talk = s->TownTalks[i];
            for (auto& p : talk.Personalities)
                p = {LongText(1), LongText(2), LongText(3), LongText(4), LongText(5)};
            for (auto& n : talk.Nodes) {
                n.Text1 = LongText(6);
                n.Text2 = LongText(7);
            }
        }
        SectionDirectoryTable dir{};
        PutFileBytes(own, WriteScenarioImage(*s, dir));

        // The game layout holds at most 200 towns.
        GameLayoutBuilder builder(false, 50, 50, std::vector<int>(200, 0));
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x)
                for (auto& t : builder.Section(x, y).texts)
                    t = LongText(x * y);
        for (int t = 0; t < 200; ++t) {
            for (auto& text : builder.Town(t).texts)
                text = LongText(t);
            for (auto& text : builder.Town(t).talkTexts)
                text = LongText(t + 1);
        }
        PutFileBytes(game, builder.Build());
    }
};

const Files& TheFiles() {
    static const Files files;
    return files;
}

void Load(benchmark::State& state, const std::string& path, std::int16_t format) {
    for (auto _ : state) {
        const auto bytes = ReadFileBytes(path);
        auto s = std::make_unique<Scenario>();
        ReadScenarioFile(*s, bytes, format, "largest.vrs");
        benchmark::DoNotOptimize(s->TownCount);
        state.SetBytesProcessed(state.bytes_processed() + static_cast<std::int64_t>(bytes.size()));
    }
}

void BM_LoadOwnLayoutFile(benchmark::State& state) {
    Load(state, TheFiles().own, 2);
}
void BM_LoadGameLayoutFile(benchmark::State& state) {
    Load(state, TheFiles().game, 0);
}

void Fread(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        FILE* f = std::fopen(path.c_str(), "rb");
        std::fseek(f, 0, SEEK_END);
        const long size = std::ftell(f);
        std::fseek(f, 0, SEEK_SET);
        std::vector<char> buffer(static_cast<std::size_t>(size));
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), f);
        std::fclose(f);
        benchmark::DoNotOptimize(buffer.data());
        state.SetBytesProcessed(state.bytes_processed() + static_cast<std::int64_t>(got));
    }
}

void BM_FreadOwnLayoutFile(benchmark::State& state) {
    Fread(state, TheFiles().own);
}
void BM_FreadGameLayoutFile(benchmark::State& state) {
    Fread(state, TheFiles().game);
}
} // namespace

BENCHMARK(BM_LoadOwnLayoutFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FreadOwnLayoutFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadGameLayoutFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FreadGameLayoutFile)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();

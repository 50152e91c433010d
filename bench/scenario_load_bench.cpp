// Loading the largest scenario from a file, in the editor's own layout and in the game's
// little-endian layout, beside one plain read of the same file into a buffer that exists; and
// the most memory that opening and re-opening it holds at once, beside the file's size.
#include "platform/core/BinaryFile.h"
#include "platform/core/ByteSource.h"
#include "platform/core/FreedMemory.h"
#include "platform/core/MsgBox.h"
#include "scenario/GameLayout.h"
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
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <memory>
#include <new>

// Every allocation of the program is counted, with what the allocator really gives it, so that
// the most memory held at once during a load can be read beside the file's size.
namespace {
std::size_t liveBytes = 0;
std::size_t peakBytes = 0;

void* Counted(void* p) {
    if (!p) throw std::bad_alloc();
    liveBytes += ::malloc_usable_size(p);
    if (liveBytes > peakBytes) peakBytes = liveBytes;
    return p;
}
void Uncounted(void* p) {
    if (!p) return;
    liveBytes -= ::malloc_usable_size(p);
    std::free(p);
}
} // namespace

void* operator new(std::size_t n) {
    return Counted(std::malloc(n == 0 ? 1 : n));
}
void* operator new[](std::size_t n) {
    return Counted(std::malloc(n == 0 ? 1 : n));
}
void* operator new(std::size_t n, std::align_val_t a) {
    return Counted(
        std::aligned_alloc(static_cast<std::size_t>(a), (n + static_cast<std::size_t>(a) - 1) &
                                                            ~(static_cast<std::size_t>(a) - 1)));
}
void* operator new[](std::size_t n, std::align_val_t a) {
    return operator new(n, a);
}
void operator delete(void* p) noexcept {
    Uncounted(p);
}
void operator delete[](void* p) noexcept {
    Uncounted(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Uncounted(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    Uncounted(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    Uncounted(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    Uncounted(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    Uncounted(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    Uncounted(p);
}

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

// A load as the editor does it: the file read part by part into a fresh scenario, which then
// goes again.
void Load(benchmark::State& state, const std::string& path, std::int16_t format) {
    const auto size = static_cast<std::int64_t>(std::filesystem::file_size(path));
    for (auto _ : state) {
        ByteSource file(path);
        auto s = std::make_unique<Scenario>();
        GameTownTables towns;
        ReadScenarioFile(*s, file, format, "largest.vrs", towns);
        benchmark::DoNotOptimize(s->TownCount);
    }
    state.SetBytesProcessed(state.iterations() * size);
}

void BM_LoadOwnLayoutFile(benchmark::State& state) {
    Load(state, TheFiles().own, 2);
}
void BM_LoadGameLayoutFile(benchmark::State& state) {
    Load(state, TheFiles().game, 0);
}

// The same file read whole into a buffer that exists already and has been written before, so
// that the baseline pays for reading the bytes and for nothing else.
void Fread(benchmark::State& state, const std::string& path) {
    std::vector<char> buffer(std::filesystem::file_size(path), 1);
    for (auto _ : state) {
        FILE* f = std::fopen(path.c_str(), "rb");
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), f);
        std::fclose(f);
        benchmark::DoNotOptimize(buffer.data());
        if (got != buffer.size()) state.SkipWithError("short read");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(buffer.size()));
}

void BM_FreadOwnLayoutFile(benchmark::State& state) {
    Fread(state, TheFiles().own);
}
void BM_FreadGameLayoutFile(benchmark::State& state) {
    Fread(state, TheFiles().game);
}

// Opens the file with the editor's own load, over whatever scenario is open, and reports the
// most memory held at once from before the first of the two scenarios was built, as a multiple
// of the file's size.
void PeakMemory(benchmark::State& state, const std::string& path, bool reopen) {
    const auto fileSize = static_cast<double>(std::filesystem::file_size(path));
    const std::string name = std::filesystem::path(path).filename().string();
    const std::string folder = std::filesystem::path(path).parent_path().string();
    SetMsgBoxHook([&state](const MsgBoxCall& call) {
        state.SkipWithError(call.text.c_str());
        return MsgBoxResult::Ok;
    });
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Scen = Scenario();
        ReturnFreedMemoryToSystem();
        const std::size_t before = liveBytes;
        if (reopen) LoadScenario(name, path);
        state.ResumeTiming();
        peakBytes = liveBytes;
        LoadScenario(name, path);
        peak = static_cast<double>(peakBytes - before);
    }
    SetMsgBoxHook({});
    Scen = Scenario();
    state.counters["file_MB"] = fileSize / 1e6;
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["peak_per_file_size"] = peak / fileSize;
}

void BM_OpenPeakMemory(benchmark::State& state) {
    PeakMemory(state, TheFiles().own, false);
}
void BM_ReopenPeakMemory(benchmark::State& state) {
    PeakMemory(state, TheFiles().own, true);
}
} // namespace

BENCHMARK(BM_LoadOwnLayoutFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FreadOwnLayoutFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadGameLayoutFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FreadGameLayoutFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenPeakMemory)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_ReopenPeakMemory)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

BENCHMARK_MAIN();

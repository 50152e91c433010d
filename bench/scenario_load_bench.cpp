// Opening the largest scenario from a file, in the editor's own layout and in the game's
// little-endian layout, beside one plain read of the same file into a buffer that exists; and
// the most memory that opening and re-opening it holds at once, as heap bytes and as the
// process's resident size, beside the file's size.
#include "platform/core/BinaryFile.h"
#include "platform/core/FreedMemory.h"
#include "platform/core/MsgBox.h"
#include "scenario/OwnLayout.h"
#include "scenario/ScenarioClearing.h"
#include "scenario/ScenarioLoad.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/GameLayoutBuilder.h"
#include "support/SampleScenario.h"
#include "support/TempFolder.h"

#include "LongText.h"
#include "ResidentMemory.h"

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
        WriteOwnLayout();
        WriteGameLayout();
        // What building the files freed is not left for the first open to reuse.
        ReturnFreedMemoryToSystem();
    }

    void WriteOwnLayout() const {
        // 50 x 50 sections and 255 large towns, every text at its longest, the talk texts too.
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
    }

    void WriteGameLayout() const {
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

// Errors that an open would show end the benchmark with their text instead.
void SkipOnMessage(benchmark::State& state) {
    SetMsgBoxHook([&state](const MsgBoxCall& call) {
        state.SkipWithError(call.text.c_str());
        return MsgBoxResult::Ok;
    });
}

// Closes whatever is open and gives its memory back, as the program does after an open.
void CloseScenario() {
    Scen = Scenario();
    ReturnFreedMemoryToSystem();
}

// An open as the program does it: the file read part by part into a fresh scenario, which takes
// the place of the one open before; that one goes, and the memory it held is given back to the
// system, so that every open builds its scenario on pages the process has to be given anew.
void Load(benchmark::State& state, const std::string& path, std::int16_t format) {
    const auto size = static_cast<std::int64_t>(std::filesystem::file_size(path));
    const std::string name = std::filesystem::path(path).filename().string();
    SkipOnMessage(state);
    CloseScenario();
    for (auto _ : state) {
        LoadScenario(name, path);
        benchmark::DoNotOptimize(Scen.TownCount);
    }
    SetMsgBoxHook({});
    if (ScenFile.ScenFormat != format || Scen.TownCount == 0)
        state.SkipWithError("the file was not opened in its layout");
    CloseScenario();
    state.SetBytesProcessed(state.iterations() * size);
}

void BM_LoadOwnLayoutFile(benchmark::State& state) {
    Load(state, TheFiles().own, 2);
}
void BM_LoadGameLayoutFile(benchmark::State& state) {
    Load(state, TheFiles().game, 0);
}

// The same file read whole into a buffer that exists already and has been written before, from
// the system's file cache as every open above reads it, so that the baseline pays for reading
// the bytes and for nothing else.
void Fread(benchmark::State& state, const std::string& path) {
    std::vector<char> buffer(std::filesystem::file_size(path), 1);
    FILE* warm = std::fopen(path.c_str(), "rb");
    if (!warm || std::fread(buffer.data(), 1, buffer.size(), warm) != buffer.size())
        state.SkipWithError("cannot read the file");
    if (warm) std::fclose(warm);
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
// of the file's size: the heap bytes the program asked for, and the process's resident size,
// which adds what the allocator spends on them and keeps of what was freed meanwhile.
void PeakMemory(benchmark::State& state, const std::string& path, bool reopen) {
    const auto fileSize = static_cast<double>(std::filesystem::file_size(path));
    const std::string name = std::filesystem::path(path).filename().string();
    SkipOnMessage(state);
    double heapPeak = 0;
    double residentPeak = 0;
    double residentRise = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CloseScenario();
        const std::size_t before = liveBytes;
        const std::size_t residentBefore = ResidentBytes();
        if (reopen) LoadScenario(name, path);
        if (!RestartPeakResident()) state.SkipWithError("the resident peak cannot be restarted");
        state.ResumeTiming();
        peakBytes = liveBytes;
        LoadScenario(name, path);
        const std::size_t residentMost = PeakResidentBytes();
        heapPeak = static_cast<double>(peakBytes - before);
        residentPeak = static_cast<double>(residentMost);
        residentRise =
            static_cast<double>(residentMost > residentBefore ? residentMost - residentBefore : 0);
    }
    SetMsgBoxHook({});
    CloseScenario();
    state.counters["file_MB"] = fileSize / 1e6;
    state.counters["heap_peak_MB"] = heapPeak / 1e6;
    state.counters["heap_peak_per_file_size"] = heapPeak / fileSize;
    // The whole process at its peak, and how far it rose above what it held before the open.
    state.counters["rss_peak_MB"] = residentPeak / 1e6;
    state.counters["rss_peak_per_file_size"] = residentPeak / fileSize;
    state.counters["rss_rise_per_file_size"] = residentRise / fileSize;
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

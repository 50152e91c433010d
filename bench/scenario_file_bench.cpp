// Reading and writing the largest scenario the model can hold, beside the plain copies that
// bound what any reader or writer could do with the same bytes.
#include "platform/core/FreedMemory.h"
#include "platform/core/MsgBox.h"
#include "platform/core/ProgramPaths.h"
#include "scenario/OwnLayout.h"
#include "scenario/ScenarioClearing.h"
#include "scenario/ScenarioSave.h"

#include "LongText.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <unistd.h>

namespace {
Scenario MakeLargestScenario() {
    Scenario s;
    s.OutdoorWidth = 50;
    s.OutdoorHeight = 50;
    s.TownCount = 255;
    for (std::size_t i = 0; i < s.TerrainTypes.size(); ++i)
        s.TerrainTypes[i].TerrainSet = TerrainSetOf(static_cast<int>(i));
    for (std::size_t i = 0; i < s.ScenStrings.size(); ++i)
        s.ScenStrings[i] = LongText(static_cast<int>(i));
    s.OutdoorSections = OutdoorGrid(50, 50);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x) {
            ClearOutdoorSection(s, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
            for (std::size_t i = 0; i < 108; ++i)
                s.OutdoorSections.At(x, y).Strings[i] = LongText(x + y + static_cast<int>(i));
        }
    s.Towns.resize(255);
    s.TownTalks.resize(255);
    for (int t = 0; t < 255; ++t) {
        Town& town = s.Towns[static_cast<std::size_t>(t)];
        town.Size = 0;
        town.Terrain = TerrainGrid(64);
        ClearTown(s, static_cast<std::int16_t>(t));
        town.SpecialSpots.resize(64);
        town.Fields.resize(64);
        town.PresetItems.resize(64);
        town.Creatures.resize(64);
        for (std::size_t i = 0; i < town.Strings.size(); ++i)
            town.Strings[i] = LongText(t + static_cast<int>(i));
        TownTalk& talk = s.TownTalks[static_cast<std::size_t>(t)];
        for (auto& p : talk.Personalities)
            p = {LongText(1), LongText(2), LongText(3), LongText(4), LongText(5)};
        for (auto& n : talk.Nodes) {
            n.Text1 = LongText(6);
            n.Text2 = LongText(7);
        }
    }
    return s;
}

const Scenario& Largest() {
    static const Scenario s = MakeLargestScenario();
    return s;
}

const std::vector<std::uint8_t>& LargestImage() {
    static const std::vector<std::uint8_t> image = [] {
        SectionDirectoryTable dir{};
        return WriteScenarioImage(Largest(), dir);
    }();
    return image;
}

void SetBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(LargestImage().size()));
}

// Encoding into an image whose storage the previous save left, as every save but the first does.
void BM_WriteOwnLayoutToMemory(benchmark::State& state) {
    const Scenario& s = Largest();
    ByteWriter image;
    for (auto _ : state) {
        SectionDirectoryTable dir{};
        const auto bytes = WriteScenarioImage(s, dir, image);
        benchmark::DoNotOptimize(bytes.data());
    }
    SetBytes(state);
}

// Decoding into a fresh scenario, as a load does: every text of more than a few characters
// takes memory of its own, on pages the process is given anew, since the program gives what a
// scenario held back to the system once it has gone.
void BM_ReadOwnLayoutIntoFreshScenario(benchmark::State& state) {
    const auto& image = LargestImage();
    ReturnFreedMemoryToSystem();
    for (auto _ : state) {
        auto s = std::make_unique<Scenario>();
        ReadScenarioImageV2(*s, image);
        benchmark::DoNotOptimize(s->TownCount);
        // Letting go of the scenario is not part of reading it.
        state.PauseTiming();
        s.reset();
        ReturnFreedMemoryToSystem();
        state.ResumeTiming();
    }
    SetBytes(state);
}

void BM_MemcpySameBytes(benchmark::State& state) {
    const auto& image = LargestImage();
    for (auto _ : state) {
        std::vector<std::uint8_t> copy(image.size());
        std::memcpy(copy.data(), image.data(), image.size());
        benchmark::DoNotOptimize(copy.data());
    }
    SetBytes(state);
}

// The same copy into a buffer that already exists and has been touched: the bound for a
// copy that pays for no memory of its own.
void BM_MemcpyIntoWarmBuffer(benchmark::State& state) {
    const auto& image = LargestImage();
    std::vector<std::uint8_t> copy(image.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), image.data(), image.size());
        benchmark::DoNotOptimize(copy.data());
    }
    SetBytes(state);
}

// A scratch folder of this run's own, so that two runs at once never touch each other's files.
struct SaveFolders {
    std::string root;
    SaveFolders() {
        root = (std::filesystem::temp_directory_path() / "varno-bench-XXXXXX").string();
        if (!::mkdtemp(root.data())) throw std::runtime_error("cannot make a scratch folder");
        std::filesystem::create_directories(root + "/program/scenario");
        SetProgramFolderForTesting(root + "/program");
        SetTempSaveFolderForTesting(root + "/save");
    }
    ~SaveFolders() {
        SetProgramFolderForTesting("");
        SetTempSaveFolderForTesting("");
        std::filesystem::remove_all(root);
    }
};

void SaveLargest(benchmark::State& state) {
    Scen = Largest();
    ScenFile.ScenFileName = "Largest.vrs";
    SetMsgBoxHook([&state](const MsgBoxCall& call) {
        state.SkipWithError(call.text.c_str());
        return MsgBoxResult::Ok;
    });
    for (auto _ : state)
        SaveScenarioV2();
    SetMsgBoxHook({});
    SetBytes(state);
}

// The spare copy beside the scenario file, on one file system: it costs no second write.
void BM_SaveScenarioV2(benchmark::State& state) {
    SaveFolders folders;
    SaveLargest(state);
}

// The spare copy in a memory file system, as in a runtime folder: its bytes are copied there.
void BM_SaveScenarioV2SpareCopyInMemory(benchmark::State& state) {
    SaveFolders folders;
    std::string spare = "/dev/shm/varno-bench-XXXXXX";
    if (!::mkdtemp(spare.data())) {
        state.SkipWithError("no memory file system");
        return;
    }
    SetTempSaveFolderForTesting(spare + "/save");
    SaveLargest(state);
    std::filesystem::remove_all(spare);
}

// What a save must at least do: write the bytes once into a new file and flush them to disk.
void BM_WriteNewFileAndSync(benchmark::State& state) {
    SaveFolders folders;
    const auto& image = LargestImage();
    const std::string path = folders.root + "/program/scenario/plain.bin";
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(path);
        state.ResumeTiming();
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        std::size_t done = 0;
        while (done < image.size()) {
            const ssize_t n = ::write(fd, image.data() + done, image.size() - done);
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        ::fdatasync(fd);
        ::close(fd);
    }
    SetBytes(state);
}

void BM_FwriteSameBytes(benchmark::State& state) {
    SaveFolders folders;
    const auto& image = LargestImage();
    const std::string path = folders.root + "/plain.bin";
    for (auto _ : state) {
        FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(image.data(), 1, image.size(), f);
        std::fclose(f);
    }
    SetBytes(state);
}
} // namespace

BENCHMARK(BM_WriteOwnLayoutToMemory)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadOwnLayoutIntoFreshScenario)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MemcpySameBytes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MemcpyIntoWarmBuffer)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveScenarioV2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveScenarioV2SpareCopyInMemory)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteNewFileAndSync)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FwriteSameBytes)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();

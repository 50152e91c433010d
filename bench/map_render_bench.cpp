// The map: building the grid of the densest town beside one copy of the town's record, and
// repainting the densest detail view and a whole large town beside one plain copy of an image
// of the same size into the same surface.
#include "graphics/GraphicsSheets.h"
#include "map/MapCells.h"
#include "map/render/MapRenderer.h"
#include "map/MapState.h"
#include "platform/core/ProgramPaths.h"
#include "platform/qt/Surface.h"
#include "scenario/NewScenario.h"
#include "scenario/Scenario.h"
#include "scenario/ScenarioClearing.h"

#include <benchmark/benchmark.h>

namespace {
constexpr int kSide = 64;
// The detail view of the benchmark: cells 28..36 each way around the centre (32, 32).
constexpr int kViewFirst = 28;
constexpr int kViewCells = 9;

// A large town with every preset-item and creature slot in use, all fourteen fields on every
// cell of the detail view and seven on every other cell, and every rectangle, spot, sign, boat
// and horse crossing the view.
Scenario DensestTown() {
    Scenario s;
    s.TownCount = 1;
    s.OutdoorWidth = s.OutdoorHeight = 1;
    s.OutdoorSections = OutdoorGrid(1, 1);
    ClearOutdoorSection(s, 0, 0);
    CreateTown(s, 0, "Dense", 0, 0);
    for (std::size_t i = 0; i < s.TerrainTypes.size(); ++i) {
        TerrainType& t = s.TerrainTypes[i];
        t.Picture = static_cast<std::int16_t>(i < 200 ? i : 400 + i % 100);
        t.SpecialProperty = static_cast<std::uint8_t>(i % 27);
        t.Extra2 = static_cast<std::int16_t>(i % 12);
    }
    for (std::size_t i = 0; i < s.MonsterTypes.size(); ++i)
        s.MonsterTypes[i].Picture = static_cast<std::int16_t>(i % 4 == 0 ? 120 : i % 175);
    for (std::size_t i = 0; i < s.ItemTypes.size(); ++i)
        s.ItemTypes[i].Picture = static_cast<std::int16_t>(i % 123);

    Town& town = s.Towns[0];
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            town.Terrain.At(x, y) = static_cast<std::uint8_t>((x * 7 + y * 13) % 256);
    const auto inView = [](int i) {
        return static_cast<std::uint8_t>(kViewFirst + i % kViewCells);
    };
    town.Fields.clear();
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const bool viewed = x >= kViewFirst && x < kViewFirst + kViewCells && y >= kViewFirst &&
                                y < kViewFirst + kViewCells;
            for (int k = 0; k < (viewed ? 14 : 7); ++k)
                town.Fields.push_back({static_cast<std::int16_t>(k), static_cast<std::uint8_t>(x),
                                       static_cast<std::uint8_t>(y)});
        }
    town.PresetItems.assign(64, PresetItem{});
    for (int i = 0; i < 64; ++i)
        town.PresetItems[static_cast<std::size_t>(i)] = {static_cast<std::int16_t>(i * 7 % 500),
                                                         inView(i), inView(i / 9), -1};
    town.Creatures.resize(64);
    for (int i = 0; i < 64; ++i) {
        TownCreature& c = town.Creatures[static_cast<std::size_t>(i)];
        c.Monster = static_cast<std::uint8_t>(1 + i * 3);
        c.X = inView(i + 4);
        c.Y = inView(i / 9 + 2);
    }
    town.SpecialSpots.assign(50, SpecialSpot{});
    for (int i = 0; i < 50; ++i)
        town.SpecialSpots[static_cast<std::size_t>(i)] = {static_cast<std::int16_t>(i), inView(i),
                                                          inView(i * 5)};
    for (int i = 0; i < 16; ++i) {
        town.SignLocs[static_cast<std::size_t>(i)] = {inView(i * 2), inView(i)};
        const auto a = static_cast<std::uint8_t>(kViewFirst - 2 + i % 4);
        const auto b = static_cast<std::uint8_t>(kViewFirst + 6 + i % 5);
        town.AreaRects[static_cast<std::size_t>(i)] = {a, a, b, b};
    }
    town.Boundary = {kViewFirst + 1, kViewFirst + 1, kViewFirst + 7, kViewFirst + 7};
    for (int i = 0; i < 4; ++i) {
        town.WanderingLocs[static_cast<std::size_t>(i)] = {inView(i * 3), inView(i * 2)};
        town.EntryPoints[static_cast<std::size_t>(i)] = {inView(i), inView(i)};
        s.SavedItemAreas[static_cast<std::size_t>(i)] = {
            0, kViewFirst, kViewFirst, static_cast<std::uint8_t>(kViewFirst + 2 + i),
            static_cast<std::uint8_t>(kViewFirst + 2 + i)};
    }
    for (int i = 0; i < 24; ++i) {
        s.Boats[static_cast<std::size_t>(i)] = {0, inView(i), inView(i + 3), 0};
        s.Horses[static_cast<std::size_t>(i)] = {0, inView(i + 1), inView(i * 2), 0};
    }
    s.StartTown = 0;
    s.StartTownLoc = {kViewFirst + 4, kViewFirst + 4};
    return s;
}

// The program's own sheets, loaded once.
void LoadSheetsOnce() {
    static const bool loaded = [] {
        SetProgramFolderForTesting(VARNO_APP_DIR);
        LoadGraphics();
        return true;
    }();
    (void)loaded;
}

void UseDensestTown() {
    static const Scenario dense = DensestTown();
    if (Scen.Towns.empty()) Scen = dense;
    Map.EditMode = kEditLargeTown;
}

void BM_BuildMapCellsDensestTown(benchmark::State& state) {
    UseDensestTown();
    for (auto _ : state) {
        BuildMapCells();
        benchmark::DoNotOptimize(Map.MapCells.Cells().data());
    }
}
BENCHMARK(BM_BuildMapCellsDensestTown);

void BM_CopyOfTheTownRecord(benchmark::State& state) {
    UseDensestTown();
    for (auto _ : state) {
        Town copy = Scen.Towns[0];
        benchmark::DoNotOptimize(copy.Fields.data());
    }
}
BENCHMARK(BM_CopyOfTheTownRecord);

// One copy of an image the size of the surface, the yardstick of a repaint.
void PlainCopy(benchmark::State& state, int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(0xFF406080u);
    Surface surface(w, h);
    for (auto _ : state) {
        CopyBlock(surface, {0, 0, w, h}, image, {0, 0, w, h});
        benchmark::DoNotOptimize(surface.Pixels().constBits());
    }
}

void BM_ZoomedRepaintDensestView(benchmark::State& state) {
    LoadSheetsOnce();
    UseDensestTown();
    BuildMapCells();
    Map.ZoomView = true;
    Surface pic(256, 328);
    for (auto _ : state) {
        pic.Clear();
        DrawMapView(pic);
        benchmark::DoNotOptimize(pic.Pixels().constBits());
    }
}
BENCHMARK(BM_ZoomedRepaintDensestView);

void BM_PlainCopy256x328(benchmark::State& state) {
    PlainCopy(state, 256, 328);
}
BENCHMARK(BM_PlainCopy256x328);

void BM_WholeRepaintLargeTown(benchmark::State& state) {
    LoadSheetsOnce();
    UseDensestTown();
    BuildMapCells();
    Map.ZoomView = false;
    Surface pic(388, 388);
    for (auto _ : state) {
        pic.Clear();
        DrawWholeMap(pic);
        benchmark::DoNotOptimize(pic.Pixels().constBits());
    }
}
BENCHMARK(BM_WholeRepaintLargeTown);

void BM_PlainCopy388x388(benchmark::State& state) {
    PlainCopy(state, 388, 388);
}
BENCHMARK(BM_PlainCopy388x388);
} // namespace

BENCHMARK_MAIN();

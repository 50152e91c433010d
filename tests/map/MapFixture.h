#pragma once

#include "map/MapCells.h"
#include "map/MapHost.h"
#include "map/MapState.h"
#include "scenario/NewScenario.h"
#include "scenario/Scenario.h"
#include "scenario/ScenarioClearing.h"
#include "support/SampleScenario.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

// Starts each test with a fresh map state and puts the program's back afterwards (the
// scenario is put back by the guard every test runs under).
class MapFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        savedMap_ = Map;
        Map = MapState{};
    }
    void TearDown() override { Map = std::move(savedMap_); }

    // A scenario with town 0 of the size (0 large, 1 medium, 2 small) as the current town,
    // every list of it free, and the scenario's start in another town.
    static Scenario TownScenario(std::int16_t size) {
        Scenario s = MakeMinimalScenario();
        CreateTown(s, 0, "Test", size, 0);
        s.Towns[0].EntryPoints.fill(Location{200, 200});
        s.Towns[0].Boundary = {};
        s.StartTown = 9;
        for (auto* list : {&s.Boats, &s.Horses})
            list->fill(Transport{-1, 0, 0, 0});
        for (SavedItemArea& area : s.SavedItemAreas)
            area.Town = -1;
        return s;
    }

    static void BuildTown(const Scenario& s) {
        Scen = s;
        Map.EditMode = static_cast<std::int16_t>(s.Towns[s.CurrentTown].Size);
        BuildMapCells();
    }

    // Section terrain that tells its section and cell apart.
    static std::uint8_t SectionTerrain(int sx, int sy, int x, int y) {
        return static_cast<std::uint8_t>((sx * 7 + sy * 31 + x * 3 + y * 5) % 89);
    }
    static Scenario World(int width, int height) {
        Scenario s = MakeMinimalScenario();
        s.OutdoorWidth = static_cast<std::uint8_t>(width);
        s.OutdoorHeight = static_cast<std::uint8_t>(height);
        s.OutdoorSections = OutdoorGrid(width, height);
        for (int sx = 0; sx < width; ++sx)
            for (int sy = 0; sy < height; ++sy) {
                ClearOutdoorSection(s, static_cast<std::int16_t>(sx),
                                    static_cast<std::int16_t>(sy));
                for (int y = 0; y < kOutdoorSide; ++y)
                    for (int x = 0; x < kOutdoorSide; ++x)
                        s.OutdoorSections.At(sx, sy).Terrain.At(x, y) =
                            SectionTerrain(sx, sy, x, y);
            }
        s.StartOutdoorSection = {9, 9};
        return s;
    }
    static void BuildSection(const Scenario& s, int sx, int sy) {
        Scen = s;
        Scen.CurrentOutdoorX = static_cast<std::uint8_t>(sx);
        Scen.CurrentOutdoorY = static_cast<std::uint8_t>(sy);
        Map.EditMode = kEditOutdoors;
        BuildMapCells();
    }

  private:
    MapState savedMap_;
};

// Records what the map asks its window to redraw.
struct RecordingHost : MapHost {
    std::vector<std::pair<int, int>> cells;
    int views = 0;
    void RedrawCell(int x, int y) override { cells.emplace_back(x, y); }
    void RedrawView() override { ++views; }
};

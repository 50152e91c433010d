#pragma once

#include "map/MapHost.h"
#include "map/MapState.h"
#include "scenario/NewScenario.h"
#include "scenario/Scenario.h"
#include "support/SampleScenario.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

// Keeps the scenario and the map state of the program as they were before each test.
class MapFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        savedScen_ = Scen;
        savedMap_ = Map;
        Map = MapState{};
    }
    void TearDown() override {
        Scen = std::move(savedScen_);
        Map = std::move(savedMap_);
    }

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

  private:
    Scenario savedScen_;
    MapState savedMap_;
};

// Records what the map asks its window to redraw.
struct RecordingHost : MapHost {
    std::vector<std::pair<int, int>> cells;
    int views = 0;
    void RedrawCell(int x, int y) override { cells.emplace_back(x, y); }
    void RedrawView() override { ++views; }
};

#pragma once

#include "map/MapFixture.h"
#include "map/ScriptedToolHost.h"
#include "map/tools/ToolState.h"
#include "scenario/tables/CommonTables.h"

#include <set>
#include <utility>

using CellSet = std::set<std::pair<int, int>>;

// A map fixture whose areas hold terrain 0 everywhere, with the tools' state fresh.
class ToolFixture : public MapFixture {
  protected:
    void SetUp() override {
        MapFixture::SetUp();
        InitCommonTables();
        savedTools_ = Tools;
        Tools = ToolState{};
    }
    void TearDown() override {
        Tools = savedTools_;
        MapFixture::TearDown();
    }

    static void BlankTown(std::int16_t size = 0) {
        Scenario s = TownScenario(size);
        TerrainGrid& grid = s.Towns[0].Terrain;
        for (int y = 0; y < grid.Side(); ++y)
            for (int x = 0; x < grid.Side(); ++x)
                grid.At(x, y) = 0;
        BuildTown(s);
    }
    static void BlankSection() {
        Scenario s = World(1, 1);
        for (int y = 0; y < kOutdoorSide; ++y)
            for (int x = 0; x < kOutdoorSide; ++x)
                s.OutdoorSections.At(0, 0).Terrain.At(x, y) = 0;
        BuildSection(s, 0, 0);
    }
    static int TerrainAt(int x, int y) { return Map.MapCells.At(x, y).Terrain; }
    // The grid cells that hold something other than terrain 0.
    static CellSet PaintedCells() {
        CellSet painted;
        for (int y = 0; y < Map.MapCells.Side(); ++y)
            for (int x = 0; x < Map.MapCells.Side(); ++x)
                if (TerrainAt(x, y) != 0) painted.emplace(x, y);
        return painted;
    }
    static std::uint8_t Wall(int style, int shape) {
        return WallTerrains[static_cast<std::size_t>(style)][static_cast<std::size_t>(shape)];
    }

    ScriptedToolHost host;

  private:
    ToolState savedTools_;
};

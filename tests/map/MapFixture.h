#pragma once

#include "map/MapCells.h"
#include "map/MapHost.h"
#include "map/MapState.h"
#include "map/objects/AreaObjects.h"
#include "map/objects/ObjectState.h"
#include "map/ToolHost.h"
#include "map/tools/ToolState.h"
#include "map/tools/ToolTable.h"
#include "scenario/NewScenario.h"
#include "scenario/Scenario.h"
#include "scenario/ScenarioClearing.h"
#include "scenario/tables/CommonTables.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

// Starts each test with a fresh map state (the guard every test runs under puts the program's
// scenario and map, object and tool states back afterwards).
class MapFixture : public ::testing::Test {
  protected:
    void SetUp() override { Map = MapState{}; }

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
};

// Records what the map asks its window to redraw.
struct RecordingHost : MapHost {
    std::vector<std::pair<int, int>> cells;
    int views = 0;
    void RedrawCell(int x, int y) override { cells.emplace_back(x, y); }
    void RedrawView() override { ++views; }
};

// A tool host that records what the tools ask of the window. Every dialog opening is recorded
// in order with the record number it was opened with, and answered by the script given for
// that dialog, if any, then by onDialog.
struct ScriptedToolHost : ToolHost {
    std::vector<std::pair<int, int>> cells;
    std::set<std::pair<int, int>> redrawn;
    int views = 0;
    int drawToolSelections = 0;
    int selTerrainRefreshes = 0;
    std::string prompt;
    ToolCursor cursor = ToolCursor::Unchanged;
    std::vector<std::pair<int, int>> signsPlaced;
    std::vector<std::pair<int, int>> entrancesPlaced;
    std::vector<std::pair<std::string, int>> opened;
    std::map<std::string, std::function<void(int)>> answers;
    std::function<void()> onDialog;
    int specialNodeResult = -1;

    void RedrawCell(int x, int y) override {
        cells.emplace_back(x, y);
        redrawn.emplace(x, y);
    }
    void RedrawView() override { ++views; }
    void SelectDrawTerrainTool() override {
        ++drawToolSelections;
        Tools.CurrentTool = 0;
        cursor = ToolCursor::Pencil;
    }
    void ShowToolPrompt(const std::string& text) override { prompt = text; }
    void SetMapCursor(ToolCursor c) override { cursor = c; }
    void RefreshSelTerrain() override { ++selTerrainRefreshes; }
    void PassEvents() override {}
    void PlaceSign(int x, int y) override {
        signsPlaced.emplace_back(x, y);
        Dialog();
    }
    void PlaceTownEntrance(int x, int y) override {
        entrancesPlaced.emplace_back(x, y);
        Dialog();
    }
    void EditAreaRect(int slot) override { Open("area", slot); }
    void EditPresetItem(int index) override { Open("item", index); }
    void EditTownCreature(int index) override { Open("creature", index); }
    void EditSign(int index) override { Open("sign", index); }
    int EditSpecialNode(int node, int) override {
        Open("node", node);
        return specialNodeResult;
    }
    void SetSpecial(int spot) override { Open("spot", spot); }
    void SetTownEntrance(int slot) override { Open("entrance", slot); }
    void ReplaceTerrain() override { Dialog(); }

  private:
    void Open(const std::string& dialog, int number) {
        opened.emplace_back(dialog, number);
        if (auto it = answers.find(dialog); it != answers.end()) it->second(number);
        Dialog();
    }
    void Dialog() {
        if (onDialog) onDialog();
    }
};

using CellSet = std::set<std::pair<int, int>>;

// A map fixture whose areas hold terrain 0 everywhere, with the tools' state fresh.
class ToolFixture : public MapFixture {
  protected:
    void SetUp() override {
        MapFixture::SetUp();
        InitCommonTables();
        Tools = ToolState{};
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
};

class PlacementFixture : public ToolFixture {
  protected:
    void SetUp() override {
        ToolFixture::SetUp();
        Objects = ObjectState{};
    }

    void Click(int tool, int x, int y) {
        Tools.CurrentTool = static_cast<std::int16_t>(tool);
        MapTools()[static_cast<std::size_t>(tool)].Apply(x, y, host);
    }
    static Town& CurrentTown() { return Scen.Towns[Scen.CurrentTown]; }
    static OutdoorSection& Section() {
        return Scen.OutdoorSections.At(Scen.CurrentOutdoorX, Scen.CurrentOutdoorY);
    }
    static const MapCell& Cell(int x, int y) { return Map.MapCells.At(x, y); }
    // A spot on the cell running a node that is in use.
    static void PasteSpecialOn(int x, int y, std::int16_t node) {
        CurrentTown().SpecialNodes[static_cast<std::size_t>(node)].Type = 5;
        PasteSpecial(x, y, node);
    }
    // Monster types 1 and 4 draw one tile and two by two tiles.
    static void MonsterPictures() {
        Scen.MonsterTypes[1].Picture = 0;
        Scen.MonsterTypes[4].Picture = 4000;
    }
    void AnswerCreature(std::uint8_t monster) {
        host.answers["creature"] = [monster](int i) {
            Scen.Towns[Scen.CurrentTown].Creatures[static_cast<std::size_t>(i)].Monster = monster;
        };
    }
    void AnswerItem(std::int16_t item) {
        host.answers["item"] = [item](int i) {
            Scen.Towns[Scen.CurrentTown].PresetItems[static_cast<std::size_t>(i)].Item = item;
        };
    }
    static std::vector<std::string> Texts(const MsgBoxRecorder& boxes) {
        std::vector<std::string> texts;
        for (const MsgBoxCall& call : boxes.Calls()) {
            EXPECT_EQ(call.title, "Error!");
            texts.push_back(call.text);
        }
        return texts;
    }

    MsgBoxRecorder boxes;
};

#pragma once

#include "map/MapCells.h"
#include "map/objects/ObjectState.h"
#include "map/tools/ToolState.h"
#include "map/tools/ToolTable.h"
#include "scenario/NewScenario.h"
#include "scenario/ScenarioClearing.h"
#include "scenario/tables/CommonTables.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>

using CellSet = std::set<std::pair<int, int>>;
using Strings = std::vector<std::string>;
inline const auto Str = [](long n) { return std::to_string(n); };

// A tool host that records what the tools ask of the window. Every dialog opening is recorded
// in order as "name number" (placings as "name at x,y"), and answered by the script given for
// that dialog, if any, then by onDialog.
struct ScriptedToolHost : ToolHost {
    CellSet redrawn;
    int views = 0, drawToolSelections = 0, selTerrainRefreshes = 0, specialNodeResult = -1;
    std::string prompt;
    ToolCursor cursor = ToolCursor::Unchanged;
    Strings opened;
    std::map<std::string, std::function<void(int)>> answers;
    std::function<void()> onDialog;

    void RedrawCell(int x, int y) override { redrawn.emplace(x, y); }
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
    void PlaceSign(int x, int y) override { Open("sign at", x, y); }
    void PlaceTownEntrance(int x, int y) override { Open("town at", x, y); }
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
    void ReplaceTerrain() override { Open("replace", 0); }

  private:
    void Open(const std::string& dialog, int number, int y = -1) {
        opened.push_back(dialog + " " + Str(number) + (y < 0 ? "" : "," + Str(y)));
        if (auto it = answers.find(dialog); it != answers.end()) it->second(number);
        if (onDialog) onDialog();
    }
};

// Starts each test with fresh map, tool and object states (the guard every test runs under
// puts the program's scenario and those states back afterwards).
class MapFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        Map = MapState{};
        InitCommonTables();
        Tools = ToolState{};
        Objects = ObjectState{};
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
    static void BuildTown(const Scenario& s) {
        Scen = s;
        Map.EditMode = static_cast<std::int16_t>(s.Towns[s.CurrentTown].Size);
        BuildMapCells();
    }
    // Section terrain that tells its section and cell apart.
    static std::uint8_t SectionTerrain(int sx, int sy, int x, int y) {
        return static_cast<std::uint8_t>((sx * 7 + sy * 31 + x * 3 + y * 5) % 89);
    }
    // A world whose terrain is SectionTerrain.
    static Scenario World(int width, int height) {
        Scenario s = MakeMinimalScenario();
        s.OutdoorWidth = static_cast<std::uint8_t>(width);
        s.OutdoorHeight = static_cast<std::uint8_t>(height);
        s.OutdoorSections = OutdoorGrid(width, height);
        for (std::int16_t sx = 0; sx < width; ++sx)
            for (std::int16_t sy = 0; sy < height; ++sy) {
                ClearOutdoorSection(s, sx, sy);
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
    // Areas holding terrain 0 everywhere (the section's border ring holds 90).
    static void BlankTown(std::int16_t size = 0) {
        Scenario s = TownScenario(size);
        std::ranges::fill(s.Towns[0].Terrain.Cells(), 0);
        BuildTown(s);
    }
    static void BlankSection() {
        Scenario s = World(1, 1);
        std::ranges::fill(s.OutdoorSections.At(0, 0).Terrain.Cells(), 0);
        BuildSection(s, 0, 0);
    }
    static Town& CurrentTown() { return Scen.Towns[Scen.CurrentTown]; }
    static OutdoorSection& Section() {
        return Scen.OutdoorSections.At(Scen.CurrentOutdoorX, Scen.CurrentOutdoorY);
    }
    static const MapCell& Cell(int x, int y) { return Map.MapCells.At(x, y); }
    static int TerrainAt(int x, int y) { return Cell(x, y).Terrain; }
    // The cells holding the terrain, or any but 0.
    static CellSet PaintedCells(int terrain = -1) {
        CellSet found;
        for (int y = 0; y < Map.MapCells.Side(); ++y)
            for (int x = 0; x < Map.MapCells.Side(); ++x)
                if (terrain < 0 ? TerrainAt(x, y) != 0 : TerrainAt(x, y) == terrain)
                    found.emplace(x, y);
        return found;
    }
    // One character per cell of [x0, x1] x [y0, y1], rows joined by '/'.
    template <class Char> static std::string Picture(int x0, int y0, int x1, int y1, Char ch) {
        std::string text;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1 + 1; ++x)
                text += x > x1 ? '/' : static_cast<char>(ch(Cell(x, y)));
        text.pop_back();
        return text;
    }
    // '.' for terrain 0, '#' for any other.
    static std::string Painted(int x0, int y0, int x1, int y1) {
        return Picture(x0, y0, x1, y1, [](const MapCell& c) { return c.Terrain ? '#' : '.'; });
    }
    // What the grid marks, in row order, as "x,y:" and a code a mark: S start, W arrival, E entry
    // point, p spot, s sign, e town entrance (outdoors), and in a town f field kind=index,
    // i item, c creature.tile, b boat, h horse; all but S and W with their numbers.
    static std::string Marks() {
        std::string text;
        const bool town = Map.EditMode != kEditOutdoors;
        for (int y = 0; y < Map.MapCells.Side(); ++y)
            for (int x = 0; x < Map.MapCells.Side(); ++x) {
                const MapCell& c = Cell(x, y);
                std::string m = std::string(c.StartMark ? "S" : "") + (c.WanderMark ? "W" : "");
                const auto add = [&m](bool on, const std::string& code) { m += on ? code : ""; };
                for (int i = 0; i < 4; ++i)
                    add(c.EntryMark[i], "E" + Str(i));
                add(c.SpotIndex >= 0, "p" + Str(c.SpotIndex));
                add(c.SignIndex >= 0, "s" + Str(c.SignIndex));
                add(!town && c.EntranceIndex >= 0, "e" + Str(c.EntranceIndex));
                for (int k = 0; k < kFieldKinds; ++k)
                    add(town && c.FieldIndex[k] >= 0, "f" + Str(k) + "=" + Str(c.FieldIndex[k]));
                for (const std::int16_t item : c.ItemIndexes)
                    add(true, "i" + Str(item));
                for (const CreatureTile& t : c.CreatureTiles)
                    add(true, "c" + Str(t.Creature) + "." + Str(t.Tile));
                add(town && c.TransportMark >= 0, c.TransportMark ? "h" : "b");
                text +=
                    m.empty() ? "" : (text.empty() ? "" : " ") + Str(x) + "," + Str(y) + ":" + m;
            }
        return text;
    }
    static std::uint8_t Wall(int style, int shape) {
        return WallTerrains[static_cast<std::size_t>(style)][static_cast<std::size_t>(shape)];
    }
    // Applies each {tool, x, y} in turn.
    void Click(std::initializer_list<std::array<int, 3>> clicks) {
        for (const auto& [tool, x, y] : clicks) {
            // A button forgets the first click of the tool before.
            if (Tools.CurrentTool != tool) Tools.ClickStep = 0;
            Tools.CurrentTool = static_cast<std::int16_t>(tool);
            MapTools()[static_cast<std::size_t>(tool)].Apply(x, y, host);
        }
    }
    // Monster types 1 and 4 draw one tile and two by two tiles.
    static void MonsterPictures() {
        Scen.MonsterTypes[1].Picture = 0;
        Scen.MonsterTypes[4].Picture = 4000;
    }
    // Answers the item or creature dialog by giving the entry it opened that item or monster.
    void Answer(const std::string& dialog, int value) {
        host.answers[dialog] = [dialog, value](int i) {
            const auto index = static_cast<std::size_t>(i);
            if (dialog == "item")
                CurrentTown().PresetItems[index].Item = static_cast<std::int16_t>(value);
            else
                CurrentTown().Creatures[index].Monster = static_cast<std::uint8_t>(value);
        };
    }
    // The state line of a session: the marks (which a grid built afresh from the records shows
    // too), then the dialogs opened, the tool in use with its click step, the prompt and the
    // error boxes since the last state line.
    std::string State() {
        std::string text = Marks();
        BuildMapCells();
        EXPECT_EQ(Marks(), text) << "the records differ from the grid";
        for (const std::string& dialog : std::exchange(host.opened, {}))
            text += " [" + dialog + "]";
        if (Tools.CurrentTool)
            text += " tool " + Str(Tools.CurrentTool) + "." + Str(Tools.ClickStep);
        if (!host.prompt.empty()) text += " '" + std::exchange(host.prompt, {}) + "'";
        for (; seenBoxes < boxes.Calls().size(); ++seenBoxes) {
            EXPECT_EQ(boxes.Calls()[seenBoxes].title, "Error!");
            text += " !" + boxes.Calls()[seenBoxes].text;
        }
        return text.erase(0, text.find_first_not_of(' '));
    }
    // Applies the clicks, then checks the state line.
    void Step(std::initializer_list<std::array<int, 3>> clicks, const std::string& state) {
        Click(clicks);
        EXPECT_EQ(State(), state);
    }

    ScriptedToolHost host;
    MsgBoxRecorder boxes;
    std::size_t seenBoxes = 0;
};

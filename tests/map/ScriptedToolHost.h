#pragma once

#include "map/ToolHost.h"
#include "map/tools/ToolState.h"

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// A tool host that records what the tools ask of the window; a dialog can be given an action.
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
    std::function<void()> onDialog;

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
    void EditAreaRect(int) override { Dialog(); }
    void EditPresetItem(int) override { Dialog(); }
    void EditTownCreature(int) override { Dialog(); }
    void EditSign(int) override { Dialog(); }
    int EditSpecialNode(int node, int) override {
        Dialog();
        return node;
    }
    void SetSpecial(int) override { Dialog(); }
    void SetTownEntrance(int) override { Dialog(); }
    void ReplaceTerrain() override { Dialog(); }

  private:
    void Dialog() {
        if (onDialog) onDialog();
    }
};

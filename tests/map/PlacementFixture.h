#pragma once

#include "map/ToolFixture.h"
#include "map/objects/AreaObjects.h"
#include "map/objects/ObjectState.h"
#include "map/tools/ToolTable.h"
#include "support/MsgBoxRecorder.h"

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

// A tool host whose dialogs are answered by a script per dialog, each given the record number
// the dialog was opened with; every opening is recorded in order.
struct PlacementHost : ScriptedToolHost {
    std::vector<std::pair<std::string, int>> opened;
    std::map<std::string, std::function<void(int)>> answers;
    int specialNodeResult = -1;

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

  private:
    void Open(const std::string& dialog, int number) {
        opened.emplace_back(dialog, number);
        if (auto it = answers.find(dialog); it != answers.end()) it->second(number);
    }
};

class PlacementFixture : public ToolFixture {
  protected:
    // The test guard puts the program's object state back afterwards.
    void SetUp() override {
        ToolFixture::SetUp();
        Objects = ObjectState{};
    }

    void Click(int tool, int x, int y) {
        Tools.CurrentTool = static_cast<std::int16_t>(tool);
        MapTools()[static_cast<std::size_t>(tool)].Apply(x, y, dialogs);
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
        dialogs.answers["creature"] = [monster](int i) {
            Scen.Towns[Scen.CurrentTown].Creatures[static_cast<std::size_t>(i)].Monster = monster;
        };
    }
    void AnswerItem(std::int16_t item) {
        dialogs.answers["item"] = [item](int i) {
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

    PlacementHost dialogs;
    MsgBoxRecorder boxes;
};

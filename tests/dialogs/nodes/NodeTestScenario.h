#pragma once

#include "dialogs/nodes/NodeStorage.h"
#include "scenario/Scenario.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/Ints.h"
#include "support/SampleScenario.h"

#include <gtest/gtest.h>

// A scenario of one section and two towns whose node families and message tables are all
// free; the current town is 1 and the current section (0, 0). The name tables are filled
// afresh for each test, since the node editor rewrites entry 229 of the node types.
class NodeScenarioTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitCommonTables();
        InitScenEditorTables();
        Scen = MakeMinimalScenario();
        Scen.Towns.push_back(Scen.Towns[0]);
        Scen.TownTalks.push_back(Scen.TownTalks[0]);
        Scen.TownCount = 2;
        Scen.CurrentTown = 1;
        FreeEverything();
    }
    static void FreeEverything() {
        const SpecialNode free{0, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
        Scen.ScenSpecialNodes.fill(free);
        Scen.OutdoorSections.At(0, 0).SpecialNodes.fill(free);
        for (Town& town : Scen.Towns) {
            town.SpecialNodes.fill(free);
            town.Strings.fill("*");
        }
        Scen.OutdoorSections.At(0, 0).Strings.fill("*");
        Scen.ScenStrings.fill("*");
    }
    static void Use(std::int32_t family, int node, std::int16_t type, std::int16_t jumpTo = -1) {
        SpecialNode& stored = FamilyNode(Scen, family, node);
        stored.Type = type;
        stored.JumpTo = jumpTo;
    }
};

#pragma once

#include "dialogs/nodes/frmEditSpNode.h"
#include "map/MapState.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/Ints.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"
#include "support/ScriptPlayer.h"

// A scenario of one section and two towns whose node families and message tables are all
// free; the current town is 1 and the current section (0, 0). The name tables are filled
// afresh for each test, since the node editor rewrites entry 229 of the node types. The node,
// talk and text windows open as their openers do, through a WindowScript, in a small town's edit
// mode, which the sign and special-spot dialogs read (the test guard puts it back).
class NodeWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Map.EditMode = kEditSmallTown;
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
        Scen.OutdoorSections.At(0, 0).Strings.fill("*");
        Scen.ScenStrings.fill("*");
        for (Town& town : Scen.Towns) {
            town.SpecialNodes.fill(free);
            town.Strings.fill("*");
        }
    }
    static void Use(std::int32_t family, int node, std::int16_t type, std::int16_t jumpTo = -1) {
        FamilyNode(Scen, family, node).Type = type;
        FamilyNode(Scen, family, node).JumpTo = jumpTo;
    }
    void TearDown() override { UnloadAllForms(); }
    // Sets up the shared Form and shows it modally; any window opening fails the test.
    template <class Form> static Form& NotOpened(const std::function<void(Form&)>& setup) {
        WindowScript none;
        Form& form = SharedForm<Form>();
        setup(form);
        ShowModal(form);
        return form;
    }
    static std::function<void(frmEditSpNode&)> At(std::int32_t family, std::int16_t node) {
        return [=](frmEditSpNode& e) { e.NodeSet = family, e.NodeNum = node; };
    }
    MsgBoxRecorder boxes;
};

// The texts of the boxes or labels, joined with "|".
template <class Widgets> QString Joined(const Widgets& widgets) {
    QStringList texts;
    for (const auto* widget : widgets)
        texts << widget->text();
    return texts.join('|');
}

#pragma once

#include "scenario/Scenario.h"

#include <cstdint>
#include <string>
#include <string_view>

// What the new-scenario dialog collects. Texts are Windows-1252, like every text of the model.
struct NewScenarioChoices {
    std::string ScenName;      // becomes scenario string 0
    std::string FileName;      // without the ".vrs" that CreateScenario adds
    int OutdoorWidth = 1;      // sections across, 1..50
    int OutdoorHeight = 1;     // sections down, 1..50
    bool Grass = false;        // grass outdoors and a grass town 0; cave floor when false
    std::int16_t TownSize = 1; // size of town 0: 0 large, 1 medium, 2 small
};

// The message that refuses a file name for a new scenario, or "" when the name is acceptable.
// The name must stay a plain file in the scenario folder: an empty name, a slash, a backslash,
// ".." or a control character is refused. A name that an existing scenario already has is
// allowed (saving will replace that file).
std::string NewScenarioFileNameProblem(std::string_view fileName);

// Builds a new scenario from the base scenario in the program's scenario folder and makes it
// the current one. The base file is only read; when it is missing, not in the editor's own
// layout, or any step fails, the "CreateScenario" error box is shown and the current
// scenario, its file names and its flag names stay exactly as they were. Returns true when the
// new scenario replaced the current one. The new scenario keeps the flag names of the one it
// replaces. The caller reloads the custom picture sheet (a new scenario normally has none).
bool CreateScenario(const NewScenarioChoices& choices);

// The base scenario file, under the program folder.
std::string BaseScenarioPath();

// Gives section (x, y) of scen, which must exist, its initial terrain, encounters and strings:
// kind 0 cave floor with cave walls, kind 1 grass with stone walls, the walls running along
// whichever sides of the section lie on the edge of the world.
void InitOutdoorSection(Scenario& scen, std::int16_t x, std::int16_t y, std::int16_t kind);

// Resizes the towns (and their talk records) to hold indices 0..town, keeping those before
// it, and gives that town its initial values: size 0 large, 1 medium, 2 small; terrain 0 cave
// floor, 1 plain grass, 2 grass with flowers. TownCount is left to the caller. Returns the
// largest cell index of the new town (63, 47 or 31), which the map view takes as its MapMax.
int CreateTown(Scenario& scen, std::int16_t town, const std::string& name, std::int16_t size,
               std::int16_t terrain);

#pragma once

#include "scenario/Scenario.h"

#include <cstdint>
#include <string>

// A scenario whose every stored field holds a varied, non-default value (texts of 0 to 255
// characters with bytes above 127 among them), shaped so that writing and reading it back
// must give it again exactly: fixed-length texts carry their full length, wall groups follow
// the terrain number, and the outdoor start's y equals the lock flag.
Scenario MakeVariedScenario(int outdoorWidth, int outdoorHeight, int townCount,
                            std::uint32_t seed = 1);

// The smallest valid scenario: one section and one small town, all cleared.
Scenario MakeMinimalScenario();

// Writes the scenario to the path in the editor's own layout.
void WriteScenarioFile(const std::string& path, const Scenario& s);

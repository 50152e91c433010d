#pragma once

#include "scenario/Scenario.h"

#include <array>
#include <cstdint>

// The working copy of the encounter editor: the four encounters of one set of the current
// outdoor section, and the one on show, which the controls edit.
struct EncounterCopy {
    std::array<OutdoorEncounter, 4> Encounters{};
    OutdoorEncounter Shown{};
    std::int16_t Current = 0;
};

// The set that the context names: 0 the wandering encounters, 1 the special encounters; null
// for any other context.
std::array<OutdoorEncounter, 4>* EncounterSet(OutdoorSection& section, std::int16_t context);

// The copy of the set that the context names, at its first encounter; a context that names no
// set gives four empty encounters, and saving that copy stores nothing.
EncounterCopy LoadEncounterCopy(OutdoorSection& section, std::int16_t context);
void SaveEncounterCopy(const EncounterCopy& copy, OutdoorSection& section, std::int16_t context);

// The node an encounter keeps after the node editor returned. A node that the editor was asked
// to allocate and that is still free afterwards is no node: the encounter keeps -1.
std::int16_t EncounterNodeAfterEditing(const Scenario& scen, std::int16_t opened,
                                       std::int16_t returned);

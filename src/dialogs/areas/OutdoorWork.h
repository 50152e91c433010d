#pragma once

#include "scenario/Scenario.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The working copy of the encounter editor: the four encounters of one set of the current
// outdoor section, and the one on show, which the controls edit.
struct EncounterWork {
    std::array<OutdoorEncounter, 4> Encounters{};
    OutdoorEncounter Shown{};
    std::int16_t Current = 0;
};

// The set that the context names: 0 the wandering encounters, 1 the special encounters; null
// for any other context.
std::array<OutdoorEncounter, 4>* EncounterSet(OutdoorSection& section, std::int16_t context);

// The node an encounter keeps after the node editor returned. A node that the editor was asked
// to allocate and that is still free afterwards is no node: the encounter keeps -1.
std::int16_t EncounterNodeAfterEditing(const Scenario& scen, std::int16_t opened,
                                       std::int16_t returned);

// "x,y - name" for each outdoor section, x in the outer loop.
std::vector<std::string> OutdoorSectionEntries(const Scenario& scen);
// The row of section (x, y) in that list, and the section of a row.
int SectionRow(int x, int y, int height);
Location SectionOfRow(int row, int height);

// Stores the ten variable town entries; an entry without a town keeps no flag.
void SaveVarTownEntries(std::array<VarTownEntry, 10> entries, Scenario& scen);

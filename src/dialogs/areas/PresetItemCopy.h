#pragma once

#include "scenario/Scenario.h"

#include <cstdint>
#include <string>
#include <vector>

// The working copy of one preset item of the current town. In the browse context (the Town
// menu's list) an item type of -1 stands for no item; in the map context every slot shows an
// item type, so an absent item is offered as type 0.
struct PresetItemCopy {
    std::int16_t Item = -1;
    std::int16_t X = 0;
    std::int16_t Y = 0;
    std::int16_t Charges = -1;
    std::uint8_t AlwaysHere = 0;
    std::uint8_t Property = 0;
    std::uint8_t Contained = 0;
};

PresetItemCopy LoadPresetItemCopy(const PresetItem& record, bool browse);

// Writes the working copy into the record; in the browse context "no item" frees the slot.
void SavePresetItemCopy(const PresetItemCopy& work, PresetItem& record, bool browse);

// The item list: "n- name" for n = 0..499, with "No Item" first in the browse context.
std::vector<std::string> PresetItemEntries(const Scenario& scen, bool browse);

// The list row of an item type, or -1 when the type has no row (a stale number).
int PresetItemRow(std::int16_t item, bool browse);
// The item type of a list row.
std::int16_t PresetItemOfRow(int row, bool browse);

// Whether the item type names a record whose picture can be drawn.
bool IsKnownItemType(std::int16_t item);

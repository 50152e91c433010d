#pragma once

#include "scenario/Scenario.h"

#include <array>
#include <cstdint>
#include <string>

// The area rectangles of the current town or outdoor section and their descriptions, as the
// area description dialogs edit them. Rectangle i is described by string i + 1 of its area.

// Which area a dialog works on: the current outdoor section (8 rectangles) or the current
// town (16 rectangles).
enum class AreaOwner { Outdoors = 0, Town = 1 };

constexpr int kAreaRowsPerPage = 8;

int AreaSlotCount(AreaOwner owner);

// A slot whose four values add up to 0 holds no rectangle.
bool IsAreaPlaced(const AreaRect& rect);

// The text of a row's corner label: "X = left, Y = top", or "Not yet placed".
std::string AreaCornerText(const AreaRect& rect);

// The working copy of the list of rectangles; outdoors only entries 0..7 are used.
struct AreaDescCopy {
    std::array<AreaRect, 16> AreaRects{};
    std::array<std::string, 16> AreaTexts;
    std::int16_t Page = 0;
};

AreaDescCopy LoadAreaDescCopy(const Scenario& scen, AreaOwner owner);
void SaveAreaDescCopy(Scenario& scen, AreaOwner owner, const AreaDescCopy& work);

// The page after moving by step (-1 or +1), wrapping between the two pages of a town.
std::int16_t TurnAreaPage(std::int16_t page, int step);

// The rectangle slot and description string of slot areaNum of the current area.
AreaRect& CurrentAreaRect(Scenario& scen, AreaOwner owner, std::int16_t areaNum);
std::string& CurrentAreaText(Scenario& scen, AreaOwner owner, std::int16_t areaNum);

// The area that the map is editing: edit modes 0..2 are the current town, 3 the outdoors.
AreaOwner AreaOwnerOfEditMode(std::int16_t editMode);

#pragma once

#include "scenario/Scenario.h"

#include <array>
#include <cstdint>
#include <string>

// The working copy of the current town's header values, as the town details dialog edits it.
// An unset exit location coordinate (stored 255) is held as -1.
struct TownDetailsCopy {
    std::string Name;
    std::uint8_t Size = 0;
    std::int16_t DayDies = 0;
    std::int16_t EventStop = 0;
    std::int16_t Lighting = 0;
    std::int16_t MaxMonsters = 0;
    std::int16_t Difficulty = 0;
    std::array<std::int16_t, 4> ExitSpecials{};
    std::array<std::int16_t, 2> EntrySpecials{};
    std::array<std::int16_t, 8> ExitLocs{}; // x then y of exit locations 0..3
    std::uint8_t Hidden = 0;
    std::uint8_t SectionX = 0;
    std::uint8_t SectionY = 0;
    std::uint8_t EntranceX = 0;
    std::uint8_t EntranceY = 0;
};

TownDetailsCopy LoadTownDetailsCopy(const Town& town);
// Writes back what the dialog edits; size, section and place in the section stay as they are.
void SaveTownDetailsCopy(const TownDetailsCopy& work, Town& town);

// "64x64", "48x48", "32x32" for sizes 0..2; "" for any other size.
std::string TownSizeText(std::uint8_t size);

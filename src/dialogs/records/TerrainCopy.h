#pragma once

#include "scenario/ScenarioRecords.h"

#include <array>
#include <cstdint>
#include <string>

// The working copy of the terrain type editor and its rules, free of any window.

struct TerrainCopy {
    std::string Name;
    std::int16_t Picture = 0;
    std::array<std::int16_t, 2> Extra{};
    std::uint8_t Blockage = 0;
    std::uint8_t TransformTo = 0;
    std::int32_t FlyOver = 0;
    std::int32_t BoatOver = 0;
    std::int32_t HorseBlocked = 0;
    std::uint8_t Light = 0;
    std::uint8_t Sound = 0;
    std::uint8_t SpecialProperty = 0;
    char ShortcutKey = ' ';
    std::int16_t TerrainSet = 0;
    bool operator==(const TerrainCopy&) const = default;
};

constexpr std::int16_t kLastTerrain = 255;
// Terrain types up to this one are the game's own: only their shortcut key may change.
constexpr std::int16_t kLastFixedTerrain = 90;
constexpr int kTerrainNameLength = 30;

// Doors and quickfire terrain store "no sound" as 200; the editor's sound list has it at 99.
constexpr std::int16_t kStoredNoSound = 200;
constexpr std::int16_t kListedNoSound = 99;

TerrainCopy LoadTerrainCopy(const TerrainType& record);
// Fixed terrain types take only the shortcut key. Others take every field; an extra value
// that the special property does not use is stored as 0.
void SaveTerrainCopy(const TerrainCopy& copy, std::int16_t terrNum, TerrainType& record);

// What one extra value means under a special property.
struct ExtraValueRule {
    enum class PickList { None, Terrain, Sound };
    std::string Prompt = "Unused";
    PickList List = PickList::None;
    std::string Caption; // empty for an unused value, which is held at 0
    std::int16_t Min = 0;
    std::int16_t Max = 0;
    bool SoundRule = false; // numbers above 99 are refused after the validator's check
    bool Unused() const { return Caption.empty(); }
};
std::array<ExtraValueRule, 2> ExtraValueRules(std::uint8_t specialProperty);

constexpr int kTerrainListEntries = 256;
constexpr int kSoundListEntries = 100;

// The entry a pick list shows for a value: the value itself when the list has it, else none.
int PickListEntry(ExtraValueRule::PickList list, std::int16_t value);

// The pictures the three picker buttons start on (-1: none).
std::int16_t TerrainPickerSelection(std::int16_t picture);  // base terrain
std::int16_t AnimatedPickerSelection(std::int16_t picture); // animated terrain
std::int16_t CustomTerrainSelection(std::int16_t picture);  // custom sheet

constexpr std::int16_t kAnimatedTerrainBase = 400;
constexpr std::int16_t kCustomTerrainBase = 1000;
constexpr std::int16_t kAnimatedCustomBase = 2000;

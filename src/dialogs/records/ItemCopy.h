#pragma once

#include "scenario/ScenarioRecords.h"

#include <cstdint>
#include <string>

// The working copy of the item type editor and its rules, free of any window.

// The members that the item abilities dialog reads (and, for the use, the ability and its
// strength, writes). The item's kind is called ItemKind here, not ItemType, which names the
// record type of the model.
struct ItemEditorMembers {
    std::int16_t ItemKind = 0;
    std::uint8_t ItemUses = 0;
    std::int16_t Pict = 0;
    std::uint8_t SpAbility = 0;
    std::uint8_t SpAbilityStr = 0;
    std::string ItemName;
    std::uint8_t TreasureType = 0;
    std::uint8_t Identified = 0;
    std::uint8_t Magical = 0;
    std::uint8_t Cursed = 0;
    std::uint8_t ConcealAbility = 0;
    bool operator==(const ItemEditorMembers&) const = default;
};

struct ItemCopy : ItemEditorMembers {
    std::string UnidName;
    std::int16_t Level = 0;
    std::uint8_t Awkwardness = 0;
    std::uint8_t Bonus = 0;
    std::uint8_t Protection = 0;
    std::uint8_t Charges = 0;
    std::uint8_t WeaponType = 0;
    std::int16_t TypeFlag = 0;
    std::int16_t Value = 0;
    std::uint8_t Weight = 0;
    std::uint8_t SpecialClass = 0;
    bool operator==(const ItemCopy&) const = default;
};

constexpr std::int16_t kLastItem = 499;
constexpr int kItemNameLength = 25;
constexpr int kItemUnidNameLength = 15;
constexpr std::int16_t kCustomItemBase = 150;

ItemCopy LoadItemCopy(const ItemType& record);
void SaveItemCopy(const ItemCopy& copy, ItemType& record);

// A kind of 25 is an older "missile without ammunition": shown and saved as kind 24.
void NormaliseItemKind(ItemCopy& copy);

// Abilities 70..169 are used up charge by charge: such an item needs at least one.
bool NeedsCharges(const ItemCopy& copy);

// The pictures the two picker buttons start on (-1: none).
std::int16_t ItemPickerSelection(std::int16_t pict);
std::int16_t CustomItemSelection(std::int16_t pict);

// Whether the kind may be given special abilities at all; nothing is said for an allowed kind,
// else the message that refuses it.
std::string AbilitiesRefusal(std::int16_t kind);

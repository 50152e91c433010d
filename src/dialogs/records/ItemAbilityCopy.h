#pragma once

#include "dialogs/records/ItemCopy.h"

#include <cstdint>
#include <string>

// The working copy of the item abilities dialog and its rules, free of any window.

struct ItemAbilityCopy {
    std::int16_t Pict = 0;
    std::int16_t ItemNum = 0;
    std::string Name;
    std::uint8_t Kind = 0;
    std::uint8_t Ability = 0;
    std::uint8_t Strength = 0;
    std::uint8_t Uses = 0;
    bool operator==(const ItemAbilityCopy&) const = default;
};

ItemAbilityCopy LoadItemAbilityCopy(std::int16_t itemNum, const ItemEditorMembers& members);
// Writes the ability, its strength and its use; no ability has no strength.
void SaveItemAbilityCopy(const ItemAbilityCopy& copy, ItemEditorMembers& members);

// One of the six groups of abilities that a button of the dialog offers.
struct AbilityCategory {
    const char* Button;
    std::uint8_t First;
    std::uint8_t Last;
    const char* RefusalEnd; // completes "You can only give an ability of this sort to"
    const char* Caption;    // the strength caption while the category is chosen
};
constexpr int kAbilityCategories = 6;
const AbilityCategory& AbilityCategoryAt(int index);
bool CategoryAccepts(int index, std::uint8_t kind);
std::string CategoryRefusal(int index);

// The strength caption for an ability.
std::string StrengthCaption(std::uint8_t ability);

// The validator's caption and bounds for the strength of an ability.
struct StrengthCheck {
    std::string Caption;
    std::int16_t Min = 0;
    std::int16_t Max = 0;
};
StrengthCheck StrengthCheckFor(std::uint8_t ability);

// The names shown for a kind and an ability; a stored number beyond the name tables shows no
// name rather than reading past them.
std::string ItemKindName(std::uint8_t kind);
std::string ItemAbilityName(std::uint8_t ability);

#include "dialogs/records/ItemAbilityCopy.h"

#include "scenario/tables/EditorTables.h"

#include <array>

ItemAbilityCopy LoadItemAbilityCopy(std::int16_t itemNum, const ItemEditorMembers& m) {
    ItemAbilityCopy copy;
    copy.Pict = m.Pict;
    copy.ItemNum = itemNum;
    copy.Name = m.ItemName;
    copy.Kind = static_cast<std::uint8_t>(m.ItemKind);
    copy.Ability = m.SpAbility;
    copy.Strength = m.SpAbilityStr;
    copy.Uses = m.ItemUses;
    return copy;
}

void SaveItemAbilityCopy(const ItemAbilityCopy& copy, ItemEditorMembers& m) {
    m.SpAbility = copy.Ability;
    m.SpAbilityStr = copy.Ability == 0 ? std::uint8_t{0} : copy.Strength;
    m.ItemUses = copy.Uses;
}

namespace {
constexpr std::array<AbilityCategory, kAbilityCategories> kCategories{{
    {"Weapon Ability", 0, 14, "a melee weapon.", "Ability strength - 0-10."},
    {"General Ability", 30, 63, "a non-missile item which can be equipped.",
     "Ability strength - 0-10."},
    {"NonSpell Use", 70, 94, "an item which isn't a missile.", "Ability strength - 0-10."},
    {"Spell Usable", 110, 135, "an item which isn't a missile.", "Ability strength - 0-10."},
    {"Reagents", 150, 161, "a non-use object.", "Not used."},
    {"Missiles", 170, 176, "a missile item.", "Not used."},
}};

bool IsMissileKind(std::uint8_t kind) {
    return kind == 5 || kind == 6 || kind == 24 || kind == 25;
}
} // namespace

const AbilityCategory& AbilityCategoryAt(int index) {
    return kCategories.at(static_cast<std::size_t>(index));
}

bool CategoryAccepts(int index, std::uint8_t kind) {
    switch (index) {
    case 0:
        return kind == 1 || kind == 2;
    case 1:
        return kind != 20;
    case 2:
    case 3:
        return !IsMissileKind(kind);
    case 4:
        return kind == 20;
    default:
        return IsMissileKind(kind);
    }
}

std::string CategoryRefusal(int index) {
    return std::string("You can only give an ability of this sort to\r\n") +
           AbilityCategoryAt(index).RefusalEnd;
}

std::string StrengthCaption(std::uint8_t ability) {
    if (ability >= 150 && ability <= 161) return "Not used.";
    if (ability == 119 || ability == 120) return "Monster # to summon.";
    return "Ability strength - 1-10.";
}

StrengthCheck StrengthCheckFor(std::uint8_t ability) {
    if (ability == 63) return {"Sp. Node Number", 0, 255};
    if (ability == 119 || ability == 120) return {"Monster Number", 0, 255};
    return {"Ability Strength", 0, 10};
}

std::string ItemKindName(std::uint8_t kind) {
    return kind < ItemKindNames.size() ? ItemKindNames[kind] : std::string();
}

std::string ItemAbilityName(std::uint8_t ability) {
    return ability < ItemAbilityNames.size() ? ItemAbilityNames[ability] : std::string();
}

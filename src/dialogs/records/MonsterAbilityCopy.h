#pragma once

#include "dialogs/records/MonsterCopy.h"

#include <cstdint>
#include <string>

// The working copy of the monster abilities dialog and its rules, free of any window.

struct MonsterAbilityCopy {
    std::int16_t MonstNum = 0;
    std::int16_t Poison = 0;
    std::int16_t BreathWpn = 0;
    std::int16_t BreathStr = 0;
    std::int16_t SpAbility = 0;
    std::int16_t CreateGenerate = 0;
    std::int16_t CreateExtra = 0;
    std::int16_t ItemDropped = 0;
    std::int16_t ChanceDrop = 0;
    std::int16_t SummonType = 0;
    std::uint8_t MagicRes = 0;
    std::uint8_t FireRes = 0;
    std::uint8_t ColdRes = 0;
    std::uint8_t PoisonRes = 0;
    bool operator==(const MonsterAbilityCopy&) const = default;
};

MonsterAbilityCopy LoadMonsterAbilityCopy(std::int16_t monstNum,
                                          const MonsterAbilityMembers& members);
void SaveMonsterAbilityCopy(const MonsterAbilityCopy& copy, MonsterAbilityMembers& members);

// How the create/generate value box is checked. It is set only by choosing a create/generate
// entry and lasts from one opening of the dialog to the next.
struct CreateExtraRule {
    std::string Caption;
    std::int16_t Min = 0;
    std::int16_t Max = 0;
    bool operator==(const CreateExtraRule&) const = default;
};

// The rule and the box's prompt after the author chose create/generate entry kind; the
// "Unused" entries leave the rule as it was.
void ChooseCreateGenerate(std::int16_t kind, CreateExtraRule& rule, std::string& prompt);

// The caption and bounds the box is validated with. The value is stored in a byte, so a rule
// without a range of its own is held to 0..255 rather than let through up to 32767 and cut.
CreateExtraRule CreateExtraCheck(const CreateExtraRule& rule);

// A resistance after a click on its resist box (0) or immune box (1), which is now checked or
// not: checking one gives 1 or 2 (the form clears the other box), clearing gives none.
std::uint8_t ResistanceAfterClick(int box, bool checked);

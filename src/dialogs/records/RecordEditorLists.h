#pragma once

#include <array>

// The fixed entries of the record editors' lists and option groups, in index order: the index
// of an entry is the value the record stores.

extern const std::array<const char*, 15> MonsterKindEntries;
extern const std::array<const char*, 10> MonsterAttackEntries;
extern const std::array<const char*, 4> MonsterAttitudeEntries;
extern const std::array<const char*, 4> BreathWeaponEntries;
extern const std::array<const char*, 4> SummonTypeEntries;
extern const std::array<const char*, 16> CreateGenerateEntries;
extern const std::array<const char*, 38> MonsterAbilityEntries;

extern const std::array<const char*, 6> BlockageEntries;
extern const std::array<const char*, 4> StepSoundEntries;
extern const std::array<const char*, 28> SpecialPropertyEntries;

extern const std::array<const char*, 25> ItemKindEntries;
// Weapon types 1..3; no weapon (0) has no entry.
extern const std::array<const char*, 3> WeaponTypeEntries;
extern const std::array<const char*, 5> TreasureClassEntries;
extern const std::array<const char*, 4> ItemUseEntries;

#pragma once

#include "scenario/ScenarioRecords.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The working copy of the monster type editor, in plain data so that its load, save and rules
// are reached without a window.

// The thirteen ability fields. The monster editor loads and saves them with its record; the
// abilities dialog reads and writes them while the editor stays open.
struct MonsterAbilityMembers {
    std::uint8_t Poison = 0;
    std::uint8_t BreathWpn = 0;
    std::uint8_t BreathStr = 0;
    std::uint8_t SpAbility = 0;
    std::int16_t ItemDropped = 0;
    std::int16_t ChanceDrop = 0;
    std::uint8_t MagicRes = 0;
    std::uint8_t FireRes = 0;
    std::uint8_t ColdRes = 0;
    std::uint8_t PoisonRes = 0;
    std::uint8_t CreateGenerate = 0;
    std::uint8_t CreateExtra = 0;
    std::uint8_t SummonType = 0;
    bool operator==(const MonsterAbilityMembers&) const = default;
};

struct MonsterCopy : MonsterAbilityMembers {
    std::int16_t Pict = 0;
    std::string Name;
    std::int16_t TalkPict = 0;
    std::uint8_t Kind = 0;
    std::uint8_t Level = 0;
    std::int16_t Health = 0;
    std::uint8_t Armor = 0;
    std::uint8_t Skill = 0;
    std::uint8_t Speed = 0;
    std::uint8_t MageLevel = 0;
    std::uint8_t PriestLevel = 0;
    std::uint8_t Attitude = 0;
    std::uint8_t Treasure = 0;
    std::array<std::int16_t, 3> AttackTypes{};
    std::array<std::int16_t, 3> AttackDice{};
    std::array<std::int16_t, 3> AttackSides{};
    bool operator==(const MonsterCopy&) const = default;
};

constexpr std::int16_t kFirstEditableMonster = 1;
constexpr std::int16_t kLastMonster = 255;
constexpr int kMonsterNameLength = 20;

// The record as the editor shows it: a health below 1 and a speed of 0 become 1, so that a
// record holding them is saved corrected even when nothing is touched.
void LoadMonsterCopy(const MonsterType& record, MonsterCopy& copy);
// Writes every edited field; the fields the editor does not show keep what the record holds.
void SaveMonsterCopy(const MonsterCopy& copy, MonsterType& record);

// Width and height of a monster picture in tiles.
struct MonsterPicSize {
    std::int16_t Width = 0;
    std::int16_t Height = 0;
    bool operator==(const MonsterPicSize&) const = default;
};

// The size of picture pict: a standard picture's size from the table of standard pictures, a
// custom one's from its thousands. A standard number without a table entry is one tile.
MonsterPicSize ComputePicSize(std::int16_t pict);

// The picture the standard picker starts on: the current picture when the picker offers it,
// else none (-1).
std::int16_t StandardPickerSelection(std::int16_t pict);

// Where the custom picker starts: the sheet index of the current custom picture and its size;
// nothing for a standard picture, whose size the size dialog then keeps from its last use.
struct CustomMonsterStart {
    std::int16_t Index = 0;
    MonsterPicSize Size;
};
std::optional<CustomMonsterStart> CustomPickerStart(std::int16_t pict);

// The stored number of custom picture index of the given size; any size other than 1 x 1,
// 2 x 1 and 1 x 2 counts as 2 x 2.
std::int16_t CustomMonsterPicture(std::int16_t index, MonsterPicSize size);

// Talking pictures: a standard portrait below 1000, custom picture n at 1000 + n.
std::int16_t TalkPickerSelection(std::int16_t talkPict);
std::int16_t TalkCustomPickerSelection(std::int16_t talkPict);

// An attack's dice box when it loses the focus with an accepted entry (nothing for an empty
// box): no dice means no sides; dice without sides get one side.
void SettleAttackDice(MonsterCopy& copy, int attack, std::optional<std::int16_t> dice);

#include "dialogs/records/MonsterCopy.h"

#include "graphics/core/PictureNumbering.h"
#include "platform/core/TextCodec.h"

#include <algorithm>

void LoadMonsterCopy(const MonsterType& record, MonsterCopy& copy) {
    copy.Name = record.Name;
    copy.Pict = record.Picture;
    copy.Level = record.Level;
    copy.Health = record.Health < 1 ? std::int16_t{1} : record.Health;
    copy.Armor = record.Armor;
    copy.Skill = record.Skill;
    copy.Speed = record.Speed == 0 ? std::uint8_t{1} : record.Speed;
    copy.MageLevel = record.MageLevel;
    copy.PriestLevel = record.PriestLevel;
    copy.Treasure = record.Treasure;
    for (std::size_t i = 0; i < 3; ++i) {
        copy.AttackTypes[i] = record.AttackTypes[i];
        copy.AttackDice[i] = record.AttackDice[i];
        copy.AttackSides[i] = record.AttackSides[i];
    }
    copy.TalkPict = record.TalkPicture;
    copy.Kind = record.Kind;
    copy.Attitude = record.Attitude;
    copy.Poison = record.Poison;
    copy.BreathWpn = record.BreathWpn;
    copy.BreathStr = record.BreathStr;
    copy.SpAbility = record.SpAbility;
    copy.CreateGenerate = record.CreateGenerate;
    copy.CreateExtra = record.CreateExtra;
    copy.SummonType = record.SummonType;
    copy.ItemDropped = record.ItemDropped;
    copy.ChanceDrop = record.ChanceDrop;
    copy.MagicRes = record.MagicRes;
    copy.FireRes = record.FireRes;
    copy.ColdRes = record.ColdRes;
    copy.PoisonRes = record.PoisonRes;
}

void SaveMonsterCopy(const MonsterCopy& copy, MonsterType& record) {
    record.Name = FixedLengthText(copy.Name, kMonsterNameLength);
    record.Picture = copy.Pict;
    record.Level = copy.Level;
    record.Health = copy.Health;
    record.Armor = copy.Armor;
    record.Skill = copy.Skill;
    record.Speed = copy.Speed;
    record.MageLevel = copy.MageLevel;
    record.PriestLevel = copy.PriestLevel;
    for (std::size_t i = 0; i < 3; ++i) {
        record.AttackTypes[i] = static_cast<std::uint8_t>(copy.AttackTypes[i]);
        record.AttackDice[i] = static_cast<std::uint8_t>(copy.AttackDice[i]);
        record.AttackSides[i] = static_cast<std::uint8_t>(copy.AttackSides[i]);
    }
    record.Treasure = copy.Treasure;
    record.TalkPicture = copy.TalkPict;
    record.Kind = copy.Kind;
    record.Attitude = copy.Attitude;
    record.Poison = copy.Poison;
    record.BreathWpn = copy.BreathWpn;
    record.BreathStr = copy.BreathStr;
    record.SpAbility = copy.SpAbility;
    record.ItemDropped = copy.ItemDropped;
    record.ChanceDrop = copy.ChanceDrop;
    record.MagicRes = copy.MagicRes;
    record.FireRes = copy.FireRes;
    record.ColdRes = copy.ColdRes;
    record.PoisonRes = copy.PoisonRes;
    record.CreateGenerate = copy.CreateGenerate;
    record.CreateExtra = copy.CreateExtra;
    record.SummonType = copy.SummonType;
}

namespace {
MonsterPicSize SizeOfCode(int code) {
    switch (code) {
    case 2:
        return {2, 1};
    case 3:
        return {1, 2};
    case 4:
        return {2, 2};
    default:
        return {1, 1};
    }
}

// The monster picker offers the standard pictures 0..172.
constexpr std::int16_t kLastPickableMonster = 172;
} // namespace

MonsterPicSize ComputePicSize(std::int16_t pict) {
    if (pict < 1000) {
        // The table covers the standard pictures only; reading past it would take a size from
        // memory that is not the table's.
        if (pict < 0 || pict >= kStandardMonsterPics) return {1, 1};
        return SizeOfCode(MonsterPicInfo[static_cast<std::size_t>(pict)].size);
    }
    // 5000 and above has no size code of its own; like 4000 it is taken as two by two.
    return SizeOfCode(std::min(pict / 1000, 4));
}

std::int16_t StandardPickerSelection(std::int16_t pict) {
    return pict >= 0 && pict <= kLastPickableMonster ? pict : std::int16_t{-1};
}

std::optional<CustomMonsterStart> CustomPickerStart(std::int16_t pict) {
    if (pict < 1000) return std::nullopt;
    const int thousands = std::min(pict / 1000, 4);
    return CustomMonsterStart{static_cast<std::int16_t>(pict - thousands * 1000),
                              SizeOfCode(thousands)};
}

std::int16_t CustomMonsterPicture(std::int16_t index, MonsterPicSize size) {
    int offset = 4000;
    if (size == MonsterPicSize{1, 1})
        offset = 1000;
    else if (size == MonsterPicSize{2, 1})
        offset = 2000;
    else if (size == MonsterPicSize{1, 2})
        offset = 3000;
    return static_cast<std::int16_t>(index + offset);
}

std::int16_t TalkPickerSelection(std::int16_t talkPict) {
    return talkPict >= 0 && talkPict < 1000 ? talkPict : std::int16_t{-1};
}

std::int16_t TalkCustomPickerSelection(std::int16_t talkPict) {
    return talkPict >= 1000 ? static_cast<std::int16_t>(talkPict - 1000) : std::int16_t{-1};
}

void SettleAttackDice(MonsterCopy& copy, int attack, std::optional<std::int16_t> dice) {
    const auto i = static_cast<std::size_t>(attack);
    copy.AttackDice[i] = dice.value_or(0);
    if (copy.AttackDice[i] == 0)
        copy.AttackSides[i] = 0;
    else if (copy.AttackSides[i] < 1)
        copy.AttackSides[i] = 1;
}

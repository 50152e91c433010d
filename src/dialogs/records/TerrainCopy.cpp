#include "dialogs/records/TerrainCopy.h"

#include "platform/core/TextCodec.h"

namespace {
bool StoresNoSoundAs200(std::uint8_t property) {
    return property == 24 || property == 27;
}
} // namespace

TerrainCopy LoadTerrainCopy(const TerrainType& record) {
    TerrainCopy copy;
    copy.Name = record.Name;
    copy.Picture = record.Picture;
    copy.Extra = {record.Extra1, record.Extra2};
    copy.Blockage = record.Blockage;
    copy.TransformTo = record.TransformTo;
    copy.FlyOver = record.FlyOver;
    copy.BoatOver = record.BoatOver;
    copy.HorseBlocked = record.HorseBlocked;
    copy.Light = record.Light;
    copy.Sound = record.Sound;
    copy.SpecialProperty = record.SpecialProperty;
    copy.ShortcutKey = record.ShortcutKey.empty() ? ' ' : record.ShortcutKey[0];
    copy.TerrainSet = record.TerrainSet;
    if (StoresNoSoundAs200(copy.SpecialProperty) && copy.Extra[1] == kStoredNoSound)
        copy.Extra[1] = kListedNoSound;
    return copy;
}

void SaveTerrainCopy(const TerrainCopy& copy, std::int16_t terrNum, TerrainType& record) {
    record.ShortcutKey = std::string(1, copy.ShortcutKey);
    if (terrNum <= kLastFixedTerrain) return;

    std::array<std::int16_t, 2> extra = copy.Extra;
    if (StoresNoSoundAs200(copy.SpecialProperty) && extra[1] == kListedNoSound)
        extra[1] = kStoredNoSound;
    const auto rules = ExtraValueRules(copy.SpecialProperty);
    for (std::size_t i = 0; i < 2; ++i)
        if (rules[i].Unused()) extra[i] = 0;

    record.Name = FixedLengthText(copy.Name, kTerrainNameLength);
    record.Picture = copy.Picture;
    record.Blockage = copy.Blockage;
    record.Extra1 = extra[0];
    record.Extra2 = extra[1];
    record.SpecialProperty = copy.SpecialProperty;
    record.TransformTo = copy.TransformTo;
    record.FlyOver = static_cast<std::uint8_t>(copy.FlyOver);
    record.BoatOver = static_cast<std::uint8_t>(copy.BoatOver);
    record.HorseBlocked = static_cast<std::uint8_t>(copy.HorseBlocked);
    record.Light = copy.Light;
    record.Sound = copy.Sound;
    record.TerrainSet = copy.TerrainSet;
}

std::array<ExtraValueRule, 2> ExtraValueRules(std::uint8_t property) {
    using List = ExtraValueRule::PickList;
    const ExtraValueRule unused;
    const auto terrain = [](const char* prompt) {
        return ExtraValueRule{prompt, List::Terrain, "Terrain", 0, 255, false};
    };
    const auto sound = [](const char* prompt) {
        return ExtraValueRule{prompt, List::Sound, "Sound", 0, 200, true};
    };
    const auto plain = [](const char* prompt, const char* caption, std::int16_t min,
                          std::int16_t max) {
        return ExtraValueRule{prompt, List::None, caption, min, max, false};
    };
    switch (property) {
    case 1:
        return {terrain("What to change to?"), sound("Number of sound (200 - no sound)")};
    case 2:
    case 3:
    case 4:
        return {plain("Amount of damage done", "Damage", 0, 255),
                plain("Damage multiplier", "Multiplier", 0, 8)};
    case 5:
    case 6:
        return {plain("Strength (1-8)", "Strength", 1, 8),
                plain("Percentage chance (1-100)", "Percentage", 0, 100)};
    case 7:
        return {terrain("Terrain to change to"), unused};
    case 8:
        return {terrain("Terrain to change to when locked"), unused};
    case 9:
    case 10:
        return {terrain("Terrain to choose to when unlocked"),
                plain("Difficulty (0-10)", "Difficulty", 0, 10)};
    case 12:
    case 13:
        return {plain("Number of special to call", "Special Node", 0, 255), unused};
    case 21:
        return {terrain("Terrain type if hidden"), unused};
    case 22:
        return {terrain("Terrain to change to when used"),
                sound("Number of sound (200 - no sound)")};
    case 23:
        return {plain("Number of scenario spec. to call", "Special Node", 0, 255), unused};
    case 24:
    case 27:
        return {terrain("What to change to?"), sound("Number of sound (99 - no sound)")};
    default:
        return {unused, unused};
    }
}

int PickListEntry(ExtraValueRule::PickList list, std::int16_t value) {
    int entries = 0;
    if (list == ExtraValueRule::PickList::Terrain) entries = kTerrainListEntries;
    if (list == ExtraValueRule::PickList::Sound) entries = kSoundListEntries;
    return value >= 0 && value < entries ? value : -1;
}

// The base-terrain picker offers pictures 0..252; a picture beyond them marks nothing.
constexpr std::int16_t kLastPickableTerrain = 252;

std::int16_t TerrainPickerSelection(std::int16_t picture) {
    return picture >= 0 && picture <= kLastPickableTerrain ? picture : std::int16_t{-1};
}

std::int16_t AnimatedPickerSelection(std::int16_t picture) {
    return picture >= 400 && picture <= 413 ? static_cast<std::int16_t>(picture - 400)
                                            : std::int16_t{-1};
}

std::int16_t CustomTerrainSelection(std::int16_t picture) {
    if (picture >= kAnimatedCustomBase) return static_cast<std::int16_t>(picture - 2000);
    if (picture >= kCustomTerrainBase) return static_cast<std::int16_t>(picture - 1000);
    return -1;
}

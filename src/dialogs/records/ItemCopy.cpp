#include "dialogs/records/ItemCopy.h"

#include "platform/core/TextCodec.h"

ItemCopy LoadItemCopy(const ItemType& record) {
    ItemCopy copy;
    copy.ItemName = record.Name;
    copy.UnidName = record.UnidName;
    copy.Pict = record.Picture;
    copy.ItemKind = record.ItemKind;
    copy.Value = record.Value;
    copy.Weight = record.Weight;
    copy.Level = record.Level;
    copy.Awkwardness = record.Awkwardness;
    copy.Bonus = record.Bonus;
    copy.Protection = record.Protection;
    copy.Charges = record.Charges;
    copy.WeaponType = record.WeaponType;
    copy.ItemUses = record.MagicUse;
    copy.SpAbility = record.Ability;
    copy.SpAbilityStr = record.AbilityStrength;
    copy.TypeFlag = record.TypeFlag;
    copy.SpecialClass = record.SpecialClass;
    copy.TreasureType = record.TreasureClass;
    copy.Identified = record.Identified;
    copy.Magical = record.Magical;
    copy.Cursed = record.Cursed;
    copy.ConcealAbility = record.ConcealAbility;
    return copy;
}

void SaveItemCopy(const ItemCopy& copy, ItemType& record) {
    record.Name = FixedLengthText(copy.ItemName, kItemNameLength);
    record.UnidName = FixedLengthText(copy.UnidName, kItemUnidNameLength);
    record.Picture = copy.Pict;
    record.ItemKind = copy.ItemKind;
    record.Value = copy.Value;
    record.Weight = copy.Weight;
    record.Level = static_cast<std::uint8_t>(copy.Level);
    record.Awkwardness = copy.Awkwardness;
    record.Bonus = copy.Bonus;
    record.Protection = copy.Protection;
    record.Charges = copy.Charges;
    record.WeaponType = copy.WeaponType;
    record.MagicUse = copy.ItemUses;
    record.Ability = copy.SpAbility;
    record.AbilityStrength = copy.SpAbilityStr;
    record.TypeFlag = static_cast<std::uint8_t>(copy.TypeFlag);
    record.SpecialClass = copy.SpecialClass;
    record.TreasureClass = copy.TreasureType;
    record.Identified = copy.Identified;
    record.Magical = copy.Magical;
    record.Cursed = copy.Cursed;
    record.ConcealAbility = copy.ConcealAbility;
}

void NormaliseItemKind(ItemCopy& copy) {
    if (copy.ItemKind == 25) copy.ItemKind = 24;
}

bool NeedsCharges(const ItemCopy& copy) {
    return copy.SpAbility >= 70 && copy.SpAbility <= 169 && copy.Charges == 0;
}

std::int16_t ItemPickerSelection(std::int16_t pict) {
    return pict >= 0 && pict < kCustomItemBase ? pict : std::int16_t{-1};
}

std::int16_t CustomItemSelection(std::int16_t pict) {
    return pict >= kCustomItemBase ? static_cast<std::int16_t>(pict - kCustomItemBase)
                                   : std::int16_t{-1};
}

std::string AbilitiesRefusal(std::int16_t kind) {
    if (kind == 0) return "You must give the item a type before\r\n you can choose its abilities.";
    if (kind == 3 || kind == 11) return "Gold and food cannot be given special abilities.";
    return {};
}

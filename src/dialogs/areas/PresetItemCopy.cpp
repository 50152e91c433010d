#include "dialogs/areas/PresetItemCopy.h"

namespace {
constexpr int kItemTypeCount = 500;
}

PresetItemCopy LoadPresetItemCopy(const PresetItem& record, bool browse) {
    PresetItemCopy work;
    work.Item = record.Item;
    if (!browse && work.Item < 0) work.Item = 0;
    work.X = record.X;
    work.Y = record.Y;
    if (work.Item == -1) return work; // charges -1, flags clear
    work.Charges = record.Charges;
    work.AlwaysHere = record.AlwaysHere;
    work.Property = record.Property;
    work.Contained = record.Contained;
    return work;
}

void SavePresetItemCopy(const PresetItemCopy& work, PresetItem& record, bool browse) {
    if (browse && work.Item == -1) {
        record.X = 100;
        record.Y = 0;
    }
    record.Item = work.Item;
    record.Charges = work.Charges;
    record.AlwaysHere = work.AlwaysHere;
    record.Property = work.Property;
    record.Contained = work.Contained;
}

std::vector<std::string> PresetItemEntries(const Scenario& scen, bool browse) {
    std::vector<std::string> entries;
    entries.reserve(kItemTypeCount + 1);
    if (browse) entries.emplace_back("No Item");
    for (std::size_t n = 0; n < scen.ItemTypes.size(); ++n)
        entries.push_back(std::to_string(n) + "- " + scen.ItemTypes[n].Name);
    return entries;
}

int PresetItemRow(std::int16_t item, bool browse) {
    const int row = browse ? item + 1 : item;
    const int rows = browse ? kItemTypeCount + 1 : kItemTypeCount;
    return row >= 0 && row < rows ? row : -1;
}

std::int16_t PresetItemOfRow(int row, bool browse) {
    return static_cast<std::int16_t>(browse ? row - 1 : row);
}

bool IsKnownItemType(std::int16_t item) {
    return item >= 0 && item < kItemTypeCount;
}

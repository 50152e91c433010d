#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The compile-time contents of the name tables. Only the Init procedures read these; everyone
// else reads the runtime tables they fill.

// One entry of a name table, written as "index: text" so that each line can be checked against
// the list it was copied from; sparse tables simply skip the numbers they leave empty.
struct IndexedText {
    int index;
    std::string_view text;
};

// A list of entries is usable only if its numbers rise strictly and fit the table it fills.
template <std::size_t N>
constexpr bool FitsTable(const std::array<IndexedText, N>& entries, int tableSize) {
    int previous = -1;
    for (const IndexedText& entry : entries) {
        if (entry.index <= previous || entry.index >= tableSize) return false;
        previous = entry.index;
    }
    return true;
}

// Common tables.
extern const std::array<IndexedText, 20> kAlchemyNameData;
extern const std::array<IndexedText, 62> kMageSpellNameData;
extern const std::array<IndexedText, 62> kPriestSpellNameData;
extern const std::array<IndexedText, 19> kSkillNameData;
extern const std::array<IndexedText, 53> kDialogButtonLabelData;
extern const std::array<std::array<std::uint8_t, 13>, 4> kWallTerrainData;

// Editor tables.
struct ToolCaptionData {
    int tool;
    std::string_view caption;
    std::string_view prompt;
};
extern const std::array<ToolCaptionData, 53> kToolCaptionData;
extern const std::array<std::int16_t, 22> kGameFieldKindData;
extern const std::array<IndexedText, 6> kShopTypeNameData;
extern const std::array<IndexedText, 25> kItemKindNameData;
extern const std::array<IndexedText, 119> kItemAbilityNameData;
extern const std::array<IndexedText, 100> kSoundNameData;
extern const std::array<IndexedText, 7> kEnchantNameData;
extern const std::array<IndexedText, 14> kTrapTypeNameData;
extern const std::array<IndexedText, 8> kDamageTypeNameData;

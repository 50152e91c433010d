#include "dialogs/nodes/TalkingNodeLists.h"

#include "dialogs/nodes/TalkingNodeTypes.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"

#include <algorithm>

namespace {
constexpr int kPersonalityCount = 10;
constexpr int kFlagCount = 300;
constexpr std::size_t kKeywordLength = 4;

template <class Table> std::vector<std::string> NumberedNames(const Table& names) {
    std::vector<std::string> entries;
    entries.reserve(names.size());
    for (std::size_t n = 0; n < names.size(); ++n)
        entries.push_back(std::to_string(n) + "- " + names[n]);
    return entries;
}
} // namespace

std::vector<std::string> PersonalityEntries(const Scenario& scen) {
    std::vector<std::string> entries{"-2 - Everybody", "-1 - Unused"};
    const TownTalk& talk = scen.TownTalks.at(scen.CurrentTown);
    for (int slot = 0; slot < kPersonalityCount; ++slot)
        entries.push_back(std::to_string(scen.CurrentTown * 10 + slot) + " - " +
                          talk.Personalities[static_cast<std::size_t>(slot)].Name);
    return entries;
}

int PersonalityEntryOf(std::int16_t personalityNum, std::uint8_t town) {
    if (personalityNum == -2 || personalityNum == -1) return personalityNum + 2;
    const int slot = personalityNum - town * 10;
    return slot >= 0 && slot < kPersonalityCount ? slot + 2 : -1;
}

std::int16_t PersonalityOfEntry(int entry, std::uint8_t town) {
    if (entry < 2) return static_cast<std::int16_t>(entry - 2);
    return static_cast<std::int16_t>(town * 10 + entry - 2);
}

std::vector<std::string> PickListEntries(const Scenario& scen, int kind) {
    std::vector<std::string> entries;
    switch (kind) {
    case talklist::Flags:
        for (int n = 0; n < kFlagCount; ++n)
            entries.push_back(std::to_string(n) + " - " +
                              scen.StuffDoneNames[static_cast<std::size_t>(n)].Name);
        break;
    case talklist::Towns: {
        const std::size_t towns = std::min<std::size_t>(scen.TownCount, scen.Towns.size());
        for (std::size_t n = 0; n < towns; ++n)
            entries.push_back(std::to_string(n) + "- " + scen.Towns[n].Strings[0]);
        break;
    }
    case talklist::ItemTypes:
        for (std::size_t n = 0; n < scen.ItemTypes.size(); ++n)
            entries.push_back(std::to_string(n) + "- " + scen.ItemTypes[n].Name);
        break;
    case talklist::MageSpells:
        return NumberedNames(MageSpellNames);
    case talklist::PriestSpells:
        return NumberedNames(PriestSpellNames);
    case talklist::Recipes:
        return NumberedNames(AlchemyNames);
    case talklist::Enchantments:
        return NumberedNames(EnchantNames);
    case talklist::SpecialItems:
        for (std::size_t n = 0; n < scen.SpecialItems.size(); ++n)
            entries.push_back(scen.ScenStrings[60 + 2 * n]);
        break;
    default:
        break;
    }
    return entries;
}

std::vector<std::string> PickListFlagValues(const Scenario& scen, std::int16_t flag) {
    std::vector<std::string> entries;
    if (flag < 0 || flag >= kFlagCount) return entries;
    const auto& names = scen.StuffDoneNames[static_cast<std::size_t>(flag)].ValueNames;
    for (std::size_t v = 0; v < names.size(); ++v)
        entries.push_back(std::to_string(v) + " - " + names[v]);
    return entries;
}

std::string FitKeyword(std::string word) {
    word.resize(kKeywordLength, ' ');
    return word;
}

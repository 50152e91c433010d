#include "scenario/RecordListEntries.h"

#include "scenario/tables/NodeTypeDescriptors.h"

#include <string_view>

namespace {
constexpr std::size_t kItemNameLength = 25;

std::string TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string Entry(int number, std::string_view text) {
    std::string entry = std::to_string(number);
    entry += " - ";
    entry += text;
    return entry;
}

// The name of a node's type; a type the table does not have has none.
std::string_view NodeTypeName(std::int16_t type) {
    if (type < 0 || type >= kSpecialNodeTypeCount) return {};
    return SpecialNodeTypes[static_cast<std::size_t>(type)].Name;
}

template <std::size_t N>
std::vector<std::string> NodeEntries(const std::array<SpecialNode, N>& nodes) {
    std::vector<std::string> entries;
    entries.reserve(N);
    for (std::size_t n = 0; n < N; ++n)
        entries.push_back(Entry(static_cast<int>(n), NodeTypeName(nodes[n].Type)));
    return entries;
}

template <std::size_t N>
std::vector<std::string> StringEntries(const std::array<std::string, N>& strings, std::size_t first,
                                       std::size_t count) {
    std::vector<std::string> entries;
    entries.reserve(count);
    for (std::size_t k = 0; k < count; ++k)
        entries.push_back(Entry(static_cast<int>(k), strings[first + k]));
    return entries;
}

bool CurrentTownExists(const Scenario& scen) {
    return scen.CurrentTown < scen.Towns.size() && scen.CurrentTown < scen.TownTalks.size();
}

bool CurrentSectionExists(const Scenario& scen) {
    return scen.CurrentOutdoorX < scen.OutdoorSections.Width() &&
           scen.CurrentOutdoorY < scen.OutdoorSections.Height();
}

std::vector<std::string> DialogueEntries(const Scenario& scen) {
    const TownTalk& talk = scen.TownTalks[scen.CurrentTown];
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < talk.Personalities.size(); ++i)
        entries.push_back("Personality " +
                          std::to_string(scen.CurrentTown * 10 + static_cast<int>(i)) + " - " +
                          talk.Personalities[i].Name);
    for (std::size_t j = 0; j < talk.Nodes.size(); ++j) {
        const TalkingNode& node = talk.Nodes[j];
        entries.push_back("Node " + std::to_string(j) + " - Per." +
                          std::to_string(node.PersonalityNum) + " " + node.Word1 + "," +
                          node.Word2);
    }
    return entries;
}

std::vector<std::string> ItemEntries(const Scenario& scen) {
    std::vector<std::string> entries;
    entries.reserve(scen.ItemTypes.size());
    for (std::size_t n = 0; n < scen.ItemTypes.size(); ++n) {
        // The name is a fixed text of 25 characters: shorter names show their blank padding.
        std::string name = scen.ItemTypes[n].Name.substr(0, kItemNameLength);
        name.resize(kItemNameLength, ' ');
        entries.push_back(Entry(static_cast<int>(n), name));
    }
    return entries;
}

std::vector<std::string> SpecialItemEntries(const Scenario& scen) {
    std::vector<std::string> entries;
    for (std::size_t n = 0; n < scen.SpecialItems.size(); ++n)
        entries.push_back(Entry(static_cast<int>(n), TrimBlanks(scen.ScenStrings[60 + 2 * n])));
    return entries;
}

std::vector<std::string> MonsterEntries(const Scenario& scen) {
    std::vector<std::string> entries;
    for (std::size_t n = 1; n < scen.MonsterTypes.size(); ++n)
        entries.push_back(Entry(static_cast<int>(n), TrimBlanks(scen.MonsterTypes[n].Name)));
    return entries;
}
} // namespace

std::vector<std::string> RecordListEntries(const Scenario& scen, std::int32_t listMode) {
    switch (listMode) {
    case 0:
        if (!CurrentTownExists(scen)) return {};
        return DialogueEntries(scen);
    case 1:
        return ItemEntries(scen);
    case 2:
        if (!CurrentSectionExists(scen)) return {};
        return NodeEntries(
            scen.OutdoorSections.At(scen.CurrentOutdoorX, scen.CurrentOutdoorY).SpecialNodes);
    case 3:
        if (!CurrentSectionExists(scen)) return {};
        return StringEntries(
            scen.OutdoorSections.At(scen.CurrentOutdoorX, scen.CurrentOutdoorY).Strings, 0, 108);
    case 4:
        return NodeEntries(scen.ScenSpecialNodes);
    case 5:
        return StringEntries(scen.ScenStrings, 0, 320);
    case 6:
        if (!CurrentTownExists(scen)) return {};
        return NodeEntries(scen.Towns[scen.CurrentTown].SpecialNodes);
    case 7:
        if (!CurrentTownExists(scen)) return {};
        return StringEntries(scen.Towns[scen.CurrentTown].Strings, 0, 190);
    case 8:
        return SpecialItemEntries(scen);
    case 9:
        return MonsterEntries(scen);
    case 10:
        return StringEntries(scen.ScenStrings, 260, 60);
    case 11:
        return StringEntries(scen.ScenStrings, 20, 40);
    default:
        return {};
    }
}

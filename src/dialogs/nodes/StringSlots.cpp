#include "dialogs/nodes/StringSlots.h"

namespace {
constexpr int kTownSignBase = 170;
constexpr int kTownSignSlots = 20;
constexpr int kOutdoorSignBase = 100;
constexpr int kOutdoorSignSlots = 8;

bool HasCurrentTown(const Scenario& scen) {
    return scen.CurrentTown < scen.Towns.size();
}

bool HasCurrentSection(const Scenario& scen) {
    return scen.CurrentOutdoorX < scen.OutdoorSections.Width() &&
           scen.CurrentOutdoorY < scen.OutdoorSections.Height();
}
} // namespace

std::span<std::string> TextTableOf(Scenario& scen, std::int32_t textType) {
    switch (textType) {
    case texttype::Scenario:
        return scen.ScenStrings;
    case texttype::Outdoor:
        if (!HasCurrentSection(scen)) return {};
        return scen.OutdoorSections.At(scen.CurrentOutdoorX, scen.CurrentOutdoorY).Strings;
    case texttype::Town:
        if (!HasCurrentTown(scen)) return {};
        return scen.Towns[scen.CurrentTown].Strings;
    default:
        return {};
    }
}

int SignStringIndex(bool outdoors, std::int16_t signNum) {
    const int slots = outdoors ? kOutdoorSignSlots : kTownSignSlots;
    if (signNum < 0 || signNum >= slots) return -1;
    return (outdoors ? kOutdoorSignBase : kTownSignBase) + signNum;
}

std::string* SignText(Scenario& scen, bool outdoors, std::int16_t signNum) {
    const int index = SignStringIndex(outdoors, signNum);
    if (index < 0) return nullptr;
    const std::span<std::string> strings =
        TextTableOf(scen, outdoors ? texttype::Outdoor : texttype::Town);
    if (static_cast<std::size_t>(index) >= strings.size()) return nullptr;
    return &strings[static_cast<std::size_t>(index)];
}

#include "dialogs/areas/EncounterCopy.h"

#include "dialogs/nodes/NodeStorage.h"

namespace {
constexpr std::int32_t kOutdoorNodes = 1;
} // namespace

std::array<OutdoorEncounter, 4>* EncounterSet(OutdoorSection& section, std::int16_t context) {
    if (context == 0) return &section.Wandering;
    if (context == 1) return &section.Specials;
    return nullptr;
}

EncounterCopy LoadEncounterCopy(OutdoorSection& section, std::int16_t context) {
    EncounterCopy copy;
    if (const auto* set = EncounterSet(section, context)) copy.Encounters = *set;
    return copy;
}

void SaveEncounterCopy(const EncounterCopy& copy, OutdoorSection& section, std::int16_t context) {
    if (auto* set = EncounterSet(section, context)) *set = copy.Encounters;
}

std::int16_t EncounterNodeAfterEditing(const Scenario& scen, std::int16_t opened,
                                       std::int16_t returned) {
    if (opened != -1) return returned;
    return NodeReferenceOrNone(scen, kOutdoorNodes, returned);
}

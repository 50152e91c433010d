#include "dialogs/areas/OutdoorWork.h"

#include "dialogs/nodes/NodeStorage.h"

namespace {
constexpr std::int32_t kOutdoorNodes = 1;
} // namespace

std::array<OutdoorEncounter, 4>* EncounterSet(OutdoorSection& section, std::int16_t context) {
    if (context == 0) return &section.Wandering;
    if (context == 1) return &section.Specials;
    return nullptr;
}

std::int16_t EncounterNodeAfterEditing(const Scenario& scen, std::int16_t opened,
                                       std::int16_t returned) {
    if (opened != -1) return returned;
    return NodeReferenceOrNone(scen, kOutdoorNodes, returned);
}

std::vector<std::string> OutdoorSectionEntries(const Scenario& scen) {
    std::vector<std::string> entries;
    for (int x = 0; x < scen.OutdoorWidth; ++x)
        for (int y = 0; y < scen.OutdoorHeight; ++y)
            entries.push_back(std::to_string(x) + "," + std::to_string(y) + " - " +
                              scen.OutdoorSections.At(x, y).Strings[0]);
    return entries;
}

int SectionRow(int x, int y, int height) {
    return x * height + y;
}

Location SectionOfRow(int row, int height) {
    if (height <= 0 || row < 0) return {};
    return {static_cast<std::uint8_t>(row / height), static_cast<std::uint8_t>(row % height)};
}

void SaveVarTownEntries(std::array<VarTownEntry, 10> entries, Scenario& scen) {
    for (VarTownEntry& entry : entries)
        if (entry.Town < 0) entry.StuffDoneA = entry.StuffDoneB = -1;
    scen.VarTownEntries = entries;
}

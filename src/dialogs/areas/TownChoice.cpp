#include "dialogs/areas/TownChoice.h"

#include "platform/core/MsgBox.h"
#include "scenario/NewScenario.h"

std::vector<std::string> TownChoiceEntries(const Scenario& scen) {
    std::vector<std::string> entries;
    for (std::size_t t = 0; t < scen.TownCount && t < scen.Towns.size(); ++t)
        entries.push_back(" " + std::to_string(t) + " - " + scen.Towns[t].Strings[0]);
    return entries;
}

bool AppendNewTown(Scenario& scen, const std::string& name, std::int16_t size,
                   std::int16_t terrain) {
    if (scen.TownCount >= kMaxTownCount) {
        MsgBox("This scenario already has " + std::to_string(kMaxTownCount) +
                   " towns, the most a scenario can hold. No town was created.",
               msgbox::Exclamation, "Error!");
        return false;
    }
    const std::size_t townsBefore = scen.Towns.size();
    const std::size_t talksBefore = scen.TownTalks.size();
    const std::int16_t index = scen.TownCount;
    try {
        CreateTown(scen, index, name, size, terrain);
    } catch (...) {
        scen.Towns.resize(townsBefore);
        scen.TownTalks.resize(talksBefore);
        throw;
    }
    scen.CurrentTown = static_cast<std::uint8_t>(index);
    scen.TownCount = static_cast<std::uint8_t>(index + 1);
    return true;
}

void SaveVarTownEntries(std::array<VarTownEntry, 10> entries, Scenario& scen) {
    for (VarTownEntry& entry : entries)
        if (entry.Town < 0) entry.StuffDoneA = entry.StuffDoneB = -1;
    scen.VarTownEntries = entries;
}

#include "dialogs/areas/TownCreatureCopy.h"

TownCreatureCopy LoadTownCreatureCopy(const TownCreature& record) {
    TownCreatureCopy work;
    work.Type = record.Monster;
    work.X = record.X;
    work.Y = record.Y;
    work.Attitude = record.Attitude;
    work.CanMove = record.CanMove;
    work.TimeFlag = record.TimeFlag;
    if (record.PersonalityNum >= 0) {
        work.PersTown = static_cast<std::int16_t>(record.PersonalityNum / 10);
        work.PersSlot = static_cast<std::int16_t>(record.PersonalityNum % 10);
    }
    work.FacialPic = record.Portrait;
    work.TimeDay = record.TimeValue1;
    work.TimeEvent = record.TimeValue2;
    work.EncounterGroup = record.EncounterGroup;
    work.KilledNode = record.KilledNode;
    work.StuffDoneA = record.StuffDoneA;
    work.StuffDoneB = record.StuffDoneB;
    return work;
}

void SaveTownCreatureCopy(TownCreatureCopy& work, TownCreature& record) {
    record.Monster = work.Type;
    if (work.Type == 0) {
        record.X = 100;
        record.Y = 0;
    }
    switch (TimingFieldsOf(work.TimeFlag)) {
    case TimingFields::None:
        work.TimeDay = 0;
        work.TimeEvent = 0;
        break;
    case TimingFields::EventOnly:
        work.TimeDay = 0;
        break;
    case TimingFields::DayAndEvent:
        break;
    }
    record.Attitude = work.Attitude;
    record.CanMove = work.CanMove;
    record.PersonalityNum = JoinPersonality(work.PersTown, work.PersSlot);
    if (record.PersonalityNum < 0) work.PersTown = work.PersSlot = -1;
    record.Portrait = work.FacialPic;
    record.TimeFlag = work.TimeFlag;
    // The boxes accept only byte values; anything else would be cut on the way to the file.
    record.TimeValue1 = static_cast<std::uint8_t>(work.TimeDay);
    record.TimeValue2 = static_cast<std::uint8_t>(work.TimeEvent);
    record.EncounterGroup = work.EncounterGroup;
    record.KilledNode = work.KilledNode;
    record.StuffDoneA = work.StuffDoneA;
    record.StuffDoneB = work.StuffDoneB;
}

TimingFields TimingFieldsOf(std::uint8_t timeFlag) {
    switch (timeFlag) {
    case 1:
    case 2:
        return TimingFields::DayAndEvent;
    case 6:
    case 7:
        return TimingFields::EventOnly;
    default:
        return TimingFields::None;
    }
}

std::string DayCaptionOf(std::uint8_t timeFlag) {
    return timeFlag == 2 ? "Day creature disappears" : "Day creature appears";
}

std::int16_t JoinPersonality(std::int16_t persTown, std::int16_t persSlot) {
    if (persTown < 0 || persSlot < 0) return -1;
    return static_cast<std::int16_t>(persTown * 10 + persSlot);
}

std::vector<std::string> MonsterTypeEntries(const Scenario& scen) {
    std::vector<std::string> entries;
    entries.reserve(scen.MonsterTypes.size());
    for (std::size_t n = 0; n < scen.MonsterTypes.size(); ++n)
        entries.push_back(std::to_string(n) + " - " + scen.MonsterTypes[n].Name);
    return entries;
}

std::vector<std::string> PersonalityTownEntries(const Scenario& scen) {
    std::vector<std::string> entries{"Not Assigned"};
    for (std::size_t t = 0; t < scen.TownCount && t < scen.Towns.size(); ++t)
        entries.push_back(std::to_string(t) + " - " + scen.Towns[t].Strings[0]);
    return entries;
}

std::vector<std::string> PersonalityEntries(const Scenario& scen, std::int16_t persTown) {
    std::vector<std::string> entries{"Unused"};
    if (persTown < 0 || persTown >= scen.TownCount ||
        static_cast<std::size_t>(persTown) >= scen.TownTalks.size())
        return entries;
    const TownTalk& talk = scen.TownTalks[static_cast<std::size_t>(persTown)];
    for (std::size_t i = 0; i < talk.Personalities.size(); ++i)
        entries.push_back(std::to_string(persTown * 10 + static_cast<int>(i)) + " - " +
                          talk.Personalities[i].Name);
    return entries;
}

std::vector<std::string> FlagEntries(const Scenario& scen) {
    std::vector<std::string> entries;
    entries.reserve(scen.StuffDoneNames.size());
    for (std::size_t f = 0; f < scen.StuffDoneNames.size(); ++f)
        entries.push_back(std::to_string(f) + " - " + scen.StuffDoneNames[f].Name);
    return entries;
}

std::vector<std::string> FlagValueEntries(const Scenario& scen, std::int16_t flag) {
    std::vector<std::string> entries;
    if (flag < 0 || static_cast<std::size_t>(flag) >= scen.StuffDoneNames.size()) return entries;
    const auto& names = scen.StuffDoneNames[static_cast<std::size_t>(flag)].ValueNames;
    for (std::size_t j = 0; j < names.size(); ++j)
        entries.push_back(std::to_string(j) + " - " + names[j]);
    return entries;
}

const std::vector<std::string> kCreatureTimingEntries = {
    "Always here",      "Appear on given day", "Disappear on given day", "Sometimes here A",
    "Sometimes here B", "Sometimes here C",    "Appear when event",      "Disappear when event"};

int ListRowOf(int value, int count) {
    return value >= 0 && value < count ? value : -1;
}

std::int16_t KilledNodeAfterEditing(const Town& town, std::int16_t opened, std::int16_t returned) {
    if (opened != -1 || returned < 0 ||
        static_cast<std::size_t>(returned) >= town.SpecialNodes.size())
        return returned;
    const SpecialNode& node = town.SpecialNodes[static_cast<std::size_t>(returned)];
    return node.Type == 0 && node.JumpTo == -1 ? std::int16_t{-1} : returned;
}

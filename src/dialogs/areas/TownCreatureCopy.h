#pragma once

#include "scenario/Scenario.h"

#include <cstdint>
#include <string>
#include <vector>

// The working copy of one placed creature of the current town, as the creature editor holds it.
// The personality number is split into its town and slot while the dialog edits it.
struct TownCreatureCopy {
    std::uint8_t Type = 0;
    std::uint8_t X = 0;
    std::uint8_t Y = 0;
    std::uint8_t Attitude = 0;
    std::uint8_t CanMove = 0;
    std::uint8_t TimeFlag = 0;
    std::int16_t PersTown = -1;
    std::int16_t PersSlot = -1;
    std::int16_t FacialPic = 0;
    std::int16_t TimeDay = 0;
    std::int16_t TimeEvent = 0;
    std::uint8_t EncounterGroup = 0;
    std::int16_t KilledNode = -1;
    std::int16_t StuffDoneA = -1;
    std::int16_t StuffDoneB = -1;
};

TownCreatureCopy LoadTownCreatureCopy(const TownCreature& record);

// Writes the working copy into the record. A creature without a type frees its slot; the
// timing values that the timing does not use are cleared in the working copy too.
void SaveTownCreatureCopy(TownCreatureCopy& work, TownCreature& record);

// Which timing boxes a timing uses.
enum class TimingFields { None, DayAndEvent, EventOnly };
TimingFields TimingFieldsOf(std::uint8_t timeFlag);
// The caption of the day box for a timing that shows it.
std::string DayCaptionOf(std::uint8_t timeFlag);

// Personality number of a town and slot; -1 unless both are 0 or more.
std::int16_t JoinPersonality(std::int16_t persTown, std::int16_t persSlot);

// List entries.
std::vector<std::string> MonsterTypeEntries(const Scenario& scen);     // "n - name"
std::vector<std::string> PersonalityTownEntries(const Scenario& scen); // "Not Assigned", "t - name"
// "Unused", then the ten personalities of the town; only "Unused" for a town that does not
// exist (a stale number shows no personality rather than reading past the table).
std::vector<std::string> PersonalityEntries(const Scenario& scen, std::int16_t persTown);
std::vector<std::string> FlagEntries(const Scenario& scen); // "f - flag name", f = 0..299
// The ten value names of a flag; empty for a number outside 0..299.
std::vector<std::string> FlagValueEntries(const Scenario& scen, std::int16_t flag);
extern const std::vector<std::string> kCreatureTimingEntries;

// The list row of value v in a list of count rows, or -1 (no selection) when v is not one of
// them. A stale value thus shows nothing and stays stored.
int ListRowOf(int value, int count);

// The killed node to keep after the special-node editor returns: a node taken for a new
// reference that the author left empty (type 0, no jump) is no node at all, so the creature
// keeps -1 rather than pointing at a free node.
std::int16_t KilledNodeAfterEditing(const Town& town, std::int16_t opened, std::int16_t returned);

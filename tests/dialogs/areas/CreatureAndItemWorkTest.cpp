#include "dialogs/areas/PresetItemWork.h"
#include "dialogs/areas/TownCreatureWork.h"

#include "support/SampleScenario.h"

#include <gtest/gtest.h>

namespace {
TownCreature Creature(std::uint8_t timeFlag) {
    TownCreature c;
    c.Monster = 12;
    c.X = 5;
    c.Y = 6;
    c.TimeFlag = timeFlag;
    c.TimeValue1 = 40;
    c.TimeValue2 = 9;
    c.PersonalityNum = 34;
    return c;
}
} // namespace

TEST(TownCreatureWork, TimingClearsTheValuesItDoesNotUse) {
    struct Case {
        std::uint8_t flag;
        TimingFields fields;
        std::uint8_t day, event;
    };
    const Case cases[] = {
        {0, TimingFields::None, 0, 0},         {1, TimingFields::DayAndEvent, 40, 9},
        {2, TimingFields::DayAndEvent, 40, 9}, {3, TimingFields::None, 0, 0},
        {4, TimingFields::None, 0, 0},         {5, TimingFields::None, 0, 0},
        {6, TimingFields::EventOnly, 0, 9},    {7, TimingFields::EventOnly, 0, 9}};
    for (const Case& c : cases) {
        TownCreature record = Creature(c.flag);
        CreatureWork work = LoadCreature(record);
        EXPECT_EQ(TimingFieldsOf(c.flag), c.fields) << int(c.flag);
        SaveCreature(work, record);
        EXPECT_EQ(record.TimeValue1, c.day) << int(c.flag);
        EXPECT_EQ(record.TimeValue2, c.event) << int(c.flag);
        EXPECT_EQ(work.TimeDay, c.day);
    }
    EXPECT_EQ(DayCaptionOf(1), "Day creature appears");
    EXPECT_EQ(DayCaptionOf(2), "Day creature disappears");
}

TEST(TownCreatureWork, PersonalitySplitsAndJoins) {
    TownCreature record = Creature(0);
    CreatureWork work = LoadCreature(record);
    EXPECT_EQ(work.PersTown, 3);
    EXPECT_EQ(work.PersSlot, 4);
    work.PersSlot = -1;
    SaveCreature(work, record);
    EXPECT_EQ(record.PersonalityNum, -1);
    EXPECT_EQ(work.PersTown, -1) << "the joined -1 is written back into the working copy";
    record.PersonalityNum = -7;
    work = LoadCreature(record);
    EXPECT_EQ(work.PersTown, -1);
    EXPECT_EQ(work.PersSlot, -1);
}

TEST(TownCreatureWork, NoTypeFreesTheSlotOtherwiseTheLocationStays) {
    TownCreature record = Creature(0);
    CreatureWork work = LoadCreature(record);
    work.X = 60; // the location is shown only
    SaveCreature(work, record);
    EXPECT_EQ(record.X, 5);
    EXPECT_EQ(record.Y, 6);
    work.Type = 0;
    SaveCreature(work, record);
    EXPECT_EQ(record.X, 100);
    EXPECT_EQ(record.Y, 0);
}

TEST(TownCreatureWork, StaleNumbersListNothingAndStayStored) {
    Scenario scen = MakeVariedScenario(1, 1, 2, 9);
    EXPECT_EQ(PersonalityEntries(scen, 5), std::vector<std::string>{"Unused"});
    EXPECT_EQ(PersonalityEntries(scen, 1).size(), 11u);
    EXPECT_EQ(PersonalityEntries(scen, 1)[1].substr(0, 5), "10 - ");
    EXPECT_EQ(PersonalityTownEntries(scen).size(), 3u);
    EXPECT_TRUE(FlagValueEntries(scen, 300).empty());
    EXPECT_TRUE(FlagValueEntries(scen, -1).empty());
    EXPECT_EQ(FlagValueEntries(scen, 299).size(), 10u);
    EXPECT_EQ(ListRowOf(5, 3), -1);
    TownCreature record = Creature(0);
    record.PersonalityNum = 57; // town 5 is gone
    CreatureWork work = LoadCreature(record);
    SaveCreature(work, record);
    EXPECT_EQ(record.PersonalityNum, 57);
}

TEST(PresetItemWork, ContextsDifferInListAndEmptySlot) {
    PresetItem empty{-1, 100, 0, 7, 1, 1, 1};
    PresetItemWork browse = LoadPresetItem(empty, true);
    EXPECT_EQ(browse.Item, -1);
    EXPECT_EQ(browse.Charges, -1);
    EXPECT_EQ(browse.AlwaysHere + browse.Property + browse.Contained, 0);
    EXPECT_EQ(PresetItemRow(-1, true), 0);
    EXPECT_EQ(PresetItemRow(499, true), 500);
    EXPECT_EQ(PresetItemRow(500, true), -1);
    EXPECT_EQ(PresetItemRow(-1, false), -1);
    EXPECT_EQ(PresetItemOfRow(0, true), -1);

    PresetItemWork onMap = LoadPresetItem(empty, false);
    EXPECT_EQ(onMap.Item, 0);
    EXPECT_EQ(onMap.Charges, 7);

    Scenario scen = MakeMinimalScenario();
    EXPECT_EQ(PresetItemEntries(scen, true).size(), 501u);
    EXPECT_EQ(PresetItemEntries(scen, false).size(), 500u);
    scen.ItemTypes[3].Name = "Sword";
    EXPECT_EQ(PresetItemEntries(scen, false)[3], "3- Sword");
}

TEST(PresetItemWork, NoItemFreesTheSlotOnlyWhenBrowsing) {
    PresetItem record{4, 10, 11, 2, 0, 1, 0};
    PresetItemWork work = LoadPresetItem(record, true);
    work.Item = -1;
    SavePresetItem(work, record, true);
    EXPECT_EQ(record, (PresetItem{-1, 100, 0, 2, 0, 1, 0}));

    PresetItem placed{4, 10, 11, 2, 0, 1, 0};
    work = LoadPresetItem(placed, false);
    work.Item = 9;
    work.X = 1;
    SavePresetItem(work, placed, false);
    EXPECT_EQ(placed, (PresetItem{9, 10, 11, 2, 0, 1, 0}));
}

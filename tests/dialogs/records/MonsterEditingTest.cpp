#include "dialogs/records/MonsterAbilityCopy.h"
#include "dialogs/records/MonsterCopy.h"

#include <gtest/gtest.h>

namespace {
MonsterType SampleMonster() {
    MonsterType m;
    m.Name = "Goblin chief        ";
    m.Picture = 42;
    m.Reserved1 = 0x1234;
    m.TalkPicture = 7;
    m.Kind = 6;
    m.Level = 5;
    m.Health = 30;
    m.Speed = 4;
    m.AttackTypes = {1, 2, 9};
    m.AttackDice = {2, 0, 1};
    m.AttackSides = {6, 0, 4};
    m.ItemDropped = -1;
    m.ChanceDrop = 20;
    m.CreateGenerate = 11;
    m.CreateExtra = 40;
    m.FireRes = 2;
    m.Reserved2 = {7, 8, 9};
    return m;
}
} // namespace

TEST(MonsterCopy, SaveWritesEditedFieldsAndKeepsTheOthers) {
    const MonsterType original = SampleMonster();
    MonsterType record = original;
    MonsterCopy copy;
    LoadMonsterCopy(record, copy);
    SaveMonsterCopy(copy, record);
    EXPECT_EQ(record, original);

    copy.Name = "A name of twenty-five ch";
    copy.Pict = 2007;
    copy.AttackDice[1] = 20;
    copy.CreateExtra = 200;
    SaveMonsterCopy(copy, record);
    EXPECT_EQ(record.Name, "A name of twenty-fiv");
    EXPECT_EQ(record.Picture, 2007);
    EXPECT_EQ(record.AttackDice[1], 20);
    EXPECT_EQ(record.AttackTypes[2], 9); // the third attack has no control
    EXPECT_EQ(record.CreateExtra, 200);
    EXPECT_EQ(record.Reserved1, 0x1234);
    EXPECT_EQ(record.Reserved2, original.Reserved2);

    copy.Name = "Rat";
    SaveMonsterCopy(copy, record);
    EXPECT_EQ(record.Name, "Rat                 ");
}

TEST(MonsterPictures, SizeOfEveryKindOfPicture) {
    struct Case {
        std::int16_t pict;
        MonsterPicSize size;
    };
    const Case cases[] = {
        {0, {1, 1}},    {51, {1, 2}},   {75, {2, 1}},   {120, {2, 2}},  {1007, {1, 1}},
        {2007, {2, 1}}, {3007, {1, 2}}, {4007, {2, 2}}, {5003, {2, 2}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComputePicSize(c.pict), c.size) << c.pict;
}

TEST(MonsterPictures, PictureBeyondTheStandardTableIsOneTileNotReadPastIt) {
    for (std::int16_t pict : {std::int16_t{175}, std::int16_t{999}, std::int16_t{-1}})
        EXPECT_EQ(ComputePicSize(pict), (MonsterPicSize{1, 1})) << pict;
}

TEST(MonsterPictures, PictureBeyondThePickersRangeMarksNothing) {
    EXPECT_EQ(StandardPickerSelection(0), 0);
    EXPECT_EQ(StandardPickerSelection(172), 172);
    EXPECT_EQ(StandardPickerSelection(173), -1);
    EXPECT_EQ(StandardPickerSelection(299), -1);
    EXPECT_EQ(StandardPickerSelection(1007), -1);
}

TEST(MonsterPictures, CustomPictureNumberFollowsItsSize) {
    EXPECT_EQ(CustomMonsterPicture(7, {1, 1}), 1007);
    EXPECT_EQ(CustomMonsterPicture(7, {2, 1}), 2007);
    EXPECT_EQ(CustomMonsterPicture(7, {1, 2}), 3007);
    EXPECT_EQ(CustomMonsterPicture(7, {2, 2}), 4007);
    EXPECT_EQ(CustomMonsterPicture(7, {0, 0}), 4007);

    EXPECT_FALSE(CustomPickerStart(999));
    const auto start = CustomPickerStart(3012);
    ASSERT_TRUE(start);
    EXPECT_EQ(start->Index, 12);
    EXPECT_EQ(start->Size, (MonsterPicSize{1, 2}));

    EXPECT_EQ(TalkPickerSelection(12), 12);
    EXPECT_EQ(TalkPickerSelection(1012), -1);
    EXPECT_EQ(TalkCustomPickerSelection(1012), 12);
    EXPECT_EQ(TalkCustomPickerSelection(12), -1);
}

TEST(MonsterAbilities, CreateGenerateEntriesSetThePromptAndTheRule) {
    // The window tests choose 11 and 1; an unused entry keeps the rule it had.
    CreateExtraRule rule{"Creature number", 0, 255};
    std::string prompt;
    ChooseCreateGenerate(8, rule, prompt);
    EXPECT_EQ(prompt, "Unused");
    EXPECT_EQ(rule, (CreateExtraRule{"Creature number", 0, 255}));
    ChooseCreateGenerate(15, rule, prompt);
    EXPECT_EQ(rule, (CreateExtraRule{"Special number", 0, 255}));
    EXPECT_EQ(prompt, "Number of special to call");
}

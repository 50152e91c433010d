#include "scenario/tables/NodeTypeDescriptors.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {
constexpr const char* kUnused = "Unused";

template <class... T> std::vector<int> Ints(T... values) {
    return {static_cast<int>(values)...};
}

class NodeTypeDescriptorsTest : public testing::Test {
  protected:
    void SetUp() override {
        InitCommonTables();
        InitScenEditorTables();
    }
    static const SpecialNodeTypeInfo& Type(int type) {
        return SpecialNodeTypes[static_cast<std::size_t>(type)];
    }
};

// How many types have a non-zero value in each column, and the sum of each column's codes: a
// type added to or lost from any list, or given another code, changes a count or a sum; the
// rows below pin whole entries.
TEST_F(NodeTypeDescriptorsTest, NamesKindsButtonsAndValueListsAsTheTypesNeed) {
    int named = 0, dialogs = 0, pictures = 0, pictureSum = 0;
    std::array<int, 3> buttons{};
    std::array<int, 9> choosers{}, chooserSums{};
    for (int type = 0; type < kSpecialNodeTypeCount; ++type) {
        const SpecialNodeTypeInfo& info = Type(type);
        named += !info.Name.empty();
        dialogs += info.MessageKind != 0;
        pictures += info.PictureKind != 0;
        pictureSum += info.PictureKind;
        for (std::size_t i = 0; i < 3; ++i)
            buttons[i] += info.ButtonFlags[i] != 0;
        for (std::size_t i = 0; i < 9; ++i) {
            choosers[i] += info.ChooserKinds[i] != 0;
            chooserSums[i] += info.ChooserKinds[i];
        }
    }
    EXPECT_EQ(Ints(named, dialogs, pictures, pictureSum), Ints(152, 9, 8, 16));
    EXPECT_EQ(buttons, (std::array<int, 3>{98, 34, 15}));
    EXPECT_EQ(choosers, (std::array<int, 9>{52, 50, 0, 3, 0, 22, 2, 13, 3}));
    EXPECT_EQ(chooserSums, (std::array<int, 9>{804, 835, 0, 42, 0, 176, 34, 65, 24}));
    // type, message kind, picture kind, the three buttons, the nine value lists
    const std::vector<std::vector<int>> rows = {
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {14, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0},
        {23, 0, 0, 0, 0, 0, 16, 17, 0, 0, 0, 16, 17, 0, 0},
        {56, 1, 2, 1, 1, 1, 16, 17, 0, 0, 0, 5, 0, 5, 0},
        {60, 1, 3, 1, 0, 1, 16, 17, 0, 14, 0, 1, 0, 0, 0},
        {81, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 11},
        {135, 0, 0, 0, 0, 1, 16, 17, 0, 0, 0, 0, 0, 2, 0},
        {172, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2},
        {189, 1, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {215, 0, 0, 1, 0, 0, 2, 2, 0, 0, 0, 0, 0, 0, 0},
        {229, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 12, 0, 0, 0},
    };
    for (const auto& row : rows) {
        const SpecialNodeTypeInfo& info = Type(row[0]);
        std::vector<int> got{row[0], info.MessageKind, info.PictureKind};
        got.insert(got.end(), info.ButtonFlags.begin(), info.ButtonFlags.end());
        got.insert(got.end(), info.ChooserKinds.begin(), info.ChooserKinds.end());
        EXPECT_EQ(got, row);
    }
    EXPECT_EQ(Type(15).Name, "Change Horse Possesion");
    EXPECT_EQ(Type(24).Name, "Ritual of Sancify Block");
    EXPECT_EQ(Type(211).Name, "Place Barrels, etc");
}

TEST_F(NodeTypeDescriptorsTest, UndefinedTypesKeepTheDefaultAndReservedOnesAreNamedUnused) {
    for (const int type : {30, 49, 107, 157, 219, 230, 255, 197, 198, 199}) {
        const SpecialNodeTypeInfo& info = Type(type);
        EXPECT_EQ(info.Name, type >= 197 && type <= 199 ? kUnused : "") << type;
        for (int field = nodefield::StuffDoneA; field < nodefield::JumpTo; ++field)
            EXPECT_EQ(info.Prompts[field], kUnused) << type;
        EXPECT_EQ(info.Prompts[nodefield::JumpTo], "Special to jump to") << type;
        EXPECT_EQ(Ints(info.MessageKind, info.PictureKind), Ints(0, 0)) << type;
        EXPECT_EQ(info.ButtonFlags, (std::array<std::int16_t, 3>{})) << type;
        EXPECT_EQ(info.ChooserKinds, (std::array<std::int16_t, 9>{})) << type;
    }
}

struct TellingRow {
    int type;
    std::string name;
    std::array<std::string, 10> prompts;
};

TEST_F(NodeTypeDescriptorsTest, TellingRowsReadExactly) {
    // clang-format off
    const std::vector<TellingRow> rows = {
    {1, "Set Flag", {{"Stuff Done Flag Part A", "Stuff Done Flag Part B", "First part of message", "Second part of message", "Unused", "Value to change to", "Unused", "Unused", "Unused", "Special to jump to"}}},
    {14, "Play a Sound", {{"Unused", "Unused", "Unused", "Unused", "Unused", "Which sound", "Unused", "Unused", "Unused", "Special to jump to"}}},
    {51, "Give Special Item", {{"Stuff Done Flag Part A", "Stuff Done Flag Part B", "First part of message", "Second part of message", "Unused", "Num. of spec. item to give (0-49)", "0 - give item, 1 - take away", "Unused", "Unused", "Special to jump to"}}},
    {55, "Display Dialog (Dialog pic)", {{"Stuff Done Flag Part A", "Stuff Done Flag Part B", "Number of first message in dialog", "1 - add 'Leave/OK' button, else no", "Dialog picture number", "Label of 2nd button (-1 no button)", "Special if button 2 pressed", "Label of 3rd button (-1 no button)", "Special if button 3 pressed", "Special to jump to"}}},
    {58, "Give Item (Dialog pic)", {{"Stuff Done Flag Part A", "Stuff Done Flag Part B", "Number of first message in dialog", "Num. of spec. item to give (-1 none)", "Dialog picture number", "Item to give", "Amount of gold to give", "Amount of food to give", "Special if item is taken", "Special to jump to"}}},
    {63, "Trap", {{"Stuff Done Flag Part A", "Stuff Done Flag Part B", "First part of message", "Second part of message", "Unused", "Type of Trap", "Trap severity (0-3)", "Penalty (0-100, higher is harder)", "Unused", "Special to jump to"}}},
    {81, "Do Damage", {{"Unused", "Unused", "First part of message", "Second part of message", "Unused", "Number of dice", "Number of 'sides' on dice", "Amount of extra damage", "Type of damage", "Special to jump to"}}},
    {98, "Affect Statistic", {{"Unused", "Unused", "First part of message", "Second part of message", "Chance of changing (0 - 100)", "Amount (0 - 10)", "0 - increase, 1 - decrease", "Statistic to adjust", "Unused", "Special to jump to"}}},
    {130, "Stuff Done Flag?", {{"Stuff Done Flag Part A", "Stuff Done Flag Part B", "Unused", "Unused", "Unused", "If at least this value ...", "Call this special ...", "If less than this value ...", "Call this special ...", "Otherwise call this special ..."}}},
    {134, "Stuff Done Compare?", {{"Stuff Done Flag Part A", "Stuff Done Flag Part B", "Unused", "Unused", "Unused", "Stuff Done Flag 2 Part A", "Stuff Done Flag 2 Part B", "Unused", "Call this special if second flag lower", "Otherwise call this special ..."}}},
    {154, "Text Response?", {{"Unused", "Unused", "Unused", "Unused", "Unused", "Number of a SCENARIO special message", "If answer matches, call this special ...", "Number of a SCENARIO special message", "If answer matches, call this special ...", "Otherwise call this special ..."}}},
    {181, "Place Monster", {{"Unused", "Unused", "First part of message", "Second part of message", "Unused", "X coordinate of space", "Y coordinate of space", "Number of creature to place", "0 - don't force, 1 - force", "Special to jump to"}}},
    {188, "Lever", {{"Unused", "Unused", "Number of first message in dialog", "Unused", "Unused", "Unused", "If Pulled, call this special ...", "Unused", "Unused", "Special to jump to"}}},
    {190, "Stairway", {{"Unused", "Unused", "Number of first message in dialog", "Unused", "Unused", "X coordinate to go to", "Y coordinate to go to", "Number of town to place party in", "If 1, always change level", "Special to jump to"}}},
    {214, "Change Rectangle Terrain", {{"Terrain to change to", "Percent chance of changing (0 - 100)", "First part of message", "Second part of message", "Unused", "Top of rectangle", "Left of rectangle", "Bottom of rectangle", "Right of rectangle", "Special to jump to"}}},
    {227, "Place Outdoor Encounter", {{"Unused", "Unused", "First part of message", "Second part of message", "Unused", "Number of special encounter (0 - 3)", "Unused", "Unused", "Unused", "Special to jump to"}}},
    {229, "Outdoor Store", {{"Unused", "Unused", "First part of message", "Second part of message", "Unused", "Type of store", "Unused", "Unused", "Unused", "Special to jump to"}}},
    };
    // clang-format on
    for (const TellingRow& row : rows) {
        EXPECT_EQ(Type(row.type).Name, row.name);
        EXPECT_EQ(Type(row.type).Prompts, row.prompts) << row.type;
    }
}

TEST_F(NodeTypeDescriptorsTest, TwinTypesAndTheUnusedFlagFieldsOf135) {
    // The two give-spell types differ only in their name and spell list (checked above).
    EXPECT_EQ(Type(99).Prompts, Type(100).Prompts);
    EXPECT_EQ(Type(13).Name, "Start General Timer");
    EXPECT_EQ(Type(195).Name, "Start General Timer");
    EXPECT_NE(Type(13).Prompts, Type(195).Prompts);
    EXPECT_EQ(Type(135).Prompts[nodefield::StuffDoneA], kUnused);
    EXPECT_EQ(Type(135).Prompts[nodefield::StuffDoneB], kUnused);
}

// The prompts written for the types without a telling row follow the same rules as the
// telling rows: what a field offers or opens, its label says.
TEST_F(NodeTypeDescriptorsTest, FieldsThatOfferSomethingAreLabelled) {
    const std::vector<int> flagFieldsLeftUnlabelled = {135, 154};
    for (int type = 0; type < kSpecialNodeTypeCount; ++type) {
        const SpecialNodeTypeInfo& info = Type(type);
        const bool flagsLabelled =
            std::count(flagFieldsLeftUnlabelled.begin(), flagFieldsLeftUnlabelled.end(), type) == 0;
        if (flagsLabelled && info.ChooserKinds[nodefield::StuffDoneA] == chooser::StuffDoneFlagA) {
            EXPECT_EQ(info.Prompts[nodefield::StuffDoneA], "Stuff Done Flag Part A") << type;
        }
        if (flagsLabelled && info.ChooserKinds[nodefield::StuffDoneB] == chooser::StuffDoneFlagB) {
            EXPECT_EQ(info.Prompts[nodefield::StuffDoneB], "Stuff Done Flag Part B") << type;
        }
        for (std::size_t field = nodefield::Message1; field < nodefield::JumpTo; ++field) {
            if (info.ChooserKinds[field] != chooser::None) {
                EXPECT_NE(info.Prompts[field], kUnused) << "type " << type << ", field " << field;
            }
        }
        if (info.ButtonFlags[nodebutton::Message] != 0) {
            const bool dialog = info.MessageKind == messagekind::Dialog;
            EXPECT_EQ(info.Prompts[nodefield::Message1],
                      dialog ? "Number of first message in dialog" : "First part of message")
                << type;
        }
        if (info.ButtonFlags[nodebutton::Extra1b] != 0) {
            EXPECT_NE(info.Prompts[nodefield::Extra1b], kUnused) << type;
        }
        if (info.ButtonFlags[nodebutton::Extra2b] != 0) {
            EXPECT_NE(info.Prompts[nodefield::Extra2b], kUnused) << type;
        }
    }
}

struct StoreRow {
    std::int16_t storeKind;
    std::string extra1b;
    std::int16_t extra1bChooser;
    std::string extra2a;
    std::string extra2b;
};

TEST_F(NodeTypeDescriptorsTest, OutdoorStoreFollowsTheStoreKindShown) {
    const std::string cost = "Cost adjust (0 - 6, lower = cheaper)";
    const std::vector<StoreRow> rows = {
        {0, "Number of first item in store", 1, "Number of items in store (1 - 40)", cost},
        {1, "Number of first spell in store", 7, "Number of spells in store (1 - 40)", cost},
        {2, "Number of first spell in store", 8, "Number of spells in store (1 - 40)", cost},
        {3, "Number of first recipe in store", 9, "Number of recipes in store (1 - 19)", cost},
        {4, kUnused, 0, kUnused, cost},
        {5, "Which shop (0 - 4)", 0, kUnused, cost},
        {6, kUnused, 0, kUnused, kUnused},
        {-1, kUnused, 0, kUnused, kUnused},
        {32767, kUnused, 0, kUnused, kUnused},
    };
    const SpecialNodeTypeInfo before = Type(kOutdoorStoreType);
    const SpecialNodeTypeInfo neighbour = Type(kOutdoorStoreType - 1);
    // Each kind is applied after a different one, so that nothing of the previous kind survives.
    for (const StoreRow& row : rows) {
        const SpecialNodeTypeInfo& store = ApplyOutdoorStoreKind(row.storeKind);
        EXPECT_EQ(&store, &Type(kOutdoorStoreType));
        EXPECT_EQ(store.Prompts[nodefield::Extra1b], row.extra1b) << row.storeKind;
        EXPECT_EQ(store.ChooserKinds[nodefield::Extra1b], row.extra1bChooser) << row.storeKind;
        EXPECT_EQ(store.Prompts[nodefield::Extra2a], row.extra2a) << row.storeKind;
        EXPECT_EQ(store.Prompts[nodefield::Extra2b], row.extra2b) << row.storeKind;

        // Only those four parts of entry 229 change.
        SpecialNodeTypeInfo rest = store;
        rest.Prompts[nodefield::Extra1b] = before.Prompts[nodefield::Extra1b];
        rest.Prompts[nodefield::Extra2a] = before.Prompts[nodefield::Extra2a];
        rest.Prompts[nodefield::Extra2b] = before.Prompts[nodefield::Extra2b];
        rest.ChooserKinds[nodefield::Extra1b] = before.ChooserKinds[nodefield::Extra1b];
        EXPECT_EQ(rest.Prompts, before.Prompts);
        EXPECT_EQ(rest.ChooserKinds, before.ChooserKinds);
        EXPECT_EQ(rest.Name, before.Name);
    }
    EXPECT_EQ(Type(kOutdoorStoreType - 1).Prompts, neighbour.Prompts);
    // A refill of the tables restores the entry.
    ApplyOutdoorStoreKind(0);
    InitScenEditorTables();
    EXPECT_EQ(Type(kOutdoorStoreType).Prompts, before.Prompts);
    EXPECT_EQ(Type(kOutdoorStoreType).ChooserKinds, before.ChooserKinds);
}
} // namespace

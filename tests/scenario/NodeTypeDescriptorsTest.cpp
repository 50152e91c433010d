#include "scenario/tables/NodeTypeDescriptors.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace {
constexpr const char* kUnused = "Unused";

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

// Whether type lies in a list written as "1..3, 5, 17..20".
bool InList(const std::string& list, int type) {
    std::istringstream in(list);
    std::string item;
    while (std::getline(in, item, ',')) {
        const auto dots = item.find("..");
        const int first = std::stoi(item.substr(0, dots));
        const int last = dots == std::string::npos ? first : std::stoi(item.substr(dots + 2));
        if (type >= first && type <= last) return true;
    }
    return false;
}

// The value each type must have: the code of the first list that holds it, else 0.
struct CodedList {
    std::int16_t code;
    std::string types;
};
std::int16_t ExpectedCode(const std::vector<CodedList>& lists, int type) {
    for (const CodedList& list : lists)
        if (InList(list.types, type)) return list.code;
    return 0;
}

TEST_F(NodeTypeDescriptorsTest, NamesDefineTheSixBlocksOfTypes) {
    const std::string defined = "0..29, 50..63, 80..106, 130..156, 170..218, 225..229";
    int named = 0;
    for (int type = 0; type < kSpecialNodeTypeCount; ++type) {
        EXPECT_EQ(Type(type).Name.empty(), !InList(defined, type)) << type;
        if (!Type(type).Name.empty()) ++named;
    }
    EXPECT_EQ(named, 152);
    EXPECT_EQ(Type(0).Name, "No Special");
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
        EXPECT_EQ(info.ButtonFlags, Type(30).ButtonFlags) << type;
        EXPECT_EQ(info.ChooserKinds, Type(30).ChooserKinds) << type;
    }
}

TEST_F(NodeTypeDescriptorsTest, MessageAndPictureKinds) {
    const std::vector<CodedList> messageKinds = {{1, "55..60, 188..190"}};
    const std::vector<CodedList> pictureKinds = {
        {1, "55, 58"}, {2, "56, 59, 188, 189"}, {3, "57, 60"}};
    for (int type = 0; type < kSpecialNodeTypeCount; ++type) {
        EXPECT_EQ(Type(type).MessageKind, ExpectedCode(messageKinds, type)) << type;
        EXPECT_EQ(Type(type).PictureKind, ExpectedCode(pictureKinds, type)) << type;
    }
}

TEST_F(NodeTypeDescriptorsTest, CreateEditButtons) {
    const std::array<std::string, 3> buttons = {
        "1..3, 5, 6, 11, 12, 17..20, 25, 29, 50, 51, 54..63, 80..106, 170..183, 188..196, "
        "200..218, 226..229",
        "13, 19, 20, 24, 28, 55..57, 80, 130..133, 137, 138, 140..143, 145..149, 151..156, 184, "
        "186, 188, 195",
        "50, 55..60, 130, 134..136, 139, 144, 150, 154"};
    for (int type = 0; type < kSpecialNodeTypeCount; ++type)
        for (std::size_t button = 0; button < buttons.size(); ++button)
            EXPECT_EQ(Type(type).ButtonFlags[button] != 0, InList(buttons[button], type))
                << "type " << type << ", button " << button;
}

TEST_F(NodeTypeDescriptorsTest, ValueListsOfEachField) {
    std::array<std::vector<CodedList>, 9> lists;
    // clang-format off
    lists[nodefield::StuffDoneA] = {{16, "1, 2, 6, 9, 10, 22..24, 28, 50..63, 130..156"},
                                    {2, "214, 215"}};
    lists[nodefield::StuffDoneB] = {{17, "1, 2, 6, 9, 10, 23, 24, 28, 50..63, 130..156"},
                                    {2, "215"}};
    lists[nodefield::Message2] = {{14, "58..60"}};
    lists[nodefield::Extra1a] = {{1, "19, 50, 58..60"}, {3, "182"}, {4, "14"}, {5, "55..57"},
                                 {7, "99"}, {8, "100"}, {9, "103"}, {10, "63"}, {12, "229"},
                                 {13, "196"}, {14, "51, 133"}, {15, "17, 131"}, {16, "23, 134"}};
    lists[nodefield::Extra1b] = {{17, "23, 134"}};
    lists[nodefield::Extra2a] = {{1, "192"}, {2, "135, 136, 171, 172, 226"}, {3, "181"},
                                 {5, "55..57"}, {6, "98"}, {15, "187, 190"}};
    lists[nodefield::Extra2b] = {{2, "172"}, {11, "81, 176"}};
    // clang-format on
    for (int type = 0; type < kSpecialNodeTypeCount; ++type)
        for (std::size_t field = 0; field < lists.size(); ++field)
            EXPECT_EQ(Type(type).ChooserKinds[field], ExpectedCode(lists[field], type))
                << "type " << type << ", field " << field;
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

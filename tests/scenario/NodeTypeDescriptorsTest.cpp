#include "scenario/tables/NodeTypeDescriptors.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"

#include "support/Ints.h"

#include <gtest/gtest.h>

namespace {
constexpr const char* kUnused = "Unused";

class NodeTypeDescriptorsTest : public testing::Test {
  protected:
    void SetUp() override {
        InitCommonTables();
        InitScenEditorTables();
    }
};

const SpecialNodeTypeInfo& Type(int type) {
    return SpecialNodeTypes[static_cast<std::size_t>(type)];
}

// One type's codes side by side: message kind, picture kind, the three buttons, the nine lists.
std::vector<int> Codes(int type) {
    const SpecialNodeTypeInfo& info = SpecialNodeTypes[static_cast<std::size_t>(type)];
    std::vector<int> codes{type, info.MessageKind, info.PictureKind};
    codes.insert(codes.end(), info.ButtonFlags.begin(), info.ButtonFlags.end());
    codes.insert(codes.end(), info.ChooserKinds.begin(), info.ChooserKinds.end());
    return codes;
}

// How many types have a non-zero value in each column, and the sum of each column's codes: a
// type added to or lost from any list, or given another code, changes a count or a sum; the
// rows below pin whole entries.
TEST_F(NodeTypeDescriptorsTest, NamesKindsButtonsAndValueListsAsTheTypesNeedAndLabelled) {
    int named = 0;
    std::vector<int> nonZero(15), sums(15);
    for (int type = 0; type < kSpecialNodeTypeCount; ++type) {
        named += !Type(type).Name.empty();
        const std::vector<int> codes = Codes(type);
        for (std::size_t k = 1; k < codes.size(); ++k) {
            nonZero[k] += codes[k] != 0;
            sums[k] += codes[k];
        }
    }
    EXPECT_EQ(named, 152);
    EXPECT_EQ(nonZero, Ints(0, 9, 8, 98, 34, 15, 52, 50, 0, 3, 0, 22, 2, 13, 3));
    EXPECT_EQ(sums, Ints(0, 9, 16, 98, 34, 15, 804, 835, 0, 42, 0, 176, 34, 65, 24));
    // type, message kind, picture kind, the three buttons, the nine value lists
    // clang-format off
    const std::vector<std::vector<int>> rows = {
        {23, 0, 0, 0, 0, 0, 16, 17, 0, 0, 0, 16, 17, 0, 0},
        {56, 1, 2, 1, 1, 1, 16, 17, 0, 0, 0, 5, 0, 5, 0},
        {60, 1, 3, 1, 0, 1, 16, 17, 0, 14, 0, 1, 0, 0, 0},
        {81, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 11},
        {135, 0, 0, 0, 0, 1, 16, 17, 0, 0, 0, 0, 0, 2, 0},
        {172, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2},
        {189, 1, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {229, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 12, 0, 0, 0}};
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(Codes(row[0]), row);
    EXPECT_EQ((std::vector{Type(15).Name, Type(24).Name, Type(211).Name}),
              (std::vector<std::string>{"Change Horse Possesion", "Ritual of Sancify Block",
                                        "Place Barrels, etc"}));
    // The prompts written for the types without a telling row follow the same rules as the telling
    // rows: what a field offers or opens, its label says.
    using namespace nodefield;
    std::vector<std::pair<int, int>> mislabelled; // type, field
    for (int type = 0; type < kSpecialNodeTypeCount; ++type) {
        const SpecialNodeTypeInfo& info = Type(type);
        const auto& prompt = info.Prompts;
        const auto check = [&](bool offered, int field, bool labelled) {
            if (offered && !labelled) mislabelled.emplace_back(type, field);
        };
        const bool flags = type != 135 && type != 154;
        for (int field : {StuffDoneA, StuffDoneB})
            check(flags && info.ChooserKinds[field] == chooser::StuffDoneFlagA + field, field,
                  prompt[field] == std::string("Stuff Done Flag Part ") + char('A' + field));
        for (int field = Message1; field < JumpTo; ++field)
            check(info.ChooserKinds[field] != chooser::None, field, prompt[field] != kUnused);
        check(info.ButtonFlags[nodebutton::Message] != 0, Message1,
              prompt[Message1] == (info.MessageKind == messagekind::Dialog
                                       ? "Number of first message in dialog"
                                       : "First part of message"));
        check(info.ButtonFlags[nodebutton::Extra1b] != 0, Extra1b, prompt[Extra1b] != kUnused);
        check(info.ButtonFlags[nodebutton::Extra2b] != 0, Extra2b, prompt[Extra2b] != kUnused);
    }
    EXPECT_EQ(mislabelled, (std::vector<std::pair<int, int>>{}));
}

// The type's name and its ten prompts, joined by '|'.
std::string Told(int type) {
    std::string told = Type(type).Name;
    for (const std::string& prompt : Type(type).Prompts)
        told += "|" + prompt;
    return told;
}

TEST_F(NodeTypeDescriptorsTest, TellingTwinUndefinedAndReservedTypesReadExactly) {
    const std::string message = "|First part of message|Second part of message";
    const std::string unused3 = "|Unused|Unused|Unused", jump = "|Special to jump to";
    const std::pair<int, std::string> rows[] = {
        {51, "Give Special Item|Stuff Done Flag Part A|Stuff Done Flag Part B" + message +
                 "|Unused|Num. of spec. item to give (0-49)|0 - give item, 1 - take away|Unused|"
                 "Unused" +
                 jump},
        {154, "Text Response?|Unused|Unused" + unused3 +
                  "|Number of a SCENARIO special message|If answer matches, call this special "
                  "...|Number of a SCENARIO special message|If answer matches, call this special "
                  "...|Otherwise call this special ..."},
        {229, "Outdoor Store|Unused|Unused" + message + "|Unused|Type of store" + unused3 + jump}};
    for (const auto& [type, told] : rows)
        EXPECT_EQ(Told(type), told);
    // Twin types: the two give-spell types differ only in their name and the spell list of extra
    // 1a; the two general timers share their name only. 135 leaves its flag fields unused.
    std::vector<int> mage = Codes(99);
    std::tie(mage[0], mage[11]) = std::tuple(100, chooser::PriestSpells);
    EXPECT_EQ(std::tuple(Codes(100), Type(100).Prompts), std::tuple(mage, Type(99).Prompts));
    EXPECT_EQ(
        (std::vector{Type(13).Name, Type(195).Name, Type(135).Prompts[nodefield::StuffDoneA],
                     Type(135).Prompts[nodefield::StuffDoneB]}),
        (std::vector<std::string>{"Start General Timer", "Start General Timer", kUnused, kUnused}));
    EXPECT_NE(Type(13).Prompts, Type(195).Prompts);
    // Undefined types keep the default, and the reserved ones are named "Unused".
    std::array<std::string, 10> unusedPrompts;
    unusedPrompts.fill(kUnused);
    unusedPrompts[nodefield::JumpTo] = "Special to jump to";
    for (const int type : {30, 49, 107, 157, 219, 230, 255, 197, 198, 199}) {
        EXPECT_EQ(Type(type).Name, type >= 197 && type <= 199 ? kUnused : "") << type;
        EXPECT_EQ(Type(type).Prompts, unusedPrompts) << type;
        EXPECT_EQ(Codes(type), Ints(type, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
    }
}

TEST_F(NodeTypeDescriptorsTest, OutdoorStoreFollowsTheStoreKindShown) {
    using namespace nodefield;
    const std::string cost = "|Cost adjust (0 - 6, lower = cheaper)", none = "Unused|Unused";
    // store kind; the prompts of extra 1b, 2a and 2b, and the value list of extra 1b
    const std::pair<int, std::string> rows[] = {
        {0, "Number of first item in store|Number of items in store (1 - 40)" + cost + "|1"},
        {1, "Number of first spell in store|Number of spells in store (1 - 40)" + cost + "|7"},
        {2, "Number of first spell in store|Number of spells in store (1 - 40)" + cost + "|8"},
        {3, "Number of first recipe in store|Number of recipes in store (1 - 19)" + cost + "|9"},
        // clang-format off
        {4, none + cost + "|0"}, {5, "Which shop (0 - 4)|Unused" + cost + "|0"},
        {6, none + "|Unused|0"}, {-1, none + "|Unused|0"}, {32767, none + "|Unused|0"}};
    // clang-format on
    const SpecialNodeTypeInfo before = Type(kOutdoorStoreType);
    // Each kind is applied after a different one, so that nothing of the previous kind survives.
    for (const auto& [kind, shown] : rows) {
        SpecialNodeTypeInfo store = ApplyOutdoorStoreKind(static_cast<std::int16_t>(kind));
        EXPECT_EQ(store.Prompts[Extra1b] + "|" + store.Prompts[Extra2a] + "|" +
                      store.Prompts[Extra2b] + "|" + std::to_string(store.ChooserKinds[Extra1b]),
                  shown);
        // Only those four parts of entry 229 change.
        for (int field : {Extra1b, Extra2a, Extra2b})
            store.Prompts[field] = before.Prompts[field];
        store.ChooserKinds[Extra1b] = before.ChooserKinds[Extra1b];
        EXPECT_EQ(std::tie(store.Prompts, store.ChooserKinds, store.Name),
                  std::tie(before.Prompts, before.ChooserKinds, before.Name));
        EXPECT_EQ(Type(kOutdoorStoreType).Prompts[Extra1b], shown.substr(0, shown.find('|')));
    }
    // A refill of the tables restores the entry.
    ApplyOutdoorStoreKind(0);
    InitScenEditorTables();
    EXPECT_EQ(std::tie(Type(kOutdoorStoreType).Prompts, Type(kOutdoorStoreType).ChooserKinds),
              std::tie(before.Prompts, before.ChooserKinds));
}
} // namespace

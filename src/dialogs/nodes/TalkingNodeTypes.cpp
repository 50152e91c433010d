#include "dialogs/nodes/TalkingNodeTypes.h"

#include <algorithm>

const char* const kUnusedPrompt = "Unused";

const std::array<const char*, kTalkingNodeTypeCount> kTalkingNodeTypeNames = {
    "Regular speech",
    "Response depends on flag",
    "Set flag to 1",
    "Inn",
    "Depends on Day",
    "Depends on Time (and event)",
    "Depends on Town",
    "Buy Items",
    "Receive Training",
    "Mage Spell Shop",
    "Priest Spell Shop",
    "Alchemy Shop",
    "Healer",
    "Sell Weapons",
    "Sell Armor",
    "Sell All Items",
    "Identify Items",
    "Enchant Weapons",
    "Pay For Response",
    "Buy Response, Change Flag",
    "Ship Shop",
    "Horse Shop",
    "Buy Special Item",
    "Magic Shop",
    "Reveal Town Location",
    "Force Conversation End",
    "Hostile Conversation End",
    "Town Hostile Conv. End",
    "Eliminate Creature",
    "Call Town Special",
    "Call Scenario Special",
};

namespace {
// Where an extra's bounds come from.
enum class Bound { Any, Fixed, Towns, BoundaryX, BoundaryY };

struct ExtraRow {
    const char* prompt = nullptr; // nullptr: unused
    Bound bound = Bound::Any;
    std::int16_t max = 0;
};

struct TypeRow {
    std::array<ExtraRow, kTalkExtraCount> extra;
    const char* text1;
    const char* text2;
    int pickIndex;
    int pickKind;
};

constexpr ExtraRow None{};
constexpr ExtraRow Any(const char* prompt) {
    return {prompt, Bound::Any, 0};
}
constexpr ExtraRow Upto(const char* prompt, std::int16_t max) {
    return {prompt, Bound::Fixed, max};
}
constexpr ExtraRow From(const char* prompt, Bound bound) {
    return {prompt, bound, 0};
}

const char* const kFirstPart = "First Part of Response...";
const char* const kSecondPart = "Second Part of Response...";
const char* const kShopName = "Name of shop";
const char* const kCost = "Cost adjustment (0..6)";
const char* const kBuyer = "Buyer 's response";
const char* const kHasGold = "Response if party has gold";
const char* const kNoGold = "Response if they don't";
const char* const kFlagA = "Stuff Done flag Part A";
const char* const kFlagB = "Stuff Done flag Part B";

const TypeRow kTypes[kTalkingNodeTypeCount] = {
    {{None, None, None, None}, kFirstPart, kSecondPart, -1, 0},
    {{Upto(kFlagA, 299), Upto(kFlagB, 9), Any("Value to compare to"), None},
     "Response if less than or equal to",
     "Response if greater than",
     0,
     talklist::Flags},
    {{Upto(kFlagA, 299), Upto(kFlagB, 9), None, None}, kFirstPart, kSecondPart, 0, talklist::Flags},
    {{Any("Cost of Inn"), Upto("Quality of Inn (0..3)", 3),
      From("Move party to X", Bound::BoundaryX), From("Move party to Y", Bound::BoundaryY)},
     "Response if can afford it...",
     "Response if not enough money...",
     -1,
     0},
    {{Any("Day when response changes"), None, None, None},
     "Response if day not reached...",
     "Response if day reached...",
     -1,
     0},
    {{Any("If this day has been reached..."), Any("And this event did not happen before it"), None,
      None},
     "Respond with this...",
     "Otherwise respond with this...",
     -1,
     0},
    {{From("Town to check", Bound::Towns), None, None, None},
     "Response if in this town...",
     "Otherwise respond...",
     0,
     talklist::Towns},
    {{Upto(kCost, 6), Upto("Number of first item in shop", 499),
      Upto("Total number of items in shop", 48), None},
     kShopName,
     nullptr,
     1,
     talklist::ItemTypes},
    {{None, None, None, None}, nullptr, nullptr, -1, 0},
    {{Any(kCost), Upto("Number of first spell in shop", 61),
      Upto("Total number of spells in shop", 61), None},
     kShopName,
     nullptr,
     1,
     talklist::MageSpells},
    {{Any(kCost), Any("Number of first spell in shop"), Any("Total number of spells in shop"),
      None},
     kShopName,
     nullptr,
     1,
     talklist::PriestSpells},
    {{Any(kCost), Upto("Number of first recipe in shop", 19),
      Upto("Total number of recipes in shop", 19), None},
     kShopName,
     nullptr,
     1,
     talklist::Recipes},
    {{Any(kCost), None, None, None}, "Name of healer", nullptr, -1, 0},
    {{None, None, None, None}, kBuyer, nullptr, -1, 0},
    {{None, None, None, None}, kBuyer, nullptr, -1, 0},
    {{None, None, None, None}, kBuyer, nullptr, -1, 0},
    {{Any("Cost to identify"), None, None, None}, "Person identifying items says:", nullptr, -1, 0},
    {{Any("Type of enchantment"), None, None, None},
     "Person augmenting items says:",
     nullptr,
     0,
     talklist::Enchantments},
    {{Any("Amount of gold taken"), None, None, None}, kHasGold, kNoGold, -1, 0},
    {{Any("Amount of gold taken"), Any(kFlagA), Any(kFlagB), Any("Change flag to")},
     kHasGold,
     kNoGold,
     1,
     talklist::Flags},
    {{Any("Cost of boat"), Any("Number of first boat sold"), Any("Total number of boats sold"),
      None},
     kHasGold,
     kNoGold,
     -1,
     0},
    {{Any("Cost of horse"), Any("Number of first horse sold"), Any("Total number of horses sold"),
      None},
     kHasGold,
     kNoGold,
     -1,
     0},
    {{Upto("Number of item being sold", 499), Any("Cost of item"), None, None},
     "Response if party buys it",
     "Response if party can't afford it",
     0,
     talklist::SpecialItems},
    {{Upto(kCost, 6), Any("Which shop (0..4)"), None, None}, kShopName, nullptr, -1, 0},
    {{Upto("Cost to know where town is", 3000), From("Number of town to reveal", Bound::Towns),
      None, None},
     "Response if party can pay",
     "Response if party can't afford it",
     1,
     talklist::Towns},
    {{None, None, None, None}, kFirstPart, kSecondPart, -1, 0},
    {{None, None, None, None}, kFirstPart, kSecondPart, -1, 0},
    {{None, None, None, None}, kFirstPart, kSecondPart, -1, 0},
    {{None, None, None, None}, kFirstPart, kSecondPart, -1, 0},
    {{Upto("Number of town special node to call", 99), None, None, None},
     "First Part of Response (See Docs.)",
     "Second Part of Response (See Docs.)",
     -1,
     0},
    {{Upto("Number of scenario special node to call", 255), None, None, None},
     "First Part of Response (See Docs.)",
     "Second Part of Response (See Docs.)",
     -1,
     0},
};
} // namespace

TalkPrompts PromptsOfTalkType(const Scenario& scen, std::int16_t type) {
    TalkPrompts prompts;
    prompts.Prompt.fill(kUnusedPrompt);
    if (type < 0 || type >= kTalkingNodeTypeCount) return prompts;
    const TypeRow& row = kTypes[type];
    const AreaRect boundary =
        scen.CurrentTown < scen.Towns.size() ? scen.Towns[scen.CurrentTown].Boundary : AreaRect{};
    for (std::size_t i = 0; i < kTalkExtraCount; ++i) {
        const ExtraRow& extra = row.extra[i];
        if (!extra.prompt) continue;
        prompts.Prompt[i] = extra.prompt;
        switch (extra.bound) {
        case Bound::Any:
            break;
        case Bound::Fixed:
            prompts.ExtraMax[i] = extra.max;
            break;
        case Bound::Towns:
            prompts.ExtraMax[i] = static_cast<std::int16_t>(std::max(scen.TownCount - 1, 0));
            break;
        case Bound::BoundaryX:
            prompts.ExtraMin[i] = boundary.Left;
            prompts.ExtraMax[i] = boundary.Right;
            break;
        case Bound::BoundaryY:
            prompts.ExtraMin[i] = boundary.Top;
            prompts.ExtraMax[i] = boundary.Bottom;
            break;
        }
    }
    if (row.text1) prompts.Prompt[4] = row.text1;
    if (row.text2) prompts.Prompt[5] = row.text2;
    prompts.PickIndex = row.pickIndex;
    prompts.PickKind = row.pickKind;
    prompts.CallsNode = type == 29 || type == 30;
    return prompts;
}

std::int32_t CalledNodeFamily(std::int16_t type) {
    return type == 29 ? 2 : 0;
}

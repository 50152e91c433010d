#pragma once

#include "scenario/Scenario.h"

#include <array>
#include <cstdint>
#include <string>

// What each of the 31 talking-node types makes of a node's four extras and two texts: the
// prompts, the range each extra accepts, the pick list offered for an extra, and whether the
// node calls a special node.

constexpr int kTalkingNodeTypeCount = 31;
constexpr int kTalkExtraCount = 4;
constexpr int kTalkPromptCount = 6; // the four extras, then the two texts
constexpr int kTalkPickListCount = 3;

// The prompt of a part a type does not use.
extern const char* const kUnusedPrompt;

// The name of each type, in value order.
extern const std::array<const char*, kTalkingNodeTypeCount> kTalkingNodeTypeNames;

// The pick lists a type can offer, by their list kind.
namespace talklist {
constexpr int Flags = 0; // flags over one extra and the flag's values over the next
constexpr int Towns = 1;
constexpr int ItemTypes = 2;
constexpr int MageSpells = 3;
constexpr int PriestSpells = 4;
constexpr int Recipes = 5;
constexpr int Enchantments = 6;
constexpr int SpecialItems = 7;
} // namespace talklist

struct TalkPrompts {
    std::array<std::string, kTalkPromptCount> Prompt;
    // Equal bounds (0 and 0 above all) leave only the validator's general rules.
    std::array<std::int16_t, kTalkExtraCount> ExtraMin{};
    std::array<std::int16_t, kTalkExtraCount> ExtraMax{};
    // The extra whose pick list the type offers (-1: none), and the list's kind.
    int PickIndex = -1;
    int PickKind = 0;
    // Types 29 and 30 call a town or a scenario special node.
    bool CallsNode = false;
};

// The prompts of a type in the current town of the scenario (a type outside 0..30 uses
// nothing). The inn's move bounds come from the town's boundary, the town lists' from the
// number of towns.
TalkPrompts PromptsOfTalkType(const Scenario& scen, std::int16_t type);

// The node family a calling type's extra A names: 2 town nodes for type 29, 0 scenario nodes
// for type 30.
std::int32_t CalledNodeFamily(std::int16_t type);

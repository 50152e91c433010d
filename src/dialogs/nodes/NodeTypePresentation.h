#pragma once

#include "dialogs/nodes/NodeCopy.h"
#include "dialogs/nodes/NodeStorage.h"
#include "scenario/tables/NodeTypeDescriptors.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// How the node editor presents a node of each type: the categories its type buttons list, the
// value list beside each field, and the descriptor that labels the fields. Texts are
// Windows-1252, as the model keeps them.

struct NodeTypeCategory {
    const char* Caption;
    std::int16_t FirstType;
    std::int16_t LastType;
};
constexpr int kNodeTypeCategoryCount = 6;
extern const std::array<NodeTypeCategory, kNodeTypeCategoryCount> kNodeTypeCategories;

// The prompt that marks a field the type does not use (its label is shaded).
bool IsUnusedPrompt(const std::string& prompt);

// The entries of a value list of the chooser kind; entry n stands for the value n. A part-B
// list (kind 17) names the values of the flag given, and is empty for a flag outside 0..299.
// Kind 0, and a kind outside the table, has no list at all.
std::vector<std::string> ChooserEntries(const Scenario& scen, std::int16_t kind, std::int16_t flag);

// The entry that a field value selects in a list of entryCount entries; -1 for none.
int ChooserSelection(std::int16_t value, std::size_t entryCount);

// Makes the copy presentable and returns the descriptor of its type: a stored negative type is
// shown (and saved) as type 0, and an outdoor store relabels the shared descriptor of its type
// from its store kind.
const SpecialNodeTypeInfo& PresentedNodeType(NodeCopy& copy);

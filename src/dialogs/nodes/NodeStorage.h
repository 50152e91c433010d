#pragma once

#include "scenario/Scenario.h"

#include <cstdint>
#include <string>

// Where the special nodes of each family live.
// Node numbers count from 0 within their family.

namespace nodefamily {
constexpr std::int32_t Scenario = 0; // ScenSpecialNodes
constexpr std::int32_t Outdoor = 1;  // nodes of the current outdoor section
constexpr std::int32_t Town = 2;     // nodes of the current town
} // namespace nodefamily

// The largest node number of a family (255, 59, 99); -1 for a number that names no family.
std::int16_t MaxNodeOf(std::int32_t family);
bool IsNodeOfFamily(std::int32_t family, std::int32_t node);

// The stored node; raises the subscript error for a node or family that does not exist.
SpecialNode& FamilyNode(Scenario& scen, std::int32_t family, std::int32_t node);
const SpecialNode& FamilyNode(const Scenario& scen, std::int32_t family, std::int32_t node);

// A node is free when nothing happens there and nothing follows it.
bool IsFreeNode(const SpecialNode& node);

// The first free node of the family, skipping skippedNode (-1 skips nothing); -1 when there
// is none. Stored negative types met on the way, before the node found, are repaired to 0.
std::int16_t FirstFreeNode(Scenario& scen, std::int32_t family, std::int16_t skippedNode);

// What an opener may store as a reference to the node the editor handed back: the node
// itself, or -1 when it names no node or a free one.
std::int16_t NodeReferenceOrNone(const Scenario& scen, std::int32_t family, std::int16_t node);

// The two lines of the message shown when no free node is left.
extern const char* const kNoFreeNodeText;

// The message shown for a node number that does not exist in its family.
std::string NodeOutOfRangeText(std::int32_t family, std::int32_t node);

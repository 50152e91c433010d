#pragma once

#include "scenario/Scenario.h"

#include <array>
#include <cstdint>

// The node editor's copy of one node: its type, and its other ten fields in record order.
constexpr int kNodeFieldCount = 10;
struct NodeCopy {
    std::int16_t CurrentType = 0;
    std::array<std::int16_t, kNodeFieldCount> NodeData{};
    bool operator==(const NodeCopy&) const = default;
};

NodeCopy LoadNodeCopy(const SpecialNode& node);

// The node to store for the working copy. A copy of type 0 that jumps nowhere frees the node:
// it is stored with -1 in every field but the picture, which gets 0, whatever was typed.
SpecialNode SaveNodeCopy(const NodeCopy& copy);

#include "dialogs/nodes/NodeStorage.h"

#include <algorithm>

std::int16_t MaxNodeOf(std::int32_t family) {
    switch (family) {
    case nodefamily::Scenario:
        return 255;
    case nodefamily::Outdoor:
        return 59;
    case nodefamily::Town:
        return 99;
    default:
        return -1;
    }
}

bool IsNodeOfFamily(std::int32_t family, std::int32_t node) {
    return node >= 0 && node <= MaxNodeOf(family);
}

SpecialNode& FamilyNode(Scenario& scen, std::int32_t family, std::int32_t node) {
    if (!IsNodeOfFamily(family, node)) RaiseError(err::SubscriptOutOfRange);
    const auto index = static_cast<std::size_t>(node);
    switch (family) {
    case nodefamily::Scenario:
        return scen.ScenSpecialNodes[index];
    case nodefamily::Outdoor:
        return scen.OutdoorSections.At(scen.CurrentOutdoorX, scen.CurrentOutdoorY)
            .SpecialNodes[index];
    default:
        if (scen.CurrentTown >= scen.Towns.size()) RaiseError(err::SubscriptOutOfRange);
        return scen.Towns[scen.CurrentTown].SpecialNodes[index];
    }
}

const SpecialNode& FamilyNode(const Scenario& scen, std::int32_t family, std::int32_t node) {
    return FamilyNode(const_cast<Scenario&>(scen), family, node);
}

bool IsFreeNode(const SpecialNode& node) {
    return node.Type == 0 && node.JumpTo == -1;
}

std::int16_t FirstFreeNode(Scenario& scen, std::int32_t family, std::int16_t skippedNode) {
    const std::int16_t last = MaxNodeOf(family);
    for (std::int16_t n = 0; n <= last; ++n) {
        SpecialNode& node = FamilyNode(scen, family, n);
        if (node.Type < 0) node.Type = 0;
        if (n != skippedNode && IsFreeNode(node)) return n;
    }
    return -1;
}

std::int16_t NodeReferenceOrNone(const Scenario& scen, std::int32_t family, std::int16_t node) {
    if (!IsNodeOfFamily(family, node)) return -1;
    const SpecialNode& stored = FamilyNode(scen, family, node);
    return IsFreeNode(stored) ? std::int16_t{-1} : node;
}

const char* const kNoFreeNodeText =
    "You can't create a new special encounter\r\nbecause there are no more free special "
    "nodes.\r\n\r\nTo free a special node, set its Type to No Special\r\nand set its 'Jump to "
    "Special' to -1.";

std::string NodeOutOfRangeText(std::int32_t family, std::int32_t node) {
    const char* name = family == nodefamily::Scenario  ? "scenario"
                       : family == nodefamily::Outdoor ? "outdoor"
                                                       : "town";
    return "There is no " + std::string(name) + " special node " + std::to_string(node) +
           ".\r\n\r\nThese nodes are numbered 0 to " +
           std::to_string(std::max<int>(0, MaxNodeOf(family))) + ".";
}

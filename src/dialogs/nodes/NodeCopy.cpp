#include "dialogs/nodes/NodeCopy.h"

NodeCopy LoadNodeCopy(const SpecialNode& node) {
    return {node.Type,
            {node.StuffDoneA, node.StuffDoneB, node.Message1, node.Message2, node.Picture,
             node.Extra1a, node.Extra1b, node.Extra2a, node.Extra2b, node.JumpTo}};
}

SpecialNode SaveNodeCopy(const NodeCopy& copy) {
    auto data = copy.NodeData;
    if (data[9] == -1 && copy.CurrentType == 0) {
        data.fill(-1);
        data[4] = 0;
    }
    return {copy.CurrentType, data[0], data[1], data[2], data[3], data[4],
            data[5],          data[6], data[7], data[8], data[9]};
}

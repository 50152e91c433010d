#include "dialogs/nodes/NodeLinks.h"

#include "graphics/core/PicturePages.h"
#include "scenario/tables/NodeTypeDescriptors.h"

namespace {
constexpr std::int16_t kStartGeneralTimer = 13;
constexpr std::int16_t kCallGlobalSpecial = 21;
} // namespace

NodeLink LinkOfButton(int button, std::int16_t currentType, std::int32_t currentFamily) {
    switch (button) {
    case 1:
        return {nodefield::Extra1b,
                currentType == kStartGeneralTimer ? nodefamily::Scenario : currentFamily};
    case 2:
        return {nodefield::Extra2b, currentFamily};
    default:
        return {nodefield::JumpTo,
                currentType == kCallGlobalSpecial ? nodefamily::Scenario : currentFamily};
    }
}

void GoBackStack::Reset(std::int16_t node, std::int32_t family) {
    entries_.fill(GoBackEntry{});
    depth_ = 0;
    entries_[0] = {node, static_cast<std::int16_t>(family), 0};
}

void GoBackStack::SetPendingNode(std::int16_t node) {
    if (!IsFull()) entries_[static_cast<std::size_t>(depth_)].Node = node;
}

bool GoBackStack::Push(const GoBackEntry& parent) {
    if (IsFull()) return false;
    entries_[static_cast<std::size_t>(depth_)] = parent;
    ++depth_;
    return true;
}

GoBackEntry GoBackStack::Pop() {
    if (depth_ <= 0) RaiseError(err::SubscriptOutOfRange);
    --depth_;
    return entries_[static_cast<std::size_t>(depth_)];
}

bool ShouldUnlinkParent(const NodeCopy& parent, const GoBackEntry& parentEntry,
                        std::int16_t leftNode, std::int32_t leftFamily) {
    const NodeLink link = LinkOfButton(parentEntry.Button, parent.CurrentType, parentEntry.Family);
    return parentEntry.Button >= 1 && parentEntry.Button <= 3 &&
           parent.NodeData[static_cast<std::size_t>(link.Field)] == leftNode &&
           link.Family == leftFamily;
}

PicturePick PicturePickOf(bool custom, std::int16_t pictureKind, int customSheetHeight) {
    PicturePick pick;
    if (custom) {
        if (pictureKind != 0) pick = {kPickCustom, 1000};
    } else if (pictureKind == 1) {
        pick = {kPickDialog, 700};
    } else if (pictureKind == 2) {
        pick = {kPickTerrain, 0};
    } else if (pictureKind == 3) {
        pick = {kPickMonster, 400};
    }
    if (pick.PictureSet >= 0)
        pick.MaxPicture = PictureKindOf(pick.PictureSet, customSheetHeight).MaxPicture;
    return pick;
}

std::int16_t PreselectedPicture(const PicturePick& pick, std::int16_t value) {
    const int number = value - pick.Offset;
    return number >= 0 && number <= pick.MaxPicture ? static_cast<std::int16_t>(number)
                                                    : std::int16_t{-1};
}

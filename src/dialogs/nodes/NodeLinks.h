#pragma once

#include "dialogs/nodes/NodeCopy.h"
#include "dialogs/nodes/NodeStorage.h"

#include <array>
#include <cstdint>

// The links between special nodes that the node editor follows, and the chain of parents it
// keeps so that the author can go back along it.

// The field a link button follows and the family of the node it names. Button 1 follows
// extra 1b, 2 extra 2b, 3 the jump-to; a general timer (type 13) starts a scenario node from
// extra 1b and a global call (type 21) jumps to one.
struct NodeLink {
    int Field = 0;
    std::int32_t Family = nodefamily::Scenario;
};
NodeLink LinkOfButton(int button, std::int16_t currentType, std::int32_t currentFamily);

struct GoBackEntry {
    std::int16_t Node = -1;
    std::int16_t Family = 0;
    std::int16_t Button = 0; // the link button that was followed; 0 at the bottom
};

class GoBackStack {
  public:
    static constexpr int kCapacity = 256;

    // Empties the chain and records the node the editor opens on at the bottom.
    void Reset(std::int16_t node, std::int32_t family);
    // The node the editor allocated for the entry about to be written.
    void SetPendingNode(std::int16_t node);

    // Records a parent before its link is followed; false, changing nothing, when the chain is
    // full.
    bool Push(const GoBackEntry& parent);
    // Removes and returns the latest parent; the chain must not be empty.
    GoBackEntry Pop();

    std::int16_t Depth() const { return depth_; }
    bool IsFull() const { return depth_ >= kCapacity; }
    const GoBackEntry& Bottom() const { return entries_[0]; }

  private:
    std::array<GoBackEntry, kCapacity> entries_{};
    std::int16_t depth_ = 0;
};

// Going back from a child that was left unused takes the link out of the parent, but only
// while the parent's field still names that child: an arrow may have moved the editor on to
// another node since the link was followed.
bool ShouldUnlinkParent(const NodeCopy& parent, const GoBackEntry& parentEntry,
                        std::int16_t leftNode, std::int32_t leftFamily);

// The picture picker's view of a node's picture field.
struct PicturePick {
    std::int32_t PictureSet = -1; // the picker kind; -1 when the button picks nothing
    std::int16_t Offset = 0;      // field value = picked number + offset
    std::int16_t MaxPicture = 0;  // the largest number the picker offers
};
// custom is true for the "Custom" button; pictureKind is the node type's picture kind;
// customSheetHeight is the height in pixels of the scenario's custom sheet.
PicturePick PicturePickOf(bool custom, std::int16_t pictureKind, int customSheetHeight);
// The picker number to mark for a stored picture: -1 when it lies outside the picker's range.
std::int16_t PreselectedPicture(const PicturePick& pick, std::int16_t value);

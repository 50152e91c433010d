#pragma once

#include <cstdint>

// What the object procedures remember between clicks. Not part of the scenario file; one
// instance for the program, reset whenever the map editor is hidden.
struct ObjectState {
    // The preset item and the creature placed last, which the duplicate tools copy; -1 = none.
    std::int16_t LastItemNum = -1;
    std::int16_t LastMonstNum = -1;
    // The saved-item area that Set Save Area is placing. Kept apart from the node held by Copy
    // Special, so that placing a save area never turns into a node number for Paste Special.
    std::int16_t SaveAreaSlot = -1;

    bool operator==(const ObjectState&) const = default;
};

extern ObjectState Objects;

#pragma once

#include "scenario/Scenario.h"

#include <cstdint>

// Reordering a table of the record list by dropping one entry onto another. The dragged record
// ends up directly after the record it was dropped on (or at its place when dragged
// downwards); the records in between close up. The tables that can be reordered are the
// current town's talking nodes (list mode 0, list index = node + 10), item types (1), the
// special nodes of the current outdoor section (2), of the scenario (4) and of the current
// town (6), and monster types (9, list index = type - 1, so type 0 never moves). Item and
// monster types refuse while the scenario's lists are locked.
//
// Only whole records move: no number that named a moved record is rewritten anywhere.

struct ListDrop {
    bool moved = false;
    int selectIndex = -1; // the list index of the moved entry after the drop
};

// from and to are list indices. Nothing changes when they are equal, when either lies outside
// the list, when a dialogue drop involves a personality entry, or when the mode allows no
// reordering.
ListDrop DropListEntry(Scenario& scen, std::int32_t listMode, int from, int to);

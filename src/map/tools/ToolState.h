#pragma once

#include "scenario/ScenarioRecords.h"

#include <cstdint>

// The state of the map tools: which tool is current and what a multi-click tool has gathered
// so far. Not part of the scenario file; one instance for the program.
struct ToolState {
    // The active tool, 0..52.
    std::int16_t CurrentTool = 0;
    // The clicks a multi-click tool has received so far; 0 = none yet.
    std::int16_t ClickStep = 0;
    // The corners gathered by the rectangle tools.
    AreaRect ClickRect;
    // The node kept by Copy Special, or the saved-item area being placed; -1 = none.
    std::int16_t HeldSlot = -1;
    // True while a tool runs, so that a click or drag event delivered while the tool waits on a
    // dialog or passes pending events cannot run a tool again inside it.
    bool Busy = false;

    bool operator==(const ToolState&) const = default;
};

extern ToolState Tools;

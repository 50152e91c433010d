#pragma once

#include "map/ToolHost.h"

#include <array>

// The 53 map tools: each tool's button (tool tip, place in the 8 x 7 grid of buttons), the map
// cursor that selecting it sets, the edit modes that show its button, and what a click on the
// map does with it.

constexpr int kMapToolCount = 53;

// Tools with a meaning of their own outside the table's handlers.
constexpr int kToolDrawTerrain = 0;
constexpr int kToolChangeView = 8;
constexpr int kToolReplaceTerrain = 13;

// Which edit modes show a tool's button.
enum class ToolModes { Both, Outdoors, Town };

// A tool's action on grid cell (x, y), which lies inside EditBounds.
using ToolHandler = void (*)(int x, int y, ToolHost& host);

struct ToolInfo {
    const char* ToolTip;
    int Row;
    int Column;
    ToolCursor Cursor;
    ToolModes Shown;
    ToolHandler Apply;
};

// The table is constant data, whole from the start: every tool's handler is written in it.
const std::array<ToolInfo, kMapToolCount>& MapTools();

// Whether the tool's button is shown outdoors (true) or in a town (false); false for a number
// that is no tool.
bool ToolShownIn(int tool, bool outdoors);

#pragma once

#include "sheetgen/Canvas.h"

// The pictures of the map's 53 tool buttons, 22 x 14 pixels each, 8 to a row in tool order, on
// white (the transparent colour).
Canvas ToolButtonSheet();

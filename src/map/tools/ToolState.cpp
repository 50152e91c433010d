#include "map/tools/ToolState.h"

ToolState Tools;

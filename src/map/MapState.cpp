#include "map/MapState.h"

MapState Map;

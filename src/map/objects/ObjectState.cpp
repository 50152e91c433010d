#include "map/objects/ObjectState.h"

ObjectState Objects;

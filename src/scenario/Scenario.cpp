#include "scenario/Scenario.h"

Scenario Scen;
ScenarioFileState ScenFile;

int TownSide(int size) {
    switch (size) {
    case 0:
        return 64;
    case 1:
        return 48;
    case 2:
        return 32;
    default:
        RaiseError(err::SubscriptOutOfRange);
    }
}

#pragma once

#include <cstdint>

class frmMain;

// The Scenario and Town menu entries that open the editors of the scenario's own records:
// details, intro text, flag names, saved-item areas, event timers, boats and horses.
void ConnectScenarioRecordMenus(frmMain& main);

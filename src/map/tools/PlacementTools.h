#pragma once

// Puts the map actions of the placement tools 10..52 (all but 13) into the tool table.
void InstallPlacementTools();

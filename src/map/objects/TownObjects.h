#pragma once

class ToolHost;

// The objects that sit on the cells of a town: fields, preset items, creatures, boats and horses.
// Each procedure keeps the town's (or the scenario's) record and the grid's marks in step.
// (x, y) is a grid cell of the current town.

// Puts a field of kind 0..13 on the cell, unless the cell has one of that kind already.
void PlaceField(int x, int y, int kind);

// A new preset item on the cell, filled in by the item editor; a cancelled editor leaves the
// slot free again.
void PlaceItem(int x, int y, ToolHost& host);
// A copy of the item placed last, without a dialog.
void DupItem(int x, int y);
// Frees every preset item on the cell.
void EraseItems(int x, int y);

// The same three for creatures. A creature picture can cover up to four cells, so each of them
// rebuilds the creature tiles of the whole grid.
void PlaceMonster(int x, int y, ToolHost& host);
void DupMonster(int x, int y);
void EraseMonsters(int x, int y);
// Frees one creature and rebuilds the creature tiles.
void FreeCreature(int index);

// A boat (kind 0) or a horse (any other kind) on the cell, in place of one already there.
void PlaceBoatOrHorse(int x, int y, int kind);
// Frees every boat and horse of the current town on the cell.
void DeleteBoatOrHorse(int x, int y);

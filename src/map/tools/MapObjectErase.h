#pragma once

// Freeing the sign or town entrance of a grid cell when other terrain is drawn over it. Both
// expect the cell to carry the matching mark.

// Frees the sign position of the cell; its text stays in the string table.
void EraseSign(int x, int y);
// Frees the outdoor town entrance of the cell, and the town it named forgets where it lies.
void EraseTownEntrance(int x, int y);

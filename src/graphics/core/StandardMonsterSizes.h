#pragma once

// Size code of standard monster picture `picture` (0..174): 1 one tile, 2 two wide, 3 two high,
// 4 two by two. Plain and free of Qt so that the picture-sheet generator draws the sheets with
// the same sizes by which the editor finds the tiles on them.
constexpr int StandardMonsterSize(int picture) {
    switch (picture) {
    case 51:
    case 52:
    case 53:
    case 54:
    case 78:
    case 114:
    case 115:
    case 145:
        return 3;
    case 75:
    case 103:
    case 107:
    case 112:
    case 123:
    case 143:
    case 144:
        return 2;
    case 120:
    case 140:
    case 142:
        return 4;
    default:
        return 1;
    }
}

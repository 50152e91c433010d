#include "scenario/tables/TableData.h"

// The terrain number of each wall piece, by wall style (rows) and piece shape (columns 0..12).
// Terrains 7, 10, 13, 16, 23 and 37 lie among the wall pieces but belong to no style.
// clang-format off
constexpr std::array<std::array<std::uint8_t, 13>, 4> kWallTerrainData = {{
    //  0   1   2   3   4   5   6   7   8   9  10  11  12
    {{  5,  6,  8,  9, 11, 12, 14, 15, 17, 18, 19, 20, 21}},
    {{ 22, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35}},
    {{ 36, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49}},
    {{ 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62}},
}};
// clang-format on

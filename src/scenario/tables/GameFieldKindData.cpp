#include "scenario/tables/TableData.h"

// Field code of a town in the game's layout -> our field kind. Codes 3..8 are kinds 0..5 and
// codes 14..21 kinds 6..13; the other codes are not fields and come out as 0.
// clang-format off
constexpr std::array<std::int16_t, 22> kGameFieldKindData = {
    // code 0..2: not fields
    0, 0, 0,
    // code 3..8: web, crate, barrel, fire barrier, force barrier, quickfire
    0, 1, 2, 3, 4, 5,
    // code 9..13: not fields
    0, 0, 0, 0, 0,
    // code 14..21: small, medium, large blood; small, large slime; dust; bones; rubble
    6, 7, 8, 9, 10, 11, 12, 13,
};
// clang-format on

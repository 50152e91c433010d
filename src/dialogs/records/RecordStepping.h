#pragma once

#include <cstdint>

// The record number an arrow button steps to: one back or forward, wrapping from one end of
// first..last to the other.
constexpr std::int16_t WrapStep(std::int16_t current, int delta, std::int16_t first,
                                std::int16_t last) {
    const int next = current + delta;
    if (next < first) return last;
    if (next > last) return first;
    return static_cast<std::int16_t>(next);
}

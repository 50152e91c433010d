#pragma once

#include <cstdint>

// The record editors choose pictures with the shared picture picker. Kinds of picture as the
// picker numbers them:
namespace picture_set {
constexpr std::int32_t Custom = 0;
constexpr std::int32_t Item = 2;
constexpr std::int32_t Monster = 3;
constexpr std::int32_t Portrait = 5;
constexpr std::int32_t Terrain = 6;
constexpr std::int32_t AnimatedTerrain = 7;
} // namespace picture_set

struct PickedPicture {
    bool Cancelled = true;
    // The picture marked when the picker closed, counted within its kind; the number it was
    // given when it was cancelled.
    std::int16_t Select = -1;
};

// Shows the picker modally on the kind with select marked (-1: none) and returns its answer.
PickedPicture PickPicture(std::int32_t pictureSet, std::int16_t select);

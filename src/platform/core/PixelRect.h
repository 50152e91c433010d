#pragma once

// A rectangle of pixels: its top left corner and its size. Plain, so that code which only
// computes where pictures lie needs no graphics headers.
struct PixelRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    bool operator==(const PixelRect&) const = default;
};

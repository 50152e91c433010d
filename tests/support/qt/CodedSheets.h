#pragma once

#include "platform/qt/Surface.h"

#include <QImage>

// Picture sheets whose every pixel tells its own position and sheet, so that a drawing test can
// tell which pixel landed where.
inline QRgb Coded(int x, int y, int tag = 0) {
    return qRgb(x % 256, y % 256, tag * 4 + x / 256);
}

inline QImage CodedSheet(int w, int h, int tag = 0) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, Coded(x, y, tag));
    return image;
}

// The number of pixels of the surface that are not the colour.
inline int CountNot(const Surface& s, QRgb colour) {
    int n = 0;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            n += s.Pixel(x, y) != colour;
    return n;
}

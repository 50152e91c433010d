#include "platform/qt/Surface.h"

#include "platform/core/RuntimeError.h"

#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <cstdlib>

QImage LoadBitmapFile(const std::string& path) {
    const QString file = QString::fromStdString(path);
    const QFileInfo info(file);
    if (!info.exists() || !info.isFile()) RaiseError(err::FileNotFound);
    QImageReader reader(file);
    QImage image = reader.read();
    if (image.isNull()) throw RuntimeError(kErrInvalidPicture, "Invalid picture");
    return image.convertToFormat(QImage::Format_RGB32);
}

Surface::Surface(int width, int height, QRgb backColour)
    : image_(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32),
      backColour_(backColour) {
    image_.fill(backColour_);
}

QRgb Surface::Pixel(int x, int y) const {
    if (!image_.valid(x, y)) return 0;
    return image_.pixel(x, y) | 0xFF000000u;
}

void Surface::SetBackColour(QRgb colour) {
    backColour_ = colour | 0xFF000000u;
    Clear();
}

void Surface::Clear() {
    image_.fill(backColour_);
    NotifyChanged();
}

void Surface::Resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height()) return;
    QImage resized(width, height, QImage::Format_RGB32);
    resized.fill(backColour_);
    const int keepW = std::min(width, Width());
    const int keepH = std::min(height, Height());
    for (int y = 0; y < keepH; ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(image_.constScanLine(y)), keepW,
                    reinterpret_cast<QRgb*>(resized.scanLine(y)));
    image_ = std::move(resized);
    NotifyChanged();
}

void Surface::NotifyChanged() const {
    if (changed_) changed_();
}

namespace {
bool SourceHas(const QImage& source, int x, int y) {
    return x >= 0 && y >= 0 && x < source.width() && y < source.height();
}

QRgb SourcePixel(const QImage& source, int x, int y) {
    // Sheets are loaded as RGB32; other formats are read through the slow path.
    if (source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32)
        return reinterpret_cast<const QRgb*>(source.constScanLine(y))[x] | 0xFF000000u;
    return source.pixel(x, y) | 0xFF000000u;
}

void PutPixel(QImage& image, int x, int y, QRgb colour) {
    reinterpret_cast<QRgb*>(image.scanLine(y))[x] = colour | 0xFF000000u;
}

// The source pixel that covers destination offset i of n when n pixels show m source pixels:
// the one under the centre of the destination pixel.
int NearestSourceOffset(int i, int n, int m) {
    return static_cast<int>((static_cast<long long>(2 * i + 1) * m) / (2LL * n));
}
} // namespace

void CopyBlock(Surface& dest, const PixelRect& destRect, const QImage& source,
               const PixelRect& sourceRect) {
    if (destRect.w <= 0 || destRect.h <= 0 || sourceRect.w <= 0 || sourceRect.h <= 0) return;
    if (source.isNull()) return;
    QImage& target = dest.Pixels();
    const int x0 = std::max(destRect.x, 0);
    const int y0 = std::max(destRect.y, 0);
    const int x1 = std::min(destRect.x + destRect.w, target.width());
    const int y1 = std::min(destRect.y + destRect.h, target.height());
    if (x0 >= x1 || y0 >= y1) return;
    for (int y = y0; y < y1; ++y) {
        const int sy = sourceRect.y + NearestSourceOffset(y - destRect.y, destRect.h, sourceRect.h);
        for (int x = x0; x < x1; ++x) {
            const int sx =
                sourceRect.x + NearestSourceOffset(x - destRect.x, destRect.w, sourceRect.w);
            if (SourceHas(source, sx, sy)) PutPixel(target, x, y, SourcePixel(source, sx, sy));
        }
    }
    dest.NotifyChanged();
}

void TransparentCopy(Surface& dest, int x, int y, const QImage& source,
                     const PixelRect& sourceRect) {
    if (sourceRect.w <= 0 || sourceRect.h <= 0 || source.isNull()) return;
    QImage& target = dest.Pixels();
    for (int j = 0; j < sourceRect.h; ++j) {
        const int ty = y + j;
        const int sy = sourceRect.y + j;
        if (ty < 0 || ty >= target.height()) continue;
        for (int i = 0; i < sourceRect.w; ++i) {
            const int tx = x + i;
            const int sx = sourceRect.x + i;
            if (tx < 0 || tx >= target.width() || !SourceHas(source, sx, sy)) continue;
            const QRgb pixel = SourcePixel(source, sx, sy);
            if (pixel != kWhite) PutPixel(target, tx, ty, pixel);
        }
    }
    dest.NotifyChanged();
}

void DrawLine(Surface& dest, int x1, int y1, int x2, int y2, QRgb colour) {
    QImage& target = dest.Pixels();
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1;
    int y = y1;
    for (;;) {
        if (target.valid(x, y)) PutPixel(target, x, y, colour);
        if (x == x2 && y == y2) break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
    dest.NotifyChanged();
}

void TileBlock(Surface& dest, const PixelRect& destArea, const QImage& source,
               const PixelRect& sourceRect) {
    if (sourceRect.w <= 0 || sourceRect.h <= 0) return;
    for (int y = destArea.y; y < destArea.y + destArea.h; y += sourceRect.h)
        for (int x = destArea.x; x < destArea.x + destArea.w; x += sourceRect.w)
            CopyBlock(dest,
                      {x, y, std::min(sourceRect.w, destArea.x + destArea.w - x),
                       std::min(sourceRect.h, destArea.y + destArea.h - y)},
                      source,
                      {sourceRect.x, sourceRect.y,
                       std::min(sourceRect.w, destArea.x + destArea.w - x),
                       std::min(sourceRect.h, destArea.y + destArea.h - y)});
}

#include "platform/qt/Surface.h"

#include "platform/core/RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace {
std::uint32_t LittleEndian(const QByteArray& bytes, qsizetype at, int width) {
    std::uint32_t value = 0;
    for (int i = width; i-- > 0;)
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

// The picture sheets are plain 24-bit bitmaps, and the general reader spends most of the
// program's start-up converting them pixel by pixel. This reads exactly that kind (the
// 40-byte header, no compression, every row present) with one tight loop per row, giving the
// same pixels as the general reader; any other file is left to the general reader.
std::optional<QImage> ReadPlain24BitBitmap(const QByteArray& bytes) {
    constexpr qsizetype kFileHeader = 14;
    constexpr qsizetype kInfoHeader = 40;
    constexpr std::int64_t kLargestSide = 16384;
    if (bytes.size() < kFileHeader + kInfoHeader || bytes[0] != 'B' || bytes[1] != 'M')
        return std::nullopt;
    const std::uint32_t dataOffset = LittleEndian(bytes, 10, 4);
    const auto width = static_cast<std::int32_t>(LittleEndian(bytes, 18, 4));
    const auto height = static_cast<std::int32_t>(LittleEndian(bytes, 22, 4));
    if (LittleEndian(bytes, 14, 4) != kInfoHeader || LittleEndian(bytes, 26, 2) != 1 ||
        LittleEndian(bytes, 28, 2) != 24 || LittleEndian(bytes, 30, 4) != 0)
        return std::nullopt;
    const std::int64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
    if (width <= 0 || width > kLargestSide || rows == 0 || rows > kLargestSide) return std::nullopt;
    const std::int64_t stride = (static_cast<std::int64_t>(width) * 3 + 3) / 4 * 4;
    if (dataOffset < kFileHeader + kInfoHeader || dataOffset + stride * rows > bytes.size())
        return std::nullopt;

    QImage image(width, static_cast<int>(rows), QImage::Format_RGB32);
    if (image.isNull()) return std::nullopt;
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData()) + dataOffset;
    for (std::int64_t r = 0; r < rows; ++r) {
        // Rows are stored from the bottom up, unless the height is negative.
        const std::uint8_t* in = data + r * stride;
        auto* out = reinterpret_cast<QRgb*>(
            image.scanLine(static_cast<int>(height < 0 ? r : rows - 1 - r)));
        // Blue, green, red: read as one little-endian word, the three bytes are the pixel
        // value and the fourth byte vanishes under the opaque alpha. The last pixel of a row
        // is read byte by byte, so that no read passes the row's end.
        std::int32_t x = 0;
        for (; x < width - 1; ++x, in += 3) {
            std::uint32_t word;
            std::memcpy(&word, in, sizeof word);
            out[x] = 0xFF000000u | qFromLittleEndian(word);
        }
        out[x] = 0xFF000000u | std::uint32_t{in[2]} << 16 | std::uint32_t{in[1]} << 8 | in[0];
    }
    image.setDotsPerMeterX(static_cast<int>(LittleEndian(bytes, 38, 4)));
    image.setDotsPerMeterY(static_cast<int>(LittleEndian(bytes, 42, 4)));
    return image;
}
} // namespace

QImage LoadBitmapFile(const std::string& path) {
    const QString file = QString::fromStdString(path);
    const QFileInfo info(file);
    if (!info.exists() || !info.isFile()) RaiseError(err::FileNotFound);
    {
        // Mapped rather than copied: the sheets' bytes are read once, straight from the cache.
        QFile input(file);
        const uchar* mapped = input.open(QIODevice::ReadOnly) && input.size() > 0
                                  ? input.map(0, input.size())
                                  : nullptr;
        if (mapped)
            if (auto plain = ReadPlain24BitBitmap(QByteArray::fromRawData(
                    reinterpret_cast<const char*>(mapped), static_cast<qsizetype>(input.size()))))
                return *std::move(plain);
    }
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
// Rows of 32-bit pixels, addressed once per copy: QImage's per-call checks (and its detach on
// every non-const scan line) cost more than the copy of a tile row itself.
class RowView {
  public:
    explicit RowView(const QImage& image)
        : bits_(image.constBits()), stride_(image.bytesPerLine()) {}
    const QRgb* Row(int y) const {
        return reinterpret_cast<const QRgb*>(bits_ + static_cast<qsizetype>(y) * stride_);
    }

  private:
    const uchar* bits_;
    qsizetype stride_;
};

class TargetRows {
  public:
    explicit TargetRows(QImage& image) : bits_(image.bits()), stride_(image.bytesPerLine()) {}
    QRgb* Row(int y) const {
        return reinterpret_cast<QRgb*>(bits_ + static_cast<qsizetype>(y) * stride_);
    }

  private:
    uchar* bits_;
    qsizetype stride_;
};

// Sheets are loaded as RGB32 and read as they are stored. Any other format is converted once
// to the form QImage::pixel reports (premultiplied ARGB), so that every format copies alike.
const QImage& ReadableSource(const QImage& source, std::optional<QImage>& converted) {
    if (source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32)
        return source;
    return converted.emplace(source.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

constexpr QRgb kOpaque = 0xFF000000u;

// Loops over a row take four pixels a step, with all loads of a step before its stores, so
// that the compiler makes each step a few vector instructions.
constexpr int kStep = 4;

// Copies a row of pixels opaque. QImage keeps the alpha byte of an RGB32 image at 0xFF, so
// such rows are copied as they are; other sources have the alpha byte forced.
void CopyRow(const QRgb* in, QRgb* out, int count, bool opaqueSource) {
    if (opaqueSource) {
        std::memmove(out, in, static_cast<std::size_t>(count) * sizeof(QRgb));
        return;
    }
    int i = 0;
    for (; i + kStep <= count; i += kStep) {
        QRgb step[kStep];
        for (int k = 0; k < kStep; ++k)
            step[k] = in[i + k] | kOpaque;
        for (int k = 0; k < kStep; ++k)
            out[i + k] = step[k];
    }
    for (; i < count; ++i)
        out[i] = in[i] | kOpaque;
}

// A pure-white source pixel keeps the destination pixel; the choice is made with masks rather
// than a branch, so that whole steps are done at once.
QRgb KeepWhite(QRgb source, QRgb old) {
    const QRgb pixel = source | kOpaque;
    const QRgb keep = 0u - static_cast<QRgb>(pixel == kWhite);
    return (old & keep) | (pixel & ~keep);
}

void TransparentRow(const QRgb* in, QRgb* out, int count) {
    int i = 0;
    for (; i + kStep <= count; i += kStep) {
        QRgb step[kStep];
        for (int k = 0; k < kStep; ++k)
            step[k] = KeepWhite(in[i + k], out[i + k]);
        for (int k = 0; k < kStep; ++k)
            out[i + k] = step[k];
    }
    for (; i < count; ++i)
        out[i] = KeepWhite(in[i], out[i]);
}

// One axis of a copy: the destination run [first, last) that lies on the surface and whose
// source lies on the sheet.
struct Axis {
    int first = 0;
    int last = 0;
    bool Empty() const { return first >= last; }
};

// Clips one axis of an unscaled copy of n pixels from source position s to destination
// position d, on a surface of dSize and a sheet of sSize pixels. The source of destination
// pixel p is p + shift.
Axis ClipUnscaled(long long d, long long n, long long s, int dSize, int sSize, int& shift) {
    const long long first = std::max({d, 0LL, d - s});
    const long long last = std::min({d + n, static_cast<long long>(dSize), sSize + d - s});
    if (first >= last) return {};
    shift = static_cast<int>(s - d);
    return {static_cast<int>(first), static_cast<int>(last)};
}

// Clips one axis of a copy that shows m source pixels from s on n destination pixels from d,
// and fills map with the source position of each destination pixel of the run, map[0] for
// the first. A destination pixel shows the source pixel under its centre; that position never
// decreases along the axis, so the pixels whose source lies on the sheet form one unbroken
// run. One division finds the first position and the rest follow by stepping, since a
// division per pixel would cost more than the copy.
Axis ClipScaled(long long d, int n, long long s, int m, int dSize, int sSize,
                std::vector<int>& map) {
    const long long first = std::max(d, 0LL);
    const long long last = std::min(d + n, static_cast<long long>(dSize));
    if (first >= last) return {};
    // The source of destination pixel p is s + ((2 (p - d) + 1) m) / 2n: kept as a quotient
    // and a remainder that grow by 2m / 2n at each pixel.
    const long long divisor = 2LL * n;
    const long long numerator = (2 * (first - d) + 1) * m;
    long long source = s + numerator / divisor;
    long long remainder = numerator % divisor;
    const long long stepWhole = 2LL * m / divisor;
    const long long stepRest = 2LL * m % divisor;
    map.clear();
    int runFirst = -1;
    int runLast = -1;
    for (long long p = first; p < last && source < sSize; ++p) {
        if (source >= 0) {
            if (runFirst < 0) runFirst = static_cast<int>(p);
            runLast = static_cast<int>(p) + 1;
            map.push_back(static_cast<int>(source));
        }
        source += stepWhole;
        remainder += stepRest;
        if (remainder >= divisor) {
            remainder -= divisor;
            ++source;
        }
    }
    if (runFirst < 0) return {};
    return {runFirst, runLast};
}
} // namespace

void CopyBlock(Surface& dest, const PixelRect& destRect, const QImage& source,
               const PixelRect& sourceRect) {
    if (destRect.w <= 0 || destRect.h <= 0 || sourceRect.w <= 0 || sourceRect.h <= 0) return;
    if (source.isNull()) return;
    QImage& target = dest.Pixels();
    std::optional<QImage> converted;
    const QImage& sheet = ReadableSource(source, converted);
    const bool opaque = sheet.format() == QImage::Format_RGB32;
    const int width = target.width();
    const int height = target.height();

    if (destRect.w == sourceRect.w && destRect.h == sourceRect.h) {
        int shiftX = 0;
        int shiftY = 0;
        const Axis xs =
            ClipUnscaled(destRect.x, destRect.w, sourceRect.x, width, sheet.width(), shiftX);
        const Axis ys =
            ClipUnscaled(destRect.y, destRect.h, sourceRect.y, height, sheet.height(), shiftY);
        if (xs.Empty() || ys.Empty()) return;
        const RowView from(sheet);
        const TargetRows to(target);
        const int count = xs.last - xs.first;
        for (int y = ys.first; y < ys.last; ++y) {
            CopyRow(from.Row(y + shiftY) + xs.first + shiftX, to.Row(y) + xs.first, count, opaque);
        }
        dest.NotifyChanged();
        return;
    }

    // Scaled: the source column of every destination column is worked out once per copy.
    thread_local std::vector<int> columns;
    thread_local std::vector<int> rows;
    const Axis xs = ClipScaled(destRect.x, destRect.w, sourceRect.x, sourceRect.w, width,
                               sheet.width(), columns);
    const Axis ys = ClipScaled(destRect.y, destRect.h, sourceRect.y, sourceRect.h, height,
                               sheet.height(), rows);
    if (xs.Empty() || ys.Empty()) return;
    const RowView from(sheet);
    const TargetRows to(target);
    const int count = xs.last - xs.first;
    const int* column = columns.data();
    for (int y = ys.first; y < ys.last; ++y) {
        const std::size_t row = static_cast<std::size_t>(y - ys.first);
        QRgb* out = to.Row(y) + xs.first;
        // A stretched copy shows a source row on several rows: the row above is already done.
        if (row > 0 && rows[row] == rows[row - 1]) {
            CopyRow(to.Row(y - 1) + xs.first, out, count, true);
            continue;
        }
        const QRgb* in = from.Row(rows[row]);
        for (int i = 0; i < count; ++i)
            out[i] = in[column[i]] | kOpaque;
    }
    dest.NotifyChanged();
}

void TransparentCopy(Surface& dest, int x, int y, const QImage& source,
                     const PixelRect& sourceRect) {
    if (sourceRect.w <= 0 || sourceRect.h <= 0 || source.isNull()) return;
    QImage& target = dest.Pixels();
    std::optional<QImage> converted;
    const QImage& sheet = ReadableSource(source, converted);
    int shiftX = 0;
    int shiftY = 0;
    const Axis xs =
        ClipUnscaled(x, sourceRect.w, sourceRect.x, target.width(), sheet.width(), shiftX);
    const Axis ys =
        ClipUnscaled(y, sourceRect.h, sourceRect.y, target.height(), sheet.height(), shiftY);
    if (xs.Empty() || ys.Empty()) return;
    const RowView from(sheet);
    const TargetRows to(target);
    const int count = xs.last - xs.first;
    for (int row = ys.first; row < ys.last; ++row) {
        TransparentRow(from.Row(row + shiftY) + xs.first + shiftX, to.Row(row) + xs.first, count);
    }
    dest.NotifyChanged();
}

void DrawLine(Surface& dest, int x1, int y1, int x2, int y2, QRgb colour) {
    QImage& target = dest.Pixels();
    if (target.isNull()) return;
    const TargetRows to(target);
    const int width = target.width();
    const int height = target.height();
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1;
    int y = y1;
    for (;;) {
        if (x >= 0 && y >= 0 && x < width && y < height) to.Row(y)[x] = colour | 0xFF000000u;
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

#pragma once

#include "platform/core/PixelRect.h"

#include <QImage>
#include <functional>
#include <string>

// Colours as the drawing code names them.
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kRed = 0xFFFF0000u;
constexpr QRgb kYellow = 0xFFFFFF00u;

// Error number raised when a file exists but holds no picture we can read.
constexpr int kErrInvalidPicture = 481;

// Loads a bitmap file as a 32-bit image. A missing file raises "File not found"; a file that
// is no readable picture raises "Invalid picture".
QImage LoadBitmapFile(const std::string& path);

// A drawing surface: a persistent off-screen image with a back colour. Picture boxes show one;
// tests draw on one directly. Drawing outside the image is clipped.
class Surface {
  public:
    Surface() = default;
    Surface(int width, int height, QRgb backColour = kWhite);

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    const QImage& Image() const { return image_; }
    QRgb Pixel(int x, int y) const;

    QRgb BackColour() const { return backColour_; }
    // Setting the back colour clears the surface to it, as picture boxes do.
    void SetBackColour(QRgb colour);
    void Clear();
    // Keeps the pixels that still fit; new area gets the back colour.
    void Resize(int width, int height);

    // Called after every change, so that a widget showing the surface can schedule a repaint.
    void SetChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }

    // For the copy primitives below.
    QImage& Pixels() { return image_; }
    void NotifyChanged() const;

  private:
    QImage image_;
    QRgb backColour_ = kWhite;
    std::function<void()> changed_;
};

// Copies the source rectangle of a sheet onto the destination rectangle, stretching or
// shrinking by nearest neighbour when the sizes differ. Destination pixels whose source pixel
// lies outside the sheet keep their colour: nothing is read outside an image.
void CopyBlock(Surface& dest, const PixelRect& destRect, const QImage& source,
               const PixelRect& sourceRect);

// Copies the source rectangle unscaled to (x, y); a pure-white source pixel leaves the
// destination pixel as it was, any other source pixel replaces it.
void TransparentCopy(Surface& dest, int x, int y, const QImage& source,
                     const PixelRect& sourceRect);

// A one-pixel line from (x1, y1) to (x2, y2), both end points drawn.
void DrawLine(Surface& dest, int x1, int y1, int x2, int y2, QRgb colour);

// Covers the destination area with copies of the source rectangle, starting at its top left.
void TileBlock(Surface& dest, const PixelRect& destArea, const QImage& source,
               const PixelRect& sourceRect);

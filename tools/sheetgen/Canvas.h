#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A plain pixel image with the few primitives our pictures need. Everything is integer
// arithmetic on whole pixels, so the output is the same on every machine.
class Canvas {
  public:
    Canvas(int width, int height, std::uint32_t fill);

    int Width() const { return w_; }
    int Height() const { return h_; }
    std::uint32_t Get(int x, int y) const;
    void Set(int x, int y, std::uint32_t rgb);

    void Fill(int x, int y, int w, int h, std::uint32_t rgb);
    void Frame(int x, int y, int w, int h, std::uint32_t rgb);
    void Line(int x0, int y0, int x1, int y1, std::uint32_t rgb);
    // Filled ellipse inside the box (x, y, w, h).
    void Oval(int x, int y, int w, int h, std::uint32_t rgb);
    void Triangle(int x0, int y0, int x1, int y1, int x2, int y2, std::uint32_t rgb);
    void Blit(const Canvas& source, int sx, int sy, int w, int h, int dx, int dy);

    // Text in our 3 x 5 pixel font, each pixel drawn as a scale x scale square.
    void Text(int x, int y, std::string_view text, std::uint32_t rgb, int scale = 1);
    static int TextWidth(std::string_view text, int scale = 1);
    // A number on a dark plate, for the corner of a picture.
    void NumberPlate(int x, int y, int number);

    // 24-bit uncompressed bitmap file.
    std::vector<std::uint8_t> EncodeBmp() const;

  private:
    int w_;
    int h_;
    std::vector<std::uint32_t> pixels_;
};

// Deterministic pseudo-random value 0..255 for a position and a seed.
int Noise(int x, int y, int seed);
// Shade a colour by a signed step per channel, clamped so that it never becomes pure white.
std::uint32_t Shade(std::uint32_t rgb, int step);
std::uint32_t Mix(std::uint32_t a, std::uint32_t b, int percentOfB);

#include "sheetgen/Canvas.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {
struct Glyph {
    char c;
    const char* rows[5];
};

// Our own 3 x 5 font: digits, capitals and a few signs.
constexpr Glyph kFont[] = {
    {'0', {"111", "101", "101", "101", "111"}}, {'1', {"010", "110", "010", "010", "111"}},
    {'2', {"111", "001", "111", "100", "111"}}, {'3', {"111", "001", "011", "001", "111"}},
    {'4', {"101", "101", "111", "001", "001"}}, {'5', {"111", "100", "111", "001", "111"}},
    {'6', {"111", "100", "111", "101", "111"}}, {'7', {"111", "001", "010", "010", "010"}},
    {'8', {"111", "101", "111", "101", "111"}}, {'9', {"111", "101", "111", "001", "111"}},
    {'A', {"010", "101", "111", "101", "101"}}, {'B', {"110", "101", "110", "101", "110"}},
    {'C', {"011", "100", "100", "100", "011"}}, {'D', {"110", "101", "101", "101", "110"}},
    {'E', {"111", "100", "110", "100", "111"}}, {'F', {"111", "100", "110", "100", "100"}},
    {'G', {"011", "100", "101", "101", "011"}}, {'H', {"101", "101", "111", "101", "101"}},
    {'I', {"111", "010", "010", "010", "111"}}, {'J', {"001", "001", "001", "101", "010"}},
    {'K', {"101", "101", "110", "101", "101"}}, {'L', {"100", "100", "100", "100", "111"}},
    {'M', {"101", "111", "111", "101", "101"}}, {'N', {"110", "101", "101", "101", "101"}},
    {'O', {"010", "101", "101", "101", "010"}}, {'P', {"110", "101", "110", "100", "100"}},
    {'Q', {"010", "101", "101", "110", "011"}}, {'R', {"110", "101", "110", "101", "101"}},
    {'S', {"011", "100", "010", "001", "110"}}, {'T', {"111", "010", "010", "010", "010"}},
    {'U', {"101", "101", "101", "101", "111"}}, {'V', {"101", "101", "101", "101", "010"}},
    {'W', {"101", "101", "111", "111", "101"}}, {'X', {"101", "101", "010", "101", "101"}},
    {'Y', {"101", "101", "010", "010", "010"}}, {'Z', {"111", "001", "010", "100", "111"}},
    {'-', {"000", "000", "111", "000", "000"}}, {'.', {"000", "000", "000", "000", "010"}},
    {'!', {"010", "010", "010", "000", "010"}}, {'?', {"111", "001", "010", "000", "010"}},
    {'+', {"000", "010", "111", "010", "000"}}, {' ', {"000", "000", "000", "000", "000"}},
};

const Glyph* FindGlyph(char c) {
    for (const Glyph& g : kFont)
        if (g.c == c) return &g;
    return nullptr;
}
} // namespace

Canvas::Canvas(int width, int height, std::uint32_t fill)
    : w_(width), h_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}

std::uint32_t Canvas::Get(int x, int y) const {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return 0;
    return pixels_[static_cast<std::size_t>(y * w_ + x)];
}

void Canvas::Set(int x, int y, std::uint32_t rgb) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    pixels_[static_cast<std::size_t>(y * w_ + x)] = rgb & 0xFFFFFFu;
}

void Canvas::Fill(int x, int y, int w, int h, std::uint32_t rgb) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            Set(i, j, rgb);
}

void Canvas::Frame(int x, int y, int w, int h, std::uint32_t rgb) {
    Fill(x, y, w, 1, rgb);
    Fill(x, y + h - 1, w, 1, rgb);
    Fill(x, y, 1, h, rgb);
    Fill(x + w - 1, y, 1, h, rgb);
}

void Canvas::Line(int x0, int y0, int x1, int y1, std::uint32_t rgb) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        Set(x0, y0, rgb);
        if (x0 == x1 && y0 == y1) return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void Canvas::Oval(int x, int y, int w, int h, std::uint32_t rgb) {
    if (w <= 0 || h <= 0) return;
    // Compare doubled offsets from the centre so that even sizes stay symmetric.
    const long long rx = w, ry = h;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const long long dx = 2 * i + 1 - rx;
            const long long dy = 2 * j + 1 - ry;
            if (dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry) Set(x + i, y + j, rgb);
        }
}

void Canvas::Triangle(int x0, int y0, int x1, int y1, int x2, int y2, std::uint32_t rgb) {
    const int minX = std::min({x0, x1, x2}), maxX = std::max({x0, x1, x2});
    const int minY = std::min({y0, y1, y2}), maxY = std::max({y0, y1, y2});
    auto edge = [](int ax, int ay, int bx, int by, int px, int py) {
        return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
    };
    for (int y = minY; y <= maxY; ++y)
        for (int x = minX; x <= maxX; ++x) {
            const int a = edge(x0, y0, x1, y1, x, y);
            const int b = edge(x1, y1, x2, y2, x, y);
            const int c = edge(x2, y2, x0, y0, x, y);
            if ((a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0)) Set(x, y, rgb);
        }
}

void Canvas::Blit(const Canvas& source, int sx, int sy, int w, int h, int dx, int dy) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            Set(dx + i, dy + j, source.Get(sx + i, sy + j));
}

void Canvas::Text(int x, int y, std::string_view text, std::uint32_t rgb, int scale) {
    for (char c : text) {
        if (const Glyph* g = FindGlyph(c))
            for (int row = 0; row < 5; ++row)
                for (int col = 0; col < 3; ++col)
                    if (g->rows[row][col] == '1')
                        Fill(x + col * scale, y + row * scale, scale, scale, rgb);
        x += 4 * scale;
    }
}

int Canvas::TextWidth(std::string_view text, int scale) {
    return text.empty() ? 0 : static_cast<int>(text.size()) * 4 * scale - scale;
}

void Canvas::NumberPlate(int x, int y, int number) {
    const std::string digits = std::to_string(number);
    Fill(x, y, TextWidth(digits) + 2, 7, 0x202020);
    Text(x + 1, y + 1, digits, 0xF0E070);
}

std::vector<std::uint8_t> Canvas::EncodeBmp() const {
    const int rowBytes = (w_ * 3 + 3) / 4 * 4;
    const std::uint32_t imageBytes = static_cast<std::uint32_t>(rowBytes * h_);
    const std::uint32_t fileBytes = 54 + imageBytes;
    std::vector<std::uint8_t> out;
    out.reserve(fileBytes);
    auto u16 = [&out](std::uint32_t v) {
        out.push_back(static_cast<std::uint8_t>(v));
        out.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    auto u32 = [&](std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    out.push_back('B');
    out.push_back('M');
    u32(fileBytes);
    u32(0);
    u32(54);
    u32(40);
    u32(static_cast<std::uint32_t>(w_));
    u32(static_cast<std::uint32_t>(h_));
    u16(1);
    u16(24);
    u32(0);
    u32(imageBytes);
    u32(3780); // 96 dots per inch
    u32(3780);
    u32(0);
    u32(0);
    for (int y = h_ - 1; y >= 0; --y) {
        for (int x = 0; x < w_; ++x) {
            const std::uint32_t p = Get(x, y);
            out.push_back(static_cast<std::uint8_t>(p));
            out.push_back(static_cast<std::uint8_t>(p >> 8));
            out.push_back(static_cast<std::uint8_t>(p >> 16));
        }
        for (int pad = w_ * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    return out;
}

int Noise(int x, int y, int seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<int>((h ^ (h >> 16)) & 0xFF);
}

std::uint32_t Shade(std::uint32_t rgb, int step) {
    auto channel = [step](int c) { return std::clamp(c + step, 0, 250); };
    const int r = channel(static_cast<int>((rgb >> 16) & 0xFF));
    const int g = channel(static_cast<int>((rgb >> 8) & 0xFF));
    const int b = channel(static_cast<int>(rgb & 0xFF));
    return static_cast<std::uint32_t>((r << 16) | (g << 8) | b);
}

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, int percentOfB) {
    auto channel = [&](int shift) {
        const int ca = static_cast<int>((a >> shift) & 0xFF);
        const int cb = static_cast<int>((b >> shift) & 0xFF);
        return static_cast<std::uint32_t>((ca * (100 - percentOfB) + cb * percentOfB) / 100);
    };
    return (channel(16) << 16) | (channel(8) << 8) | channel(0);
}

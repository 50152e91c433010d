#include "sheetgen/ToolButtonArt.h"

#include <algorithm>
#include <cstdlib>

namespace {
constexpr int kW = 22;
constexpr int kH = 14;
constexpr std::uint32_t kInk = 0x202020;
constexpr std::uint32_t kWood = 0x8A5A28;
constexpr std::uint32_t kBlue = 0x3050C0;
constexpr std::uint32_t kRed = 0xC02020;
constexpr std::uint32_t kGreen = 0x30A040;
constexpr std::uint32_t kGrey = 0x808890;

// Draws into one picture's cell of the sheet, clipped to it.
class Cell {
  public:
    Cell(Canvas& c, int tool) : c_(c), x0_((tool % 8) * kW), y0_((tool / 8) * kH) {}
    void Set(int x, int y, std::uint32_t rgb) {
        if (x >= 0 && y >= 0 && x < kW && y < kH) c_.Set(x0_ + x, y0_ + y, rgb);
    }
    void Fill(int x, int y, int w, int h, std::uint32_t rgb) {
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i)
                Set(x + i, y + j, rgb);
    }
    void Frame(int x, int y, int w, int h, std::uint32_t rgb) {
        Fill(x, y, w, 1, rgb);
        Fill(x, y + h - 1, w, 1, rgb);
        Fill(x, y, 1, h, rgb);
        Fill(x + w - 1, y, 1, h, rgb);
    }
    void Line(int x0, int y0, int x1, int y1, std::uint32_t rgb) {
        const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (int k = 0; k <= steps; ++k)
            Set(x0 + (steps ? (x1 - x0) * k / steps : 0), y0 + (steps ? (y1 - y0) * k / steps : 0),
                rgb);
    }
    void Disc(int cx, int cy, int r, std::uint32_t rgb) {
        for (int j = -r; j <= r; ++j)
            for (int i = -r; i <= r; ++i)
                if (i * i + j * j <= r * r + r / 2) Set(cx + i, cy + j, rgb);
    }
    void Text(int x, int y, const char* text, std::uint32_t rgb) {
        c_.Text(x0_ + x, y0_ + y, text, rgb);
    }
    // Text centred on the picture, with an optional mark in the left part.
    void Label(const char* text, std::uint32_t rgb) {
        Text((kW - Canvas::TextWidth(text)) / 2, 5, text, rgb);
    }

  private:
    Canvas& c_;
    int x0_;
    int y0_;
};

void Pencil(Cell& c) {
    for (int k = 0; k < 3; ++k)
        c.Line(6 + k, 11, 17 + k, 1, 0xE0B030);
    c.Line(5, 12, 8, 10, kInk);
    c.Set(4, 13, kInk);
}

void Brush(Cell& c, int blob) {
    c.Line(18, 1, 10, 8, kWood);
    c.Line(19, 1, 11, 8, kWood);
    c.Disc(7, 10, blob, kBlue);
}

void Spray(Cell& c, int dots) {
    c.Fill(13, 4, 6, 9, kGrey);
    c.Fill(15, 1, 2, 3, kInk);
    for (int k = 0; k < dots; ++k)
        c.Set(1 + Noise(k, 3, 5) % 10, 1 + Noise(k, 4, 5) % 12, kBlue);
}

void Dropper(Cell& c) {
    c.Line(4, 12, 13, 3, kBlue);
    c.Line(5, 12, 14, 3, kBlue);
    c.Fill(13, 1, 4, 4, kInk);
    c.Set(3, 13, kBlue);
}

void Arrow(Cell& c, int direction) {
    // 0 north, 1 west, 2 south, 3 east: a filled triangle pointing that way.
    for (int k = 0; k < 5; ++k)
        switch (direction) {
        case 0:
            c.Fill(11 - k, 3 + k, 2 * k + 1, 1, kRed);
            break;
        case 1:
            c.Fill(8 + k, 7 - k, 1, 2 * k + 1, kRed);
            break;
        case 2:
            c.Fill(11 - k, 11 - k, 2 * k + 1, 1, kRed);
            break;
        default:
            c.Fill(14 - k, 7 - k, 1, 2 * k + 1, kRed);
            break;
        }
}

void Chest(Cell& c) {
    c.Fill(2, 5, 8, 6, kWood);
    c.Frame(2, 5, 8, 6, kInk);
    c.Set(5, 7, 0xE0C040);
}

void Creature(Cell& c) {
    c.Disc(5, 4, 2, 0x40A060);
    c.Fill(3, 7, 5, 5, 0x40A060);
}

// The placement tools: a small figure on the left and a letter for what the tool does.
void Badge(Cell& c, void (*figure)(Cell&), const char* what) {
    figure(c);
    c.Text(13, 5, what, kInk);
}

void Field(Cell& c, int kind) {
    switch (kind) {
    case 0: // web
        c.Line(3, 1, 18, 12, kGrey);
        c.Line(18, 1, 3, 12, kGrey);
        c.Line(1, 7, 20, 7, kGrey);
        c.Line(11, 0, 11, 13, kGrey);
        break;
    case 1: // crate
        c.Fill(6, 2, 10, 10, kWood);
        c.Frame(6, 2, 10, 10, kInk);
        c.Line(6, 2, 15, 11, kInk);
        break;
    case 2: // barrel
        c.Disc(11, 7, 5, kWood);
        c.Fill(6, 5, 11, 1, kInk);
        c.Fill(6, 9, 11, 1, kInk);
        break;
    case 3: // fire barrier
        c.Fill(4, 2, 14, 10, 0xE04010);
        c.Fill(7, 4, 8, 6, 0xF0C020);
        break;
    case 4: // force barrier
        c.Fill(4, 2, 14, 10, 0x4070F0);
        c.Frame(4, 2, 14, 10, 0x102080);
        break;
    case 5: // quickfire
        for (int k = 0; k < 6; ++k)
            c.Line(3 + 3 * k, 12, 5 + 3 * k, 2, k % 2 ? 0xF0A020 : 0xE04010);
        break;
    case 6: // small blood
    case 7:
    case 8:
        c.Disc(11, 7, kind - 5, kRed);
        if (kind == 8) c.Disc(6, 10, 1, kRed);
        break;
    case 9: // small slime
    case 10:
        c.Disc(11, 7, kind == 9 ? 2 : 4, kGreen);
        break;
    case 11: // dust
        for (int k = 0; k < 14; ++k)
            c.Set(4 + Noise(k, 1, 9) % 14, 2 + Noise(k, 2, 9) % 10, 0xA09070);
        break;
    case 12: // bones
        c.Line(5, 10, 16, 4, 0xC8C0A8);
        c.Disc(5, 10, 1, 0xC8C0A8);
        c.Disc(16, 4, 1, 0xC8C0A8);
        c.Line(6, 4, 15, 10, 0xB0A890);
        break;
    default: // rubble
        c.Fill(4, 8, 4, 4, kGrey);
        c.Fill(9, 6, 5, 6, 0x606870);
        c.Fill(15, 9, 3, 3, kGrey);
        break;
    }
}

void DrawTool(Cell& c, int tool) {
    switch (tool) {
    case 0:
        return Pencil(c);
    case 1:
        return Brush(c, 3);
    case 2:
        return Brush(c, 1);
    case 3:
        return Spray(c, 14);
    case 4:
        return Spray(c, 5);
    case 5:
        return Dropper(c);
    case 6:
        return c.Frame(4, 2, 14, 10, kInk);
    case 7:
        c.Fill(4, 2, 14, 10, kBlue);
        return c.Frame(4, 2, 14, 10, kInk);
    case 8: // a magnifying glass
        c.Disc(8, 6, 4, kInk);
        c.Disc(8, 6, 3, 0xC8E0F0);
        return c.Line(11, 9, 15, 13, kInk);
    case 9: // eraser
        c.Fill(5, 4, 12, 7, 0xE08090);
        return c.Frame(5, 4, 12, 7, kInk);
    case 10: // a sign post
        c.Fill(10, 7, 2, 7, kWood);
        c.Fill(5, 1, 12, 6, 0xD8B070);
        return c.Frame(5, 1, 12, 6, kInk);
    case 11: // a described area
        for (int i = 1; i < 21; i += 2) {
            c.Set(i, 1, kInk);
            c.Set(i, 12, kInk);
        }
        return c.Text(10, 5, "A", kInk);
    case 12:
        return c.Label("WM", kRed);
    case 13: // one terrain becomes another
        c.Fill(1, 4, 6, 6, kGreen);
        c.Fill(15, 4, 6, 6, kGrey);
        c.Line(8, 7, 13, 7, kInk);
        c.Set(12, 6, kInk);
        return c.Set(12, 8, kInk);
    case 14:
        return c.Label("SP", kBlue);
    case 15:
        return c.Label("CP", kBlue);
    case 16:
        return c.Label("PS", kBlue);
    case 17:
        return c.Label("SP-", kBlue);
    case 18:
        return c.Label("SET", kBlue);
    case 19:
        return c.Label("TWN", kWood);
    case 20:
    case 21:
    case 22:
    case 23:
        return Arrow(c, tool - 20);
    case 24:
        return Badge(c, Chest, "+");
    case 25:
        return Badge(c, Chest, "E");
    case 26:
        return Badge(c, Chest, "2");
    case 27:
        return Badge(c, Chest, "-");
    case 28:
        return Badge(c, Creature, "+");
    case 29:
        return Badge(c, Creature, "E");
    case 30:
        return Badge(c, Creature, "2");
    case 31:
        return Badge(c, Creature, "-");
    case 46:
        c.Line(6, 2, 15, 11, kRed);
        return c.Line(15, 2, 6, 11, kRed);
    case 47: // the town's boundary
        c.Frame(2, 1, 18, 12, kRed);
        return c.Frame(3, 2, 16, 10, kRed);
    case 48:
        return c.Label("SAV", kGreen);
    case 49: // a flag
        c.Fill(7, 1, 1, 12, kInk);
        return c.Fill(8, 1, 7, 5, kRed);
    case 50: // a boat
        c.Fill(4, 8, 14, 3, kWood);
        c.Fill(10, 2, 1, 6, kInk);
        return c.Fill(11, 3, 4, 4, 0xE8E8E0);
    case 51: // a horse
        c.Fill(5, 5, 10, 4, kWood);
        c.Fill(14, 2, 3, 4, kWood);
        for (int x : {5, 8, 11, 14})
            c.Fill(x, 9, 1, 4, kWood);
        return;
    case 52:
        return c.Label("B-H", kRed);
    default:
        if (tool >= 32 && tool <= 45) return Field(c, tool - 32);
        return;
    }
}
} // namespace

Canvas ToolButtonSheet() {
    constexpr int kTools = 53;
    Canvas sheet(8 * kW, ((kTools + 7) / 8) * kH, 0xFFFFFF);
    for (int tool = 0; tool < kTools; ++tool) {
        Cell cell(sheet, tool);
        DrawTool(cell, tool);
    }
    return sheet;
}

#include "sheetgen/FigureArt.h"

#include <algorithm>
#include <array>
#include <string>

namespace {
constexpr std::uint32_t kHues[] = {0xB03030, 0x30A040, 0x3050C0, 0xC0A020, 0x8040B0,
                                   0x30A0A0, 0xC06020, 0x707070, 0x603010, 0x20205A,
                                   0xA05080, 0x508030, 0xD08080, 0x4A4A20};
constexpr int kHueCount = static_cast<int>(std::size(kHues));
constexpr std::uint32_t kOutline = 0x181818;

// Proportional coordinates: p per mille of the box.
int Px(int x, int w, int p) {
    return x + w * p / 1000;
}
} // namespace

void DrawCreature(Canvas& c, int x, int y, int w, int h, int picture) {
    const std::uint32_t body = kHues[picture % kHueCount];
    const std::uint32_t dark = Shade(body, -50);
    auto X = [&](int p) { return Px(x, w, p); };
    auto Y = [&](int p) { return Px(y, h, p); };
    switch ((picture / kHueCount + picture) % 6) {
    case 0: // humanoid
        c.Oval(X(380), Y(80), X(620) - X(380), Y(260) - Y(80), 0xE0B090);
        c.Fill(X(320), Y(260), X(680) - X(320), Y(620) - Y(260), body);
        c.Fill(X(180), Y(280), X(320) - X(180), Y(520) - Y(280), dark);
        c.Fill(X(680), Y(280), X(820) - X(680), Y(520) - Y(280), dark);
        c.Fill(X(340), Y(620), X(480) - X(340), Y(920) - Y(620), dark);
        c.Fill(X(520), Y(620), X(660) - X(520), Y(920) - Y(620), dark);
        break;
    case 1: // beast on four legs
        c.Oval(X(150), Y(380), X(800) - X(150), Y(700) - Y(380), body);
        c.Oval(X(620), Y(250), X(920) - X(620), Y(480) - Y(250), dark);
        for (int leg : {220, 380, 560, 700})
            c.Fill(X(leg), Y(650), std::max(2, w / 10), Y(920) - Y(650), dark);
        break;
    case 2: // blob
        c.Oval(X(120), Y(380), X(880) - X(120), Y(920) - Y(380), body);
        c.Oval(X(300), Y(500), std::max(2, w / 8), std::max(2, h / 12), kOutline);
        c.Oval(X(600), Y(500), std::max(2, w / 8), std::max(2, h / 12), kOutline);
        break;
    case 3: // winged
        c.Triangle(X(500), Y(450), X(60), Y(200), X(200), Y(650), dark);
        c.Triangle(X(500), Y(450), X(940), Y(200), X(800), Y(650), dark);
        c.Oval(X(350), Y(300), X(650) - X(350), Y(800) - Y(300), body);
        break;
    case 4: // serpent
        for (int i = 0; i < 6; ++i)
            c.Oval(X(100 + i * 130), Y(550 + (i % 2) * 150), std::max(3, w / 5), std::max(3, h / 6),
                   i == 5 ? dark : body);
        break;
    default: // skeletal
        c.Oval(X(380), Y(80), X(620) - X(380), Y(260) - Y(80), 0xE8E4D8);
        for (int i = 0; i < 4; ++i)
            c.Fill(X(330), Y(320 + i * 80), X(670) - X(330), std::max(1, h / 40), 0xE8E4D8);
        c.Fill(X(480), Y(260), std::max(1, w / 20), Y(900) - Y(260), 0xE8E4D8);
        c.Line(X(480), Y(650), X(340), Y(920), 0xE8E4D8);
        c.Line(X(520), Y(650), X(660), Y(920), 0xE8E4D8);
        c.Fill(X(300), Y(300), std::max(2, w / 12), Y(600) - Y(300), body);
        break;
    }
}

void DrawItem(Canvas& c, int x, int y, int w, int h, int n) {
    const std::uint32_t colour = kHues[(n * 5) % kHueCount];
    auto X = [&](int p) { return Px(x, w, p); };
    auto Y = [&](int p) { return Px(y, h, p); };
    switch (n % 12) {
    case 0: // sword
        c.Line(X(200), Y(800), X(800), Y(150), 0xB8C0C8);
        c.Line(X(220), Y(820), X(820), Y(170), 0x8890A0);
        c.Line(X(150), Y(600), X(400), Y(850), colour);
        break;
    case 1: // axe
        c.Line(X(300), Y(900), X(600), Y(150), 0x7A4A20);
        c.Oval(X(500), Y(100), X(900) - X(500), Y(450) - Y(100), 0xA0A8B0);
        break;
    case 2: // shield
        c.Oval(X(150), Y(120), X(850) - X(150), Y(880) - Y(120), colour);
        c.Oval(X(400), Y(400), X(600) - X(400), Y(600) - Y(400), 0xD0B040);
        break;
    case 3: // potion
        c.Oval(X(200), Y(380), X(800) - X(200), Y(900) - Y(380), colour);
        c.Fill(X(400), Y(120), X(600) - X(400), Y(400) - Y(120), 0xA0C0C8);
        break;
    case 4: // scroll
        c.Fill(X(150), Y(250), X(850) - X(150), Y(750) - Y(250), 0xE8D8A8);
        c.Fill(X(100), Y(200), X(250) - X(100), Y(800) - Y(200), 0xC8B080);
        c.Fill(X(750), Y(200), X(900) - X(750), Y(800) - Y(200), 0xC8B080);
        c.Line(X(300), Y(450), X(700), Y(450), colour);
        break;
    case 5: // ring
        c.Oval(X(200), Y(300), X(800) - X(200), Y(900) - Y(300), 0xD8B030);
        c.Oval(X(330), Y(430), X(670) - X(330), Y(770) - Y(430), 0xFFFFFF);
        c.Oval(X(400), Y(100), X(600) - X(400), Y(350) - Y(100), colour);
        break;
    case 6: // helmet
        c.Oval(X(150), Y(200), X(850) - X(150), Y(900) - Y(200), 0x9098A0);
        c.Fill(X(150), Y(600), X(850) - X(150), Y(900) - Y(600), 0xFFFFFF);
        c.Fill(X(150), Y(550), X(850) - X(150), Y(650) - Y(550), colour);
        break;
    case 7: // armour
        c.Fill(X(250), Y(150), X(750) - X(250), Y(850) - Y(150), 0x8890A0);
        c.Fill(X(100), Y(150), X(900) - X(100), Y(350) - Y(150), 0x8890A0);
        c.Line(X(500), Y(200), X(500), Y(800), colour);
        break;
    case 8: // wand or staff
        c.Line(X(200), Y(900), X(750), Y(200), 0x7A4A20);
        c.Oval(X(650), Y(80), X(900) - X(650), Y(320) - Y(80), colour);
        break;
    case 9: // gem
        c.Triangle(X(500), Y(150), X(150), Y(500), X(850), Y(500), Shade(colour, 40));
        c.Triangle(X(500), Y(900), X(150), Y(500), X(850), Y(500), colour);
        break;
    case 10: // coins
        for (int i = 0; i < 3; ++i)
            c.Oval(X(150 + i * 200), Y(450 - i * 100), X(500) - X(150), Y(350) - Y(100),
                   Shade(0xD8B030, -i * 20));
        break;
    default: // food or a bag
        c.Oval(X(150), Y(300), X(850) - X(150), Y(900) - Y(300), Shade(colour, 20));
        c.Fill(X(420), Y(150), X(580) - X(420), Y(320) - Y(150), 0x7A4A20);
        break;
    }
}

void DrawPortrait(Canvas& c, int x, int y, int n) {
    static constexpr std::uint32_t kSkins[] = {0xF0C8A0, 0xC89868, 0x8A5A3A, 0xE0B890, 0x9AC090};
    static constexpr std::uint32_t kHair[] = {0x2A1A0A, 0xD8B040, 0x8A3A1A,
                                              0x9A9A9A, 0x1A1A1A, 0x6A4A2A};
    c.Fill(x, y, 32, 32, kHues[n % kHueCount]);
    c.Fill(x, y + 26, 32, 6, Shade(kHues[(n + 3) % kHueCount], -30));
    const std::uint32_t skin = kSkins[n % 5];
    const std::uint32_t hair = kHair[(n / 5) % 6];
    const int wide = (n / 3) % 3;
    c.Oval(x + 8 - wide, y + 5, 16 + 2 * wide, 20, skin);
    c.Oval(x + 7 - wide, y + 2, 18 + 2 * wide, 9, hair);
    c.Fill(x + 12, y + 13, 2, 2, kOutline);
    c.Fill(x + 18, y + 13, 2, 2, kOutline);
    c.Fill(x + 14, y + 20, 4, 1, 0x803030);
    if (n % 4 == 1) c.Oval(x + 10, y + 19, 12, 8, hair); // beard
}

void DrawEmblem(Canvas& c, int x, int y, int size, int n, int family) {
    const std::uint32_t back = Shade(kHues[(n + family * 5) % kHueCount], 60);
    const std::uint32_t fore = Shade(kHues[(n * 3 + 1) % kHueCount], -20);
    c.Fill(x, y, size, size, back);
    c.Frame(x, y, size, size, Shade(back, -70));
    const int m = size / 5;
    const int s = size - 2 * m;
    switch (n % 8) {
    case 0: // sun
        c.Oval(x + m, y + m, s, s, 0xF0C030);
        break;
    case 1: // moon
        c.Oval(x + m, y + m, s, s, 0xE0E0C0);
        c.Oval(x + m + s / 3, y + m, s, s, back);
        break;
    case 2: // star
        c.Triangle(x + size / 2, y + m, x + m, y + size - m, x + size - m, y + size - m, fore);
        c.Triangle(x + size / 2, y + size - m / 2, x + m, y + m + s / 4, x + size - m,
                   y + m + s / 4, fore);
        break;
    case 3: // tower
        c.Fill(x + size / 2 - s / 4, y + m, s / 2, s, fore);
        c.Triangle(x + size / 2, y + 1, x + m, y + m + 1, x + size - m, y + m + 1, 0xA03020);
        break;
    case 4: // tree
        c.Fill(x + size / 2 - 1, y + size / 2, 3, s / 2, 0x5A3A1A);
        c.Oval(x + m, y + m, s, s * 2 / 3, 0x2A7A2A);
        break;
    case 5: // skull
        c.Oval(x + m, y + m, s, s * 3 / 4, 0xE8E4D8);
        c.Fill(x + m + s / 4, y + m + s / 3, s / 6 + 1, s / 6 + 1, kOutline);
        c.Fill(x + m + s * 7 / 12, y + m + s / 3, s / 6 + 1, s / 6 + 1, kOutline);
        break;
    case 6: // mountain
        c.Triangle(x + size / 2, y + m, x + 1, y + size - 2, x + size - 2, y + size - 2, fore);
        break;
    default: // crossed blades
        c.Line(x + m, y + m, x + size - m, y + size - m, 0x606870);
        c.Line(x + size - m, y + m, x + m, y + size - m, 0x606870);
        c.Line(x + m + 1, y + m, x + size - m, y + size - m - 1, 0x909aa0);
        break;
    }
}

void DrawFieldCell(Canvas& c, int x, int y, int cell) {
    switch (cell) {
    case 5: // web
        for (int i = 0; i < 4; ++i) {
            c.Line(x + 2, y + 4 + i * 9, x + 25, y + 31 - i * 9, 0xD0D0D8);
            c.Line(x + 2 + i * 7, y + 3, x + 25 - i * 7, y + 32, 0xD0D0D8);
        }
        break;
    case 6: // crate
        c.Fill(x + 4, y + 10, 20, 20, 0xA07040);
        c.Frame(x + 4, y + 10, 20, 20, 0x5A3A1A);
        c.Line(x + 4, y + 10, x + 23, y + 29, 0x5A3A1A);
        break;
    case 7: // barrel
        c.Oval(x + 7, y + 8, 14, 22, 0x8A5A2A);
        c.Fill(x + 7, y + 13, 14, 1, 0x404040);
        c.Fill(x + 7, y + 24, 14, 1, 0x404040);
        break;
    case 15: // quickfire
        for (int i = 0; i < 5; ++i)
            c.Triangle(x + 3 + i * 5, y + 14 + (i % 2) * 6, x + i * 5, y + 32, x + 7 + i * 5,
                       y + 32, i % 2 ? 0xF8D030 : 0xE04010);
        break;
    case 16: // fire barrier
        c.Triangle(x + 14, y + 2, x + 2, y + 34, x + 26, y + 34, 0xE05010);
        c.Triangle(x + 14, y + 12, x + 8, y + 34, x + 20, y + 34, 0xF8D030);
        break;
    case 18: // force barrier
        for (int yy = 2; yy < 34; ++yy)
            for (int xx = 2; xx < 26; ++xx)
                if ((xx + yy) % 3 == 0) c.Set(x + xx, y + yy, 0x8080F8);
        break;
    case 24:
    case 25:
    case 26: { // blood, three sizes
        const int r = 6 + (cell - 24) * 5;
        c.Oval(x + 14 - r, y + 20 - r * 2 / 3, 2 * r, r * 4 / 3, 0x9A1010);
        break;
    }
    case 27:
    case 28: { // slime, two sizes
        const int r = cell == 27 ? 6 : 11;
        c.Oval(x + 14 - r, y + 20 - r * 2 / 3, 2 * r, r * 4 / 3, 0x50C030);
        break;
    }
    case 29: // dust
        for (int i = 0; i < 40; ++i)
            c.Set(x + 2 + Noise(i, 1, cell) % 24, y + 6 + Noise(i, 2, cell) % 26, 0xA09080);
        break;
    case 30: // bones
        c.Line(x + 5, y + 24, x + 22, y + 16, 0xE8E4D8);
        c.Line(x + 5, y + 25, x + 22, y + 17, 0xE8E4D8);
        c.Line(x + 8, y + 14, x + 20, y + 28, 0xE0DCD0);
        c.Oval(x + 16, y + 8, 7, 6, 0xE8E4D8);
        break;
    case 31: // rubble
        for (int i = 0; i < 6; ++i)
            c.Oval(x + 2 + Noise(i, 3, cell) % 20, y + 8 + Noise(i, 4, cell) % 20, 6, 5,
                   Shade(0x807870, Noise(i, 5, cell) % 30 - 15));
        break;
    default:
        break;
    }
}

void DrawBoat(Canvas& c, int x, int y) {
    c.Triangle(x + 2, y + 22, x + 25, y + 22, x + 20, y + 30, 0x7A4A20);
    c.Triangle(x + 2, y + 22, x + 8, y + 30, x + 20, y + 30, 0x7A4A20);
    c.Fill(x + 13, y + 4, 2, 18, 0x5A3A1A);
    c.Triangle(x + 15, y + 5, x + 15, y + 20, x + 24, y + 18, 0xE8E0C8);
}

void DrawHorse(Canvas& c, int x, int y) {
    c.Oval(x + 5, y + 14, 16, 9, 0x8A5A2A);
    c.Fill(x + 18, y + 8, 4, 10, 0x8A5A2A);
    c.Oval(x + 18, y + 6, 8, 5, 0x7A4A20);
    for (int leg : {6, 9, 16, 19})
        c.Fill(x + leg, y + 21, 2, 10, 0x5A3A1A);
    c.Fill(x + 4, y + 15, 2, 8, 0x3A2A1A);
}

void DrawTerDispIconArt(Canvas& c, int x, int y, int n) {
    struct Mark {
        int icon;
        std::uint32_t back;
        const char* text;
    };
    static constexpr Mark kMarks[] = {
        {0, 0x2040C0, "N"},  {1, 0x2040C0, "E"},  {2, 0x2040C0, "S"},  {3, 0x2040C0, "W"},
        {4, 0xC07010, "A"},  {5, 0xC01010, "!"},  {14, 0xD03010, "F"}, {15, 0x30A0D0, "C"},
        {16, 0x8030C0, "M"}, {17, 0x8A5A2A, "?"}, {18, 0x208020, "T"}, {19, 0x8A6A2A, "B"},
        {20, 0x6A6A6A, "X"}, {21, 0x404040, "-"}, {22, 0x6A8A20, "D"}, {23, 0x707070, "."},
        {24, 0x30A030, "."}, {25, 0xC01010, "L"}, {26, 0xB0A010, "L"}, {27, 0xD07010, "L"},
        {28, 0x309030, "P"}, {29, 0x2080A0, "+"},
    };
    if (n == 6) { // the start location, three cells wide
        c.Fill(x, y, 21, 7, 0x106010);
        c.Text(x + 1, y + 1, "STAR", 0xF0F0A0);
        return;
    }
    if (n >= 10 && n <= 13) { // conveyors: south, west, north, east
        c.Fill(x, y, 7, 7, 0x505060);
        static constexpr int kWays[4][2] = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};
        const int dx = kWays[n - 10][0];
        const int dy = kWays[n - 10][1];
        c.Line(x + 3 - 3 * dx, y + 3 - 3 * dy, x + 3 + 3 * dx, y + 3 + 3 * dy, 0xF0E060);
        // The head tells the way the belt carries; a bare line would read the same both ways.
        for (int back = 1; back <= 2; ++back) {
            const int bx = x + 3 + (3 - back) * dx;
            const int by = y + 3 + (3 - back) * dy;
            c.Set(bx - back * dy, by + back * dx, 0xF0E060);
            c.Set(bx + back * dy, by - back * dx, 0xF0E060);
        }
        return;
    }
    for (const Mark& m : kMarks)
        if (m.icon == n) {
            c.Fill(x, y, 7, 7, m.back);
            c.Text(x + 2, y + 1, m.text, 0xF0F0F0);
        }
}

void DrawMarbleTile(Canvas& c, int x, int y, int style) {
    static constexpr std::uint32_t kBases[] = {0xC8C0B0, 0xB8C8B8, 0x2A2A40, 0xC0B8C8,
                                               0xD0C0A0, 0xA8B8C8, 0x402A2A, 0xB8B0A0,
                                               0x2A3A2A, 0xC8C8C0, 0xB0A898, 0xA0A8B0};
    const std::uint32_t base = kBases[style % 12];
    for (int j = 0; j < 64; ++j)
        for (int i = 0; i < 64; ++i) {
            // Veins that wrap at the tile's edges so that tiling shows no seams.
            const int vein = (i + 2 * j + Noise(i / 8, j / 8, style) / 32) % 32;
            const int step = vein < 2 ? -35 : (Noise(i, j, style) % 14 - 7);
            c.Set(x + i, y + j, Shade(base, step));
        }
}

void DrawCursorArt(Canvas& c, int i) {
    switch (i) {
    case 0: // pencil
        c.Line(1, 1, 20, 20, 0x202020);
        for (int k = 0; k < 4; ++k)
            c.Line(3 + k, 1, 22, 20 - k, 0xE0B030);
        break;
    case 1: // brush
        c.Line(10, 10, 24, 24, 0x7A4A20);
        c.Oval(1, 1, 11, 11, 0x3050C0);
        break;
    case 2: // spray
        c.Fill(12, 10, 10, 16, 0x707880);
        c.Fill(14, 6, 4, 4, 0x404040);
        for (int k = 0; k < 10; ++k)
            c.Set(1 + Noise(k, 1, 2) % 10, 1 + Noise(k, 2, 2) % 10, 0x3050C0);
        break;
    case 3: // dropper
        c.Line(1, 1, 14, 14, 0x3050C0);
        c.Fill(13, 13, 6, 6, 0x909090);
        c.Oval(17, 17, 8, 8, 0x202020);
        break;
    case 4: // first corner of an area
        c.Fill(0, 0, 14, 2, 0x202020);
        c.Fill(0, 0, 2, 14, 0x202020);
        c.Line(4, 4, 16, 16, 0xC01010);
        break;
    case 5: // second corner of an area
        c.Fill(16, 29, 14, 2, 0x202020);
        c.Fill(29, 16, 2, 14, 0x202020);
        c.Line(26, 26, 12, 12, 0xC01010);
        break;
    case 6: // eraser
        c.Fill(6, 6, 16, 10, 0xE08090);
        c.Frame(6, 6, 16, 10, 0x202020);
        c.Set(0, 0, 0x202020);
        break;
    default: // sword
        c.Line(1, 1, 20, 20, 0x909aa0);
        c.Line(2, 1, 20, 19, 0xC0C8D0);
        c.Line(15, 23, 23, 15, 0x7A4A20);
        c.Line(21, 21, 27, 27, 0x5A3A1A);
        break;
    }
}

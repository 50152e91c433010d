#include "sheetgen/TerrainArt.h"

#include "basescen/BaseData.h"

#include <array>

namespace {
constexpr int W = 28;
constexpr int H = 36;

constexpr std::uint32_t kCaveFloor = 0x6E6250;
constexpr std::uint32_t kGrass = 0x3F8A34;
constexpr std::uint32_t kStoneFloor = 0x8C8A84;
constexpr std::uint32_t kWater = 0x2F5FB0;
constexpr std::uint32_t kSand = 0xD8C07A;
constexpr std::uint32_t kWood = 0x8A5A2A;
constexpr std::uint32_t kDarkWood = 0x5A3A1A;
constexpr std::uint32_t kRock = 0x77726A;
constexpr std::uint32_t kSnow = 0xF0F0F4;
constexpr std::uint32_t kLeaf = 0x2A6A22;

// Wall pieces of the four wall styles, by shape 0..12.
constexpr int kWallPieces[4][13] = {
    {5, 6, 8, 9, 11, 12, 14, 15, 17, 18, 19, 20, 21},
    {22, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35},
    {36, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49},
    {50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62},
};

void Ground(Canvas& c, int ox, int oy, std::uint32_t base, int seed, int grain = 24) {
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            c.Set(ox + x, oy + y, Shade(base, Noise(x, y, seed) % grain - grain / 2));
}

void GrassGround(Canvas& c, int ox, int oy, int seed) {
    Ground(c, ox, oy, kGrass, seed, 20);
    for (int i = 0; i < 14; ++i) {
        const int x = Noise(i, 1, seed) % W;
        const int y = 2 + Noise(i, 2, seed) % (H - 3);
        c.Line(ox + x, oy + y, ox + x, oy + y - 2, Shade(kGrass, -30));
    }
}

void CaveGround(Canvas& c, int ox, int oy, int seed) {
    Ground(c, ox, oy, kCaveFloor, seed, 22);
    for (int i = 0; i < 5; ++i)
        c.Oval(ox + Noise(i, 3, seed) % 25, oy + Noise(i, 4, seed) % 33, 3, 2,
               Shade(kCaveFloor, -25));
}

void FloorGround(Canvas& c, int ox, int oy, std::uint32_t base, int seed) {
    Ground(c, ox, oy, base, seed, 10);
    for (int y = 0; y < H; y += 9)
        c.Fill(ox, oy + y, W, 1, Shade(base, -30));
    for (int y = 0; y < H; y += 9)
        for (int x = (y / 9) % 2 * 7; x < W; x += 14)
            c.Fill(ox + x, oy + y, 1, 9, Shade(base, -30));
}

void Bricks(Canvas& c, int x0, int y0, int w, int h, std::uint32_t base, int seed) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int row = (y0 + y) / 6;
            const bool mortar = (y0 + y) % 6 == 0 || (x0 + x + (row % 2) * 5) % 10 == 0;
            c.Set(x0 + x, y0 + y,
                  mortar ? Shade(base, -45) : Shade(base, Noise(x, y, seed) % 16 - 8));
        }
}

void RoughRock(Canvas& c, int x0, int y0, int w, int h, std::uint32_t base, int seed) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int n = Noise((x0 + x) / 3, (y0 + y) / 3, seed);
            c.Set(x0 + x, y0 + y, Shade(base, n % 40 - 20 + (Noise(x, y, seed) % 8)));
        }
}

void Mountain(Canvas& c, int ox, int oy, int peakX, int peakY, int halfWidth, int baseY) {
    c.Triangle(ox + peakX, oy + peakY, ox + peakX - halfWidth, oy + baseY, ox + peakX + halfWidth,
               oy + baseY, kRock);
    c.Triangle(ox + peakX, oy + peakY, ox + peakX + halfWidth, oy + baseY, ox + peakX, oy + baseY,
               Shade(kRock, -25));
    c.Triangle(ox + peakX, oy + peakY, ox + peakX - 3, oy + peakY + 5, ox + peakX + 3,
               oy + peakY + 5, kSnow);
}

void WallMass(Canvas& c, int x, int y, int w, int h, int style, int seed) {
    switch (style) {
    case 0:
        RoughRock(c, x, y, w, h, 0x46362A, seed);
        break;
    case 1:
        Bricks(c, x, y, w, h, 0x8A8A90, seed);
        break;
    case 2:
        Bricks(c, x, y, w, h, 0x54546A, seed);
        break;
    default:
        RoughRock(c, x, y, w, h, kRock, seed);
        break;
    }
}

void StyleGround(Canvas& c, int ox, int oy, int style, int seed) {
    if (style == 0)
        CaveGround(c, ox, oy, seed);
    else if (style == 3)
        GrassGround(c, ox, oy, seed);
    else
        FloorGround(c, ox, oy, kStoneFloor, seed);
}

// The wall mass of each shape: the part of the cell that lies toward the joining neighbours.
void WallPiece(Canvas& c, int ox, int oy, int style, int shape, int seed) {
    StyleGround(c, ox, oy, style, seed);
    struct Box {
        int x, y, w, h;
    };
    static constexpr Box kMass[13] = {
        {0, 0, 28, 36},  {0, 0, 28, 22},   {0, 0, 16, 22},  {0, 0, 16, 36},  {0, 14, 16, 22},
        {0, 14, 28, 22}, {12, 14, 16, 22}, {12, 0, 16, 36}, {12, 0, 16, 22}, {0, 0, 28, 36},
        {0, 0, 28, 36},  {0, 0, 28, 36},   {0, 0, 28, 36},
    };
    static constexpr Box kNotch[13] = {
        {0, 0, 0, 0},   {0, 0, 0, 0},    {0, 0, 0, 0},     {0, 0, 0, 0}, {0, 0, 0, 0},
        {0, 0, 0, 0},   {0, 0, 0, 0},    {0, 0, 0, 0},     {0, 0, 0, 0}, {0, 22, 12, 14},
        {0, 0, 12, 14}, {16, 0, 12, 14}, {16, 22, 12, 14},
    };
    const Box m = kMass[shape];
    WallMass(c, ox + m.x, oy + m.y, m.w, m.h, style, seed);
    if (style == 3) Mountain(c, ox, oy, m.x + m.w / 2, m.y + 2, m.w / 2, m.y + m.h - 1);
    const Box n = kNotch[shape];
    if (n.w > 0) {
        Canvas floor(W, H, 0);
        StyleGround(floor, 0, 0, style, seed + 7);
        c.Blit(floor, n.x, n.y, n.w, n.h, ox + n.x, oy + n.y);
    }
    // A darker lower edge shows which way the wall faces.
    if (m.h < H && m.y == 0) c.Fill(ox + m.x, oy + m.h - 2, m.w, 2, 0x302820);
}

void Tree(Canvas& c, int ox, int oy, int cx, int top, int kind) {
    c.Fill(ox + cx - 1, oy + top + 12, 3, 10, kDarkWood);
    if (kind == 0) {
        c.Oval(ox + cx - 8, oy + top, 17, 15, kLeaf);
        c.Oval(ox + cx - 6, oy + top + 2, 8, 6, Shade(kLeaf, 25));
    } else if (kind == 1) {
        c.Triangle(ox + cx, oy + top - 2, ox + cx - 7, oy + top + 14, ox + cx + 7, oy + top + 14,
                   0x1E5A2A);
    } else {
        c.Line(ox + cx, oy + top + 12, ox + cx - 6, oy + top + 4, kDarkWood);
        c.Line(ox + cx, oy + top + 10, ox + cx + 6, oy + top + 2, kDarkWood);
        c.Line(ox + cx, oy + top + 12, ox + cx, oy + top + 1, kDarkWood);
    }
}

void WaterGround(Canvas& c, int ox, int oy, std::uint32_t base, int seed, int phase) {
    Ground(c, ox, oy, base, seed, 12);
    for (int y = 4; y < H; y += 8)
        for (int x = 0; x < W; ++x)
            if ((x + phase * 2 + y) % 7 < 3)
                c.Set(ox + x, oy + y + ((x + phase) / 3) % 2, Shade(base, 50));
}

void Door(Canvas& c, int ox, int oy, std::uint32_t colour, int state) {
    Bricks(c, ox, oy, W, H, 0x8A8A90, 3);
    c.Fill(ox + 6, oy + 6, 16, 30, 0x3A3030);
    if (state == 1) return; // open: the dark doorway
    if (state == 3) {       // portcullis
        for (int x = 7; x < 22; x += 3)
            c.Fill(ox + x, oy + 6, 1, 30, 0x505058);
        for (int y = 9; y < 36; y += 5)
            c.Fill(ox + 6, oy + y, 16, 1, 0x505058);
        return;
    }
    c.Fill(ox + 7, oy + 7, 14, 29, colour);
    for (int x = 10; x < 21; x += 4)
        c.Fill(ox + x, oy + 7, 1, 29, Shade(colour, -30));
    c.Fill(ox + 18, oy + 21, 2, 2, 0xD0B040);
    if (state == 2) c.Fill(ox + 17, oy + 18, 4, 5, 0xE0C020);
}

void Sign(Canvas& c, int ox, int oy) {
    c.Fill(ox + 13, oy + 16, 2, 18, kDarkWood);
    c.Fill(ox + 4, oy + 6, 20, 11, kWood);
    c.Frame(ox + 4, oy + 6, 20, 11, kDarkWood);
    for (int y = 9; y < 15; y += 2)
        c.Fill(ox + 7, oy + y, 14, 1, 0x3A2A1A);
}

void House(Canvas& c, int ox, int oy, std::uint32_t roof, int variant) {
    GrassGround(c, ox, oy, 40 + variant);
    const int width = 16 + variant % 3 * 2;
    const int left = (W - width) / 2;
    c.Fill(ox + left, oy + 16, width, 16, 0xC8B090);
    c.Triangle(ox + left - 2, oy + 17, ox + W / 2, oy + 5 - variant % 2 * 2, ox + left + width + 1,
               oy + 17, roof);
    c.Fill(ox + W / 2 - 2, oy + 24, 5, 8, kDarkWood);
    if (variant % 4 == 2) { // battlements of a keep
        for (int x = left; x < left + width; x += 4)
            c.Fill(ox + x, oy + 12, 2, 4, 0xA0A0A8);
    }
}

void Furniture(Canvas& c, int ox, int oy, int kind, int seed) {
    FloorGround(c, ox, oy, kWood, seed);
    switch (kind % 12) {
    case 0: // table
        c.Fill(ox + 3, oy + 12, 22, 10, 0x7A4A20);
        c.Fill(ox + 4, oy + 22, 2, 8, kDarkWood);
        c.Fill(ox + 22, oy + 22, 2, 8, kDarkWood);
        break;
    case 1: // chair
        c.Fill(ox + 9, oy + 8, 10, 12, 0x7A4A20);
        c.Fill(ox + 9, oy + 20, 10, 4, 0x9A6A30);
        c.Fill(ox + 9, oy + 24, 2, 8, kDarkWood);
        c.Fill(ox + 17, oy + 24, 2, 8, kDarkWood);
        break;
    case 2: // bed
        c.Fill(ox + 5, oy + 4, 18, 28, kDarkWood);
        c.Fill(ox + 6, oy + 5, 16, 7, 0xE8E8E0);
        c.Fill(ox + 6, oy + 12, 16, 19, 0xA03030);
        break;
    case 3: // barrel
        c.Oval(ox + 7, oy + 8, 14, 22, 0x8A5A2A);
        c.Fill(ox + 7, oy + 13, 14, 1, 0x404040);
        c.Fill(ox + 7, oy + 24, 14, 1, 0x404040);
        break;
    case 4: // chest
        c.Fill(ox + 5, oy + 14, 18, 14, 0x8A5A2A);
        c.Fill(ox + 5, oy + 14, 18, 4, 0x6A4A1A);
        c.Fill(ox + 13, oy + 18, 2, 3, 0xE0C020);
        break;
    case 5: // bookshelf
        c.Fill(ox + 3, oy + 4, 22, 28, kDarkWood);
        for (int y = 6; y < 30; y += 8)
            for (int x = 5; x < 23; x += 3)
                c.Fill(ox + x, oy + y, 2, 6,
                       Shade(0x4060A0 + static_cast<std::uint32_t>(x * 5000), 0));
        break;
    case 6: // altar
        c.Fill(ox + 4, oy + 14, 20, 14, 0xB0B0B8);
        c.Fill(ox + 3, oy + 12, 22, 3, 0xD0D0D8);
        c.Fill(ox + 12, oy + 4, 4, 8, 0xE0C020);
        break;
    case 7: // statue
        c.Fill(ox + 8, oy + 26, 12, 6, 0x909098);
        c.Oval(ox + 10, oy + 4, 8, 8, 0xB8B8C0);
        c.Fill(ox + 10, oy + 12, 8, 14, 0xB0B0B8);
        break;
    case 8: // fountain
        c.Oval(ox + 2, oy + 14, 24, 16, 0xA0A0A8);
        c.Oval(ox + 5, oy + 16, 18, 11, kWater);
        c.Fill(ox + 13, oy + 8, 2, 12, 0x90B0F0);
        break;
    case 9: // brazier
        c.Fill(ox + 12, oy + 18, 4, 14, 0x505050);
        c.Oval(ox + 7, oy + 14, 14, 6, 0x404040);
        c.Triangle(ox + 14, oy + 3, ox + 8, oy + 15, ox + 20, oy + 15, 0xF08020);
        c.Triangle(ox + 14, oy + 8, ox + 11, oy + 15, ox + 17, oy + 15, 0xF8E040);
        break;
    case 10: // throne
        c.Fill(ox + 7, oy + 4, 14, 26, 0x8A2A2A);
        c.Fill(ox + 5, oy + 18, 18, 6, 0xC8A030);
        break;
    default: // column
        c.Fill(ox + 9, oy + 3, 10, 30, 0xC0C0C8);
        c.Fill(ox + 7, oy + 3, 14, 3, 0xD8D8E0);
        c.Fill(ox + 7, oy + 30, 14, 3, 0xD8D8E0);
        break;
    }
}

void Dungeon(Canvas& c, int ox, int oy, int kind, int seed) {
    CaveGround(c, ox, oy, seed);
    switch (kind % 10) {
    case 0: // stairs down
        for (int i = 0; i < 5; ++i)
            c.Fill(ox + 5 + i, oy + 8 + i * 5, 18 - 2 * i, 4, Shade(0x808078, -i * 15));
        break;
    case 1: // stairs up
        for (int i = 0; i < 5; ++i)
            c.Fill(ox + 9 - i, oy + 8 + i * 5, 10 + 2 * i, 4, Shade(0x606058, i * 15));
        break;
    case 2: // ladder
        c.Fill(ox + 8, oy + 3, 2, 30, kWood);
        c.Fill(ox + 18, oy + 3, 2, 30, kWood);
        for (int y = 6; y < 33; y += 5)
            c.Fill(ox + 8, oy + y, 12, 2, kWood);
        break;
    case 3: // pit
        c.Oval(ox + 3, oy + 8, 22, 20, 0x101010);
        break;
    case 4: // rubble
        for (int i = 0; i < 8; ++i)
            c.Oval(ox + Noise(i, 5, seed) % 22, oy + 6 + Noise(i, 6, seed) % 24, 6, 5,
                   Shade(kRock, Noise(i, 7, seed) % 30 - 15));
        break;
    case 5: // crystals
        c.Triangle(ox + 10, oy + 6, ox + 6, oy + 30, ox + 14, oy + 30, 0x60C0E0);
        c.Triangle(ox + 18, oy + 12, ox + 14, oy + 30, ox + 22, oy + 30, 0x8080F0);
        break;
    case 6: // magic circle
        c.Oval(ox + 3, oy + 7, 22, 22, 0xA040C0);
        c.Oval(ox + 5, oy + 9, 18, 18, kCaveFloor);
        c.Triangle(ox + 14, oy + 10, ox + 7, oy + 24, ox + 21, oy + 24, 0xC060E0);
        break;
    case 7: // stalagmite
        c.Triangle(ox + 14, oy + 4, ox + 8, oy + 32, ox + 20, oy + 32, 0x8A7A68);
        break;
    case 8: // grate
        c.Fill(ox + 5, oy + 10, 18, 16, 0x202020);
        for (int x = 5; x < 23; x += 3)
            c.Fill(ox + x, oy + 10, 1, 16, 0x707070);
        break;
    default: // portal
        c.Oval(ox + 5, oy + 4, 18, 28, 0x4020A0);
        c.Oval(ox + 8, oy + 8, 12, 20, 0x8060F0);
        break;
    }
}

void Fence(Canvas& c, int ox, int oy, int shape, int seed) {
    GrassGround(c, ox, oy, seed);
    const bool across = shape != 1;
    const bool down = shape != 0;
    if (across)
        for (int y : {14, 20})
            c.Fill(ox + (shape == 3 ? 13 : 0), oy + y, shape == 2 ? 15 : (shape == 3 ? 15 : W), 2,
                   kWood);
    if (down)
        for (int x : {12, 15})
            c.Fill(ox + x, oy + (shape >= 2 ? 14 : 0), 2, shape >= 2 ? 22 : H, kWood);
}

// The ground where a town stood: broken walls and rubble, or grass grown over the foundations.
void TownSite(Canvas& c, int ox, int oy, bool overgrown, int seed) {
    if (overgrown) {
        GrassGround(c, ox, oy, seed);
        c.Frame(ox + 4, oy + 8, 20, 20, Shade(0x9A9AA0, -30));
        c.Oval(ox + 14, oy + 18, 10, 8, kLeaf);
        c.Oval(ox + 3, oy + 24, 8, 6, kLeaf);
        return;
    }
    Ground(c, ox, oy, 0xC8A060, seed, 30);
    Bricks(c, ox + 3, oy + 6, 6, 18, 0x8A8A90, seed);
    Bricks(c, ox + 3, oy + 20, 16, 6, 0x8A8A90, seed);
    for (int i = 0; i < 5; ++i)
        c.Oval(ox + 10 + Noise(i, 12, seed) % 14, oy + 4 + Noise(i, 13, seed) % 26, 4, 3, kRock);
}

void Unused(Canvas& c, int ox, int oy) {
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            c.Set(ox + x, oy + y, ((x + y) / 4) % 2 ? 0x4A4A4A : 0x3A3A3A);
}
} // namespace

void DrawTerrainTile(Canvas& c, int ox, int oy, int p) {
    for (int style = 0; style < 4; ++style)
        for (int shape = 0; shape < 13; ++shape)
            if (kWallPieces[style][shape] == p) return WallPiece(c, ox, oy, style, shape, p);

    auto in = [p](int low, int high) { return p >= low && p <= high; };
    if (p == 0 || p == 1) return CaveGround(c, ox, oy, p);
    if (p == 2 || p == 3) return GrassGround(c, ox, oy, p);
    if (p == 4) {
        GrassGround(c, ox, oy, p);
        static constexpr std::uint32_t kPetals[] = {0xF0E040, 0xE04040, 0xC060E0, 0xF0A0C0};
        for (int i = 0; i < 9; ++i)
            c.Fill(ox + 2 + Noise(i, 8, 4) % 23, oy + 2 + Noise(i, 9, 4) % 31, 2, 2,
                   kPetals[i % 4]);
        return;
    }
    if (in(5, 62)) { // the wall-range pictures that are no wall piece: walls with a feature
        const int style = p < 22 ? 0 : (p < 36 ? 1 : 2);
        WallPiece(c, ox, oy, style, 0, p);
        if (p == 7 || p == 23) { // torch
            c.Fill(ox + 13, oy + 14, 2, 10, kDarkWood);
            c.Oval(ox + 11, oy + 8, 6, 8, 0xF09020);
        } else if (p == 10 || p == 37) { // window
            c.Fill(ox + 8, oy + 8, 12, 14, 0x2A3A5A);
            c.Fill(ox + 13, oy + 8, 2, 14, 0x605040);
        } else { // ore vein
            c.Line(ox + 3, oy + 30, ox + 24, oy + 6, 0xC0A040);
            c.Line(ox + 4, oy + 30, ox + 25, oy + 6, 0xA08030);
        }
        return;
    }
    if (in(63, 66)) {
        GrassGround(c, ox, oy, p);
        Mountain(c, ox, oy, 14, 2 + (p - 63) * 2, 13, 34);
        return;
    }
    if (in(67, 69)) {
        GrassGround(c, ox, oy, p);
        c.Oval(ox + 1, oy + 12 + (p - 67) * 3, 26, 22, Shade(kGrass, 25));
        c.Oval(ox + 4, oy + 15 + (p - 67) * 3, 12, 8, Shade(kGrass, 40));
        return;
    }
    if (in(70, 74)) {
        static constexpr std::uint32_t kLiquids[] = {0x3A70C0, 0x1E3E8A, 0x4A6A3A, 0xC04010,
                                                     0xB0D8F0};
        WaterGround(c, ox, oy, kLiquids[p - 70], p, 0);
        return;
    }
    if (in(75, 78)) { // shores: water toward north, east, south, west
        Ground(c, ox, oy, kSand, p, 16);
        static constexpr int kWaterBox[4][4] = {
            {0, 0, 28, 14}, {14, 0, 14, 36}, {0, 22, 28, 14}, {0, 0, 14, 36}};
        const auto* b = kWaterBox[p - 75];
        Canvas water(W, H, 0);
        WaterGround(water, 0, 0, 0x3A70C0, p, 0);
        c.Blit(water, b[0], b[1], b[2], b[3], ox + b[0], oy + b[1]);
        return;
    }
    if (in(79, 81)) { // road hubs that the connector strips continue
        GrassGround(c, ox, oy, p);
        c.Fill(ox + 10, oy + 14, 8, 8, kRoadColour);
        c.Oval(ox + 8, oy + 12, 12, 12, kRoadColour);
        if (p == 80) c.Fill(ox + 12, oy + 16, 4, 4, 0x7A5A2A);
        if (p == 81) c.Oval(ox + 11, oy + 15, 6, 6, kRock);
        return;
    }
    if (p == 82 || p == 83) { // plank walkways, over cave floor and over grass
        if (p == 82)
            CaveGround(c, ox, oy, p);
        else
            GrassGround(c, ox, oy, p);
        for (int y = 0; y < H; y += 4)
            c.Fill(ox + 6, oy + y, 16, 3, kWood);
        return;
    }
    if (p == 84) { // a ford
        WaterGround(c, ox, oy, 0x3A70C0, p, 0);
        for (int i = 0; i < 6; ++i)
            c.Oval(ox + 2 + i * 4, oy + 14 + (i % 2) * 4, 5, 4, kRock);
        return;
    }
    if (p == 85 || p == 86) { // a long table over two cells
        FloorGround(c, ox, oy, kWood, p);
        c.Fill(ox + (p == 85 ? 4 : 0), oy + 12, 24, 12, 0x7A4A20);
        c.Fill(ox + (p == 85 ? 5 : 22), oy + 24, 2, 8, kDarkWood);
        return;
    }
    if (p == 87) return Furniture(c, ox, oy, 1, p);
    if (p == 88 || p == 89) { // a double gate over two cells
        Bricks(c, ox, oy, W, H, 0x8A8A90, p);
        c.Fill(ox + (p == 88 ? 8 : 0), oy + 6, 20, 30, 0x7A4A20);
        c.Fill(ox + (p == 88 ? 25 : 2), oy + 20, 2, 3, 0xE0C020);
        return;
    }
    if (in(90, 99)) {
        GrassGround(c, ox, oy, p);
        const int kind = p == 96 ? 2 : (p == 95 || p == 92 ? 1 : 0);
        if (p <= 93) { // forest: several trees
            Tree(c, ox, oy, 8, 2, kind);
            Tree(c, ox, oy, 20, 8, kind);
            Tree(c, ox, oy, 11, 14, kind);
        } else if (p == 97) {
            c.Oval(ox + 5, oy + 14, 18, 14, kLeaf);
        } else if (p == 99) {
            for (int i = 0; i < 4; ++i) {
                c.Fill(ox + 5 + i * 5, oy + 24, 2, 5, 0xE0D0B0);
                c.Oval(ox + 3 + i * 5, oy + 20, 6, 5, 0xB03020);
            }
        } else {
            Tree(c, ox, oy, 14, 6, kind);
        }
        return;
    }
    if (p == 100) return Ground(c, ox, oy, kSand, p, 16);
    if (p == 101) return Ground(c, ox, oy, 0xC8A060, p, 30);
    if (in(102, 105)) { // boulders
        GrassGround(c, ox, oy, p);
        c.Oval(ox + 3, oy + 10, 16, 14, kRock);
        c.Oval(ox + 12, oy + 18, 13, 12, Shade(kRock, -20));
        return;
    }
    if (in(106, 111)) {
        static constexpr std::uint32_t kFloors[] = {kStoneFloor, kWood,    0xA06050,
                                                    0x8A2A3A,    0xC8C8D0, 0x7A6040};
        return FloorGround(c, ox, oy, kFloors[p - 106], p);
    }
    if (in(112, 115)) return Fence(c, ox, oy, p - 112, p);
    // What the town entrances of pictures 208 and 210 turn into.
    if (p == 123 || p == 163) return TownSite(c, ox, oy, p == 163, p);
    // Doors by their number in the game's layouts, though they sit among signs and furniture.
    if (p == 142 || p == 157) return Door(c, ox, oy, 0x7A7A70, p == 157 ? 1 : 0);
    if (in(116, 119)) return Dungeon(c, ox, oy, p == 116 ? 1 : (p == 117 ? 0 : 2), p);
    if (in(120, 139)) {
        static constexpr std::uint32_t kDoors[] = {0x8A5A2A, 0x6A6A78, 0x5A2A1A, 0x8A7A3A};
        return Door(c, ox, oy, kDoors[(p - 120) / 4 % 4], (p - 120) % 4);
    }
    if (in(140, 149)) {
        if (p % 2 == 0) {
            GrassGround(c, ox, oy, p);
        } else {
            Bricks(c, ox, oy, W, H, 0x8A8A90, p);
        }
        Sign(c, ox, oy);
        return;
    }
    if (in(150, 169)) return Furniture(c, ox, oy, p - 150, p);
    if (in(170, 186)) return Dungeon(c, ox, oy, p - 170, p);
    if (in(187, 199)) {
        static constexpr std::uint32_t kRoofs[] = {0xA03020, 0x304890, 0x606060, 0x8A5A2A};
        if (in(192, 195)) { // ruins that join stone walls
            FloorGround(c, ox, oy, kStoneFloor, p);
            Bricks(c, ox + 2, oy + 6, 10, 26 - (p - 192) * 4, 0x8A8A90, p);
            Bricks(c, ox + 16, oy + 14, 10, 18, 0x8A8A90, p);
            return;
        }
        if (p >= 198) { // tents
            GrassGround(c, ox, oy, p);
            c.Triangle(ox + 14, oy + 6, ox + 2, oy + 30, ox + 26, oy + 30,
                       p == 198 ? 0xC0A070 : 0x8A3030);
            c.Triangle(ox + 14, oy + 14, ox + 10, oy + 30, ox + 18, oy + 30, 0x302010);
            return;
        }
        return House(c, ox, oy, kRoofs[p % 4], p - 187);
    }
    if (in(200, 204)) { // cave mouths
        GrassGround(c, ox, oy, p);
        c.Oval(ox + 1, oy + 4, 26, 30, kRock);
        c.Oval(ox + 8, oy + 14 + (p - 200), 12, 16, 0x141010);
        return;
    }
    if (p == 205 || p == 206) { // fields of crops
        Ground(c, ox, oy, 0x7A5A30, p, 16);
        for (int x = 2; x < W; x += 5)
            c.Fill(ox + x, oy + 2, 2, 32, p == 205 ? 0x6AA040 : 0xD8B040);
        return;
    }
    if (in(207, 212)) {
        static constexpr std::uint32_t kRoofs[] = {0x7A3A7A, 0xD0D0D8, 0x3A7A3A,
                                                   0x5A5A5A, 0xB07030, 0x8A6A4A};
        return House(c, ox, oy, kRoofs[p - 207], p - 200);
    }
    if (p == 213 || p == 214) { // rocky ground
        Ground(c, ox, oy, 0x8A8070, p, 20);
        for (int i = 0; i < 6; ++i)
            c.Oval(ox + Noise(i, 10, p) % 22, oy + Noise(i, 11, p) % 30, 6, 5, kRock);
        return;
    }
    if (p == 215 || p == 232 || p == 236) { // monuments
        GrassGround(c, ox, oy, p);
        c.Fill(ox + 10, oy + 4 + (p % 3) * 2, 8, 28, 0xB0B0B8);
        c.Triangle(ox + 14, oy + 0 + (p % 3) * 2, ox + 10, oy + 5 + (p % 3) * 2, ox + 18,
                   oy + 5 + (p % 3) * 2, 0xD0D0D8);
        return;
    }
    if (in(216, 231)) { // landscape variants
        static constexpr std::uint32_t kLands[] = {kSnow,    0x9AA890, 0x5A9A3A, 0x4A7A4A,
                                                   0x7A9A5A, 0x3A6AA0, 0x6A8A3A, 0xA09070};
        const std::uint32_t base = kLands[(p - 216) % 8];
        Ground(c, ox, oy, base == kSnow ? 0xE8E8EC : base, p, 18);
        if (p >= 224) { // graves and standing stones
            c.Fill(ox + 6, oy + 12, 6, 12, 0x9A9AA0);
            c.Fill(ox + 16, oy + 16, 6, 12, 0x9A9AA0);
        }
        return;
    }
    if (in(233, 252)) { // cave features; 240..243 join cave walls
        if (in(240, 243)) {
            WallPiece(c, ox, oy, 0, 0, p);
            c.Oval(ox + 8, oy + 10, 12, 14,
                   0x3A6A8A + static_cast<std::uint32_t>(p - 240) * 0x200000);
            return;
        }
        return Dungeon(c, ox, oy, p - 233, p);
    }
    Unused(c, ox, oy);
}

// Follows the ranges of DrawTerrainTile above; a change there must be made here too.
std::string TerrainArtLook(int p) {
    static constexpr const char* kWallLooks[4] = {"cave wall", "stone wall", "dark wall",
                                                  "mountain wall"};
    for (int style = 0; style < 4; ++style)
        for (int shape = 0; shape < 13; ++shape)
            if (kWallPieces[style][shape] == p) return kWallLooks[style];
    auto in = [p](int low, int high) { return p >= low && p <= high; };
    if (in(0, 1)) return "cave floor";
    if (in(2, 3)) return "grass";
    if (p == 4) return "flowers";
    if (in(5, 62))
        return p < 22 ? "cave wall feature" : p < 36 ? "stone wall feature" : "dark wall feature";
    if (p == 82 || p == 83) return "walkway";
    if (p == 123 || p == 163) return "town site";
    if (p == 142 || p == 157) return "door";
    struct Range {
        int low, high;
        const char* look;
    };
    static constexpr Range kRanges[] = {
        {63, 66, "mountain"},       {67, 69, "hill"},        {70, 74, "liquid"},
        {75, 78, "shore"},          {79, 81, "road"},        {84, 84, "crossing"},
        {85, 86, "long table"},     {87, 87, "furniture"},   {88, 89, "double gate"},
        {90, 93, "forest"},         {94, 99, "tree"},        {100, 100, "sand"},
        {101, 101, "dirt"},         {102, 105, "boulders"},  {106, 111, "floor"},
        {112, 115, "fence"},        {116, 119, "stairs"},    {120, 139, "door"},
        {140, 149, "sign"},         {150, 169, "furniture"}, {170, 186, "cave feature"},
        {192, 195, "ruin"},         {198, 199, "tent"},      {187, 199, "house"},
        {200, 204, "cave mouth"},   {205, 206, "crops"},     {207, 212, "house"},
        {213, 214, "rocky ground"}, {215, 215, "monument"},  {232, 232, "monument"},
        {236, 236, "monument"},     {216, 231, "landscape"}, {240, 243, "cave wall feature"},
        {233, 252, "cave feature"},
    };
    for (const Range& r : kRanges)
        if (in(r.low, r.high)) return r.look;
    return "unused";
}

std::vector<std::string> TerrainLooksDisagreeing() {
    std::vector<std::string> disagreements;
    const auto looks = BaseTerrainLooks();
    for (int n = 0; n < 256; ++n) {
        const std::string drawn = TerrainArtLook(n);
        if (looks[static_cast<std::size_t>(n)] != drawn)
            disagreements.push_back(std::to_string(n) + ": " + looks[static_cast<std::size_t>(n)] +
                                    " / " + drawn);
    }
    return disagreements;
}

void DrawAnimatedFrame(Canvas& c, int ox, int oy, int k, int frame) {
    static constexpr std::uint32_t kBases[] = {0x3A70C0, 0x1E3E8A, 0xC04010, 0x5080D0, 0x3A3030,
                                               0x8A8A90, 0x2A5AA0, 0x4A6A3A, 0x6A2A9A, 0x8A8A90,
                                               0x404040, 0x3A80B0, 0x2A2A3A, 0x2A1A5A};
    const int kind = k % 14;
    const std::uint32_t base = kBases[kind];
    switch (kind) {
    case 4:
    case 9:
    case 10: { // flames: fire, wall torch, brazier
        if (kind == 9)
            Bricks(c, ox, oy, W, H, base, k);
        else
            Ground(c, ox, oy, base, k, 12);
        const int flicker = (frame % 2) * 2;
        c.Triangle(ox + 14, oy + 4 + flicker, ox + 6, oy + 26, ox + 22, oy + 26, 0xE06010);
        c.Triangle(ox + 14, oy + 10 + flicker, ox + 10, oy + 26, ox + 18, oy + 26, 0xF8D030);
        break;
    }
    case 6: // whirlpool
        WaterGround(c, ox, oy, base, k, frame);
        c.Oval(ox + 4, oy + 8, 20, 20, Shade(base, -30));
        c.Oval(ox + 9 + frame % 2, oy + 13, 10, 10, Shade(base, 40));
        break;
    case 12: // glowing crystal
        Ground(c, ox, oy, base, k, 10);
        c.Triangle(ox + 14, oy + 4, ox + 8, oy + 32, ox + 20, oy + 32, Shade(0x60C0E0, frame * 12));
        break;
    case 13: // portal
        Ground(c, ox, oy, 0x3A3A3A, k, 10);
        c.Oval(ox + 4, oy + 3, 20, 30, base);
        c.Oval(ox + 8 + frame % 2, oy + 8, 12 - frame % 2 * 2, 20, Shade(0x8060F0, frame * 10));
        break;
    default: // flowing liquids
        WaterGround(c, ox, oy, base, k, frame);
        break;
    }
    // Strips past the ones an author normally picks share looks, told apart by a tint bar.
    if (k >= 14) c.Fill(ox, oy + H - 2, W, 2, Shade(0x404080, (k / 14) * 20));
}

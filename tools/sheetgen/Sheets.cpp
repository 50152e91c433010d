#include "sheetgen/Sheets.h"

#include "graphics/core/StandardMonsterSizes.h"
#include "sheetgen/Canvas.h"
#include "sheetgen/FigureArt.h"
#include "sheetgen/TerrainArt.h"
#include "sheetgen/ToolButtonArt.h"

#include <array>

namespace {
constexpr std::uint32_t kTransparent = 0xFFFFFF;
constexpr int kTileW = 28;
constexpr int kTileH = 36;

GeneratedFile File(std::string name, const Canvas& canvas) {
    return {std::move(name), canvas.EncodeBmp()};
}

Canvas TerrainTile(int picture) {
    Canvas tile(kTileW, kTileH, 0);
    DrawTerrainTile(tile, 0, 0, picture);
    return tile;
}

std::vector<GeneratedFile> TerrainSheets() {
    std::vector<GeneratedFile> files;
    for (int sheet = 0; sheet < 6; ++sheet) {
        Canvas c(280, 180, 0);
        for (int i = 0; i < 50; ++i) {
            const int picture = sheet * 50 + i;
            const int x = (i % 10) * kTileW;
            const int y = (i / 10) * kTileH;
            c.Blit(TerrainTile(picture), 0, 0, kTileW, kTileH, x, y);
            c.NumberPlate(x, y, picture);
        }
        files.push_back(File("ter" + std::to_string(sheet + 1) + ".bmp", c));
    }
    return files;
}

// One map dot per terrain: the average colour of each sixth of the tile.
void TinyFromTile(Canvas& out, int ox, int oy, const Canvas& tile) {
    for (int j = 0; j < 6; ++j)
        for (int i = 0; i < 6; ++i) {
            int r = 0, g = 0, b = 0, n = 0;
            for (int y = j * 6; y < j * 6 + 6; ++y)
                for (int x = i * kTileW / 6; x < (i + 1) * kTileW / 6; ++x) {
                    const std::uint32_t p = tile.Get(x, y);
                    r += static_cast<int>((p >> 16) & 0xFF);
                    g += static_cast<int>((p >> 8) & 0xFF);
                    b += static_cast<int>(p & 0xFF);
                    ++n;
                }
            out.Set(ox + i, oy + j,
                    static_cast<std::uint32_t>(((r / n) << 16) | ((g / n) << 8) | (b / n)));
        }
}

Canvas AnimatedFrame(int k, int frame) {
    Canvas tile(kTileW, kTileH, 0);
    DrawAnimatedFrame(tile, 0, 0, k, frame);
    return tile;
}

GeneratedFile TinyTerrainSheet() {
    // The whole-map view draws the animated terrains 400..499 as tiny terrains 260..359.
    Canvas c(60, 216, 0);
    for (int t = 0; t < 360; ++t) {
        const Canvas tile = t >= 260 ? AnimatedFrame(t - 260, 0) : TerrainTile(t);
        TinyFromTile(c, (t % 10) * 6, (t / 10) * 6, tile);
    }
    return File("tinyterr.bmp", c);
}

GeneratedFile AnimatedSheet() {
    Canvas c(20 * 112, 5 * kTileH, 0);
    for (int k = 0; k < 100; ++k) {
        const int x = (k / 5) * 112;
        const int y = (k % 5) * kTileH;
        for (int frame = 0; frame < 4; ++frame)
            c.Blit(AnimatedFrame(k, frame), 0, 0, kTileW, kTileH, x + frame * kTileW, y);
        c.NumberPlate(x, y, k);
    }
    return File("teranim.bmp", c);
}

std::vector<GeneratedFile> MonsterSheets() {
    std::array<Canvas, 10> sheets{Canvas(84, 360, kTransparent), Canvas(84, 360, kTransparent),
                                  Canvas(84, 360, kTransparent), Canvas(84, 360, kTransparent),
                                  Canvas(84, 360, kTransparent), Canvas(84, 360, kTransparent),
                                  Canvas(84, 360, kTransparent), Canvas(84, 360, kTransparent),
                                  Canvas(84, 360, kTransparent), Canvas(84, 360, kTransparent)};
    int tile = 0;
    for (int picture = 0; picture < 175; ++picture) {
        const int size = StandardMonsterSize(picture);
        const int across = size == 2 || size == 4 ? 2 : 1;
        const int down = size == 3 || size == 4 ? 2 : 1;
        // The whole figure first, then cut into its tiles, which may lie far apart.
        Canvas figure(across * kTileW, down * kTileH, kTransparent);
        DrawCreature(figure, 1, 2, across * kTileW - 2, down * kTileH - 3, picture);
        figure.NumberPlate(0, 0, picture);
        for (int part = 0; part < across * down; ++part, ++tile) {
            const int m = tile % 20;
            sheets[static_cast<std::size_t>(tile / 20)].Blit(
                figure, (part % across) * kTileW, (part / across) * kTileH, kTileW, kTileH,
                (m / 10) * 56, (m % 10) * kTileH);
        }
    }
    std::vector<GeneratedFile> files;
    for (int i = 0; i < 10; ++i)
        files.push_back(
            File("monst" + std::to_string(i + 1) + ".bmp", sheets[static_cast<std::size_t>(i)]));
    return files;
}

GeneratedFile ObjectSheet() {
    Canvas c(140, 324, kTransparent);
    for (int n = 0; n < 45; ++n) {
        const int x = (n % 5) * kTileW;
        const int y = (n / 5) * kTileH;
        DrawItem(c, x + 2, y + 6, 24, 28, n);
        c.NumberPlate(x, y, n);
    }
    return File("objects.bmp", c);
}

GeneratedFile TinyObjectSheet() {
    Canvas c(180, 234, kTransparent);
    for (int n = 45; n < 123; ++n) {
        const int x = (n % 10) * 18;
        const int y = (n / 10) * 18;
        DrawItem(c, x + 1, y + 4, 16, 14, n);
        c.Text(x, y, std::to_string(n), 0x303030);
    }
    return File("tinyobj.bmp", c);
}

GeneratedFile PortraitSheet() {
    Canvas c(320, 288, 0);
    for (int p = 0; p < 90; ++p) {
        DrawPortrait(c, (p % 10) * 32, (p / 10) * 32, p);
        c.NumberPlate((p % 10) * 32, (p / 10) * 32 + 25, p);
    }
    return File("talkport.bmp", c);
}

GeneratedFile EmblemSheet(const char* name, int size, int perRow, int count, int family) {
    const int rows = (count + perRow - 1) / perRow;
    Canvas c(perRow * size, rows * size, 0);
    for (int k = 0; k < count; ++k) {
        const int x = (k % perRow) * size;
        const int y = (k / perRow) * size;
        DrawEmblem(c, x, y, size, k, family);
        c.NumberPlate(x + 1, y + size - 8, k);
    }
    return File(name, c);
}

GeneratedFile FieldSheet() {
    Canvas c(224, 324, kTransparent);
    for (int cell = 0; cell < 32; ++cell)
        DrawFieldCell(c, (cell % 8) * kTileW, (cell / 8) * kTileH, cell);
    DrawBoat(c, 0, 252);
    DrawHorse(c, 112, 252);
    // Connector strips, painted without transparency: a horizontal and a vertical stretch of
    // road.
    c.Fill(168, 304, 28, 4, kRoadColour);
    c.Fill(152, 288, 4, 36, kRoadColour);
    return File("fields.bmp", c);
}

GeneratedFile TerrainDisplaySheet() {
    Canvas c(70, 21, kTransparent);
    for (int n = 0; n < 30; ++n)
        if (n != 7 && n != 8) DrawTerDispIconArt(c, (n % 10) * 7, (n / 10) * 7, n);
    return File("terdisp.bmp", c);
}

GeneratedFile MarbleSheet() {
    Canvas c(256, 192, 0);
    for (int style = 0; style < 12; ++style)
        DrawMarbleTile(c, (style % 4) * 64, (style / 4) * 64, style);
    return File("marble.bmp", c);
}

void Bevel(Canvas& c, int x, int y, int w, int h, bool pressed) {
    c.Fill(x, y, w, h, 0xC0C0C0);
    const std::uint32_t light = pressed ? 0x606060 : 0xF0F0F0;
    const std::uint32_t dark = pressed ? 0xF0F0F0 : 0x606060;
    c.Fill(x, y, w, 1, light);
    c.Fill(x, y, 1, h, light);
    c.Fill(x, y + h - 1, w, 1, dark);
    c.Fill(x + w - 1, y, 1, h, dark);
}

GeneratedFile ButtonSheet() {
    // A face for each of the 53 tool buttons, eight to a row, with the tool's number.
    Canvas c(8 * 24, 7 * 16, 0xC0C0C0);
    for (int tool = 0; tool < 56; ++tool) {
        const int x = (tool % 8) * 24;
        const int y = (tool / 8) * 16;
        Bevel(c, x, y, 24, 16, false);
        if (tool < 53)
            c.Text(x + 12 - Canvas::TextWidth(std::to_string(tool)) / 2, y + 5,
                   std::to_string(tool), 0x202020);
    }
    return File("buttons.bmp", c);
}

GeneratedFile DialogButtonSheet() {
    Canvas c(126, 46, 0xC0C0C0);
    Bevel(c, 0, 0, 63, 23, false);
    Bevel(c, 63, 0, 63, 23, true);
    Bevel(c, 0, 23, 63, 23, false);
    Bevel(c, 63, 23, 63, 23, true);
    c.Text(26, 9, "OK", 0x202020);
    c.Text(89, 10, "OK", 0x202020);
    c.Text(20, 32, "EXIT", 0x202020);
    c.Text(83, 33, "EXIT", 0x202020);
    return File("dlogbtns.bmp", c);
}

GeneratedFile StartPicture() {
    Canvas c(693, 480, 0);
    for (int y = 0; y < 480; y += 64)
        for (int x = 0; x < 693; x += 64) {
            Canvas tile(64, 64, 0);
            DrawMarbleTile(tile, 0, 0, 2);
            c.Blit(tile, 0, 0, 64, 64, x, y);
        }
    // A row of our own terrain tiles across the middle, doubled in size.
    const int tiles[] = {2, 4, 92, 63, 70, 188, 122, 140, 152, 200, 0, 170};
    for (int i = 0; i < 12; ++i) {
        const Canvas tile = TerrainTile(tiles[i]);
        for (int y = 0; y < kTileH * 2; ++y)
            for (int x = 0; x < kTileW * 2; ++x)
                c.Set(10 + i * 56 + x, 230 + y, tile.Get(x / 2, y / 2));
    }
    const char* title = "VARNO SCENARIO EDITOR";
    c.Text((693 - Canvas::TextWidth(title, 6)) / 2 + 3, 93, title, 0x101010, 6);
    c.Text((693 - Canvas::TextWidth(title, 6)) / 2, 90, title, 0xF0D070, 6);
    const char* line = "LOADING...";
    c.Text((693 - Canvas::TextWidth(line, 3)) / 2, 400, line, 0xE0E0E0, 3);
    return File("edstart.bmp", c);
}

std::vector<GeneratedFile> CursorPictures() {
    static constexpr const char* kNames[] = {"pencil", "brush", "spray",  "dropper",
                                             "area1",  "area2", "eraser", "sword"};
    std::vector<GeneratedFile> files;
    for (int i = 0; i < 8; ++i) {
        Canvas c(32, 32, kTransparent);
        DrawCursorArt(c, i);
        files.push_back(File(std::string("cursor_") + kNames[i] + ".bmp", c));
    }
    return files;
}

void Append(std::vector<GeneratedFile>& to, std::vector<GeneratedFile> from) {
    for (auto& f : from)
        to.push_back(std::move(f));
}
} // namespace

std::vector<GeneratedFile> GenerateSheets() {
    std::vector<GeneratedFile> files;
    files.push_back(MarbleSheet());
    files.push_back(EmblemSheet("scenpics.bmp", 32, 5, 30, 1));
    files.push_back(ButtonSheet());
    files.push_back(DialogButtonSheet());
    files.push_back(EmblemSheet("dlogpics.bmp", 36, 4, 32, 0));
    files.push_back(FieldSheet());
    Append(files, MonsterSheets());
    files.push_back(ObjectSheet());
    files.push_back(PortraitSheet());
    files.push_back(TinyObjectSheet());
    files.push_back(TerrainDisplaySheet());
    Append(files, TerrainSheets());
    files.push_back(AnimatedSheet());
    files.push_back(TinyTerrainSheet());
    files.push_back(StartPicture());
    Append(files, CursorPictures());
    files.push_back(File("toolbtns.bmp", ToolButtonSheet()));
    return files;
}

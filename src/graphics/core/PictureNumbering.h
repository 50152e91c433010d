#pragma once

#include "platform/core/PixelRect.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Picture numbers: one integer stored in the records picks a sheet and a cell on it. Everything
// here only computes where pictures lie, so that tests reach it without drawing.

// Integer quotient rounded toward minus infinity, as picture numbers are divided.
constexpr int FloorDiv(int a, int b) {
    const int q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}
// Remainder with the sign of a.
constexpr int SignedMod(int a, int b) {
    return a % b;
}

enum class Sheet {
    Marble,
    ScenPics,
    DlogPics,
    Fields,
    Monsters, // index 0..9: monst1 .. monst10
    Objects,
    TalkPort,
    TinyObj,
    TerDisp,
    Terrain, // index 0..5: ter1 .. ter6
    TerAnim,
    TinyTerr,
    Custom,
};

// One block copy: which sheet, the rectangle on it, and where it lands.
struct PicCopy {
    Sheet sheet = Sheet::Terrain;
    int index = 0;
    PixelRect source;
    PixelRect dest;
    bool operator==(const PicCopy&) const = default;
};

// Cell sizes of the sheets.
constexpr int kTileW = 28;
constexpr int kTileH = 36;

// Cell of fields.bmp for each field kind 0..13.
extern const std::array<std::int16_t, 14> FieldPicMap;

// Terrain-display icon (cell of terdisp.bmp) for each special property 0..29; -1 for none.
extern const std::array<std::int16_t, 30> TerDispIcon;

struct MonsterPic {
    std::int16_t size = 0; // 1 one tile, 2 two wide, 3 two high, 4 two by two
    std::int16_t firstTile = 0;
    bool operator==(const MonsterPic&) const = default;
};
constexpr int kStandardMonsterPics = 175;
extern const std::array<MonsterPic, kStandardMonsterPics> MonsterPicInfo;

// Number of tiles a picture of the size code covers; 0 for a code outside 1..4.
int MonsterTileCount(int sizeCode);

// Terrain-display icons with a meaning of their own.
constexpr int kIconWanderPoint = 4;
constexpr int kIconSpecialSpot = 5;
constexpr int kIconStartLocation = 6; // three cells wide

// Cell n of a sheet of 28 x 36 cells, ten a row.
void TerrainSheetPos(std::int16_t n, std::int16_t& x, std::int16_t& y);
// Tile t of the monster sheets: twenty a sheet, in two columns of ten, 56 pixels apart.
void MonsterSheetPos(std::int16_t t, std::int16_t& sheet, std::int16_t& x, std::int16_t& y);

// Whether a terrain picture joins the connector strips of the road-like terrains.
bool IsSpecialTerrainPicture(int picture);

// The custom sheet lies beside the scenario file: its path with the last three characters
// replaced by "bmp".
std::string CustomSheetPathFor(const std::string& scenarioPath);

// Where each drawing routine takes its pixels from. An empty result draws nothing.
std::optional<PicCopy> BaseTerrainCopy(int n, int x, int y, int small);
std::optional<PicCopy> AnimTerrainCopy(int k, int x, int y, int small);
std::optional<PicCopy> CustomPicCopy(int k, int x, int y, int small);
std::optional<PicCopy> TerrainPicCopy(int n, int x, int y, int small);
std::optional<PicCopy> TinyTerrainCopy(int t, int x, int y);
std::optional<PicCopy> CustomPicTinyCopy(int k, int x, int y);
std::optional<PicCopy> TerrainPicTinyCopy(int n, int x, int y);
std::optional<PicCopy> TerDispIconCopy(int n, int x, int y);
std::optional<PicCopy> DlogPicCopy(int k);
std::optional<PicCopy> ScenPicCopy(int n);
std::optional<PicCopy> FieldPicCopy(int kind, int x, int y);
std::optional<PicCopy> FieldsRowCopy(int col, int x, int y);
std::optional<PicCopy> FieldsRowAtCopy(int col, int x, int y);
std::optional<PicCopy> CellQuarterCopy(int side, int px, int py);
std::optional<PicCopy> ItemOnMapCopy(int n, int x, int y);
std::optional<PicCopy> CreatureTileCopy(int pic, int tile, int x, int y);

// The talking portrait box: portrait n - 1 scaled to 36 x 36; numbers of 1000 and above are
// custom pictures, shown unscaled in the middle of the box, and only with a custom sheet.
struct PortraitPlan {
    bool clear = false;
    std::optional<PicCopy> copy;
};
PortraitPlan PortraitPicPlan(int n, bool customSheetLoaded);

// The item preview box (28 x 36).
struct ItemPreviewPlan {
    bool clear = false;      // clear the box to its back colour
    bool whiteFirst = false; // make the back colour white, which clears the box
    std::optional<PicCopy> copy;
};
ItemPreviewPlan ItemPicPlan(int n);

// The monster preview box (28 x 36): the tiles of picture n at half size where there are
// several. Empty for a number without a picture.
std::vector<PicCopy> MonsterPicCopies(int n);

// What a dialog's picture number shows.
enum class PictureNumberKind { Nothing, Terrain, Monster, Dialog };
struct PictureNumberTarget {
    PictureNumberKind kind = PictureNumberKind::Nothing;
    int number = 0;
    bool operator==(const PictureNumberTarget&) const = default;
};
PictureNumberTarget PictureNumberDispatch(int n);

// One rectangle edge piece inside a map cell; colour as 0xRRGGBB.
struct EdgeLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::uint32_t rgb = 0;
    bool operator==(const EdgeLine&) const = default;
};
std::optional<EdgeLine> CellRectEdgeLine(int piece, int px, int py);

// The marble background: the tile of a style and how many tiles cover a window.
PixelRect MarbleTileSource(int style);
int MarbleTileCount(int extent);
// Styles whose background is dark enough that the window's labels turn white.
bool MarbleStyleWhitensLabels(int style);

// Whether the picture of terrain type `terrain` (0..255) of the current scenario is one that
// the connector strips join; false for a terrain number outside the table.
bool IsSpecialTerrainPic(std::int16_t terrain);

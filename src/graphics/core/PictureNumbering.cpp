#include "graphics/core/PictureNumbering.h"

#include "graphics/core/StandardMonsterSizes.h"
#include "scenario/Scenario.h"

#include <algorithm>

namespace {
constexpr int kMonsterTilesPerSheet = 20;
constexpr int kMonsterSheets = 10;
constexpr int kTerrainPerSheet = 50;
constexpr int kTerrainSheets = 6;
constexpr int kCustomPicsPerRow = 10;

constexpr std::array<std::int16_t, 30> BuildTerDispIcon() {
    std::array<std::int16_t, 30> icons{};
    for (auto& icon : icons)
        icon = -1;
    constexpr std::pair<int, int> kIcons[] = {
        {1, 29},  {2, 14},  {3, 15},  {4, 16},  {5, 28},  {6, 22},  {7, 20},
        {8, 26},  {9, 26},  {10, 26}, {11, 17}, {14, 19}, {16, 12}, {17, 13},
        {18, 10}, {19, 11}, {20, 21}, {21, 18}, {24, 29}, {25, 23}, {26, 24},
    };
    for (const auto& [property, icon] : kIcons)
        icons[static_cast<std::size_t>(property)] = static_cast<std::int16_t>(icon);
    return icons;
}

constexpr int TileCount(int sizeCode) {
    switch (sizeCode) {
    case 1:
        return 1;
    case 2:
    case 3:
        return 2;
    case 4:
        return 4;
    default:
        return 0;
    }
}

// One pass with a running tile counter: each picture starts where the previous one ended.
constexpr std::array<MonsterPic, kStandardMonsterPics> BuildMonsterPicInfo() {
    std::array<MonsterPic, kStandardMonsterPics> info{};
    int tile = 0;
    for (int picture = 0; picture < kStandardMonsterPics; ++picture) {
        const int size = StandardMonsterSize(picture);
        info[static_cast<std::size_t>(picture)] = {static_cast<std::int16_t>(size),
                                                   static_cast<std::int16_t>(tile)};
        tile += TileCount(size);
    }
    return info;
}

PixelRect CustomCell(int k) {
    return {SignedMod(k, kCustomPicsPerRow) * kTileW, FloorDiv(k, kCustomPicsPerRow) * kTileH,
            kTileW, kTileH};
}

std::optional<PixelRect> TerrainDest(int x, int y, int small) {
    if (small == 0) return PixelRect{x, y, kTileW, kTileH};
    if (small == 1) return PixelRect{x, y, 16, 16};
    return std::nullopt;
}

PixelRect MonsterTileRect(int t, int& sheet) {
    std::int16_t s = 0, x = 0, y = 0;
    MonsterSheetPos(static_cast<std::int16_t>(t), s, x, y);
    sheet = s;
    return {x, y, kTileW, kTileH};
}

// The custom picture number of a custom monster's first tile, and its size code.
int CustomMonsterSize(int n) {
    return std::min(n / 1000, 4);
}
} // namespace

const std::array<std::int16_t, 14> FieldPicMap = {5,  6,  7,  16, 18, 15, 24,
                                                  25, 26, 27, 28, 29, 30, 31};
const std::array<std::int16_t, 30> TerDispIcon = BuildTerDispIcon();
const std::array<MonsterPic, kStandardMonsterPics> MonsterPicInfo = BuildMonsterPicInfo();

int MonsterTileCount(int sizeCode) {
    return TileCount(sizeCode);
}

void TerrainSheetPos(std::int16_t n, std::int16_t& x, std::int16_t& y) {
    x = static_cast<std::int16_t>(SignedMod(n, 10) * kTileW);
    y = static_cast<std::int16_t>(FloorDiv(n, 10) * kTileH);
}

void MonsterSheetPos(std::int16_t t, std::int16_t& sheet, std::int16_t& x, std::int16_t& y) {
    sheet = static_cast<std::int16_t>(FloorDiv(t, kMonsterTilesPerSheet));
    const int m = SignedMod(t, kMonsterTilesPerSheet);
    x = static_cast<std::int16_t>(FloorDiv(m, 10) * 56);
    y = static_cast<std::int16_t>(SignedMod(m, 10) * kTileH);
}

bool IsSpecialTerrainPicture(int p) {
    auto in = [p](int low, int high) { return p >= low && p <= high; };
    return in(61, 66) || in(90, 93) || in(102, 105) || in(112, 115) || in(187, 197) ||
           in(200, 204) || in(207, 212) || p == 215 || p == 232 || p == 236 || in(239, 244) ||
           p == 401 || p == 402;
}

bool IsSpecialTerrainPic(std::int16_t terrain) {
    if (terrain < 0 || terrain >= static_cast<int>(Scen.TerrainTypes.size())) return false;
    return IsSpecialTerrainPicture(Scen.TerrainTypes[static_cast<std::size_t>(terrain)].Picture);
}

std::string CustomSheetPathFor(const std::string& scenarioPath) {
    const std::size_t keep = scenarioPath.size() >= 3 ? scenarioPath.size() - 3 : 0;
    return scenarioPath.substr(0, keep) + "bmp";
}

std::optional<PicCopy> BaseTerrainCopy(int n, int x, int y, int small) {
    const int sheet = FloorDiv(n, kTerrainPerSheet);
    const auto dest = TerrainDest(x, y, small);
    if (sheet < 0 || sheet >= kTerrainSheets || !dest) return std::nullopt;
    const PixelRect source{SignedMod(n, 10) * kTileW,
                           FloorDiv(n - kTerrainPerSheet * sheet, 10) * kTileH, kTileW, kTileH};
    return PicCopy{Sheet::Terrain, sheet, source, *dest};
}

std::optional<PicCopy> AnimTerrainCopy(int k, int x, int y, int small) {
    const auto dest = TerrainDest(x, y, small);
    if (!dest) return std::nullopt;
    // Only the first of the strip's four frames is shown.
    const PixelRect source{FloorDiv(k, 5) * 112, SignedMod(k, 5) * kTileH, kTileW, kTileH};
    return PicCopy{Sheet::TerAnim, 0, source, *dest};
}

std::optional<PicCopy> CustomPicCopy(int k, int x, int y, int small) {
    const auto dest = TerrainDest(x, y, small);
    if (!dest) return std::nullopt;
    return PicCopy{Sheet::Custom, 0, CustomCell(k), *dest};
}

std::optional<PicCopy> TerrainPicCopy(int n, int x, int y, int small) {
    if (n < 300) return BaseTerrainCopy(n, x, y, small);
    if (n >= 400 && n <= 499) return AnimTerrainCopy(n - 400, x, y, small);
    if (n >= 1000 && n <= 1999) return CustomPicCopy(n - 1000, x, y, small);
    if (n >= 2000 && n <= 2999) return CustomPicCopy(n - 2000, x, y, small);
    return std::nullopt;
}

std::optional<PicCopy> TinyTerrainCopy(int t, int x, int y) {
    return PicCopy{
        Sheet::TinyTerr, 0, {SignedMod(t, 10) * 6, FloorDiv(t, 10) * 6, 6, 6}, {x, y, 6, 6}};
}

std::optional<PicCopy> CustomPicTinyCopy(int k, int x, int y) {
    // The band of the picture where a tile's ground usually shows, shrunk to one map dot.
    PixelRect band = CustomCell(k);
    band.y += 6;
    band.h = 18;
    return PicCopy{Sheet::Custom, 0, band, {x, y, 6, 6}};
}

std::optional<PicCopy> TerrainPicTinyCopy(int n, int x, int y) {
    if (n < 0) return std::nullopt;
    if (n < 300) return TinyTerrainCopy(n, x, y);
    if (n >= 400 && n <= 499) return TinyTerrainCopy(260 + n - 400, x, y);
    if (n >= 1000 && n <= 1999) return CustomPicTinyCopy(n - 1000, x, y);
    if (n >= 2000 && n <= 2999) return CustomPicTinyCopy(n - 2000, x, y);
    return std::nullopt;
}

std::optional<PicCopy> TerDispIconCopy(int n, int x, int y) {
    if (n < 0) return std::nullopt;
    const int width = n == kIconStartLocation ? 21 : 7;
    return PicCopy{
        Sheet::TerDisp, 0, {SignedMod(n, 10) * 7, FloorDiv(n, 10) * 7, width, 7}, {x, y, width, 7}};
}

std::optional<PicCopy> DlogPicCopy(int k) {
    return PicCopy{
        Sheet::DlogPics, 0, {SignedMod(k, 4) * 36, FloorDiv(k, 4) * 36, 36, 36}, {0, 0, 36, 36}};
}

std::optional<PicCopy> ScenPicCopy(int n) {
    return PicCopy{
        Sheet::ScenPics, 0, {SignedMod(n, 5) * 32, FloorDiv(n, 5) * 32, 32, 32}, {0, 0, 32, 32}};
}

std::optional<PicCopy> FieldPicCopy(int kind, int x, int y) {
    if (kind < 0 || kind >= static_cast<int>(FieldPicMap.size())) return std::nullopt;
    const int cell = FieldPicMap[static_cast<std::size_t>(kind)];
    return PicCopy{Sheet::Fields,
                   0,
                   {SignedMod(cell, 8) * kTileW, FloorDiv(cell, 8) * kTileH, kTileW, kTileH},
                   {x, y, kTileW, kTileH}};
}

std::optional<PicCopy> FieldsRowCopy(int col, int x, int y) {
    return PicCopy{Sheet::Fields, 0, {col * kTileW, 252, kTileW, 36}, {x, y, kTileW, 36}};
}

std::optional<PicCopy> FieldsRowAtCopy(int col, int x, int y) {
    return PicCopy{Sheet::Fields, 0, {col * kTileW + 112, 252, kTileW, 36}, {x, y, kTileW, 36}};
}

std::optional<PicCopy> CellQuarterCopy(int side, int px, int py) {
    switch (side) {
    case 0:
        return PicCopy{Sheet::Fields, 0, {168, 304, 14, 4}, {px, py + 16, 14, 4}};
    case 1:
        return PicCopy{Sheet::Fields, 0, {182, 304, 14, 4}, {px + 14, py + 16, 14, 4}};
    case 2:
        return PicCopy{Sheet::Fields, 0, {152, 288, 4, 18}, {px + 12, py, 4, 16}};
    case 3:
        return PicCopy{Sheet::Fields, 0, {152, 306, 4, 18}, {px + 12, py + 18, 4, 18}};
    default:
        return std::nullopt;
    }
}

std::optional<PicCopy> ItemOnMapCopy(int n, int x, int y) {
    if (n < 0) return std::nullopt;
    if (n <= 44)
        return PicCopy{Sheet::Objects,
                       0,
                       {SignedMod(n, 5) * kTileW, FloorDiv(n, 5) * kTileH, kTileW, kTileH},
                       {x, y, kTileW, kTileH}};
    if (n <= 122)
        return PicCopy{Sheet::TinyObj,
                       0,
                       {SignedMod(n, 10) * 18, FloorDiv(n, 10) * 18, 18, 18},
                       {x + 5, y + 9, 18, 18}};
    if (n < 150) return std::nullopt; // numbers 123..149 name no picture
    return PicCopy{Sheet::Custom, 0, CustomCell(n - 150), {x, y, kTileW, kTileH}};
}

std::optional<PicCopy> CreatureTileCopy(int pic, int tile, int x, int y) {
    const PixelRect dest{x, y, kTileW, kTileH};
    if (pic >= 1000) {
        const int first = pic - 1000 * CustomMonsterSize(pic);
        return PicCopy{Sheet::Custom, 0, CustomCell(first + tile), dest};
    }
    if (pic < 0 || pic >= kStandardMonsterPics) return std::nullopt;
    int sheet = 0;
    const PixelRect source =
        MonsterTileRect(MonsterPicInfo[static_cast<std::size_t>(pic)].firstTile + tile, sheet);
    if (sheet < 0 || sheet >= kMonsterSheets) return std::nullopt;
    return PicCopy{Sheet::Monsters, sheet, source, dest};
}

PortraitPlan PortraitPicPlan(int n, bool customSheetLoaded) {
    if (n >= 1000) {
        PortraitPlan plan{true, std::nullopt};
        if (customSheetLoaded)
            plan.copy = PicCopy{Sheet::Custom, 0, CustomCell(n - 1000), {4, 0, kTileW, kTileH}};
        return plan;
    }
    const int p = n <= 0 ? 89 : n - 1;
    return {false, PicCopy{Sheet::TalkPort,
                           0,
                           {SignedMod(p, 10) * 32, FloorDiv(p, 10) * 32, 32, 32},
                           {0, 0, 36, 36}}};
}

ItemPreviewPlan ItemPicPlan(int n) {
    if (n < 0 || (n >= 123 && n < 150)) return {true, false, std::nullopt};
    const auto copy = ItemOnMapCopy(n, 0, 0);
    return {false, n >= 45 && n <= 122, copy};
}

std::vector<PicCopy> MonsterPicCopies(int n) {
    int size = 0;
    int first = 0;
    const bool custom = n >= 1000;
    if (custom) {
        size = CustomMonsterSize(n);
        first = n - 1000 * size;
    } else if (n >= 0 && n < kStandardMonsterPics) {
        size = MonsterPicInfo[static_cast<std::size_t>(n)].size;
        first = MonsterPicInfo[static_cast<std::size_t>(n)].firstTile;
    } else {
        return {};
    }

    std::vector<PixelRect> places;
    switch (size) {
    case 1:
        places = {{0, 0, kTileW, kTileH}};
        break;
    case 2:
        places = {{0, 9, 14, 18}, {14, 9, 14, 18}};
        break;
    case 3:
        places = {{7, 0, 14, 18}, {7, 18, 14, 18}};
        break;
    case 4: {
        const int lower = custom ? 17 : 18;
        places = {{0, 0, 14, 18}, {13, 0, 14, 18}, {0, lower, 14, 18}, {13, lower, 14, 18}};
        break;
    }
    default:
        return {};
    }

    std::vector<PicCopy> copies;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const int tile = first + static_cast<int>(i);
        if (custom) {
            copies.push_back({Sheet::Custom, 0, CustomCell(tile), places[i]});
        } else {
            int sheet = 0;
            const PixelRect source = MonsterTileRect(tile, sheet);
            copies.push_back({Sheet::Monsters, sheet, source, places[i]});
        }
    }
    return copies;
}

PictureNumberTarget PictureNumberDispatch(int n) {
    if (n < 253) return {PictureNumberKind::Terrain, n};
    if (n >= 400 && n <= 572) return {PictureNumberKind::Monster, n - 400};
    if (n >= 800) return {PictureNumberKind::Dialog, n - 800};
    return {};
}

std::optional<EdgeLine> CellRectEdgeLine(int piece, int px, int py) {
    if (piece < 0 || piece > 11) return std::nullopt;
    static constexpr int kEnds[4][2] = {{0, 17}, {13, 0}, {27, 17}, {13, 35}};
    const auto& end = kEnds[piece % 4];
    EdgeLine line{px + 13, py + 17, px + end[0], py + end[1], 0xFF0000};
    int shift = 0;
    if (piece / 4 == 1) {
        line.rgb = 0xFFFFFF;
        shift = 1;
    } else if (piece / 4 == 2) {
        line.rgb = 0xFFFF00;
        shift = -1;
    }
    line.x1 += shift;
    line.y1 += shift;
    line.x2 += shift;
    line.y2 += shift;
    return line;
}

PixelRect MarbleTileSource(int style) {
    return {SignedMod(style, 4) * 64, FloorDiv(style, 4) * 64, 64, 64};
}

int MarbleTileCount(int extent) {
    if (extent <= 0) return 0;
    const int whole = extent / 64;
    const int twiceRest = 2 * (extent % 64);
    if (twiceRest > 64 || (twiceRest == 64 && whole % 2 == 1)) return whole + 1;
    return whole;
}

bool MarbleStyleWhitensLabels(int style) {
    return style == 2 || style == 6 || style == 8;
}

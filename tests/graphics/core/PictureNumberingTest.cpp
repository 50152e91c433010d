#include "graphics/core/PictureNumbering.h"
#include "scenario/Scenario.h"

#include <gtest/gtest.h>

namespace {
using S = Sheet;
PicCopy Copy(S sheet, int index, PixelRect source, PixelRect dest) {
    return {sheet, index, source, dest};
}
} // namespace

// Every field of the copy: sheet, sheet index, source rectangle and destination. The copies the
// drawing tests prove pixel by pixel (tiny terrain 405, item 45 on the map, dialog picture 16,
// map icon 6, cell strip 2) are not repeated here.
TEST(PictureNumbering, SingleCopies) {
    const std::pair<std::optional<PicCopy>, PicCopy> rows[] = {
        {TerrainPicCopy(49, 0, 0, 0), Copy(S::Terrain, 0, {252, 144, 28, 36}, {0, 0, 28, 36})},
        {TerrainPicCopy(50, 0, 0, 0), Copy(S::Terrain, 1, {0, 0, 28, 36}, {0, 0, 28, 36})},
        {TerrainPicCopy(299, 5, 6, 1), Copy(S::Terrain, 5, {252, 144, 28, 36}, {5, 6, 16, 16})},
        {TerrainPicCopy(407, 1, 2, 0), Copy(S::TerAnim, 0, {112, 72, 28, 36}, {1, 2, 28, 36})},
        {TerrainPicCopy(1013, 0, 0, 0), Copy(S::Custom, 0, {84, 36, 28, 36}, {0, 0, 28, 36})},
        {TerrainPicCopy(2013, 0, 0, 0), Copy(S::Custom, 0, {84, 36, 28, 36}, {0, 0, 28, 36})},
        {TerrainPicTinyCopy(1012, 0, 0), Copy(S::Custom, 0, {56, 42, 28, 18}, {0, 0, 6, 6})},
        // The second tile of picture 52 is tile 54; of custom two-high 3007 it is picture 8.
        {CreatureTileCopy(52, 1, 28, 36),
         Copy(S::Monsters, 2, {56, 144, 28, 36}, {28, 36, 28, 36})},
        {CreatureTileCopy(3007, 1, 0, 0), Copy(S::Custom, 0, {224, 0, 28, 36}, {0, 0, 28, 36})},
        {CreatureTileCopy(4012, 3, 0, 0), Copy(S::Custom, 0, {140, 36, 28, 36}, {0, 0, 28, 36})},
        {ItemOnMapCopy(44, 0, 0), Copy(S::Objects, 0, {112, 288, 28, 36}, {0, 0, 28, 36})},
        {ItemOnMapCopy(151, 0, 0), Copy(S::Custom, 0, {28, 0, 28, 36}, {0, 0, 28, 36})},
        {ScenPicCopy(7), Copy(S::ScenPics, 0, {64, 32, 32, 32}, {0, 0, 32, 32})},
        {TerDispIconCopy(26, 1, 2), Copy(S::TerDisp, 0, {42, 14, 7, 7}, {1, 2, 7, 7})},
        // Field kind 3 (fire barrier) is cell 16.
        {FieldPicCopy(3, 1, 2), Copy(S::Fields, 0, {0, 72, 28, 36}, {1, 2, 28, 36})},
        {FieldPicCopy(13, 0, 0), Copy(S::Fields, 0, {196, 108, 28, 36}, {0, 0, 28, 36})},
        {FieldsRowCopy(0, 0, 0), Copy(S::Fields, 0, {0, 252, 28, 36}, {0, 0, 28, 36})},
        {FieldsRowAtCopy(0, 0, 0), Copy(S::Fields, 0, {112, 252, 28, 36}, {0, 0, 28, 36})},
        {CellQuarterCopy(1, 0, 0), Copy(S::Fields, 0, {182, 304, 14, 4}, {14, 16, 14, 4})},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(rows[i].first, rows[i].second) << "row " << i;
    // Numbers without a picture. Base terrain exists only in the full and small sizes.
    // clang-format off
    const std::optional<PicCopy> none[] = {TerrainPicCopy(-1, 0, 0, 0),
        TerrainPicCopy(300, 0, 0, 0), TerrainPicCopy(399, 0, 0, 0), TerrainPicCopy(500, 0, 0, 0),
        TerrainPicCopy(999, 0, 0, 0), TerrainPicCopy(3000, 0, 0, 0), BaseTerrainCopy(10, 0, 0, 2),
        TerrainPicTinyCopy(-3, 0, 0), TerrainPicTinyCopy(350, 0, 0), CreatureTileCopy(-2, 0, 0, 0),
        CreatureTileCopy(175, 0, 0, 0),
        ItemOnMapCopy(-1, 0, 0), ItemOnMapCopy(130, 0, 0), ItemOnMapCopy(123, 0, 0),
        ItemOnMapCopy(149, 0, 0), TerDispIconCopy(-1, 0, 0), FieldPicCopy(-1, 0, 0),
        FieldPicCopy(14, 0, 0), CellQuarterCopy(4, 0, 0)};
    // clang-format on
    for (std::size_t i = 0; i < std::size(none); ++i)
        EXPECT_FALSE(none[i]) << "row " << i;
}

TEST(PictureNumbering, MonsterTableAndPreviewTiles) {
    const auto tile = [](S sheet, int index, int sx, int sy, int dx, int dy) {
        return Copy(sheet, index, {sx, sy, 28, 36}, {dx, dy, 14, 18});
    };
    // Two high, tiles 53 and 54 of monst3; 2 x 2, tiles 131..134 of monst7 with the lower
    // row at 18; two wide, custom pictures 5 and 6; custom 2 x 2 with the lower row at 17.
    const std::pair<int, std::vector<PicCopy>> rows[] = {
        {52, {tile(S::Monsters, 2, 56, 108, 7, 0), tile(S::Monsters, 2, 56, 144, 7, 18)}},
        {120,
         {tile(S::Monsters, 6, 56, 36, 0, 0), tile(S::Monsters, 6, 56, 72, 13, 0),
          tile(S::Monsters, 6, 56, 108, 0, 18), tile(S::Monsters, 6, 56, 144, 13, 18)}},
        {2005, {tile(S::Custom, 0, 140, 0, 0, 9), tile(S::Custom, 0, 168, 0, 14, 9)}},
        {4012,
         {tile(S::Custom, 0, 56, 36, 0, 0), tile(S::Custom, 0, 84, 36, 13, 0),
          tile(S::Custom, 0, 112, 36, 0, 17), tile(S::Custom, 0, 140, 36, 13, 17)}},
    };
    for (const auto& [picture, copies] : rows)
        EXPECT_EQ(MonsterPicCopies(picture), copies) << picture;
    EXPECT_EQ(MonsterPicCopies(9012).size(), 4u); // every number from 4000 is two by two
    for (int none : {-1, 175, 999})
        EXPECT_TRUE(MonsterPicCopies(none).empty()) << none;
    // The monster table follows the running tile counter.
    // clang-format off
    const std::pair<int, MonsterPic> table[] = {{0, {1, 0}}, {50, {1, 50}}, {51, {3, 51}},
        {52, {3, 53}}, {55, {1, 59}}, {75, {2, 79}}, {78, {3, 83}}, {120, {4, 131}},
        {140, {4, 155}}, {142, {4, 160}}, {145, {3, 168}}, {174, {1, 198}}};
    // clang-format on
    for (const auto& [picture, info] : table)
        EXPECT_EQ(MonsterPicInfo[static_cast<std::size_t>(picture)], info) << picture;
    const MonsterPic& last = MonsterPicInfo.back();
    EXPECT_EQ(last.firstTile + MonsterTileCount(last.size), 199);
}

TEST(PictureNumbering, PreviewsPictureNumbersEdgePiecesTilesPathsLookupsAndSpecialTerrain) {
    EXPECT_EQ(CellRectEdgeLine(7, 0, 0), (EdgeLine{14, 18, 14, 36, 0xFFFFFF}));
    EXPECT_EQ(CellRectEdgeLine(9, 0, 0), (EdgeLine{12, 16, 12, -1, 0xFFFF00}));
    EXPECT_FALSE(CellRectEdgeLine(12, 0, 0) || CellRectEdgeLine(-1, 0, 0));

    // Halves round to the even count: 96 and 160 pixels both take two tiles.
    for (const auto& [extent, tiles] : {std::pair{96, 2}, {160, 2}, {161, 3}, {31, 0}})
        EXPECT_EQ(MarbleTileCount(extent), tiles) << extent;
    EXPECT_EQ((std::vector{CustomSheetPathFor("/f/Abc.vrs"), CustomSheetPathFor("/f/Abc.x")}),
              (std::vector<std::string>{"/f/Abc.bmp", "/f/Abbmp"}));
    // Quotients round down and remainders keep the sign.
    EXPECT_EQ(
        (std::vector{FloorDiv(49, 10), FloorDiv(-1, 10), FloorDiv(-10, 10), SignedMod(-1, 10)}),
        (std::vector{4, -1, -1, -1}));
    std::int16_t x = 0, y = 0;
    TerrainSheetPos(15, x, y);
    EXPECT_EQ(x * 1000 + y, 140036);
    EXPECT_EQ((std::array{FieldPicMap[0], FieldPicMap[4], FieldPicMap[5]}),
              (std::array<std::int16_t, 3>{5, 18, 15}));
    for (const auto& [property, icon] :
         {std::pair{0, -1}, {1, 29}, {10, 26}, {12, -1}, {18, 10}, {26, 24}, {29, -1}})
        EXPECT_EQ(TerDispIcon[static_cast<std::size_t>(property)], icon) << property;
    // Special terrain pictures, by number and by terrain.
    for (int p : {61, 66, 90, 93, 102, 115, 187, 197, 200, 212, 215, 232, 236, 239, 244, 401, 402})
        EXPECT_TRUE(IsSpecialTerrainPicture(p)) << p;
    for (int p : {60, 67, 94, 101, 116, 198, 205, 213, 214, 216, 245, 400, 403, -1})
        EXPECT_FALSE(IsSpecialTerrainPicture(p)) << p;

    Scen.TerrainTypes[80].Picture = 90;
    Scen.TerrainTypes[81].Picture = 94;
    EXPECT_EQ((std::vector{IsSpecialTerrainPic(80), IsSpecialTerrainPic(81),
                           IsSpecialTerrainPic(256), IsSpecialTerrainPic(-1)}),
              (std::vector{true, false, false, false}));
    // Item and portrait previews, and dialog picture numbers.
    EXPECT_FALSE(ItemPicPlan(3).clear || ItemPicPlan(3).whiteFirst);
    for (int unused : {-1, 123, 149})
        EXPECT_TRUE(ItemPicPlan(unused).clear && !ItemPicPlan(unused).copy) << unused;

    // Like portrait 0 (drawn by the drawing tests), a negative number is portrait 89.
    for (const auto& [n, source] : {std::pair<int, PixelRect>{-5, {288, 256, 32, 32}},
                                    {1, {0, 0, 32, 32}},
                                    {12, {32, 32, 32, 32}}})
        EXPECT_EQ(PortraitPicPlan(n, false).copy, Copy(S::TalkPort, 0, source, {0, 0, 36, 36}))
            << n;
    // A custom portrait draws only while a custom sheet is loaded (proven by the drawing tests);
    // the box is cleared either way.
    EXPECT_TRUE(PortraitPicPlan(1003, true).clear && PortraitPicPlan(1003, false).clear);
    using K = PictureNumberKind;
    // clang-format off
    for (const auto& [n, target] : {std::pair<int, PictureNumberTarget>{816, {K::Dialog, 16}},
             {400, {K::Monster, 0}}, {572, {K::Monster, 172}}, {252, {K::Terrain, 252}}})
        // clang-format on
        EXPECT_EQ(PictureNumberDispatch(n), target) << n;
    for (int none : {253, 300, 399, 573, 600, 799})
        EXPECT_EQ(PictureNumberDispatch(none).kind, K::Nothing) << none;
}

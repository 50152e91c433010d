#include "graphics/PictureNumbering.h"
#include "scenario/Scenario.h"

#include <gtest/gtest.h>

namespace {
PicCopy Expect(const std::optional<PicCopy>& copy) {
    EXPECT_TRUE(copy.has_value());
    return copy.value_or(PicCopy{});
}
} // namespace

TEST(PictureNumbering, QuotientsRoundDownAndRemaindersKeepTheSign) {
    EXPECT_EQ(FloorDiv(49, 10), 4);
    EXPECT_EQ(FloorDiv(-1, 10), -1);
    EXPECT_EQ(FloorDiv(-10, 10), -1);
    EXPECT_EQ(SignedMod(-1, 10), -1);
}

TEST(PictureNumbering, TerrainPicturesAcrossTheSixSheets) {
    PicCopy c = Expect(TerrainPicCopy(49, 0, 0, 0));
    EXPECT_EQ(c.sheet, Sheet::Terrain);
    EXPECT_EQ(c.index, 0);
    EXPECT_EQ(c.source, (PixelRect{252, 144, 28, 36}));

    c = Expect(TerrainPicCopy(50, 0, 0, 0));
    EXPECT_EQ(c.index, 1);
    EXPECT_EQ(c.source, (PixelRect{0, 0, 28, 36}));

    c = Expect(TerrainPicCopy(299, 5, 6, 1));
    EXPECT_EQ(c.index, 5);
    EXPECT_EQ(c.source, (PixelRect{252, 144, 28, 36}));
    EXPECT_EQ(c.dest, (PixelRect{5, 6, 16, 16}));

    EXPECT_FALSE(TerrainPicCopy(-1, 0, 0, 0));
    EXPECT_FALSE(TerrainPicCopy(300, 0, 0, 0));
    EXPECT_FALSE(TerrainPicCopy(500, 0, 0, 0));
    EXPECT_FALSE(TerrainPicCopy(3000, 0, 0, 0));
    EXPECT_FALSE(BaseTerrainCopy(10, 0, 0, 2)); // only full and small sizes exist
}

TEST(PictureNumbering, AnimatedAndCustomTerrain) {
    PicCopy c = Expect(TerrainPicCopy(407, 1, 2, 0));
    EXPECT_EQ(c.sheet, Sheet::TerAnim);
    EXPECT_EQ(c.source, (PixelRect{112, 72, 28, 36})); // strip 7: second column, third row
    EXPECT_EQ(c.dest, (PixelRect{1, 2, 28, 36}));

    c = Expect(TerrainPicCopy(1013, 0, 0, 0));
    EXPECT_EQ(c.sheet, Sheet::Custom);
    EXPECT_EQ(c.source, (PixelRect{84, 36, 28, 36}));
    EXPECT_EQ(Expect(TerrainPicCopy(2013, 0, 0, 0)).source, c.source);
}

TEST(PictureNumbering, TinyTerrain) {
    PicCopy c = Expect(TerrainPicTinyCopy(405, 12, 18));
    EXPECT_EQ(c.sheet, Sheet::TinyTerr);
    EXPECT_EQ(c.source, (PixelRect{30, 156, 6, 6})); // tiny terrain 265
    EXPECT_EQ(c.dest, (PixelRect{12, 18, 6, 6}));

    c = Expect(TerrainPicTinyCopy(1012, 0, 0));
    EXPECT_EQ(c.sheet, Sheet::Custom);
    EXPECT_EQ(c.source, (PixelRect{56, 42, 28, 18}));
    EXPECT_EQ(c.dest, (PixelRect{0, 0, 6, 6}));

    EXPECT_FALSE(TerrainPicTinyCopy(-3, 0, 0));
    EXPECT_FALSE(TerrainPicTinyCopy(350, 0, 0));
}

TEST(PictureNumbering, MonsterTableFromTheRunningCounter) {
    const std::pair<int, MonsterPic> rows[] = {
        {0, {1, 0}},     {50, {1, 50}},   {51, {3, 51}},   {52, {3, 53}},
        {55, {1, 59}},   {75, {2, 79}},   {78, {3, 83}},   {120, {4, 131}},
        {140, {4, 155}}, {142, {4, 160}}, {145, {3, 168}}, {174, {1, 198}},
    };
    for (const auto& [picture, info] : rows)
        EXPECT_EQ(MonsterPicInfo[static_cast<std::size_t>(picture)], info) << picture;
    const MonsterPic& last = MonsterPicInfo.back();
    EXPECT_EQ(last.firstTile + MonsterTileCount(last.size), 199);
}

TEST(PictureNumbering, MonsterSheetPositions) {
    std::int16_t sheet = 0, x = 0, y = 0;
    MonsterSheetPos(10, sheet, x, y);
    EXPECT_EQ((std::array{sheet, x, y}), (std::array<std::int16_t, 3>{0, 56, 0}));
    MonsterSheetPos(20, sheet, x, y);
    EXPECT_EQ((std::array{sheet, x, y}), (std::array<std::int16_t, 3>{1, 0, 0}));
    MonsterSheetPos(53, sheet, x, y);
    EXPECT_EQ((std::array{sheet, x, y}), (std::array<std::int16_t, 3>{2, 56, 108}));

    TerrainSheetPos(15, x, y);
    EXPECT_EQ(x, 140);
    EXPECT_EQ(y, 36);
}

TEST(PictureNumbering, MonsterPreviewTiles) {
    // Two high: tiles 53 and 54 of monst3, each half size, one above the other.
    auto copies = MonsterPicCopies(52);
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(copies[0].index, 2);
    EXPECT_EQ(copies[0].source, (PixelRect{56, 108, 28, 36}));
    EXPECT_EQ(copies[0].dest, (PixelRect{7, 0, 14, 18}));
    EXPECT_EQ(copies[1].source, (PixelRect{56, 144, 28, 36}));
    EXPECT_EQ(copies[1].dest, (PixelRect{7, 18, 14, 18}));

    copies = MonsterPicCopies(120); // tiles 131..134, lower row at 18
    ASSERT_EQ(copies.size(), 4u);
    EXPECT_EQ(copies[0].index, 6);
    EXPECT_EQ(copies[0].source, (PixelRect{56, 36, 28, 36}));
    EXPECT_EQ(copies[1].dest, (PixelRect{13, 0, 14, 18}));
    EXPECT_EQ(copies[3].dest, (PixelRect{13, 18, 14, 18}));

    copies = MonsterPicCopies(2005); // two wide: custom pictures 5 and 6
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(copies[0].sheet, Sheet::Custom);
    EXPECT_EQ(copies[0].source, (PixelRect{140, 0, 28, 36}));
    EXPECT_EQ(copies[0].dest, (PixelRect{0, 9, 14, 18}));
    EXPECT_EQ(copies[1].source, (PixelRect{168, 0, 28, 36}));
    EXPECT_EQ(copies[1].dest, (PixelRect{14, 9, 14, 18}));

    copies = MonsterPicCopies(4012); // 2 x 2: custom pictures 12..15, lower row at 17
    ASSERT_EQ(copies.size(), 4u);
    EXPECT_EQ(copies[0].source, (PixelRect{56, 36, 28, 36}));
    EXPECT_EQ(copies[3].source, (PixelRect{140, 36, 28, 36}));
    EXPECT_EQ(copies[2].dest, (PixelRect{0, 17, 14, 18}));

    EXPECT_EQ(MonsterPicCopies(9012).size(), 4u); // every number from 4000 is two by two
    EXPECT_TRUE(MonsterPicCopies(-1).empty());
    EXPECT_TRUE(MonsterPicCopies(175).empty());
    EXPECT_TRUE(MonsterPicCopies(999).empty());
}

TEST(PictureNumbering, CreatureTilesOnTheMap) {
    PicCopy c = Expect(CreatureTileCopy(52, 1, 28, 36)); // second tile of picture 52: tile 54
    EXPECT_EQ(c.index, 2);
    EXPECT_EQ(c.source, (PixelRect{56, 144, 28, 36}));
    EXPECT_EQ(c.dest, (PixelRect{28, 36, 28, 36}));

    c = Expect(CreatureTileCopy(3007, 1, 0, 0)); // custom two high from picture 7: tile 8
    EXPECT_EQ(c.sheet, Sheet::Custom);
    EXPECT_EQ(c.source, (PixelRect{224, 0, 28, 36}));
    EXPECT_EQ(Expect(CreatureTileCopy(4012, 3, 0, 0)).source, (PixelRect{140, 36, 28, 36}));

    EXPECT_FALSE(CreatureTileCopy(-1, 0, 0, 0));
    EXPECT_FALSE(CreatureTileCopy(175, 0, 0, 0));
}

TEST(PictureNumbering, ItemPictures) {
    PicCopy c = Expect(ItemOnMapCopy(44, 0, 0));
    EXPECT_EQ(c.sheet, Sheet::Objects);
    EXPECT_EQ(c.source, (PixelRect{112, 288, 28, 36}));

    c = Expect(ItemOnMapCopy(45, 28, 36));
    EXPECT_EQ(c.sheet, Sheet::TinyObj);
    EXPECT_EQ(c.source, (PixelRect{90, 72, 18, 18}));
    EXPECT_EQ(c.dest, (PixelRect{33, 45, 18, 18}));

    c = Expect(ItemOnMapCopy(151, 0, 0));
    EXPECT_EQ(c.sheet, Sheet::Custom);
    EXPECT_EQ(c.source, (PixelRect{28, 0, 28, 36}));

    EXPECT_FALSE(ItemOnMapCopy(-1, 0, 0));
    EXPECT_FALSE(ItemOnMapCopy(123, 0, 0));
    EXPECT_FALSE(ItemOnMapCopy(149, 0, 0));

    const ItemPreviewPlan tiny = ItemPicPlan(45);
    EXPECT_TRUE(tiny.whiteFirst);
    EXPECT_EQ(tiny.copy->dest, (PixelRect{5, 9, 18, 18}));
    const ItemPreviewPlan object = ItemPicPlan(3);
    EXPECT_FALSE(object.clear || object.whiteFirst);
    for (int unused : {-1, 123, 149}) {
        const ItemPreviewPlan none = ItemPicPlan(unused);
        EXPECT_TRUE(none.clear) << unused;
        EXPECT_FALSE(none.copy) << unused;
    }
}

TEST(PictureNumbering, Portraits) {
    PortraitPlan plan = PortraitPicPlan(0, false);
    EXPECT_EQ(plan.copy->source, (PixelRect{288, 256, 32, 32})); // portrait 89
    EXPECT_EQ(plan.copy->dest, (PixelRect{0, 0, 36, 36}));
    EXPECT_EQ(PortraitPicPlan(-5, false).copy->source, plan.copy->source);
    EXPECT_EQ(PortraitPicPlan(1, false).copy->source, (PixelRect{0, 0, 32, 32}));
    EXPECT_EQ(PortraitPicPlan(12, false).copy->source, (PixelRect{32, 32, 32, 32}));

    plan = PortraitPicPlan(1003, true);
    EXPECT_TRUE(plan.clear);
    EXPECT_EQ(plan.copy->sheet, Sheet::Custom);
    EXPECT_EQ(plan.copy->source, (PixelRect{84, 0, 28, 36}));
    plan = PortraitPicPlan(1003, false);
    EXPECT_TRUE(plan.clear);
    EXPECT_FALSE(plan.copy);
}

TEST(PictureNumbering, DialogScenarioAndIconCells) {
    EXPECT_EQ(Expect(DlogPicCopy(16)).source, (PixelRect{0, 144, 36, 36}));
    EXPECT_EQ(Expect(ScenPicCopy(7)).source, (PixelRect{64, 32, 32, 32}));
    EXPECT_EQ(Expect(TerDispIconCopy(6, 1, 2)).source, (PixelRect{42, 0, 21, 7}));
    EXPECT_EQ(Expect(TerDispIconCopy(26, 1, 2)).source, (PixelRect{42, 14, 7, 7}));
    EXPECT_FALSE(TerDispIconCopy(-1, 0, 0));
}

TEST(PictureNumbering, DialogPictureNumbers) {
    using K = PictureNumberKind;
    EXPECT_EQ(PictureNumberDispatch(816), (PictureNumberTarget{K::Dialog, 16}));
    EXPECT_EQ(PictureNumberDispatch(400), (PictureNumberTarget{K::Monster, 0}));
    EXPECT_EQ(PictureNumberDispatch(572), (PictureNumberTarget{K::Monster, 172}));
    EXPECT_EQ(PictureNumberDispatch(252), (PictureNumberTarget{K::Terrain, 252}));
    for (int none : {253, 300, 399, 573, 600, 799})
        EXPECT_EQ(PictureNumberDispatch(none).kind, K::Nothing) << none;
}

TEST(PictureNumbering, FieldsAndStrips) {
    PicCopy c = Expect(FieldPicCopy(3, 1, 2)); // fire barrier: cell 16, third row
    EXPECT_EQ(c.source, (PixelRect{0, 72, 28, 36}));
    EXPECT_EQ(Expect(FieldPicCopy(13, 0, 0)).source, (PixelRect{196, 108, 28, 36}));
    EXPECT_FALSE(FieldPicCopy(-1, 0, 0));
    EXPECT_FALSE(FieldPicCopy(14, 0, 0));

    EXPECT_EQ(Expect(FieldsRowCopy(0, 0, 0)).source, (PixelRect{0, 252, 28, 36}));
    EXPECT_EQ(Expect(FieldsRowAtCopy(0, 0, 0)).source, (PixelRect{112, 252, 28, 36}));

    c = Expect(CellQuarterCopy(2, 28, 36)); // the upper strip is squeezed to 16 high
    EXPECT_EQ(c.source, (PixelRect{152, 288, 4, 18}));
    EXPECT_EQ(c.dest, (PixelRect{40, 36, 4, 16}));
    EXPECT_EQ(Expect(CellQuarterCopy(1, 0, 0)).dest, (PixelRect{14, 16, 14, 4}));
    EXPECT_FALSE(CellQuarterCopy(4, 0, 0));
}

TEST(PictureNumbering, LookupTablesTellingRows) {
    EXPECT_EQ(FieldPicMap[0], 5);
    EXPECT_EQ(FieldPicMap[5], 15);
    EXPECT_EQ(FieldPicMap[4], 18);
    EXPECT_EQ(TerDispIcon[0], -1);
    EXPECT_EQ(TerDispIcon[1], 29);
    EXPECT_EQ(TerDispIcon[10], 26);
    EXPECT_EQ(TerDispIcon[12], -1);
    EXPECT_EQ(TerDispIcon[18], 10);
    EXPECT_EQ(TerDispIcon[26], 24);
    EXPECT_EQ(TerDispIcon[29], -1);
}

TEST(PictureNumbering, SpecialTerrainPictures) {
    for (int p : {61, 66, 90, 93, 102, 115, 187, 197, 200, 212, 215, 232, 236, 239, 244, 401, 402})
        EXPECT_TRUE(IsSpecialTerrainPicture(p)) << p;
    for (int p : {60, 67, 94, 101, 116, 198, 205, 213, 214, 216, 245, 400, 403, -1})
        EXPECT_FALSE(IsSpecialTerrainPicture(p)) << p;

    const Scenario saved = Scen;
    Scen.TerrainTypes[80].Picture = 90;
    Scen.TerrainTypes[81].Picture = 94;
    EXPECT_TRUE(IsSpecialTerrainPic(80));
    EXPECT_FALSE(IsSpecialTerrainPic(81));
    EXPECT_FALSE(IsSpecialTerrainPic(256));
    EXPECT_FALSE(IsSpecialTerrainPic(-1));
    Scen = saved;
}

TEST(PictureNumbering, RectangleEdgePieces) {
    EXPECT_EQ(CellRectEdgeLine(2, 28, 0), (EdgeLine{41, 17, 55, 17, 0xFF0000}));
    EXPECT_EQ(CellRectEdgeLine(7, 0, 0), (EdgeLine{14, 18, 14, 36, 0xFFFFFF}));
    EXPECT_EQ(CellRectEdgeLine(9, 0, 0), (EdgeLine{12, 16, 12, -1, 0xFFFF00}));
    EXPECT_FALSE(CellRectEdgeLine(12, 0, 0));
    EXPECT_FALSE(CellRectEdgeLine(-1, 0, 0));
}

TEST(PictureNumbering, MarbleTiles) {
    EXPECT_EQ(MarbleTileSource(3), (PixelRect{192, 0, 64, 64}));
    EXPECT_EQ(MarbleTileSource(6), (PixelRect{128, 64, 64, 64}));
    EXPECT_EQ(MarbleTileCount(96), 2);  // 1.5 rounds to the even 2
    EXPECT_EQ(MarbleTileCount(160), 2); // 2.5 rounds to the even 2
    EXPECT_EQ(MarbleTileCount(161), 3);
    EXPECT_EQ(MarbleTileCount(31), 0);
    EXPECT_TRUE(MarbleStyleWhitensLabels(6));
    EXPECT_FALSE(MarbleStyleWhitensLabels(3));
}

TEST(PictureNumbering, CustomSheetBesideTheScenario) {
    EXPECT_EQ(CustomSheetPathFor("/f/Abc.vrs"), "/f/Abc.bmp");
    EXPECT_EQ(CustomSheetPathFor("/f/Abc.x"), "/f/Abbmp");
}

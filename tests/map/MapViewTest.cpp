#include "map/MapView.h"

#include "MapFixture.h"
#include "map/TerrainPalette.h"

#include <optional>

namespace {
using Cell = std::pair<int, int>;
class MapViewTest : public MapFixture {};

TEST_F(MapViewTest, PictureSizeAndCellPlacesOfBothViews) {
    const struct {
        std::int16_t mode;
        bool zoom;
        std::optional<PixelPoint> size;
    } sizes[] = {{0, true, PixelPoint{256, 328}},  {3, true, PixelPoint{256, 328}},
                 {0, false, PixelPoint{388, 388}}, {1, false, PixelPoint{292, 292}},
                 {2, false, PixelPoint{196, 196}}, {3, false, PixelPoint{292, 292}},
                 {5, false, std::nullopt}};
    for (const auto& row : sizes) {
        Map.EditMode = row.mode;
        Map.ZoomView = row.zoom;
        EXPECT_EQ(MapPictureSize(), row.size) << row.mode << row.zoom;
    }

    Map.EditMode = kEditOutdoors;
    Map.MapMax = 49;
    Map.MapCenter = {25, 25};
    Map.ZoomView = true;
    EXPECT_EQ(CellPlaceInView(21, 21), (PixelPoint{0, 0}));
    EXPECT_EQ(CellPlaceInView(29, 29), (PixelPoint{224, 288}));
    EXPECT_EQ(CellPlaceInView(30, 25), std::nullopt);
    EXPECT_EQ(CellPlaceInView(20, 25), std::nullopt);
    Map.ZoomView = false;
    EXPECT_EQ(CellPlaceInView(1, 1), (PixelPoint{0, 0}));
    EXPECT_EQ(CellPlaceInView(48, 2), (PixelPoint{282, 6}));
    EXPECT_EQ(CellPlaceInView(0, 5), std::nullopt); // the border ring is not shown
    EXPECT_EQ(CellPlaceInView(49, 5), std::nullopt);
    Map.EditMode = kEditSmallTown;
    Map.MapMax = 31;
    EXPECT_EQ(CellPlaceInView(0, 31), (PixelPoint{0, 186}));
    EXPECT_EQ(CellPlaceInView(32, 0), std::nullopt);
}

TEST_F(MapViewTest, PixelsToCellsAndTheNumbersOfTheLabels) {
    Map.EditMode = kEditOutdoors;
    Map.MapCenter = {25, 25};
    Map.ZoomView = true;
    EXPECT_EQ(ViewCellAtPixel(0, 0), (ViewCell{0, 0}));
    EXPECT_EQ(ViewCellAtPixel(251, 323), (ViewCell{8, 8}));
    EXPECT_EQ(ViewCellAtPixel(-1, -37), (ViewCell{-1, -2}));     // rounding down
    EXPECT_EQ(ViewCellAtPixel(-0.25, 35.75), (ViewCell{-1, 0})); // fractions too, never rounded up
    EXPECT_EQ(GridCellOfViewCell({4, 4}), (Cell{25, 25}));
    EXPECT_EQ(CenterLabelNumbers(), (Cell{24, 24}));
    EXPECT_EQ(MouseLabelNumbers({4, 4}), (Cell{24, 24}));
    Map.ZoomView = false;
    EXPECT_EQ(ViewCellAtPixel(11, 12), (ViewCell{1, 2}));
    EXPECT_EQ(GridCellOfViewCell({0, 0}), (Cell{1, 1}));
    EXPECT_EQ(MouseLabelNumbers({0, 0}), (Cell{0, 0}));

    Map.EditMode = kEditLargeTown;
    Map.MapCenter = {32, 32};
    EXPECT_EQ(CenterLabelNumbers(), (Cell{32, 32}));
    EXPECT_EQ(GridCellOfViewCell({3, 7}), (Cell{3, 7}));
    Map.ZoomView = true;
    Map.MapCenter = {4, 4};
    EXPECT_EQ(GridCellOfViewCell({0, 0}), (Cell{0, 0}));
    EXPECT_EQ(MouseLabelNumbers({8, 8}), (Cell{8, 8}));
}

TEST_F(MapViewTest, KeypadScrollingStaysWithinTheCentreLimitsOfEachMode) {
    const struct {
        std::int16_t mode;
        Location from;
        int key;
        std::optional<Location> to;
    } rows[] = {{0, {59, 30}, 6, std::nullopt},     {0, {59, 30}, 4, Location{58, 30}},
                {0, {4, 4}, 7, std::nullopt},       {0, {4, 4}, 9, Location{5, 4}},
                {0, {10, 10}, 5, Location{32, 32}}, {1, {43, 43}, 3, std::nullopt},
                {1, {43, 4}, 1, Location{42, 5}},   {1, {30, 30}, 5, Location{24, 24}},
                {2, {27, 27}, 2, std::nullopt},     {2, {26, 4}, 8, std::nullopt},
                {2, {26, 5}, 8, Location{26, 4}},   {2, {20, 20}, 5, Location{16, 16}},
                {3, {45, 45}, 3, std::nullopt},     {3, {25, 25}, 5, Location{24, 24}},
                {3, {4, 45}, 7, Location{4, 44}},   {3, {25, 25}, 0, std::nullopt},
                {3, {25, 25}, 10, std::nullopt}};
    for (const auto& row : rows) {
        Map.EditMode = row.mode;
        Map.MapCenterLimits = ViewSettingsFor(row.mode)->MapCenterLimits;
        Map.MapCenter = row.from;
        EXPECT_EQ(ScrolledCenter(row.key), row.to)
            << row.mode << " " << int{row.from.X} << "," << int{row.from.Y} << " key " << row.key;
    }
}

TEST_F(MapViewTest, PaletteClicksChooseTheTerrainUnderThePixelAndNothingInTheMargin) {
    const struct {
        int x, y;
        std::optional<std::uint8_t> terrain;
    } rows[] = {{40, 20, 18},
                {0, 0, 0},
                {16, 16, 0},
                {17, 0, 1},
                {271, 0, 15},
                {272, 0, std::nullopt},
                {276, 16, std::nullopt},
                {0, 271, 240},
                {271, 271, 255},
                {0, 272, std::nullopt},
                {-1, 0, std::nullopt}};
    for (const auto& row : rows)
        EXPECT_EQ(PaletteTerrainAt(row.x, row.y), row.terrain) << row.x << "," << row.y;
    EXPECT_EQ(PaletteTerrainPlace(18), (PixelPoint{35, 18}));
    EXPECT_EQ(PaletteTerrainPlace(255), (PixelPoint{256, 256}));
}

TEST_F(MapViewTest, APaletteChoiceSetsTheTerrainsAndTellsWhichToolsGiveWay) {
    Scen.TerrainTypes[40].SpecialProperty = 11; // sign
    Scen.TerrainTypes[41].SpecialProperty = 21; // town entrance
    Scen.TerrainTypes[42].SpecialProperty = 14;
    const struct {
        std::uint8_t terrain;
        int tool;
        bool toDrawTerrain;
        std::uint8_t erase;
    } rows[] = {{3, 0, false, 2}, {7, 0, false, 2},  {1, 5, true, 0},  {40, 3, true, 0},
                {41, 1, true, 0}, {42, 4, false, 0}, {4, 2, false, 2}, {9, 6, true, 2},
                {0, 52, true, 0}, {40, 0, false, 0}};
    for (const auto& row : rows) {
        EXPECT_EQ(ChoosePaletteTerrain(row.terrain, row.tool), row.toDrawTerrain)
            << int{row.terrain} << " tool " << row.tool;
        EXPECT_EQ(Map.SelectedTerrain, row.terrain);
        EXPECT_EQ(Map.PaintTerrain, row.terrain);
        EXPECT_EQ(Map.EraseTerrain, row.erase) << int{row.terrain};
    }

    Scen.TerrainTypes[5].Name = "  Cave wall" + std::string(19, ' ');
    Scen.TerrainTypes[6].Name = std::string(30, ' ');
    EXPECT_EQ(PaletteToolTip(5), "5: Cave wall");
    EXPECT_EQ(PaletteToolTip(6), "6: ");
}
} // namespace

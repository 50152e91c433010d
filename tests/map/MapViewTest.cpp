
#include "MapFixture.h"
#include "map/TerrainPalette.h"

namespace {
using XY = std::pair<int, int>;
using MapViewTest = MapFixture;

TEST_F(MapViewTest, PictureSizeCellPlacesCellsOfPixelsAndLabelNumbersOfBothViews) {
    // The edit mode, the view and its picture's size.
    const std::tuple<std::int16_t, bool, std::optional<PixelPoint>> sizes[] = {
        {0, true, PixelPoint{256, 328}},  {3, true, PixelPoint{256, 328}},
        {0, false, PixelPoint{388, 388}}, {1, false, PixelPoint{292, 292}},
        {2, false, PixelPoint{196, 196}}, {3, false, PixelPoint{292, 292}},
        {5, false, std::nullopt}};
    for (const auto& [mode, zoom, size] : sizes) {
        Map.EditMode = mode;
        Map.ZoomView = zoom;
        EXPECT_EQ(MapPictureSize(), size) << mode << zoom;
    }
    // Outdoors the border ring is not shown in the whole view.
    const std::tuple<std::int16_t, bool, int, int, std::optional<PixelPoint>> places[] = {
        {3, true, 21, 21, {{0, 0}}}, {3, true, 29, 29, {{224, 288}}}, {3, true, 30, 25, {}},
        {3, true, 20, 25, {}},       {3, false, 1, 1, {{0, 0}}},      {3, false, 48, 2, {{282, 6}}},
        {3, false, 0, 5, {}},        {3, false, 49, 5, {}},           {2, false, 0, 31, {{0, 186}}},
        {2, false, 32, 0, {}}};
    Map.MapCenter = {25, 25};
    for (const auto& [mode, zoom, x, y, place] : places) {
        Map.EditMode = mode;
        Map.MapMax = mode == kEditOutdoors ? 49 : 31;
        Map.ZoomView = zoom;
        EXPECT_EQ(CellPlaceInView(x, y), place) << x << "," << y;
    }
    Map.EditMode = kEditOutdoors;
    Map.ZoomView = true;
    // Rounding down, fractions too, never up.
    EXPECT_EQ((std::vector{ViewCellAtPixel(0, 0), ViewCellAtPixel(251, 323),
                           ViewCellAtPixel(-1, -37), ViewCellAtPixel(-0.25, 35.75)}),
              (std::vector<ViewCell>{{0, 0}, {8, 8}, {-1, -2}, {-1, 0}}));
    // Grid cell of a view cell, label numbers of the centre and of a view cell, per view.
    const auto labels = [](ViewCell grid, ViewCell mouse) {
        return std::vector<XY>{GridCellOfViewCell(grid), CenterLabelNumbers(),
                               MouseLabelNumbers(mouse)};
    };
    EXPECT_EQ(labels({4, 4}, {4, 4}), (std::vector<XY>{{25, 25}, {24, 24}, {24, 24}}));
    Map.ZoomView = false;
    EXPECT_EQ(ViewCellAtPixel(11, 12), (ViewCell{1, 2}));
    EXPECT_EQ(labels({0, 0}, {0, 0}), (std::vector<XY>{{1, 1}, {24, 24}, {0, 0}}));
    Map.EditMode = kEditLargeTown;
    Map.MapCenter = {32, 32};
    EXPECT_EQ(labels({3, 7}, {3, 7}), (std::vector<XY>{{3, 7}, {32, 32}, {3, 7}}));
    Map.ZoomView = true;
    Map.MapCenter = {4, 4};
    EXPECT_EQ(labels({0, 0}, {8, 8}), (std::vector<XY>{{0, 0}, {4, 4}, {8, 8}}));
}

TEST_F(MapViewTest, KeypadScrollingStaysWithinTheCentreLimitsOfEachMode) {
    // The edit mode, the centre, the key and the new centre.
    const std::tuple<std::int16_t, Location, int, std::optional<Location>> rows[] = {
        {0, {59, 30}, 6, {}},       {0, {59, 30}, 4, {{58, 30}}}, {0, {4, 4}, 7, {}},
        {0, {4, 4}, 9, {{5, 4}}},   {0, {10, 10}, 5, {{32, 32}}}, {1, {43, 43}, 3, {}},
        {1, {43, 4}, 1, {{42, 5}}}, {1, {30, 30}, 5, {{24, 24}}}, {2, {27, 27}, 2, {}},
        {2, {26, 4}, 8, {}},        {2, {26, 5}, 8, {{26, 4}}},   {2, {20, 20}, 5, {{16, 16}}},
        {3, {45, 45}, 3, {}},       {3, {25, 25}, 5, {{24, 24}}}, {3, {4, 45}, 7, {{4, 44}}},
        {3, {25, 25}, 0, {}},       {3, {25, 25}, 10, {}}};
    for (const auto& [mode, from, key, to] : rows) {
        Map.EditMode = mode;
        Map.MapCenterLimits = ViewSettingsFor(mode)->MapCenterLimits;
        Map.MapCenter = from;
        EXPECT_EQ(ScrolledCenter(key), to)
            << mode << " " << int{from.X} << "," << int{from.Y} << " key " << key;
    }
}

TEST_F(MapViewTest, PaletteClicksChooseTheTerrainUnderThePixelAndTellWhichToolsGiveWay) {
    const std::tuple<int, int, std::optional<std::uint8_t>> places[] = {
        {40, 20, 18},  {0, 0, 0},     {16, 16, 0},     {17, 0, 1},   {271, 0, 15}, {272, 0, {}},
        {276, 16, {}}, {0, 271, 240}, {271, 271, 255}, {0, 272, {}}, {-1, 0, {}}};
    for (const auto& [x, y, terrain] : places)
        EXPECT_EQ(PaletteTerrainAt(x, y), terrain) << x << "," << y;
    EXPECT_EQ(PaletteTerrainPlace(18), (PixelPoint{35, 18}));
    EXPECT_EQ(PaletteTerrainPlace(255), (PixelPoint{256, 256}));
    // A choice sets the terrains and tells which tools give way.
    Scen.TerrainTypes[40].SpecialProperty = 11; // sign
    Scen.TerrainTypes[41].SpecialProperty = 21; // town entrance
    Scen.TerrainTypes[42].SpecialProperty = 14;
    // The terrain, the tool, whether it gives way to the draw tool, and the erase terrain.
    const std::tuple<std::uint8_t, int, bool, std::uint8_t> rows[] = {
        {3, 0, false, 2},  {7, 0, false, 2}, {1, 5, true, 0}, {40, 3, true, 0}, {41, 1, true, 0},
        {42, 4, false, 0}, {4, 2, false, 2}, {9, 6, true, 2}, {0, 52, true, 0}, {40, 0, false, 0}};
    for (const auto& [terrain, tool, toDrawTerrain, erase] : rows) {
        const bool givesWay = ChoosePaletteTerrain(terrain, tool);
        EXPECT_EQ(std::tuple(givesWay, Map.SelectedTerrain, Map.PaintTerrain, Map.EraseTerrain),
                  std::tuple(toDrawTerrain, terrain, terrain, erase))
            << int{terrain} << " " << tool;
    }
    Scen.TerrainTypes[5].Name = "  Cave wall" + std::string(19, ' ');
    Scen.TerrainTypes[6].Name = std::string(30, ' ');
    EXPECT_EQ(PaletteToolTip(5) + "|" + PaletteToolTip(6), "5: Cave wall|6: ");
}
} // namespace

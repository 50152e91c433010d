#include "graphics/Drawing.h"
#include "graphics/GraphicsSheets.h"
#include "platform/core/ProgramPaths.h"
#include "platform/core/RuntimeError.h"
#include "sheetgen/Canvas.h"
#include "sheetgen/Sheets.h"
#include "sheetgen/TerrainArt.h"
#include "support/ErrorOf.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace {
// The least size of each file: a cell for every picture number the editor can reach.
const std::map<std::string, QSize>& MinimumSizes() {
    static const std::map<std::string, QSize> sizes = [] {
        std::map<std::string, QSize> s = {
            {"marble.bmp", {256, 192}},  {"scenpics.bmp", {160, 192}}, {"dlogpics.bmp", {144, 288}},
            {"fields.bmp", {224, 324}},  {"objects.bmp", {140, 324}},  {"talkport.bmp", {320, 288}},
            {"tinyobj.bmp", {180, 234}}, {"terdisp.bmp", {70, 21}},    {"teranim.bmp", {2240, 180}},
            {"tinyterr.bmp", {60, 216}}, {"buttons.bmp", {1, 1}},      {"dlogbtns.bmp", {1, 1}},
            {"edstart.bmp", {693, 480}}, {"toolbtns.bmp", {176, 98}},
        };
        for (int i = 1; i <= 10; ++i)
            s["monst" + std::to_string(i) + ".bmp"] = {84, 360};
        for (int i = 1; i <= 6; ++i)
            s["ter" + std::to_string(i) + ".bmp"] = {280, 180};
        for (const char* cursor :
             {"pencil", "brush", "spray", "dropper", "area1", "area2", "eraser", "sword"})
            s[std::string("cursor_") + cursor + ".bmp"] = {16, 16};
        return s;
    }();
    return sizes;
}

class GeneratedSheets : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = new TempFolder;
        std::filesystem::create_directory(folder_->File("Images"));
        for (const GeneratedFile& file : GenerateSheets())
            PutFileBytes(folder_->File("Images/" + file.name), file.bytes);
    }
    static void TearDownTestSuite() {
        delete folder_;
        folder_ = nullptr;
    }
    static TempFolder* folder_;
};
TempFolder* GeneratedSheets::folder_ = nullptr;

QImage Load(const TempFolder& folder, const std::string& name) {
    return LoadBitmapFile(folder.File("Images/" + name));
}
} // namespace

TEST_F(GeneratedSheets, EveryFileExistsLoadsAndHoldsItsGrid) {
    for (const auto& [name, minimum] : MinimumSizes()) {
        const QImage image = Load(*folder_, name);
        EXPECT_GE(image.width(), minimum.width()) << name;
        EXPECT_GE(image.height(), minimum.height()) << name;
    }
    EXPECT_EQ(GenerateSheets().size(), MinimumSizes().size());
}

TEST_F(GeneratedSheets, SameBytesOnEveryRun) {
    const auto first = GenerateSheets();
    const auto second = GenerateSheets();
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].name, second[i].name);
        EXPECT_TRUE(first[i].bytes == second[i].bytes) << first[i].name;
    }
}

TEST_F(GeneratedSheets, LoadGraphicsReadsThemFromTheProgramFolder) {
    SetProgramFolderForTesting(folder_->Path());
    LoadGraphics();
    EXPECT_EQ(MarblePic.size(), QSize(256, 192));
    EXPECT_EQ(frmPics.imgTerpics[5].size(), QSize(280, 180));
    EXPECT_EQ(frmPics.imgMonstpics[9].size(), QSize(84, 360));
    EXPECT_FALSE(frmPics.iconSword.isNull());
    EXPECT_FALSE(frmPics.iconPencil.isNull());
    EXPECT_TRUE(frmPics.imgCustomPics.isNull());

    // Every terrain and standard monster picture now draws something.
    Surface box(28, 36, 0xFF123456u);
    for (int n = 0; n < 253; ++n) {
        box.SetBackColour(0xFF123456u);
        DrawTerrainPic(box, static_cast<std::int16_t>(n), 0, 0);
        EXPECT_NE(box.Pixel(27, 35), 0xFF123456u) << n;
    }
    // So does every animated terrain in the whole-map view.
    Surface dot(6, 6, 0xFF123456u);
    for (int n = 400; n < 500; ++n) {
        dot.SetBackColour(0xFF123456u);
        DrawTerrainPicTiny(dot, static_cast<std::int16_t>(n), 0, 0);
        EXPECT_NE(dot.Pixel(5, 5), 0xFF123456u) << n;
    }
}

TEST_F(GeneratedSheets, AMissingSheetStopsTheLoading) {
    TempFolder partial;
    std::filesystem::copy(folder_->File("Images"), partial.File("Images"));
    std::filesystem::remove(partial.File("Images/fields.bmp"));
    SetProgramFolderForTesting(partial.Path());
    const int number = ErrorOf([] { LoadGraphics(); });
    EXPECT_EQ(number, err::FileNotFound);
}

TEST_F(GeneratedSheets, OverlayCellsAreWhiteAroundTheirFigures) {
    const QImage fields = Load(*folder_, "fields.bmp");
    // Every field cell, the boat and the horse have both see-through and drawn pixels, and
    // their corners are see-through.
    std::vector<QPoint> cells;
    for (std::int16_t cell : FieldPicMap)
        cells.push_back({(cell % 8) * 28, (cell / 8) * 36});
    cells.push_back({0, 252});
    cells.push_back({112, 252});
    for (const QPoint& at : cells) {
        int white = 0;
        for (int y = 0; y < 36; ++y)
            for (int x = 0; x < 28; ++x)
                if ((fields.pixel(at.x() + x, at.y() + y) & 0xFFFFFFu) == 0xFFFFFFu) ++white;
        EXPECT_GT(white, 0) << at.x() << "," << at.y();
        EXPECT_LT(white, 28 * 36) << at.x() << "," << at.y();
        EXPECT_EQ(fields.pixel(at.x(), at.y()) & 0xFFFFFFu, 0xFFFFFFu);
    }
    // Terrain tiles are opaque: no pure white anywhere on the terrain sheets.
    for (int sheet = 1; sheet <= 6; ++sheet) {
        const QImage terrain = Load(*folder_, "ter" + std::to_string(sheet) + ".bmp");
        for (int y = 0; y < terrain.height(); ++y)
            for (int x = 0; x < terrain.width(); ++x)
                ASSERT_NE(terrain.pixel(x, y) & 0xFFFFFFu, 0xFFFFFFu)
                    << sheet << ":" << x << "," << y;
    }
}

TEST(TerrainArtAndTable, EveryBaseTerrainNamesTheLookItsPictureIsDrawnWith) {
    EXPECT_EQ(TerrainLooksDisagreeing(), std::vector<std::string>{});
    EXPECT_EQ(TerrainArtLook(5), "cave wall");
    EXPECT_EQ(TerrainArtLook(7), "cave wall feature");
    EXPECT_EQ(TerrainArtLook(62), "mountain wall");
    EXPECT_EQ(TerrainArtLook(193), "ruin");
    EXPECT_EQ(TerrainArtLook(196), "house");
    EXPECT_EQ(TerrainArtLook(241), "cave wall feature");
    EXPECT_EQ(TerrainArtLook(253), "unused");
}

TEST_F(GeneratedSheets, EntryPointMarksNameTheirSides) {
    // Entry point 0 is the north one, 1 east, 2 south, 3 west; mark i is drawn for point i.
    const QImage icons = Load(*folder_, "terdisp.bmp");
    const char* const sides[] = {"N", "E", "S", "W"};
    for (int i = 0; i < 4; ++i) {
        Canvas letter(7, 7, 0);
        letter.Text(2, 1, sides[i], 1);
        const QRgb back = icons.pixel(i * 7, 0);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 7; ++x)
                EXPECT_EQ(icons.pixel(i * 7 + x, y) != back, letter.Get(x, y) == 1)
                    << sides[i] << " at " << x << "," << y;
    }
}

TEST_F(GeneratedSheets, ConveyorMarksPointTheWayTheyCarry) {
    // Icons 10..13 mark conveyors toward south, west, north and east.
    const QImage icons = Load(*folder_, "terdisp.bmp");
    const int ways[4][2] = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};
    for (int k = 0; k < 4; ++k) {
        const int ox = k * 7;
        const int oy = 7;
        const QRgb back = icons.pixel(ox, oy);
        int ahead = 0;
        int behind = 0;
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 7; ++x) {
                if (icons.pixel(ox + x, oy + y) == back) continue;
                const int along = (x - 3) * ways[k][0] + (y - 3) * ways[k][1];
                if (along > 0) ++ahead;
                if (along < 0) ++behind;
            }
        EXPECT_GT(ahead, behind) << "icon " << 10 + k;
    }
}

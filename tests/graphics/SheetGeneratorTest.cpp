#include "graphics/Drawing.h"
#include "graphics/GraphicsSheets.h"
#include "platform/core/ProgramPaths.h"
#include "sheetgen/Sheets.h"
#include "sheetgen/TerrainArt.h"
#include "support/ErrorOf.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace {
class GeneratedSheets : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<TempFolder>();
        std::filesystem::create_directory(folder_->File("Images"));
        for (const GeneratedFile& file : GenerateSheets())
            PutFileBytes(folder_->File("Images/" + file.name), file.bytes);
    }
    static void TearDownTestSuite() { folder_.reset(); }
    static QImage Load(const std::string& name) {
        return LoadBitmapFile(folder_->File("Images/" + name));
    }
    static inline std::unique_ptr<TempFolder> folder_;
};

// The 7 x 7 mark whose corner is at (x, y): '#' where a pixel differs from the corner's.
std::string Mark(const std::function<int(int, int)>& pixel, int x, int y) {
    std::string rows;
    for (int dy = 0; dy < 7; ++dy)
        for (int dx = 0; dx < 7; ++dx)
            rows += pixel(x + dx, y + dy) != pixel(x, y) ? '#' : '.';
    return rows;
}
} // namespace

// Each file holds at least a cell for every picture number the editor can reach, and the
// generator gives the same bytes on every run.
TEST_F(GeneratedSheets, EveryFileHoldsItsGridIsTheSameOnEveryRunAndLoadsFromTheProgramFolder) {
    // clang-format off
    std::map<std::string, QSize> sizes = {{"marble.bmp", {256, 192}}, {"scenpics.bmp", {160, 192}},
        {"dlogpics.bmp", {144, 288}}, {"fields.bmp", {224, 324}}, {"objects.bmp", {140, 324}},
        {"talkport.bmp", {320, 288}}, {"tinyobj.bmp", {180, 234}}, {"terdisp.bmp", {70, 21}},
        {"teranim.bmp", {2240, 180}}, {"tinyterr.bmp", {60, 216}}, {"buttons.bmp", {1, 1}},
        {"dlogbtns.bmp", {1, 1}}, {"edstart.bmp", {693, 480}}, {"toolbtns.bmp", {176, 98}}};
    // clang-format on
    for (int i = 1; i <= 10; ++i)
        sizes["monst" + std::to_string(i) + ".bmp"] = {84, 360};
    for (int i = 1; i <= 6; ++i)
        sizes["ter" + std::to_string(i) + ".bmp"] = {280, 180};
    for (const char* cursor :
         {"pencil", "brush", "spray", "dropper", "area1", "area2", "eraser", "sword"})
        sizes[std::string("cursor_") + cursor + ".bmp"] = {16, 16};
    const auto again = GenerateSheets();
    EXPECT_EQ(again.size(), sizes.size());
    for (const GeneratedFile& file : again) {
        const QImage image = Load(file.name);
        EXPECT_TRUE(image.width() >= sizes[file.name].width() &&
                    image.height() >= sizes[file.name].height() && image.width() > 0)
            << file.name << " is " << image.width() << " x " << image.height();
        EXPECT_TRUE(FileBytes(folder_->File("Images/" + file.name)) == file.bytes) << file.name;
    }
    // The program loads them from its folder, every picture draws, and none may lack.
    SetProgramFolderForTesting(folder_->Path());
    LoadGraphics();
    EXPECT_EQ((std::vector{MarblePic.size(), frmPics.imgTerpics[5].size(),
                           frmPics.imgMonstpics[9].size()}),
              (std::vector<QSize>{{256, 192}, {280, 180}, {84, 360}}));
    EXPECT_FALSE(frmPics.iconSword.isNull() || frmPics.iconPencil.isNull());
    EXPECT_TRUE(frmPics.imgCustomPics.isNull());
    // Every terrain and standard monster picture, and every animated terrain in the whole-map
    // view, draws something.
    const QRgb back = 0xFF123456u;
    Surface box(28, 36, back), dot(6, 6, back);
    for (int n = 0; n < 500; ++n) {
        box.SetBackColour(back);
        dot.SetBackColour(back);
        if (n < 253) DrawTerrainPic(box, static_cast<std::int16_t>(n), 0, 0);
        if (n >= 400) DrawTerrainPicTiny(dot, static_cast<std::int16_t>(n), 0, 0);
        EXPECT_TRUE((n >= 253 || box.Pixel(27, 35) != back) && (n < 400 || dot.Pixel(5, 5) != back))
            << n;
    }
    // A missing sheet stops the loading.
    TempFolder partial;
    std::filesystem::copy(folder_->File("Images"), partial.File("Images"));
    std::filesystem::remove(partial.File("Images/fields.bmp"));
    SetProgramFolderForTesting(partial.Path());
    EXPECT_EQ(ErrorOf([] { LoadGraphics(); }), err::FileNotFound);
}

TEST_F(GeneratedSheets, OverlayCellsAreWhiteAroundTheirFiguresAndTerrainIsOpaque) {
    const QImage fields = Load("fields.bmp");
    // Every field cell, the boat and the horse have both see-through and drawn pixels, and
    // their corners are see-through.
    std::vector<QPoint> cells = {{0, 252}, {112, 252}};
    for (std::int16_t cell : FieldPicMap)
        cells.push_back({(cell % 8) * 28, (cell / 8) * 36});
    const auto white = [&fields](int x, int y) {
        return (fields.pixel(x, y) & 0xFFFFFFu) == 0xFFFFFFu;
    };
    for (const QPoint& at : cells) {
        int count = 0;
        for (int y = 0; y < 36; ++y)
            for (int x = 0; x < 28; ++x)
                count += white(at.x() + x, at.y() + y);
        EXPECT_TRUE(count > 0 && count < 28 * 36 && white(at.x(), at.y()))
            << at.x() << "," << at.y();
    }
    // Terrain tiles are opaque: no pure white anywhere on the terrain sheets.
    for (int sheet = 1; sheet <= 6; ++sheet) {
        const QImage terrain = Load("ter" + std::to_string(sheet) + ".bmp");
        const auto* pixels = reinterpret_cast<const QRgb*>(terrain.constBits());
        EXPECT_EQ(std::count(pixels, pixels + terrain.width() * terrain.height(), kWhite), 0)
            << sheet;
    }
}

TEST(TerrainArtAndTable, EveryBaseTerrainNamesTheLookItsPictureIsDrawnWith) {
    EXPECT_EQ(TerrainLooksDisagreeing(), std::vector<std::string>{});
    std::vector<std::string> looks;
    for (int picture : {5, 7, 62, 193, 196, 241, 253})
        looks.push_back(TerrainArtLook(picture));
    EXPECT_EQ(looks, (std::vector<std::string>{"cave wall", "cave wall feature", "mountain wall",
                                               "ruin", "house", "cave wall feature", "unused"}));
}

// Marks 0..3 name the entry points north, east, south and west; marks 10..13 point along
// conveyors toward south, west, north and east.
TEST_F(GeneratedSheets, EntryPointMarksNameTheirSidesAndConveyorMarksPointTheirWay) {
    const QImage icons = Load("terdisp.bmp");
    const auto sheet = [&icons](int x, int y) { return static_cast<int>(icons.pixel(x, y)); };
    const char* const sides[] = {"N", "E", "S", "W"};
    const int ways[4][2] = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};
    for (int i = 0; i < 4; ++i) {
        Canvas letter(7, 7, 0);
        letter.Text(2, 1, sides[i], 1);
        EXPECT_EQ(Mark(sheet, i * 7, 0), Mark([&](int x, int y) { return letter.Get(x, y); }, 0, 0))
            << sides[i];
        const std::string conveyor = Mark(sheet, i * 7, 7);
        int ahead = 0;
        for (int k = 0; k < 49; ++k) {
            const int along = (k % 7 - 3) * ways[i][0] + (k / 7 - 3) * ways[i][1];
            ahead += conveyor[k] == '#' ? (along > 0) - (along < 0) : 0;
        }
        EXPECT_GT(ahead, 0) << "icon " << 10 + i;
    }
}

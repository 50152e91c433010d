#include "graphics/Drawing.h"
#include "graphics/GraphicsSheets.h"
#include "support/MsgBoxRecorder.h"
#include "support/TempFolder.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {
constexpr QRgb kGrey = 0xFF808080u;

// A sheet whose pixels encode their own position, so a test can tell which pixel landed where.
QRgb Coded(int x, int y, int tag) {
    return qRgb(x % 256, y % 256, tag * 4 + (x / 256));
}
QImage CodedSheet(int w, int h, int tag) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, Coded(x, y, tag));
    return image;
}

// Fills the holders with coded sheets of the real sizes and restores them afterwards.
class DrawingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedPics_ = frmPics;
        savedMarble_ = MarblePic;
        savedCustomLoaded_ = CustomPicsLoaded;
        MarblePic = CodedSheet(256, 192, 1);
        for (int i = 0; i < 6; ++i)
            frmPics.imgTerpics[static_cast<std::size_t>(i)] = CodedSheet(280, 180, 10 + i);
        for (int i = 0; i < 10; ++i)
            frmPics.imgMonstpics[static_cast<std::size_t>(i)] = CodedSheet(84, 360, 20 + i);
        frmPics.imgTeranimpics = CodedSheet(2240, 180, 2);
        frmPics.imgTinyTerr = CodedSheet(60, 180, 3);
        frmPics.imgDlogPics = CodedSheet(144, 288, 4);
        frmPics.imgTalkPics = CodedSheet(320, 288, 5);
        frmPics.imgObjectpics = CodedSheet(140, 324, 6);
        frmPics.imgTinyobjpics = CodedSheet(180, 234, 7);
        frmPics.imgTerDisp = CodedSheet(70, 21, 8);
        frmPics.imgFieldpics = CodedSheet(224, 324, 9);
        frmPics.imgCustomPics = QImage();
        CustomPicsLoaded = 0;
    }
    void TearDown() override {
        frmPics = savedPics_;
        MarblePic = savedMarble_;
        CustomPicsLoaded = savedCustomLoaded_;
    }
    static void LoadCustomSheet(int h) {
        frmPics.imgCustomPics = CodedSheet(280, h, 12);
        CustomPicsLoaded = -1;
    }

  private:
    PictureHolders savedPics_;
    QImage savedMarble_;
    std::int16_t savedCustomLoaded_ = 0;
};

int CountNot(const Surface& s, QRgb colour) {
    int n = 0;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.Pixel(x, y) != colour) ++n;
    return n;
}
} // namespace

TEST_F(DrawingTest, TerrainAtThreeSizes) {
    Surface map(60, 80, kGrey);
    DrawTerrainPic(map, 299, 2, 3);
    EXPECT_EQ(map.Pixel(2, 3), Coded(252, 144, 15));
    EXPECT_EQ(map.Pixel(29, 38), Coded(279, 179, 15));
    EXPECT_EQ(map.Pixel(30, 3), kGrey);

    Surface palette(16, 16, kGrey);
    DrawTerrainPicSmall(palette, 50, 0, 0);
    EXPECT_EQ(palette.Pixel(0, 0), Coded(0, 1, 11));
    EXPECT_EQ(CountNot(palette, kGrey), 256);

    Surface whole(6, 6, kGrey);
    DrawTerrainPicTiny(whole, 405, 0, 0); // tiny terrain 265
    EXPECT_EQ(whole.Pixel(0, 0), Coded(30, 156, 3));
    EXPECT_EQ(whole.Pixel(5, 5), Coded(35, 161, 3));
}

// Numbers without any picture are the numbering's business; here, sheets that are missing or
// end too soon.
TEST_F(DrawingTest, PicturesOffTheirSheetLeaveTheSurfaceAlone) {
    Surface box(40, 40, kGrey);
    DrawTerrainPicTiny(box, 499, 0, 0); // tiny terrain 359 lies below the end of tinyterr
    DrawScenPic(box, 40);               // scenpics is not loaded in this test
    DrawTerrainPic(box, 1005, 0, 0);    // custom pictures while no custom sheet is loaded
    DrawItemOnMap(box, 150, 0, 0);
    EXPECT_EQ(CountNot(box, kGrey), 0);

    // A custom sheet of one and a half rows: picture 15 is cut at the sheet's bottom edge.
    LoadCustomSheet(54);
    DrawCustomPic(box, 15, 0, 0, 0);
    EXPECT_EQ(box.Pixel(0, 0), Coded(140, 36, 12));
    EXPECT_EQ(box.Pixel(27, 17), Coded(167, 53, 12));
    EXPECT_EQ(CountNot(box, kGrey), 28 * 18);
}

TEST_F(DrawingTest, MonsterPreviews) {
    Surface box(28, 36, kGrey);
    DrawMonsterPic(box, 120); // tiles 131..134 of monst7, halved, lower row at 18
    EXPECT_EQ(box.BackColour(), kWhite);
    EXPECT_EQ(box.Pixel(0, 0), Coded(56 + 1, 36 + 1, 26));
    EXPECT_EQ(box.Pixel(13, 0), Coded(56 + 1, 72 + 1, 26)); // tile 132 over the first's edge
    EXPECT_EQ(box.Pixel(0, 35), Coded(56 + 1, 108 + 35, 26));

    LoadCustomSheet(72);
    DrawMonsterPic(box, 4012);
    EXPECT_EQ(box.Pixel(0, 17), Coded(112 + 1, 36 + 1, 12)); // custom 14 starts at y 17
    EXPECT_EQ(box.Pixel(0, 35), kWhite);

    DrawMonsterPic(box, 52);
    EXPECT_EQ(box.Pixel(0, 0), kWhite); // two high pictures leave the sides white
    EXPECT_EQ(box.Pixel(7, 18), Coded(56 + 1, 144 + 1, 22));

    DrawMonsterPic(box, 200);
    EXPECT_EQ(CountNot(box, kWhite), 0);
}

TEST_F(DrawingTest, ItemPreviews) {
    Surface box(28, 36, kGrey);
    DrawItemPic(box, 45);
    EXPECT_EQ(box.Pixel(0, 0), kWhite);
    EXPECT_EQ(box.Pixel(5, 9), Coded(90, 72, 7));
    EXPECT_EQ(box.Pixel(22, 26), Coded(107, 89, 7));
    EXPECT_EQ(box.Pixel(23, 27), kWhite);

    box.SetBackColour(kGrey);
    for (int none : {-1, 140}) {
        DrawItemPic(box, 2);
        EXPECT_EQ(box.Pixel(0, 0), Coded(56, 0, 6));
        DrawItemPic(box, static_cast<std::int16_t>(none));
        EXPECT_EQ(CountNot(box, kGrey), 0) << none;
    }
}

TEST_F(DrawingTest, PortraitsAndDialogPictures) {
    Surface box(36, 36, kGrey);
    DrawPortraitPic(box, 0); // portrait 89, scaled to 36
    EXPECT_EQ(box.Pixel(0, 0), Coded(288, 256, 5));
    EXPECT_EQ(box.Pixel(35, 35), Coded(319, 287, 5));

    DrawPortraitPic(box, 1000); // custom, but no custom sheet: the box is cleared
    EXPECT_EQ(CountNot(box, kGrey), 0);
    LoadCustomSheet(36);
    DrawPortraitPic(box, 1001);
    EXPECT_EQ(box.Pixel(4, 0), Coded(28, 0, 12));
    EXPECT_EQ(box.Pixel(3, 0), kGrey);

    DrawPictureNumber(box, 816);
    EXPECT_EQ(box.Pixel(0, 0), Coded(0, 144, 4));
    EXPECT_EQ(box.Pixel(35, 35), Coded(35, 179, 4));
    DrawPictureNumber(box, 400);
    EXPECT_EQ(box.Pixel(0, 0), Coded(0, 0, 20));
}

TEST_F(DrawingTest, MapOverlaysLetTheMapShowThroughWhite) {
    Surface icon(28, 36, kGrey);
    DrawTerDispIcon(icon, 6, 0, 29);
    EXPECT_EQ(icon.Pixel(20, 35), Coded(62, 6, 8));
    EXPECT_EQ(CountNot(icon, kGrey), 21 * 7);

    Surface strip(28, 36, kGrey);
    DrawCellQuarterPic(strip, 2, 0, 0);
    EXPECT_EQ(strip.Pixel(12, 0), Coded(152, 288, 9));
    EXPECT_EQ(CountNot(strip, kGrey), 4 * 16);

    Surface map(56, 36, kGrey);
    DrawItemOnMap(map, 45, 28, 0);
    EXPECT_EQ(map.Pixel(33, 9), Coded(90, 72, 7));
    EXPECT_EQ(map.Pixel(32, 9), kGrey);
    EXPECT_EQ(CountNot(map, kGrey), 18 * 18);

    QImage fields(224, 324, QImage::Format_RGB32);
    fields.fill(kWhite);
    fields.setPixel(5 * 28 + 3, 4, kRed); // one dot in the web's cell
    frmPics.imgFieldpics = fields;
    Surface cell(28, 36, kGrey);
    DrawFieldPic(cell, 0, 0, 0);
    EXPECT_EQ(cell.Pixel(3, 4), kRed);
    EXPECT_EQ(CountNot(cell, kGrey), 1);
}

TEST_F(DrawingTest, CellRectangleEdges) {
    Surface corner(30, 40, kGrey);
    DrawCellRectEdges(corner, 2, 0, 0);
    DrawCellRectEdges(corner, 3, 0, 0);
    EXPECT_EQ(corner.Pixel(27, 17), kRed);
    EXPECT_EQ(corner.Pixel(13, 35), kRed);
    DrawCellRectEdges(corner, 6, 0, 0);
    EXPECT_EQ(corner.Pixel(28, 18), kWhite);
    EXPECT_EQ(corner.Pixel(14, 17), kRed);
    DrawCellRectEdges(corner, 8, 0, 0);
    EXPECT_EQ(corner.Pixel(0, 16), kYellow);
}

TEST_F(DrawingTest, TransparentBltRectangles) {
    QImage source = CodedSheet(4, 4, 3);
    source.setPixel(1, 1, kWhite);
    Surface dest(4, 4, kGrey);
    TransparentBlt(dest, source, {1, 1, 3, 3}, 0, 0);
    EXPECT_EQ(dest.Pixel(0, 0), kGrey);
    EXPECT_EQ(dest.Pixel(1, 1), Coded(2, 2, 3));
    EXPECT_EQ(CountNot(dest, kGrey), 3);
    TransparentBlt(dest, source, {3, 3, 1, 1}, 0, 0);     // empty rectangle
    TransparentBlt(dest, source, {0, 0, 40000, 2}, 0, 0); // wider than 16 bits allow
    EXPECT_EQ(CountNot(dest, kGrey), 3);
}

TEST_F(DrawingTest, MarbleCoversTheWindow) {
    Surface window(100, 150, kGrey);
    QWidget labels;
    auto* label = new QLabel("x", &labels);
    const QRgb before = label->palette().color(QPalette::WindowText).rgb();
    PaintMarbleBackground(window, 3, &labels);
    EXPECT_EQ(CountNot(window, kGrey), 100 * 150);
    EXPECT_EQ(window.Pixel(0, 0), Coded(192, 0, 1));
    EXPECT_EQ(window.Pixel(99, 149), Coded(192 + 35, 21, 1));
    EXPECT_EQ(label->palette().color(QPalette::WindowText).rgb(), before);
    PaintMarbleBackground(window, 6, &labels);
    EXPECT_EQ(window.Pixel(0, 0), Coded(128, 64, 1));
    EXPECT_EQ(label->palette().color(QPalette::WindowText).rgb(), kWhite);
}

TEST(LoadCustomPics, MissingOrUnreadableSheetLeavesTheHolderEmptyAndReportsNothing) {
    TempFolder folder;
    MsgBoxRecorder boxes;
    QImage sheet(280, 72, QImage::Format_RGB32);
    sheet.fill(kRed);
    ASSERT_TRUE(sheet.save(QString::fromStdString(folder.File("Abc.bmp")), "BMP"));
    PutFileText(folder.File("Bad.bmp"), "not a picture");
    for (const char* missing : {"None.bmp", "Bad.bmp"}) {
        LoadCustomPics(folder.File("Abc.bmp"));
        EXPECT_EQ(CustomPicsLoaded, -1);
        EXPECT_EQ(frmPics.imgCustomPics.size(), QSize(280, 72));
        LoadCustomPics(folder.File(missing));
        EXPECT_EQ(CustomPicsLoaded, 0) << missing;
        EXPECT_TRUE(frmPics.imgCustomPics.isNull()) << missing;
    }
    EXPECT_TRUE(boxes.Calls().empty());
}

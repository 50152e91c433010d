#include "graphics/Drawing.h"
#include "support/CodedPictureHolders.h"
#include "support/MsgBoxRecorder.h"
#include "support/TempFolder.h"

#include <QLabel>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

namespace {
constexpr QRgb kGrey = 0xFF808080u;
using Pixels = std::vector<std::tuple<int, int, QRgb>>;

// Each row draws on a grey surface of its size, over coded sheets of the real sizes, and names
// pixels and their colours, and how many pixels end up not of the colour `rest`.
struct DrawRow {
    const char* what;
    int w, h;
    std::function<void(Surface&)> draw;
    Pixels pixels;
    QRgb rest;
    int others;
};

void ExpectDrawn(const DrawRow& row) {
    SCOPED_TRACE(row.what);
    CodedSheetsScope sheets;
    Surface box(row.w, row.h, kGrey);
    row.draw(box);
    for (const auto& [x, y, colour] : row.pixels)
        EXPECT_EQ(box.Pixel(x, y), colour) << x << "," << y;
    EXPECT_EQ(CountNot(box, row.rest), row.others);
}

void Custom(int h) {
    CodedSheetsScope::LoadCustomSheet(h);
}
} // namespace

TEST(Drawing, EachPictureKindLandsFromItsSheetOrNotAtAll) {
    const std::vector<DrawRow> rows = {
        {"terrain",
         60,
         80,
         [](Surface& s) { DrawTerrainPic(s, 299, 2, 3); },
         {{2, 3, Coded(252, 144, 15)}, {29, 38, Coded(279, 179, 15)}, {30, 3, kGrey}},
         kGrey,
         28 * 36},
        {"small terrain",
         16,
         16,
         [](Surface& s) { DrawTerrainPicSmall(s, 50, 0, 0); },
         {{0, 0, Coded(0, 1, 11)}},
         kGrey,
         256},
        {"tiny terrain 265",
         6,
         6,
         [](Surface& s) { DrawTerrainPicTiny(s, 405, 0, 0); },
         {{0, 0, Coded(30, 156, 3)}, {5, 5, Coded(35, 161, 3)}},
         kGrey,
         36},
        // Numbers without any picture are the numbering's business; here, sheets that are
        // missing or end too soon.
        {"off the sheets",
         40,
         40,
         [](Surface& s) {
             frmPics.imgTinyTerr = CodedSheet(60, 180, 3);
             DrawTerrainPicTiny(s, 499, 0, 0); // tiny terrain 359 lies below its sheet's end
             DrawScenPic(s, 40);               // scenpics is not loaded here
             DrawTerrainPic(s, 1005, 0, 0);    // custom pictures while no custom sheet is loaded
             DrawItemOnMap(s, 150, 0, 0);
         },
         {},
         kGrey,
         0},
        {"custom cut at the sheet's bottom",
         40,
         40,
         [](Surface& s) {
             Custom(54);
             DrawCustomPic(s, 15, 0, 0, 0);
         },
         {{0, 0, Coded(140, 36, 12)}, {27, 17, Coded(167, 53, 12)}},
         kGrey,
         28 * 18},
        // Tiles 131..134 of monst7, halved, the lower row at 18; tile 132 overlaps the first by a
        // column, so the last column stays white.
        {"monster 2 x 2",
         28,
         36,
         [](Surface& s) { DrawMonsterPic(s, 120); },
         {{0, 0, Coded(57, 37, 26)}, {13, 0, Coded(57, 73, 26)}, {0, 35, Coded(57, 143, 26)}},
         kWhite,
         27 * 36},
        {"custom monster 2 x 2 from y 17",
         28,
         36,
         [](Surface& s) {
             Custom(72);
             DrawMonsterPic(s, 4012);
         },
         {{0, 17, Coded(113, 37, 12)}, {0, 35, kWhite}},
         kGrey,
         28 * 36},
        {"monster two high, white beside",
         28,
         36,
         [](Surface& s) { DrawMonsterPic(s, 52); },
         {{0, 0, kWhite}, {7, 18, Coded(57, 145, 22)}},
         kWhite,
         14 * 36},
        {"no monster", 28, 36, [](Surface& s) { DrawMonsterPic(s, 200); }, {}, kWhite, 0},
        {"tiny item on white",
         28,
         36,
         [](Surface& s) { DrawItemPic(s, 45); },
         {{0, 0, kWhite}, {5, 9, Coded(90, 72, 7)}, {22, 26, Coded(107, 89, 7)}, {23, 27, kWhite}},
         kWhite,
         18 * 18},
        {"object",
         28,
         36,
         [](Surface& s) { DrawItemPic(s, 2); },
         {{0, 0, Coded(56, 0, 6)}},
         kGrey,
         28 * 36},
        {"no item clears",
         28,
         36,
         [](Surface& s) {
             DrawItemPic(s, 2);
             DrawItemPic(s, -1);
             DrawItemPic(s, 2);
             DrawItemPic(s, 140);
         },
         {},
         kGrey,
         0},
        {"portrait 0 is 89, scaled",
         36,
         36,
         [](Surface& s) { DrawPortraitPic(s, 0); },
         {{0, 0, Coded(288, 256, 5)}, {35, 35, Coded(319, 287, 5)}},
         kGrey,
         36 * 36},
        {"custom portrait without a sheet clears",
         36,
         36,
         [](Surface& s) {
             DrawPortraitPic(s, 0);
             DrawPortraitPic(s, 1000);
         },
         {},
         kGrey,
         0},
        {"custom portrait",
         36,
         36,
         [](Surface& s) {
             Custom(36);
             DrawPortraitPic(s, 1001);
         },
         {{4, 0, Coded(28, 0, 12)}, {3, 0, kGrey}},
         kGrey,
         28 * 36},
        {"dialog picture number",
         36,
         36,
         [](Surface& s) { DrawPictureNumber(s, 816); },
         {{0, 0, Coded(0, 144, 4)}, {35, 35, Coded(35, 179, 4)}},
         kGrey,
         36 * 36},
        {"monster picture number",
         36,
         36,
         [](Surface& s) { DrawPictureNumber(s, 400); },
         {{0, 0, Coded(0, 0, 20)}},
         kWhite,
         28 * 36},
        {"map icon",
         28,
         36,
         [](Surface& s) { DrawTerDispIcon(s, 6, 0, 29); },
         {{20, 35, Coded(62, 6, 8)}},
         kGrey,
         21 * 7},
        {"cell strip",
         28,
         36,
         [](Surface& s) { DrawCellQuarterPic(s, 2, 0, 0); },
         {{12, 0, Coded(152, 288, 9)}},
         kGrey,
         4 * 16},
        {"item on the map: the map shows through white",
         56,
         36,
         [](Surface& s) {
             frmPics.imgTinyobjpics.setPixel(91, 72, kWhite);
             DrawItemOnMap(s, 45, 28, 0);
         },
         {{33, 9, Coded(90, 72, 7)}, {34, 9, kGrey}, {32, 9, kGrey}},
         kGrey,
         18 * 18 - 1},
        {"field: the map shows through white",
         28,
         36,
         [](Surface& s) {
             frmPics.imgFieldpics.fill(kWhite);
             frmPics.imgFieldpics.setPixel(5 * 28 + 3, 4, kRed); // one dot in the web's cell
             DrawFieldPic(s, 0, 0, 0);
         },
         {{3, 4, kRed}},
         kGrey,
         1},
        {"rectangle edges",
         30,
         40,
         [](Surface& s) {
             for (std::int16_t piece : {2, 3, 6, 8})
                 DrawCellRectEdges(s, piece, 0, 0);
         },
         {{27, 17, kRed}, {13, 35, kRed}, {28, 18, kWhite}, {14, 17, kRed}, {0, 16, kYellow}},
         kGrey,
         61},
        {"transparent blt, then an empty and a too wide rectangle",
         4,
         4,
         [](Surface& s) {
             QImage source = CodedSheet(4, 4, 3);
             source.setPixel(1, 1, kWhite);
             TransparentBlt(s, source, {1, 1, 3, 3}, 0, 0);
             TransparentBlt(s, source, {3, 3, 1, 1}, 0, 0);
             TransparentBlt(s, source, {0, 0, 40000, 2}, 0, 0); // wider than 16 bits allow
         },
         {{0, 0, kGrey}, {1, 1, Coded(2, 2, 3)}},
         kGrey,
         3},
        {"marble",
         100,
         150,
         [](Surface& s) { PaintMarbleBackground(s, 3, nullptr); },
         {{0, 0, Coded(192, 0, 1)}, {99, 149, Coded(192 + 35, 21, 1)}},
         kGrey,
         100 * 150},
    };
    for (const DrawRow& row : rows)
        ExpectDrawn(row);
}

TEST(Drawing, OnlyTheDarkMarbleStylesWhitenTheLabels) {
    CodedSheetsScope sheets;
    Surface window(100, 150, kGrey);
    QWidget labels;
    auto* label = new QLabel("x", &labels);
    const QRgb before = label->palette().color(QPalette::WindowText).rgb();
    PaintMarbleBackground(window, 3, &labels);
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

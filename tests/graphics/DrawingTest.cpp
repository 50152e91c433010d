#include "graphics/Drawing.h"
#include "support/MsgBoxRecorder.h"
#include "support/TempFolder.h"
#include "support/qt/CodedPictureHolders.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {
constexpr QRgb kGrey = 0xFF808080u;
using Pixels = std::vector<std::tuple<int, int, QRgb>>;

// Draws on a grey surface of the size, over coded sheets of the real sizes, and checks the
// pixels named and how many pixels end up not of the colour `rest`.
void Expect(const char* what, int w, int h, const Pixels& pixels, QRgb rest, int others,
            const std::function<void(Surface&)>& draw) {
    SCOPED_TRACE(what);
    CodedSheetsScope sheets;
    Surface box(w, h, kGrey);
    draw(box);
    for (const auto& [x, y, colour] : pixels)
        EXPECT_EQ(box.Pixel(x, y), colour) << x << "," << y;
    EXPECT_EQ(CountNot(box, rest), others);
}

void Custom(int h) {
    CodedSheetsScope::LoadCustomSheet(h);
}
} // namespace

TEST(Drawing, EachPictureKindLandsFromItsSheetOrNotAtAll) {
    // clang-format off
    Expect("terrain", 60, 80,
           {{2, 3, Coded(252, 144, 15)}, {29, 38, Coded(279, 179, 15)}, {30, 3, kGrey}}, kGrey,
           28 * 36, [](Surface& s) { DrawTerrainPic(s, 299, 2, 3); });
    Expect("small terrain", 16, 16, {{0, 0, Coded(0, 1, 11)}}, kGrey, 256,
           [](Surface& s) { DrawTerrainPicSmall(s, 50, 0, 0); });
    Expect("tiny terrain 265", 6, 6, {{0, 0, Coded(30, 156, 3)}, {5, 5, Coded(35, 161, 3)}},
           kGrey, 36, [](Surface& s) { DrawTerrainPicTiny(s, 405, 0, 0); });
    // Numbers without any picture are the numbering's business; here, sheets that are
    // missing or end too soon.
    Expect("off the sheets", 40, 40, {}, kGrey, 0, [](Surface& s) {
        frmPics.imgTinyTerr = CodedSheet(60, 180, 3);
        DrawTerrainPicTiny(s, 499, 0, 0); // tiny terrain 359 lies below its sheet's end
        DrawScenPic(s, 40);               // scenpics is not loaded here
        DrawTerrainPic(s, 1005, 0, 0);    // custom pictures while no custom sheet is loaded
        DrawItemOnMap(s, 150, 0, 0);
    });
    Expect("custom cut at the sheet's bottom", 40, 40,
           {{0, 0, Coded(140, 36, 12)}, {27, 17, Coded(167, 53, 12)}}, kGrey, 28 * 18,
           [](Surface& s) { Custom(54); DrawCustomPic(s, 15, 0, 0, 0); });
    Expect("custom monster 2 x 2 from y 17", 28, 36,
           {{0, 17, Coded(113, 37, 12)}, {0, 35, kWhite}}, kGrey, 28 * 36,
           [](Surface& s) { Custom(72); DrawMonsterPic(s, 4012); });
    Expect("no monster", 28, 36, {}, kWhite, 0, [](Surface& s) { DrawMonsterPic(s, 200); });
    Expect("tiny item on white", 28, 36, {{0, 0, kWhite}, {5, 9, Coded(90, 72, 7)},
           {22, 26, Coded(107, 89, 7)}, {23, 27, kWhite}}, kWhite, 18 * 18,
           [](Surface& s) { DrawItemPic(s, 45); });
    Expect("object", 28, 36, {{0, 0, Coded(56, 0, 6)}}, kGrey, 28 * 36,
           [](Surface& s) { DrawItemPic(s, 2); });
    Expect("no item clears", 28, 36, {}, kGrey, 0, [](Surface& s) {
        for (int item : {2, -1, 2, 140}) DrawItemPic(s, item); });
    Expect("portrait 0 is 89, scaled", 36, 36,
           {{0, 0, Coded(288, 256, 5)}, {35, 35, Coded(319, 287, 5)}}, kGrey, 36 * 36,
           [](Surface& s) { DrawPortraitPic(s, 0); });
    Expect("custom portrait without a sheet clears", 36, 36, {}, kGrey, 0, [](Surface& s) {
        DrawPortraitPic(s, 0); DrawPortraitPic(s, 1000); });
    Expect("custom portrait", 36, 36, {{4, 0, Coded(28, 0, 12)}, {3, 0, kGrey}}, kGrey, 28 * 36,
           [](Surface& s) { Custom(36); DrawPortraitPic(s, 1001); });
    Expect("dialog picture number", 36, 36,
           {{0, 0, Coded(0, 144, 4)}, {35, 35, Coded(35, 179, 4)}}, kGrey, 36 * 36,
           [](Surface& s) { DrawPictureNumber(s, 816); });
    Expect("monster picture number", 36, 36, {{0, 0, Coded(0, 0, 20)}}, kWhite, 28 * 36,
           [](Surface& s) { DrawPictureNumber(s, 400); });
    Expect("map icon", 28, 36, {{20, 35, Coded(62, 6, 8)}}, kGrey, 21 * 7,
           [](Surface& s) { DrawTerDispIcon(s, 6, 0, 29); });
    Expect("cell strip", 28, 36, {{12, 0, Coded(152, 288, 9)}}, kGrey, 4 * 16,
           [](Surface& s) { DrawCellQuarterPic(s, 2, 0, 0); });
    Expect("item on the map: the map shows through white", 56, 36,
           {{33, 9, Coded(90, 72, 7)}, {34, 9, kGrey}, {32, 9, kGrey}}, kGrey, 18 * 18 - 1,
           [](Surface& s) {
               frmPics.imgTinyobjpics.setPixel(91, 72, kWhite);
               DrawItemOnMap(s, 45, 28, 0); });
    Expect("field: the map shows through white", 28, 36, {{3, 4, kRed}}, kGrey, 1, [](Surface& s) {
        frmPics.imgFieldpics.fill(kWhite);
        frmPics.imgFieldpics.setPixel(5 * 28 + 3, 4, kRed); // one dot in the web's cell
        DrawFieldPic(s, 0, 0, 0); });
    Expect("rectangle edges", 30, 40,
           {{27, 17, kRed}, {13, 35, kRed}, {28, 18, kWhite}, {14, 17, kRed}, {0, 16, kYellow}},
           kGrey, 61, [](Surface& s) {
               for (std::int16_t piece : {2, 3, 6, 8}) DrawCellRectEdges(s, piece, 0, 0); });
    Expect("transparent blt, then an empty and a too wide rectangle", 4, 4,
           {{0, 0, kGrey}, {1, 1, Coded(2, 2, 3)}}, kGrey, 3, [](Surface& s) {
               QImage source = CodedSheet(4, 4, 3);
               source.setPixel(1, 1, kWhite);
               TransparentBlt(s, source, {1, 1, 3, 3}, 0, 0);
               TransparentBlt(s, source, {3, 3, 1, 1}, 0, 0);
               TransparentBlt(s, source, {0, 0, 40000, 2}, 0, 0); }); // wider than 16 bits allow
    Expect("marble", 100, 150, {{0, 0, Coded(192, 0, 1)}, {99, 149, Coded(192 + 35, 21, 1)}},
           kGrey, 100 * 150, [](Surface& s) { PaintMarbleBackground(s, 3, nullptr); });
    // clang-format on
}

TEST(Drawing, OnlyTheDarkMarbleStylesWhitenEveryLabel) {
    CodedSheetsScope sheets;
    Surface window(100, 150, kGrey);
    QWidget labels;
    QLabel *first = new QLabel("x", &labels), *second = new QLabel("y", &labels);
    const auto text = [](QLabel* l) { return l->palette().color(QPalette::WindowText).rgb(); };
    const QRgb before = text(first);
    PaintMarbleBackground(window, 3, &labels);
    EXPECT_EQ(text(first), before);
    PaintMarbleBackground(window, 6, &labels);
    EXPECT_EQ(window.Pixel(0, 0), Coded(128, 64, 1));
    EXPECT_EQ(std::pair(text(first), text(second)), std::pair(kWhite, kWhite));
}

TEST(LoadCustomPics, MissingOrUnreadableSheetLeavesTheHolderEmptyAndReportsNothing) {
    TempFolder folder;
    MsgBoxRecorder boxes;
    ASSERT_TRUE(CodedSheet(280, 72).save(QString::fromStdString(folder.File("Abc.bmp")), "BMP"));
    PutFileText(folder.File("Bad.bmp"), "not a picture");
    for (const char* missing : {"None.bmp", "Bad.bmp"}) {
        LoadCustomPics(folder.File("Abc.bmp"));
        EXPECT_EQ(std::tuple(CustomPicsLoaded, frmPics.imgCustomPics.size()),
                  std::tuple(-1, QSize(280, 72)));
        LoadCustomPics(folder.File(missing));
        EXPECT_EQ(std::tuple(CustomPicsLoaded, frmPics.imgCustomPics.isNull()), std::tuple(0, true))
            << missing;
    }
    EXPECT_TRUE(boxes.Calls().empty());
}

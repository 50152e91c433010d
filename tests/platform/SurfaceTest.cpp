#include "platform/Surface.h"
#include "platform/PictureBox.h"
#include "platform/RuntimeError.h"
#include "support/TempFolder.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {
constexpr QRgb kGrey = 0xFF808080u;
constexpr QRgb kBlue = 0xFF0000FFu;

// A source whose every pixel has its own colour, so a test can tell which one landed where.
QImage CodedImage(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 9 + 1, y * 7 + 1, 7));
    return image;
}

QRgb Coded(int x, int y) {
    return qRgb(x * 9 + 1, y * 7 + 1, 7);
}
} // namespace

TEST(TransparentCopy, KeepsTheDestinationExactlyWhereTheSourceIsPureWhite) {
    QImage source(3, 2, QImage::Format_RGB32);
    source.fill(kWhite);
    source.setPixel(1, 0, kBlack);
    source.setPixel(2, 1, 0xFFFFFFFEu); // nearly white is still a colour
    source.setPixel(0, 1, 0xFFFEFFFFu);
    Surface dest(5, 4, kGrey);

    TransparentCopy(dest, 1, 1, source, {0, 0, 3, 2});

    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) {
            QRgb expected = kGrey;
            if (x == 2 && y == 1) expected = kBlack;
            if (x == 3 && y == 2) expected = 0xFFFFFFFEu;
            if (x == 1 && y == 2) expected = 0xFFFEFFFFu;
            EXPECT_EQ(dest.Pixel(x, y), expected) << x << "," << y;
        }
}

TEST(TransparentCopy, AllWhiteChangesNothingAndNoWhiteReplacesEverything) {
    QImage white(4, 4, QImage::Format_RGB32);
    white.fill(kWhite);
    Surface dest(4, 4, kGrey);
    TransparentCopy(dest, 0, 0, white, {0, 0, 4, 4});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(dest.Pixel(x, y), kGrey);

    const QImage coded = CodedImage(4, 4);
    TransparentCopy(dest, 0, 0, coded, {0, 0, 4, 4});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(dest.Pixel(x, y), Coded(x, y));
}

TEST(TransparentCopy, ClipsToSourceAndDestination) {
    const QImage coded = CodedImage(3, 3);
    Surface dest(4, 4, kGrey);
    // Source rectangle hangs over the right and bottom edges of the sheet, destination over
    // the left edge of the surface.
    TransparentCopy(dest, -1, 0, coded, {1, 1, 4, 4});
    EXPECT_EQ(dest.Pixel(0, 0), Coded(2, 1));
    EXPECT_EQ(dest.Pixel(0, 1), Coded(2, 2));
    EXPECT_EQ(dest.Pixel(1, 0), kGrey); // source x 3 is off the sheet
    EXPECT_EQ(dest.Pixel(0, 2), kGrey);
}

TEST(CopyBlock, SameSizeCopiesPixelForPixel) {
    const QImage coded = CodedImage(5, 5);
    Surface dest(3, 3, kGrey);
    CopyBlock(dest, {1, 1, 2, 2}, coded, {2, 3, 2, 2});
    EXPECT_EQ(dest.Pixel(0, 0), kGrey);
    EXPECT_EQ(dest.Pixel(1, 1), Coded(2, 3));
    EXPECT_EQ(dest.Pixel(2, 1), Coded(3, 3));
    EXPECT_EQ(dest.Pixel(1, 2), Coded(2, 4));
    EXPECT_EQ(dest.Pixel(2, 2), Coded(3, 4));
}

TEST(CopyBlock, StretchingRepeatsPixelsWithoutBlending) {
    const QImage coded = CodedImage(2, 1);
    Surface dest(4, 2, kGrey);
    CopyBlock(dest, {0, 0, 4, 2}, coded, {0, 0, 2, 1});
    EXPECT_EQ(dest.Pixel(0, 0), Coded(0, 0));
    EXPECT_EQ(dest.Pixel(1, 0), Coded(0, 0));
    EXPECT_EQ(dest.Pixel(2, 0), Coded(1, 0));
    EXPECT_EQ(dest.Pixel(3, 1), Coded(1, 0));
}

TEST(CopyBlock, ShrinkingDropsPixels) {
    // 28 wide to 16 wide, as small terrain is drawn: every pixel is one of the source's.
    const QImage coded = CodedImage(28, 36);
    Surface dest(16, 16, kGrey);
    CopyBlock(dest, {0, 0, 16, 16}, coded, {0, 0, 28, 36});
    EXPECT_EQ(dest.Pixel(0, 0), Coded(0, 1));
    EXPECT_EQ(dest.Pixel(15, 15), Coded(27, 34));
    for (int x = 1; x < 16; ++x)
        EXPECT_GT(qRed(dest.Pixel(x, 0)), qRed(dest.Pixel(x - 1, 0)));
}

TEST(CopyBlock, OnlyThePartOnTheSheetIsCopied) {
    const QImage coded = CodedImage(4, 4);
    struct Case {
        const char* edge;
        PixelRect source;
        int copiedW, copiedH;
        int dx, dy; // where the first copied source pixel (sx, sy) lands
        int sx, sy;
    };
    const Case cases[] = {
        {"left", {-2, 0, 4, 4}, 2, 4, 2, 0, 0, 0},
        {"top", {0, -3, 4, 4}, 4, 1, 0, 3, 0, 0},
        {"right", {2, 0, 4, 4}, 2, 4, 0, 0, 2, 0},
        {"bottom", {0, 3, 4, 4}, 4, 1, 0, 0, 0, 3},
    };
    for (const Case& c : cases) {
        Surface dest(4, 4, kGrey);
        CopyBlock(dest, {0, 0, 4, 4}, coded, c.source);
        int copied = 0;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                if (dest.Pixel(x, y) != kGrey) ++copied;
        EXPECT_EQ(copied, c.copiedW * c.copiedH) << c.edge;
        EXPECT_EQ(dest.Pixel(c.dx, c.dy), Coded(c.sx, c.sy)) << c.edge;
    }

    Surface dest(4, 4, kGrey);
    CopyBlock(dest, {0, 0, 4, 4}, coded, {10, 10, 4, 4});
    EXPECT_EQ(dest.Pixel(0, 0), kGrey);
    CopyBlock(dest, {0, 0, 4, 4}, QImage(), {0, 0, 4, 4});
    EXPECT_EQ(dest.Pixel(0, 0), kGrey);
}

TEST(CopyBlock, DestinationPartlyOffTheSurfaceIsClipped) {
    const QImage coded = CodedImage(4, 4);
    Surface dest(3, 3, kGrey);
    CopyBlock(dest, {-2, 1, 4, 4}, coded, {0, 0, 4, 4});
    EXPECT_EQ(dest.Pixel(0, 1), Coded(2, 0));
    EXPECT_EQ(dest.Pixel(1, 2), Coded(3, 1));
    EXPECT_EQ(dest.Pixel(2, 1), kGrey);
    EXPECT_EQ(dest.Pixel(0, 0), kGrey);
}

TEST(DrawLine, DrawsBothEndsAndClips) {
    Surface dest(5, 5, kGrey);
    DrawLine(dest, 3, 2, 0, 2, kRed);
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(dest.Pixel(x, 2), x <= 3 ? kRed : kGrey) << x;
    EXPECT_EQ(dest.Pixel(3, 1), kGrey);

    DrawLine(dest, 4, -3, 4, 6, kBlue); // off both ends of the surface
    for (int y = 0; y < 5; ++y)
        EXPECT_EQ(dest.Pixel(4, y), kBlue);
}

TEST(TileBlock, RepeatsTheTileAcrossTheArea) {
    const QImage coded = CodedImage(4, 4);
    Surface dest(5, 3, kGrey);
    TileBlock(dest, {0, 0, 5, 3}, coded, {1, 1, 2, 2});
    EXPECT_EQ(dest.Pixel(0, 0), Coded(1, 1));
    EXPECT_EQ(dest.Pixel(2, 0), Coded(1, 1));
    EXPECT_EQ(dest.Pixel(3, 2), Coded(2, 1));
    EXPECT_EQ(dest.Pixel(4, 1), Coded(1, 2));
}

TEST(Surface, BackColourClearsAndResizeKeepsWhatFits) {
    Surface surface(3, 3, kGrey);
    DrawLine(surface, 0, 0, 2, 0, kRed);
    surface.Resize(2, 4);
    EXPECT_EQ(surface.Width(), 2);
    EXPECT_EQ(surface.Height(), 4);
    EXPECT_EQ(surface.Pixel(1, 0), kRed);
    EXPECT_EQ(surface.Pixel(1, 3), kGrey);

    surface.SetBackColour(kWhite);
    EXPECT_EQ(surface.Pixel(1, 0), kWhite);
    DrawLine(surface, 0, 0, 0, 0, kRed);
    surface.Clear();
    EXPECT_EQ(surface.Pixel(0, 0), kWhite);
}

TEST(LoadBitmapFile, ReadsABitmapAndReportsMissingOrBrokenFiles) {
    TempFolder folder;
    QImage image = CodedImage(3, 2);
    ASSERT_TRUE(image.save(QString::fromStdString(folder.File("a.bmp")), "BMP"));
    const QImage loaded = LoadBitmapFile(folder.File("a.bmp"));
    ASSERT_EQ(loaded.size(), QSize(3, 2));
    EXPECT_EQ(loaded.pixel(2, 1) | 0xFF000000u, Coded(2, 1));

    try {
        LoadBitmapFile(folder.File("none.bmp"));
        FAIL() << "a missing file loaded";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::FileNotFound);
    }
    PutFileText(folder.File("broken.bmp"), "BM this is no picture");
    try {
        LoadBitmapFile(folder.File("broken.bmp"));
        FAIL() << "a broken file loaded";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), kErrInvalidPicture);
        EXPECT_EQ(e.description(), "Invalid picture");
    }
}

TEST(PictureBox, SizesItsSurfaceAndKeepsDrawingBetweenPaints) {
    PictureBox box;
    box.ResizePixels(28, 36);
    EXPECT_EQ(box.width(), 28);
    EXPECT_EQ(box.surface().Width(), 28);
    EXPECT_EQ(box.surface().Height(), 36);
    box.SetBackColour(kGrey);
    DrawLine(box.surface(), 0, 0, 27, 0, kRed);
    const QImage shown = box.grab().toImage();
    EXPECT_EQ(shown.pixel(5, 0) | 0xFF000000u, kRed);
    EXPECT_EQ(shown.pixel(5, 5) | 0xFF000000u, kGrey);
}

TEST(SetLabelsTextColour, TurnsEveryLabelOfTheWindow) {
    QWidget window;
    auto* first = new QLabel("a", &window);
    auto* second = new QLabel("b", &window);
    SetLabelsTextColour(window, kWhite);
    EXPECT_EQ(first->palette().color(QPalette::WindowText).rgb(), kWhite);
    EXPECT_EQ(second->palette().color(QPalette::WindowText).rgb(), kWhite);
}

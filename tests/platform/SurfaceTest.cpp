#include "platform/qt/Surface.h"
#include "platform/core/RuntimeError.h"
#include "platform/qt/PictureBox.h"
#include "support/TempFolder.h"

#include <QImageReader>
#include <QLabel>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>

namespace {
constexpr QRgb kGrey = 0xFF808080u;
constexpr QRgb kBlue = 0xFF0000FFu;

// A source whose every pixel has its own colour, so a test can tell which one landed where.
QRgb Coded(int x, int y) {
    return qRgb(x * 9 + 1, y * 7 + 1, 7);
}

QImage CodedImage(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, Coded(x, y));
    return image;
}

std::vector<QRgb> All(const Surface& s) {
    std::vector<QRgb> pixels;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            pixels.push_back(s.Pixel(x, y));
    return pixels;
}

int CountNot(const Surface& s, QRgb colour) {
    const auto pixels = All(s);
    return static_cast<int>(
        std::count_if(pixels.begin(), pixels.end(), [colour](QRgb p) { return p != colour; }));
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
    const QRgb g = kGrey;
    EXPECT_EQ(All(dest),
              (std::vector<QRgb>{g, g,           g, g,           g, g, g, kBlack, g, g, //
                                 g, 0xFFFEFFFFu, g, 0xFFFFFFFEu, g, g, g, g,      g, g}));
}

TEST(CopyBlock, CopiesPixelForPixelAndStretchesWithoutBlending) {
    const QImage coded = CodedImage(5, 5);
    Surface same(3, 3, kGrey);
    CopyBlock(same, {1, 1, 2, 2}, coded, {2, 3, 2, 2});
    EXPECT_EQ(All(same), (std::vector<QRgb>{kGrey, kGrey, kGrey,             //
                                            kGrey, Coded(2, 3), Coded(3, 3), //
                                            kGrey, Coded(2, 4), Coded(3, 4)}));
    Surface stretched(4, 2, kGrey);
    CopyBlock(stretched, {0, 0, 4, 2}, coded, {0, 0, 2, 1});
    const QRgb a = Coded(0, 0), b = Coded(1, 0);
    EXPECT_EQ(All(stretched), (std::vector<QRgb>{a, a, b, b, a, a, b, b}));
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

TEST(CopyBlock, ClipsScaledAndUnscaledCopiesAtEveryEdgeOfTheSheetAndTheSurface) {
    const QImage coded = CodedImage(4, 4);
    const QImage big = CodedImage(8, 8);
    struct Case {
        const char* edge;
        const QImage& sheet;
        PixelRect dest, source;
        int copied;
        int dx, dy, sx, sy; // the source pixel (sx, sy) lands on (dx, dy); sx < 0: nothing
    };
    // clang-format off
    const Case cases[] = {
        {"sheet's left", coded, {0, 0, 4, 4}, {-2, 0, 4, 4}, 2 * 4, 2, 0, 0, 0},
        {"sheet's top", coded, {0, 0, 4, 4}, {0, -3, 4, 4}, 4 * 1, 0, 3, 0, 0},
        {"sheet's right", coded, {0, 0, 4, 4}, {2, 0, 4, 4}, 2 * 4, 0, 0, 2, 0},
        {"sheet's bottom", coded, {0, 0, 4, 4}, {0, 3, 4, 4}, 4 * 1, 0, 0, 0, 3},
        {"off the sheet", coded, {0, 0, 4, 4}, {10, 10, 4, 4}, 0, 0, 0, -1, -1},
        {"no sheet", QImage(), {0, 0, 4, 4}, {0, 0, 4, 4}, 0, 0, 0, -1, -1},
        {"surface's left", coded, {-2, 1, 4, 4}, {0, 0, 4, 4}, 2 * 3, 0, 1, 2, 0},
        {"surface's right", big, {2, 0, 4, 4}, {0, 0, 4, 4}, 2 * 4, 3, 0, 1, 0},
        {"surface's bottom", big, {0, 3, 4, 4}, {0, 0, 4, 4}, 4 * 1, 0, 3, 0, 0},
        {"surface's top", big, {0, -2, 4, 4}, {1, 1, 4, 4}, 4 * 2, 0, 0, 1, 3},
        {"wholly right of the surface", big, {4, 0, 4, 4}, {0, 0, 4, 4}, 0, 3, 0, -1, -1},
        // Doubled: destination offset i shows source offset i / 2.
        {"doubled over the surface's left", big, {-3, 0, 8, 4}, {0, 0, 4, 2}, 4 * 4, 0, 0, 1, 0},
        {"doubled over the surface's left, further in", big, {-3, 0, 8, 4}, {0, 0, 4, 2}, 16, 3, 3, 3, 1},
        {"doubled over the surface's right and bottom", big, {2, 2, 8, 8}, {0, 0, 4, 4}, 2 * 2, 3, 3, 0, 0},
        {"doubled over the sheet's left", big, {0, 0, 4, 4}, {-1, 0, 2, 2}, 2 * 4, 2, 0, 0, 0},
        {"doubled wholly left of the sheet", big, {0, 0, 4, 4}, {-2, 0, 2, 2}, 0, 0, 0, -1, -1},
        // Halved: destination offset i shows source offset 2 i + 1.
        {"halved over the sheet's right and bottom", big, {0, 0, 4, 4}, {4, 4, 8, 8}, 2 * 2, 1, 1, 7, 7},
        {"halved over the sheet's top", big, {0, 0, 4, 4}, {0, -4, 8, 8}, 4 * 2, 0, 2, 1, 1},
        // Each of the last two destination columns shows source column 3.
        {"far off the surface", big, {-1000000000, 0, 1000000002, 4}, {0, 0, 4, 4}, 2 * 4, 1, 0, 3, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        Surface dest(4, 4, kGrey);
        CopyBlock(dest, c.dest, c.sheet, c.source);
        EXPECT_EQ(CountNot(dest, kGrey), c.copied) << c.edge;
        EXPECT_EQ(dest.Pixel(c.dx, c.dy), c.sx < 0 ? kGrey : Coded(c.sx, c.sy)) << c.edge;
    }
}

TEST(CopyBlock, SheetsOfAnyFormatCopyTheSameColours) {
    const QImage coded = CodedImage(6, 6);
    Surface fromRgb32(5, 5, kGrey);
    CopyBlock(fromRgb32, {-1, 0, 9, 4}, coded, {0, 1, 6, 3});
    for (const QImage::Format format :
         {QImage::Format_RGB888, QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB16}) {
        // Through 16 bits some colours change, so the reference is the converted sheet itself.
        const QImage sheet = coded.convertToFormat(format);
        Surface expected(5, 5, kGrey);
        CopyBlock(expected, {-1, 0, 9, 4}, sheet.convertToFormat(QImage::Format_RGB32),
                  {0, 1, 6, 3});
        Surface dest(5, 5, kGrey);
        CopyBlock(dest, {-1, 0, 9, 4}, sheet, {0, 1, 6, 3});
        EXPECT_EQ(All(dest), All(expected)) << format;
    }
    EXPECT_EQ(CountNot(fromRgb32, kGrey), 5 * 4);

    // The alpha of a sheet that has one is ignored: what is drawn is opaque.
    QImage translucent(5, 1, QImage::Format_ARGB32);
    for (int x = 0; x < 5; ++x)
        translucent.setPixel(x, 0, x == 3 ? 0x00FFFFFFu : 0x80112233u + static_cast<QRgb>(x));
    Surface copied(5, 1, kGrey);
    CopyBlock(copied, {0, 0, 5, 1}, translucent, {0, 0, 5, 1});
    Surface transparent(5, 1, kGrey);
    TransparentCopy(transparent, 0, 0, translucent, {0, 0, 5, 1});
    // Read as stored: QImage::pixel would hide a wrong alpha byte on an RGB32 surface.
    const auto stored = [](const Surface& s, int x) {
        return reinterpret_cast<const QRgb*>(s.Image().constScanLine(0))[x];
    };
    for (int x = 0; x < 5; ++x) {
        const QRgb opaque = x == 3 ? kWhite : 0xFF112233u + static_cast<QRgb>(x);
        EXPECT_EQ(stored(copied, x), opaque) << x;
        EXPECT_EQ(stored(transparent, x), x == 3 ? kGrey : opaque) << x;
    }
}

TEST(TransparentCopy, ClipsAtEveryEdgeAndCopiesLongRowsWhole) {
    struct Case {
        const char* edge;
        int sheetSide, x, y;
        PixelRect source;
        std::array<std::array<int, 4>, 2> landings; // (dx, dy) shows the source pixel (sx, sy)
    };
    const Case cases[] = {
        // Over the right and bottom edges of the sheet, and over the left edge of the surface.
        {"sheet's end, surface's left", 3, -1, 0, {1, 1, 4, 4}, {{{0, 0, 2, 1}, {0, 1, 2, 2}}}},
        {"surface's right and bottom", 4, 2, 3, {0, 0, 4, 4}, {{{2, 3, 0, 0}, {3, 3, 1, 0}}}},
    };
    for (const Case& c : cases) {
        Surface dest(4, 4, kGrey);
        TransparentCopy(dest, c.x, c.y, CodedImage(c.sheetSide, c.sheetSide), c.source);
        for (const auto& [dx, dy, sx, sy] : c.landings)
            EXPECT_EQ(dest.Pixel(dx, dy), Coded(sx, sy)) << c.edge;
        EXPECT_EQ(CountNot(dest, kGrey), 2) << c.edge;
    }

    // A row long enough for the copy to work in steps, white only here and there.
    QImage row(11, 1, QImage::Format_RGB32);
    for (int x = 0; x < 11; ++x)
        row.setPixel(x, 0, x % 3 == 1 ? kWhite : Coded(x, 0));
    Surface wide(12, 1, kGrey);
    TransparentCopy(wide, 1, 0, row, {0, 0, 11, 1});
    for (int x = 1; x < 12; ++x)
        EXPECT_EQ(wide.Pixel(x, 0), (x - 1) % 3 == 1 ? kGrey : Coded(x - 1, 0)) << x;
    EXPECT_EQ(wide.Pixel(0, 0), kGrey);
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

    const auto errorOf = [&folder](const char* name) {
        try {
            LoadBitmapFile(folder.File(name));
        } catch (const RuntimeError& e) {
            return std::pair{e.number(), e.description()};
        }
        return std::pair{0, std::string("loaded")};
    };
    EXPECT_EQ(errorOf("none.bmp").first, err::FileNotFound);
    PutFileText(folder.File("broken.bmp"), "BM this is no picture");
    EXPECT_EQ(errorOf("broken.bmp"),
              (std::pair{kErrInvalidPicture, std::string("Invalid picture")}));
}

namespace {
// A 24-bit bitmap file of the coded image, written field by field.
struct BitmapShape {
    int width, height;
    bool topDown = false;
    int gapBeforePixels = 0;
    int droppedTailBytes = 0;
    int bitCount = 24;
};

std::vector<std::uint8_t> BitmapBytes(const BitmapShape& b) {
    std::vector<std::uint8_t> bytes;
    const auto put = [&bytes](std::uint32_t value, int width) {
        for (int i = 0; i < width; ++i)
            bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    const int stride = (b.width * 3 + 3) / 4 * 4;
    const std::uint32_t offset = 54 + static_cast<std::uint32_t>(b.gapBeforePixels);
    bytes.push_back('B');
    bytes.push_back('M');
    put(offset + static_cast<std::uint32_t>(stride * b.height), 4);
    put(0, 4);
    put(offset, 4);
    put(40, 4);
    put(static_cast<std::uint32_t>(b.width), 4);
    put(static_cast<std::uint32_t>(b.topDown ? -b.height : b.height), 4);
    put(1, 2);
    put(static_cast<std::uint32_t>(b.bitCount), 2);
    put(0, 4);
    put(static_cast<std::uint32_t>(stride * b.height), 4);
    put(2835, 4);
    put(3780, 4);
    put(0, 4); // colours used
    put(0, 4); // colours important
    bytes.resize(offset, 0xEE);
    for (int r = 0; r < b.height; ++r) {
        const int y = b.topDown ? r : b.height - 1 - r;
        for (int x = 0; x < b.width; ++x)
            put(Coded(x, y) & 0xFFFFFFu, 3);
        bytes.resize(bytes.size() + static_cast<std::size_t>(stride - b.width * 3), 0xEE);
    }
    bytes.resize(bytes.size() - static_cast<std::size_t>(b.droppedTailBytes));
    return bytes;
}
} // namespace

// The sheets' own reader must give what the general picture reader gives, for every row
// padding, both row orders, a gap before the pixels, and the files it leaves to that reader.
TEST(LoadBitmapFile, GivesThePixelsOfTheGeneralReader) {
    const BitmapShape shapes[] = {
        {1, 2},
        {2, 3},
        {3, 2},
        {4, 1},
        {3, 2, true},
        {2, 2, false, 6},
        {3, 3, false, 0, 1},
        {3, 3, true, 0, 5},
        {2, 2, false, 0, 0, 32},
    };
    TempFolder folder;
    for (const BitmapShape& shape : shapes) {
        SCOPED_TRACE(testing::Message()
                     << shape.width << "x" << shape.height << " top-down " << shape.topDown
                     << " gap " << shape.gapBeforePixels << " dropped " << shape.droppedTailBytes
                     << " bits " << shape.bitCount);
        const std::string path = folder.File("shape.bmp");
        PutFileBytes(path, BitmapBytes(shape));
        const QImage expected =
            QImageReader(QString::fromStdString(path)).read().convertToFormat(QImage::Format_RGB32);
        try {
            const QImage loaded = LoadBitmapFile(path);
            // The general reader leaves the pixels of missing rows undefined.
            if (shape.droppedTailBytes == 0)
                EXPECT_EQ(loaded, expected);
            else
                EXPECT_EQ(loaded.size(), expected.size());
            EXPECT_EQ(loaded.dotsPerMeterX(), expected.dotsPerMeterX());
            EXPECT_EQ(loaded.dotsPerMeterY(), expected.dotsPerMeterY());
        } catch (const RuntimeError& e) {
            EXPECT_TRUE(expected.isNull());
            EXPECT_EQ(e.number(), kErrInvalidPicture);
        }
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

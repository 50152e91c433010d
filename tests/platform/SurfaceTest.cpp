#include "platform/qt/Surface.h"
#include "platform/core/RuntimeError.h"
#include "platform/qt/PictureBox.h"
#include "support/TempFolder.h"
#include "support/qt/CodedSheets.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace {
constexpr QRgb kGrey = 0xFF808080u;
constexpr QRgb kBlue = 0xFF0000FFu;

// The surface as text, rows apart: a pixel of a coded sheet shows its position in two base-36
// digits, the grey back colour "..", white "WW", red "RR", blue "BB", any other value as stored.
// Read as stored: QImage::pixel would hide a wrong alpha byte on an RGB32 surface.
std::string Shown(const Surface& s) {
    const std::map<QRgb, std::string> named{
        {kGrey, ".."}, {kWhite, "WW"}, {kRed, "RR"}, {kBlue, "BB"}};
    std::string text;
    for (int y = 0; y < s.Height(); ++y, text += y < s.Height() ? " " : "")
        for (int x = 0; x < s.Width(); ++x) {
            const QRgb p = reinterpret_cast<const QRgb*>(s.Image().constScanLine(y))[x];
            const bool coded = (p & 0xFF0000FFu) == kBlack && qRed(p) < 36 && qGreen(p) < 36;
            const QString other =
                coded ? QString::number(qRed(p), 36) + QString::number(qGreen(p), 36)
                      : QString::number(p, 16);
            text += named.count(p) ? named.at(p) : other.toStdString();
        }
    return text;
}

// The sheet in each format a sheet may come in; the ARGB32 one half transparent and its white
// wholly so, since the alpha of a sheet is ignored.
std::vector<QImage> InEveryFormat(const QImage& sheet) {
    std::vector<QImage> sheets{sheet};
    for (const auto format : {QImage::Format_RGB888, QImage::Format_ARGB32_Premultiplied})
        sheets.push_back(sheet.convertToFormat(format));
    QImage& translucent = sheets.emplace_back(sheet.convertToFormat(QImage::Format_ARGB32));
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            translucent.setPixel(
                x, y, sheet.pixel(x, y) & (sheet.pixel(x, y) == kWhite ? 0xFFFFFFu : 0x80FFFFFFu));
    return sheets;
}

// The coded sheet with white wherever x + y leaves 1 when divided by 3, and two nearly white
// pixels (which are colours) below.
QImage Dotted() {
    QImage sheet = CodedSheet(11, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 11; ++x)
            if ((x + y) % 3 == 1) sheet.setPixel(x, y, kWhite);
    sheet.setPixel(0, 2, 0xFFFFFFFEu);
    sheet.setPixel(2, 2, 0xFFFEFFFFu);
    return sheet;
}
} // namespace

TEST(CopyBlock, CopiesPixelForPixelStretchedOrTransparentlyWithoutBlendingAndClipsAtEveryEdge) {
    // clang-format off
    const std::tuple<PixelRect, PixelRect, const char*> cases[] = {
        {{1, 1, 2, 2}, {2, 3, 2, 2}, "........ ..2333.. ..2434.. ........"}, // pixel for pixel
        {{0, 0, 4, 2}, {0, 0, 2, 1}, "00001010 00001010 ........ ........"}, // stretched
        // Over each edge of the sheet, then of the surface.
        {{0, 0, 4, 4}, {-2, 0, 4, 4}, "....0010 ....0111 ....0212 ....0313"},
        {{0, 0, 4, 4}, {0, -3, 4, 4}, "........ ........ ........ 00102030"},
        {{0, 0, 4, 4}, {6, 0, 4, 4}, "6070.... 6171.... 6272.... 6373...."},
        {{0, 0, 4, 4}, {0, 7, 4, 4}, "07172737 ........ ........ ........"},
        {{0, 0, 4, 4}, {10, 10, 4, 4}, "........ ........ ........ ........"},
        {{-2, 1, 4, 4}, {0, 0, 4, 4}, "........ 2030.... 2131.... 2232...."},
        {{2, 0, 4, 4}, {0, 0, 4, 4}, "....0010 ....0111 ....0212 ....0313"},
        {{0, 3, 4, 4}, {0, 0, 4, 4}, "........ ........ ........ 00102030"},
        {{0, -2, 4, 4}, {1, 1, 4, 4}, "13233343 14243444 ........ ........"},
        {{4, 0, 4, 4}, {0, 0, 4, 4}, "........ ........ ........ ........"},
        // Doubled: destination offset i shows source offset i / 2.
        {{-3, 0, 8, 4}, {0, 0, 4, 2}, "10202030 10202030 11212131 11212131"},
        {{2, 2, 8, 8}, {0, 0, 4, 4}, "........ ........ ....0000 ....0000"},
        {{0, 0, 4, 4}, {-1, 0, 2, 2}, "....0000 ....0000 ....0101 ....0101"},
        {{-2, 0, 8, 4}, {6, 0, 4, 2}, "7070.... 7070.... 7171.... 7171...."},
        {{0, 0, 4, 4}, {-2, 0, 2, 2}, "........ ........ ........ ........"},
        // Halved: destination offset i shows source offset 2 i + 1.
        {{0, 0, 4, 4}, {4, 4, 8, 8}, "5575.... 5777.... ........ ........"},
        {{0, 0, 4, 4}, {0, -4, 8, 8}, "........ ........ 11315171 13335373"},
        // Far off the surface.
        {{-1000000000, 0, 1000000002, 4}, {0, 0, 4, 4}, "3030.... 3131.... 3232.... 3333...."},
    };
    // clang-format on
    for (const QImage& sheet : InEveryFormat(CodedSheet(8, 8)))
        for (const auto& [to, from, shown] : cases) {
            Surface dest(4, 4, kGrey);
            CopyBlock(dest, to, sheet, from);
            EXPECT_EQ(Shown(dest), shown) << sheet.format() << " to " << to.x << "," << to.y;
        }
    Surface dest(4, 4, kGrey);
    CopyBlock(dest, {0, 0, 4, 4}, QImage(), {0, 0, 4, 4}); // no sheet
    EXPECT_EQ(CountNot(dest, kGrey), 0);
    // 28 wide to 16 wide, as small terrain is drawn: every pixel is one of the source's.
    Surface small(16, 16, kGrey);
    CopyBlock(small, {0, 0, 16, 16}, CodedSheet(28, 36), {0, 0, 28, 36});
    EXPECT_EQ(Shown(small).substr(0, 32), "012141617191b1d1e1g1i1k1l1n1p1r1");
    EXPECT_EQ(small.Pixel(15, 15), Coded(27, 34));
    // A transparent copy keeps the destination where the sheet is pure white, and clips at every
    // edge too.
    // clang-format off
    const std::tuple<int, int, int, int, PixelRect, const char*> transparent[] = {
        {5, 4, 1, 1, {0, 0, 3, 3}, ".......... ..00..20.. ....1121.. ..fffffffe12fffeffff.."},
        // The sheet's end and the surface's left; the surface's right and bottom; a row long
        // enough to be copied in steps.
        {4, 4, -1, 0, {9, 1, 4, 4}, "a1...... a2...... ........ ........"},
        {4, 4, 2, 3, {2, 0, 4, 4}, "........ ........ ........ ....2030"},
        {12, 1, 1, 0, {0, 0, 11, 1}, "..00..2030..5060..8090.."},
    };
    // clang-format on
    for (const QImage& sheet : InEveryFormat(Dotted()))
        for (const auto& [w, h, x, y, source, shown] : transparent) {
            Surface dest(w, h, kGrey);
            TransparentCopy(dest, x, y, sheet, source);
            EXPECT_EQ(Shown(dest), shown) << sheet.format() << " at " << x << "," << y;
        }
}

TEST(Surface, DrawsLinesTilesClearsResizesAndShowsInAPictureBox) {
    Surface lines(5, 5, kGrey);
    DrawLine(lines, 3, 2, 0, 2, kRed);
    DrawLine(lines, 4, -3, 4, 6, kBlue); // off both ends of the surface
    EXPECT_EQ(Shown(lines), "........BB ........BB RRRRRRRRBB ........BB ........BB");
    Surface tiled(5, 3, kGrey);
    TileBlock(tiled, {0, 0, 5, 3}, CodedSheet(4, 4), {1, 1, 2, 2});
    EXPECT_EQ(Shown(tiled), "1121112111 1222122212 1121112111");

    Surface surface(3, 3, kGrey);
    DrawLine(surface, 0, 0, 2, 0, kRed);
    surface.Resize(2, 4); // keeps what fits
    EXPECT_EQ(Shown(surface), "RRRR .... .... ....");
    surface.SetBackColour(kWhite);
    EXPECT_EQ(Shown(surface), "WWWW WWWW WWWW WWWW");
    DrawLine(surface, 0, 0, 0, 0, kRed);
    surface.Clear();
    EXPECT_EQ(surface.Pixel(0, 0), kWhite);

    // A picture box sizes its surface and keeps the drawing between paints.
    PictureBox box;
    box.ResizePixels(28, 36);
    EXPECT_EQ(std::tuple(box.width(), box.surface().Width(), box.surface().Height()),
              std::tuple(28, 28, 36));
    box.SetBackColour(kGrey);
    DrawLine(box.surface(), 0, 0, 27, 0, kRed);
    const QImage shown = box.grab().toImage();
    EXPECT_EQ(shown.pixel(5, 0) | 0xFF000000u, kRed);
    EXPECT_EQ(shown.pixel(5, 5) | 0xFF000000u, kGrey);
}

// The sheets' own reader must give what the general picture reader gives, for every row
// padding, both row orders, a gap before the pixels, and the files it leaves to that reader.
TEST(LoadBitmapFile, GivesThePixelsOrTheErrorOfTheGeneralReader) {
    // The coded sheet as the general writer writes it: 24 bits a pixel, rows from the bottom up.
    const auto bitmap = [](int width, int height) {
        QImage image = CodedSheet(width, height);
        image.setDotsPerMeterX(2835); // unlike the resolution down
        QBuffer buffer;
        image.save(&buffer, "BMP");
        return buffer.data();
    };
    const auto topDown = [](QByteArray& b) {
        const int height = qFromLittleEndian<std::int32_t>(b.constData() + 22);
        const auto stride = (b.size() - 54) / height;
        QByteArray rows;
        for (int r = height; r-- > 0;)
            rows += b.mid(54 + r * stride, stride);
        b = b.left(54) + rows;
        qToLittleEndian<std::int32_t>(-height, b.data() + 22);
    };
    // clang-format off
    const std::pair<QByteArray, std::function<void(QByteArray&)>> files[] = {
        {bitmap(1, 2), {}}, {bitmap(2, 3), {}}, {bitmap(3, 2), {}}, {bitmap(4, 1), {}},
        {bitmap(3, 2), topDown},
        {bitmap(2, 2), [](QByteArray& b) { b.insert(54, QByteArray(6, '\xEE')); b[10] = 60; }},
        {bitmap(3, 3), [](QByteArray& b) { b.chop(1); }},
        {bitmap(3, 3), [&topDown](QByteArray& b) { topDown(b), b.chop(5); }},
        {bitmap(2, 2), [](QByteArray& b) { b[28] = 32; }}, // claims 32 bits a pixel
        {"BM this is no picture", {}}, {"", {}}, // the last writes no file
    };
    // clang-format on
    TempFolder folder;
    const std::string path = folder.File("sheet.bmp");
    for (auto [bytes, edit] : files) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        if (edit) edit(bytes);
        std::filesystem::remove(path);
        if (!bytes.isEmpty()) PutFileBytes(path, {bytes.begin(), bytes.end()});
        const QImage expected =
            QImageReader(QString::fromStdString(path)).read().convertToFormat(QImage::Format_RGB32);
        try {
            const QImage loaded = LoadBitmapFile(path);
            // The general reader leaves the pixels of missing rows undefined.
            const bool cut = bytes.size() < qFromLittleEndian<std::int32_t>(bytes.constData() + 2);
            EXPECT_EQ(cut ? QImage() : loaded, cut ? QImage() : expected);
            EXPECT_EQ(
                std::tuple(loaded.size(), loaded.dotsPerMeterX(), loaded.dotsPerMeterY()),
                std::tuple(expected.size(), expected.dotsPerMeterX(), expected.dotsPerMeterY()));
        } catch (const RuntimeError& e) {
            EXPECT_TRUE(expected.isNull());
            EXPECT_EQ(std::to_string(e.number()) + " " + e.description(),
                      bytes.isEmpty() ? "53 File not found" : "481 Invalid picture");
        }
    }
}

// The picture copies the drawing code makes, each beside a QPainter::drawImage of the same
// rectangle into the same surface, so that one run gives the ratios.
#include "platform/qt/Surface.h"

#include <QPainter>
#include <benchmark/benchmark.h>

namespace {
// A sheet with a different colour in every pixel and some white for the transparent copy.
QImage MakeSheet() {
    QImage sheet(280, 360, QImage::Format_RGB32);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            sheet.setPixel(x, y, (x + y) % 3 == 0 ? qRgb(255, 255, 255) : qRgb(x, y, x ^ y));
    return sheet;
}

const QImage& Sheet() {
    static const QImage sheet = MakeSheet();
    return sheet;
}

// A map-sized surface; every copy lands at the same place inside it.
constexpr int kSurfaceW = 28 * 9;
constexpr int kSurfaceH = 36 * 9;
constexpr PixelRect kTile{56, 72, 28, 36};
constexpr int kAtX = 112;
constexpr int kAtY = 144;

// Destination sizes of the scaled copies: small terrain, a quarter of a large monster, and a
// tile shown twice as large.
const PixelRect kScaledTo[] = {{kAtX, kAtY, 16, 16}, {kAtX, kAtY, 14, 18}, {kAtX, kAtY, 56, 72}};

void BM_DrawImage_Unscaled(benchmark::State& state) {
    Surface surface(kSurfaceW, kSurfaceH);
    QPainter painter(&surface.Pixels());
    for (auto _ : state) {
        painter.drawImage(QPoint(kAtX, kAtY), Sheet(), QRect(kTile.x, kTile.y, kTile.w, kTile.h));
        benchmark::ClobberMemory();
    }
}

void BM_CopyBlock_Unscaled(benchmark::State& state) {
    Surface surface(kSurfaceW, kSurfaceH);
    for (auto _ : state) {
        CopyBlock(surface, {kAtX, kAtY, kTile.w, kTile.h}, Sheet(), kTile);
        benchmark::ClobberMemory();
    }
}

void BM_TransparentCopy(benchmark::State& state) {
    Surface surface(kSurfaceW, kSurfaceH);
    for (auto _ : state) {
        TransparentCopy(surface, kAtX, kAtY, Sheet(), kTile);
        benchmark::ClobberMemory();
    }
}

void BM_DrawImage_Scaled(benchmark::State& state) {
    const PixelRect& to = kScaledTo[state.range(0)];
    Surface surface(kSurfaceW, kSurfaceH);
    QPainter painter(&surface.Pixels());
    for (auto _ : state) {
        painter.drawImage(QRect(to.x, to.y, to.w, to.h), Sheet(),
                          QRect(kTile.x, kTile.y, kTile.w, kTile.h));
        benchmark::ClobberMemory();
    }
    state.SetLabel(std::to_string(to.w) + "x" + std::to_string(to.h));
}

void BM_CopyBlock_Scaled(benchmark::State& state) {
    const PixelRect& to = kScaledTo[state.range(0)];
    Surface surface(kSurfaceW, kSurfaceH);
    for (auto _ : state) {
        CopyBlock(surface, to, Sheet(), kTile);
        benchmark::ClobberMemory();
    }
    state.SetLabel(std::to_string(to.w) + "x" + std::to_string(to.h));
}

// The marble background of a large window: 64 x 64 tiles.
void BM_DrawImage_MarbleWindow(benchmark::State& state) {
    Surface surface(800, 600);
    QPainter painter(&surface.Pixels());
    for (auto _ : state) {
        for (int y = 0; y < 600; y += 64)
            for (int x = 0; x < 800; x += 64)
                painter.drawImage(QPoint(x, y), Sheet(), QRect(0, 0, 64, 64));
        benchmark::ClobberMemory();
    }
}

void BM_TileBlock_MarbleWindow(benchmark::State& state) {
    Surface surface(800, 600);
    for (auto _ : state) {
        TileBlock(surface, {0, 0, 800, 600}, Sheet(), {0, 0, 64, 64});
        benchmark::ClobberMemory();
    }
}
} // namespace

BENCHMARK(BM_DrawImage_Unscaled);
BENCHMARK(BM_CopyBlock_Unscaled);
BENCHMARK(BM_TransparentCopy);
BENCHMARK(BM_DrawImage_Scaled)->DenseRange(0, 2);
BENCHMARK(BM_CopyBlock_Scaled)->DenseRange(0, 2);
BENCHMARK(BM_DrawImage_MarbleWindow);
BENCHMARK(BM_TileBlock_MarbleWindow);

BENCHMARK_MAIN();

#include "map/MapView.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr int kPictureMargin = 4;

// The first grid cell that the view shows in each direction.
std::pair<int, int> ViewOrigin() {
    if (Map.ZoomView) return {Map.MapCenter.X - kDetailReach, Map.MapCenter.Y - kDetailReach};
    if (EditingOutdoors()) return {1, 1};
    return {0, 0};
}

// Cells the whole view shows each way: the town, or the section without its border ring.
int WholeViewSpan() {
    return EditingOutdoors() ? Map.MapMax - 1 : Map.MapMax + 1;
}

// The cell the keypad's middle key centres on.
int HomeCenter(int fallback) {
    switch (Map.EditMode) {
    case kEditLargeTown:
        return 32;
    case kEditMediumTown:
    case kEditOutdoors:
        return 24;
    case kEditSmallTown:
        return 16;
    default:
        return fallback;
    }
}
} // namespace

std::optional<PixelPoint> MapPictureSize() {
    if (Map.ZoomView)
        return PixelPoint{kDetailSpan * kDetailCellSize.Width + kPictureMargin,
                          kDetailSpan * kDetailCellSize.Height + kPictureMargin};
    switch (Map.EditMode) {
    case kEditLargeTown:
        return PixelPoint{388, 388};
    case kEditMediumTown:
    case kEditOutdoors:
        return PixelPoint{292, 292};
    case kEditSmallTown:
        return PixelPoint{196, 196};
    default:
        return std::nullopt;
    }
}

CellSize ViewCellSize() {
    return Map.ZoomView ? kDetailCellSize : kWholeCellSize;
}

std::optional<PixelPoint> CellPlaceInView(int x, int y) {
    const auto [x0, y0] = ViewOrigin();
    const int span = Map.ZoomView ? kDetailSpan : WholeViewSpan();
    const int i = x - x0;
    const int j = y - y0;
    if (i < 0 || j < 0 || i >= span || j >= span) return std::nullopt;
    const CellSize size = ViewCellSize();
    return PixelPoint{i * size.Width, j * size.Height};
}

ViewCell ViewCellAtPixel(double px, double py) {
    const CellSize size = ViewCellSize();
    const auto cell = [](double pixel, int width) {
        constexpr double kLowest = std::numeric_limits<std::int16_t>::min();
        constexpr double kHighest = std::numeric_limits<std::int16_t>::max();
        return static_cast<std::int16_t>(std::clamp(std::floor(pixel / width), kLowest, kHighest));
    };
    return {cell(px, size.Width), cell(py, size.Height)};
}

std::pair<int, int> GridCellOfViewCell(ViewCell cell) {
    const auto [x0, y0] = ViewOrigin();
    return {x0 + cell.X, y0 + cell.Y};
}

std::pair<int, int> CenterLabelNumbers() {
    const int shift = EditingOutdoors() ? 1 : 0;
    return {Map.MapCenter.X - shift, Map.MapCenter.Y - shift};
}

std::pair<int, int> MouseLabelNumbers(ViewCell cell) {
    if (!Map.ZoomView) return {cell.X, cell.Y};
    const auto [x, y] = GridCellOfViewCell(cell);
    const int shift = EditingOutdoors() ? 1 : 0;
    return {x - shift, y - shift};
}

std::optional<Location> ScrolledCenter(int keypadDigit) {
    if (keypadDigit < 1 || keypadDigit > 9) return std::nullopt;
    int x = Map.MapCenter.X;
    int y = Map.MapCenter.Y;
    if (keypadDigit == 5) {
        x = HomeCenter(x);
        y = HomeCenter(y);
    } else {
        // Keypad 1..9 laid out as the keys sit: 7 8 9 above, 1 2 3 below.
        const int column = (keypadDigit - 1) % 3;
        const int row = (keypadDigit - 1) / 3;
        x += column - 1;
        y -= row - 1;
    }
    const CenterLimits& limits = Map.MapCenterLimits;
    x = std::clamp(x, static_cast<int>(limits.MinX), std::max<int>(limits.MinX, limits.MaxX));
    y = std::clamp(y, static_cast<int>(limits.MinY), std::max<int>(limits.MinY, limits.MaxY));
    const Location centre{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)};
    if (centre == Map.MapCenter) return std::nullopt;
    return centre;
}

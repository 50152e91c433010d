#pragma once

#include "map/MapState.h"

#include <optional>
#include <utility>

// Where the map view shows the grid: picture size, cell places, the cell under a pixel, the
// numbers of the coordinate labels and keypad scrolling. Plain arithmetic on Map.

struct PixelPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// The detail view shows this many cells each way around its centre.
constexpr int kDetailSpan = 9;
constexpr int kDetailReach = 4;

// The size of the map picture box for the current view and edit mode: the drawn cells plus a
// margin of 4 pixels; none in the whole view for a value that is no edit mode.
std::optional<PixelPoint> MapPictureSize();

// The cell size of the current view.
CellSize ViewCellSize();

// The top left pixel of grid cell (x, y) in the current view; none when the view does not show
// the cell (beyond the 9 x 9 cells of the detail view, or the outdoor border ring).
std::optional<PixelPoint> CellPlaceInView(int x, int y);

// The view cell under a point of the picture box, in pixels and fractions of one, rounding down
// (also left of and above it). The one place where a position on the map becomes a cell.
ViewCell ViewCellAtPixel(double px, double py);
// The grid cell that a view cell shows.
std::pair<int, int> GridCellOfViewCell(ViewCell cell);

// The numbers behind "X: " and "Y: " of the centre labels and of the labels of the cell under
// the mouse: coordinates of the town or of the outdoor section itself.
std::pair<int, int> CenterLabelNumbers();
std::pair<int, int> MouseLabelNumbers(ViewCell cell);

// The centre after pressing keypad key 1..9 in the detail view, kept inside MapCenterLimits;
// none when the centre stays where it is.
std::optional<Location> ScrolledCenter(int keypadDigit);

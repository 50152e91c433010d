#pragma once

#include "map/MapCell.h"
#include "scenario/ScenarioRecords.h"

#include <cstdint>

// The range allowed for the centre of the 9 x 9 detail view.
struct CenterLimits {
    std::uint8_t MinX = 0;
    std::uint8_t MinY = 0;
    std::uint8_t MaxX = 0;
    std::uint8_t MaxY = 0;
    bool operator==(const CenterLimits&) const = default;
};

// The cell indexes that may be changed, the same range for x and y.
struct CellRange {
    std::uint8_t Lowest = 0;
    std::uint8_t Highest = 0;
    bool Contains(int i) const { return i >= Lowest && i <= Highest; }
    bool operator==(const CellRange&) const = default;
};

// A cell of the picture box (not of the grid), or a size in pixels.
struct ViewCell {
    std::int16_t X = 0;
    std::int16_t Y = 0;
    bool operator==(const ViewCell&) const = default;
};
struct CellSize {
    std::int16_t Width = 0;
    std::int16_t Height = 0;
    bool operator==(const CellSize&) const = default;
};

// The edit modes: the current town, whose value is its size, or the current outdoor section.
constexpr std::int16_t kEditLargeTown = 0;
constexpr std::int16_t kEditMediumTown = 1;
constexpr std::int16_t kEditSmallTown = 2;
constexpr std::int16_t kEditOutdoors = 3;

constexpr CellSize kDetailCellSize{28, 36};
constexpr CellSize kWholeCellSize{6, 6};

// The map editor's state: the area being edited, the view of it, the working grid and the
// terrain selections. Not part of the scenario file; one instance for the program.
struct MapState {
    // 0..2 the current town (equal to its size), 3 the current outdoor section.
    std::int16_t EditMode = 0;
    // Largest cell index of MapCells in both directions.
    std::int16_t MapMax = 0;
    // The 9 x 9 detail view when true, the whole area when false.
    bool ZoomView = true;
    // The cell at the centre of the detail view, and its allowed range.
    Location MapCenter;
    CenterLimits MapCenterLimits;
    CellRange EditBounds;
    MapCellGrid MapCells;

    // The terrain last chosen in the palette, the terrain the current stroke puts down, and
    // the background terrain (0 or 2) that erasing and the two-cell terrains put back. They
    // keep their values across scenarios and edit modes.
    std::uint8_t SelectedTerrain = 0;
    std::uint8_t PaintTerrain = 0;
    std::uint8_t EraseTerrain = 0;

    // The view cell of the last press or cell-changing move, and the view's cell size.
    ViewCell MouseCell;
    CellSize CellPixelSize = kDetailCellSize;

    bool operator==(const MapState&) const = default;
};

extern MapState Map;

// Whether the edit mode shows an outdoor section (with its one-cell border) rather than a town.
inline bool EditingOutdoors() {
    return Map.EditMode == kEditOutdoors;
}

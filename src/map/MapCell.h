#pragma once

#include "platform/core/RuntimeError.h"

#include <array>
#include <cstdint>
#include <vector>

// One creature picture tile lying on a cell: the creature's index in the town's list and which
// tile of its picture this is (0 the top left anchor, then right, below, below right).
struct CreatureTile {
    std::int16_t Creature = 0;
    std::int16_t Tile = 0;
    bool operator==(const CreatureTile&) const = default;
};

// Edge pieces of one rectangle group within MapCell::Edges: +0 left half of the horizontal line
// through the cell's centre, +1 upper half of the vertical line, +2 right half, +3 lower half.
constexpr int kEdgeLeft = 0;
constexpr int kEdgeUp = 1;
constexpr int kEdgeRight = 2;
constexpr int kEdgeDown = 3;
// The groups: area rectangles, the town boundary, saved-item areas.
constexpr int kAreaEdges = 0;
constexpr int kBoundaryEdges = 4;
constexpr int kSavedItemEdges = 8;

constexpr int kFieldKinds = 14;

// One cell of the working map grid: the cell's terrain and everything drawn over it, copied
// from the records of the area. Marks are -1 where set and 0 where not; indexes are -1 for
// none. Outdoors the town-only members (fields, transport, items, creatures) are not filled in.
struct MapCell {
    std::uint8_t Terrain = 0;
    std::int16_t StartMark = 0;
    std::int16_t WanderMark = 0;
    std::array<std::int16_t, 4> EntryMark{};
    std::int16_t SpotIndex = 0;
    std::int16_t SignIndex = 0;
    std::array<std::int16_t, 12> Edges{};
    std::int16_t EntranceIndex = 0;
    std::array<std::int16_t, kFieldKinds> FieldIndex{};
    std::int16_t TransportMark = 0;
    // Indexes in the town's preset-item list of the items on this cell, in list order.
    std::vector<std::int16_t> ItemIndexes;
    // Every creature picture tile that covers this cell.
    std::vector<CreatureTile> CreatureTiles;

    // Upper bounds of the two lists; -1 when empty.
    std::int16_t ItemTop() const { return static_cast<std::int16_t>(ItemIndexes.size()) - 1; }
    std::int16_t CreatureTop() const { return static_cast<std::int16_t>(CreatureTiles.size()) - 1; }

    bool operator==(const MapCell&) const = default;
};

// The square grid of cells indexed (x, y), both 0..Side() - 1.
class MapCellGrid {
  public:
    MapCellGrid() = default;
    explicit MapCellGrid(int side)
        : side_(side > 0 ? side : 0), cells_(static_cast<std::size_t>(side_ * side_)) {}

    int Side() const { return side_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < side_ && y < side_; }

    // Raises "Subscript out of range" outside the grid.
    MapCell& At(int x, int y) { return cells_[Index(x, y)]; }
    const MapCell& At(int x, int y) const { return cells_[Index(x, y)]; }
    // Null outside the grid: for marks taken from records, which may lie anywhere.
    MapCell* Find(int x, int y) { return Contains(x, y) ? &cells_[Offset(x, y)] : nullptr; }
    const MapCell* Find(int x, int y) const {
        return Contains(x, y) ? &cells_[Offset(x, y)] : nullptr;
    }

    std::vector<MapCell>& Cells() { return cells_; }
    const std::vector<MapCell>& Cells() const { return cells_; }

    bool operator==(const MapCellGrid&) const = default;

  private:
    std::size_t Offset(int x, int y) const { return static_cast<std::size_t>(x + side_ * y); }
    std::size_t Index(int x, int y) const {
        if (!Contains(x, y)) RaiseError(err::SubscriptOutOfRange);
        return Offset(x, y);
    }

    int side_ = 0;
    std::vector<MapCell> cells_;
};

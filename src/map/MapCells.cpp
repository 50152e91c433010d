#include "map/MapCells.h"

#include "graphics/core/PictureNumbering.h"
#include "map/MapHost.h"
#include "scenario/Scenario.h"

#include <algorithm>

namespace {
constexpr std::uint8_t kFreeX = 100;
// What the border ring shows beyond the edge of the world.
constexpr std::uint8_t kBeyondTheWorld = 90;

constexpr std::array<MapViewSettings, 4> kViewSettings = {{
    {63, {32, 32}, {0, 63}, {4, 4, 59, 59}},
    {47, {24, 24}, {0, 47}, {4, 4, 43, 43}},
    {31, {16, 16}, {0, 31}, {4, 4, 27, 27}},
    {49, {25, 25}, {1, 48}, {4, 4, 45, 45}},
}};

MapCell* CellAt(int x, int y) {
    return Map.MapCells.Find(x, y);
}

void SetEdge(int x, int y, int piece, std::int16_t value) {
    if (MapCell* cell = CellAt(x, y)) cell->Edges[static_cast<std::size_t>(piece)] = value;
}

// A closed line through the centres of the rectangle's border cells: each cell holds the
// half-lines that meet at its centre, so the corners keep only the two halves that turn.
void MarkRectEdges(int left, int top, int right, int bottom, int group) {
    for (int x = left; x <= right; ++x)
        for (int y : {top, bottom}) {
            SetEdge(x, y, group + kEdgeLeft, -1);
            SetEdge(x, y, group + kEdgeRight, -1);
        }
    for (int y = top; y <= bottom; ++y)
        for (int x : {left, right}) {
            SetEdge(x, y, group + kEdgeUp, -1);
            SetEdge(x, y, group + kEdgeDown, -1);
        }
    const struct {
        int x, y, first, second;
    } corners[] = {{left, top, kEdgeLeft, kEdgeUp},
                   {left, bottom, kEdgeLeft, kEdgeDown},
                   {right, top, kEdgeUp, kEdgeRight},
                   {right, bottom, kEdgeRight, kEdgeDown}};
    for (const auto& c : corners) {
        SetEdge(c.x, c.y, group + c.first, 0);
        SetEdge(c.x, c.y, group + c.second, 0);
    }
}

bool IsFreeRect(const AreaRect& r) {
    return r.Left + r.Top + r.Right + r.Bottom == 0;
}

void AddCreatureTile(int x, int y, std::int16_t creature, std::int16_t tile) {
    if (MapCell* cell = CellAt(x, y)) cell->CreatureTiles.push_back({creature, tile});
}

void BuildTownCells(const Town& town) {
    const TerrainGrid& terrain = town.Terrain;
    for (int y = 0; y < Map.MapCells.Side(); ++y)
        for (int x = 0; x < Map.MapCells.Side(); ++x) {
            MapCell& cell = Map.MapCells.At(x, y);
            if (x < terrain.Side() && y < terrain.Side()) cell.Terrain = terrain.At(x, y);
            cell.SpotIndex = cell.SignIndex = cell.TransportMark = -1;
            cell.FieldIndex.fill(-1);
        }

    if (Scen.CurrentTown == Scen.StartTown)
        if (MapCell* cell = CellAt(Scen.StartTownLoc.X, Scen.StartTownLoc.Y)) cell->StartMark = -1;
    for (const Location& loc : town.WanderingLocs)
        if (loc.X != kFreeX)
            if (MapCell* cell = CellAt(loc.X, loc.Y)) cell->WanderMark = -1;
    // Entry points have no free value: each is marked wherever it lies.
    for (std::size_t i = 0; i < town.EntryPoints.size(); ++i)
        if (MapCell* cell = CellAt(town.EntryPoints[i].X, town.EntryPoints[i].Y))
            cell->EntryMark[i] = -1;
    for (std::size_t i = 0; i < town.SpecialSpots.size(); ++i) {
        const SpecialSpot& spot = town.SpecialSpots[i];
        if (spot.X != kFreeX)
            if (MapCell* cell = CellAt(spot.X, spot.Y))
                cell->SpotIndex = static_cast<std::int16_t>(i);
    }
    for (std::size_t i = 0; i < town.SignLocs.size(); ++i) {
        const Location& sign = town.SignLocs[i];
        if (sign.X != kFreeX)
            if (MapCell* cell = CellAt(sign.X, sign.Y))
                cell->SignIndex = static_cast<std::int16_t>(i);
    }
    for (const AreaRect& rect : town.AreaRects)
        MarkAreaRectEdges(rect, 0);
    MarkTownBoundaryEdges(town.Boundary);
    for (const SavedItemArea& area : Scen.SavedItemAreas)
        if (area.Town == Scen.CurrentTown)
            MarkSavedItemRectEdges({area.Left, area.Top, area.Right, area.Bottom});

    for (std::size_t i = 0; i < town.Fields.size(); ++i) {
        const TownField& field = town.Fields[i];
        if (field.X == kFreeX || field.FieldKind < 0 || field.FieldKind >= kFieldKinds) continue;
        if (MapCell* cell = CellAt(field.X, field.Y))
            cell->FieldIndex[static_cast<std::size_t>(field.FieldKind)] =
                static_cast<std::int16_t>(i);
    }
    for (std::size_t i = 0; i < town.PresetItems.size(); ++i) {
        const PresetItem& item = town.PresetItems[i];
        if (item.X != kFreeX)
            if (MapCell* cell = CellAt(item.X, item.Y))
                cell->ItemIndexes.push_back(static_cast<std::int16_t>(i));
    }
    PlaceTownCreaturesInCells();

    // A horse replaces a boat on the same cell.
    for (const auto* list : {&Scen.Boats, &Scen.Horses})
        for (const Transport& t : *list)
            if (t.Town == Scen.CurrentTown)
                if (MapCell* cell = CellAt(t.X, t.Y))
                    cell->TransportMark = list == &Scen.Boats ? 0 : 1;
}

void BuildOutdoorCells() {
    const OutdoorGrid& world = Scen.OutdoorSections;
    const int sx = Scen.CurrentOutdoorX;
    const int sy = Scen.CurrentOutdoorY;
    const OutdoorSection& section = world.At(sx, sy);
    const int last = Map.MapCells.Side() - 1;
    const auto edge = [&](int x, int y, int cx, int cy) -> std::uint8_t {
        if (x < 0 || y < 0 || x >= world.Width() || y >= world.Height()) return kBeyondTheWorld;
        return world.At(x, y).Terrain.At(cx, cy);
    };

    for (int x : {0, last})
        for (int y : {0, last})
            Map.MapCells.At(x, y).Terrain = kBeyondTheWorld;
    for (int i = 1; i < last; ++i) {
        Map.MapCells.At(0, i).Terrain = edge(sx - 1, sy, kOutdoorSide - 1, i - 1);
        Map.MapCells.At(last, i).Terrain = edge(sx + 1, sy, 0, i - 1);
        Map.MapCells.At(i, 0).Terrain = edge(sx, sy - 1, i - 1, kOutdoorSide - 1);
        Map.MapCells.At(i, last).Terrain = edge(sx, sy + 1, i - 1, 0);
    }
    for (int y = 1; y < last; ++y)
        for (int x = 1; x < last; ++x)
            Map.MapCells.At(x, y).Terrain = section.Terrain.At(x - 1, y - 1);
    for (MapCell& cell : Map.MapCells.Cells())
        cell.SpotIndex = cell.SignIndex = cell.EntranceIndex = -1;

    // Every record position is a section cell; the grid's border moves it by one.
    const auto shifted = [](int x, int y) { return CellAt(x + 1, y + 1); };
    if (Scen.StartOutdoorSection[0] == sx && Scen.StartOutdoorSection[1] == sy)
        if (MapCell* cell = shifted(Scen.StartOutdoorLoc.X, Scen.StartOutdoorLoc.Y))
            cell->StartMark = -1;
    for (const Location& loc : section.WanderingLocs)
        if (loc.X != kFreeX)
            if (MapCell* cell = shifted(loc.X, loc.Y)) cell->WanderMark = -1;
    for (std::size_t i = 0; i < section.SpecialSpots.size(); ++i) {
        const SpecialSpot& spot = section.SpecialSpots[i];
        if (spot.X != kFreeX)
            if (MapCell* cell = shifted(spot.X, spot.Y))
                cell->SpotIndex = static_cast<std::int16_t>(i);
    }
    for (std::size_t i = 0; i < section.SignLocs.size(); ++i) {
        const Location& sign = section.SignLocs[i];
        if (sign.X != kFreeX)
            if (MapCell* cell = shifted(sign.X, sign.Y))
                cell->SignIndex = static_cast<std::int16_t>(i);
    }
    for (std::size_t i = 0; i < section.TownEntrances.size(); ++i) {
        const TownEntrance& entrance = section.TownEntrances[i];
        // An entrance to a town the scenario does not have leads nowhere.
        if (entrance.X != kFreeX && entrance.Town < Scen.TownCount)
            if (MapCell* cell = shifted(entrance.X, entrance.Y))
                cell->EntranceIndex = static_cast<std::int16_t>(i);
    }
    for (const AreaRect& rect : section.AreaRects)
        MarkAreaRectEdges(rect, 1);
}
} // namespace

const MapViewSettings* ViewSettingsFor(std::int16_t editMode) {
    if (editMode < 0 || editMode >= static_cast<int>(kViewSettings.size())) return nullptr;
    return &kViewSettings[static_cast<std::size_t>(editMode)];
}

void BuildMapCells() {
    if (const MapViewSettings* view = ViewSettingsFor(Map.EditMode)) {
        Map.MapMax = view->MapMax;
        Map.MapCenter = view->MapCenter;
        Map.EditBounds = view->EditBounds;
        Map.MapCenterLimits = view->MapCenterLimits;
    }
    Map.MapCells = MapCellGrid(Map.MapMax + 1);
    if (Map.EditMode < 0) return;
    if (Map.EditMode < kEditOutdoors)
        BuildTownCells(Scen.Towns.at(Scen.CurrentTown));
    else if (Map.EditMode == kEditOutdoors)
        BuildOutdoorCells();
}

void MarkAreaRectEdges(const AreaRect& rect, std::int16_t offset) {
    if (IsFreeRect(rect)) return;
    MarkRectEdges(rect.Left + offset, rect.Top + offset, rect.Right + offset, rect.Bottom + offset,
                  kAreaEdges);
}

void MarkTownBoundaryEdges(const AreaRect& rect) {
    for (MapCell& cell : Map.MapCells.Cells())
        std::fill_n(cell.Edges.begin() + kBoundaryEdges, 4, std::int16_t{0});
    MarkRectEdges(rect.Left, rect.Top, rect.Right, rect.Bottom, kBoundaryEdges);
}

void MarkSavedItemRectEdges(const AreaRect& rect) {
    if (IsFreeRect(rect)) return;
    MarkRectEdges(rect.Left, rect.Top, rect.Right, rect.Bottom, kSavedItemEdges);
}

int CreaturePictureSize(int picture) {
    if (picture >= 1000) return std::min(picture / 1000, 4);
    if (picture < 0 || picture >= kStandardMonsterPics) return 1;
    return MonsterPicInfo[static_cast<std::size_t>(picture)].size;
}

void PlaceTownCreaturesInCells() {
    for (MapCell& cell : Map.MapCells.Cells())
        cell.CreatureTiles.clear();
    const Town& town = Scen.Towns.at(Scen.CurrentTown);
    for (std::size_t i = 0; i < town.Creatures.size(); ++i) {
        const TownCreature& c = town.Creatures[i];
        if (c.X == kFreeX) continue;
        const int size = CreaturePictureSize(Scen.MonsterTypes[c.Monster].Picture);
        const auto index = static_cast<std::int16_t>(i);
        AddCreatureTile(c.X, c.Y, index, 0);
        if (size == 2) AddCreatureTile(c.X + 1, c.Y, index, 1);
        if (size == 3) AddCreatureTile(c.X, c.Y + 1, index, 1);
        if (size == 4) {
            AddCreatureTile(c.X + 1, c.Y, index, 1);
            AddCreatureTile(c.X, c.Y + 1, index, 2);
            AddCreatureTile(c.X + 1, c.Y + 1, index, 3);
        }
    }
}

bool SetCellTerrain(std::uint8_t terrain, int x, int y, MapHost& host) {
    if (!Map.EditBounds.Contains(x) || !Map.EditBounds.Contains(y)) return false;
    MapCell* cell = CellAt(x, y);
    if (!cell) return false;
    cell->Terrain = terrain;
    if (EditingOutdoors()) {
        Scen.OutdoorSections.At(Scen.CurrentOutdoorX, Scen.CurrentOutdoorY)
            .Terrain.At(x - 1, y - 1) = terrain;
    } else {
        TerrainGrid& grid = Scen.Towns.at(Scen.CurrentTown).Terrain;
        if (x < grid.Side() && y < grid.Side()) grid.At(x, y) = terrain;
    }
    host.RedrawCell(x, y);
    return true;
}

#include "map/MapRenderPlan.h"

#include "graphics/core/PictureNumbering.h"
#include "map/MapView.h"
#include "map/TerrainPalette.h"
#include "scenario/Scenario.h"

namespace {
// Marks inside a detail cell.
constexpr PixelPoint kStartMarkAt{0, 29};
constexpr PixelPoint kWanderMarkAt{21, 14};
constexpr PixelPoint kSpotMarkAt{21, 21};
constexpr int kEntryMarkPitch = 7;
// Terrains whose connector strips reach toward special neighbours.
constexpr int kFirstConnectorTerrain = 79;
constexpr int kLastConnectorTerrain = 81;

// Whether (x, y) is a cell of the view's grid: inside 0..MapMax and inside the grid itself.
bool InGrid(int x, int y) {
    return x >= 0 && y >= 0 && x <= Map.MapMax && y <= Map.MapMax && Map.MapCells.Contains(x, y);
}

void Add(MapDrawPlan& plan, MapDraw what, int number, int x, int y, int tile = 0) {
    plan.push_back({what, static_cast<std::int16_t>(number), static_cast<std::int16_t>(tile),
                    static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)});
}

void PlanConnectors(MapDrawPlan& plan, int px, int py, int cellX, int cellY) {
    const int neighbours[4][2] = {
        {cellX - 1, cellY}, {cellX + 1, cellY}, {cellX, cellY - 1}, {cellX, cellY + 1}};
    for (int side = 0; side < 4; ++side) {
        const int x = neighbours[side][0];
        const int y = neighbours[side][1];
        if (InGrid(x, y) && IsSpecialTerrainPic(Map.MapCells.At(x, y).Terrain))
            Add(plan, MapDraw::Connector, side, px, py);
    }
}

void PlanMarks(MapDrawPlan& plan, const MapCell& cell, int px, int py) {
    if (cell.StartMark != 0)
        Add(plan, MapDraw::Icon, kIconStartLocation, px + kStartMarkAt.X, py + kStartMarkAt.Y);
    if (cell.WanderMark != 0)
        Add(plan, MapDraw::Icon, kIconWanderPoint, px + kWanderMarkAt.X, py + kWanderMarkAt.Y);
    for (int i = 0; i < 4; ++i)
        if (cell.EntryMark[static_cast<std::size_t>(i)] != 0)
            Add(plan, MapDraw::Icon, i, px + kEntryMarkPitch * i, py);
    if (cell.SpotIndex >= 0)
        Add(plan, MapDraw::Icon, kIconSpecialSpot, px + kSpotMarkAt.X, py + kSpotMarkAt.Y);
}

// Fields, items, creatures and transport of the current town; entries that name nothing in
// their lists or tables are drawn as nothing.
void PlanTownObjects(MapDrawPlan& plan, const MapCell& cell, int px, int py) {
    const Town* town =
        Scen.CurrentTown < Scen.Towns.size() ? &Scen.Towns[Scen.CurrentTown] : nullptr;
    if (!town) return;
    for (std::int16_t index : cell.FieldIndex)
        if (index >= 0 && index < static_cast<int>(town->Fields.size()))
            Add(plan, MapDraw::Field, town->Fields[static_cast<std::size_t>(index)].FieldKind, px,
                py);
    for (std::int16_t index : cell.ItemIndexes) {
        if (index < 0 || index >= static_cast<int>(town->PresetItems.size())) break;
        const std::int16_t item = town->PresetItems[static_cast<std::size_t>(index)].Item;
        if (item < 0) break;
        if (item < static_cast<int>(Scen.ItemTypes.size()))
            Add(plan, MapDraw::Item, Scen.ItemTypes[static_cast<std::size_t>(item)].Picture, px,
                py);
    }
    for (const CreatureTile& tile : cell.CreatureTiles) {
        if (tile.Creature < 0 || tile.Creature >= static_cast<int>(town->Creatures.size()))
            continue;
        const TownCreature& creature = town->Creatures[static_cast<std::size_t>(tile.Creature)];
        Add(plan, MapDraw::Creature, Scen.MonsterTypes[creature.Monster].Picture, px, py,
            tile.Tile);
    }
    if (cell.TransportMark == 0) Add(plan, MapDraw::Boat, 0, px, py);
    if (cell.TransportMark == 1) Add(plan, MapDraw::Horse, 0, px, py);
}

void PlanDetailCell(MapDrawPlan& plan, int px, int py, int cellX, int cellY) {
    const MapCell& cell = Map.MapCells.At(cellX, cellY);
    const TerrainType& terrain = Scen.TerrainTypes[cell.Terrain];
    Add(plan, MapDraw::Terrain, terrain.Picture, px, py);
    const std::int16_t icon = MapIconOf(terrain);
    if (icon >= 0) Add(plan, MapDraw::Icon, icon, px + kIconInTile.X, py + kIconInTile.Y);
    if (cell.Terrain >= kFirstConnectorTerrain && cell.Terrain <= kLastConnectorTerrain)
        PlanConnectors(plan, px, py, cellX, cellY);
    PlanMarks(plan, cell, px, py);
    if (!EditingOutdoors()) PlanTownObjects(plan, cell, px, py);
    for (int e = 0; e < static_cast<int>(cell.Edges.size()); ++e)
        if (cell.Edges[static_cast<std::size_t>(e)] != 0) Add(plan, MapDraw::Edge, e, px, py);
}
} // namespace

void PlanMapCell(MapDrawPlan& plan, int px, int py, int cellX, int cellY) {
    if (!InGrid(cellX, cellY)) return;
    if (!Map.ZoomView) {
        const std::uint8_t t = Map.MapCells.At(cellX, cellY).Terrain;
        Add(plan, MapDraw::TinyTerrain, Scen.TerrainTypes[t].Picture, px, py);
        return;
    }
    PlanDetailCell(plan, px, py, cellX, cellY);
}

void PlanMapView(MapDrawPlan& plan) {
    const int x0 = Map.MapCenter.X - kDetailReach;
    const int y0 = Map.MapCenter.Y - kDetailReach;
    for (int i = 0; i < kDetailSpan; ++i)
        for (int j = 0; j < kDetailSpan; ++j)
            PlanMapCell(plan, kDetailCellSize.Width * i, kDetailCellSize.Height * j, x0 + i,
                        y0 + j);
}

void PlanWholeMap(MapDrawPlan& plan) {
    // Outdoors the border ring taken from the neighbouring sections is not shown.
    const int shift = EditingOutdoors() ? 1 : 0;
    const int last = Map.MapMax - 2 * shift;
    for (int i = 0; i <= last; ++i)
        for (int j = 0; j <= last; ++j)
            PlanMapCell(plan, kWholeCellSize.Width * i, kWholeCellSize.Height * j, i + shift,
                        j + shift);
}

#include "map/tools/TerrainPainting.h"

#include "map/MapCells.h"
#include "map/MapState.h"
#include "scenario/Scenario.h"
#include "scenario/tables/CommonTables.h"

#include <array>

namespace {
// The two halves of the two-cell terrains: the left one lies at x, its partner at x + 1.
bool IsLeftHalf(int t) {
    return t == 85 || t == 88;
}
bool IsRightHalf(int t) {
    return t == 86 || t == 89;
}

bool InsideEditBounds(int x, int y) {
    return Map.EditBounds.Contains(x) && Map.EditBounds.Contains(y);
}

const TerrainType& TypeOf(int terrain) {
    return Scen.TerrainTypes[static_cast<std::size_t>(terrain)];
}

bool Between(int v, int low, int high) {
    return v >= low && v <= high;
}

// Whether the neighbour at (x, y) joins a wall of style s. The first test that decides wins.
bool JoinsWall(int x, int y, int s) {
    if (!InsideEditBounds(x, y)) return true;
    const MapCell* cell = Map.MapCells.Find(x, y);
    if (!cell) return true;
    const TerrainType& n = TypeOf(cell->Terrain);
    const int p = n.Picture;
    const int ns = n.TerrainSet;
    if (ns == s) return true;
    if (Between(p, 88, 120) && s == 0) return true;
    if (p == 405) return true;
    if (Between(p, 192, 195)) return s == 1 || s == 2;
    if (Between(p, 240, 243)) return s == 0;
    if (Between(p, 5, 17) && s == 0) return true;
    if (Between(p, 59, 66) && s == 3) return true;
    return s == 2 && ns == 1;
}

// The wall piece for the joins of the eight neighbours; -1 where a full join keeps the terrain.
int WallShape(int t, bool n, bool s, bool w, bool e, bool nw, bool ne, bool sw, bool se) {
    if (n && s && w && e && nw && ne && sw && se) return (t == 23 || t == 37) ? -1 : 0;
    if (n && s && w && e && nw && ne && sw) return 12;
    if (n && s && w && e && nw && sw) return 11;
    if (n && s && w && e && nw) return 9;
    if (n && s && w && e) return 10;
    if (n && w) return e ? 1 : (s ? 3 : 2);
    if (!n && w) return e ? 5 : 4;
    if (!n && !w) return 6;
    return s ? 7 : 8;
}
} // namespace

void PaintTerrainAt(std::uint8_t terrain, int x, int y, MapHost& host) {
    if (!InsideEditBounds(x, y)) return;
    const MapCell* cell = Map.MapCells.Find(x, y);
    if (!cell) return;
    const int old = cell->Terrain;
    SetCellTerrain(terrain, x, y, host);
    // A partner beyond EditBounds is left alone by SetCellTerrain.
    if (IsLeftHalf(terrain))
        SetCellTerrain(static_cast<std::uint8_t>(terrain + 1), x + 1, y, host);
    else if (IsRightHalf(terrain))
        SetCellTerrain(static_cast<std::uint8_t>(terrain - 1), x - 1, y, host);
    else if (IsLeftHalf(old))
        SetCellTerrain(Map.EraseTerrain, x + 1, y, host);
    else if (IsRightHalf(old))
        SetCellTerrain(Map.EraseTerrain, x - 1, y, host);
    else
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                AdjustWallTerrainAt(x + dx, y + dy, host);
}

void AdjustWallTerrainAt(int x, int y, MapHost& host) {
    if (!InsideEditBounds(x, y)) return;
    const MapCell* cell = Map.MapCells.Find(x, y);
    if (!cell) return;
    const int t = cell->Terrain;
    const int s = TypeOf(t).TerrainSet;
    if (s < 0 || s >= kWallStyleCount) return;
    const int shape =
        WallShape(t, JoinsWall(x, y - 1, s), JoinsWall(x, y + 1, s), JoinsWall(x - 1, y, s),
                  JoinsWall(x + 1, y, s), JoinsWall(x - 1, y - 1, s), JoinsWall(x + 1, y - 1, s),
                  JoinsWall(x - 1, y + 1, s), JoinsWall(x + 1, y + 1, s));
    const std::uint8_t piece =
        shape < 0 ? static_cast<std::uint8_t>(t)
                  : WallTerrains[static_cast<std::size_t>(s)][static_cast<std::size_t>(shape)];
    SetCellTerrain(piece, x, y, host);
}

#include "map/objects/AreaObjects.h"

#include "map/MapCells.h"
#include "map/MapState.h"
#include "map/ToolHost.h"
#include "map/objects/ObjectLists.h"
#include "scenario/Scenario.h"

namespace {
constexpr int kNodeSetSection = 1;
constexpr int kNodeSetTown = 2;

MapCell& CellAt(int x, int y) {
    return Map.MapCells.At(x, y);
}

std::vector<SpecialSpot>& CurrentSpots() {
    return EditingOutdoors() ? CurrentSectionRecord().SpecialSpots
                             : CurrentTownRecord().SpecialSpots;
}

SpecialSpot& Spot(std::int16_t s) {
    return CurrentSpots().at(static_cast<std::size_t>(s));
}

void FreeSpot(SpecialSpot& spot) {
    spot = {-1, kFreeSlotX, 0};
}

// Gives the spot its cell and the cell its spot.
void TieSpotToCell(std::int16_t s, int x, int y) {
    SpecialSpot& spot = Spot(s);
    spot.X = StoredCoord(x);
    spot.Y = StoredCoord(y);
    CellAt(x, y).SpotIndex = s;
}

bool TownExists(int t) {
    return t >= 0 && t < Scen.TownCount && static_cast<std::size_t>(t) < Scen.Towns.size();
}

void SetTownPlace(int t, std::uint8_t sx, std::uint8_t sy, std::uint8_t ex, std::uint8_t ey) {
    if (!TownExists(t)) return;
    Town& town = Scen.Towns[static_cast<std::size_t>(t)];
    town.SectionX = sx;
    town.SectionY = sy;
    town.EntranceX = ex;
    town.EntranceY = ey;
}
} // namespace

void PlaceAreaRect(AreaRect& rect, ToolHost& host) {
    const bool outdoors = EditingOutdoors();
    auto* rects =
        outdoors ? CurrentSectionRecord().AreaRects.data() : CurrentTownRecord().AreaRects.data();
    const int count = outdoors ? 8 : 16;
    int slot = 0;
    while (slot < count) {
        const AreaRect& r = rects[slot];
        if (r.Left + r.Top + r.Right + r.Bottom == 0) break;
        ++slot;
    }
    if (slot == count) {
        if (outdoors)
            ShowLimitMessage("Each outdoor section can have at most ", count,
                             "area rectangles.  You'll need to erase some ",
                             "area before you can place more.");
        else
            ShowLimitMessage("Each town can have at most ", count,
                             "area rectangles.  You'll need to erase some ",
                             "areas before you can place more.");
        return;
    }
    rects[slot] = {StoredCoord(rect.Left), StoredCoord(rect.Top), StoredCoord(rect.Right),
                   StoredCoord(rect.Bottom)};
    host.EditAreaRect(slot);
    rect = rects[slot];
    MarkAreaRectEdges(rect, outdoors ? 1 : 0);
}

void PlaceSign(int x, int y, ToolHost& host) {
    MapCell& cell = CellAt(x, y);
    const std::int16_t n = cell.SignIndex >= 0 ? cell.SignIndex : FindFreeSignSlot();
    if (n < 0) return;
    host.EditSign(n);
    host.PassEvents();
    auto& signs =
        EditingOutdoors() ? CurrentSectionRecord().SignLocs : CurrentTownRecord().SignLocs;
    signs.at(static_cast<std::size_t>(n)) = {StoredCoord(x), StoredCoord(y)};
    CellAt(x, y).SignIndex = n;
}

void PlaceOrEditSpecial(int x, int y, ToolHost& host) {
    const std::int16_t had = CellAt(x, y).SpotIndex;
    const std::int16_t s = had >= 0 ? had : FindSpecialAt();
    if (s < 0) return;
    const std::int16_t old = Spot(s).Node;
    const int n = host.EditSpecialNode(old, EditingOutdoors() ? kNodeSetSection : kNodeSetTown);
    host.PassEvents();
    if (had >= 0) {
        if (SpecialNodeUnused(old)) EraseSpecial(x, y);
        return;
    }
    if (n < 0 || SpecialNodeUnused(n)) return;
    Spot(s).Node = static_cast<std::int16_t>(n);
    TieSpotToCell(s, x, y);
}

void SetSpecial(int x, int y, ToolHost& host) {
    const std::int16_t had = CellAt(x, y).SpotIndex;
    const std::int16_t s = had >= 0 ? had : FindSpecialAt();
    if (s < 0) return;
    host.SetSpecial(s);
    host.PassEvents();
    // What counts is the node the author chose, not the one the spot ran before.
    const std::int16_t n = Spot(s).Node;
    const bool none = n < 0 || SpecialNodeUnused(n);
    if (had >= 0) {
        if (none) EraseSpecial(x, y);
        return;
    }
    if (none) {
        // Whatever the dialog wrote, a spot that runs nothing is free in full.
        FreeSpot(Spot(s));
        return;
    }
    TieSpotToCell(s, x, y);
}

void PasteSpecial(int x, int y, std::int16_t node) {
    if (node < 0 || CellAt(x, y).SpotIndex >= 0) return;
    const std::int16_t s = FindSpecialAt();
    if (s < 0) return;
    Spot(s).Node = node;
    TieSpotToCell(s, x, y);
}

void EraseSpecial(int x, int y) {
    MapCell& cell = CellAt(x, y);
    if (cell.SpotIndex < 0) return;
    auto& spots = CurrentSpots();
    if (static_cast<std::size_t>(cell.SpotIndex) < spots.size())
        FreeSpot(spots[static_cast<std::size_t>(cell.SpotIndex)]);
    cell.SpotIndex = -1;
}

void PlaceTownEntrance(int x, int y, ToolHost& host) {
    if (!EditingOutdoors()) return;
    MapCell& cell = CellAt(x, y);
    auto& entrances = CurrentSectionRecord().TownEntrances;
    std::int16_t slot = cell.EntranceIndex;
    if (slot < 0) {
        for (std::size_t i = 0; i < entrances.size() && slot < 0; ++i)
            if (entrances[i].X == kFreeSlotX) slot = static_cast<std::int16_t>(i);
        if (slot < 0) {
            ShowLimitMessage("Each outdoor section can have at most ",
                             static_cast<int>(entrances.size()),
                             "locations with town entrances.  You'll need to erase some ",
                             "towns before you can place more.");
            return;
        }
    }
    const auto index = static_cast<std::size_t>(slot);
    const int old = entrances[index].Town;
    host.SetTownEntrance(slot);
    host.PassEvents();
    TownEntrance& entrance = CurrentSectionRecord().TownEntrances[index];
    // A town number the scenario does not have is no assignment.
    const int t = TownExists(entrance.Town) ? entrance.Town : -1;
    const std::uint8_t ex = StoredCoord(x);
    const std::uint8_t ey = StoredCoord(y);
    if (t >= 0) {
        entrance.X = ex;
        entrance.Y = ey;
        CellAt(x, y).EntranceIndex = slot;
    } else {
        entrance = {-1, kFreeSlotX, 0};
        CellAt(x, y).EntranceIndex = -1;
    }
    if (old > -1) SetTownPlace(old, 0, 0, 0, 0);
    if (t >= 0) SetTownPlace(t, Scen.CurrentOutdoorX, Scen.CurrentOutdoorY, ex, ey);
}

#include "map/objects/TownObjects.h"

#include "map/MapCells.h"
#include "map/MapState.h"
#include "map/ToolHost.h"
#include "map/objects/ObjectLists.h"
#include "map/objects/ObjectState.h"
#include "scenario/Scenario.h"

namespace {
constexpr const char* kNoFreeTransport[2] = {
    "All 24 boats of the scenario are in use.  You'll need to delete one before you can place "
    "another.",
    "All 24 horses of the scenario are in use.  You'll need to delete one before you can place "
    "another."};

MapCell& CellAt(int x, int y) {
    return Map.MapCells.At(x, y);
}

template <class T> T* Entry(std::vector<T>& list, int i) {
    return i >= 0 && static_cast<std::size_t>(i) < list.size() ? &list[static_cast<std::size_t>(i)]
                                                               : nullptr;
}

void AppendItemToCell(int x, int y, std::int16_t index) {
    CellAt(x, y).ItemIndexes.push_back(index);
    Objects.LastItemNum = index;
}

void FreeCreatureRecord(TownCreature& c) {
    c.Monster = 0;
    c.X = kFreeSlotX;
    c.Y = 0;
    c.CanMove = 0;
    c.PersonalityNum = c.Portrait = -1;
    c.TimeFlag = c.TimeValue1 = c.TimeValue2 = 0;
    c.EncounterGroup = 0;
    c.KilledNode = c.StuffDoneA = c.StuffDoneB = -1;
}
} // namespace

void PlaceField(int x, int y, int kind) {
    MapCell& cell = CellAt(x, y);
    if (kind < 0 || kind >= kFieldKinds) return;
    auto& mark = cell.FieldIndex[static_cast<std::size_t>(kind)];
    if (mark >= 0) return;
    const std::int16_t i = FindFreeField();
    if (i < 0) return;
    CurrentTownRecord().Fields[static_cast<std::size_t>(i)] = {static_cast<std::int16_t>(kind),
                                                               StoredCoord(x), StoredCoord(y)};
    mark = i;
}

void PlaceItem(int x, int y, ToolHost& host) {
    CellAt(x, y); // a cell outside the grid raises before any record changes
    const std::int16_t i = FindFreeItemSlot();
    if (i < 0) return;
    auto* item = &CurrentTownRecord().PresetItems[static_cast<std::size_t>(i)];
    item->X = StoredCoord(x);
    item->Y = StoredCoord(y);
    host.EditPresetItem(i);
    host.PassEvents();
    item = Entry(CurrentTownRecord().PresetItems, i);
    if (!item) return;
    if (item->Item < 0) {
        item->X = kFreeSlotX;
        item->Y = 0;
        return;
    }
    AppendItemToCell(x, y, i);
}

void DupItem(int x, int y) {
    auto& items = CurrentTownRecord().PresetItems;
    const PresetItem* source = Entry(items, Objects.LastItemNum);
    // The item placed last may have been erased since; a freed record makes no copy.
    if (!source || source->X == kFreeSlotX || source->Item < 0) return;
    const PresetItem copy = *source;
    const std::int16_t i = FindFreeItemSlot();
    if (i < 0) return;
    PresetItem& item = items[static_cast<std::size_t>(i)];
    item = copy;
    item.X = StoredCoord(x);
    item.Y = StoredCoord(y);
    AppendItemToCell(x, y, i);
}

void EraseItems(int x, int y) {
    MapCell& cell = CellAt(x, y);
    auto& items = CurrentTownRecord().PresetItems;
    for (const std::int16_t k : cell.ItemIndexes)
        if (PresetItem* item = Entry(items, k)) {
            *item = PresetItem{};
            item->Item = -1;
            item->X = kFreeSlotX;
            item->Charges = -1;
        }
    cell.ItemIndexes.clear();
}

void PlaceMonster(int x, int y, ToolHost& host) {
    CellAt(x, y); // a cell outside the grid raises before any record changes
    const std::int16_t i = FindFreeMonsterSlot();
    if (i < 0) return;
    auto* creature = &CurrentTownRecord().Creatures[static_cast<std::size_t>(i)];
    creature->X = StoredCoord(x);
    creature->Y = StoredCoord(y);
    host.EditTownCreature(i);
    host.PassEvents();
    creature = Entry(CurrentTownRecord().Creatures, i);
    if (!creature) return;
    if (creature->Monster == 0) {
        creature->X = kFreeSlotX;
        creature->Y = 0;
        return;
    }
    Objects.LastMonstNum = i;
    PlaceTownCreaturesInCells();
}

void DupMonster(int x, int y) {
    auto& creatures = CurrentTownRecord().Creatures;
    const TownCreature* source = Entry(creatures, Objects.LastMonstNum);
    if (!source || source->X == kFreeSlotX || source->Monster == 0) return;
    TownCreature copy = *source;
    const std::int16_t i = FindFreeMonsterSlot();
    if (i < 0) return;
    copy.X = StoredCoord(x);
    copy.Y = StoredCoord(y);
    // The slot's own unused byte is not the source's to give.
    copy.Reserved = creatures[static_cast<std::size_t>(i)].Reserved;
    creatures[static_cast<std::size_t>(i)] = copy;
    PlaceTownCreaturesInCells();
    Objects.LastMonstNum = i;
}

void EraseMonsters(int x, int y) {
    // The tiles are read whole before anything is freed.
    const std::vector<CreatureTile> tiles = CellAt(x, y).CreatureTiles;
    auto& creatures = CurrentTownRecord().Creatures;
    for (const CreatureTile& tile : tiles)
        if (TownCreature* c = Entry(creatures, tile.Creature)) FreeCreatureRecord(*c);
    PlaceTownCreaturesInCells();
}

void FreeCreature(int index) {
    if (TownCreature* c = Entry(CurrentTownRecord().Creatures, index)) FreeCreatureRecord(*c);
    PlaceTownCreaturesInCells();
}

void PlaceBoatOrHorse(int x, int y, int kind) {
    MapCell& cell = CellAt(x, y);
    // The free slot is found first: a full list must not cost the cell the boat or horse it has.
    const std::int16_t i = FindFreeBoatHorse(kind);
    if (i < 0) {
        ShowToolError(kNoFreeTransport[kind == 0 ? 0 : 1]);
        return;
    }
    if (cell.TransportMark > -1) DeleteBoatOrHorse(x, y);
    Transport& t = (kind == 0 ? Scen.Boats : Scen.Horses)[static_cast<std::size_t>(i)];
    t.Town = Scen.CurrentTown;
    t.X = StoredCoord(x);
    t.Y = StoredCoord(y);
    cell.TransportMark = kind == 0 ? 0 : 1;
}

void DeleteBoatOrHorse(int x, int y) {
    for (auto* list : {&Scen.Boats, &Scen.Horses})
        for (Transport& t : *list)
            if (t.Town == Scen.CurrentTown && t.X == x && t.Y == y) t = Transport{-1, 0, 0, 0};
    CellAt(x, y).TransportMark = -1;
}

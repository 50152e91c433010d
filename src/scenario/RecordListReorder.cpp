#include "scenario/RecordListReorder.h"

#include <algorithm>

namespace {
// Where a record of the moved range goes: F < T moves F to T and F+1..T one place up; F > T
// moves F to T+1 and T+1..F-1 one place down.
class Move {
  public:
    Move(int from, int to) : from_(from), to_(to) {}

    int NewIndexOf(int old) const {
        if (from_ < to_) {
            if (old == from_) return to_;
            if (old > from_ && old <= to_) return old - 1;
        } else {
            if (old == from_) return to_ + 1;
            if (old > to_ && old < from_) return old + 1;
        }
        return old;
    }
    int Destination() const { return from_ < to_ ? to_ : to_ + 1; }

    template <class Table> void Apply(Table& table) const {
        const auto at = [&table](int i) { return table.begin() + i; };
        if (from_ < to_)
            std::rotate(at(from_), at(from_ + 1), at(to_ + 1));
        else
            std::rotate(at(to_ + 1), at(from_), at(from_ + 1));
    }

  private:
    int from_;
    int to_;
};

bool CurrentTownExists(const Scenario& scen) {
    return scen.CurrentTown < scen.Towns.size() && scen.CurrentTown < scen.TownTalks.size();
}

bool CurrentSectionExists(const Scenario& scen) {
    return scen.CurrentOutdoorX < scen.OutdoorSections.Width() &&
           scen.CurrentOutdoorY < scen.OutdoorSections.Height();
}

bool InTable(int from, int to, int size) {
    return from >= 0 && to >= 0 && from < size && to < size;
}
} // namespace

// Only whole records move: every number that named a record (placed items, creatures, spots,
// jumps, personalities) keeps its value and now names whatever record sits there. Authors rely on
// this, and on locking the item and monster lists once a game may hold their numbers.
ListDrop DropListEntry(Scenario& scen, std::int32_t listMode, int from, int to) {
    if (from == to) return {};
    switch (listMode) {
    case 0: {
        // Only talking nodes move; the personalities above them (list indices 0..9) stay.
        constexpr int firstIndex = 10;
        if (!CurrentTownExists(scen) || from < firstIndex || to < firstIndex) return {};
        auto& nodes = scen.TownTalks[scen.CurrentTown].Nodes;
        if (!InTable(from - firstIndex, to - firstIndex, static_cast<int>(nodes.size()))) return {};
        const Move move(from - firstIndex, to - firstIndex);
        move.Apply(nodes);
        return {true, move.Destination() + firstIndex};
    }
    case 1: {
        if (scen.ListsLocked == 1 || !InTable(from, to, static_cast<int>(scen.ItemTypes.size())))
            return {};
        const Move move(from, to);
        move.Apply(scen.ItemTypes);
        return {true, move.Destination()};
    }
    case 9: {
        // List index k shows monster type k + 1.
        const int types = static_cast<int>(scen.MonsterTypes.size());
        if (scen.ListsLocked == 1 || !InTable(from + 1, to + 1, types) || from < 0 || to < 0)
            return {};
        const Move move(from + 1, to + 1);
        move.Apply(scen.MonsterTypes);
        return {true, move.Destination() - 1};
    }
    case 2: {
        if (!CurrentSectionExists(scen)) return {};
        OutdoorSection& section =
            scen.OutdoorSections.At(scen.CurrentOutdoorX, scen.CurrentOutdoorY);
        const int size = static_cast<int>(section.SpecialNodes.size());
        if (!InTable(from, to, size)) return {};
        const Move move(from, to);
        move.Apply(section.SpecialNodes);
        return {true, move.Destination()};
    }
    case 4: {
        if (!InTable(from, to, static_cast<int>(scen.ScenSpecialNodes.size()))) return {};
        const Move move(from, to);
        move.Apply(scen.ScenSpecialNodes);
        return {true, move.Destination()};
    }
    case 6: {
        if (!CurrentTownExists(scen)) return {};
        Town& town = scen.Towns[scen.CurrentTown];
        const int size = static_cast<int>(town.SpecialNodes.size());
        if (!InTable(from, to, size)) return {};
        const Move move(from, to);
        move.Apply(town.SpecialNodes);
        return {true, move.Destination()};
    }
    default:
        return {};
    }
}

#include "map/objects/ObjectLists.h"

#include "map/MapState.h"
#include "platform/core/MsgBox.h"
#include "scenario/Scenario.h"

#include <algorithm>
#include <limits>

namespace {
constexpr std::size_t kGrowth = 8;
constexpr int kTownSigns = 16;
constexpr int kSectionSigns = 8;

// A list's upper bound is a signed 16-bit value in the file, so it holds at most 32768 entries.
constexpr std::size_t kMostEntries = std::size_t{std::numeric_limits<std::int16_t>::max()} + 1;

// What the author is told when a list is full: what the list holds, in two line parts.
struct ListName {
    const char* second;
    const char* third;
};

// The first entry the predicate calls free; otherwise the list grows by 8 entries made by
// fresh(), or by as many as its bound leaves, and the first of them is the result. A list at
// its bound gets the limit message and -1.
template <class T, class IsFree, class Fresh>
std::int16_t FindOrGrow(std::vector<T>& list, IsFree isFree, Fresh fresh, ListName name) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (isFree(list[i])) return static_cast<std::int16_t>(i);
    const std::size_t first = list.size();
    if (first >= kMostEntries) {
        ShowLimitMessage(EditingOutdoors() ? "Each outdoor section can have at most "
                                           : "Each town can have at most ",
                         static_cast<int>(kMostEntries), name.second, name.third);
        return -1;
    }
    list.resize(std::min(first + kGrowth, kMostEntries), fresh());
    return static_cast<std::int16_t>(first);
}
} // namespace

Town& CurrentTownRecord() {
    return Scen.Towns.at(Scen.CurrentTown);
}

OutdoorSection& CurrentSectionRecord() {
    return Scen.OutdoorSections.At(Scen.CurrentOutdoorX, Scen.CurrentOutdoorY);
}

std::uint8_t StoredCoord(int c) {
    return static_cast<std::uint8_t>(EditingOutdoors() ? c - 1 : c);
}

std::int16_t FindFreeField() {
    return FindOrGrow(
        CurrentTownRecord().Fields, [](const TownField& f) { return f.X == kFreeSlotX; },
        [] {
            return TownField{-1, kFreeSlotX, 0};
        },
        {"fields and objects.  You'll need to erase some ", "of them before you can place more."});
}

std::int16_t FindFreeItemSlot() {
    return FindOrGrow(
        CurrentTownRecord().PresetItems, [](const PresetItem& p) { return p.X == kFreeSlotX; },
        [] {
            PresetItem p;
            p.Item = -1;
            p.X = kFreeSlotX;
            p.Charges = -1;
            return p;
        },
        {"preset items.  You'll need to erase some ", "items before you can place more."});
}

std::int16_t FindFreeMonsterSlot() {
    return FindOrGrow(
        CurrentTownRecord().Creatures, [](const TownCreature& c) { return c.X == kFreeSlotX; },
        [] {
            TownCreature c;
            c.X = kFreeSlotX;
            c.PersonalityNum = c.Portrait = c.KilledNode = -1;
            c.StuffDoneA = c.StuffDoneB = -1;
            return c;
        },
        {"creatures.  You'll need to erase some ", "creatures before you can place more."});
}

std::int16_t FindFreeSignSlot() {
    const bool outdoors = EditingOutdoors();
    const auto& signs = outdoors ? CurrentSectionRecord().SignLocs : CurrentTownRecord().SignLocs;
    const int usable = outdoors ? kSectionSigns : kTownSigns;
    for (int i = 0; i < usable; ++i)
        if (signs[static_cast<std::size_t>(i)].X == kFreeSlotX) return static_cast<std::int16_t>(i);
    ShowLimitMessage(
        outdoors ? "Each outdoor section can have at most " : "Each town can have at most ", usable,
        "locations with signs.  You'll need to erase some ", "signs before you can place more.");
    return -1;
}

std::int16_t FindSpecialAt() {
    auto& spots =
        EditingOutdoors() ? CurrentSectionRecord().SpecialSpots : CurrentTownRecord().SpecialSpots;
    return FindOrGrow(
        spots, [](const SpecialSpot& s) { return s.Node < 0; },
        [] {
            return SpecialSpot{-1, kFreeSlotX, 0};
        },
        {"special spots.  You'll need to erase some ", "special spots before you can place more."});
}

std::int16_t FindFreeBoatHorse(int kind) {
    const auto& list = kind == 0 ? Scen.Boats : Scen.Horses;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].Town == -1) return static_cast<std::int16_t>(i);
    return -1;
}

bool SpecialNodeUnused(int n) {
    const auto unused = [n](const auto& nodes) {
        if (n < 0 || static_cast<std::size_t>(n) >= nodes.size()) return true;
        const SpecialNode& node = nodes[static_cast<std::size_t>(n)];
        return node.Type == 0 && node.JumpTo == -1;
    };
    return EditingOutdoors() ? unused(CurrentSectionRecord().SpecialNodes)
                             : unused(CurrentTownRecord().SpecialNodes);
}

void ShowLimitMessage(const std::string& first, int limit, const std::string& second,
                      const std::string& third) {
    ShowToolError(first + std::to_string(limit) + "\r\n" + second + "\r\n" + third);
}

void ShowToolError(const std::string& text) {
    MsgBox(text, msgbox::OkOnly + msgbox::Exclamation, "Error!");
}

#include "dialogs/areas/AreaDescCopy.h"

#include "platform/core/RuntimeError.h"

namespace {
void CheckSlot(AreaOwner owner, std::int16_t areaNum) {
    if (areaNum < 0 || areaNum >= AreaSlotCount(owner)) RaiseError(err::SubscriptOutOfRange);
}

// Shared by the reading and the writing side, so that both pick the same record.
template <class S> auto& RectOf(S& scen, AreaOwner owner, std::int16_t areaNum) {
    CheckSlot(owner, areaNum);
    const auto slot = static_cast<std::size_t>(areaNum);
    if (owner == AreaOwner::Town) return scen.Towns.at(scen.CurrentTown).AreaRects[slot];
    return scen.OutdoorSections.At(scen.CurrentOutdoorX, scen.CurrentOutdoorY).AreaRects[slot];
}

template <class S> auto& TextOf(S& scen, AreaOwner owner, std::int16_t areaNum) {
    CheckSlot(owner, areaNum);
    const auto text = static_cast<std::size_t>(areaNum) + 1;
    if (owner == AreaOwner::Town) return scen.Towns.at(scen.CurrentTown).Strings[text];
    return scen.OutdoorSections.At(scen.CurrentOutdoorX, scen.CurrentOutdoorY).Strings[text];
}
} // namespace

int AreaSlotCount(AreaOwner owner) {
    return owner == AreaOwner::Town ? 16 : 8;
}

bool IsAreaPlaced(const AreaRect& rect) {
    return rect.Left + rect.Top + rect.Right + rect.Bottom != 0;
}

std::string AreaCornerText(const AreaRect& rect) {
    if (!IsAreaPlaced(rect)) return "Not yet placed";
    return "X = " + std::to_string(rect.Left) + ", Y = " + std::to_string(rect.Top);
}

AreaDescCopy LoadAreaDescCopy(const Scenario& scen, AreaOwner owner) {
    AreaDescCopy work;
    for (std::int16_t i = 0; i < AreaSlotCount(owner); ++i) {
        work.AreaRects[static_cast<std::size_t>(i)] = RectOf(scen, owner, i);
        work.AreaTexts[static_cast<std::size_t>(i)] = TextOf(scen, owner, i);
    }
    return work;
}

void SaveAreaDescCopy(Scenario& scen, AreaOwner owner, const AreaDescCopy& work) {
    for (std::int16_t i = 0; i < AreaSlotCount(owner); ++i) {
        CurrentAreaRect(scen, owner, i) = work.AreaRects[static_cast<std::size_t>(i)];
        CurrentAreaText(scen, owner, i) = work.AreaTexts[static_cast<std::size_t>(i)];
    }
}

std::int16_t TurnAreaPage(std::int16_t page, int step) {
    const int next = page + step;
    if (next < 0) return 1;
    if (next > 1) return 0;
    return static_cast<std::int16_t>(next);
}

AreaRect& CurrentAreaRect(Scenario& scen, AreaOwner owner, std::int16_t areaNum) {
    return RectOf(scen, owner, areaNum);
}

std::string& CurrentAreaText(Scenario& scen, AreaOwner owner, std::int16_t areaNum) {
    return TextOf(scen, owner, areaNum);
}

AreaOwner AreaOwnerOfEditMode(std::int16_t editMode) {
    return editMode == 3 ? AreaOwner::Outdoors : AreaOwner::Town;
}

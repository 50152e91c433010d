#include "scenario/ScenarioClearing.h"

#include <algorithm>

SpecialNode FreeSpecialNode() {
    return SpecialNode{0, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
}

namespace {
// Every node free, then node 0 a blocking node of the family's own type, active.
template <std::size_t N> void ClearNodeFamily(std::array<SpecialNode, N>& nodes, int blockType) {
    nodes.fill(FreeSpecialNode());
    nodes[0].Type = static_cast<std::int16_t>(blockType);
    nodes[0].Extra1a = 1;
}

std::vector<SpecialSpot> FreeSpecialSpots() {
    return std::vector<SpecialSpot>(8, {-1, 100, 0});
}

constexpr int kTownBlockNode = 8;
constexpr int kOutBlockNode = 7;
} // namespace

void ClearTown(Scenario& scen, std::int16_t townIndex) {
    if (townIndex < 0 || static_cast<std::size_t>(townIndex) >= scen.Towns.size() ||
        static_cast<std::size_t>(townIndex) >= scen.TownTalks.size())
        RaiseError(err::SubscriptOutOfRange);
    Town& town = scen.Towns[static_cast<std::size_t>(townIndex)];

    town.SectionX = town.SectionY = town.EntranceX = town.EntranceY = 0;
    for (int i = 0; i < 4; ++i) {
        town.WanderingLocs[i] = {100, 0};
        town.WanderingGroups[i].Monsters.fill(0);
    }
    town.AreaRects.fill(AreaRect{});
    town.SignLocs.fill(Location{100, 0});
    town.Fields.assign(8, TownField{-1, 100, 0});
    town.PresetItems.assign(8, PresetItem{-1, 100, 0, 0, 0, 0, 0});
    TownCreature freeCreature;
    freeCreature.X = 100;
    freeCreature.CanMove = 1;
    freeCreature.PersonalityNum = -1;
    freeCreature.KilledNode = -1;
    freeCreature.StuffDoneA = -1;
    freeCreature.StuffDoneB = -1;
    town.Creatures.assign(16, freeCreature);
    town.SpecialSpots = FreeSpecialSpots();
    ClearNodeFamily(town.SpecialNodes, kTownBlockNode);
    town.Strings.fill(std::string());

    scen.TownTalks[static_cast<std::size_t>(townIndex)] = ClearedTownTalk();
}

TownTalk ClearedTownTalk() {
    TownTalk talk;
    for (Personality& p : talk.Personalities)
        p = Personality{"Unused", "", "", "", ""};
    for (TalkingNode& node : talk.Nodes)
        node = TalkingNode{-1, 0, "xxxx", "xxxx", {0, 0, 0, 0}, "", ""};
    return talk;
}

void ClearOutdoorSection(Scenario& scen, std::int16_t x, std::int16_t y) {
    OutdoorSection& section = scen.OutdoorSections.At(x, y);
    section.AreaRects.fill(AreaRect{});
    section.TownEntrances.fill(TownEntrance{-1, 100, 0});
    section.SignLocs.fill(Location{100, 0});
    section.SpecialSpots = FreeSpecialSpots();
    ClearNodeFamily(section.SpecialNodes, kOutBlockNode);
    section.Strings.fill(std::string());
}

void ClearScenSpecialsAndStrings(Scenario& scen) {
    scen.ListsLocked = 1;
    scen.ScenSpecialNodes.fill(FreeSpecialNode());
    scen.ScenStrings.fill(std::string());
}

std::int16_t TerrainSetOf(int n) {
    switch (n) {
    case 5:
    case 6:
    case 8:
    case 9:
    case 11:
    case 12:
    case 14:
    case 15:
    case 17:
    case 18:
    case 19:
    case 20:
    case 21:
        return 0;
    default:
        break;
    }
    if (n >= 22 && n <= 35) return 1;
    if (n >= 36 && n <= 49) return 2;
    if (n >= 50 && n <= 62) return 3;
    return -1;
}

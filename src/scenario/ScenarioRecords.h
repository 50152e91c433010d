#pragma once

#include "platform/core/RuntimeError.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The records of a scenario, field for field as the files store them. Texts are the
// Windows-1252 bytes the files hold; fixed-length texts keep their blank padding.

struct Location {
    std::uint8_t X = 0;
    std::uint8_t Y = 0;
    bool operator==(const Location&) const = default;
};

struct AreaRect {
    std::uint8_t Left = 0;
    std::uint8_t Top = 0;
    std::uint8_t Right = 0;
    std::uint8_t Bottom = 0;
    bool operator==(const AreaRect&) const = default;
};

struct SpecialSpot {
    std::int16_t Node = 0;
    std::uint8_t X = 0;
    std::uint8_t Y = 0;
    bool operator==(const SpecialSpot&) const = default;
};

struct TownField {
    std::int16_t FieldKind = 0;
    std::uint8_t X = 0;
    std::uint8_t Y = 0;
    bool operator==(const TownField&) const = default;
};

struct WanderingGroup {
    std::array<std::uint8_t, 4> Monsters{};
    bool operator==(const WanderingGroup&) const = default;
};

struct TownEntrance {
    std::int16_t Town = 0;
    std::uint8_t X = 0;
    std::uint8_t Y = 0;
    bool operator==(const TownEntrance&) const = default;
};

struct SpecialNode {
    std::int16_t Type = 0;
    std::int16_t StuffDoneA = 0;
    std::int16_t StuffDoneB = 0;
    std::int16_t Message1 = 0;
    std::int16_t Message2 = 0;
    std::int16_t Picture = 0;
    std::int16_t Extra1a = 0;
    std::int16_t Extra1b = 0;
    std::int16_t Extra2a = 0;
    std::int16_t Extra2b = 0;
    std::int16_t JumpTo = 0;
    bool operator==(const SpecialNode&) const = default;
};

struct OutdoorEncounter {
    std::array<std::uint8_t, 10> Monsters{};
    std::int16_t StartNode = 0;
    std::int16_t WinNode = 0;
    std::int16_t FleeNode = 0;
    std::uint8_t CannotFlee = 0;
    std::uint8_t Forced = 0;
    std::int16_t StuffDoneA = 0;
    std::int16_t StuffDoneB = 0;
    bool operator==(const OutdoorEncounter&) const = default;
};

struct PresetItem {
    std::int16_t Item = 0;
    std::uint8_t X = 0;
    std::uint8_t Y = 0;
    std::int16_t Charges = 0;
    std::uint8_t AlwaysHere = 0;
    std::uint8_t Property = 0;
    std::uint8_t Contained = 0;
    bool operator==(const PresetItem&) const = default;
};

struct TownCreature {
    std::uint8_t Monster = 0;
    std::uint8_t X = 0;
    std::uint8_t Y = 0;
    std::uint8_t Attitude = 0;
    std::uint8_t CanMove = 0;
    std::uint8_t TimeFlag = 0;
    std::int16_t PersonalityNum = 0;
    std::int16_t Portrait = 0;
    std::uint8_t TimeValue1 = 0;
    std::uint8_t TimeValue2 = 0;
    std::uint8_t EncounterGroup = 0;
    std::int16_t KilledNode = 0;
    std::int16_t StuffDoneA = 0;
    std::int16_t StuffDoneB = 0;
    std::uint8_t Reserved = 0;
    bool operator==(const TownCreature&) const = default;
};

// A square grid of terrain numbers indexed (x, y), stored row by row as the files hold it.
class TerrainGrid {
  public:
    TerrainGrid() = default;
    explicit TerrainGrid(int side) : side_(side), cells_(static_cast<std::size_t>(side * side)) {}

    int Side() const { return side_; }
    std::uint8_t& At(int x, int y) { return cells_[Index(x, y)]; }
    std::uint8_t At(int x, int y) const { return cells_[Index(x, y)]; }
    std::vector<std::uint8_t>& Cells() { return cells_; }
    const std::vector<std::uint8_t>& Cells() const { return cells_; }
    bool operator==(const TerrainGrid&) const = default;

  private:
    std::size_t Index(int x, int y) const {
        if (x < 0 || y < 0 || x >= side_ || y >= side_) RaiseError(err::SubscriptOutOfRange);
        return static_cast<std::size_t>(x + side_ * y);
    }

    int side_ = 0;
    std::vector<std::uint8_t> cells_;
};

// The side of a town's terrain grid for each Size: large, medium, small.
int TownSide(int size);

struct Town {
    // Not stored; derived on load and set by the town-entrance tool.
    std::uint8_t SectionX = 0;
    std::uint8_t SectionY = 0;
    std::uint8_t EntranceX = 0;
    std::uint8_t EntranceY = 0;

    std::uint8_t Size = 0;
    std::uint8_t Hidden = 0;
    std::int16_t Lighting = 0;
    std::int16_t Difficulty = 0;
    std::int16_t DayDies = 0;
    std::int16_t EventStop = 0;
    std::int16_t MaxMonsters = 0;
    std::array<std::int16_t, 2> EntrySpecials{};
    std::array<std::int16_t, 4> ExitSpecials{};
    std::array<AreaRect, 16> AreaRects{};
    AreaRect Boundary;
    std::array<Location, 4> EntryPoints{};
    std::array<Location, 4> ExitLocs{};
    std::array<std::int16_t, 8> TimerMoves{};
    std::array<std::int16_t, 8> TimerNodes{};
    std::array<WanderingGroup, 4> WanderingGroups{};
    std::array<Location, 4> WanderingLocs{};
    std::array<SpecialNode, 100> SpecialNodes{};
    std::array<Location, 16> SignLocs{};
    // The four resizable lists; each list's upper bound is its size less one.
    std::vector<SpecialSpot> SpecialSpots;
    std::vector<TownField> Fields;
    std::vector<PresetItem> PresetItems;
    std::vector<TownCreature> Creatures;
    std::array<std::string, 190> Strings;
    TerrainGrid Terrain;

    std::int16_t MaxSpecialSpot() const { return UpperBound(SpecialSpots); }
    std::int16_t MaxField() const { return UpperBound(Fields); }
    std::int16_t MaxPresetItem() const { return UpperBound(PresetItems); }
    std::int16_t MaxCreature() const { return UpperBound(Creatures); }

    bool operator==(const Town&) const = default;

    template <class T> static std::int16_t UpperBound(const std::vector<T>& list) {
        return static_cast<std::int16_t>(static_cast<int>(list.size()) - 1);
    }
};

struct Personality {
    std::string Name;
    std::string LookResponse;
    std::string NameResponse;
    std::string JobResponse;
    std::string HuhResponse;
    bool operator==(const Personality&) const = default;
};

struct TalkingNode {
    std::int16_t PersonalityNum = 0;
    std::int16_t NodeType = 0;
    std::string Word1; // 4 characters
    std::string Word2; // 4 characters
    std::array<std::int16_t, 4> Extra{};
    std::string Text1;
    std::string Text2;
    bool operator==(const TalkingNode&) const = default;
};

struct TownTalk {
    std::array<Personality, 10> Personalities;
    std::array<TalkingNode, 90> Nodes;
    bool operator==(const TownTalk&) const = default;
};

constexpr int kOutdoorSide = 48;

struct OutdoorSection {
    std::array<AreaRect, 8> AreaRects{};
    std::array<Location, 4> WanderingLocs{};
    std::array<OutdoorEncounter, 4> Wandering{};
    std::array<OutdoorEncounter, 4> Specials{};
    std::array<SpecialNode, 60> SpecialNodes{};
    std::array<Location, 16> SignLocs{};
    std::array<TownEntrance, 8> TownEntrances{};
    std::vector<SpecialSpot> SpecialSpots;
    std::array<std::string, 108> Strings;
    TerrainGrid Terrain{kOutdoorSide};

    std::int16_t MaxSpecialSpot() const { return Town::UpperBound(SpecialSpots); }

    bool operator==(const OutdoorSection&) const = default;
};

struct TerrainType {
    std::string Name; // 30 characters
    std::int16_t Picture = 0;
    std::int16_t Extra1 = 0;
    std::int16_t Extra2 = 0;
    std::uint8_t Blockage = 0;
    std::uint8_t TransformTo = 0;
    std::uint8_t FlyOver = 0;
    std::uint8_t BoatOver = 0;
    std::uint8_t HorseBlocked = 0;
    std::uint8_t Light = 0;
    std::uint8_t Sound = 0;
    std::uint8_t SpecialProperty = 0;
    std::string ShortcutKey; // 1 character
    std::int16_t TerrainSet = 0;
    bool operator==(const TerrainType&) const = default;
};

struct MonsterType {
    std::string Name; // 20 characters
    std::int16_t Picture = 0;
    std::int16_t Reserved1 = 0;
    std::int16_t TalkPicture = 0;
    std::uint8_t Kind = 0;
    std::uint8_t Level = 0;
    std::int16_t Health = 0;
    std::uint8_t Armor = 0;
    std::uint8_t Skill = 0;
    std::uint8_t Speed = 0;
    std::uint8_t MageLevel = 0;
    std::uint8_t PriestLevel = 0;
    std::uint8_t Attitude = 0;
    std::uint8_t Treasure = 0;
    std::int16_t ItemDropped = 0;
    std::int16_t ChanceDrop = 0;
    std::uint8_t Poison = 0;
    std::uint8_t SpAbility = 0;
    std::array<std::uint8_t, 3> AttackTypes{};
    std::array<std::uint8_t, 3> AttackDice{};
    std::array<std::uint8_t, 3> AttackSides{};
    std::uint8_t BreathWpn = 0;
    std::uint8_t BreathStr = 0;
    std::uint8_t CreateGenerate = 0;
    std::uint8_t CreateExtra = 0;
    std::uint8_t SummonType = 0;
    std::uint8_t MagicRes = 0;
    std::uint8_t FireRes = 0;
    std::uint8_t ColdRes = 0;
    std::uint8_t PoisonRes = 0;
    std::array<std::uint8_t, 3> Reserved2{};
    bool operator==(const MonsterType&) const = default;
};

struct ItemType {
    std::string Name;     // 25 characters
    std::string UnidName; // 15 characters
    std::int16_t Picture = 0;
    std::int16_t ItemKind = 0;
    std::int16_t Value = 0;
    std::uint8_t Weight = 0;
    std::uint8_t Level = 0;
    std::uint8_t Awkwardness = 0;
    std::uint8_t Bonus = 0;
    std::uint8_t Protection = 0;
    std::uint8_t Charges = 0;
    std::uint8_t WeaponType = 0;
    std::uint8_t MagicUse = 0;
    std::uint8_t Ability = 0;
    std::uint8_t AbilityStrength = 0;
    std::uint8_t TypeFlag = 0;
    std::uint8_t Reserved = 0;
    std::uint8_t SpecialClass = 0;
    std::uint8_t TreasureClass = 0;
    std::uint8_t Identified = 0;
    std::uint8_t Magical = 0;
    std::uint8_t Cursed = 0;
    std::uint8_t ConcealAbility = 0;
    bool operator==(const ItemType&) const = default;
};

struct ItemPlacementShortcut {
    std::array<std::int16_t, 21> Values{};
    bool operator==(const ItemPlacementShortcut&) const = default;
};

struct VarTownEntry {
    std::int16_t Town = 0;
    std::int16_t StuffDoneA = 0;
    std::int16_t StuffDoneB = 0;
    bool operator==(const VarTownEntry&) const = default;
};

struct SavedItemArea {
    std::int16_t Town = 0;
    std::uint8_t Left = 0;
    std::uint8_t Top = 0;
    std::uint8_t Right = 0;
    std::uint8_t Bottom = 0;
    bool operator==(const SavedItemArea&) const = default;
};

struct SpecialItem {
    std::int16_t Node = 0;
    std::uint8_t StartsWith = 0;
    std::uint8_t Usable = 0;
    bool operator==(const SpecialItem&) const = default;
};

struct Transport {
    std::int16_t Town = 0;
    std::uint8_t X = 0;
    std::uint8_t Y = 0;
    std::uint8_t NotProperty = 0;
    bool operator==(const Transport&) const = default;
};

struct StuffDoneDescription {
    std::string Name;
    std::array<std::string, 10> ValueNames;
    bool operator==(const StuffDoneDescription&) const = default;
};

#pragma once

#include "scenario/ScenarioRecords.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The outdoor sections of the world, indexed (x, y).
class OutdoorGrid {
  public:
    OutdoorGrid() = default;
    OutdoorGrid(int width, int height)
        : width_(width), height_(height), sections_(static_cast<std::size_t>(width * height)) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    OutdoorSection& At(int x, int y) { return sections_[Index(x, y)]; }
    const OutdoorSection& At(int x, int y) const { return sections_[Index(x, y)]; }
    bool operator==(const OutdoorGrid&) const = default;

  private:
    std::size_t Index(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) RaiseError(err::SubscriptOutOfRange);
        return static_cast<std::size_t>(x + width_ * y);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<OutdoorSection> sections_;
};

// Everything that a load or a creation replaces wholesale.
struct Scenario {
    std::array<std::uint8_t, 3> ScenVersion{};
    std::uint8_t TownCount = 0;
    std::uint8_t OutdoorWidth = 0;
    std::uint8_t OutdoorHeight = 0;
    std::uint8_t ScenRating = 0;
    std::uint8_t ScenIcon = 0;
    std::uint8_t ScenDifficulty = 0;
    std::uint8_t ListsLocked = 0;
    std::uint8_t StartTown = 0;
    Location StartTownLoc;
    std::array<std::uint8_t, 2> StartOutdoorSection{};
    Location StartOutdoorLoc;
    std::uint8_t CurrentTown = 0;
    std::uint8_t CurrentOutdoorX = 0;
    std::uint8_t CurrentOutdoorY = 0;

    std::vector<Town> Towns;
    std::vector<TownTalk> TownTalks;
    OutdoorGrid OutdoorSections;

    std::array<TerrainType, 256> TerrainTypes;
    std::array<MonsterType, 256> MonsterTypes;
    std::array<ItemType, 500> ItemTypes;
    std::array<ItemPlacementShortcut, 10> ItemPlacementShortcuts{};
    std::array<VarTownEntry, 10> VarTownEntries{};
    std::array<SavedItemArea, 4> SavedItemAreas{};
    std::array<std::int16_t, 20> EventTimerMoves{};
    std::array<std::int16_t, 20> EventTimerNodes{};
    std::array<SpecialItem, 50> SpecialItems{};
    std::array<Transport, 24> Boats{};
    std::array<Transport, 24> Horses{};
    std::array<SpecialNode, 256> ScenSpecialNodes{};
    std::array<std::string, 320> ScenStrings;
    std::array<StuffDoneDescription, 300> StuffDoneNames;

    bool operator==(const Scenario&) const = default;
};

// Number of entries of the section directory of the editor's own layout.
constexpr int kSectionDirectorySize = 300;

// The file that the scenario came from or goes to; not part of the scenario itself.
struct ScenarioFileState {
    std::string ScenFilePath;
    std::string ScenFileName;
    std::int16_t ScenFormat = 0;
    std::int16_t FileDialogCancelled = 0;
    std::array<std::int32_t, kSectionDirectorySize> SectionDirectory{};
};

// The one scenario being edited, and its file.
extern Scenario Scen;
extern ScenarioFileState ScenFile;

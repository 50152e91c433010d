#pragma once

#include <array>
#include <cstdint>
#include <string>

// The game's fixed vocabulary, shared by every part of the editor. Filled once at start-up by
// InitCommonTables and read-only afterwards. Texts are Windows-1252, like the model's.

extern std::array<std::string, 20> AlchemyNames;
extern std::array<std::string, 62> MageSpellNames;
extern std::array<std::string, 62> PriestSpellNames;
extern std::array<std::string, 19> SkillNames;
extern std::array<std::string, 53> DialogButtonLabels;

constexpr int kWallStyleCount = 4;
constexpr int kWallShapeCount = 13;
// WallTerrains[style][shape]: the terrain number of a wall piece. The style of a terrain is its
// TerrainSet (0..3 for walls); which shape a cell needs is the wall-joining rule's business.
extern std::array<std::array<std::uint8_t, kWallShapeCount>, kWallStyleCount> WallTerrains;

// Fills the tables above. Called first at start-up; calling it again rewrites the same values.
void InitCommonTables();

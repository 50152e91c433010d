#pragma once

#include "scenario/Scenario.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

struct GameTownTables;
class ByteSource;

// The layout that a file's first four bytes name: 0 the game's layout with little-endian
// integers, 1 the same with big-endian integers, 2 the editor's own; -1 none of them.
std::int16_t ScenFormatOfSignature(std::span<const std::uint8_t> file);

// Replaces the current scenario with the one in the file. The file is read part by part into a
// fresh scenario first (never held whole beside it): only when every step has succeeded does it
// replace the scenario in memory, together with ScenFileName, ScenFilePath and ScenFormat (and
// GameTowns, for a game layout). A failure is reported in the "LoadScenario" error box, sets
// FileDialogCancelled to -1 and leaves everything as it was.
void LoadScenario(const std::string& fileName, const std::string& filePath);

// Reads a whole scenario file of the given layout from memory into scen, derives the town
// links, renumbers the game's own monsters and keeps the current area inside the world.
// Raises the run-time error of the first thing the file gets wrong.
void ReadScenarioFile(Scenario& scen, std::span<const std::uint8_t> file, std::int16_t format,
                      const std::string& fileName);
// The same; a file of a game layout also fills gameTowns with its header's town sizes and
// hidden flags, which the town records themselves do not hold.
void ReadScenarioFile(Scenario& scen, std::span<const std::uint8_t> file, std::int16_t format,
                      const std::string& fileName, GameTownTables& gameTowns);
// The same from a file read one part at a time.
void ReadScenarioFile(Scenario& scen, ByteSource& file, std::int16_t format,
                      const std::string& fileName, GameTownTables& gameTowns);

// Each town learns the outdoor section and the place of the entrance that leads into it; the
// last entrance in the order y, x, entrance wins.
void LinkTownsToSections(Scenario& scen);
// The same for one town only; the others keep their links.
void LinkTownToSections(Scenario& scen, int town);

// The game's own two scenarios number their monsters differently from the editor; read in the
// little-endian game layout they are renumbered by their exact file names.
void RenumberGameScenarioMonsters(Scenario& scen, const std::string& fileName);

// Loading a scenario also loads its custom picture sheet; the picture layer installs the loader.
using CustomSheetLoader = std::function<void(const std::string& sheetPath)>;
// Returns the loader installed before.
CustomSheetLoader SetCustomSheetLoader(CustomSheetLoader loader);

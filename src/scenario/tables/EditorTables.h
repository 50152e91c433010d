#pragma once

#include <array>
#include <cstdint>
#include <string>

// The vocabulary only the editor needs. Filled once at start-up by InitScenEditorTables, after
// InitCommonTables; read-only afterwards (except entry 229 of SpecialNodeTypes, see
// SpecialNodeTypes.h).

constexpr int kToolCount = 53;
constexpr int kToolCaptionColumn = 0;
constexpr int kToolPromptColumn = 1;
// ToolCaptions[tool][column]: the caption, and the prompt shown while the tool waits for a click.
extern std::array<std::array<std::string, 2>, kToolCount> ToolCaptions;

extern std::array<std::string, 26> ItemKindNames;
extern std::array<std::string, 177> ItemAbilityNames;
extern std::array<std::string, 6> ShopTypeNames;
extern std::array<std::string, 100> SoundNames;
extern std::array<std::string, 7> EnchantNames;
extern std::array<std::string, 14> TrapTypeNames;
extern std::array<std::string, 8> DamageTypeNames;

// Field code of a town in the game's layout -> FieldKind (0..13).
extern std::array<std::int16_t, 22> GameFieldKindMap;

// Fills the tables above and SpecialNodeTypes.
void InitScenEditorTables();

#pragma once

#include <array>
#include <cstdint>
#include <string>

// What the ten fields of a special node mean, for each of the 256 node types: the node editor
// labels its boxes, offers value lists and picks its message editor and picture chooser from it.

// Indices of Prompts (and, for 0..8, of ChooserKinds): the node's fields in record order.
namespace nodefield {
constexpr int StuffDoneA = 0;
constexpr int StuffDoneB = 1;
constexpr int Message1 = 2;
constexpr int Message2 = 3;
constexpr int Picture = 4;
constexpr int Extra1a = 5;
constexpr int Extra1b = 6;
constexpr int Extra2a = 7;
constexpr int Extra2b = 8;
constexpr int JumpTo = 9;
} // namespace nodefield

// Indices of ButtonFlags: where a create/edit button stands.
namespace nodebutton {
constexpr int Message = 0;
constexpr int Extra1b = 1;
constexpr int Extra2b = 2;
} // namespace nodebutton

// ChooserKind codes: the value list the node editor offers for a field.
namespace chooser {
constexpr std::int16_t None = 0;
constexpr std::int16_t ItemTypes = 1;
constexpr std::int16_t TerrainTypes = 2;
constexpr std::int16_t MonsterTypes = 3;
constexpr std::int16_t Sounds = 4;
constexpr std::int16_t DialogButtonLabels = 5;
constexpr std::int16_t Statistics = 6;
constexpr std::int16_t MageSpells = 7;
constexpr std::int16_t PriestSpells = 8;
constexpr std::int16_t AlchemyRecipes = 9;
constexpr std::int16_t TrapTypes = 10;
constexpr std::int16_t DamageTypes = 11;
constexpr std::int16_t StoreTypes = 12;
constexpr std::int16_t TownLighting = 13;
constexpr std::int16_t SpecialItems = 14;
constexpr std::int16_t Towns = 15;
constexpr std::int16_t StuffDoneFlagA = 16;
constexpr std::int16_t StuffDoneFlagB = 17;
} // namespace chooser

// MessageKind: how the two message fields are edited.
namespace messagekind {
constexpr std::int16_t TwoPart = 0; // Message1 and Message2 are the two parts of one message
constexpr std::int16_t Dialog = 1;  // Message1 is the first of the six texts of a dialog
} // namespace messagekind

// PictureKind: the picture chooser of the Picture field.
namespace picturekind {
constexpr std::int16_t None = 0;
constexpr std::int16_t Dialog = 1;
constexpr std::int16_t Terrain = 2;
constexpr std::int16_t Monster = 3;
} // namespace picturekind

struct SpecialNodeTypeInfo {
    std::string Name; // empty for an undefined type
    std::array<std::string, 10> Prompts;
    std::int16_t MessageKind = messagekind::TwoPart;
    std::int16_t PictureKind = picturekind::None;
    std::array<std::int16_t, 3> ButtonFlags{};  // non-zero shows the button
    std::array<std::int16_t, 9> ChooserKinds{}; // for fields StuffDoneA .. Extra2b
};

constexpr int kSpecialNodeTypeCount = 256;
constexpr int kOutdoorStoreType = 229;

// Writable: entry 229 follows the store kind of the outdoor-store node shown last, so a reader
// must not keep copies of its texts.
extern std::array<SpecialNodeTypeInfo, kSpecialNodeTypeCount> SpecialNodeTypes;

// Fills the whole table; one step of InitScenEditorTables.
void FillSpecialNodeTypes();

// Relabels entry 229 for an outdoor-store node whose store kind (its Extra1a) is storeKind:
// the prompts of Extra1b, Extra2a, Extra2b and the value list of Extra1b. The node editor calls
// it each time it shows such a node. Returns the rewritten entry.
const SpecialNodeTypeInfo& ApplyOutdoorStoreKind(std::int16_t storeKind);

#pragma once

#include "platform/core/ByteBuffer.h"
#include "platform/core/ByteSource.h"
#include "scenario/Scenario.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// The editor's own file layout, recognised by ">VRS" at position 1.
namespace own_layout {
constexpr char kSignature[4] = {'>', 'V', 'R', 'S'};

constexpr FilePos kCountTable = 25;
constexpr int kCountSlots = 28;
constexpr FilePos kDirectory = 81;

// Count-table slots: the position of each slot that a reader takes a loop bound from.
constexpr FilePos kScenNodesSlot = 25;
constexpr FilePos kScenStringsSlot = 27;
constexpr FilePos kSectionNodesSlot = 33;
constexpr FilePos kSectionStringsSlot = 35;
constexpr FilePos kSectionSignsSlot = 39;
constexpr FilePos kSectionEntrancesSlot = 41;
constexpr FilePos kTownNodesSlot = 49;
constexpr FilePos kTownStringsSlot = 51;
constexpr FilePos kTownSignsSlot = 55;
constexpr FilePos kTalkNodesSlot = 63;

constexpr FilePos kTerrainTypes = 1281;
constexpr FilePos kMonsterTypes = 13569;
constexpr FilePos kItemTypes = 29953;
constexpr FilePos kItemPlacementShortcuts = 61953;
constexpr FilePos kVarTownEntries = 62373;
constexpr FilePos kSavedItemAreas = 62433;
constexpr FilePos kEventTimers = 62457;
constexpr FilePos kSpecialItems = 62537;
constexpr FilePos kBoats = 62737;
constexpr FilePos kHorses = 62857;
constexpr FilePos kScenSpecialNodes = 63077;
constexpr FilePos kScenStringLengths = 68709;

// Directory entry of an outdoor section and of a town.
constexpr int kFirstTownEntry = 100;
inline int SectionEntry(int x, int y, int outdoorWidth) {
    return x * outdoorWidth + y;
}
inline int TownEntry(int town) {
    return kFirstTownEntry + town;
}

// The old layouts stored 140 or 220 town strings instead of 190.
constexpr int kTownStringsCount = 189;
constexpr int kOldTownStringsCount140 = 139;
constexpr int kOldTownStringsCount220 = 219;
} // namespace own_layout

using SectionDirectoryTable = std::array<std::int32_t, kSectionDirectorySize>;

// Writers. Each writes at its own positions in the image and moves pos past what it wrote.
// A text longer than 255 characters raises "Overflow".
void WriteScenHeader(const Scenario& scen, ByteWriter& file, FilePos& pos);
void WriteOutdoorSection(const Scenario& scen, ByteWriter& file, int x, int y, FilePos& pos);
void WriteTown(const Scenario& scen, ByteWriter& file, int town, FilePos& pos);

// The whole file in the order a save writes it, built in image (whose storage is reused) and
// returned as its bytes. Fills directory with the position less one of every section and town
// whose entry lies within the directory.
std::span<const std::uint8_t>
WriteScenarioImage(const Scenario& scen, SectionDirectoryTable& directory, ByteWriter& image);
// The same as a copy of its own.
std::vector<std::uint8_t> WriteScenarioImage(const Scenario& scen,
                                             SectionDirectoryTable& directory);

// Readers. Every count and size from the file is checked before it is used: a count larger
// than its table, a negative list bound or an impossible size raises "Subscript out of
// range"; a read past the end raises "Input past end of file".
//
// Each part of the file (the header, a section, a town with its dialogue) is read through a
// reader of its own bytes only, so that a part that claims more than it holds fails at that
// part instead of reading on into the next. Its length comes from its own size fields.

// The loop bounds that the header's count table gives every section and town, as stored; each
// is checked where it is used.
struct OwnLayoutCounts {
    std::int16_t sectionNodes = 0;
    std::int16_t sectionStrings = 0;
    std::int16_t sectionSigns = 0;
    std::int16_t sectionEntrances = 0;
    std::int16_t townNodes = 0;
    std::int16_t townStrings = 0;
    std::int16_t townSigns = 0;
    std::int16_t talkNodes = 0;
};
OwnLayoutCounts ReadOwnLayoutCounts(const ByteReader& header);

// How long the header, the section or the town that starts at the source's position is.
std::size_t ScenHeaderV2Extent(ByteSource& source);
std::size_t OutdoorSectionV2Extent(ByteSource& source, const OwnLayoutCounts& counts);
std::size_t TownV2Extent(ByteSource& source, const OwnLayoutCounts& counts);

// The part readers, each given the bytes of its part (the header's from position 1 on).
void ReadScenHeaderV2(Scenario& scen, const ByteReader& header);
void ReadOutdoorSectionV2(Scenario& scen, const ByteReader& section, const OwnLayoutCounts& counts,
                          int x, int y);
void ReadTownV2(Scenario& scen, const ByteReader& town, const OwnLayoutCounts& counts,
                int townIndex);

// The same parts in a whole file image: the part at pos (the header at its fixed positions)
// is found and read, and pos moves past it.
void ReadScenHeaderV2(Scenario& scen, const ByteReader& file, FilePos& pos);
void ReadOutdoorSectionV2(Scenario& scen, const ByteReader& file, int x, int y, FilePos& pos);
void ReadTownV2(Scenario& scen, const ByteReader& file, int town, FilePos& pos);

// Reads a whole file of the own layout into scen: header, then every section and every town,
// one part at a time from the source. The sections, towns and dialogue that scen held before
// are replaced whole, so nothing of an earlier file stays where this file's counts end.
void ReadScenarioImageV2(Scenario& scen, ByteSource& source);
void ReadScenarioImageV2(Scenario& scen, std::span<const std::uint8_t> image);

#pragma once

#include "platform/core/ByteBuffer.h"
#include "platform/core/ByteSource.h"
#include "scenario/Scenario.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

// The game's own file layouts, read only: the same records with little-endian (format 0) or
// big-endian (format 1) 16-bit integers. Format 2 is the editor's own layout; the primitives
// accept it (little-endian, texts as stored) but the record readers do not.
namespace game_layout {
constexpr int kLittleEndian = 0;
constexpr int kBigEndian = 1;
constexpr int kOwnLayout = 2;

constexpr std::uint8_t kSignatureLittleEndian[4] = {0x14, 0x28, 0x3C, 0x50};
constexpr std::uint8_t kSignatureBigEndian[4] = {0x0A, 0x14, 0x1E, 0x28};

// The game tables have room for this many towns.
constexpr int kMaxTowns = 200;
constexpr int kMaxOutdoorSide = 50;

// Where the header's scenario texts begin; the outdoor sections follow them.
constexpr FilePos kScenTexts = 81143;
} // namespace game_layout

// Size code and hidden flag of each town as the game's header lists them; the town reader
// takes them from here because the town records do not hold them.
struct GameTownTables {
    std::array<std::uint8_t, game_layout::kMaxTowns> Sizes{};
    std::array<std::uint8_t, game_layout::kMaxTowns> Hidden{};
};

// Those of the last game-layout file loaded; a file of the editor's own layout leaves them
// alone. The single-town import reads a town's hidden flag from here.
extern GameTownTables GameTowns;

// One record of a fixed size in a game layout, whose bytes were checked as a whole: its fields
// are read at their offsets without a check each, as every offset a reader uses lies inside
// the record (the layout tests prove each byte for byte).
class GameRecord {
  public:
    GameRecord(const std::uint8_t* bytes, bool bigEndian) : p_(bytes), bigEndian_(bigEndian) {}
    std::uint8_t Byte(int offset) const { return p_[offset]; }
    std::int16_t Int(int offset) const {
        return bigEndian_ ? ByteReader::BigI16(p_ + offset) : ByteReader::LittleI16(p_ + offset);
    }

  private:
    const std::uint8_t* p_;
    bool bigEndian_;
};

// The read primitives over a file image in one of the layouts. Positions are 1-based; a read
// past the end raises "Input past end of file" (62).
class GameLayoutFile {
  public:
    // scenFormat 0, 1 or 2; anything else raises "Invalid procedure call" (5).
    GameLayoutFile(const ByteReader& file, int scenFormat);

    int Format() const { return format_; }
    const ByteReader& Bytes() const { return file_; }

    std::uint8_t ReadScenByte(FilePos pos) const { return file_.GetU8(pos); }
    // The record of size bytes at pos, checked once.
    GameRecord Record(FilePos pos, std::size_t size) const {
        return GameRecord(file_.At(pos, size), format_ == game_layout::kBigEndian);
    }
    std::int16_t ReadScenInt(FilePos pos) const;
    // A fixed-length text field: at most length bytes, ending before the first zero byte,
    // blank-padded to its length, as the editor holds such texts whatever layout they came from.
    void ReadScenFixedTextInto(std::string& text, FilePos pos, std::uint8_t length) const;
    // Exactly n bytes; in the game layouts each "|" becomes a CR LF line break. The text keeps
    // its storage when that is large enough.
    void ReadScenTextInto(std::string& text, FilePos pos, std::uint8_t n) const;
    // Eleven integers in the game's field order, converted to the editor's node types.
    SpecialNode ReadScenSpecialNode(FilePos pos) const;

    // An integer stored into a byte field: it must lie in 0..255, else "Overflow" (6).
    std::uint8_t ReadScenIntAsByte(FilePos pos) const;
    // Four integers into a rectangle: Left, Top, Right, Bottom in format 0; Top, Left,
    // Bottom, Right in format 1.
    AreaRect ReadScenRect(FilePos pos) const;

  private:
    ByteReader file_;
    int format_;
};

// The value, which must fit a byte field; else "Overflow" (6).
std::uint8_t FitByte(int value);
// The value, which must fit a signed 16-bit field; else "Overflow" (6).
std::int16_t FitInt16(int value);

// The readers. Each takes the byte order from scenFormat (0 or 1; anything else raises
// "Invalid procedure call"), fills what the layout holds, sets what it does not hold to fixed
// values, and checks every count and size before use ("Subscript out of range", 9).

// Each part of the file (the header, a section, a town, a town's dialogue) is read through a
// reader of its own bytes only, so that a part that claims more than it holds fails at that
// part instead of reading on into the next. Its length comes from its own length table.

// How long the header, the section, the town or its dialogue that starts at the source's
// position is. A town's size code is its entry in towns.
std::size_t ScenHeaderV1Extent(ByteSource& source);
std::size_t OutdoorSectionV1Extent(ByteSource& source);
std::size_t TownV1Extent(ByteSource& source, int town, const GameTownTables& towns);
std::size_t TownTalkV1Extent(ByteSource& source);

// The part readers, each given the bytes of its part (the header's from position 1 on).
void ReadScenHeaderV1(Scenario& scen, const ByteReader& header, int scenFormat,
                      GameTownTables& towns);
void ReadOutdoorSectionV1(Scenario& scen, const ByteReader& section, int x, int y, int scenFormat);
// Clears the town first; its dialogue is read next, from the part after it.
void ReadTownV1(Scenario& scen, const ByteReader& townPart, int town, int scenFormat,
                const GameTownTables& towns);
void ReadTownTalkV1(Scenario& scen, const ByteReader& talk, int town, int scenFormat);

// The same parts in a whole file image:

// Reads the fixed-size header at its fixed positions (whatever pos says) and leaves pos at the
// first outdoor section. Refuses a town count of 0 or above 200 and a world side outside 1..50.
void ReadScenHeaderV1(Scenario& scen, const ByteReader& file, FilePos& pos, int scenFormat,
                      GameTownTables& towns);

// Reads the section at pos into OutdoorSections (x, y), which must exist; pos moves past it.
void ReadOutdoorSectionV1(Scenario& scen, const ByteReader& file, int x, int y, FilePos& pos,
                          int scenFormat);

// Reads the town at pos, with its dialogue, into Towns and TownTalks at index town, which must
// exist and be below 200; its size and hidden flag come from towns. pos moves past it.
void ReadTownV1(Scenario& scen, const ByteReader& file, int town, FilePos& pos, int scenFormat,
                const GameTownTables& towns);

// Reads a whole file of a game layout into scen, one part at a time from the source: the
// header, every section row by row, then every town. The town tables the header held are
// returned in towns. A failure leaves scen partly filled, so callers read into a scenario of
// their own and keep it only on success.
void ReadScenarioImageV1(Scenario& scen, ByteSource& source, int scenFormat, GameTownTables& towns);
void ReadScenarioImageV1(Scenario& scen, std::span<const std::uint8_t> image, int scenFormat,
                         GameTownTables& towns);
void ReadScenarioImageV1(Scenario& scen, std::span<const std::uint8_t> image, int scenFormat);

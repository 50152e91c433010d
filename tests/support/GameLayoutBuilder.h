#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Builds files in the game's two layouts, byte by byte from the layout's tables, for the
// readers' tests. Every record starts out as the game writes an empty one (free slots marked
// with x 100, no items); a test then sets the bytes it is about.

// A block of bytes whose 16-bit integers are in one byte order. Offsets are 0-based.
class GameBytes {
  public:
    GameBytes(std::size_t size, bool bigEndian) : bytes_(size), bigEndian_(bigEndian) {}

    void Byte(std::size_t offset, int value);
    void Int(std::size_t offset, int value); // -32768..65535, stored as 16 bits
    void Chars(std::size_t offset, std::string_view text);
    void Loc(std::size_t offset, int x, int y); // a place: x, then y
    // Four integers in the byte order's own corner order.
    void Rect(std::size_t offset, int left, int top, int right, int bottom);
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

  private:
    std::vector<std::uint8_t> bytes_;
    bool bigEndian_;
};

struct GameSectionBuilder {
    explicit GameSectionBuilder(bool bigEndian);

    GameBytes record;
    // 0..107 are the section's strings; text 108 is in the file but not read.
    std::array<std::string, 109> texts;

    void Terrain(int x, int y, int terrain) { record.Byte(48 * x + y, terrain); } // by column
    void Spot(int slot, int x, int y, int node);
    void Entrance(int slot, int x, int y, int town);
    void Sign(int slot, int x, int y) { record.Loc(2382 + 2 * slot, x, y); }
    // Where wandering and special encounter slots start.
    static std::size_t WanderingAt(int slot) { return 2398 + 22 * slot; }
    static std::size_t SpecialAt(int slot) { return 2486 + 22 * slot; }
    void WanderingLoc(int slot, int x, int y) { record.Loc(2574 + 2 * slot, x, y); }
    void Rect(int slot, int l, int t, int r, int b) { record.Rect(2582 + 8 * slot, l, t, r, b); }
    // A special node: type, two flags, the picture before the two messages, the four extras and
    // the node jumped to, each a 16-bit integer.
    static std::size_t NodeAt(int n) { return 2826 + 22 * n; }
    std::vector<std::uint8_t> Bytes() const;
};

struct GameTownBuilder {
    GameTownBuilder(int size, bool bigEndian);

    int side;         // of the terrain: 64, 48 or 32 by the size code
    GameBytes record; // everything before the texts
    // 0..119 messages and descriptions, 120..139 sign texts.
    std::array<std::string, 140> texts;
    GameBytes talk; // the dialogue's length bytes and nodes
    // Names, look, name and job responses of personalities 0..9, then Text1 and Text2 of
    // nodes 0..59 in turn, then the huh responses.
    std::array<std::string, 170> talkTexts;

    void Terrain(int x, int y, int terrain) { record.Byte(3506 + side * x + y, terrain); }
    void Spot(int slot, int x, int y, int node);
    void Sign(int slot, int x, int y) { record.Loc(178 + 2 * slot, x, y); }
    void Boundary(int l, int t, int r, int b) { record.Rect(234, l, t, r, b); }
    void Rect(int slot, int l, int t, int r, int b) {
        record.Rect(3506 + side * side + 8 * slot, l, t, r, b);
    }
    static std::size_t NodeAt(int n) { return 1300 + 22 * n; }
    // Where item, field and creature slots start in the record, and talk nodes in talk.
    static std::size_t ItemAt(int slot) { return 242 + 10 * slot; }
    static std::size_t FieldAt(int slot) { return 884 + 4 * slot; }
    std::size_t CreatureAt(int slot) const { return 3506 + side * side + 128 + 22 * slot; }
    static std::size_t TalkNodeAt(int n) { return 200 + 20 * n; }
    std::vector<std::uint8_t> Bytes() const;
};

class GameLayoutBuilder {
  public:
    // Positions of the header, 1-based.
    static constexpr std::size_t kMonsters = 3135, kMonsterSize = 108;
    static constexpr std::size_t kBoats = 30783, kHorses = 31083;
    static constexpr std::size_t kTerrains = 31385, kTerrainSize = 16;
    static constexpr std::size_t kItems = 41943, kItemSize = 66;
    static constexpr std::size_t kMonsterNames = 68343, kTerrainNames = 73463;
    static constexpr std::size_t kScenNodes = 35563, kTexts = 81143;
    static std::size_t MonsterAt(int i) { return kMonsters + kMonsterSize * i; }
    static std::size_t TerrainAt(int i) { return kTerrains + kTerrainSize * i; }
    static std::size_t ItemAt(int i) { return kItems + kItemSize * i; }

    GameLayoutBuilder(bool bigEndian, int width, int height, const std::vector<int>& townSizes);

    // The header at 1-based positions.
    void Byte(std::size_t pos, int value) { header_.Byte(pos - 1, value); }
    void Int(std::size_t pos, int value) { header_.Int(pos - 1, value); }
    void Chars(std::size_t pos, std::string_view text) { header_.Chars(pos - 1, text); }
    // Saved-item area i (0..2).
    void SavedItemRect(int i, int l, int t, int r, int b) {
        header_.Rect(2896 + 8 * i, l, t, r, b);
    }

    // 0..259 are scenario strings; text 260 is in the file but not read.
    std::array<std::string, 261> texts;

    GameSectionBuilder& Section(int x, int y) { return sections_.at(y * width_ + x); }
    GameTownBuilder& Town(int t) { return towns_.at(t); }

    std::vector<std::uint8_t> Build() const;
    // Where section (x, y) and town t start in what Build gives, 1-based.
    std::size_t SectionPos(int x, int y) const { return PartPos(y * width_ + x); }
    std::size_t TownPos(int t) const { return PartPos(sections_.size() + t); }

  private:
    // The sections row by row, then the towns.
    std::size_t PartPos(std::size_t part) const;

    GameBytes header_;
    int width_;
    std::vector<GameSectionBuilder> sections_;
    std::vector<GameTownBuilder> towns_;
};

#include "support/GameLayoutBuilder.h"

#include <stdexcept>

namespace {
void Append(std::vector<std::uint8_t>& out, const std::vector<std::uint8_t>& bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

void AppendText(std::vector<std::uint8_t>& out, const std::string& text) {
    out.insert(out.end(), text.begin(), text.end());
}

// Writes the length byte of each text at lengths + j.
template <std::size_t N>
void PutLengths(GameBytes& bytes, std::size_t lengths, const std::array<std::string, N>& texts) {
    for (std::size_t j = 0; j < N; ++j) {
        if (texts[j].size() > 255) throw std::length_error("a game text holds at most 255 bytes");
        bytes.Byte(lengths + j, static_cast<int>(texts[j].size()));
    }
}
} // namespace

void GameBytes::Byte(std::size_t offset, int value) {
    if (value < 0 || value > 255) throw std::out_of_range("not a byte");
    bytes_.at(offset) = static_cast<std::uint8_t>(value);
}

void GameBytes::Int(std::size_t offset, int value) {
    if (value < -32768 || value > 65535) throw std::out_of_range("not 16 bits");
    const auto u = static_cast<std::uint16_t>(value);
    const auto low = static_cast<std::uint8_t>(u & 0xFF);
    const auto high = static_cast<std::uint8_t>(u >> 8);
    bytes_.at(offset) = bigEndian_ ? high : low;
    bytes_.at(offset + 1) = bigEndian_ ? low : high;
}

void GameBytes::Chars(std::size_t offset, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        bytes_.at(offset + i) = static_cast<std::uint8_t>(text[i]);
}

void PutGameNode(GameBytes& bytes, std::size_t offset, const GameNode& n) {
    const int values[] = {n.type,    n.flagA,   n.flagB,   n.picture, n.message1, n.message2,
                          n.extra1a, n.extra1b, n.extra2a, n.extra2b, n.jumpTo};
    for (int v : values) {
        bytes.Int(offset, v);
        offset += 2;
    }
}

// --- outdoor section ------------------------------------------------------------------------

GameSectionBuilder::GameSectionBuilder(bool bigEndian) : record(kFixedSize, bigEndian) {
    for (int i = 0; i < 18; ++i)
        Spot(i, 100, 0, 0);
    for (int e = 0; e < 8; ++e)
        Entrance(e, 100, 0, 0);
    for (int s = 0; s < 8; ++s)
        Sign(s, 100, 0);
    for (int w = 0; w < 4; ++w)
        WanderingLoc(w, 100, 0);
}

void GameSectionBuilder::Terrain(int x, int y, int terrain) {
    record.Byte(static_cast<std::size_t>(48 * x + y), terrain);
}

void GameSectionBuilder::Spot(int slot, int x, int y, int node) {
    record.Byte(2304 + 2 * static_cast<std::size_t>(slot), x);
    record.Byte(2305 + 2 * static_cast<std::size_t>(slot), y);
    record.Byte(2340 + static_cast<std::size_t>(slot), node);
}

void GameSectionBuilder::Entrance(int slot, int x, int y, int town) {
    record.Byte(2358 + 2 * static_cast<std::size_t>(slot), x);
    record.Byte(2359 + 2 * static_cast<std::size_t>(slot), y);
    record.Byte(2374 + static_cast<std::size_t>(slot), town);
}

void GameSectionBuilder::Sign(int slot, int x, int y) {
    record.Byte(2382 + 2 * static_cast<std::size_t>(slot), x);
    record.Byte(2383 + 2 * static_cast<std::size_t>(slot), y);
}

void GameSectionBuilder::Encounter(std::size_t offset, const GameEncounter& e) {
    for (std::size_t m = 0; m < 10; ++m)
        record.Byte(offset + m, e.monsters[m]);
    record.Int(offset + 10, e.startNode);
    record.Int(offset + 12, e.winNode);
    record.Int(offset + 14, e.fleeNode);
    record.Int(offset + 16, e.flags);
    record.Int(offset + 18, e.flagA);
    record.Int(offset + 20, e.flagB);
}

void GameSectionBuilder::Wandering(int slot, const GameEncounter& e) {
    Encounter(2398 + 22 * static_cast<std::size_t>(slot), e);
}

void GameSectionBuilder::Special(int slot, const GameEncounter& e) {
    Encounter(2486 + 22 * static_cast<std::size_t>(slot), e);
}

void GameSectionBuilder::WanderingLoc(int slot, int x, int y) {
    record.Byte(2574 + 2 * static_cast<std::size_t>(slot), x);
    record.Byte(2575 + 2 * static_cast<std::size_t>(slot), y);
}

void GameSectionBuilder::Rect(int slot, int left, int top, int right, int bottom) {
    const std::size_t at = 2582 + 8 * static_cast<std::size_t>(slot);
    const bool big = record.BigEndian();
    record.Int(at, big ? top : left);
    record.Int(at + 2, big ? left : top);
    record.Int(at + 4, big ? bottom : right);
    record.Int(at + 6, big ? right : bottom);
}

void GameSectionBuilder::Node(int n, const GameNode& node) {
    PutGameNode(record, 2826 + 22 * static_cast<std::size_t>(n), node);
}

std::vector<std::uint8_t> GameSectionBuilder::Bytes() const {
    GameBytes fixed = record;
    PutLengths(fixed, 2646, texts);
    std::vector<std::uint8_t> out = fixed.Bytes();
    for (const auto& t : texts)
        AppendText(out, t);
    return out;
}

// --- town -----------------------------------------------------------------------------------

namespace {
int SideOf(int size) {
    return size == 0 ? 64 : size == 1 ? 48 : 32;
}
int CreatureSlotsOf(int size) {
    return size == 0 ? 60 : size == 1 ? 40 : 30;
}
std::size_t TextsOffsetOf(int size) {
    const auto n = static_cast<std::size_t>(SideOf(size));
    // terrain, 16 rectangles, creatures, then a bit per cell that the editor does not read
    return 3506 + n * n + 128 + 22 * static_cast<std::size_t>(CreatureSlotsOf(size)) + n * n / 8;
}
} // namespace

GameTownBuilder::GameTownBuilder(int sizeCode, bool bigEndian)
    : size(sizeCode), record(TextsOffsetOf(sizeCode), bigEndian), talk(1400, bigEndian) {
    for (int w = 0; w < 4; ++w)
        record.Byte(20 + 2 * static_cast<std::size_t>(w), 100);
    for (int i = 0; i < 50; ++i)
        Spot(i, 100, 0, 0);
    for (int s = 0; s < 15; ++s)
        Sign(s, 100, 0);
    for (int i = 0; i < 64; ++i)
        Item(i, 0, 0, -1, 0, 0, 0, 0);
}

int GameTownBuilder::Side() const {
    return SideOf(size);
}
int GameTownBuilder::CreatureSlots() const {
    return CreatureSlotsOf(size);
}
std::size_t GameTownBuilder::RectsOffset() const {
    return TerrainOffset() + static_cast<std::size_t>(Side() * Side());
}
std::size_t GameTownBuilder::CreaturesOffset() const {
    return RectsOffset() + 128;
}
std::size_t GameTownBuilder::TextsOffset() const {
    return TextsOffsetOf(size);
}

void GameTownBuilder::Terrain(int x, int y, int terrain) {
    record.Byte(TerrainOffset() + static_cast<std::size_t>(Side() * x + y), terrain);
}

void GameTownBuilder::WanderingMonster(int group, int slot, int monster) {
    record.Byte(4 + 4 * static_cast<std::size_t>(slot) + static_cast<std::size_t>(group), monster);
}

void GameTownBuilder::Spot(int slot, int x, int y, int node) {
    record.Byte(28 + 2 * static_cast<std::size_t>(slot), x);
    record.Byte(29 + 2 * static_cast<std::size_t>(slot), y);
    record.Byte(128 + static_cast<std::size_t>(slot), node);
}

void GameTownBuilder::Sign(int slot, int x, int y) {
    record.Byte(178 + 2 * static_cast<std::size_t>(slot), x);
    record.Byte(179 + 2 * static_cast<std::size_t>(slot), y);
}

void GameTownBuilder::Boundary(int left, int top, int right, int bottom) {
    const bool big = record.BigEndian();
    record.Int(234, big ? top : left);
    record.Int(236, big ? left : top);
    record.Int(238, big ? bottom : right);
    record.Int(240, big ? right : bottom);
}

void GameTownBuilder::Rect(int slot, int left, int top, int right, int bottom) {
    const std::size_t at = RectsOffset() + 8 * static_cast<std::size_t>(slot);
    const bool big = record.BigEndian();
    record.Int(at, big ? top : left);
    record.Int(at + 2, big ? left : top);
    record.Int(at + 4, big ? bottom : right);
    record.Int(at + 6, big ? right : bottom);
}

void GameTownBuilder::Item(int slot, int x, int y, int item, int charges, int always, int property,
                           int contained) {
    const std::size_t at = 242 + 10 * static_cast<std::size_t>(slot);
    record.Byte(at, x);
    record.Byte(at + 1, y);
    record.Int(at + 2, item);
    record.Int(at + 4, charges);
    record.Byte(at + 7, always);
    record.Byte(at + 8, property);
    record.Byte(at + 9, contained);
}

void GameTownBuilder::Field(int slot, int x, int y, int code) {
    const std::size_t at = 884 + 4 * static_cast<std::size_t>(slot);
    record.Byte(at, x);
    record.Byte(at + 1, y);
    record.Int(at + 2, code);
}

void GameTownBuilder::Creature(int slot, const GameCreature& c) {
    const std::size_t at = CreaturesOffset() + 22 * static_cast<std::size_t>(slot);
    record.Byte(at, c.monster);
    record.Byte(at + 1, c.attitude);
    record.Byte(at + 2, c.x);
    record.Byte(at + 3, c.y);
    record.Byte(at + 4, c.canMove);
    record.Byte(at + 5, c.timeFlag);
    record.Int(at + 8, c.flagA);
    record.Int(at + 10, c.flagB);
    record.Byte(at + 12, c.group);
    record.Byte(at + 14, c.time1);
    record.Byte(at + 15, c.time2);
    record.Int(at + 16, c.personality);
    record.Int(at + 18, c.killedNode);
    record.Int(at + 20, c.portrait);
}

void GameTownBuilder::Node(int n, const GameNode& node) {
    PutGameNode(record, 1300 + 22 * static_cast<std::size_t>(n), node);
}

void GameTownBuilder::TalkNode(int n, const GameTalkNode& node) {
    const std::size_t at = 200 + 20 * static_cast<std::size_t>(n);
    talk.Int(at, node.personality);
    talk.Int(at + 2, node.type);
    talk.Chars(at + 4, node.word1.substr(0, 4));
    talk.Chars(at + 8, node.word2.substr(0, 4));
    for (std::size_t e = 0; e < 4; ++e)
        talk.Int(at + 12 + 2 * e, node.extra[e]);
}

std::vector<std::uint8_t> GameTownBuilder::Bytes() const {
    GameBytes fixed = record;
    PutLengths(fixed, 1120, texts);
    std::vector<std::uint8_t> out = fixed.Bytes();
    for (const auto& t : texts)
        AppendText(out, t);
    GameBytes dialogue = talk;
    PutLengths(dialogue, 0, talkTexts);
    Append(out, dialogue.Bytes());
    for (const auto& t : talkTexts)
        AppendText(out, t);
    return out;
}

// --- whole file -----------------------------------------------------------------------------

GameLayoutBuilder::GameLayoutBuilder(bool bigEndian, int width, int height,
                                     const std::vector<int>& townSizes)
    : header_(kTexts - 1, bigEndian), width_(width) {
    const std::uint8_t little[4] = {0x14, 0x28, 0x3C, 0x50};
    const std::uint8_t big[4] = {0x0A, 0x14, 0x1E, 0x28};
    for (std::size_t i = 0; i < 4; ++i)
        Byte(1 + i, bigEndian ? big[i] : little[i]);
    Byte(12, static_cast<int>(townSizes.size()));
    Byte(13, width);
    Byte(14, height);
    for (std::size_t t = 0; t < townSizes.size(); ++t)
        Byte(18 + t, townSizes[t]);
    sections_.assign(static_cast<std::size_t>(width * height), GameSectionBuilder(bigEndian));
    for (int size : townSizes)
        towns_.emplace_back(size, bigEndian);
}

void GameLayoutBuilder::ScenNode(int n, const GameNode& node) {
    PutGameNode(header_, kScenNodes - 1 + 22 * static_cast<std::size_t>(n), node);
}

void GameLayoutBuilder::SavedItemRect(int i, int left, int top, int right, int bottom) {
    const std::size_t pos = 2897 + 8 * static_cast<std::size_t>(i);
    const bool big = BigEndian();
    Int(pos, big ? top : left);
    Int(pos + 2, big ? left : top);
    Int(pos + 4, big ? bottom : right);
    Int(pos + 6, big ? right : bottom);
}

GameSectionBuilder& GameLayoutBuilder::Section(int x, int y) {
    return sections_.at(static_cast<std::size_t>(y * width_ + x));
}

std::vector<std::uint8_t> GameLayoutBuilder::Build() const {
    GameBytes fixed = header_;
    PutLengths(fixed, 41637 - 1, texts);
    std::vector<std::uint8_t> out = fixed.Bytes();
    for (const auto& t : texts)
        AppendText(out, t);
    for (const auto& s : sections_) // row by row, as stored
        Append(out, s.Bytes());
    for (const auto& t : towns_)
        Append(out, t.Bytes());
    return out;
}

std::size_t GameLayoutBuilder::SectionPos(int x, int y) const {
    std::size_t pos = kTexts;
    for (const auto& t : texts)
        pos += t.size();
    for (int i = 0; i < y * width_ + x; ++i)
        pos += sections_[static_cast<std::size_t>(i)].Bytes().size();
    return pos;
}

std::size_t GameLayoutBuilder::TownPos(int t) const {
    std::size_t pos = SectionPos(0, 0);
    for (const auto& s : sections_)
        pos += s.Bytes().size();
    for (int i = 0; i < t; ++i)
        pos += towns_[static_cast<std::size_t>(i)].Bytes().size();
    return pos;
}

#include "support/GameLayoutBuilder.h"

#include <stdexcept>

namespace {
void Append(std::vector<std::uint8_t>& out, const auto& bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

// The record with the length byte of each text at lengths + j, then the texts.
template <std::size_t N>
std::vector<std::uint8_t> WithTexts(GameBytes record, std::size_t lengths,
                                    const std::array<std::string, N>& texts) {
    for (std::size_t j = 0; j < N; ++j) {
        if (texts[j].size() > 255) throw std::length_error("a game text holds at most 255 bytes");
        record.Byte(lengths + j, static_cast<int>(texts[j].size()));
    }
    std::vector<std::uint8_t> out = record.Bytes();
    for (const auto& t : texts)
        Append(out, t);
    return out;
}
} // namespace

void GameBytes::Byte(std::size_t offset, int value) {
    if (value < 0 || value > 255) throw std::out_of_range("not a byte");
    bytes_.at(offset) = static_cast<std::uint8_t>(value);
}

void GameBytes::Int(std::size_t offset, int value) {
    if (value < -32768 || value > 65535) throw std::out_of_range("not 16 bits");
    const auto u = static_cast<std::uint16_t>(value);
    bytes_.at(offset + (bigEndian_ ? 1 : 0)) = static_cast<std::uint8_t>(u & 0xFF);
    bytes_.at(offset + (bigEndian_ ? 0 : 1)) = static_cast<std::uint8_t>(u >> 8);
}

void GameBytes::Chars(std::size_t offset, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        bytes_.at(offset + i) = static_cast<std::uint8_t>(text[i]);
}

void GameBytes::Loc(std::size_t offset, int x, int y) {
    Byte(offset, x);
    Byte(offset + 1, y);
}

void GameBytes::Rect(std::size_t offset, int left, int top, int right, int bottom) {
    const int corners[] = {left, top, right, bottom};
    const int bigOrder[] = {1, 0, 3, 2};
    for (int i = 0; i < 4; ++i)
        Int(offset + 2 * i, corners[bigEndian_ ? bigOrder[i] : i]);
}

GameSectionBuilder::GameSectionBuilder(bool bigEndian) : record(4146, bigEndian) {
    for (int i = 0; i < 18; ++i)
        Spot(i, 100, 0, 0);
    for (int i = 0; i < 8; ++i) {
        Entrance(i, 100, 0, 0);
        Sign(i, 100, 0);
    }
    for (int w = 0; w < 4; ++w)
        WanderingLoc(w, 100, 0);
}

void GameSectionBuilder::Spot(int slot, int x, int y, int node) {
    record.Loc(2304 + 2 * slot, x, y);
    record.Byte(2340 + slot, node);
}

void GameSectionBuilder::Entrance(int slot, int x, int y, int town) {
    record.Loc(2358 + 2 * slot, x, y);
    record.Byte(2374 + slot, town);
}

std::vector<std::uint8_t> GameSectionBuilder::Bytes() const {
    return WithTexts(record, 2646, texts);
}

namespace {
int SideOf(int size) {
    return size == 0 ? 64 : size == 1 ? 48 : 32;
}
int CreatureSlotsOf(int size) {
    return size == 0 ? 60 : size == 1 ? 40 : 30;
}
} // namespace

GameTownBuilder::GameTownBuilder(int sizeCode, bool bigEndian)
    : side(SideOf(sizeCode)),
      // terrain, 16 rectangles, creatures, then a bit per cell that the editor does not read
      record(3506 + side * side + 128 + 22 * CreatureSlotsOf(sizeCode) + side * side / 8,
             bigEndian),
      talk(1400, bigEndian) {
    for (int w = 0; w < 4; ++w)
        record.Byte(20 + 2 * w, 100);
    for (int i = 0; i < 50; ++i)
        Spot(i, 100, 0, 0);
    for (int s = 0; s < 15; ++s)
        Sign(s, 100, 0);
    for (int i = 0; i < 64; ++i)
        record.Int(ItemAt(i) + 2, -1);
}

void GameTownBuilder::Spot(int slot, int x, int y, int node) {
    record.Loc(28 + 2 * slot, x, y);
    record.Byte(128 + slot, node);
}

std::vector<std::uint8_t> GameTownBuilder::Bytes() const {
    std::vector<std::uint8_t> out = WithTexts(record, 1120, texts);
    Append(out, WithTexts(talk, 0, talkTexts));
    return out;
}

GameLayoutBuilder::GameLayoutBuilder(bool bigEndian, int width, int height,
                                     const std::vector<int>& townSizes)
    : header_(kTexts - 1, bigEndian), width_(width) {
    Chars(1, bigEndian ? "\x0A\x14\x1E\x28" : "\x14\x28\x3C\x50");
    Byte(12, static_cast<int>(townSizes.size()));
    Byte(13, width);
    Byte(14, height);
    for (std::size_t t = 0; t < townSizes.size(); ++t)
        Byte(18 + t, townSizes[t]);
    sections_.assign(width * height, GameSectionBuilder(bigEndian));
    for (int size : townSizes)
        towns_.emplace_back(size, bigEndian);
}

std::vector<std::uint8_t> GameLayoutBuilder::Build() const {
    std::vector<std::uint8_t> out = WithTexts(header_, 41636, texts);
    for (const auto& s : sections_) // row by row, as stored
        Append(out, s.Bytes());
    for (const auto& t : towns_)
        Append(out, t.Bytes());
    return out;
}

std::size_t GameLayoutBuilder::PartPos(std::size_t part) const {
    std::size_t pos = kTexts;
    for (const auto& t : texts)
        pos += t.size();
    for (std::size_t i = 0; i < part; ++i)
        pos += i < sections_.size() ? sections_[i].Bytes().size()
                                    : towns_.at(i - sections_.size()).Bytes().size();
    return pos;
}

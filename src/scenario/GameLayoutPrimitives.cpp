#include "scenario/GameLayout.h"

#include "platform/core/RuntimeError.h"
#include "platform/core/TextCodec.h"
#include "scenario/StrCompat.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

using namespace game_layout;

GameTownTables GameTowns;

std::uint8_t FitByte(int value) {
    if (value < 0 || value > 255) RaiseError(err::Overflow);
    return static_cast<std::uint8_t>(value);
}

std::int16_t FitInt16(int value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        RaiseError(err::Overflow);
    return static_cast<std::int16_t>(value);
}

GameLayoutFile::GameLayoutFile(const ByteReader& file, int scenFormat)
    : file_(file), format_(scenFormat) {
    if (scenFormat != kLittleEndian && scenFormat != kBigEndian && scenFormat != kOwnLayout)
        RaiseError(err::InvalidCall);
}

std::int16_t GameLayoutFile::ReadScenInt(FilePos pos) const {
    return format_ == kBigEndian ? file_.GetI16BigEndian(pos) : file_.GetI16(pos);
}

void GameLayoutFile::ReadScenFixedTextInto(std::string& text, FilePos pos,
                                           std::uint8_t length) const {
    std::size_t kept = 0;
    if (file_.Has(pos, length)) {
        const std::uint8_t* field = file_.At(pos, length);
        const void* end = std::memchr(field, 0, length);
        kept =
            end ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(end) - field) : length;
    } else {
        // Byte by byte, as a text that ends before its field may end before the file does.
        while (kept < length && file_.GetU8(pos + static_cast<FilePos>(kept)) != 0)
            ++kept;
    }
    text.assign(reinterpret_cast<const char*>(file_.At(pos, kept)), kept);
    text.resize(length, ' ');
}

void GameLayoutFile::ReadScenTextInto(std::string& text, FilePos pos, std::uint8_t n) const {
    const auto* bytes = reinterpret_cast<const char*>(file_.At(pos, n));
    const std::string_view stored(bytes, n);
    // The game marks line breaks with "|". A text whose line breaks would take it past the 255
    // characters a saved text can hold keeps its bars, so that whatever opens can be saved again.
    const auto bars = static_cast<std::size_t>(std::count(stored.begin(), stored.end(), '|'));
    if (format_ == kOwnLayout || bars == 0 || stored.size() + bars > 255)
        text.assign(stored);
    else
        text = Replace(stored, "|", "\r\n");
}

std::uint8_t GameLayoutFile::ReadScenIntAsByte(FilePos pos) const {
    return FitByte(ReadScenInt(pos));
}

AreaRect GameLayoutFile::ReadScenRect(FilePos pos) const {
    AreaRect r;
    if (format_ == kBigEndian) {
        r.Top = ReadScenIntAsByte(pos);
        r.Left = ReadScenIntAsByte(pos + 2);
        r.Bottom = ReadScenIntAsByte(pos + 4);
        r.Right = ReadScenIntAsByte(pos + 6);
    } else {
        r.Left = ReadScenIntAsByte(pos);
        r.Top = ReadScenIntAsByte(pos + 2);
        r.Right = ReadScenIntAsByte(pos + 4);
        r.Bottom = ReadScenIntAsByte(pos + 6);
    }
    return r;
}

SpecialNode GameLayoutFile::ReadScenSpecialNode(FilePos pos) const {
    SpecialNode n;
    // The game keeps the picture before the two messages.
    std::int16_t* const fields[] = {&n.Type,     &n.StuffDoneA, &n.StuffDoneB, &n.Picture,
                                    &n.Message1, &n.Message2,   &n.Extra1a,    &n.Extra1b,
                                    &n.Extra2a,  &n.Extra2b,    &n.JumpTo};
    const GameRecord record = Record(pos, 22);
    for (int k = 0; k < 11; ++k)
        *fields[k] = record.Int(2 * k);

    // The editor numbers some of the game's pictures, sounds and item kinds differently.
    switch (n.Type) {
    case 57:
    case 60:
        if (n.Extra2b > 3 && n.Extra2b < 1000) n.Extra2b = FitInt16(n.Extra2b + 2);
        break;
    case 99:
    case 100:
        n.Extra1a = FitInt16(n.Extra1a + 30);
        break;
    case 299:
        // Outside the editor's node types on purpose: the value is kept as read so that it
        // survives a save; only its two extras are put in the editor's order.
        std::swap(n.Extra1a, n.Extra1b);
        if (n.Extra1a == 1 || n.Extra1a == 2) n.Extra1b = FitInt16(n.Extra1b + 30);
        break;
    default:
        break;
    }
    return n;
}

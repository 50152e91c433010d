// Byte order and the cursors are covered through the file layouts' byte images; here are the
// edges those do not reach.
#include "platform/core/ByteBuffer.h"
#include "support/ErrorOf.h"

#include <gtest/gtest.h>

TEST(ByteBuffer, WritesAtOneBasedPositionsZeroFillsGapsAndReadsNothingPastItsEnds) {
    ByteWriter w;
    w.Reserve(100);
    w.PutI32(5, -1);
    w.PutI16(3, -2);
    w.PutU8(1, 0x7F);
    w.PutI16(6, 0x0605); // overwriting inside keeps the size
    EXPECT_EQ(std::vector<std::uint8_t>(w.Bytes().begin(), w.Bytes().end()),
              (std::vector<std::uint8_t>{0x7F, 0, 0xFE, 0xFF, 0xFF, 5, 6, 0xFF}));
    EXPECT_EQ(ErrorOf([&] { w.PutU8(0, 1); }), 63);
    w.Clear();
    w.PutU8(2, 9);  // the gap before it and
    w.PutU8(12, 8); // the one beyond the old storage read as zeros
    EXPECT_EQ(w.TakeBytes(), (std::vector<std::uint8_t>{0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8}));
    // A part's reader keeps file positions and reaches neither before nor past its own bytes,
    // though the file holds bytes on both sides: every read past the end or before the start is an
    // error.
    const std::vector<std::uint8_t> bytes{1, 2, 3, 4, 5, 6};
    const ByteReader r(std::span<const std::uint8_t>(bytes).first(3)),
        empty(std::span<const std::uint8_t>{});
    const ByteReader part = ByteReader(bytes).Slice(3, 2);
    EXPECT_EQ(std::tuple(part.First(), part.End(), part.GetI16(3)), std::tuple(3, 5, 0x0403));
    EXPECT_EQ(ByteReader(bytes).Slice(5, 9).End(), 7); // cut where the file ends
    // clang-format off
    const std::pair<std::function<void()>, int> reads[] = {
        {[&] { r.GetU8(4); }, 62}, {[&] { r.GetI16(3); }, 62}, {[&] { r.GetI32(1); }, 62},
        {[&] { r.Require(2, 3); }, 62}, {[&] { r.Require(1, static_cast<std::size_t>(-1)); }, 63},
        {[&] { r.GetU8(0); }, 63}, {[&] { r.GetU8(-5); }, 63}, {[&] { r.GetU8(1LL << 40); }, 63},
        {[&] { empty.GetU8(1); }, 62}, {[&] { empty.Require(1, 0); }, 0}, {[&] { r.Require(3, 0); }, 0},
        {[&] { part.GetU8(5); }, 62}, {[&] { part.GetI16(4); }, 62}, {[&] { part.GetU8(2); }, 62},
        {[&] { part.GetU8(0); }, 63}, {[&] { ByteReader(bytes).Slice(8, 1); }, 62}};
    // clang-format on
    for (const auto& [read, error] : reads)
        EXPECT_EQ(ErrorOf(read), error) << &read - &reads[0].first;
}

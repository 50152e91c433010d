// Byte order and the cursors are covered through the file layouts' byte images; here are the
// edges those do not reach.
#include "platform/core/ByteBuffer.h"
#include "platform/core/RuntimeError.h"
#include "support/ErrorOf.h"

#include <functional>
#include <gtest/gtest.h>

namespace {} // namespace

TEST(ByteWriter, WritesAtOneBasedPositionsZeroFillsGapsAndAReusedOneShowsNothingEarlier) {
    ByteWriter w;
    w.Reserve(100);
    w.PutI32(5, -1);
    w.PutI16(3, -2);
    w.PutU8(1, 0x7F);
    w.PutI16(6, 0x0605); // overwriting inside keeps the size
    EXPECT_EQ(w.Bytes().size(), 8u);
    EXPECT_EQ(std::vector<std::uint8_t>(w.Bytes().begin(), w.Bytes().end()),
              (std::vector<std::uint8_t>{0x7F, 0, 0xFE, 0xFF, 0xFF, 5, 6, 0xFF}));
    EXPECT_EQ(ErrorOf([&] { w.PutU8(0, 1); }), 63);
    w.Clear();
    w.PutU8(2, 9);  // the gap before it and
    w.PutU8(12, 8); // the one beyond the old storage read as zeros
    std::vector<std::uint8_t> expected(12, 0);
    expected[1] = 9;
    expected[11] = 8;
    EXPECT_EQ(w.TakeBytes(), expected);
}

TEST(ByteReader, EveryReadPastTheEndOrBeforeTheStartIsAnError) {
    const std::vector<std::uint8_t> bytes{1, 2, 3};
    const ByteReader r(bytes);
    EXPECT_EQ(ErrorOf([&] { r.GetU8(4); }), 62);
    EXPECT_EQ(ErrorOf([&] { r.GetI16(3); }), 62);
    EXPECT_EQ(ErrorOf([&] { r.GetI32(1); }), 62);
    EXPECT_EQ(ErrorOf([&] { r.GetText(2, 3); }), 62);
    EXPECT_EQ(ErrorOf([&] { r.GetText(1, static_cast<std::size_t>(-1)); }), 63);
    EXPECT_EQ(ErrorOf([&] { r.GetU8(0); }), 63);
    EXPECT_EQ(ErrorOf([&] { r.GetU8(-5); }), 63);
    EXPECT_EQ(ErrorOf([&] { r.GetU8(std::int64_t{1} << 40); }), 63);
    EXPECT_EQ(r.GetText(3, 0), "");
    const ByteReader empty(std::span<const std::uint8_t>{});
    EXPECT_EQ(ErrorOf([&] { empty.GetU8(1); }), 62);
    EXPECT_EQ(ErrorOf([&] { empty.Require(1, 0); }), 0);
}

// A part's reader keeps file positions and reaches neither before nor past its own bytes,
// though the file holds bytes on both sides.
TEST(ByteReader, ASliceReadsOnlyItsOwnBytesAtTheirFilePositions) {
    const std::vector<std::uint8_t> bytes{1, 2, 3, 4, 5, 6};
    const ByteReader part = ByteReader(bytes).Slice(3, 2);
    EXPECT_EQ(part.First(), 3);
    EXPECT_EQ(part.End(), 5);
    EXPECT_EQ(part.GetI16(3), 0x0403);
    EXPECT_EQ(ErrorOf([&] { part.GetU8(5); }), 62);
    EXPECT_EQ(ErrorOf([&] { part.GetI16(4); }), 62);
    EXPECT_EQ(ErrorOf([&] { part.GetU8(2); }), 62);
    EXPECT_EQ(ErrorOf([&] { part.GetU8(0); }), 63);
    EXPECT_EQ(ByteReader(bytes).Slice(5, 9).End(), 7); // cut where the file ends
    EXPECT_EQ(ErrorOf([&] { ByteReader(bytes).Slice(8, 1); }), 62);
}

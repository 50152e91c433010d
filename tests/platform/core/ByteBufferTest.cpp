#include "platform/core/ByteBuffer.h"
#include "platform/core/ByteCursor.h"
#include "platform/core/RuntimeError.h"

#include <gtest/gtest.h>

namespace {
int ErrorOf(const std::function<void()>& f) {
    try {
        f();
        return 0;
    } catch (const RuntimeError& e) {
        return e.number();
    }
}
} // namespace

TEST(ByteWriter, WritesBothByteOrdersAtOneBasedPositionsAndZeroFillsGaps) {
    ByteWriter w;
    w.PutI16(3, -2);
    w.PutI32(5, 0x01020304);
    w.PutI16BigEndian(9, 0x0A0B);
    w.PutI32BigEndian(11, -1);
    w.PutU8(1, 0x7F);
    const auto bytes = w.TakeBytes();
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0x7F, 0, 0xFE, 0xFF, 4, 3, 2, 1, 0x0A, 0x0B, 0xFF,
                                                0xFF, 0xFF, 0xFF}));
    ByteWriter again;
    again.Reserve(100);
    again.PutI32(1, 7);
    again.PutI16(2, 0x0605); // overwriting inside keeps the size
    EXPECT_EQ(again.Bytes().size(), 4u);
    EXPECT_EQ(again.TakeBytes(), (std::vector<std::uint8_t>{7, 5, 6, 0}));
    EXPECT_EQ(ErrorOf([&] { again.PutU8(0, 1); }), 63);
}

TEST(ByteWriter, AReusedWriterShowsNothingOfTheEarlierImage) {
    ByteWriter w;
    w.Reserve(8);
    w.PutI32(1, -1);
    w.PutI32(5, -1);
    w.Clear();
    w.PutU8(2, 9);  // the gap before it and
    w.PutU8(20, 8); // the one beyond the old storage read as zeros
    std::vector<std::uint8_t> expected(20, 0);
    expected[1] = 9;
    expected[19] = 8;
    EXPECT_EQ(std::vector<std::uint8_t>(w.Bytes().begin(), w.Bytes().end()), expected);
}

TEST(ByteReader, ReadsBothByteOrdersAndSignedValues) {
    const std::vector<std::uint8_t> bytes{0xFE, 0xFF, 0x04, 0x03, 0x02, 0x81};
    const ByteReader r(bytes);
    EXPECT_EQ(r.GetI16(1), -2);
    EXPECT_EQ(r.GetI16BigEndian(1), -257);
    EXPECT_EQ(r.GetI32(3), static_cast<std::int32_t>(0x81020304));
    EXPECT_EQ(r.GetI32BigEndian(3), 0x04030281);
    EXPECT_EQ(r.GetU8(6), 0x81);
    EXPECT_EQ(r.GetText(3, 0), "");
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

TEST(ByteCursor, MovesOnByWhatItReadsAndPadsFixedTexts) {
    ByteWriter w;
    WriteCursor out(w, 1);
    out.U8(7);
    out.I16(-3);
    out.FixedText("abcdef", 4);
    out.FixedText("x", 3);
    EXPECT_EQ(out.Pos(), 11);

    const auto bytes = w.TakeBytes();
    const ByteReader r(bytes);
    ReadCursor in(r, 1);
    EXPECT_EQ(in.U8(), 7);
    EXPECT_EQ(in.I16(), -3);
    EXPECT_EQ(in.Text(4), "abcd");
    EXPECT_EQ(in.Text(3), "x  ");
    EXPECT_EQ(ErrorOf([&] { in.U8(); }), 62);

    ReadCursor big(r, 2, true);
    EXPECT_EQ(big.I16(), static_cast<std::int16_t>(0xFDFF));
}

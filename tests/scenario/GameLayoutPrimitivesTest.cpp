#include "scenario/GameLayout.h"
#include "scenario/StrCompat.h"

#include "platform/RuntimeError.h"
#include "support/GameLayoutBuilder.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {
std::vector<std::uint8_t> Bytes(std::string_view s) {
    return {s.begin(), s.end()};
}

int ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

// A node written by the test builder in the given byte order, read back by the primitive.
SpecialNode RoundTripNode(const GameNode& node, bool bigEndian) {
    GameBytes bytes(22, bigEndian);
    PutGameNode(bytes, 0, node);
    const ByteReader file(bytes.Bytes());
    return GameLayoutFile(file, bigEndian ? 1 : 0).ReadScenSpecialNode(1);
}
} // namespace

TEST(Replace, ReplacesEveryOccurrenceLeftToRight) {
    EXPECT_EQ(Replace("a|b|c", "|", "\r\n"), "a\r\nb\r\nc");
    EXPECT_EQ(Replace("||", "|", "\r\n"), "\r\n\r\n");
    EXPECT_EQ(Replace("aaaa", "aa", "b"), "bb");
    EXPECT_EQ(Replace("aaa", "aa", "b"), "ba");
    // The replacement holds find: it is not searched again.
    EXPECT_EQ(Replace("x|y", "|", "||"), "x||y");
    EXPECT_EQ(Replace("ab", "abc", "z"), "ab");
    EXPECT_EQ(Replace("", "|", "z"), "");
    EXPECT_EQ(Replace("abc", "", "z"), "abc");
}

TEST(GameLayoutPrimitives, IntegersInBothByteOrders) {
    const auto big = Bytes(std::string("\x80\x00\x00\x01\xFF\xFE", 6));
    const ByteReader bigFile(big);
    const GameLayoutFile be(bigFile, 1);
    EXPECT_EQ(be.ReadScenInt(1), -32768);
    EXPECT_EQ(be.ReadScenInt(3), 1);
    EXPECT_EQ(be.ReadScenInt(5), -2);

    const auto little = Bytes(std::string("\x01\x00\xFE\xFF", 4));
    const ByteReader littleFile(little);
    EXPECT_EQ(GameLayoutFile(littleFile, 0).ReadScenInt(1), 1);
    EXPECT_EQ(GameLayoutFile(littleFile, 0).ReadScenInt(3), -2);
    EXPECT_EQ(GameLayoutFile(littleFile, 2).ReadScenInt(1), 1);
    EXPECT_EQ(GameLayoutFile(littleFile, 1).ReadScenInt(1), 256);

    EXPECT_EQ(ErrorOf([&] { GameLayoutFile(littleFile, 0).ReadScenInt(4); }), 62);
    EXPECT_EQ(ErrorOf([&] { GameLayoutFile(littleFile, 3); }), 5);
    EXPECT_EQ(ErrorOf([&] { GameLayoutFile(littleFile, -1); }), 5);
}

TEST(GameLayoutPrimitives, CStringsStopAtZeroOrAtTheirLimit) {
    const auto bytes = Bytes(std::string("AB\0CDEFG", 8));
    const ByteReader file(bytes);
    const GameLayoutFile in(file, 0);
    EXPECT_EQ(in.ReadScenCString(1, 30), "AB");
    EXPECT_EQ(in.ReadScenCString(4, 3), "CDE");
    EXPECT_EQ(in.ReadScenCString(4, 0), "");
    // A text that runs to the end of the file without its zero is a read past the end.
    EXPECT_EQ(ErrorOf([&] { in.ReadScenCString(4, 30); }), 62);
}

TEST(GameLayoutPrimitives, TextsTurnBarsIntoLineBreaksInTheGameLayoutsOnly) {
    const auto bytes = Bytes("one|two||");
    const ByteReader file(bytes);
    EXPECT_EQ(GameLayoutFile(file, 0).ReadScenText(1, 9), "one\r\ntwo\r\n\r\n");
    EXPECT_EQ(GameLayoutFile(file, 1).ReadScenText(1, 4), "one\r\n");
    EXPECT_EQ(GameLayoutFile(file, 2).ReadScenText(1, 9), "one|two||");
    EXPECT_EQ(GameLayoutFile(file, 0).ReadScenText(5, 0), "");
    EXPECT_EQ(ErrorOf([&] { GameLayoutFile(file, 0).ReadScenText(5, 6); }), 62);
}

TEST(GameLayoutPrimitives, IntegersGivenToByteFieldsMustFitAByte) {
    const auto bytes = Bytes(std::string("\xFF\x00\x00\x01\xFF\xFF", 6));
    const ByteReader file(bytes);
    const GameLayoutFile in(file, 0);
    EXPECT_EQ(in.ReadScenIntAsByte(1), 255);
    EXPECT_EQ(ErrorOf([&] { in.ReadScenIntAsByte(3); }), 6);
    EXPECT_EQ(ErrorOf([&] { in.ReadScenIntAsByte(5); }), 6);
}

class GameNodeTest : public ::testing::TestWithParam<bool> {};

TEST_P(GameNodeTest, FieldsComeInTheGamesOrder) {
    const GameNode node{12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const SpecialNode n = RoundTripNode(node, GetParam());
    EXPECT_EQ(n, (SpecialNode{12, 1, 2, 4, 5, 3, 6, 7, 8, 9, 10}));
}

TEST_P(GameNodeTest, SoundAndPictureNumbersMoveUp) {
    auto extra2bAfter = [&](int type, int extra2b) {
        GameNode node;
        node.type = type;
        node.extra2b = extra2b;
        return RoundTripNode(node, GetParam()).Extra2b;
    };
    EXPECT_EQ(extra2bAfter(57, 3), 3);
    EXPECT_EQ(extra2bAfter(57, 4), 6);
    EXPECT_EQ(extra2bAfter(60, 999), 1001);
    EXPECT_EQ(extra2bAfter(57, 1000), 1000);
    EXPECT_EQ(extra2bAfter(58, 4), 4);

    GameNode shop;
    shop.type = 99;
    shop.extra1a = 5;
    EXPECT_EQ(RoundTripNode(shop, GetParam()).Extra1a, 35);
    shop.type = 100;
    shop.extra1a = -40;
    EXPECT_EQ(RoundTripNode(shop, GetParam()).Extra1a, -10);
    shop.extra1a = 32767;
    EXPECT_EQ(ErrorOf([&] { RoundTripNode(shop, GetParam()); }), 6);
}

TEST_P(GameNodeTest, Type299SwapsItsFirstExtras) {
    GameNode node;
    node.type = 299;
    node.extra1a = 5;
    node.extra1b = 2;
    SpecialNode n = RoundTripNode(node, GetParam());
    EXPECT_EQ(n.Type, 299); // kept as read, though the editor has no such type
    EXPECT_EQ(n.Extra1a, 2);
    EXPECT_EQ(n.Extra1b, 35);

    node.extra1b = 3;
    n = RoundTripNode(node, GetParam());
    EXPECT_EQ(n.Extra1a, 3);
    EXPECT_EQ(n.Extra1b, 5);

    // 229 is a type of the editor's own and is left alone.
    node.type = 229;
    node.extra1b = 2;
    n = RoundTripNode(node, GetParam());
    EXPECT_EQ(n.Extra1a, 5);
    EXPECT_EQ(n.Extra1b, 2);
}

INSTANTIATE_TEST_SUITE_P(ByteOrders, GameNodeTest, ::testing::Bool(), [](const auto& info) {
    return info.param ? "BigEndian" : "LittleEndian";
});

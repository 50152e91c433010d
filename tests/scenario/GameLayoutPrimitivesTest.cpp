#include "scenario/StrCompat.h"
#include "support/GameLayoutFixture.h"

namespace {
std::vector<std::uint8_t> Bytes(std::string_view s) {
    return {s.begin(), s.end()};
}

// A node laid out by the test's literal in the given byte order, read back by the primitive.
SpecialNode RoundTripNode(const std::string& literal, bool bigEndian) {
    GameBytes bytes(22, bigEndian);
    Lay(bytes, 0, literal);
    const ByteReader file(bytes.Bytes());
    return GameLayoutFile(file, bigEndian ? 1 : 0).ReadScenSpecialNode(1);
}
} // namespace

TEST(Replace, ReplacesEveryOccurrenceLeftToRight) {
    // clang-format off
    const std::array<std::string, 4> cases[] = {{"a|b|c", "|", "\r\n", "a\r\nb\r\nc"},
        {"||", "|", "\r\n", "\r\n\r\n"}, {"aaaa", "aa", "b", "bb"}, {"aaa", "aa", "b", "ba"},
        {"x|y", "|", "||", "x||y"}, // the replacement is not searched again
        {"ab", "abc", "z", "ab"}, {"", "|", "z", ""}, {"abc", "", "z", "abc"}};
    // clang-format on
    for (const auto& [text, find, with, expected] : cases)
        EXPECT_EQ(Replace(text, find, with), expected) << text << " " << find;
}

TEST(GameLayoutPrimitives, IntegersInBothByteOrdersTheFormatsThatExistAndTexts) {
    const auto big = Bytes(std::string("\x80\x00\x00\x01\xFF\xFE", 6));
    const ByteReader bigFile(big);
    const GameLayoutFile be(bigFile, 1);
    EXPECT_EQ(Ints(be.ReadScenInt(1), be.ReadScenInt(3), be.ReadScenInt(5)), Ints(-32768, 1, -2));
    const auto little = Bytes(std::string("\x01\x00\xFE\xFF", 4));
    const ByteReader file(little);
    EXPECT_EQ(Ints(GameLayoutFile(file, 0).ReadScenInt(1), GameLayoutFile(file, 0).ReadScenInt(3),
                   GameLayoutFile(file, 2).ReadScenInt(1), GameLayoutFile(file, 1).ReadScenInt(1)),
              Ints(1, -2, 1, 256));
    EXPECT_EQ(Ints(ErrorOf([&] { GameLayoutFile(file, 0).ReadScenInt(4); }),
                   ErrorOf([&] { GameLayoutFile(file, 3); }),
                   ErrorOf([&] { GameLayoutFile(file, -1); })),
              Ints(62, 5, 5));

    // Integers given to byte fields must fit a byte.
    const auto bytes = Bytes(std::string("\xFF\x00\x00\x01\xFF\xFF", 6));
    const ByteReader byteFile(bytes);
    const GameLayoutFile in(byteFile, 0);
    EXPECT_EQ(Ints(in.ReadScenIntAsByte(1), ErrorOf([&] { in.ReadScenIntAsByte(3); }),
                   ErrorOf([&] { in.ReadScenIntAsByte(5); })),
              Ints(255, 6, 6));

    // Texts stop at a zero or their limit; the game layouts' bars become line breaks.
    const auto texts = Bytes(std::string("AB\0CDEFG", 8));
    const ByteReader textFile(texts);
    const auto fixed = [&textFile](FilePos pos, int length) {
        std::string text = "old";
        GameLayoutFile(textFile, 0)
            .ReadScenFixedTextInto(text, pos, static_cast<std::uint8_t>(length));
        return text;
    };
    EXPECT_EQ((std::vector{fixed(1, 5), fixed(4, 3), fixed(4, 0)}),
              (std::vector<std::string>{"AB   ", "CDE", ""}));
    // A text that runs to the end of the file without its zero is a read past the end.
    EXPECT_EQ(ErrorOf([&] { fixed(4, 30); }), 62);

    const auto bars = Bytes("one|two||");
    const ByteReader barFile(bars);
    const auto text = [&barFile](int format, FilePos pos, int n) {
        std::string read = "old";
        GameLayoutFile(barFile, format).ReadScenTextInto(read, pos, static_cast<std::uint8_t>(n));
        return read;
    };
    EXPECT_EQ((std::vector{text(0, 1, 9), text(1, 1, 4), text(2, 1, 9), text(0, 5, 0)}),
              (std::vector<std::string>{"one\r\ntwo\r\n\r\n", "one\r\n", "one|two||", ""}));
    EXPECT_EQ(ErrorOf([&] { text(0, 5, 6); }), 62);

    // Line breaks that would take a text past 255 characters, which no save could write, are
    // left as bars; 254 characters with one bar still fit.
    for (const auto& [length, converted] : {std::pair{254, true}, std::pair{255, false}}) {
        const auto longText = Bytes(std::string(static_cast<std::size_t>(length) - 1, 'x') + "|");
        const ByteReader longFile(longText);
        std::string read;
        GameLayoutFile(longFile, 0)
            .ReadScenTextInto(read, 1, static_cast<std::uint8_t>(longText.size()));
        EXPECT_EQ(read.size(), static_cast<std::size_t>(length + (converted ? 1 : 0))) << length;
    }
}

class GameNodeTest : public ::testing::TestWithParam<bool> {};

TEST_P(GameNodeTest, FieldsComeInTheGamesOrderNumbersMoveAndType299SwapsItsFirstExtras) {
    EXPECT_EQ(RoundTripNode("12w 1w 2w 3w 4w 5w 6w 7w 8w 9w 10w", GetParam()),
              (SpecialNode{12, 1, 2, 4, 5, 3, 6, 7, 8, 9, 10}));
    // The node as written; its type, extra 1a, extra 1b and extra 2b as read.
    // clang-format off
    const std::pair<const char*, std::vector<int>> cases[] = {{"57w @18 3w", {57, 0, 0, 3}},
        {"57w @18 4w", {57, 0, 0, 6}}, {"60w @18 999w", {60, 0, 0, 1001}},
        {"57w @18 1000w", {57, 0, 0, 1000}}, {"58w @18 4w", {58, 0, 0, 4}},
        {"99w @12 5w", {99, 35, 0, 0}}, {"100w @12 -40w", {100, -10, 0, 0}},
        {"299w @12 5w 2w", {299, 2, 35, 0}}, {"299w @12 5w 3w", {299, 3, 5, 0}},
        {"229w @12 5w 2w", {229, 5, 2, 0}}}; // a type of the editor's own: left alone
    // clang-format on
    for (const auto& [literal, expected] : cases) {
        const SpecialNode n = RoundTripNode(literal, GetParam());
        EXPECT_EQ(Ints(n.Type, n.Extra1a, n.Extra1b, n.Extra2b), expected) << literal;
    }
    EXPECT_EQ(ErrorOf([&] { RoundTripNode("100w @12 32767w", GetParam()); }), 6);
}

INSTANTIATE_BYTE_ORDERS(GameNodeTest);

#include "platform/core/TextCodec.h"
#include "platform/qt/QtText.h"

#include <QString>
#include <gtest/gtest.h>

TEST(TextCodec, MapsTheHighBlockBothWays) {
    const std::string cp = "\x80\x8A\x99\x9F\xA0\xE9\xFF";
    const std::string utf8 = "\u20AC\u0160\u2122\u0178\u00A0\u00E9\u00FF";
    EXPECT_EQ(Utf8FromCp1252(cp), utf8);
    EXPECT_EQ(Cp1252FromUtf8(utf8), cp);
    EXPECT_EQ(FromQString(ToQString(cp)), cp);
    EXPECT_EQ(ToQString(cp), QString::fromUtf8(utf8.c_str()));
}

TEST(TextCodec, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Cp1252FromUtf8(Utf8FromCp1252(all)), all);
    EXPECT_EQ(FromQString(ToQString(all)), all);
}

TEST(TextCodec, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Cp1252FromUtf8("a\u4E2Db\U0001F600c"), "a?b?c");
    EXPECT_EQ(FromQString(QString::fromUtf8("\u0394x")), "?x");
    // Broken sequences count as one unknown character per byte, never read past the end.
    EXPECT_EQ(Cp1252FromUtf8("\xC3"), "?");
    EXPECT_EQ(Cp1252FromUtf8("\xE2\x82"), "??");
    EXPECT_EQ(Cp1252FromUtf8("\xFFok"), "?ok");
}

TEST(TextCodec, FixedLengthTextsArePaddedWithBlanksOrCut) {
    EXPECT_EQ(FixedLengthText("ab", 4), "ab  ");
    EXPECT_EQ(FixedLengthText("abcdef", 4), "abcd");
    EXPECT_EQ(FixedLengthText("", 2), "  ");
    EXPECT_EQ(FixedLengthText("abc", 0), "");
}

#include "platform/core/TextCodec.h"
#include "platform/qt/QtText.h"

#include <gtest/gtest.h>

TEST(TextCodec, MapsTheCodePageBothWaysMarksWhatItLacksAndPadsFixedLengths) {
    std::string all = "\x80\x8A\x99\x9F\xA0\xE9\xFF";
    const std::string utf8 = "\u20AC\u0160\u2122\u0178\u00A0\u00E9\u00FF";
    EXPECT_EQ(Utf8FromCp1252(all), utf8);
    EXPECT_EQ(Cp1252FromUtf8(utf8), all);
    EXPECT_EQ(ToQString(all), QString::fromUtf8(utf8.c_str()));
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Cp1252FromUtf8(Utf8FromCp1252(all)), all);
    EXPECT_EQ(FromQString(ToQString(all)), all);
    // Characters outside the code page become question marks; broken sequences count as one
    // unknown character per byte, never read past the end.
    EXPECT_EQ(Cp1252FromUtf8("a\u4E2Db\U0001F600c\xC3"), "a?b?c?");
    EXPECT_EQ(FromQString(QString::fromUtf8("\u0394x")), "?x");
    EXPECT_EQ(Cp1252FromUtf8("\xE2\x82"), "??");
    EXPECT_EQ(Cp1252FromUtf8("\xFFok"), "?ok");
    // Fixed-length texts are padded with blanks or cut.
    EXPECT_EQ(FixedLengthText("ab", 4) + FixedLengthText("abcdef", 4) + FixedLengthText("", 2) +
                  FixedLengthText("abc", 0),
              "ab  abcd  ");
}

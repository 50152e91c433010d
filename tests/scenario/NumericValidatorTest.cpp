#include "scenario/NumericValidator.h"

#include "support/MsgBoxRecorder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {
struct ValidationCase {
    std::string value;
    std::int16_t min;
    std::int16_t max;
    std::string expectedMessage; // empty: accepted
};

void PrintTo(const ValidationCase& c, std::ostream* os) {
    *os << '"' << c.value << "\" in " << c.min << ".." << c.max;
}

class ValidateNumberTest : public testing::TestWithParam<ValidationCase> {};

TEST_P(ValidateNumberTest, ShowsOneBoxExactlyWhenItRejects) {
    const ValidationCase& c = GetParam();
    MsgBoxRecorder boxes;

    const bool rejected = ValidateNumber(c.value, "Level", c.min, c.max);

    if (c.expectedMessage.empty()) {
        EXPECT_FALSE(rejected);
        EXPECT_TRUE(boxes.Calls().empty());
        return;
    }
    EXPECT_TRUE(rejected);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, c.expectedMessage);
    EXPECT_EQ(boxes.Calls()[0].title, "Error!");
    EXPECT_EQ(boxes.Calls()[0].style, msgbox::OkOnly + msgbox::Exclamation);
}

const std::string kNotNumeric = "Level must be numeric.";
const std::string kBelowMinusOne = "Values less than -1 are not accepted.";
const std::string kAboveMaxInt = "Value larger than MaxInt.";

INSTANTIATE_TEST_SUITE_P(
    EmptyText, ValidateNumberTest,
    testing::Values(ValidationCase{"", 1, 10, "Level must be between 1 and 10."},
                    ValidationCase{"", 0, 10, ""}, ValidationCase{"", 5, 5, ""}));

INSTANTIATE_TEST_SUITE_P(
    LoneMinus, ValidateNumberTest,
    testing::Values(ValidationCase{"-", -1, 10, ""}, ValidationCase{"-", 0, 0, ""},
                    ValidationCase{"-", 0, 5, "Level must be between 0 and 5."},
                    ValidationCase{"-", 5, 5, "Level must be between 5 and 5."}));

INSTANTIATE_TEST_SUITE_P(
    Bounds, ValidateNumberTest,
    testing::Values(ValidationCase{"-5", -10, 20, kBelowMinusOne},
                    ValidationCase{"-1.5", -10, 20, kBelowMinusOne},
                    ValidationCase{"-1", -1, 10, ""}, ValidationCase{"-0.5", 0, 0, ""},
                    ValidationCase{"-1", 0, 10, "Level must be between 0 and 10."},
                    ValidationCase{"40000", 0, 10, kAboveMaxInt},
                    ValidationCase{"40000", 0, 0, kAboveMaxInt},
                    ValidationCase{"32768", 7, 7, kAboveMaxInt},
                    ValidationCase{"32767.5", 0, 0, kAboveMaxInt},
                    ValidationCase{"99999999999999999999", 0, 0, kAboveMaxInt},
                    ValidationCase{"32767", 0, 0, ""}, ValidationCase{"-1", 3, 3, ""},
                    ValidationCase{"2.5", 1, 3, ""},
                    ValidationCase{"3.5", 1, 3, "Level must be between 1 and 3."},
                    ValidationCase{"0", -10, -5, "Level must be between -10 and -5."},
                    ValidationCase{"10", 0, 10, ""},
                    ValidationCase{"11", 0, 10,
                                   "Level must be between 0 "
                                   "and 10."}));

INSTANTIATE_TEST_SUITE_P(
    Spellings, ValidateNumberTest,
    testing::Values(
        ValidationCase{" 12 ", 0, 20, ""}, ValidationCase{"+7", 0, 20, ""},
        ValidationCase{"007", 0, 20, ""}, ValidationCase{"abc", 0, 0, kNotNumeric},
        ValidationCase{"12a", 0, 0, kNotNumeric}, ValidationCase{"1e3", 0, 0, kNotNumeric},
        ValidationCase{"0x10", 0, 0, kNotNumeric}, ValidationCase{"1,000", 0, 0, kNotNumeric},
        ValidationCase{"2,5", 0, 0, kNotNumeric}, ValidationCase{"5.", 0, 0, kNotNumeric},
        ValidationCase{".5", 0, 0, kNotNumeric}, ValidationCase{"- 5", 0, 0, kNotNumeric},
        ValidationCase{" -", 0, 0, kNotNumeric}, ValidationCase{"+", 0, 0, kNotNumeric},
        ValidationCase{"1.2.3", 0, 0, kNotNumeric}, ValidationCase{"   ", 0, 0, kNotNumeric}));

TEST(NumberFromBoxText, ConvertsWhatTheValidatorAccepts) {
    EXPECT_EQ(NumberFromBoxText(""), 0);
    EXPECT_EQ(NumberFromBoxText("-1"), -1);
    EXPECT_EQ(NumberFromBoxText("32767"), 32767);
    EXPECT_EQ(NumberFromBoxText("32768"), 32768);
    EXPECT_EQ(NumberFromBoxText(" +12 "), 12);
    EXPECT_EQ(NumberFromBoxText("-0"), 0);
}

TEST(NumberFromBoxText, RoundsHalvesToEven) {
    EXPECT_EQ(NumberFromBoxText("2.5"), 2);
    EXPECT_EQ(NumberFromBoxText("3.5"), 4);
    EXPECT_EQ(NumberFromBoxText("0.5"), 0);
    EXPECT_EQ(NumberFromBoxText("-2.5"), -2);
    EXPECT_EQ(NumberFromBoxText("-3.5"), -4);
    EXPECT_EQ(NumberFromBoxText("2.50"), 2);
    EXPECT_EQ(NumberFromBoxText("2.5000001"), 3);
    EXPECT_EQ(NumberFromBoxText("2.4999"), 2);
    EXPECT_EQ(NumberFromBoxText("2.6"), 3);
    EXPECT_EQ(NumberFromBoxText("-0.4"), 0);
}

TEST(NumberFromBoxText, GivesNothingForWhatIsNoNumber) {
    EXPECT_EQ(NumberFromBoxText("-"), std::nullopt);
    EXPECT_EQ(NumberFromBoxText("abc"), std::nullopt);
    EXPECT_EQ(NumberFromBoxText("1e3"), std::nullopt);
    EXPECT_EQ(NumberFromBoxText("2,5"), std::nullopt);
    EXPECT_EQ(NumberFromBoxText(" "), std::nullopt);
}

TEST(NumberFromBoxText, GivesNothingBeyond32Bits) {
    EXPECT_EQ(NumberFromBoxText("2147483647"), 2147483647);
    EXPECT_EQ(NumberFromBoxText("-2147483648"), std::int32_t{-2147483647 - 1});
    EXPECT_EQ(NumberFromBoxText("2147483648"), std::nullopt);
    EXPECT_EQ(NumberFromBoxText("99999999999999999999999"), std::nullopt);
}
} // namespace

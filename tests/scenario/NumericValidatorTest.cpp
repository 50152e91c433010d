#include "scenario/NumericValidator.h"

#include "support/ShownBoxes.h"

#include <gtest/gtest.h>

TEST(ValidateNumber, ShowsOneBoxExactlyWhenItRejectsAndWhatItAcceptsConverts) {
    const std::string numeric = "Level must be numeric.";
    const std::string belowMinusOne = "Values less than -1 are not accepted.";
    const std::string aboveMaxInt = "Value larger than MaxInt.";
    const std::string exclamation = std::to_string(msgbox::OkOnly + msgbox::Exclamation) + "|";
    // clang-format off
    // the text, the range, and the message shown (none: accepted)
    const std::tuple<std::string, std::int16_t, std::int16_t, std::string> cases[] = {
        // The empty text and a lone "-" are 0 and -1 in the range test only.
        {"", 1, 10, "Level must be between 1 and 10."}, {"", 0, 10, ""}, {"", 5, 5, ""},
        {"-", -1, 10, ""}, {"-", 0, 0, ""}, {"-", 0, 5, "Level must be between 0 and 5."},
        {"-", 5, 5, "Level must be between 5 and 5."},
        // Bounds, in the order of the checks.
        {"-5", -10, 20, belowMinusOne}, {"-1.5", -10, 20, belowMinusOne}, {"-1", -1, 10, ""},
        {"-0.5", 0, 0, ""}, {"-1", 0, 10, "Level must be between 0 and 10."},
        {"40000", 0, 10, aboveMaxInt}, {"40000", 0, 0, aboveMaxInt}, {"32768", 7, 7, aboveMaxInt},
        {"32767.5", 0, 0, aboveMaxInt}, {"99999999999999999999", 0, 0, aboveMaxInt},
        {"32767", 0, 0, ""}, {"-1", 3, 3, ""}, {"2.5", 1, 3, ""}, {"10", 0, 10, ""},
        {"3.5", 1, 3, "Level must be between 1 and 3."},
        {"0", -10, -5, "Level must be between -10 and -5."},
        {"11", 0, 10, "Level must be between 0 and 10."},
        // Spellings.
        {" 12 ", 0, 20, ""}, {"+7", 0, 20, ""}, {"007", 0, 20, ""}, {"abc", 0, 0, numeric},
        {"12a", 0, 0, numeric}, {"1e3", 0, 0, numeric}, {"0x10", 0, 0, numeric},
        {"1,000", 0, 0, numeric}, {"2,5", 0, 0, numeric}, {"5.", 0, 0, numeric},
        {".5", 0, 0, numeric}, {"- 5", 0, 0, numeric}, {" -", 0, 0, numeric},
        {"+", 0, 0, numeric}, {"1.2.3", 0, 0, numeric}, {"   ", 0, 0, numeric}};
    // clang-format on
    for (const auto& [value, min, max, message] : cases) {
        MsgBoxRecorder boxes;
        EXPECT_EQ(ValidateNumber(value, "Level", min, max), !message.empty()) << value;
        EXPECT_EQ(Shown(boxes),
                  message.empty() ? Boxes{} : Boxes{"Error!|" + exclamation + message})
            << '"' << value << "\" in " << min << ".." << max;
    }
    // What it accepts converts to a number, halves rounding to even.
    const auto none = std::nullopt;
    // clang-format off
    const std::pair<std::string, std::optional<std::int32_t>> numbers[] = {
        {"", 0}, {"-1", -1}, {"32767", 32767}, {"32768", 32768}, {" +12 ", 12}, {"-0", 0},
        {"2.5", 2}, {"3.5", 4}, {"0.5", 0}, {"-2.5", -2}, {"-3.5", -4}, {"2.50", 2},
        {"2.5000001", 3}, {"2.4999", 2}, {"2.6", 3}, {"-0.4", 0},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        // Nothing for what is no number or beyond 32 bits.
        {"-", none}, {"abc", none}, {"1e3", none}, {"2,5", none}, {" ", none},
        {"2147483648", none}, {"99999999999999999999999", none}};
    // clang-format on
    for (const auto& [text, expected] : numbers)
        EXPECT_EQ(NumberFromBoxText(text), expected) << '"' << text << '"';
}

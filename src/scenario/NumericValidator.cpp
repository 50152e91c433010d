#include "scenario/NumericValidator.h"

#include "platform/core/MsgBox.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {
// A numeric text taken apart exactly, so that "2.5" compares as 2.5 and a long run of digits
// cannot overflow anything.
struct Decimal {
    bool negative = false;
    std::int64_t whole = 0;    // saturates at kHuge
    std::string_view fraction; // digits after the point, trailing zeros removed
};

// Larger than any bound a box compares with and than any 32-bit result.
constexpr std::int64_t kHuge = 1'000'000'000'000;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<Decimal> ParseDecimal(std::string_view text) {
    std::size_t pos = 0;
    const std::size_t end = text.size();
    while (pos < end && IsBlank(text[pos]))
        ++pos;

    Decimal number;
    if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
        number.negative = text[pos] == '-';
        ++pos;
    }

    const std::size_t wholeStart = pos;
    while (pos < end && IsDigit(text[pos])) {
        number.whole = std::min(kHuge, number.whole * 10 + (text[pos] - '0'));
        ++pos;
    }
    if (pos == wholeStart) return std::nullopt;

    if (pos < end && text[pos] == '.') {
        ++pos;
        const std::size_t fractionStart = pos;
        while (pos < end && IsDigit(text[pos]))
            ++pos;
        if (pos == fractionStart) return std::nullopt;
        std::string_view fraction = text.substr(fractionStart, pos - fractionStart);
        while (!fraction.empty() && fraction.back() == '0')
            fraction.remove_suffix(1);
        number.fraction = fraction;
    }

    while (pos < end && IsBlank(text[pos]))
        ++pos;
    if (pos != end) return std::nullopt;
    return number;
}

// -1, 0 or 1 as the magnitude whole + 0.fraction is below, at or above bound (bound >= 0).
int CompareMagnitude(const Decimal& number, std::int64_t bound) {
    if (number.whole != bound) return number.whole < bound ? -1 : 1;
    return number.fraction.empty() ? 0 : 1;
}

// -1, 0 or 1 as the number is below, at or above bound.
int Compare(const Decimal& number, std::int64_t bound) {
    if (!number.negative) return bound < 0 ? 1 : CompareMagnitude(number, bound);
    const bool isZero = number.whole == 0 && number.fraction.empty();
    if (isZero) return bound < 0 ? 1 : (bound == 0 ? 0 : -1);
    return bound >= 0 ? -1 : -CompareMagnitude(number, -bound);
}

bool Reject(const std::string& message) {
    MsgBox(message, msgbox::OkOnly + msgbox::Exclamation, "Error!");
    return true;
}

std::string RangeMessage(const std::string& fieldName, std::int16_t min, std::int16_t max) {
    return fieldName + " must be between " + std::to_string(min) + " and " + std::to_string(max) +
           ".";
}
} // namespace

bool ValidateNumber(const std::string& value, const std::string& fieldName, std::int16_t min,
                    std::int16_t max) {
    // An empty box counts as 0, which the range may still refuse.
    const std::string_view text = value.empty() ? std::string_view("0") : std::string_view(value);

    // A lone minus sign is the first keystroke of a negative number.
    if (text == "-") {
        if (min < 0 || (min == 0 && max == 0)) return false;
        return Reject(RangeMessage(fieldName, min, max));
    }

    const std::optional<Decimal> number = ParseDecimal(text);
    if (!number) return Reject(fieldName + " must be numeric.");
    if (Compare(*number, -1) < 0) return Reject("Values less than -1 are not accepted.");
    if (Compare(*number, 32767) > 0) return Reject("Value larger than MaxInt.");
    if (min != max && (Compare(*number, min) < 0 || Compare(*number, max) > 0))
        return Reject(RangeMessage(fieldName, min, max));
    return false;
}

std::optional<std::int32_t> NumberFromBoxText(std::string_view text) {
    if (text.empty()) return 0;
    const std::optional<Decimal> number = ParseDecimal(text);
    if (!number) return std::nullopt;

    std::int64_t magnitude = number->whole;
    if (!number->fraction.empty()) {
        // The fraction has no trailing zeros, so it is exactly one half only when it is "5".
        const bool half = number->fraction == "5";
        const bool aboveHalf = !half && number->fraction.front() >= '5';
        if (aboveHalf || (half && magnitude % 2 != 0)) ++magnitude;
    }
    const std::int64_t value = number->negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

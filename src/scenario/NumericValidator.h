#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Numbers typed into boxes. "Numeric" is: optional blanks, an optional sign, digits, optionally
// a point and digits, optional blanks; nothing else (no exponents, hexadecimal, thousands
// separators or locale decimal comma).

// Checks the text of a numeric box. Returns true when the text is rejected, after telling the
// user why in one "Error!" box; false, without a box, when it is accepted. min equal to max
// means "no range"; the empty text counts as 0, and a lone "-" is let through where a negative
// or free value may follow.
bool ValidateNumber(const std::string& value, const std::string& fieldName, std::int16_t min,
                    std::int16_t max);

// The number a box text stands for, halves rounded to the even neighbour; the empty text is 0.
// Nothing for a text that is not numeric, for a lone "-" (the caller keeps its last good value)
// and for a number beyond 32 bits.
std::optional<std::int32_t> NumberFromBoxText(std::string_view text);

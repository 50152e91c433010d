#include "platform/core/ByteCursor.h"

#include <algorithm>

void WriteCursor::FixedText(std::string_view text, std::size_t length) {
    const std::size_t kept = std::min(text.size(), length);
    Bytes(text.data(), kept);
    static constexpr char kBlanks[] = "                                ";
    for (std::size_t left = length - kept; left > 0;) {
        const std::size_t n = std::min(left, sizeof kBlanks - 1);
        Bytes(kBlanks, n);
        left -= n;
    }
}

#include "platform/core/ByteCursor.h"

#include <algorithm>

void WriteCursor::FixedText(std::string_view text, std::size_t length) {
    const std::size_t kept = std::min(text.size(), length);
    Bytes(text.data(), kept);
    if (kept < length) {
        const std::string blanks(length - kept, ' ');
        Bytes(blanks.data(), blanks.size());
    }
}

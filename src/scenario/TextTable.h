#pragma once

#include "platform/core/ByteCursor.h"
#include "platform/core/RuntimeError.h"

#include <cstddef>
#include <string>
#include <vector>

// A table of texts: one length byte per text, then the texts back to back.

// Writes the texts as a table at tablePos and returns the position after the last text.
// A text longer than 255 characters raises "Overflow".
FilePos WriteTextTable(ByteWriter& file, FilePos tablePos,
                       const std::vector<const std::string*>& texts);

// Reads a table of count + 1 texts at the cursor and moves the cursor past it. Text i goes
// straight into the text that textAt(i) names, which keeps its storage when that is large
// enough; a null text is skipped.
template <class TextAt> void ReadTextTable(ReadCursor& cursor, int count, TextAt&& textAt) {
    if (count < -1) RaiseError(err::SubscriptOutOfRange);
    const auto n = static_cast<std::size_t>(count + 1);
    const std::uint8_t* lengths = cursor.Take(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (std::string* text = textAt(i))
            cursor.TextInto(*text, lengths[i]);
        else
            cursor.Take(lengths[i]);
    }
}

// The upper bound that a count slot gives, checked against the largest the table can take.
int CheckedCount(std::int16_t storedCount, int largest);

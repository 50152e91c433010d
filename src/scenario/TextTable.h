#pragma once

#include "platform/core/ByteCursor.h"

#include <string>
#include <vector>

// A table of texts: one length byte per text, then the texts back to back.

// Writes the texts as a table at tablePos and returns the position after the last text.
// A text longer than 255 characters raises "Overflow".
FilePos WriteTextTable(ByteWriter& file, FilePos tablePos,
                       const std::vector<const std::string*>& texts);

// Reads a table of count + 1 texts at the cursor and moves the cursor past it.
std::vector<std::string> ReadTextTable(ReadCursor& cursor, int count);

// The upper bound that a count slot gives, checked against the largest the table can take.
int CheckedCount(std::int16_t storedCount, int largest);

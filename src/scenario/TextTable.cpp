#include "scenario/TextTable.h"

#include "platform/core/RuntimeError.h"

FilePos WriteTextTable(ByteWriter& file, FilePos tablePos,
                       const std::vector<const std::string*>& texts) {
    // The lengths first, then the texts: the image grows in one sequential pass.
    FilePos pos = tablePos;
    for (const std::string* text : texts) {
        if (text->size() > 255) RaiseError(err::Overflow);
        file.PutU8(pos++, static_cast<std::uint8_t>(text->size()));
    }
    for (const std::string* text : texts) {
        file.PutText(pos, *text);
        pos += static_cast<FilePos>(text->size());
    }
    return pos;
}

int CheckedCount(std::int16_t storedCount, int largest) {
    if (storedCount < -1 || storedCount > largest) RaiseError(err::SubscriptOutOfRange);
    return storedCount;
}

#include "scenario/TextTable.h"

#include "platform/core/RuntimeError.h"

FilePos WriteTextTable(ByteWriter& file, FilePos tablePos,
                       const std::vector<const std::string*>& texts) {
    std::vector<std::uint8_t> lengths(texts.size());
    FilePos textPos = tablePos + static_cast<FilePos>(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string& text = *texts[i];
        if (text.size() > 255) RaiseError(err::Overflow);
        lengths[i] = static_cast<std::uint8_t>(text.size());
        file.PutText(textPos, text);
        textPos += static_cast<FilePos>(text.size());
    }
    file.PutBytes(tablePos, lengths.data(), lengths.size());
    return textPos;
}

std::vector<std::string> ReadTextTable(ReadCursor& cursor, int count) {
    if (count < -1) RaiseError(err::SubscriptOutOfRange);
    const auto n = static_cast<std::size_t>(count + 1);
    std::vector<std::uint8_t> lengths(n);
    cursor.Bytes(lengths.data(), n);
    std::vector<std::string> texts;
    texts.reserve(n);
    for (std::uint8_t length : lengths)
        texts.push_back(cursor.Text(length));
    return texts;
}

int CheckedCount(std::int16_t storedCount, int largest) {
    if (storedCount < -1 || storedCount > largest) RaiseError(err::SubscriptOutOfRange);
    return storedCount;
}

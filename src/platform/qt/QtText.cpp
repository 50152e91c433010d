#include "platform/qt/QtText.h"

#include "platform/core/TextCodec.h"

#include <QList>

QString ToQString(std::string_view cp1252) {
    QString out;
    out.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char c : cp1252)
        out += QChar(static_cast<char16_t>(CodePointOfByte(static_cast<unsigned char>(c))));
    return out;
}

std::string FromQString(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (char32_t cp : text.toUcs4())
        out += ByteOfCodePoint(cp);
    return out;
}

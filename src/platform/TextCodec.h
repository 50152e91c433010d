#pragma once

#include <string>
#include <string_view>

class QString;

// The model keeps every text as the single-byte Windows-1252 bytes that the files hold.
// These conversions are used only at the edges where texts meet the window system.

// A character that Windows-1252 cannot hold becomes "?".
std::string Cp1252FromUtf8(std::string_view utf8);
std::string Utf8FromCp1252(std::string_view cp1252);

QString ToQString(std::string_view cp1252);
std::string FromQString(const QString& text);

// A fixed-length text of exactly length characters: blank-padded or cut.
std::string FixedLengthText(std::string_view text, std::size_t length);

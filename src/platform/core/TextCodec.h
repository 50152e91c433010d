#pragma once

#include <string>
#include <string_view>

// The model keeps every text as the single-byte Windows-1252 bytes that the files hold.
// These conversions are used only at the edges where texts meet the window system.

// A character that Windows-1252 cannot hold becomes "?".
std::string Cp1252FromUtf8(std::string_view utf8);
std::string Utf8FromCp1252(std::string_view cp1252);

// One character: the code point of a Windows-1252 byte, and the byte of a code point ("?" for
// one that Windows-1252 cannot hold).
char32_t CodePointOfByte(unsigned char byte);
char ByteOfCodePoint(char32_t cp);

// A fixed-length text of exactly length characters: blank-padded or cut.
std::string FixedLengthText(std::string_view text, std::size_t length);

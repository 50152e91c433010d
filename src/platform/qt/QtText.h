#pragma once

#include <QString>
#include <string>
#include <string_view>

// The window edge of the model's Windows-1252 texts. A character that Windows-1252 cannot hold
// becomes "?".
QString ToQString(std::string_view cp1252);
std::string FromQString(const QString& text);

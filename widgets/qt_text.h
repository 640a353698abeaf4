#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace orvel {

// The windows' edge of the engine: Windows-1252 bytes to QString and back.
QString fromCp1252(std::string_view bytes);
std::string toCp1252(const QString& text);

// The text in the file's bytes, or none when it holds a character that Windows-1252 lacks (such a
// character becomes '?' in toCp1252, which would then match the records holding a real '?').
std::optional<std::string> cp1252Text(const QString& text);

inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace orvel

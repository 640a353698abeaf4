#pragma once

#include <QString>
#include <string_view>

namespace orvel {

// The windows' edge of the engine: Windows-1252 bytes to QString and back.
QString fromCp1252(std::string_view bytes);
std::string toCp1252(const QString& text);

// Whether the file's encoding holds every character of the text: one it cannot hold becomes '?'
// in toCp1252, which would then match the records holding a real '?'.
bool fitsCp1252(const QString& text);

inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace orvel

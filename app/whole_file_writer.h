#pragma once

#include <QString>
#include <optional>
#include <string_view>

namespace orvel {

// Writes the bytes as the whole content of the file, through a temporary file in the same
// directory that takes the file's place only once complete: a failure leaves the file as it was,
// never half written. Returns the French message of a failure.
std::optional<QString> writeWholeFile(const QString& path, std::string_view bytes);

} // namespace orvel

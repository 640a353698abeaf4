#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvel::query {

// A text argument (UTF-8) in the file's Windows-1252 bytes. Text that is not valid UTF-8 is a
// usage error; a text with a character Windows-1252 cannot hold gives nothing, since no record
// can hold it either (what names the argument in the message, e.g. "le texte à chercher").
std::optional<std::string> cp1252Argument(std::string_view utf8, std::string_view what);

} // namespace orvel::query

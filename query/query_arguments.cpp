#include "query/query_arguments.h"

#include "data/cp1252.h"
#include "query/query_options.h"

namespace orvel::query {

std::optional<std::string> cp1252Argument(std::string_view utf8, std::string_view what) {
    if (!isValidUtf8(utf8)) {
        throw UsageError(std::string(what) + " n'est pas un texte UTF-8 valide");
    }
    std::string bytes = utf8ToCp1252(utf8);
    // A character without a Windows-1252 byte came out as '?', which would find a literal '?'.
    if (cp1252ToUtf8(bytes) != utf8) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace orvel::query

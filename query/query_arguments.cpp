#include "query/query_arguments.h"

#include "data/cp1252.h"
#include "query/query_options.h"

namespace orvel::query {
namespace {

// No stray or missing continuation byte, no overlong form, no surrogate, nothing above U+10FFFF.
bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 1;
        char32_t c = lead;
        char32_t smallest = 0;
        if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            c = lead & 0x07U;
            smallest = 0x10000;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            c = lead & 0x0FU;
            smallest = 0x800;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            c = lead & 0x1FU;
            smallest = 0x80;
        } else if (lead >= 0x80) {
            return false;
        }
        if (bytes.size() - i < length) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0U) != 0x80U) {
                return false;
            }
            c = (c << 6U) | (next & 0x3FU);
        }
        if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

} // namespace

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

#pragma once

#include <cstddef>
#include <string_view>

namespace orvel {

// Whether the bytes are valid UTF-8: no stray or missing continuation byte, no overlong form, no
// surrogate, nothing above U+10FFFF. constexpr, so that the program's fixed texts are checked as
// it is built.
constexpr bool isValidUtf8(std::string_view bytes) {
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

// Whether a Windows-1252 text holds no UTF-8 character by mistake. Every UTF-8 character past
// ASCII is two bytes or more of 0x80 and above in a row; the program's Windows-1252 texts never
// have two such bytes together, so one pair is taken for a UTF-8 character.
constexpr bool holdsNoUtf8(std::string_view bytes) {
    for (std::size_t i = 1; i < bytes.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i - 1]) >= 0x80 &&
            static_cast<unsigned char>(bytes[i]) >= 0x80) {
            return false;
        }
    }
    return true;
}

} // namespace orvel

#pragma once

#include <cstddef>
#include <string_view>

namespace orvel {

// The first character of strict UTF-8 and the bytes it takes; length 0 when the bytes start no
// well-formed sequence: a stray or missing continuation byte, an overlong form, a surrogate, a
// character beyond U+10FFFF, a sequence cut short, or no bytes at all.
struct Utf8Character {
    char32_t code = 0;
    std::size_t length = 0;
};

constexpr Utf8Character decodeUtf8(std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    // The lead byte gives the length, its payload and the smallest character of that length:
    // anything below is an overlong form. C0, C1 and F5 to FF lead nothing.
    std::size_t length = 0;
    char32_t c = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1FU;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0FU;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07U;
        smallest = 0x10000;
    }
    if (length == 0 || bytes.size() < length) {
        return {};
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[k]);
        if ((next & 0xC0U) != 0x80U) {
            return {};
        }
        c = (c << 6U) | (next & 0x3FU);
    }
    if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return {};
    }
    return {c, length};
}

// Whether the bytes are strict UTF-8 throughout. constexpr, so that the program's fixed texts
// are checked as it is built.
constexpr bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = decodeUtf8(bytes.substr(i)).length;
        if (length == 0) {
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

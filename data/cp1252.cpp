#include "data/cp1252.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>

namespace orvel {
namespace {

// Bytes 0x80 to 0x9F; the rest of the code page coincides with Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

constexpr char32_t kReplacementCharacter = 0xFFFD;

char* writeUtf8(char* out, char32_t c) {
    if (c < 0x80) {
        *out++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *out++ = static_cast<char>(0xC0 | (c >> 6));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (c >> 12));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (c >> 18));
        *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

char unicodeToCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c && c != 0xFFFD) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

// Calls onCharacter with each character of the UTF-8 text and the bytes that encode it; a byte
// that starts no well-formed sequence comes alone, with no character.
template <class OnCharacter>
void forEachUtf8Character(std::string_view utf8, OnCharacter&& onCharacter) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        const Utf8Character character = decodeUtf8(utf8.substr(i));
        if (character.length == 0) {
            onCharacter(std::nullopt, utf8.substr(i, 1));
            ++i;
            continue;
        }
        onCharacter(std::optional<char32_t>(character.code), utf8.substr(i, character.length));
        i += character.length;
    }
}

constexpr std::array<unsigned char, 256> makeUpperTable() {
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b) {
        table[b] = static_cast<unsigned char>(b);
    }
    for (int b = 'a'; b <= 'z'; ++b) {
        table[b] = static_cast<unsigned char>(b - 32);
    }
    // à..þ map to À..Þ, except ÷ (0xF7), which is no letter.
    for (int b = 0xE0; b <= 0xFE; ++b) {
        if (b != 0xF7) {
            table[b] = static_cast<unsigned char>(b - 32);
        }
    }
    table[0x9A] = 0x8A; // š → Š
    table[0x9C] = 0x8C; // œ → Œ
    table[0x9E] = 0x8E; // ž → Ž
    table[0xFF] = 0x9F; // ÿ → Ÿ
    return table;
}

} // namespace

void appendUtf8(std::string& out, char32_t c) {
    char encoded[4];
    out.append(encoded, writeUtf8(encoded, c));
}

char32_t cp1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

char* writeCp1252AsUtf8(char* out, std::string_view bytes) {
    // Names are mostly ASCII: eight bytes are copied at a time while none of them is beyond it.
    // Eight bytes are stored before they are tested, which the room for the rest always allows.
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    const char* next = bytes.data();
    const char* const end = next + bytes.size();
    while (end - next >= 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, next, 8);
        std::memcpy(out, &word, 8);
        const std::uint64_t high = word & kHighBits;
        if (high == 0) {
            next += 8;
            out += 8;
            continue;
        }
        // Up to the first byte beyond ASCII in memory order.
        const int bits = std::endian::native == std::endian::little ? std::countr_zero(high)
                                                                    : std::countl_zero(high);
        const auto ascii = static_cast<std::size_t>(bits) / 8;
        next += ascii;
        out = writeUtf8(out + ascii, cp1252ToUnicode(static_cast<unsigned char>(*next)));
        ++next;
    }
    // The last few bytes: when the word that ends the text is all ASCII, it is stored over the
    // bytes just written before them, which it holds again (all eight, when none is left).
    const auto left = static_cast<std::size_t>(end - next);
    if (bytes.size() >= 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, end - 8, 8);
        if ((word & kHighBits) == 0) {
            std::memcpy(out - (8 - left), &word, 8);
            return out + left;
        }
    }
    for (; next != end; ++next) {
        out = writeUtf8(out, cp1252ToUnicode(static_cast<unsigned char>(*next)));
    }
    return out;
}

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out(kMostUtf8PerByte * bytes.size(), '\0');
    out.resize(static_cast<std::size_t>(writeCp1252AsUtf8(out.data(), bytes) - out.data()));
    return out;
}

std::string utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    forEachUtf8Character(utf8, [&out](std::optional<char32_t> c, std::string_view) {
        out += c ? unicodeToCp1252(*c) : '?';
    });
    return out;
}

std::string withReplacementCharacters(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    forEachUtf8Character(bytes, [&out](std::optional<char32_t> c, std::string_view encoded) {
        if (c) {
            out.append(encoded);
        } else {
            appendUtf8(out, kReplacementCharacter);
        }
    });
    return out;
}

const std::array<unsigned char, 256> kCp1252Upper = makeUpperTable();

} // namespace orvel

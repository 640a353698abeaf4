#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace orvel {

// The reference file is single-byte Windows-1252 text. The engine works on those bytes and
// converts only where text leaves it (UTF-8 out) or enters it (UTF-8 in).

// The Unicode character of one byte. The five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) give U+FFFD, so that a damaged file shows visibly wrong
// characters instead of invisible control codes.
char32_t cp1252ToUnicode(unsigned char byte);

std::string cp1252ToUtf8(std::string_view bytes);

// The most bytes of UTF-8 that one byte becomes.
inline constexpr std::size_t kMostUtf8PerByte = 3;

// Writes the bytes as UTF-8 from out on, which has room for kMostUtf8PerByte bytes per byte, and
// returns the end of what it wrote: for a caller that fills a buffer of its own.
char* writeCp1252AsUtf8(char* out, std::string_view bytes);

// The first character of strict UTF-8 and the bytes it takes; length 0 when the bytes start no
// well-formed sequence: a stray or missing continuation byte, an overlong form, a surrogate, a
// character beyond U+10FFFF, a sequence cut short, or no bytes at all.
struct Utf8Character {
    char32_t code = 0;
    std::size_t length = 0;
};
Utf8Character decodeUtf8(std::string_view bytes);

// Appends the character, up to U+10FFFF, in UTF-8.
void appendUtf8(std::string& out, char32_t c);

// Whether the bytes are strict UTF-8 throughout.
bool isValidUtf8(std::string_view bytes);

// Characters with no Windows-1252 byte become '?', as does every byte of malformed UTF-8.
std::string utf8ToCp1252(std::string_view utf8);

// The text with every byte that is not part of well-formed UTF-8 replaced by U+FFFD, for bytes
// that the system hands over as they are, such as file names.
std::string withReplacementCharacters(std::string_view bytes);

// The capital of every byte; the search upper-cases every line it reads, so the lookup is inline.
extern const std::array<unsigned char, 256> kCp1252Upper;

// The capital of a small letter, accented or not (é→É, œ→Œ, ÿ→Ÿ, š→Š); every other byte, ß and
// µ included, is returned unchanged.
inline unsigned char cp1252ToUpper(unsigned char byte) {
    return kCp1252Upper[byte];
}

} // namespace orvel

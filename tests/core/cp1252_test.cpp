#include "data/cp1252.h"

#include <gtest/gtest.h>
#include <string>

namespace orvel {
namespace {

bool undefinedByte(int byte) {
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

// Every byte, alone and inside a run of ASCII long enough for the eight-byte fast path, comes
// back from UTF-8 unchanged; the five undefined ones show as U+FFFD and come back as '?'. Taken
// as UTF-8 itself, a lone byte beyond ASCII is malformed.
TEST(Cp1252, EveryByteSurvivesTheRoundTripWhereverItStands) {
    for (int byte = 1; byte < 256; ++byte) {
        const std::string alone(1, static_cast<char>(byte));
        EXPECT_EQ(withReplacementCharacters(alone), byte < 0x80 ? alone : "\uFFFD") << byte;
        for (const std::size_t before : {0, 7, 9}) {
            const std::string text =
                std::string(before, 'a') + static_cast<char>(byte) + "bcdefghij";
            const std::string utf8 = cp1252ToUtf8(text);
            EXPECT_EQ(utf8.find("\xEF\xBF\xBD") != std::string::npos, undefinedByte(byte)) << byte;
            const std::string back =
                undefinedByte(byte) ? std::string(before, 'a') + "?bcdefghij" : text;
            EXPECT_EQ(utf8ToCp1252(utf8), back) << byte << " after " << before;
        }
    }
}

// Each character at the edges of a UTF-8 length is written in that length and read back whole;
// its written form with one byte less starts nothing.
TEST(Utf8, CharactersAtTheEdgesOfEachLengthComeBackWhole) {
    const std::pair<char32_t, std::size_t> edges[] = {
        {0x7F, 1}, {0x80, 2}, {0x7FF, 2}, {0x800, 3}, {0xFFFF, 3}, {0x10000, 4}, {0x10FFFF, 4}};
    for (const auto& [character, length] : edges) {
        std::string utf8;
        appendUtf8(utf8, character);
        ASSERT_EQ(utf8.size(), length) << static_cast<std::uint32_t>(character);
        const Utf8Character read = decodeUtf8(utf8);
        EXPECT_EQ(read.code, character) << static_cast<std::uint32_t>(character);
        EXPECT_EQ(read.length, length);
        EXPECT_EQ(decodeUtf8(utf8.substr(0, length - 1)).length, 0U)
            << static_cast<std::uint32_t>(character);
    }
}

// Known characters both ways; no Windows-1252 byte, or not UTF-8: one '?' for each character or
// stray byte; overlong forms, a surrogate and beyond U+10FFFF are malformed, byte by byte.
TEST(Cp1252, KnownCharactersBothWaysAndTextOutsideTheCodePageAsQuestionMarks) {
    const std::tuple<std::string, std::string, bool> cases[] = {
        {"\x80\x8C\x9C\x92", "€Œœ’", true},
        {"\x9F\xA0\xC9\xFF", "Ÿ\u00A0Éÿ", true},
        {std::string("\0x", 2), std::string("\0x", 2), true},
        {"??", "\u0080\u009F", false},
        {"?", "\uFFFD", false},
        {"??", "日本", false},
        {"?z", "\xF0\x9F\x98\x80z", false},
        {"?", "\xC3", false},
        {"??", "\xE2\x82", false},
        {"??ab", "\xFF\xFE\x61\x62", false},
        {"?(", "\xC3(", false},
        {"?????", "\xC1\xA9\xE0\x80\xA9", false},
        {"???", "\xED\xA0\x80", false},
        {"????", "\xF4\x90\x80\x80", false}};
    for (const auto& [bytes, utf8, known] : cases) {
        EXPECT_EQ(utf8ToCp1252(utf8), bytes) << utf8;
        if (known) {
            EXPECT_EQ(cp1252ToUtf8(bytes), utf8);
        }
    }
}

TEST(Cp1252, UpperCasingGivesTheAccentedCapitalAndLeavesTheRest) {
    // The characters after the small ones are left as they are.
    const std::string unchanged = "ABÉŒßµ÷0-' @[`{";
    const std::string small = utf8ToCp1252("abzéèêëàçùôîœÿšžæøñþ" + unchanged);
    const std::string capital = utf8ToCp1252("ABZÉÈÊËÀÇÙÔÎŒŸŠŽÆØÑÞ" + unchanged);
    for (std::size_t i = 0; i < small.size(); ++i) {
        EXPECT_EQ(cp1252ToUpper(static_cast<unsigned char>(small[i])),
                  static_cast<unsigned char>(capital[i]));
    }
}

} // namespace
} // namespace orvel

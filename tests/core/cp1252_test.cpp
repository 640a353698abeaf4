#include "data/cp1252.h"

#include <gtest/gtest.h>

namespace {

using orvel::cp1252ToUpper;
using orvel::cp1252ToUtf8;
using orvel::utf8ToCp1252;

TEST(Cp1252, DecodesTheBytesThatLatin1WouldCorrupt) {
    EXPECT_EQ(cp1252ToUtf8("\x9C"), "œ");
    EXPECT_EQ(cp1252ToUtf8("\x8C"), "Œ");
    EXPECT_EQ(cp1252ToUtf8("\x80"), "€");
    EXPECT_EQ(cp1252ToUtf8("\x92"), "’");
    EXPECT_EQ(cp1252ToUtf8("\x9F"), "Ÿ");
    EXPECT_EQ(cp1252ToUtf8("\x8A\x9A\x8E\x9E"), "ŠšŽž");
    EXPECT_EQ(cp1252ToUtf8("C\x8CUVRES \xC9PINAL"), "CŒUVRES ÉPINAL");
}

TEST(Cp1252, DecodesLatinLettersAndAsciiUnchanged) {
    EXPECT_EQ(cp1252ToUtf8("Ch\xE2teau de l'\xCEle"), "Château de l'Île");
    EXPECT_EQ(cp1252ToUtf8("abc 123 -----"), "abc 123 -----");
    EXPECT_EQ(cp1252ToUtf8(std::string_view("\0x", 2)), std::string_view("\0x", 2));
}

TEST(Cp1252, UndefinedBytesShowAsReplacementCharacters) {
    for (const char byte : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'}) {
        EXPECT_EQ(cp1252ToUtf8(std::string(1, byte)), "\xEF\xBF\xBD") << int(byte);
    }
}

TEST(Cp1252, EveryDefinedByteSurvivesTheRoundTrip) {
    for (int b = 1; b < 256; ++b) {
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) {
            continue;
        }
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(byte)), byte) << b;
    }
}

TEST(Cp1252, TextWithoutAWindows1252ByteBecomesQuestionMarks) {
    EXPECT_EQ(utf8ToCp1252("a\xE2\x82\xACz"), "a\x80z");
    EXPECT_EQ(utf8ToCp1252("日本"), "??");
    EXPECT_EQ(utf8ToCp1252("\xC3"), "?"); // cut short
    EXPECT_EQ(utf8ToCp1252("\xFF\xFE"
                           "ab"),
              "??ab"); // not UTF-8 at all
}

TEST(Cp1252, UpperCasingGivesTheAccentedCapital) {
    const auto upper = [](std::string_view text) {
        std::string out;
        for (const char c : text) {
            out += static_cast<char>(cp1252ToUpper(static_cast<unsigned char>(c)));
        }
        return out;
    };
    EXPECT_EQ(upper(utf8ToCp1252("éèêëàçùôîœÿšžæøñ")), utf8ToCp1252("ÉÈÊËÀÇÙÔÎŒŸŠŽÆØÑ"));
    EXPECT_EQ(upper("abcxyz"), "ABCXYZ");
    // No capital in the code page, or not a letter: unchanged.
    EXPECT_EQ(upper(utf8ToCp1252("ßµ÷0-' ")), utf8ToCp1252("ßµ÷0-' "));
    EXPECT_EQ(upper(utf8ToCp1252("ÉŒ")), utf8ToCp1252("ÉŒ"));
}

} // namespace

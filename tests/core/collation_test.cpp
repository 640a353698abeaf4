#include "data/cp1252.h"
#include "listing/collation.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace orvel {
namespace {

using Texts = std::vector<std::string>;

// The UTF-8 texts as the listings sort their lines.
Texts sorted(const Texts& texts) {
    LineList lines;
    for (const std::string& text : texts) {
        lines.append(utf8ToCp1252(text));
    }
    Texts result;
    for (const std::size_t index : sortOrder(lines)) {
        result.push_back(cp1252ToUtf8(lines[index]));
    }
    return result;
}

// Each row in its expected order: the sort gets it reversed, and the comparison puts each text
// before the next, whether the packed weights of the sort decide or not.
TEST(Collation, FrenchOrderAndSortAgreeingWithTheComparison) {
    const std::string long47(47, 'A');
    const Texts rows[] = {
        {"Ajaccio", "avignon", "BORDEAUX", "brest"},                 // case does not count
        {"Dôle", "Ecully", "Épinal", "Étampes", "Evreux", "Fécamp"}, // accents sort with e
        {"Çà", "Cb", "Cz"},                                          // ç with c
        {"cote", "coté", "côte", "côté"},                            // accents decide last
        {"e", "é", "è", "ê", "ë"},                                   // order of the accents
        {"CODOGNAN", "COEUR", "CŒUVRES", "COUVRON"},                 // œ as oe
        {"Lætitia", "Laz", "Lb"},                                    // æ as ae
        {"Strasse", "Straße", "Strasses"},                           // ß as ss
        {"SAINT MARTIN", "SAINT-AUBIN", "SAINT-YORRE", "SAINTE-ANNE", "SAINTES"},
        {"A ", "A-", "A_", "A0", "A9", "AA", "AZ", "AÞ"}, // blanks, punctuation, digits, letters
        {"Brest", "Brestois"},                            // a prefix first
        {"SAINT-MARTIN-D'HÈRES", "SAINT-MARTIN-DE-CRAU", "SAINT-MARTIN-DE-RÉ"},
        {long47 + "oex", long47 + "œz"}, // œ across the 48th
        {long47 + "œx", long47 + "oez"},
        {long47 + "Boex", long47 + "Bœz"},
    };
    for (const Texts& row : rows) {
        EXPECT_EQ(sorted(Texts(row.rbegin(), row.rend())), row);
        for (std::size_t i = 0; i + 1 < row.size(); ++i) {
            EXPECT_LT(collate(utf8ToCp1252(row[i]), utf8ToCp1252(row[i + 1])), 0) << row[i];
            EXPECT_GT(collate(utf8ToCp1252(row[i + 1]), utf8ToCp1252(row[i])), 0) << row[i];
        }
    }
    EXPECT_EQ(collate("paris", "PARIS"), 0);
    // Lines that agree for 42 to 55 characters, so that the packed weights run out at every
    // place, with accents and ligatures there: the sort is the stable sort by collate, and
    // collate is an order.
    const std::string pieces[] = {"a",    "A",  "e",    "\xE9", "\xE8", "oe", "\x9C",
                                  "\x8C", "ae", "\xE6", "ss",   "\xDF", " ",  "-",
                                  "1",    "z",  "\xFE", "\x81", "\x01"};
    std::mt19937 random(3);
    std::vector<std::string> texts;
    for (int i = 0; i < 3000; ++i) {
        std::string text(42 + random() % 10, 'M');
        for (int k = random() % 4; k >= 0; --k) {
            text.insert(random() % text.size(), pieces[random() % std::size(pieces)]);
        }
        texts.push_back(text);
    }
    texts.insert(texts.end(), 2, std::string(texts[5]));
    LineList lines;
    for (const std::string& text : texts) {
        lines.append(text);
    }
    std::vector<std::size_t> expected(texts.size());
    std::iota(expected.begin(), expected.end(), std::size_t{0});
    std::stable_sort(expected.begin(), expected.end(), [&texts](std::size_t a, std::size_t b) {
        return collate(texts[a], texts[b]) < 0;
    });
    EXPECT_EQ(sortOrder(lines), expected);
    for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
        EXPECT_EQ(collate(texts[i], texts[i + 1]), -collate(texts[i + 1], texts[i]));
    }
}

} // namespace
} // namespace orvel

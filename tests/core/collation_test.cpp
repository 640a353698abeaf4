#include "data/cp1252.h"
#include "listing/collation.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace orvel;

// The UTF-8 texts sorted as the listings sort their lines.
std::vector<std::string> sorted(const std::vector<std::string>& texts) {
    LineList lines;
    for (const std::string& text : texts) {
        lines.append(utf8ToCp1252(text));
    }
    const std::vector<std::size_t> order = sortOrder(lines);
    std::vector<std::string> result;
    for (const std::size_t index : order) {
        result.push_back(cp1252ToUtf8(lines[index]));
    }
    return result;
}

using Texts = std::vector<std::string>;

TEST(Collation, LetterCaseDoesNotCount) {
    EXPECT_EQ(sorted({"brest", "Ajaccio", "BORDEAUX", "avignon"}),
              (Texts{"Ajaccio", "avignon", "BORDEAUX", "brest"}));
}

TEST(Collation, AccentedLettersSortWithTheirLetter) {
    EXPECT_EQ(sorted({"Evreux", "Épinal", "Ecully", "Étampes", "Fécamp", "Dôle"}),
              (Texts{"Dôle", "Ecully", "Épinal", "Étampes", "Evreux", "Fécamp"}));
    EXPECT_EQ(sorted({"Çà", "Cz", "Cb"}), (Texts{"Çà", "Cb", "Cz"}));
}

TEST(Collation, AccentsOnlyDecideBetweenOtherwiseEqualTexts) {
    EXPECT_EQ(sorted({"côte", "cote", "coté", "côté"}), (Texts{"cote", "coté", "côte", "côté"}));
    EXPECT_EQ(sorted({"ë", "e", "ê", "è", "é"}), (Texts{"e", "é", "è", "ê", "ë"}));
}

TEST(Collation, LigaturesSortAsTheirTwoLetters) {
    EXPECT_EQ(sorted({"COUVRON", "CŒUVRES", "COEUR", "CODOGNAN"}),
              (Texts{"CODOGNAN", "COEUR", "CŒUVRES", "COUVRON"}));
    EXPECT_EQ(sorted({"Lætitia", "Lb", "Laz"}), (Texts{"Lætitia", "Laz", "Lb"}));
}

TEST(Collation, BlanksAndPunctuationComeBeforeDigitsAndLetters) {
    EXPECT_EQ(sorted({"SAINTE-ANNE", "SAINT-YORRE", "SAINT MARTIN", "SAINTES", "SAINT-AUBIN"}),
              (Texts{"SAINT MARTIN", "SAINT-AUBIN", "SAINT-YORRE", "SAINTE-ANNE", "SAINTES"}));
    EXPECT_EQ(sorted({"A1", "A-", "AA", "A "}), (Texts{"A ", "A-", "A1", "AA"}));
    EXPECT_EQ(sorted({"2905", "----", "    ", "0107"}), (Texts{"    ", "----", "0107", "2905"}));
}

TEST(Collation, ShorterTextFirstWhenItIsAPrefix) {
    EXPECT_EQ(sorted({"Brestois", "Brest"}), (Texts{"Brest", "Brestois"}));
}

TEST(Collation, EqualTextsKeepTheirOrder) {
    LineList lines;
    for (const std::string_view text : {"paris", "PARIS", "Paris", "PaRiS"}) {
        lines.append(text);
    }
    EXPECT_EQ(sortOrder(lines), (std::vector<std::size_t>{0, 1, 2, 3}));
    EXPECT_EQ(collate("paris", "PARIS"), 0);
}

TEST(Collation, LongCommonBeginningsAreComparedToTheEnd) {
    // Beyond the first eight characters.
    EXPECT_EQ(sorted({"SAINT-MARTIN-DE-RÉ", "SAINT-MARTIN-DE-CRAU", "SAINT-MARTIN-D'HÈRES"}),
              (Texts{"SAINT-MARTIN-D'HÈRES", "SAINT-MARTIN-DE-CRAU", "SAINT-MARTIN-DE-RÉ"}));
}

TEST(Collation, LigatureAcrossTheTwentyFourthCharacter) {
    const std::string start(23, 'A');
    EXPECT_EQ(sorted({start + "œz", start + "oex"}), (Texts{start + "oex", start + "œz"}));
    EXPECT_EQ(sorted({start + "oez", start + "œx"}), (Texts{start + "œx", start + "oez"}));
    EXPECT_EQ(sorted({start + "Bœz", start + "Boex"}), (Texts{start + "Boex", start + "Bœz"}));
}

TEST(Collation, IsAConsistentOrderOverEveryByte) {
    // Antisymmetry and agreement with the sort on texts of every single byte, paired.
    LineList lines;
    std::vector<std::string> texts;
    for (int a = 0; a < 256; a += 7) {
        for (int b = 0; b < 256; b += 11) {
            texts.push_back(std::string{static_cast<char>(a), static_cast<char>(b)});
            lines.append(texts.back());
        }
    }
    const std::vector<std::size_t> order = sortOrder(lines);
    for (std::size_t i = 1; i < order.size(); ++i) {
        const std::string& before = texts[order[i - 1]];
        const std::string& after = texts[order[i]];
        EXPECT_LE(collate(before, after), 0);
        EXPECT_EQ(collate(before, after), -collate(after, before));
    }
}

} // namespace

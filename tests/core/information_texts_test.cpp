#include "app/information_texts.h"
#include "data/version.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace orvel;

// The text cut at its CR LF line breaks; a final break gives a last empty piece.
std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find("\r\n", start);
        pieces.push_back(text.substr(start, end - start));
        if (end == std::string::npos) {
            return pieces;
        }
        start = end + 2;
    }
}

TEST(InformationTexts, TitleIsTheNameAndTheVersion) {
    EXPECT_EQ(mainWindowTitle(kVersionLogiciel), "Orvel_Référence version V2.0.0");
}

TEST(InformationTexts, VersionHistoryHasElevenLinesEachEndedByCrLf) {
    const std::vector<std::string> history = lines(versionHistory());
    ASSERT_EQ(history.size(), 12U);
    EXPECT_EQ(history.front(), "V1.0.1   le 22/10/2007 création");
    EXPECT_EQ(history[10], "V2.0.0   le 18/11/2007 Version définitive");
    EXPECT_EQ(history.back(), "");
    EXPECT_EQ(versionHistory().find('\n'), versionHistory().find("\r\n") + 1);
}

TEST(InformationTexts, AuthorCreditsHaveFiveLinesAndNoFinalBreak) {
    const std::vector<std::string> credit = lines(authorCredits());
    ASSERT_EQ(credit.size(), 5U);
    EXPECT_EQ(credit[0], "  Programmation Pelkar");
    EXPECT_EQ(credit[1], "");
    EXPECT_EQ(credit[2].rfind("  e-mail : ", 0), 0U);
    EXPECT_EQ(credit[3].rfind("Site : ", 0), 0U);
    EXPECT_EQ(credit[4].rfind("      Skype : ", 0), 0U);
    EXPECT_GT(credit[4].size(), std::string("      Skype : ").size());
}

TEST(InformationTexts, CompilerCreditsHaveFourLinesAndAFinalBreak) {
    const std::vector<std::string> credit = lines(compilerCredits());
    ASSERT_EQ(credit.size(), 5U);
    EXPECT_EQ(credit[0], " Compilation des références Tornim");
    EXPECT_EQ(credit[1], "");
    EXPECT_EQ(credit[2].rfind("         e-mail : ", 0), 0U);
    EXPECT_EQ(credit[3].rfind("Site : ", 0), 0U);
    EXPECT_EQ(credit[4], "");
}

TEST(InformationTexts, RecommendationsKeepTheTrailingBlank) {
    EXPECT_EQ(lines(recommendations()),
              (std::vector<std::string>{
                  "     ATTENTION du fait du nombre élevé de références (40000)",
                  "le temps de chargement du fichier peut etre de plusieures secondes", "",
                  "   Pour afficher les références de tous les départements : Dpt = 00 "}));
}

TEST(InformationTexts, AboutUsesItsOwnIndentedCredits) {
    const std::vector<std::string> about = lines(aboutText(kVersionLogiciel));
    ASSERT_EQ(about.size(), 10U);
    EXPECT_EQ(about[0], "    Orvel_Reference révision V2.0.0");
    EXPECT_EQ(about[1], "");
    EXPECT_EQ(about[2], " Compilation des références Tornim");
    EXPECT_EQ(about[5], "");
    EXPECT_EQ(about[6], "          Programmation Pelkar");
    EXPECT_EQ(about[7].rfind("           e-mail : ", 0), 0U);
    EXPECT_EQ(about[8].rfind("        Site : ", 0), 0U);
    EXPECT_EQ(about[9].rfind("                 Skype : ", 0), 0U);
    // The contact values are those of the credits.
    EXPECT_EQ(about[3], lines(compilerCredits())[2]);
    EXPECT_EQ(about[7].substr(about[7].find(" : ")),
              lines(authorCredits())[2].substr(lines(authorCredits())[2].find(" : ")));
}

} // namespace

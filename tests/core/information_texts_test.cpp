#include "app/information_texts.h"

#include <gtest/gtest.h>
#include <string>

namespace orvel {
namespace {

// The composed texts break their lines with CR LF, as the program's messages always have, and
// never begin with a break.
TEST(InformationTexts, LinesBrokenByCrLf) {
    for (const std::string& text : {versionHistory(), authorCredits(), compilerCredits(),
                                    recommendations(), aboutText(kVersionLogiciel)}) {
        EXPECT_FALSE(text.starts_with("\r\n")) << text;
        EXPECT_NE(text.find("\r\n"), std::string::npos) << text;
        for (std::size_t at = text.find('\n'); at != std::string::npos;
             at = text.find('\n', at + 1)) {
            EXPECT_EQ(text[at - 1], '\r') << text;
        }
    }
    EXPECT_TRUE(authorCredits().starts_with("  Programmation Pelkar\r\n"));
}

TEST(InformationTexts, HistoryEndsWithTheVersionShownInTheTitle) {
    const std::string history = versionHistory();
    EXPECT_EQ(std::count(history.begin(), history.end(), '\n'), 11);
    EXPECT_TRUE(history.ends_with("\r\n"));
    EXPECT_EQ(history.rfind(kVersionLogiciel), history.rfind("\r\n", history.size() - 3) + 2);
    EXPECT_TRUE(mainWindowTitle("V9").ends_with(" version V9"));
    EXPECT_NE(aboutText("V9").find(" V9\r\n"), std::string::npos);
}

} // namespace
} // namespace orvel

// The search against the plain one, on records whose values hold small and capital accented
// letters, ligatures, inner blanks and empty fields, beside the header line, an empty line and a
// short one: texts cut from those values, as they stand or upper-cased, sometimes with a blank
// after them, find the same lines in the same order.

#include "data/cp1252.h"
#include "search/search_engine.h"
#include "tests/support/plain_search.h"
#include "tests/support/reference_file_builder.h"

#include <gtest/gtest.h>
#include <random>

namespace orvel {
namespace {

TEST(Search, FindsWhatThePlainSearchFinds) {
    const std::vector<std::string> values[] = {
        {"ÉPINAL", "Epinay", "CŒUVRES", "brest", "SAINT MARTIN"},
        {"29200", "88000", "", "-----"},
        {"Fort", "Château", "moulin", ""},
        {"29-120", "88-012", "2a-001"},
        {"Épinal-Est 8808", "Brest 2905", "", "cœur 0101"},
        {"Fort de Bambois", "Château de Cœuvres", "île", ""}};
    std::mt19937 random(5);
    const auto any = [&](int k) { return utf8ToCp1252(values[k][random() % values[k].size()]); };
    std::vector<std::string> lines{testing::headerLine(utf8ToCp1252("Révision 2026-12")), "",
                                   "   SHORT LINE"};
    for (int i = 0; i < 60; ++i) {
        lines.push_back(
            testing::recordLine({any(0), "DFCF", any(3), any(2), any(5), "", any(1), any(4)}));
    }
    const testing::TemporaryProgramDirectory directory;
    const auto file = directory.writeLines(lines);
    for (int round = 0; round < 500; ++round) {
        const auto criterion = static_cast<SearchCriterion>(1 + round % 5);
        const std::string value = testing::plainValue(criterion, lines[random() % lines.size()]);
        std::string text = value.substr(random() % (value.size() + 1), random() % 8);
        text = (random() % 2 ? testing::upperCased(text) : text) + (random() % 4 ? "" : " ");
        const Result<LineList> found = Cherche_Ref(criterion, text, file);
        ASSERT_TRUE(found.ok());
        std::vector<std::string> shown;
        for (std::size_t i = 0; i < found.value().size(); ++i) {
            shown.emplace_back(found.value()[i]);
        }
        EXPECT_EQ(shown, testing::plainSearch(criterion, text, lines))
            << static_cast<int>(criterion) << " " << cp1252ToUtf8(text);
    }
}

} // namespace
} // namespace orvel

#include "data/cp1252.h"
#include "data/record.h"
#include "expect_value.h"
#include "reference_file_builder.h"
#include "search/search_engine.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace orvel;
using orvel::testing::expectValue;
using orvel::testing::headerLine;
using orvel::testing::RecordFields;
using orvel::testing::recordLine;
using orvel::testing::TemporaryProgramDirectory;

std::string cp(std::string_view utf8) {
    return utf8ToCp1252(utf8);
}

class SearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        program_.writeLines({
            headerLine(cp("Révision 2026-12")),
            recordLine({cp("ÉPINAL"), "DFCF", "88-012", "Fort", "Fort de Bambois", "", "88000",
                        cp("Épinal-Est 8808")}),
            recordLine({"EPINAY", "DMF", "93-120", "Moulin", "Moulin de la Briche", "", "93800",
                        "Epinay 9312"}),
            recordLine({cp("CŒUVRES"), "DFCF", "02-001", cp("Château"), cp("Château de Cœuvres"),
                        "", "02600", ""}),
            "",
            recordLine({"BREST", "DFCF", "29-120", "Fort", "Portzic", "", "29200", "Brest 2905"}),
            "   SHORT LINE",
        });
    }

    // The communes of the results, in the order returned.
    std::vector<std::string> communes(SearchCriterion criterion, std::string_view textUtf8) {
        const LineList found =
            expectValue(Cherche_Ref(criterion, cp(textUtf8), program_.referenceFile()));
        std::vector<std::string> names;
        for (std::size_t i = 0; i < found.size(); ++i) {
            names.push_back(cp1252ToUtf8(trimBlanks(found[i].substr(0, 28))));
        }
        return names;
    }

    TemporaryProgramDirectory program_;
};

using Names = std::vector<std::string>;

TEST_F(SearchTest, CommuneIsASubstringTestIgnoringCaseButNotAccents) {
    EXPECT_EQ(communes(SearchCriterion::Commune, "pin"), (Names{"ÉPINAL", "EPINAY"}));
    EXPECT_EQ(communes(SearchCriterion::Commune, "épi"), (Names{"ÉPINAL"}));
    EXPECT_EQ(communes(SearchCriterion::Commune, "epi"), (Names{"EPINAY"}));
    EXPECT_EQ(communes(SearchCriterion::Commune, "cœu"), (Names{"CŒUVRES"}));
    EXPECT_EQ(communes(SearchCriterion::Commune, "coeu"), (Names{}));
}

TEST_F(SearchTest, TheHeaderLineIsACandidate) {
    EXPECT_EQ(communes(SearchCriterion::Commune, "révision").size(), 1U);
}

TEST_F(SearchTest, PostalCodeFieldIsStrippedFirst) {
    EXPECT_EQ(communes(SearchCriterion::PostalCode, "29200"), (Names{"BREST"}));
    EXPECT_EQ(communes(SearchCriterion::PostalCode, "29200 "), (Names{}));
}

TEST_F(SearchTest, ActivityRunsOverTheJoiningBlank) {
    EXPECT_EQ(communes(SearchCriterion::Activity, "rt fort de"), (Names{"ÉPINAL"}));
    EXPECT_EQ(communes(SearchCriterion::Activity, "château de"), (Names{"CŒUVRES"}));
}

TEST_F(SearchTest, ReferenceFindsDigitsAnywhere) {
    EXPECT_EQ(communes(SearchCriterion::Reference, "12"), (Names{"ÉPINAL", "EPINAY", "BREST"}));
}

TEST_F(SearchTest, CantonByNameOrNumber) {
    EXPECT_EQ(communes(SearchCriterion::Canton, "2905"), (Names{"BREST"}));
    EXPECT_EQ(communes(SearchCriterion::Canton, "épinal-"), (Names{"ÉPINAL"}));
}

TEST_F(SearchTest, EmptyTextFindsEveryLineWithAValue) {
    EXPECT_EQ(communes(SearchCriterion::Canton, ""), (Names{"ÉPINAL", "EPINAY", "BREST"}));
    // Empty lines are never results; the short line has a commune.
    EXPECT_EQ(communes(SearchCriterion::Commune, "").size(), 6U);
}

TEST_F(SearchTest, BlankValueMatchesNoText) {
    // Criterion 3 joins two blank parts with one blank: still no match for a blank text.
    EXPECT_EQ(communes(SearchCriterion::Activity, " ").size(), 4U); // the four full records
    EXPECT_EQ(communes(SearchCriterion::Canton, " "), (Names{"ÉPINAL", "EPINAY", "BREST"}));
}

TEST_F(SearchTest, TrailingBlankOfTheTextCounts) {
    EXPECT_EQ(communes(SearchCriterion::Commune, "brest "), (Names{}));
    EXPECT_EQ(communes(SearchCriterion::Commune, " brest"), (Names{}));
}

TEST_F(SearchTest, MissingFileIsAFailure) {
    const Result<LineList> result =
        Cherche_Ref(SearchCriterion::Commune, "x", program_.directory() / "absent.prn");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.failure().kind, ReadFailure::Kind::Missing);
}

TEST(SearchResultLine, RecordColumns4To82Then100To138) {
    const std::string rec = recordLine(
        {"BREST", "DFCF", "29-120", "Fort", "Portzic", "OBSERVATION", "29200", "Brest 2905"});
    const std::string line = searchResultLine(rec);
    EXPECT_EQ(line.size(), 118U);
    EXPECT_EQ(line, rec.substr(3, 79) + rec.substr(99, 39));
    EXPECT_EQ(line.find("OBSERVATION"), std::string::npos);
    EXPECT_EQ(line.substr(79, 6), "29200 ");
    EXPECT_EQ(searchResultLine(rec.substr(0, 120)), rec.substr(3, 79) + rec.substr(99, 21));
    EXPECT_EQ(searchResultLine(rec.substr(0, 60)), rec.substr(3, 57));
}

TEST(SearchComparedValue, IsCutStrippedAndUpperCased) {
    const std::string rec = recordLine({cp("  saint-père"), "DFCF", " 1 ", "fort", cp("château"),
                                        "", "35430", cp("Saint-Malo-Sud 3521")});
    EXPECT_EQ(comparedValue(SearchCriterion::Commune, rec), cp("SAINT-PÈRE"));
    EXPECT_EQ(comparedValue(SearchCriterion::Reference, rec), "1");
    EXPECT_EQ(comparedValue(SearchCriterion::Activity, rec), cp("FORT CHÂTEAU"));
    EXPECT_EQ(comparedValue(SearchCriterion::Canton, rec), cp("SAINT-MALO-SUD 3521"));
    EXPECT_EQ(comparedValue(SearchCriterion::PostalCode, rec.substr(0, 99)), "");
}

} // namespace

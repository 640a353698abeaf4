#include "data/cp1252.h"
#include "search/search_engine.h"
#include "tests/support/reference_file_builder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvel {
namespace {

using testing::recordLine;
using Names = std::vector<std::string>;

const std::vector<std::string> kLines{
    testing::headerLine(utf8ToCp1252("Révision 2026-12")),
    recordLine({utf8ToCp1252("ÉPINAL"), "DFCF", "88-012", "Fort", "Fort de Bambois", "OBS", "88000",
                utf8ToCp1252("Épinal-Est 8808")}),
    recordLine(
        {"EPINAY", "DMF", "93-120", "Moulin", "Moulin de la Briche", "", "93800", "Epinay 9312"}),
    recordLine({utf8ToCp1252("CŒUVRES"), "DFCF", "02-001", utf8ToCp1252("Château"),
                utf8ToCp1252("Château de Cœuvres"), "", "02600", ""}),
    "",
    recordLine({"BREST", "DFCF", "29-120", "Fort", "Portzic", "", "29200", "Brest 2905"}),
    "   SHORT LINE",
};

// The commune of each result, in the order found.
Names communes(SearchCriterion criterion, std::string_view textUtf8) {
    testing::TemporaryProgramDirectory directory;
    const auto found = Cherche_Ref(criterion, utf8ToCp1252(textUtf8), directory.writeLines(kLines));
    Names names;
    for (std::size_t i = 0; found.ok() && i < found.value().size(); ++i) {
        const std::string_view commune = found.value()[i].substr(0, 28);
        names.push_back(cp1252ToUtf8(commune.substr(0, commune.find_last_not_of(' ') + 1)));
    }
    return names;
}

TEST(Search, FindsTheTextInTheFieldOfTheCriterion) {
    const struct {
        SearchCriterion criterion;
        const char* text;
        Names found;
    } cases[] = {
        {SearchCriterion::Commune, "pin", {"ÉPINAL", "EPINAY"}}, // case does not count
        {SearchCriterion::Commune, "épi", {"ÉPINAL"}},           // accents do
        {SearchCriterion::Commune, "epi", {"EPINAY"}},
        {SearchCriterion::Commune, "cœu", {"CŒUVRES"}},
        {SearchCriterion::Commune, "coeu", {}},
        {SearchCriterion::Commune, "brest ", {}}, // the text is not stripped
        {SearchCriterion::Commune, " brest", {}},
        {SearchCriterion::Commune, "brest", {"BREST"}},
        {SearchCriterion::Commune, "brestx", {}},
        {SearchCriterion::Commune,
         "révision",
         {"   Révision 2026-12"}}, // the header line is a candidate
        {SearchCriterion::Commune,
         "",
         {"   Révision 2026-12", "ÉPINAL", "EPINAY", "CŒUVRES", "BREST", "SHORT LINE"}},
        {SearchCriterion::PostalCode, "29200", {"BREST"}}, // the field is
        {SearchCriterion::PostalCode, "00", {"ÉPINAL", "EPINAY", "CŒUVRES", "BREST"}},
        {SearchCriterion::Activity, "rt fort de", {"ÉPINAL"}}, // across the joining blank
        {SearchCriterion::Activity, "château de", {"CŒUVRES"}},
        {SearchCriterion::Activity, " ", {"ÉPINAL", "EPINAY", "CŒUVRES", "BREST"}},
        {SearchCriterion::Reference, "12", {"ÉPINAL", "EPINAY", "BREST"}},
        {SearchCriterion::Reference, "88-012", {"ÉPINAL"}},
        {SearchCriterion::Canton, "2905", {"BREST"}},
        {SearchCriterion::Canton, "épinal-", {"ÉPINAL"}},
        {SearchCriterion::Canton, " ", {"ÉPINAL", "EPINAY", "BREST"}}, // blank fields match nothing
        {SearchCriterion::Canton, "obs", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(communes(c.criterion, c.text), c.found)
            << static_cast<int>(c.criterion) << " " << c.text;
    }
}

// A result shows the record's columns 4 to 82, then 100 to 138: no observation.
TEST(Search, ResultLineLeavesOutTheObservation) {
    testing::TemporaryProgramDirectory directory;
    const auto found =
        Cherche_Ref(SearchCriterion::Reference, "88-012", directory.writeLines(kLines));
    ASSERT_TRUE(found.ok());
    ASSERT_EQ(found.value().size(), 1U);
    EXPECT_EQ(found.value()[0], kLines[1].substr(3, 79) + kLines[1].substr(99, 39));
}

} // namespace
} // namespace orvel

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

// The result lines themselves are checked through the search window, which shows them.
TEST(Search, FindsTheTextInTheFieldOfTheCriterion) {
    using enum SearchCriterion;
    const struct {
        SearchCriterion criterion;
        const char* text;
        Names found;
    } cases[] = {
        {Commune, "pin", {"ÉPINAL", "EPINAY"}}, // case does not count
        {Commune, "épi", {"ÉPINAL"}},           // accents do
        {Commune, "epi", {"EPINAY"}},
        {Commune, "cœu", {"CŒUVRES"}},
        {Commune, "brest ", {}}, // the text is not stripped, the value is
        {Commune, " révision", {}},
        {Commune, "brest", {"BREST"}},
        {Commune, "révision", {"   Révision 2026-12"}}, // the header line is a candidate
        {Commune,
         "",
         {"   Révision 2026-12", "ÉPINAL", "EPINAY", "CŒUVRES", "BREST", "SHORT LINE"}},
        {PostalCode, "29200", {"BREST"}}, // the field is
        {PostalCode, "00", {"ÉPINAL", "EPINAY", "CŒUVRES", "BREST"}},
        {Activity, "rt fort de", {"ÉPINAL"}}, // across the joining blank
        {Activity, "ÂTEAU", {"CŒUVRES"}},     // the text's first letter small in the value
        {Activity, " ", {"ÉPINAL", "EPINAY", "CŒUVRES", "BREST"}},
        {Reference, "12", {"ÉPINAL", "EPINAY", "BREST"}},
        {Reference, "29-120", {"BREST"}}, // the whole field
        {Canton, "2905", {"BREST"}},
        {Canton, "épinal-", {"ÉPINAL"}},
        {Canton, " ", {"ÉPINAL", "EPINAY", "BREST"}}, // blank fields match nothing
        {Canton, "obs", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(communes(c.criterion, c.text), c.found)
            << static_cast<int>(c.criterion) << " " << c.text;
    }
}

} // namespace
} // namespace orvel

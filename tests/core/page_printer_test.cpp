#include "listing/page_printer.h"
#include "reference_file_builder.h"
#include "tests/core/recording_printer.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace orvel {
namespace {

using testing::headerLine;
using testing::RecordingPrinter;
using testing::recordLine;
using testing::TemporaryProgramDirectory;

// The first part of every title, in Windows-1252 (0xE9 is é): 28 blanks and the words.
const std::string kTitleStart = std::string(28, ' ') + "Affichage des r\xE9"
                                                       "f\xE9rences ";

// A 102-character heading with each word group at its 1-based start column.
std::string headingWith(const std::vector<std::pair<std::string, std::size_t>>& groups) {
    std::string heading(102, ' ');
    for (const auto& [words, column] : groups) {
        heading.replace(column - 1, words.size(), words);
    }
    EXPECT_EQ(heading.size(), 102U);
    return heading;
}

const std::string kCommuneHeading = headingWith({{"Nom Commune", 10},
                                                 {"CP", 32},
                                                 {"Reference", 36},
                                                 {"Nom Activit\xE9", 59},
                                                 {"Canton", 85},
                                                 {"Nom Canton", 93}});
const std::string kReferenceHeading = headingWith({{"Reference", 2},
                                                   {"Nom Reference", 16},
                                                   {"CP", 53},
                                                   {"Nom Commune", 62},
                                                   {"Canton", 85},
                                                   {"Nom Canton", 93}});
const std::string kCantonHeading = headingWith({{"Canton", 1},
                                                {"Nom Canton", 15},
                                                {"Reference", 34},
                                                {"Nom Reference", 50},
                                                {"CP", 85},
                                                {"Nom Commune", 92}});

LineList linesOf(const std::vector<std::string>& texts) {
    LineList lines;
    for (const std::string& text : texts) {
        lines.append(text);
    }
    return lines;
}

std::vector<std::string> printed(ListingMode mode, std::string_view code, const LineList& lines) {
    RecordingPrinter printer("Arial", 10, false);
    printPage(printer, mode, code, lines, [] {});
    return printer.lines;
}

std::vector<std::string> headerOf(const std::vector<std::string>& lines) {
    return {lines.begin(), lines.begin() + std::min<std::ptrdiff_t>(4, std::ssize(lines))};
}

TEST(PagePrinterHeader, CommuneTitleWithDfcfIsSeventyCharacters) {
    const auto lines = printed(ListingMode::Commune, "DFCF", LineList{});
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(kTitleStart.size(), 53U);
    EXPECT_EQ(lines[0], kTitleStart + "DFCF par Communes");
    EXPECT_EQ(lines[0].size(), 70U);
}

TEST(PagePrinterHeader, EachModeHasItsTitleAndHeadingBetweenEmptyLines) {
    EXPECT_EQ(
        printed(ListingMode::Commune, "DMF", LineList{}),
        (std::vector<std::string>{kTitleStart + "DMF par Communes", "", kCommuneHeading, ""}));
    EXPECT_EQ(printed(ListingMode::Reference, "DAP", LineList{}),
              (std::vector<std::string>{kTitleStart + "DAP par R\xE9"
                                                      "f\xE9rences",
                                        "", kReferenceHeading, ""}));
    EXPECT_EQ(
        printed(ListingMode::Canton, "WLOTA", LineList{}),
        (std::vector<std::string>{kTitleStart + "WLOTA par Cantons", "", kCantonHeading, ""}));
}

TEST(PagePrinterHeader, PostalCodePagePrintsUnderTheCantonTitleAndHeading) {
    const auto lines = printed(modeRecordedBy(ListingOrder::PostalCode), "DFCF", LineList{});
    EXPECT_EQ(headerOf(lines),
              (std::vector<std::string>{kTitleStart + "DFCF par Cantons", "", kCantonHeading, ""}));
}

TEST(PagePrinterHeader, TitleShowsTheCodeGivenAtPrintTime) {
    // The list holds a DFCF listing, but the combo box shows DMF when the user prints.
    const auto lines = printed(ListingMode::Commune, "DMF", linesOf({"BREST  DFCF"}));
    EXPECT_EQ(lines.front(), kTitleStart + "DMF par Communes");
}

TEST(PagePrinterLines, EmptyListingGivesTheFourHeaderLinesAlone) {
    for (const ListingMode mode :
         {ListingMode::Commune, ListingMode::Reference, ListingMode::Canton}) {
        EXPECT_EQ(printed(mode, "DFCF", LineList{}).size(), 4U);
    }
}

TEST(PagePrinterLines, EachListLineGivesOneLineCutAt115Characters) {
    const std::string line136 = std::string(115, 'a') + std::string(20, 'b') + ' ';
    const std::string line115(115, 'c');
    const std::string shortLine = "QUIMPER   29000 ";
    const auto lines =
        printed(ListingMode::Commune, "DFCF", linesOf({line136, shortLine, line115, ""}));
    ASSERT_EQ(lines.size(), 8U);
    EXPECT_EQ(lines[4], std::string(115, 'a'));
    EXPECT_EQ(lines[5], shortLine); // whole, with no padding
    EXPECT_EQ(lines[6], line115);
    EXPECT_EQ(lines[7], "");
}

TEST(PagePrinterLines, CommuneListingLosesItsObservationColumn) {
    TemporaryProgramDirectory directory;
    const auto file =
        directory.writeLines({headerLine("R\xE9vision de test"),
                              recordLine({"QUIMPER", "DMF", "29-002", "Moulin", "Moulin du Stang",
                                          "01/05/2008", "29000", "Quimper-1 2910"}),
                              recordLine({"BREST", "DMF", "29-001", "Moulin", "Moulin de Kerhuon",
                                          "Observation16ch", "29200", "Brest-Centre 2905"})});
    const auto listing = buildListing(ListingOrder::Commune, file, "DMF", "29");
    ASSERT_TRUE(listing.ok());
    ASSERT_EQ(listing.value().lines.size(), 2U);

    const auto lines = printed(ListingMode::Commune, "DMF", listing.value().lines);
    ASSERT_EQ(lines.size(), 6U);
    // Sorted by commune; column 1 of each line is the commune name.
    EXPECT_EQ(lines[4].substr(0, 6), "BREST ");
    EXPECT_EQ(lines[5].substr(0, 8), "QUIMPER ");
    for (std::size_t i = 4; i < 6; ++i) {
        EXPECT_EQ(lines[i].size(), 115U);
        EXPECT_EQ(lines[i], std::string(listing.value().lines[i - 4].substr(0, 115)));
    }
    EXPECT_EQ(lines[4].find("Observation"), std::string::npos);
    EXPECT_EQ(lines[4].substr(91, 12), "Brest-Centre"); // canton name from column 92
}

TEST(PagePrinterFont, PrintsInCourierNew8BoldAndRestoresNameAndSizeWithBoldOff) {
    for (const bool boldBefore : {false, true}) {
        RecordingPrinter printer("Arial", 12.5, boldBefore);
        std::string nameDuringDialog;
        double sizeDuringDialog = 0;
        bool boldDuringDialog = false;
        printPage(printer, ListingMode::Canton, "DFCF", linesOf({"0107 Bourg-Nord"}), [&] {
            nameDuringDialog = printer.fontName();
            sizeDuringDialog = printer.fontSize();
            boldDuringDialog = printer.bold();
        });
        EXPECT_EQ(nameDuringDialog, "Courier New");
        EXPECT_EQ(sizeDuringDialog, 8.0);
        EXPECT_TRUE(boldDuringDialog);
        EXPECT_EQ(printer.fontName(), "Arial");
        EXPECT_EQ(printer.fontSize(), 12.5);
        EXPECT_FALSE(printer.bold());
    }
}

TEST(PagePrinterOrder, FontThenDialogThenLinesThenEndThenRestore) {
    RecordingPrinter printer("Arial", 12, false);
    printPage(printer, ListingMode::Commune, "DFCF", linesOf({"A", "B"}),
              [&] { printer.calls.emplace_back("dialog"); });
    const std::vector<std::string> expected{"name Courier New",
                                            "bold on",
                                            "size " + std::to_string(8.0),
                                            "dialog",
                                            "line",
                                            "line",
                                            "line",
                                            "line",
                                            "line",
                                            "line",
                                            "end",
                                            "bold off",
                                            "name Arial",
                                            "size " + std::to_string(12.0)};
    EXPECT_EQ(printer.calls, expected);
}

TEST(PagePrinterNoListing, NothingIsPrintedAndTheDialogIsNotShown) {
    RecordingPrinter printer("Arial", 12, true);
    bool dialogShown = false;
    printPage(printer, ListingMode::None, "DFCF", linesOf({"A"}), [&] { dialogShown = true; });
    EXPECT_FALSE(dialogShown);
    EXPECT_TRUE(printer.calls.empty());
    EXPECT_TRUE(printer.bold());
}

} // namespace
} // namespace orvel

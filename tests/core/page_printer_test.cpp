#include "listing/page_printer.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace orvel {
namespace {

// A printer that keeps its font and what it printed, and notes how many lines stood on the
// page when the document ended.
class PaperPrinter : public Printer {
public:
    [[nodiscard]] std::string fontName() const override { return name; }
    void setFontName(const std::string& value) override { name = value; }
    [[nodiscard]] double fontSize() const override { return size; }
    void setFontSize(double points) override { size = points; }
    void setBold(bool on) override { bold = on; }
    void printLine(std::string_view line) override {
        lines.emplace_back(line);
        fonts.insert(name + " " + std::to_string(size) + (bold ? " bold" : ""));
    }
    void endDocument() override { linesAtEnd.push_back(lines.size()); }

    std::string name = "Arial";
    double size = 12.5;
    bool bold = true;
    std::vector<std::string> lines;
    std::set<std::string> fonts;
    std::vector<std::size_t> linesAtEnd;
};

LineList listOf(const std::vector<std::string>& texts) {
    LineList lines;
    for (const std::string& text : texts) {
        lines.append(text);
    }
    return lines;
}

TEST(PrintPage, TitleHeadingThenTheFirst115CharactersOfEveryLine) {
    const std::string line136 = std::string(115, 'a') + std::string(21, 'b');
    const LineList lines = listOf({line136, "QUIMPER 29000 ", std::string(115, 'c'), ""});
    std::set<std::string> headings;
    const std::pair<ListingMode, const char*> titles[] = {
        {ListingMode::Commune, "DMF par Communes"},
        {ListingMode::Reference, "DMF par R\xE9"
                                 "f\xE9rences"},
        {ListingMode::Canton, "DMF par Cantons"},
        {modeRecordedBy(ListingOrder::PostalCode), "DMF par Cantons"}};
    for (const auto& [mode, titleEnd] : titles) {
        PaperPrinter printer;
        std::size_t linesAtDialog = 99;
        printPage(printer, mode, "DMF", lines, [&] {
            linesAtDialog = printer.lines.size();
            EXPECT_EQ(printer.name + " " + std::to_string(printer.size), "Courier New 8.000000");
            EXPECT_TRUE(printer.bold);
        });
        EXPECT_EQ(linesAtDialog, 0U);
        EXPECT_EQ(printer.lines,
                  (std::vector<std::string>{std::string(28, ' ') +
                                                "Affichage des r\xE9"
                                                "f\xE9rences " +
                                                titleEnd,
                                            "", printer.lines.at(2), "", std::string(115, 'a'),
                                            "QUIMPER 29000 ", std::string(115, 'c'), ""}));
        headings.insert(printer.lines.at(2));
        EXPECT_EQ(printer.fonts, std::set<std::string>{"Courier New 8.000000 bold"});
        EXPECT_EQ(printer.linesAtEnd, std::vector<std::size_t>{8});
        EXPECT_EQ(printer.name + " " + std::to_string(printer.size), "Arial 12.500000");
        EXPECT_FALSE(printer.bold);
    }
    // Each mode has its own heading, which names its columns.
    EXPECT_EQ(headings.size(), 3U);
    for (const std::string& heading : headings) {
        EXPECT_NE(heading.find("Nom Canton"), std::string::npos) << heading;
    }
}

// With no listing there is nothing to print: no dialog, and the printer is not touched.
TEST(PrintPage, NothingWithoutAListing) {
    PaperPrinter printer;
    bool dialogShown = false;
    printPage(printer, ListingMode::None, "DFCF", listOf({"A"}), [&] { dialogShown = true; });
    EXPECT_FALSE(dialogShown);
    EXPECT_TRUE(printer.lines.empty() && printer.linesAtEnd.empty() && printer.bold);
}

} // namespace
} // namespace orvel

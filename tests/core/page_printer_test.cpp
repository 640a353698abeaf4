#include "listing/page_printer.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvel {
namespace {

// A printer that keeps its font and writes down each line with the font it was printed in.
class PaperPrinter : public Printer {
public:
    [[nodiscard]] std::string fontName() const override { return name; }
    void setFontName(const std::string& value) override { name = value; }
    [[nodiscard]] double fontSize() const override { return size; }
    void setFontSize(double points) override { size = points; }
    void setBold(bool on) override { bold = on; }
    void printLine(std::string_view line) override {
        page.push_back(font() + "|" + std::string(line));
    }
    void endDocument() override { page.push_back(font() + "|end"); }
    [[nodiscard]] std::string font() const {
        return name + " " + std::to_string(size) + (bold ? " bold" : "");
    }

    std::string name = "Arial";
    double size = 12.5;
    bool bold = true;
    std::vector<std::string> page;
};

// The dialog comes once the print font is set; the printer's font is given back afterwards.
TEST(PrintPage, TitleHeadingThenTheFirst115CharactersOfEveryLine) {
    LineList lines;
    for (const std::string& line : {std::string(115, 'a') + "bc", std::string("QUIMPER ")}) {
        lines.append(line);
    }
    const std::string font = "Courier New 8.000000 bold|";
    const std::string title = font + std::string(28, ' ') +
                              "Affichage des r\xE9"
                              "f\xE9rences DMF par ";
    for (const auto& [mode, titleEnd] :
         {std::pair{ListingMode::Commune, "Communes"},
          std::pair{ListingMode::Reference, "R\xE9"
                                            "f\xE9rences"},
          std::pair{modeRecordedBy(ListingOrder::PostalCode), "Cantons"}}) {
        PaperPrinter printer;
        printPage(printer, mode, "DMF", lines,
                  [&printer] { printer.page.push_back(printer.font()); });
        ASSERT_EQ(printer.page.size(), 8U);
        EXPECT_EQ(printer.page,
                  (std::vector<std::string>{"Courier New 8.000000 bold", title + titleEnd, font,
                                            printer.page[3], font, font + std::string(115, 'a'),
                                            font + "QUIMPER ", font + "end"}));
        EXPECT_NE(printer.page[3].find("Nom Canton"), std::string::npos); // the heading
        EXPECT_EQ(printer.font(), "Arial 12.500000");
    }
    // With no listing there is nothing to print: no dialog, and the printer is not touched.
    PaperPrinter printer;
    printPage(printer, ListingMode::None, "DFCF", lines,
              [&printer] { printer.page.push_back("dialog"); });
    EXPECT_TRUE(printer.page.empty());
    EXPECT_EQ(printer.font(), "Arial 12.500000 bold");
}

} // namespace
} // namespace orvel

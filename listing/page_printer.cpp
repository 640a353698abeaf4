#include "listing/page_printer.h"

#include "data/utf8.h"

#include <algorithm>
#include <iterator>

namespace orvel {
namespace {

// Windows-1252 text: 0xE9 is é.
constexpr std::string_view kTitleStart = "                            Affichage des r\xE9"
                                         "f\xE9rences ";

// The end of the printed title and the printed column heading of a mode, Windows-1252.
struct PageHeader {
    ListingMode mode;
    std::string_view titleEnd;
    std::string_view heading;
};

constexpr PageHeader kPageHeaders[] = {
    {ListingMode::Commune, " par Communes",
     "         Nom Commune           CP  Reference              Nom Activit\xE9              Canton"
     "  Nom Canton"},
    {ListingMode::Reference,
     " par R\xE9"
     "f\xE9rences",
     " Reference     Nom Reference                        CP       Nom Commune            Canton  "
     "Nom Canton"},
    {ListingMode::Canton, " par Cantons",
     "Canton        Nom Canton         Reference       Nom Reference                      CP     "
     "Nom Commune"},
};

static_assert(std::all_of(std::begin(kPageHeaders), std::end(kPageHeaders),
                          [](const PageHeader& header) {
                              return holdsNoUtf8(kTitleStart) && holdsNoUtf8(header.titleEnd) &&
                                     holdsNoUtf8(header.heading);
                          }));

const PageHeader& headerOf(ListingMode mode) {
    return *std::find_if(std::begin(kPageHeaders), std::end(kPageHeaders),
                         [mode](const PageHeader& header) { return header.mode == mode; });
}

} // namespace

void printPage(Printer& printer, ListingMode mode, std::string_view diplomaCode,
               const LineList& lines, const std::function<void()>& showDialog) {
    if (mode == ListingMode::None) {
        return;
    }
    const std::string savedName = printer.fontName();
    const double savedSize = printer.fontSize();

    printer.setFontName(std::string(kPrintFontName));
    printer.setBold(true);
    printer.setFontSize(kPrintFontPoints);

    showDialog();

    const PageHeader& header = headerOf(mode);
    std::string title(kTitleStart);
    title.append(diplomaCode);
    title.append(header.titleEnd);
    printer.printLine(title);
    printer.printLine("");
    printer.printLine(header.heading);
    printer.printLine("");

    const std::size_t count = lines.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view line = lines[i];
        printer.printLine(line.substr(0, kPrintWidth));
    }
    printer.endDocument();

    printer.setBold(false);
    printer.setFontName(savedName);
    printer.setFontSize(savedSize);
}

} // namespace orvel

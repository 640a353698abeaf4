#include "listing/page_printer.h"

namespace orvel {
namespace {

// Windows-1252 text: 0xE9 is é.
constexpr std::string_view kTitleStart = "                            Affichage des r\xE9"
                                         "f\xE9rences ";

struct PageHeader {
    std::string_view titleEnd;
    std::string_view heading;
};

PageHeader headerOf(ListingMode mode) {
    switch (mode) {
    case ListingMode::Commune:
        return {" par Communes", "         Nom Commune           CP  Reference              Nom "
                                 "Activit\xE9              Canton  Nom Canton"};
    case ListingMode::Reference:
        return {" par R\xE9"
                "f\xE9rences",
                " Reference     Nom Reference                        CP       Nom Commune        "
                "    Canton  Nom Canton"};
    case ListingMode::Canton:
    case ListingMode::None: // never printed: printPage stops first
        break;
    }
    return {" par Cantons", "Canton        Nom Canton         Reference       Nom Reference      "
                            "                CP     Nom Commune"};
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

    const PageHeader header = headerOf(mode);
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

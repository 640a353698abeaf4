#include "listing/page_printer.h"

#include <algorithm>

namespace orvel {
namespace {

// Windows-1252 text: 0xE9 is é.
constexpr std::string_view kTitleStart = "                            Affichage des r\xE9"
                                         "f\xE9rences ";

// The page of a mode: that of the first order that records it.
const PageHeader& headerOf(ListingMode mode) {
    return std::find_if(kListingOrders.begin(), kListingOrders.end(),
                        [mode](const ListingOrderRow& row) { return row.mode == mode; })
        ->page;
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

#pragma once

#include "data/line_list.h"
#include "listing/listing.h"

#include <functional>
#include <string>
#include <string_view>

namespace orvel {

// The printer as the print of a page uses it: a font of a name, a size and one on/off
// attribute (bold), lines of text that run on to a new page by themselves, and the end of the
// document, which sends the job.
class Printer {
public:
    virtual ~Printer() = default;

    [[nodiscard]] virtual std::string fontName() const = 0;
    virtual void setFontName(const std::string& name) = 0;
    [[nodiscard]] virtual double fontSize() const = 0; // points
    virtual void setFontSize(double points) = 0;
    virtual void setBold(bool on) = 0;

    // One line of Windows-1252 text followed by a line break.
    virtual void printLine(std::string_view line) = 0;
    virtual void endDocument() = 0;
};

// The font of the printed page.
inline constexpr std::string_view kPrintFontName = "Courier New";
inline constexpr double kPrintFontPoints = 8;

// Only the start of a line fits the page's width.
inline constexpr std::size_t kPrintWidth = 115;

// Prints the displayed listing: a title naming the diploma code (Windows-1252), the column
// heading of the mode, then the first kPrintWidth characters of every line. showDialog offers
// the print dialog once the print font is set; its outcome does not stop the print. The
// printer's font name and size are put back afterwards, with bold off. With no listing
// (ListingMode::None) there is nothing to print: the printer is not touched and no dialog shows.
void printPage(Printer& printer, ListingMode mode, std::string_view diplomaCode,
               const LineList& lines, const std::function<void()>& showDialog);

} // namespace orvel

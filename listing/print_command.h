#pragma once

#include "data/line_list.h"
#include "listing/listing.h"

#include <QString>

class QWidget;

namespace orvel {

// The main window's "Imprimer" button: offers the system's print dialog, then prints the
// displayed lines under the title and heading of the listing mode, with diplomaCode (the text of
// the diploma box at this moment) in the title. The dialog's answer does not stop the print;
// where the page cannot be printed at all (no printer, a PDF file that cannot be written) the
// user is told so in a message box.
void printDisplayedPage(QWidget* parent, ListingMode mode, const QString& diplomaCode,
                        const LineList& lines);

} // namespace orvel

#include "listing/print_command.h"

#include "listing/page_printer.h"
#include "listing/qt_printer.h"
#include "widgets/qt_text.h"
#include "widgets/window_style.h"

#include <QPrintDialog>
#include <QPrinter>

namespace orvel {

void printDisplayedPage(QWidget* parent, ListingMode mode, const QString& diplomaCode,
                        const LineList& lines) {
    QPrinter printer(QPrinter::HighResolution);
    // Also the name the dialog proposes for a PDF file.
    printer.setDocName(QStringLiteral("Orvel_Reference"));
    QtPrinter pagePrinter(printer);
    printPage(pagePrinter, mode, toCp1252(diplomaCode), lines, [&printer, parent] {
        // Cancelling keeps the default printer: the page is printed all the same. With no
        // printer at all, nothing is written anywhere and the failure below says how to get a
        // PDF file instead.
        QPrintDialog dialog(&printer, parent);
        dialog.exec();
    });
    if (!pagePrinter.failure().isEmpty()) {
        showMessage(parent, pagePrinter.failure());
    }
}

} // namespace orvel

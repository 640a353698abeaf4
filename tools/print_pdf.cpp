// orvel-print-pdf DIPLOME DEPARTEMENT FICHIER.pdf
// Lists a diploma and a department by commune from the reference file of the program's
// directory and prints the page to a PDF file, as the "Imprimer" button would, without a dialog.
// Runs without a screen with QT_QPA_PLATFORM=offscreen.

#include "data/program_directory.h"
#include "data/reference_file.h"
#include "listing/listing.h"
#include "listing/page_printer.h"
#include "listing/qt_printer.h"
#include "widgets/qt_text.h"

#include <QGuiApplication>
#include <QPrinter>
#include <iostream>

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 4) {
        std::cerr << "usage : orvel-print-pdf DIPLOME DEPARTEMENT FICHIER.pdf\n";
        return 2;
    }
    const std::string diploma = orvel::toCp1252(QString::fromLocal8Bit(argv[1]));
    const std::string department = orvel::toCp1252(QString::fromLocal8Bit(argv[2]));
    const QString output = QString::fromLocal8Bit(argv[3]);

    const auto referenceFile = orvel::programDirectory() / orvel::kReferenceFileName;
    const auto listing =
        orvel::buildListing(orvel::ListingOrder::Commune, referenceFile, diploma, department);
    if (!listing.ok()) {
        std::cerr << orvel::failureMessage(listing.failure()) << '\n';
        return 1;
    }

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(output);
    orvel::QtPrinter pagePrinter(printer);
    orvel::printPage(pagePrinter, orvel::rowOf(orvel::ListingOrder::Commune).mode, diploma,
                     listing.value().lines, [] {});
    if (!pagePrinter.failure().isEmpty()) {
        std::cerr << pagePrinter.failure().toStdString() << '\n';
        return 1;
    }
    std::cout << listing.value().lines.size() << " lignes imprimées dans " << output.toStdString()
              << '\n';
    return 0;
}

#include "listing/listing.h"
#include "listing/page_printer.h"
#include "listing/qt_printer.h"
#include "reference_file_builder.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <string>
#include <vector>

namespace orvel {
namespace {

using testing::headerLine;
using testing::recordLine;
using testing::TemporaryProgramDirectory;

constexpr int kRecordCount = 250; // a page of 8-point lines holds fewer than a hundred

// A DFCF record of department 29 whose commune, reference and observation carry its number.
std::string recordNumbered(int number) {
    const std::string n = QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0')).toStdString();
    return recordLine({"COMMUNE" + n, "DFCF", "29-" + n, "Fort", "Fort num\xE9ro " + n, "OBS" + n,
                       "29200", "Brest-Centre 2905"});
}

QString runTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished() || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class PrintToPdfTest : public QObject {
    Q_OBJECT

private slots:
    void longListingRunsOverSeveralPagesUnderOneHeader();
    void unwritablePdfIsReportedInFrench();
};

void PrintToPdfTest::longListingRunsOverSeveralPagesUnderOneHeader() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) {
        QSKIP("pdftotext or pdfinfo (poppler-utils) is not installed");
    }
    std::vector<std::string> lines{headerLine("R\xE9vision de test")};
    for (int number = kRecordCount; number >= 1; --number) {
        lines.push_back(recordNumbered(number));
    }
    const TemporaryProgramDirectory directory;
    const auto referenceFile = directory.writeLines(lines);
    const auto listing = buildListing(ListingOrder::Commune, referenceFile, "DFCF", "29");
    QVERIFY(listing.ok());
    QCOMPARE(listing.value().lines.size(), std::size_t{kRecordCount});

    const QString pdf = QString::fromStdString((directory.directory() / "page.pdf").string());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QtPrinter pagePrinter(printer);
    printPage(pagePrinter, ListingMode::Commune, "DFCF", listing.value().lines, [] {});
    QVERIFY2(pagePrinter.failure().isEmpty(), qPrintable(pagePrinter.failure()));

    const QString text =
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(!text.isEmpty());
    QCOMPARE(text.count(QStringLiteral("Affichage des références DFCF par Communes")), 1);
    QCOMPARE(text.count(QRegularExpression(
                 QStringLiteral("Nom Commune +CP +Reference +Nom Activité +Canton +Nom Canton"))),
             1);
    QVERIFY(text.indexOf(QStringLiteral("Affichage des références")) <
            text.indexOf(QStringLiteral("COMMUNE001")));
    for (int number = 1; number <= kRecordCount; ++number) {
        const QString commune = QStringLiteral("COMMUNE%1").arg(number, 3, 10, QLatin1Char('0'));
        QCOMPARE(text.count(commune), 1);
        QVERIFY(
            text.contains(QStringLiteral("Fort numéro %1").arg(number, 3, 10, QLatin1Char('0'))));
    }
    // Lines are cut at 115 characters: the observation column is not printed.
    QVERIFY(!text.contains(QStringLiteral("OBS")));
    QVERIFY(text.contains(QStringLiteral("Brest-Centre")));

    const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
    const auto pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    QVERIFY(pages.hasMatch());
    QVERIFY2(pages.captured(1).toInt() >= 3, qPrintable(pages.captured(1)));
    QCOMPARE(text.count(QLatin1Char('\f')), pages.captured(1).toInt());
}

void PrintToPdfTest::unwritablePdfIsReportedInFrench() {
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString pdf = directory.filePath(QStringLiteral("absent/page.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QtPrinter pagePrinter(printer);
    LineList lines;
    lines.append("BREST");
    printPage(pagePrinter, ListingMode::Commune, "DFCF", lines, [] {});
    QVERIFY(pagePrinter.failure().startsWith(QStringLiteral("Impossible d'écrire le fichier PDF")));
    QVERIFY(pagePrinter.failure().contains(pdf));
    QVERIFY(!QFile::exists(pdf));
}

} // namespace orvel

QTEST_MAIN(orvel::PrintToPdfTest)
#include "print_to_pdf_test.moc"

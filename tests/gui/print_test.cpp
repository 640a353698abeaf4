// Printing the displayed page: through the system's print dialog to a PDF file, over several
// pages, and what the user is told when nothing could be printed.

#include "listing/print_command.h"
#include "tests/gui/message_catcher.h"
#include "widgets/window_style.h"

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

namespace orvel {
namespace {

// The output of a poppler tool on the file, or nothing when it is not installed or fails.
QString popplerOutput(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    return process.waitForFinished() && process.exitCode() == 0
               ? QString::fromUtf8(process.readAllStandardOutput())
               : QString();
}

// Lines of the commune listing, each with its number in its commune, reference and observation.
LineList numberedLines(int count) {
    LineList lines;
    for (int number = 1; number <= count; ++number) {
        const std::string n =
            QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0')).toStdString();
        lines.append("COMMUNE" + n + std::string(18, ' ') + "29200  DFCF  29-" + n +
                     " Fort    Fort num\xE9ro " + n + std::string(47, ' ') + "OBS" + n);
    }
    return lines;
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT

    // Answers the print dialog: cancels, or chooses the PDF entry with that file name.
    static testing::ModalWatcher<QPrintDialog> answer(const QString& pdfFile) {
        return testing::ModalWatcher<QPrintDialog>([pdfFile](QPrintDialog* dialog) {
            auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
            for (QComboBox* box : dialog->findChildren<QComboBox*>()) {
                const int pdf = box->findText(QStringLiteral("PDF"), Qt::MatchContains);
                box->setCurrentIndex(pdf >= 0 ? pdf : box->currentIndex());
            }
            if (pdfFile.isEmpty() || fileName == nullptr) {
                dialog->reject();
                return;
            }
            fileName->setText(pdfFile);
            dialog->accept();
        });
    }

private slots:
    // A long listing fills three pages or so under one title and heading, cut at 115 characters.
    void pdfChosenInTheDialogHoldsEveryLine() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not installed");
        }
        QTemporaryDir directory;
        const QString pdf = directory.filePath("page.pdf");
        testing::MessageCatcher messages;
        const auto dialog = answer(pdf);
        printDisplayedPage(nullptr, ListingMode::Commune, QStringLiteral("DFCF"),
                           numberedLines(250));
        QCOMPARE(dialog.seen(), 1);
        QCOMPARE(messages.texts(), QStringList());
        const QString text = popplerOutput("pdftotext", {"-layout", pdf, "-"});
        QCOMPARE(text.count(QStringLiteral("Affichage des références DFCF par Communes")), 1);
        QCOMPARE(text.count(QStringLiteral("Nom Canton")), 1);
        for (int number = 1; number <= 250; ++number) {
            QCOMPARE(
                text.count(QStringLiteral("Fort numéro %1").arg(number, 3, 10, QLatin1Char('0'))),
                1);
        }
        QVERIFY(!text.contains(QStringLiteral("OBS")));
        QVERIFY(text.count(QLatin1Char('\f')) >= 3 && text.count(QLatin1Char('\f')) <= 5);
        QVERIFY(printFont(8).fixedPitch()); // where Courier New is missing
    }

    void noListingShowsNeitherDialogNorMessage() {
        testing::MessageCatcher messages;
        const auto dialog = answer({});
        printDisplayedPage(nullptr, ListingMode::None, QStringLiteral("DFCF"), numberedLines(1));
        QTest::qWait(50);
        QCOMPARE(dialog.seen(), 0);
        QCOMPARE(messages.texts(), QStringList());
    }
};

} // namespace orvel

QTEST_MAIN(orvel::PrintTest)
#include "print_test.moc"

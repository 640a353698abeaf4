#include "listing/print_command.h"
#include "tests/gui/message_catcher.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <utility>

namespace orvel {
namespace {

// Answers every print dialog that opens, noting whether it offered printing to a PDF file: it
// cancels, or, given a file name, chooses the PDF entry, types the name and confirms.
class PrintDialogDriver {
public:
    explicit PrintDialogDriver(QString pdfFile = {}) : pdfFile_(std::move(pdfFile)) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { cancelOpenDialog(); });
        timer_.start();
    }

    [[nodiscard]] int shown() const { return shown_; }
    [[nodiscard]] bool offeredPdf() const { return offeredPdf_; }

private:
    void cancelOpenDialog() {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        ++shown_;
        for (QComboBox* box : dialog->findChildren<QComboBox*>()) {
            for (int i = 0; i < box->count(); ++i) {
                if (box->itemText(i).contains(QStringLiteral("PDF"))) {
                    offeredPdf_ = true;
                    box->setCurrentIndex(i);
                }
            }
        }
        auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
        if (pdfFile_.isEmpty() || fileName == nullptr) {
            dialog->reject();
            return;
        }
        fileName->setText(pdfFile_);
        dialog->accept();
    }

    QString pdfFile_;
    QTimer timer_;
    int shown_ = 0;
    bool offeredPdf_ = false;
};

} // namespace

class PrintCommandTest : public QObject {
    Q_OBJECT

private slots:
    void cancelledWithNoPrinterTellsHowToGetAPdf();
    void pdfChosenInTheDialogIsWritten();
    void noListingShowsNeitherDialogNorMessage();
};

void PrintCommandTest::cancelledWithNoPrinterTellsHowToGetAPdf() {
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        QSKIP("a printer is installed: a cancelled dialog would print on it");
    }
    LineList lines;
    lines.append("BREST");
    testing::MessageCatcher messages;
    PrintDialogDriver dialogs;
    printDisplayedPage(nullptr, ListingMode::Commune, QStringLiteral("DFCF"), lines);

    QCOMPARE(dialogs.shown(), 1);
    QVERIFY(dialogs.offeredPdf());
    QCOMPARE(messages.seen().size(), std::size_t{1});
    const testing::SeenMessage& message = messages.seen().front();
    QCOMPARE(message.title, QStringLiteral("Orvel_Reference"));
    QVERIFY(message.okOnly);
    QCOMPARE(message.icon, QMessageBox::NoIcon);
    QVERIFY(message.text.startsWith(QStringLiteral("Aucune imprimante n'est disponible")));
    QVERIFY(message.text.contains(QStringLiteral("Imprimer dans un fichier (PDF)")));
}

void PrintCommandTest::pdfChosenInTheDialogIsWritten() {
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString pdf = directory.filePath(QStringLiteral("page.pdf"));
    LineList lines;
    lines.append("BREST");
    testing::MessageCatcher messages;
    PrintDialogDriver dialogs(pdf);
    printDisplayedPage(nullptr, ListingMode::Commune, QStringLiteral("DFCF"), lines);

    QCOMPARE(dialogs.shown(), 1);
    QVERIFY(messages.seen().empty());
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
}

void PrintCommandTest::noListingShowsNeitherDialogNorMessage() {
    testing::MessageCatcher messages;
    PrintDialogDriver dialogs;
    printDisplayedPage(nullptr, ListingMode::None, QStringLiteral("DFCF"), LineList{});
    QCOMPARE(dialogs.shown(), 0);
    QVERIFY(messages.seen().empty());
}

} // namespace orvel

QTEST_MAIN(orvel::PrintCommandTest)
#include "print_command_test.moc"

#include "app/information_texts.h"
#include "app/main_window.h"
#include "data/catalogue.h"
#include "data/version.h"
#include "listing/detail_window.h"
#include "listing/listing.h"
#include "tests/gui/message_catcher.h"
#include "tests/gui/screen_checks.h"
#include "tests/support/reference_file_builder.h"
#include "widgets/qt_text.h"

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>
#include <memory>

using namespace orvel;
using testing::control;
using testing::MessageCatcher;
using testing::ModalWatcher;
using testing::recordLine;

namespace {

// The header, then Brest, Quimper (DMF), Épinal, Amboise (a canton without a number) and Angers
// (no canton).
const std::vector<std::string> kLines{
    testing::headerLine("R\xE9vision 2026-12 pour les essais 42"),
    recordLine({}),
    recordLine({.commune = "QUIMPER", .diploma = "DMF", .postalCode = "29000"}),
    recordLine(
        {"\xC9PINAL", "DFCF", "88-001", "Fort", "Fort de Bambois", "", "88000", "\xC9pinal 8808"}),
    recordLine({"AMBOISE", "DFCF", "37-001", "Ch\xE2teau", "Ch\xE2teau d'Amboise", "", "37400",
                "Amboise"}),
    recordLine({"ANGERS", "DFCF", "49-001", "Ch\xE2teau", "Ch\xE2teau d'Angers", "", "49000", ""})};

const QString kNotCommuneMode =
    QStringLiteral("Vous devez etre en mode 'Affichage par nom de Commune'");

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir settings_;
    std::unique_ptr<testing::TemporaryProgramDirectory> program_;
    std::unique_ptr<MessageCatcher> catcher_; // sees every message of a test's actions
    std::unique_ptr<Main> window_;

    template <class Control = QWidget> Control* find(const char* name) const {
        return control<Control>(*window_, name);
    }
    QString text(const char* name) const { return testing::textShown(*find(name)); }
    QStringList lines() const { return testing::linesShown(*find<QAbstractItemView>("List1")); }
    void listAll(const char* button) {
        find<QLineEdit>("Dpart")->setText(QStringLiteral("00"));
        find<QPushButton>(button)->click();
    }
    // Everything the window shows of its listing.
    QStringList shown() const {
        return lines() << text("Label2") << text("Label6") << text("Frame2")
                       << QString::number(find<QPushButton>("Imprimer")->isEnabled());
    }
    // Double-clicks the row, or below the last line when there is no such row; returns the nine
    // boxes of the detail window that opened, or nothing.
    QStringList doubleClick(int row) const {
        auto* list = find<QAbstractItemView>("List1");
        const QRect line = list->visualRect(list->model()->index(row, 0));
        QStringList boxes;
        ModalWatcher<Affichage> watcher([&boxes](Affichage* detail) {
            for (const char* name : {"Commune_N", "CP_N", "Diplome_N", "Ref_N", "Type_N", "Nom_N",
                                     "Canton_N", "Num_Canton", "Obs_N"}) {
                boxes << control<QLineEdit>(*detail, name)->text();
            }
            control<QPushButton>(*detail, "Quitter")->click();
        });
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           line.isValid() ? line.center() : QPoint(20, list->height() - 20));
        return boxes;
    }
    QString missingFileMessage() const {
        return fromUtf8(failureMessage({ReadFailure::Kind::Missing, program_->referenceFile()}));
    }
    void removeFile() const { std::filesystem::remove(program_->referenceFile()); }

private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    }
    void init() {
        program_ = std::make_unique<testing::TemporaryProgramDirectory>();
        program_->writeLines(kLines);
        catcher_ = std::make_unique<MessageCatcher>();
        window_ = std::make_unique<Main>(program_->directory());
        QVERIFY(testing::showActive(*window_));
    }
    void cleanup() {
        window_.reset();
        catcher_.reset();
        program_.reset();
    }

    void loadsWithTheFirstDiplomaAndNothingListed() {
        QCOMPARE(find<QComboBox>("Type_Activite")->count(), int(kDiplomaCatalogue.size()));
        QCOMPARE(text("Nom_Ref"), fromUtf8(kDiplomaCatalogue[0].code));
        QCOMPARE(text("Label5"), fromUtf8(kDiplomaCatalogue[0].fullName));
        QCOMPARE(window_->windowTitle(), fromUtf8(mainWindowTitle(kVersionLogiciel)));
        QCOMPARE(shown(), QStringList({"", "affiché par ...", "", "0"}));
        QCOMPARE(QApplication::focusWidget(), find("Aff_Commune"));
        // The banner in bold, the call signs and the buttons not; the list in a plain fixed pitch.
        for (const char* name : {"Label1", "Nom_Ref", "Label6", "Label5", "Label4", "Label3"}) {
            QVERIFY2(find(name)->font().bold(), name);
        }
        for (const char* name : {"Pelkar", "Tornim", "Aff_Commune", "Type_Activite"}) {
            QVERIFY2(!find(name)->font().bold(), name);
        }
        QVERIFY(find("List1")->font().fixedPitch() && !QFontInfo(find("List1")->font()).bold());
        // Tab follows the keyboard order; Imprimer, disabled until the first listing, is passed.
        QStringList order;
        for (int i = 0; i < 8; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab)) {
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"Aff_Commune", "Type_Activite", "List1", "Aff_Reference",
                                     "Aff_Canton", "Dpart", "Command1", "Aff_CP"}));
    }

    void enterInDepartmentMovesToCommuneButtonWhichEnterPresses() {
        auto* department = find<QLineEdit>("Dpart");
        department->setFocus();
        department->selectAll();
        QTest::keyClicks(department, QStringLiteral("29"));
        QTest::keyClick(department, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), find("Aff_Commune"));
        QVERIFY(lines().isEmpty());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(lines().size(), 1);
        find("Aff_CP")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(text("Label6"), fromUtf8(rowOf(ListingOrder::PostalCode).captions.orderCaption));
    }

    // The window shows the engine's listing of its diploma, department and file.
    void listingsShowTheirLinesAndCaptions() {
        for (const ListingOrderRow& row : kListingOrders) {
            listAll(row.buttonName.data());
            const auto listing = buildListing(row.order, program_->referenceFile(), "DFCF", "00");
            QStringList expected;
            for (std::size_t i = 0; i < listing.value().lines.size(); ++i) {
                expected << fromCp1252(listing.value().lines[i]);
            }
            expected << fromUtf8(row.captions.heading) << fromUtf8(row.captions.orderCaption)
                     << fromUtf8(countCaption(listing.value(), "DFCF")) << "1";
            QCOMPARE(shown(), expected);
            QVERIFY(lines().size() >= 3);
            listAll(row.buttonName.data()); // again: the same, not twice the lines
            QCOMPARE(shown(), expected);
        }
        QCOMPARE(catcher_->texts(), QStringList());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // A listing that finds nothing still becomes the displayed one: printable, in its mode.
    void listingThatFindsNothingSaysSo() {
        listAll("Aff_Reference");
        find<QLineEdit>("Dpart")->setText(QStringLiteral("01"));
        find<QPushButton>("Aff_Commune")->click();
        QCOMPARE(shown(), QStringList({fromUtf8(rowOf(ListingOrder::Commune).captions.heading),
                                       fromUtf8(rowOf(ListingOrder::Commune).captions.orderCaption),
                                       "0 Rérérences DFCF sur 6", "1"}));
        QCOMPARE(doubleClick(0), QStringList());
        QCOMPARE(catcher_->texts(), QStringList{"Aucune références DFCF trouvées"});
    }

    // A character the file cannot hold lists nothing, not the records holding a '?'.
    void textTheFileCannotHoldListsNothing() {
        std::vector<std::string> file = kLines;
        file.push_back(recordLine({.diploma = "?", .postalCode = "?9000"}));
        program_->writeLines(file);
        for (const auto& [diploma, department] : {std::pair{"Ω", "00"}, std::pair{"****", "Ω9"}}) {
            find<QComboBox>("Type_Activite")->setEditText(QString::fromUtf8(diploma));
            find<QLineEdit>("Dpart")->setText(QString::fromUtf8(department));
            find<QPushButton>("Aff_Commune")->click();
            QCOMPARE(text("Frame2"),
                     QStringLiteral("0 Rérérences %1 sur 7").arg(QString::fromUtf8(diploma)));
            QCOMPARE(lines(), QStringList());
        }
    }

    void typedDiplomaChangesNoBannerButFiltersTheListing() {
        auto* combo = find<QComboBox>("Type_Activite");
        combo->setFocus();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo, QStringLiteral("DMF"));
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(text("Nom_Ref"), QStringLiteral("DFCF"));
        listAll("Aff_Commune");
        QCOMPARE(lines().size(), 1);
        QVERIFY(lines().first().startsWith(QStringLiteral("QUIMPER ")));
        // Chosen from the list, the code changes the banner but not the list.
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(text("Nom_Ref"), fromUtf8(kDiplomaCatalogue[1].code));
        QCOMPARE(text("Label5"), fromUtf8(kDiplomaCatalogue[1].fullName));
        QCOMPARE(lines().size(), 1);
    }

    void doubleClickOpensTheDetailOfTheLineOnlyInCommuneMode() {
        QCOMPARE(doubleClick(0), QStringList()); // no listing yet
        for (const ListingOrderRow& row : kListingOrders) {
            listAll(row.buttonName.data());
            const QStringList boxes = doubleClick(0);
            QCOMPARE(boxes.isEmpty(), row.order != ListingOrder::Commune);
        }
        QCOMPARE(catcher_->texts(), QStringList(4, kNotCommuneMode));
        listAll("Aff_Commune"); // AMBOISE, ANGERS, BREST, ÉPINAL
        QCOMPARE(doubleClick(2),
                 QStringList({"BREST", "29200", "DFCF", "29-001", "Fort", "Fort du Portzic",
                              "Brest-Centre", "2905", "01/05/2008"}));
        QCOMPARE(doubleClick(0), QStringList({"AMBOISE", "37400", "DFCF", "37-001", "Château",
                                              "Château d'Amboise", "Amboise", "----", ""}));
        QCOMPARE(doubleClick(9), QStringList());
        QCOMPARE(catcher_->texts().size(), 4);
    }

    // A file that cannot be read leaves the window as it was, not even printable.
    void missingFileIsReportedAndChangesNothing() {
        removeFile();
        find<QPushButton>("Aff_Commune")->click();
        QCOMPARE(shown(), QStringList({"", "affiché par ...", "", "0"}));
        program_->writeLines(kLines);
        listAll("Aff_Commune");
        const QStringList before = shown();
        removeFile();
        find<QPushButton>("Aff_Reference")->click();
        QCOMPARE(shown(), before);
        QCOMPARE(doubleClick(0).size(), 9); // still in commune mode
        QCOMPARE(catcher_->texts(), QStringList(2, missingFileMessage()));
    }

    void commandsShowTheirMessages() {
        for (const char* item : {"Mnu_Historique", "Mnu_A_Propos", "Mnu_Aide", "Mnu_BdD"}) {
            find<QAction>(item)->trigger();
        }
        QTest::mouseClick(find("Pelkar"), Qt::LeftButton);
        QTest::mouseClick(find("Tornim"), Qt::LeftButton);
        // A call sign shows its tooltip; a press on it released outside it is no click.
        QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), find("Pelkar")->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(find("Pelkar"), &hover);
        QCOMPARE(QToolTip::text(), QStringLiteral("Cliquez"));
        QTest::mousePress(find("Pelkar"), Qt::LeftButton);
        QTest::mouseRelease(find("Pelkar"), Qt::LeftButton, {}, QPoint(-5, 5));
        removeFile();
        find<QAction>("Mnu_BdD")->trigger();
        QCOMPARE(
            catcher_->texts(),
            QStringList({fromUtf8(versionHistory()), fromUtf8(aboutText(kVersionLogiciel)),
                         fromUtf8(recommendations()),
                         QStringLiteral("Base de donnée ") + fromCp1252(kLines[0].substr(6, 24)),
                         fromUtf8(authorCredits()), fromUtf8(compilerCredits()),
                         missingFileMessage()}));
        find<QAction>("Mnu_Quitter")->trigger();
        QVERIFY(!window_->isVisible());
    }

    // With no printer, the cancelled dialog is followed by a message that says so.
    void printButtonOffersThePrintDialog() {
        if (!QPrinterInfo::availablePrinters().isEmpty()) {
            QSKIP("a printer is installed: a cancelled dialog would print on it");
        }
        listAll("Aff_Commune");
        ModalWatcher<QPrintDialog> dialogs([](QPrintDialog* dialog) { dialog->reject(); });
        find<QPushButton>("Imprimer")->click();
        QCOMPARE(dialogs.seen(), 1);
        QCOMPARE(catcher_->texts().size(), 1);
        QVERIFY(catcher_->texts().front().startsWith(QStringLiteral("Aucune imprimante")));
        QVERIFY(
            catcher_->texts().front().contains(QStringLiteral("Imprimer dans un fichier (PDF)")));
    }

    // The help opens in a window of its own, which a second call brings back, and says there
    // that its document is missing; the main window stays usable.
    void noticeOpensTheHelpWithoutBlocking() {
        find<QAction>("Mnu_Notice")->trigger();
        find<QAction>("Mnu_Notice")->trigger();
        const auto viewers = window_->findChildren<QTextBrowser*>();
        QCOMPARE(viewers.size(), 1);
        QVERIFY(viewers[0]->window()->isVisible() && QApplication::activeModalWidget() == nullptr);
        QVERIFY(viewers[0]->toPlainText().contains(QStringLiteral("est introuvable")));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

#include "app/information_texts.h"
#include "app/main_window.h"
#include "data/catalogue.h"
#include "data/version.h"
#include "listing/detail_window.h"
#include "listing/listing.h"
#include "listing/page_printer.h"
#include "listing/print_command.h"
#include "listing/qt_printer.h"
#include "search/search_window.h"
#include "tests/gui/screen_checks.h"
#include "tests/support/reference_file_builder.h"
#include "widgets/qt_text.h"
#include "widgets/window_style.h"

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>
#include <memory>
#include <sys/stat.h>

using namespace orvel;
using testing::control;
using testing::recordLine;

namespace {

// The header, then Brest, Quimper (DMF), Amboise, Angers (no canton, an activity CSV must quote)
// and a record holding '?' where the file cannot hold a character.
const std::vector<std::string> kLines{
    testing::headerLine("R\xE9vision S"),
    recordLine({.observation = "01/05/2008 prive"}), // as wide as its field
    recordLine(
        {.commune = "QUIMPER", .diploma = "DMF", .reference = "29-004", .postalCode = "29000"}),
    recordLine({.commune = "AMBOISE",
                .reference = "37-002",
                .postalCode = "37400",
                .canton = "Amboise 3701"}),
    recordLine({.commune = "ANGERS",
                .reference = "49-003",
                .activityName = "Ch\xE2teau, \"vieux\"",
                .postalCode = "49000",
                .canton = ""}),
    recordLine({.diploma = "?", .postalCode = "?9000"})};

// The listing buttons, in the order of ListingOrder.
constexpr const char* kListingButtons[] = {"Aff_Commune", "Aff_Reference", "Aff_Canton", "Aff_CP"};

// Records the printed lines, "*" before those in bold.
struct PageRecorder : Printer {
    bool bold = false;
    QStringList lines;
    std::string fontName() const override { return {}; }
    void setFontName(const std::string& /*name*/) override {}
    double fontSize() const override { return 0; }
    void setFontSize(double /*points*/) override {}
    void setBold(bool on) override { bold = on; }
    void printLine(std::string_view line) override {
        lines << (bold ? "*" : "") + fromCp1252(line);
    }
    void endDocument() override {}
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir settings_;
    testing::TemporaryProgramDirectory program_;
    std::unique_ptr<testing::MessageCatcher> catcher_; // sees every message of a test's actions
    std::unique_ptr<Main> window_;

    template <class Control = QWidget> Control* find(const char* name) const {
        return control<Control>(*window_, name);
    }
    // The text a label, a line edit or a button shows, or the title of a group box.
    QString text(const char* name) const {
        return find(name)->property("text").toString() + find(name)->property("title").toString();
    }
    void list(const char* button, const char* department = "00") {
        find<QLineEdit>("Dpart")->setText(QString::fromUtf8(department));
        QTest::mouseClick(find(button), Qt::LeftButton);
    }
    // The list, the heading, the order caption, the count caption and whether Imprimer is enabled.
    QStringList shown() const {
        return testing::linesShown(*find<QAbstractItemView>("List1"))
               << text("Label2") << text("Label6") << text("Frame2")
               << QString::number(find<QPushButton>("Imprimer")->isEnabled());
    }
    // Double-clicks the row, or below the last line when there is no such row; returns the nine
    // boxes of the detail window that opened, or nothing.
    QStringList doubleClick(int row) const {
        auto* list = find<QAbstractItemView>("List1");
        const QRect line = list->visualRect(list->model()->index(row, 0));
        QStringList boxes;
        testing::ModalWatcher<Affichage> watcher([&boxes](Affichage* detail) {
            for (const QLineEdit* box : detail->findChildren<QLineEdit*>()) {
                boxes << box->text();
            }
            control<QPushButton>(*detail, "Quitter")->click();
        });
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           line.isValid() ? line.center() : QPoint(20, list->height() - 20));
        return boxes;
    }
    QString missingFileMessage() const {
        return fromUtf8(failureMessage({ReadFailure::Kind::Missing, program_.referenceFile()}));
    }
    void removeFile() const { std::filesystem::remove(program_.referenceFile()); }

    // Chooses the log, or the CSV file to write, as the user would in the system's dialog.
    void chooseLog(const std::filesystem::path& log) {
        window_->setFileQuestions({[log](QWidget*) { return fromUtf8(log.native()); }, {}});
        find<QAction>("Mnu_Journal")->trigger();
    }
    void exportTo(const QString& csv) {
        window_->setFileQuestions({{}, [csv](QWidget*) { return csv; }});
        find<QAction>("Mnu_Exporter")->trigger();
    }
    // The communes a list shows, each after "~" when struck through, and "!" when the screen
    // reader is told it is worked.
    static QStringList marks(QWidget* list) {
        auto* rows = QAccessible::queryAccessibleInterface(list)->tableInterface();
        auto* view = qobject_cast<QAbstractItemView*>(list);
        QStringList shown = testing::linesShown(*view, 28);
        for (int row = 0; row < rows->rowCount(); ++row) {
            const bool told = rows->cellAt(row, 0)->text(QAccessible::Name).endsWith("contactée");
            const QFont font = view->model()->index(row, 0).data(Qt::FontRole).value<QFont>();
            shown[row].prepend(QString(font.strikeOut() ? "~" : "") + (told ? "!" : ""));
        }
        return shown;
    }
    QString counts() const { return text("Frame2") + " | " + text("Label_Contactees"); }

    // What the screen reader hears of the list.
    QString description() const {
        return QAccessible::queryAccessibleInterface(find("List1"))->text(QAccessible::Description);
    }

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings_.path())); }
    void init() {
        testing::failOnQtWarnings();
        QSettings(QStringLiteral("Reference"), QStringLiteral("Reference")).remove("Journal");
        program_.writeLines(kLines);
        catcher_ = std::make_unique<testing::MessageCatcher>();
        window_ = std::make_unique<Main>(program_.directory());
        QVERIFY(testing::showActive(*window_));
    }
    void cleanup() { window_.reset(); } // the next test shows its own

    void opensWithTheFirstDiplomaAndKeepsItsListWhenTheFileIsMissing() {
        QCOMPARE(text("Nom_Ref") + text("Label5"),
                 fromUtf8(kDiplomaCatalogue[0].code) + fromUtf8(kDiplomaCatalogue[0].fullName));
        QCOMPARE(window_->windowTitle(), fromUtf8(mainWindowTitle(kVersionLogiciel)));
        QCOMPARE(QApplication::focusWidget(), find("Aff_Commune"));
        find("Dpart")->setFocus();
        QTest::keyClick(find("Dpart"), Qt::Key_Return); // moves on to the commune button
        QCOMPARE(QApplication::focusWidget(), find("Aff_Commune"));
        // The banner and the captions in bold, the boxes not; the list in a plain fixed pitch.
        for (const char* name : {"Label1", "Label5", "Label4", "Dpart"}) {
            QVERIFY2(QFontInfo(find(name)->font()).bold() == (name[0] == 'L'), name);
        }
        QVERIFY(find("List1")->font().fixedPitch() && !QFontInfo(find("List1")->font()).bold());
        // A file that cannot be read leaves the window as it was, not even printable.
        removeFile();
        list("Aff_Commune");
        QCOMPARE(shown(), QStringList({"", "affiché par ...", "", "0"}));
        program_.writeLines(kLines);
        list("Aff_Commune");
        const QStringList before = shown();
        removeFile();
        list("Aff_Reference");
        QCOMPARE(shown(), before);
        QCOMPARE(doubleClick(0).size(), 9);                 // still in commune mode
        QTest::keyClick(find("Aff_Canton"), Qt::Key_Enter); // presses the button once
        QCOMPARE(catcher_->texts, QStringList(3, missingFileMessage()));
    }

    // Each button shows the engine's listing of its order for the diploma, department and file,
    // the same again when Enter (the keypad's) presses it, not twice the lines; each order has
    // captions of its own above the list.
    void listingsShowTheirLinesAndCaptions() {
        QSet<QString> captions;
        for (std::size_t order = 0; order < std::size(kListingButtons); ++order) {
            const auto listing = buildListing(static_cast<ListingOrder>(order),
                                              program_.referenceFile(), "DFCF", "00");
            QStringList expected;
            for (std::size_t i = 0; i < listing.value().lines.size(); ++i) {
                expected << fromCp1252(listing.value().lines[i]);
            }
            QVERIFY(expected.size() >= 3);
            expected << fromUtf8(countCaption(listing.value(), "DFCF")) << "1";
            for (int time = 0; time < 2; ++time) {
                time == 0 ? list(kListingButtons[order])
                          : QTest::keyClick(find(kListingButtons[order]), Qt::Key_Enter);
                QStringList seen = shown();
                captions << seen.mid(seen.size() - 4, 2).join('|'); // the heading and the order
                seen.remove(seen.size() - 4, 2);
                QCOMPARE(seen, expected);
            }
            QVERIFY(description().contains(text("Frame2")) &&
                    description().contains(text("Label6")));
        }
        QCOMPARE(captions.size(), 4);
        QCOMPARE(catcher_->texts, QStringList());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        // A listing that finds nothing becomes the displayed one all the same: printable, in its
        // mode. A character the file cannot hold finds nothing, not the records holding a '?'.
        list("Aff_Commune");
        const QStringList commune{text("Label2"), text("Label6")};
        for (const auto& [diploma, department] :
             {std::pair{"DFCF", "01"}, {"Ω", "00"}, {"****", "Ω9"}}) {
            find<QComboBox>("Type_Activite")->setEditText(QStringLiteral("DFCF"));
            list("Aff_Reference");
            find<QComboBox>("Type_Activite")->setEditText(QString::fromUtf8(diploma));
            list("Aff_Commune", department);
            QCOMPARE(shown(),
                     commune +
                         QStringList({QStringLiteral("0 Rérérences %1 sur 6").arg(diploma), "1"}));
            QCOMPARE(doubleClick(0), QStringList());
            QCOMPARE(catcher_->texts,
                     QStringList{QStringLiteral("Aucune références %1 trouvées").arg(diploma)});
            catcher_->texts.clear();
        }
    }

    // A double-click opens the detail of the line, in commune mode only.
    void doubleClickOpensTheDetailAndTypedDiplomaFilters() {
        QCOMPARE(doubleClick(0), QStringList()); // no listing yet
        for (const char* button : kListingButtons) {
            list(button);
            QCOMPARE(doubleClick(0).isEmpty(), button != kListingButtons[0]);
        }
        QCOMPARE(catcher_->texts,
                 QStringList(4, "Vous devez etre en mode 'Affichage par nom de Commune'"));
        list("Aff_Commune"); // AMBOISE, ANGERS, BREST
        QCOMPARE(doubleClick(2),
                 QStringList({"BREST", "29200", "DFCF", "29-001", "Fort", "Fort du Portzic",
                              "Brest-Centre", "2905", "01/05/2008 prive"}));
        QCOMPARE(doubleClick(9), QStringList());
        QCOMPARE(catcher_->texts.size(), 4);
        // Typing a code and leaving the box by Enter, Tab or a click elsewhere filters the
        // listings but changes neither the banner nor the selection; choosing from the list
        // changes the banner.
        auto* combo = find<QComboBox>("Type_Activite");
        const QString banner = text("Nom_Ref") + text("Label5");
        for (const int way : {0, 1, 2}) {
            combo->setFocus();
            combo->lineEdit()->selectAll();
            QTest::keyClicks(combo, QStringLiteral("DMF"));
            way == 2 ? QTest::mouseClick(find("Aff_Canton"), Qt::LeftButton)
                     : QTest::keyClick(combo, way == 0 ? Qt::Key_Return : Qt::Key_Tab);
            QCOMPARE(text("Nom_Ref") + text("Label5") + QString::number(combo->currentIndex()),
                     banner + "0");
            list("Aff_Commune");
            QCOMPARE(find<QAbstractItemView>("List1")->model()->rowCount(), 1); // QUIMPER
        }
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(text("Nom_Ref") + text("Label5"),
                 fromUtf8(kDiplomaCatalogue[1].code) + fromUtf8(kDiplomaCatalogue[1].fullName));
        QCOMPARE(find<QAbstractItemView>("List1")->model()->rowCount(), 1);
        QVERIFY(description().contains(text("Nom_Ref")) && description().contains(text("Label5")));
        // To the screen reader, its value is its text, and its list is its last child.
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(combo);
        QAccessibleInterface* last = reader->child(reader->childCount() - 1);
        QVERIFY(reader->text(QAccessible::Value) == combo->currentText() &&
                last->object() == combo->view() &&
                reader->indexOfChild(last) == reader->childCount() - 1);
        reader->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
        QTRY_VERIFY(combo->view()->isVisible()); // its list opens on request
        combo->hidePopup();
    }

    // Imprimer prints the displayed listing through the print dialog. With no printer, the
    // cancelled dialog is followed by a message that says how to get a PDF file; printed to the
    // PDF file chosen there, a long listing fills three pages or so in a bold fixed-pitch font.
    void imprimerPrintsAndTheCommandsShowTheirMessages() {
        // The page of each mode: its title and heading, then each line cut at 115 characters, all
        // in bold after the print dialog, and bold off afterwards. Without a listing, nothing.
        LineList listed;
        listed.append(std::string(120, 'x'));
        QSet<QString> headers;
        for (const ListingMode mode : {ListingMode::None, ListingMode::Commune,
                                       ListingMode::Reference, ListingMode::Canton}) {
            PageRecorder page;
            int dialogs = 0;
            printPage(page, mode, "DFCF", listed, [&page, &dialogs] { dialogs += page.bold; });
            QVERIFY(!page.bold);
            QCOMPARE(int(page.lines.size()) + dialogs, mode == ListingMode::None ? 0 : 6);
            if (dialogs == 1) {
                QVERIFY(page.lines[0].contains("références DFCF par ") && page.lines[1] == "*");
                QCOMPARE(page.lines.mid(3), QStringList({"*", '*' + QString(115, 'x')}));
                headers << page.lines[0] + page.lines[2];
            }
        }
        QCOMPARE(headers.size(), 3);
        std::vector<std::string> file = kLines;
        file.resize(file.size() + 250, recordLine({}));
        program_.writeLines(file);
        list("Aff_Commune");
        QTemporaryDir directory;
        QString pdf; // none: the dialog is cancelled
        testing::ModalWatcher<QPrintDialog> dialogs([&pdf](QPrintDialog* dialog) {
            for (QComboBox* box : dialog->findChildren<QComboBox*>()) {
                const int entry = box->findText(QStringLiteral("PDF"), Qt::MatchContains);
                box->setCurrentIndex(entry >= 0 ? entry : box->currentIndex());
            }
            control<QLineEdit>(*dialog, "filename")->setText(pdf);
            pdf.isEmpty() ? dialog->reject() : dialog->accept();
        });
        if (QPrinterInfo::availablePrinters().isEmpty()) { // else a cancelled dialog prints
            QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
            find<QPushButton>("Imprimer")->click();
            QVERIFY(catcher_->texts.size() == 1 &&
                    catcher_->texts[0].startsWith("Aucune imprimante") &&
                    catcher_->texts[0].contains("Imprimer dans un fichier (PDF)"));
            catcher_->texts.clear();
        }
        pdf = directory.filePath("page.pdf");
        find<QPushButton>("Imprimer")->click();
        QCOMPARE(catcher_->texts, QStringList());
        QFile printed(pdf);
        QVERIFY(printed.open(QIODevice::ReadOnly));
        const QByteArray bytes = printed.readAll();
        const auto pages = bytes.count("/Type /Page\n");
        QVERIFY2(pages >= 3 && pages <= 5 && bytes.contains("Bold"), bytes.left(3000).constData());
        QVERIFY(printFont(8).fixedPitch()); // where Courier New is missing
        // However large the font, each line has a page; a PDF that cannot be written says so.
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false"); // the second
        for (const auto& [file, pages] : {std::pair(directory.filePath("huge.pdf"), 3),
                                          std::pair(QString("/nonexistent/a.pdf"), 0)}) {
            QPrinter target;
            target.setOutputFileName(file);
            QtPrinter printer(target);
            printer.setFontSize(2000);
            for (const char* line : {"1", "2", "3"}) {
                printer.printLine(line);
            }
            printer.endDocument();
            QFile pdf(file);
            QCOMPARE(pdf.open(QIODevice::ReadOnly) ? pdf.readAll().count("/Type /Page\n") : 0,
                     pages);
            QCOMPARE(printer.failure().contains(file), pages == 0);
        }
        // The commands show their messages. The help opens in a window of its own, which a second
        // call brings back, and says there that its document is missing; the main window stays
        // usable.
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
        QCOMPARE(catcher_->texts,
                 QStringList({fromUtf8(versionHistory()), fromUtf8(aboutText(kVersionLogiciel)),
                              fromUtf8(recommendations()),
                              "Base de donnée " + fromCp1252(kLines[0].substr(6, 24)),
                              fromUtf8(authorCredits()), fromUtf8(compilerCredits()),
                              missingFileMessage()}));
        const QString& about = catcher_->texts[1]; // breaks between its lines only
        QVERIFY(about.contains("\r\n") && !about.startsWith("\r\n") && !about.endsWith('\n'));
        find<QAction>("Mnu_Notice")->trigger();
        find<QAction>("Mnu_Notice")->trigger();
        const auto viewers = window_->findChildren<QTextBrowser*>();
        QCOMPARE(viewers.size(), 1);
        QVERIFY(viewers[0]->window()->isVisible() && QApplication::activeModalWidget() == nullptr);
        QVERIFY(viewers[0]->toPlainText().contains(QStringLiteral("est introuvable")));
        find<QAction>("Mnu_Quitter")->trigger();
        QVERIFY(!window_->isVisible());
    }

    // With a traffic log, the worked references of a listing are struck through and told so to
    // the screen reader, counted next to the count caption, left out when hidden; the log is read
    // again only when it changed, its unknown references are told once, and a log that cannot be
    // read is told at each listing, which goes on unmarked. The search marks its results too.
    void trafficLogMarksHidesAndCountsWorkedReferences() {
        const auto log = program_.directory() / "journal.txt";
        std::ofstream(log) << "DFCF 29-001\n# portable\ndfcf 49-003\nDFCF 99-999\n";
        chooseLog(log);
        list("Aff_Commune");
        list("Aff_Commune");
        QCOMPARE(catcher_->texts.size(), 1);
        QVERIFY(catcher_->texts[0].contains("journal.txt") &&
                catcher_->texts[0].endsWith("DFCF 99-999"));
        QCOMPARE(marks(find("List1")), QStringList({"AMBOISE", "~!ANGERS", "~!BREST"}));
        QCOMPARE(counts(), "3 Rérérences DFCF sur 6 | dont 2 contactées");
        QVERIFY(description().contains(text("Frame2") + "\ndont 2 contactées"));
        find<QAction>("Mnu_Masquer")->trigger();
        QCOMPARE(marks(find("List1")), QStringList({"AMBOISE"}));
        QCOMPARE(counts(), "1 Rérérences DFCF sur 6 | 2 contactées masquées");
        std::ofstream(log, std::ios::app) << "DFCF 37-002\n";
        list("Aff_Commune"); // finds three, all hidden: no "nothing found"
        QCOMPARE(counts(), "0 Rérérences DFCF sur 6 | 3 contactées masquées");
        find<QAction>("Mnu_Masquer")->trigger();
        list("Aff_Commune");
        QCOMPARE(counts(), "3 Rérérences DFCF sur 6 | dont 3 contactées");
        testing::ModalWatcher<Rechercher> search([](Rechercher* window) {
            auto* commune = control<QLineEdit>(*window, "Commune");
            commune->setText("S"); // the header line too, which is no reference
            QTest::keyClick(commune, Qt::Key_Return);
            QCOMPARE(marks(control(*window, "Liste_Ref")),
                     QStringList({"Révision S", "~!BREST", "~!AMBOISE", "~!ANGERS", "BREST"}));
            window->close();
        });
        find<QPushButton>("Command1")->click();
        QCOMPARE(search.seen, 1);
        // A record added to the reference file since the log was read is looked up all the same.
        std::vector<std::string> file = kLines;
        file.push_back(recordLine({.commune = "CALAIS", .reference = "99-999"}));
        program_.writeLines(file);
        list("Aff_Commune");
        QCOMPARE(counts(), "4 Rérérences DFCF sur 7 | dont 4 contactées");
        for (const bool absent : {false, true}) { // without a log, then with one unreadable
            absent ? chooseLog(program_.directory() / "absent.adi")
                   : find<QAction>("Mnu_Sans_Journal")->trigger();
            list("Aff_Commune");
            QCOMPARE(marks(find("List1")), QStringList({"AMBOISE", "ANGERS", "BREST", "CALAIS"}));
            QCOMPARE(counts(), "4 Rérérences DFCF sur 7 | ");
        }
        QCOMPARE(catcher_->texts.size(), 3);
        QVERIFY(catcher_->texts[1].contains("absent.adi") &&
                catcher_->texts[2] == catcher_->texts[1]);
    }

    // The export writes the list shown as orvel-query --csv writes the same listing, the hidden
    // worked references left out as --worked leaves them out, over an earlier file. A file that
    // cannot be written is told and left absent; a cancelled question writes nothing.
    void exportWritesTheListShownAsOrvelQueryDoes() {
        const auto log = program_.directory() / "journal.adi";
        const QString logName = fromUtf8(log.native());
        // Its second contact's field does not fit its length: one warning, told once.
        std::ofstream(log)
            << "<EOH><SIG:4>DFCF<SIG_INFO:6>29-001<EOR><SIG:4>DFCF<SIG_INFO:9>37-002<EOR>";
        chooseLog(log);
        find<QComboBox>("Type_Activite")->setEditText(QStringLiteral("****"));
        list("Aff_Commune");
        QCOMPARE(text("Label_Contactees"), "dont 1 contactée");
        QTemporaryDir directory;
        const QString csv = directory.filePath("liste.csv");
        for (const bool hide : {false, true}) {
            find<QAction>("Mnu_Masquer")->setChecked(hide);
            exportTo(csv);
            QProcess query;
            query.start(QStringLiteral(ORVEL_QUERY_PATH),
                        QStringList{"--file", fromUtf8(program_.referenceFile().native()), "--csv",
                                    "list", "commune", "****", "00"} +
                            (hide ? QStringList{"--worked", logName} : QStringList()));
            QVERIFY(query.waitForFinished());
            QFile written(csv);
            QVERIFY(written.open(QIODevice::ReadOnly));
            QCOMPARE(written.readAll(), query.readAllStandardOutput());
        }
        exportTo(QString());
        exportTo(directory.filePath("absent/liste.csv"));
        QCOMPARE(catcher_->texts.size(), 2);
        QVERIFY(catcher_->texts[0].startsWith("Le journal « " + logName + " » : le champ"));
        QCOMPARE(catcher_->texts[1], "Le fichier « " + directory.filePath("absent/liste.csv") +
                                         " » n'a pas pu être enregistré : il ne peut pas être "
                                         "créé dans ce dossier.");
        QCOMPARE(QDir(directory.path()).entryList(QDir::Files), QStringList("liste.csv"));
        // The setting goes into a file, absent or not, but not into a named pipe, which would hold
        // the start-up.
        const QString file = settings_.filePath(QStringLiteral("Reference/Reference.conf"));
        QCOMPARE(QSettings(file, QSettings::IniFormat).value("Setup /Chemin Repertoire"),
                 QDir::cleanPath(QString::fromStdString(program_.directory())));
        // The traffic log chosen is kept for the next start, until the user does without.
        chooseLog(program_.directory() / "journal.adi");
        QVERIFY(Main(program_.directory()).findChild<QAction*>("Mnu_Sans_Journal")->isEnabled());
        find<QAction>("Mnu_Sans_Journal")->trigger();
        QCOMPARE(QSettings(file, QSettings::IniFormat).allKeys(),
                 QStringList("Setup /Chemin Repertoire"));
        QVERIFY(QFile::remove(file) && ::mkfifo(QFile::encodeName(file), 0600) == 0);
        { const Main another(program_.directory()); } // waiting on the pipe, it ends by timeout
        QVERIFY(!QFileInfo(file).isFile());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

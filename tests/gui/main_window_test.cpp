#include "app/information_texts.h"
#include "app/main_window.h"
#include "data/read_failure.h"
#include "listing/detail_window.h"
#include "listing/listing.h"
#include "message_catcher.h"
#include "modal_watcher.h"
#include "reference_file_builder.h"
#include "screen_checks.h"
#include "search/search_window.h"
#include "widgets/qt_text.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <memory>

using orvel::Affichage;
using orvel::fromUtf8;
using orvel::ListingOrder;
using orvel::Main;
using orvel::testing::control;
using orvel::testing::linesShown;
using orvel::testing::MessageCatcher;
using orvel::testing::ModalWatcher;
using orvel::testing::recordLine;
using orvel::testing::TemporaryProgramDirectory;

namespace {

// A header line of 40 characters: the revision is its columns 7 to 30.
const std::string kHeader = orvel::testing::headerLine("R\xE9vision 2026-12 pour les essais 42");

// The header, then Brest, Quimper (DMF), Épinal, Amboise (a canton without a number) and Angers
// (no canton).
const std::vector<std::string> kLines{
    kHeader,
    recordLine({}),
    recordLine(
        {"QUIMPER", "DMF", "29-002", "Moulin", "Moulin du Stang", "", "29000", "Quimper-1 2910"}),
    recordLine(
        {"\xC9PINAL", "DFCF", "88-001", "Fort", "Fort de Bambois", "", "88000", "\xC9pinal 8808"}),
    recordLine({"AMBOISE", "DFCF", "37-001", "Ch\xE2teau", "Ch\xE2teau d'Amboise", "", "37400",
                "Amboise"}),
    recordLine({"ANGERS", "DFCF", "49-001", "Ch\xE2teau", "Ch\xE2teau d'Angers", "", "49000", ""})};

// What a label, a button, a box or a frame shows as its text.
QString textOf(QWidget& window, const char* name) {
    QWidget* widget = control<QWidget>(window, name);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text();
    }
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        return box->text();
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return combo->currentText();
    }
    return control<QGroupBox>(window, name)->title();
}

QStringList listLines(QWidget& window) {
    return linesShown(*control<QAbstractItemView>(window, "List1"));
}

// Everything the window shows about the current listing: lines, captions, whether printable.
QStringList listingState(QWidget& window) {
    return listLines(window) << textOf(window, "Label2") << textOf(window, "Label6")
                             << textOf(window, "Frame2")
                             << (control<QPushButton>(window, "Imprimer")->isEnabled() ? "Imprimer"
                                                                                       : "");
}

void doubleClickRow(QWidget& window, int row) {
    auto* list = control<QAbstractItemView>(window, "List1");
    const QRect line = list->visualRect(list->model()->index(row, 0));
    // Below the last line when the row does not exist.
    const QPoint point = line.isValid() ? line.center() : QPoint(20, 20);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, point);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    void openWindow() {
        window_ = std::make_unique<Main>(program_->directory());
        window_->show();
    }
    void clickButton(const char* name) { control<QPushButton>(*window_, name)->click(); }
    // Lists every department's records in the order of the button.
    void listAll(const char* button) {
        control<QLineEdit>(*window_, "Dpart")->setText(QStringLiteral("00"));
        clickButton(button);
    }
    QString missingFileMessage() const {
        return fromUtf8(
            orvel::failureMessage({orvel::ReadFailure::Kind::Missing, program_->referenceFile()}));
    }

    QTemporaryDir settings_;
    std::unique_ptr<MessageCatcher> catcher_; // sees every message a test's actions show
    std::unique_ptr<TemporaryProgramDirectory> program_;
    std::unique_ptr<Main> window_;

private slots:
    void initTestCase() {
        QVERIFY(settings_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    }

    void init() {
        program_ = std::make_unique<TemporaryProgramDirectory>();
        program_->writeLines(kLines);
        catcher_ = std::make_unique<MessageCatcher>();
        openWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void cleanup() {
        window_.reset();
        catcher_.reset();
        program_.reset();
    }

    void startsWithDfcfSelectedAndNothingListed() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Orvel_Référence version V2.0.0"));
        auto* combo = control<QComboBox>(*window_, "Type_Activite");
        QStringList codes;
        for (int i = 0; i < combo->count(); ++i) {
            codes << combo->itemText(i);
        }
        QCOMPARE(codes, QStringList({"DFCF", "DMF", "DIFI", "DIFM", "IOTA", "WLOTA", "DPLF", "DFVS",
                                     "DAP", "DQP", "DIP"}));
        const std::pair<const char*, QString> texts[] = {
            {"Type_Activite", "DFCF"},
            {"Label1", "Index des références "},
            {"Nom_Ref", "DFCF"},
            {"Label6", "affiché par ..."},
            {"Label5", "Diplôme des Forts et Château de France"},
            {"Dpart", "01"},
            {"Label2", ""},
            {"Frame2", ""},
            {"Aff_Reference", "  Affichage par N°   de Référence"},
            {"Command1", " Rechercher une    référence par ..."}};
        for (const auto& [name, expected] : texts) {
            QCOMPARE(textOf(*window_, name), expected);
        }
        QVERIFY(listLines(*window_).isEmpty());
        QVERIFY(!control<QPushButton>(*window_, "Imprimer")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), control<QPushButton>(*window_, "Aff_Commune"));

        QCOMPARE(control<QWidget>(*window_, "List1")->toolTip(),
                 QStringLiteral("Double cliquez sur une ligne pour plus de detail"));
        QCOMPARE(control<QWidget>(*window_, "Pelkar")->toolTip(), QStringLiteral("Cliquez"));
        // The list keeps its columns in a plain fixed-pitch font, not the window's bold.
        const QFontInfo listFont(control<QWidget>(*window_, "List1")->font());
        QVERIFY(listFont.fixedPitch() && !listFont.bold());
        for (const char* name : {"List1", "Type_Activite", "Dpart"}) {
            QCOMPARE(control<QWidget>(*window_, name)->palette().color(QPalette::Base),
                     QColor(255, 255, 192));
        }
    }

    void isLaidOutAtItsFixedPositions() {
        // Twips divided by 15.
        QCOMPARE(window_->centralWidget()->size(), QSize(890, 591));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        const std::pair<const char*, QRect> places[] = {
            {"List1", {24, 112, 841, 400}},   {"Frame2", {8, 80, 873, 449}},
            {"Label2", {8, 16, 841, 17}},     {"Type_Activite", {32, 552, 73, 24}},
            {"Dpart", {120, 552, 25, 23}},    {"Aff_Commune", {160, 544, 97, 33}},
            {"Imprimer", {760, 544, 97, 33}}, {"Tornim", {8, 16, 81, 33}}};
        for (const auto& [name, place] : places) {
            QCOMPARE(control<QWidget>(*window_, name)->geometry(), place);
        }
    }

    void tabFollowsTheKeyboardOrder() {
        // Imprimer, disabled until the first listing, is passed over.
        QStringList order;
        for (int i = 0; i < 8; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, QStringList({"Aff_Commune", "Type_Activite", "List1", "Aff_Reference",
                                     "Aff_Canton", "Dpart", "Command1", "Aff_CP"}));

        listAll("Aff_Commune");
        control<QWidget>(*window_, "Dpart")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Imprimer"));
    }

    void writesTheProgramDirectoryIntoTheSettings() {
        const QString key = QStringLiteral("Setup /Chemin Repertoire");
        const auto stored = [&key] {
            return QSettings("Reference", "Reference").value(key).toString();
        };
        const QString directory = QString::fromStdString(program_->directory().string());
        QCOMPARE(stored(), directory);

        // Each load writes it again.
        window_.reset();
        QSettings("Reference", "Reference").setValue(key, QStringLiteral("/ailleurs"));
        QCOMPARE(stored(), QStringLiteral("/ailleurs"));
        openWindow();
        QCOMPARE(stored(), directory);
    }

    void enterInDepartmentMovesToCommuneButtonWhichEnterPresses() {
        auto* department = control<QLineEdit>(*window_, "Dpart");
        department->setFocus();
        department->selectAll();
        QTest::keyClicks(department, QStringLiteral("29"));
        QTest::keyClick(department, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), control<QPushButton>(*window_, "Aff_Commune"));
        QCOMPARE(department->text(), QStringLiteral("29"));
        QVERIFY(listLines(*window_).isEmpty());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(listLines(*window_).size(), 1);
        QVERIFY(listLines(*window_).first().startsWith(QStringLiteral("BREST ")));

        // Every button of the window answers Enter.
        control<QPushButton>(*window_, "Aff_CP")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(textOf(*window_, "Label6"), QStringLiteral("par N° de Code Postal"));
    }

    void listingsWriteTheirCaptionsAndLines_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<ListingOrder>("order");
        QTest::addColumn<int>("count");
        QTest::newRow("commune") << "Aff_Commune" << ListingOrder::Commune << 4;
        QTest::newRow("reference") << "Aff_Reference" << ListingOrder::Reference << 4;
        // The placeholder of the canton listing is a canton without a number: Amboise is left out.
        QTest::newRow("canton") << "Aff_Canton" << ListingOrder::Canton << 3;
        QTest::newRow("postal code") << "Aff_CP" << ListingOrder::PostalCode << 4;
    }

    // The captions and lines themselves are pinned by the listing's own tests; here, that the
    // window shows them for the chosen diploma, department and file.
    void listingsWriteTheirCaptionsAndLines() {
        QFETCH(QString, button);
        QFETCH(ListingOrder, order);
        QFETCH(int, count);

        listAll(button.toLatin1().constData());
        QVERIFY(catcher_->seen().empty());
        const auto read = orvel::buildListing(order, program_->referenceFile(), "DFCF", "00");
        QVERIFY(read.ok());
        const orvel::Listing& listing = read.value();
        QStringList expected;
        for (std::size_t i = 0; i < listing.lines.size(); ++i) {
            expected << orvel::fromCp1252(listing.lines[i]);
        }
        const QStringList lines = listLines(*window_);
        QCOMPARE(lines, expected);
        QCOMPARE(lines.size(), count);
        QVERIFY(lines.join(QLatin1Char('\n')).contains(QStringLiteral("Château d'Angers")));
        QCOMPARE(textOf(*window_, "Label2"), fromUtf8(orvel::captionsOf(order).heading));
        QCOMPARE(textOf(*window_, "Label6"), fromUtf8(orvel::captionsOf(order).orderCaption));
        QCOMPARE(textOf(*window_, "Frame2"), QStringLiteral("%1 Rérérences DFCF sur 6").arg(count));
        QVERIFY(control<QPushButton>(*window_, "Imprimer")->isEnabled());
        QCOMPARE(QApplication::overrideCursor(), nullptr);

        // A second click gives the same list, not twice the lines.
        clickButton(button.toLatin1().constData());
        QCOMPARE(listLines(*window_), lines);
    }

    void listingThatFindsNothingSaysSoAndStillEnablesPrinting() {
        clickButton("Aff_Commune"); // DFCF in department 01: none in the file
        QCOMPARE(catcher_->texts(), QStringList{"Aucune références DFCF trouvées"});
        QVERIFY(catcher_->seen().front().isProgramBox());
        QVERIFY(!catcher_->seen().front().busyPointer);

        QVERIFY(listLines(*window_).isEmpty());
        QCOMPARE(textOf(*window_, "Frame2"), QStringLiteral("0 Rérérences DFCF sur 6"));
        QVERIFY(control<QPushButton>(*window_, "Imprimer")->isEnabled());
        QCOMPARE(QApplication::overrideCursor(), nullptr);

        // A one-character department matches nothing either.
        control<QLineEdit>(*window_, "Dpart")->setText(QStringLiteral("2"));
        clickButton("Aff_CP");
        QCOMPARE(catcher_->seen().size(), std::size_t{2});
    }

    void typedDiplomaChangesNoBannerButFiltersTheListing() {
        auto* combo = control<QComboBox>(*window_, "Type_Activite");
        const auto type = [combo](const char* code) {
            combo->setFocus();
            combo->lineEdit()->selectAll();
            QTest::keyClicks(combo, QString::fromLatin1(code));
            QTest::keyClick(combo, Qt::Key_Return);
        };
        type("dmf");
        QCOMPARE(combo->currentText(), QStringLiteral("dmf"));
        QCOMPARE(textOf(*window_, "Nom_Ref"), QStringLiteral("DFCF"));
        QCOMPARE(textOf(*window_, "Label5"),
                 QStringLiteral("Diplôme des Forts et Château de France"));
        QCOMPARE(combo->count(), 11);

        listAll("Aff_Commune");
        QCOMPARE(catcher_->texts(), QStringList{"Aucune références dmf trouvées"});

        // Typed in capitals, even with Enter, the code still changes no banner but lists that
        // diploma's records.
        type("DMF");
        clickButton("Aff_Commune");
        QCOMPARE(listLines(*window_).size(), 1);
        QVERIFY(listLines(*window_).first().startsWith(QStringLiteral("QUIMPER ")));
        QCOMPARE(textOf(*window_, "Nom_Ref"), QStringLiteral("DFCF"));
    }

    void choosingAnEntryChangesTheBannerButNotTheList() {
        listAll("Aff_Commune");
        const QStringList lines = listLines(*window_);

        auto* combo = control<QComboBox>(*window_, "Type_Activite");
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentText(), QStringLiteral("DMF"));
        QCOMPARE(textOf(*window_, "Nom_Ref"), QStringLiteral("DMF"));
        QCOMPARE(textOf(*window_, "Label5"), QStringLiteral("Diplôme des Moulins de France"));
        QCOMPARE(listLines(*window_), lines);
    }

    void detailWindowShowsTheFieldsOfTheLineUnderThePointer() {
        listAll("Aff_Commune");
        QStringList shown;
        ModalWatcher<Affichage> watcher([&](Affichage* detail) {
            for (const char* name : {"Commune_N", "CP_N", "Diplome_N", "Ref_N", "Type_N", "Nom_N",
                                     "Canton_N", "Num_Canton", "Obs_N"}) {
                shown << textOf(*detail, name);
            }
            detail->close();
        });
        doubleClickRow(*window_, 2); // AMBOISE, ANGERS, BREST, ÉPINAL
        QCOMPARE(shown, QStringList({"BREST", "29200", "DFCF", "29-001", "Fort", "Fort du Portzic",
                                     "Brest-Centre", "2905", "01/05/2008"}));

        // A canton without a number shows "----".
        shown.clear();
        doubleClickRow(*window_, 0);
        QCOMPARE(watcher.seen(), 2);
        QCOMPARE(shown, QStringList({"AMBOISE", "37400", "DFCF", "37-001", "Château",
                                     "Château d'Amboise", "Amboise", "----", ""}));
    }

    void detailWindowClosesByQuitterOrCloseBoxAndOpensFreshEachTime() {
        listAll("Aff_Commune");
        QStringList communes;
        ModalWatcher<Affichage> watcher([&](Affichage* detail) {
            communes << textOf(*detail, "Commune_N");
            if (communes.size() % 2 == 1) {
                control<QPushButton>(*detail, "Quitter")->click();
            } else {
                detail->close(); // as the close box does
            }
        });
        for (const int row : {1, 3, 1}) {
            doubleClickRow(*window_, row);
            QVERIFY(window_->findChildren<Affichage*>().isEmpty());
        }
        QCOMPARE(watcher.seen(), 3);
        QCOMPARE(communes, QStringList({"ANGERS", "ÉPINAL", "ANGERS"}));
    }

    void doubleClickOpensTheDetailOnlyOnALineInCommuneMode() {
        ModalWatcher<Affichage> detail([](Affichage* window) { window->close(); });

        doubleClickRow(*window_, 0); // before any listing, on the empty list
        for (const char* button : {"Aff_Reference", "Aff_Canton", "Aff_CP"}) {
            listAll(button);
            doubleClickRow(*window_, 0);
        }
        const QString notCommuneMode =
            QStringLiteral("Vous devez etre en mode 'Affichage par nom de Commune'");
        QCOMPARE(catcher_->texts(), QStringList(4, notCommuneMode));
        for (const auto& message : catcher_->seen()) {
            QVERIFY(message.isProgramBox());
        }
        QCOMPARE(detail.seen(), 0);

        clickButton("Aff_Commune");
        doubleClickRow(*window_, 0);
        QCOMPARE(detail.seen(), 1);
        // Below the last line, nothing opens and nothing is said.
        auto* list = control<QAbstractItemView>(*window_, "List1");
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                           QPoint(20, list->viewport()->height() - 5));
        QCOMPARE(detail.seen(), 1);
        QCOMPARE(catcher_->seen().size(), std::size_t{4});
    }

    void missingFileIsReportedAndLeavesTheWindowAsItWas() {
        listAll("Aff_Commune");
        const QStringList before = listingState(*window_);
        QVERIFY(QFile::remove(QString::fromStdString(program_->referenceFile().string())));

        clickButton("Aff_Reference");
        QCOMPARE(catcher_->texts(), QStringList{missingFileMessage()});
        QVERIFY(catcher_->seen().front().isProgramBox());
        QVERIFY(!catcher_->seen().front().busyPointer);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(listingState(*window_), before);

        // Still in commune mode: the lines can be opened.
        ModalWatcher<Affichage> detail([](Affichage* window) { window->close(); });
        doubleClickRow(*window_, 0);
        QCOMPARE(detail.seen(), 1);
    }

    void menusHoldTheirItemsWithoutShortcuts() {
        QStringList withShortcut;
        const auto items = [&](const QList<QAction*>& actions) {
            QStringList texts;
            for (const QAction* item : actions) {
                texts << item->text();
                if (!item->shortcut().isEmpty()) {
                    withShortcut << item->text();
                }
            }
            return texts;
        };
        QCOMPARE(items(window_->menuBar()->actions()),
                 QStringList({"Fichiers", "Recommandations", "Aide"}));
        QCOMPARE(items(control<QMenu>(*window_, "Mnu_Fichier")->actions()),
                 QStringList({"Révision de la base de données", "Quitter Orvel_Référence"}));
        QCOMPARE(items(control<QMenu>(*window_, "Mnu_Help")->actions()),
                 QStringList({"Historique", "Notice d'utilisation", "A Propos"}));
        QVERIFY2(withShortcut.isEmpty(), qPrintable(withShortcut.join(", ")));
    }

    // The texts themselves are pinned by the information texts' own tests.
    void informationCommandsShowTheirTexts() {
        control<QAction>(*window_, "Mnu_Historique")->trigger();
        control<QAction>(*window_, "Mnu_A_Propos")->trigger();
        control<QAction>(*window_, "Mnu_Aide")->trigger();
        QTest::mouseClick(control<QLabel>(*window_, "Pelkar"), Qt::LeftButton);
        QTest::mouseClick(control<QLabel>(*window_, "Tornim"), Qt::LeftButton);
        QCOMPARE(
            catcher_->texts(),
            QStringList({fromUtf8(orvel::versionHistory()), fromUtf8(orvel::aboutText("V2.0.0")),
                         fromUtf8(orvel::recommendations()), fromUtf8(orvel::authorCredits()),
                         fromUtf8(orvel::compilerCredits())}));
        for (const auto& message : catcher_->seen()) {
            QVERIFY(message.isProgramBox());
        }
    }

    void revisionCommandShowsTheHeaderRevisionOrTheFailure() {
        control<QAction>(*window_, "Mnu_BdD")->trigger();
        QVERIFY(QFile::remove(QString::fromStdString(program_->referenceFile().string())));
        control<QAction>(*window_, "Mnu_BdD")->trigger();
        QCOMPARE(catcher_->texts(), QStringList({QStringLiteral("Base de donnée ") +
                                                     QString::fromLatin1(kHeader.substr(6, 24)),
                                                 missingFileMessage()}));
    }

    void quitterClosesTheWindow() {
        control<QAction>(*window_, "Mnu_Quitter")->trigger();
        QVERIFY(!window_->isVisible());
    }

    void searchButtonOpensTheSearchWindowOnTheSameFile() {
        QStringList seen;
        ModalWatcher<orvel::Rechercher> watcher([&seen](orvel::Rechercher* search) {
            seen << search->windowTitle();
            // The search reads the main window's reference file.
            auto* commune = control<QLineEdit>(*search, "Commune");
            QTest::keyClicks(commune, QStringLiteral("brest"));
            QTest::keyClick(commune, Qt::Key_Return);
            seen << QString::number(
                control<QAbstractItemView>(*search, "Liste_Ref")->model()->rowCount());
            search->close();
        });
        clickButton("Command1");
        QCOMPARE(seen, QStringList({QStringLiteral("Recherche"), QStringLiteral("1")}));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void printButtonOffersThePrintDialog() {
        listAll("Aff_Commune");
        ModalWatcher<QPrintDialog> dialogs([](QPrintDialog* dialog) { dialog->reject(); });
        // No printer here: cancelling is reported, never silent.
        clickButton("Imprimer");
        QCOMPARE(dialogs.seen(), 1);
        for (const auto& message : catcher_->seen()) {
            QCOMPARE(message.title, QStringLiteral("Orvel_Reference"));
            QVERIFY(message.okOnly);
        }
    }

    void noticeOpensTheHelpBesideTheWindowWithoutBlocking() {
        control<QAction>(*window_, "Mnu_Notice")->trigger();
        // The trigger has returned: the viewer is open, not modal, and the main window still
        // active.
        QWidget* viewer = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget != window_.get()) {
                viewer = widget;
            }
        }
        QVERIFY(viewer != nullptr && !viewer->isModal());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        // This program directory has no notice: the viewer itself says so.
        auto* browser = viewer->findChild<QTextBrowser*>();
        QVERIFY(browser != nullptr);
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Orvel_Reference")));
        viewer->close();
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

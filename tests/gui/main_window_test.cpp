#include "app/main_window.h"
#include "listing/detail_window.h"
#include "message_catcher.h"
#include "modal_watcher.h"
#include "reference_file_builder.h"
#include "search/search_window.h"

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
using orvel::Main;
using orvel::testing::headerLine;
using orvel::testing::MessageCatcher;
using orvel::testing::ModalWatcher;
using orvel::testing::RecordFields;
using orvel::testing::recordLine;
using orvel::testing::TemporaryProgramDirectory;

namespace {

const QString kProgramName = QStringLiteral("Orvel_Reference");
const QString kNotCommuneMode =
    QStringLiteral("Vous devez etre en mode 'Affichage par nom de Commune'");

// A header line of 40 characters: the revision is its columns 7 to 30.
const std::string kHeader = headerLine("R\xE9vision 2026-12 pour les essais 42");

const RecordFields kBrest{"BREST",           "DFCF",       "29-001", "Fort",
                          "Fort du Portzic", "01/05/2008", "29200",  "Brest-Centre 2905"};
const RecordFields kQuimper{"QUIMPER",         "DMF", "29-002", "Moulin",
                            "Moulin du Stang", "",    "29000",  "Quimper-1 2910"};
const RecordFields kEpinal{"\xC9PINAL",       "DFCF", "88-001", "Fort",
                           "Fort de Bambois", "",     "88000",  "\xC9pinal 8808"};
// A canton without a number, and no canton at all.
const RecordFields kAmboise{"AMBOISE", "DFCF",  "37-001", "Ch\xE2teau", "Ch\xE2teau d'Amboise",
                            "",        "37400", "Amboise"};
const RecordFields kAngers{"ANGERS", "DFCF",  "49-001", "Ch\xE2teau", "Ch\xE2teau d'Angers",
                           "",       "49000", ""};

// The text padded with blanks to the width, as a fixed column of a shown line.
std::string pad(const std::string& text, std::size_t width) {
    return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

// The file's bytes are Windows-1252; the letters used here are the same in Latin-1.
QString text(const std::string& cp1252) {
    return QString::fromLatin1(cp1252);
}

// A heading: blanks with each word at its 1-based column.
QString heading(int length, std::initializer_list<std::pair<int, const char*>> words) {
    QString result(length, QLatin1Char(' '));
    for (const auto& [column, word] : words) {
        const QString w = QString::fromUtf8(word);
        result.replace(column - 1, w.size(), w);
    }
    return result;
}

template <class Widget> Widget* control(QWidget& window, const char* name) {
    auto* found = window.findChild<Widget*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("no control named %s", name);
    }
    return found;
}

QStringList listLines(QWidget& window) {
    auto* list = control<QAbstractItemView>(window, "List1");
    QStringList lines;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        lines << list->model()->index(row, 0).data().toString();
    }
    return lines;
}

// Everything the window shows about the current listing.
struct ListingState {
    QStringList lines;
    QString heading;
    QString order;
    QString count;
    bool printable;
    bool operator==(const ListingState&) const = default;
};

ListingState listingState(QWidget& window) {
    return {listLines(window), control<QLabel>(window, "Label2")->text(),
            control<QLabel>(window, "Label6")->text(),
            control<QGroupBox>(window, "Frame2")->title(),
            control<QPushButton>(window, "Imprimer")->isEnabled()};
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

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsWithDfcfSelectedAndNothingListed();
    void isLaidOutAtItsFixedPositions();
    void tabFollowsTheKeyboardOrder();
    void writesTheProgramDirectoryIntoTheSettings();
    void enterInDepartmentMovesToCommuneButtonWhichEnterPresses();
    void listingsWriteTheirCaptionsAndLines_data();
    void listingsWriteTheirCaptionsAndLines();
    void listingThatFindsNothingSaysSoAndStillEnablesPrinting();
    void typedDiplomaChangesNoBannerButFiltersTheListing();
    void choosingAnEntryChangesTheBannerButNotTheList();
    void detailWindowShowsTheFieldsOfTheLineUnderThePointer();
    void detailWindowClosesByQuitterOrCloseBoxAndOpensFreshEachTime();
    void doubleClickOutsideCommuneModeOnlyShowsAMessage();
    void doubleClickBelowTheLastLineOpensNothing();
    void missingFileIsReportedAndLeavesTheWindowAsItWas();
    void menusHoldTheirItemsWithoutShortcuts();
    void informationCommandsShowTheirTexts();
    void revisionCommandShowsTheHeaderRevisionOrTheFailure();
    void quitterClosesTheWindow();
    void searchButtonOpensTheSearchWindowOnTheSameFile();
    void printButtonOffersThePrintDialog();
    void noticeOpensTheHelpBesideTheWindowWithoutBlocking();

private:
    std::unique_ptr<Main> openWindow();
    void clickButton(const char* name) { control<QPushButton>(*window_, name)->click(); }
    void setDepartment(const char* department) {
        control<QLineEdit>(*window_, "Dpart")->setText(QString::fromLatin1(department));
    }
    QString programDirectory() const {
        return QString::fromStdString(program_->directory().string());
    }
    QString referenceFile() const {
        return QString::fromStdString(program_->referenceFile().string());
    }

    QTemporaryDir settings_;
    std::unique_ptr<TemporaryProgramDirectory> program_;
    std::unique_ptr<Main> window_;
};

void MainWindowTest::initTestCase() {
    QVERIFY(settings_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
}

void MainWindowTest::init() {
    program_ = std::make_unique<TemporaryProgramDirectory>();
    program_->writeLines({kHeader, recordLine(kBrest), recordLine(kQuimper), recordLine(kEpinal),
                          recordLine(kAmboise), recordLine(kAngers)});
    window_ = openWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void MainWindowTest::cleanup() {
    window_.reset();
    program_.reset();
}

std::unique_ptr<Main> MainWindowTest::openWindow() {
    auto window = std::make_unique<Main>(program_->directory());
    window->show();
    return window;
}

void MainWindowTest::startsWithDfcfSelectedAndNothingListed() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Orvel_Référence version V2.0.0"));
    auto* combo = control<QComboBox>(*window_, "Type_Activite");
    QStringList codes;
    for (int i = 0; i < combo->count(); ++i) {
        codes << combo->itemText(i);
    }
    QCOMPARE(codes, QStringList({"DFCF", "DMF", "DIFI", "DIFM", "IOTA", "WLOTA", "DPLF", "DFVS",
                                 "DAP", "DQP", "DIP"}));
    QCOMPARE(combo->currentText(), QStringLiteral("DFCF"));
    QCOMPARE(control<QLabel>(*window_, "Label1")->text(), QStringLiteral("Index des références "));
    QCOMPARE(control<QLabel>(*window_, "Nom_Ref")->text(), QStringLiteral("DFCF"));
    QCOMPARE(control<QLabel>(*window_, "Label6")->text(), QStringLiteral("affiché par ..."));
    QCOMPARE(control<QLabel>(*window_, "Label5")->text(),
             QStringLiteral("Diplôme des Forts et Château de France"));
    QCOMPARE(control<QLineEdit>(*window_, "Dpart")->text(), QStringLiteral("01"));
    QVERIFY(listLines(*window_).isEmpty());
    QCOMPARE(control<QLabel>(*window_, "Label2")->text(), QString());
    QCOMPARE(control<QGroupBox>(*window_, "Frame2")->title(), QString());
    QVERIFY(!control<QPushButton>(*window_, "Imprimer")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(*window_, "Aff_Commune"));

    QCOMPARE(control<QPushButton>(*window_, "Aff_Reference")->text(),
             QStringLiteral("  Affichage par N°   de Référence"));
    QCOMPARE(control<QPushButton>(*window_, "Command1")->text(),
             QStringLiteral(" Rechercher une    référence par ..."));
    QCOMPARE(control<QWidget>(*window_, "List1")->toolTip(),
             QStringLiteral("Double cliquez sur une ligne pour plus de detail"));
    QCOMPARE(control<QWidget>(*window_, "Pelkar")->toolTip(), QStringLiteral("Cliquez"));
    // The list keeps its columns in a plain fixed-pitch font, not the window's bold.
    const QFontInfo listFont(control<QWidget>(*window_, "List1")->font());
    QVERIFY(listFont.fixedPitch());
    QVERIFY(!listFont.bold());
    const QColor paleYellow(255, 255, 192);
    for (const char* name : {"List1", "Type_Activite", "Dpart"}) {
        QCOMPARE(control<QWidget>(*window_, name)->palette().color(QPalette::Base), paleYellow);
    }
}

void MainWindowTest::isLaidOutAtItsFixedPositions() {
    // Twips divided by 15.
    QCOMPARE(window_->centralWidget()->size(), QSize(890, 591));
    QCOMPARE(control<QWidget>(*window_, "List1")->geometry(), QRect(24, 112, 841, 400));
    QCOMPARE(control<QWidget>(*window_, "Frame2")->geometry(), QRect(8, 80, 873, 449));
    QCOMPARE(control<QWidget>(*window_, "Label2")->geometry(), QRect(8, 16, 841, 17));
    QCOMPARE(control<QWidget>(*window_, "Type_Activite")->geometry(), QRect(32, 552, 73, 24));
    QCOMPARE(control<QWidget>(*window_, "Dpart")->geometry(), QRect(120, 552, 25, 23));
    QCOMPARE(control<QWidget>(*window_, "Aff_Commune")->geometry(), QRect(160, 544, 97, 33));
    QCOMPARE(control<QWidget>(*window_, "Imprimer")->geometry(), QRect(760, 544, 97, 33));
    QCOMPARE(control<QWidget>(*window_, "Tornim")->geometry(), QRect(8, 16, 81, 33));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
}

void MainWindowTest::tabFollowsTheKeyboardOrder() {
    // Imprimer, disabled until the first listing, is passed over.
    QStringList order;
    for (int i = 0; i < 8; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, QStringList({"Aff_Commune", "Type_Activite", "List1", "Aff_Reference",
                                 "Aff_Canton", "Dpart", "Command1", "Aff_CP"}));

    setDepartment("00");
    clickButton("Aff_Commune");
    control<QWidget>(*window_, "Dpart")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Imprimer"));
}

void MainWindowTest::writesTheProgramDirectoryIntoTheSettings() {
    const auto storedDirectory = [] {
        QSettings settings(QStringLiteral("Reference"), QStringLiteral("Reference"));
        settings.beginGroup(QStringLiteral("Setup "));
        return settings.value(QStringLiteral("Chemin Repertoire")).toString();
    };
    QCOMPARE(storedDirectory(), programDirectory());

    // Each load writes it again.
    window_.reset();
    {
        QSettings settings(QStringLiteral("Reference"), QStringLiteral("Reference"));
        settings.setValue(QStringLiteral("Setup /Chemin Repertoire"), QStringLiteral("/ailleurs"));
    }
    QCOMPARE(storedDirectory(), QStringLiteral("/ailleurs"));
    window_ = openWindow();
    QCOMPARE(storedDirectory(), programDirectory());
}

void MainWindowTest::enterInDepartmentMovesToCommuneButtonWhichEnterPresses() {
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
    QCOMPARE(control<QGroupBox>(*window_, "Frame2")->title(),
             QStringLiteral("1 Rérérences DFCF sur 6"));

    // Every button of the window answers Enter.
    control<QPushButton>(*window_, "Aff_CP")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QCOMPARE(control<QLabel>(*window_, "Label6")->text(), QStringLiteral("par N° de Code Postal"));
}

void MainWindowTest::listingsWriteTheirCaptionsAndLines_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("firstLine");

    QTest::newRow("commune") << "Aff_Commune"
                             << heading(200, {{21, "Nom Commune"},
                                              {62, "CP"},
                                              {75, "Reference"},
                                              {102, "Nom Activité"},
                                              {173, "Canton"},
                                              {191, "Nom Canton"}})
                             << "par nom de Communes"
                             << "4 Rérérences DFCF sur 6"
                             << text(pad("AMBOISE", 28) + " 37400  DFCF  37-001 Ch\xE2teau " +
                                     pad("Ch\xE2teau d'Amboise", 28) + " ---- " +
                                     pad("Amboise", 27) + " " + pad("", 16) + " ");
    QTest::newRow("reference") << "Aff_Reference"
                               << heading(208, {{9, "Reference"},
                                                {35, "Nom Reference"},
                                                {102, "1er activation"},
                                                {138, "CP"},
                                                {157, "Nom Commune"},
                                                {200, "N° Canton"}})
                               << "par N° de Références"
                               << "4 Rérérences DFCF sur 6"
                               << text("DFCF  29-001 Fort    " + pad("Fort du Portzic", 28) + " " +
                                       pad("01/05/2008", 16) + " 29200  " + pad("BREST", 28) +
                                       " 2905 ");
    // The placeholder of the canton listing is a canton without a number: Amboise is left out.
    QTest::newRow("canton") << "Aff_Canton"
                            << heading(191, {{4, "Canton"},
                                             {18, "Nom Canton"},
                                             {72, "Reference"},
                                             {98, "Nom Reference"},
                                             {165, "CP"},
                                             {181, "Nom Commune"}})
                            << "par N° de Cantons"
                            << "3 Rérérences DFCF sur 6"
                            << text(pad("", 32) + "DFCF  49-001 Ch\xE2teau " +
                                    pad("Ch\xE2teau d'Angers", 28) + " 49000  " +
                                    pad("ANGERS", 28) + " ");
    QTest::newRow("postal code") << "Aff_CP"
                                 << heading(199, {{9, "CP"},
                                                  {23, "Nom Commune"},
                                                  {72, "Reference"},
                                                  {98, "Nom Reference"},
                                                  {169, "Canton"},
                                                  {190, "Nom Canton"}})
                                 << "par N° de Code Postal"
                                 << "4 Rérérences DFCF sur 6"
                                 << text("29200  " + pad("BREST", 28) + " DFCF  29-001 Fort    " +
                                         pad("Fort du Portzic", 28) + " 2905 " +
                                         pad("Brest-Centre", 27));
}

void MainWindowTest::listingsWriteTheirCaptionsAndLines() {
    QFETCH(QString, button);
    QFETCH(QString, heading);
    QFETCH(QString, order);
    QFETCH(QString, count);
    QFETCH(QString, firstLine);

    setDepartment("00");
    MessageCatcher catcher;
    clickButton(button.toLatin1().constData());
    QVERIFY(catcher.seen().empty());
    QCOMPARE(control<QLabel>(*window_, "Label2")->text(), heading);
    QCOMPARE(control<QLabel>(*window_, "Label6")->text(), order);
    QCOMPARE(control<QGroupBox>(*window_, "Frame2")->title(), count);
    const QStringList lines = listLines(*window_);
    QCOMPARE(QString::number(lines.size()), count.section(QLatin1Char(' '), 0, 0));
    QCOMPARE(lines.first(), firstLine);
    QVERIFY(control<QPushButton>(*window_, "Imprimer")->isEnabled());
    QCOMPARE(QApplication::overrideCursor(), nullptr);

    // A second click gives the same list, not twice the lines.
    clickButton(button.toLatin1().constData());
    QCOMPARE(listLines(*window_), lines);
}

void MainWindowTest::listingThatFindsNothingSaysSoAndStillEnablesPrinting() {
    bool busyDuringMessage = true;
    ModalWatcher<QMessageBox> pointer(
        [&](QMessageBox*) { busyDuringMessage = QApplication::overrideCursor() != nullptr; });
    MessageCatcher catcher;
    clickButton("Aff_Commune"); // DFCF in department 01: none in the file
    QCOMPARE(catcher.seen().size(), std::size_t{1});
    const auto& message = catcher.seen().front();
    QCOMPARE(message.title, kProgramName);
    QCOMPARE(message.text, QStringLiteral("Aucune références DFCF trouvées"));
    QCOMPARE(message.icon, QMessageBox::NoIcon);
    QVERIFY(message.okOnly);
    QCOMPARE(message.buttonCount, 1);
    QVERIFY(!busyDuringMessage);

    QVERIFY(listLines(*window_).isEmpty());
    QCOMPARE(control<QGroupBox>(*window_, "Frame2")->title(),
             QStringLiteral("0 Rérérences DFCF sur 6"));
    QVERIFY(control<QPushButton>(*window_, "Imprimer")->isEnabled());
    QCOMPARE(QApplication::overrideCursor(), nullptr);

    // A one-character department matches nothing either.
    setDepartment("2");
    clickButton("Aff_CP");
    QCOMPARE(catcher.seen().size(), std::size_t{2});
}

void MainWindowTest::typedDiplomaChangesNoBannerButFiltersTheListing() {
    auto* combo = control<QComboBox>(*window_, "Type_Activite");
    combo->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo, QStringLiteral("dmf"));
    QTest::keyClick(combo, Qt::Key_Return);
    QCOMPARE(combo->currentText(), QStringLiteral("dmf"));
    QCOMPARE(control<QLabel>(*window_, "Nom_Ref")->text(), QStringLiteral("DFCF"));
    QCOMPARE(control<QLabel>(*window_, "Label5")->text(),
             QStringLiteral("Diplôme des Forts et Château de France"));
    QCOMPARE(combo->count(), 11);

    setDepartment("00");
    MessageCatcher catcher;
    clickButton("Aff_Commune");
    QCOMPARE(catcher.seen().size(), std::size_t{1});
    QCOMPARE(catcher.seen().front().text, QStringLiteral("Aucune références dmf trouvées"));

    // Typed in capitals, even with Enter, the code still changes no banner but lists that
    // diploma's records.
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo, QStringLiteral("DMF"));
    QTest::keyClick(combo, Qt::Key_Return);
    clickButton("Aff_Commune");
    QCOMPARE(listLines(*window_).size(), 1);
    QVERIFY(listLines(*window_).first().startsWith(QStringLiteral("QUIMPER ")));
    QCOMPARE(control<QLabel>(*window_, "Nom_Ref")->text(), QStringLiteral("DFCF"));
}

void MainWindowTest::choosingAnEntryChangesTheBannerButNotTheList() {
    setDepartment("00");
    clickButton("Aff_Commune");
    const QStringList lines = listLines(*window_);

    auto* combo = control<QComboBox>(*window_, "Type_Activite");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentText(), QStringLiteral("DMF"));
    QCOMPARE(control<QLabel>(*window_, "Nom_Ref")->text(), QStringLiteral("DMF"));
    QCOMPARE(control<QLabel>(*window_, "Label5")->text(),
             QStringLiteral("Diplôme des Moulins de France"));
    QCOMPARE(listLines(*window_), lines);
}

void MainWindowTest::detailWindowShowsTheFieldsOfTheLineUnderThePointer() {
    setDepartment("00");
    clickButton("Aff_Commune");
    QStringList shown;
    ModalWatcher<Affichage> watcher([&](Affichage* detail) {
        for (const char* name : {"Commune_N", "CP_N", "Diplome_N", "Ref_N", "Type_N", "Nom_N",
                                 "Canton_N", "Num_Canton", "Obs_N"}) {
            shown << control<QLineEdit>(*detail, name)->text();
        }
        detail->close();
    });
    doubleClickRow(*window_, 2); // AMBOISE, ANGERS, BREST, ÉPINAL
    QCOMPARE(watcher.seen(), 1);
    QCOMPARE(shown, QStringList({"BREST", "29200", "DFCF", "29-001", "Fort", "Fort du Portzic",
                                 "Brest-Centre", "2905", "01/05/2008"}));

    // A canton without a number shows "----".
    shown.clear();
    doubleClickRow(*window_, 0);
    QCOMPARE(watcher.seen(), 2);
    QCOMPARE(shown, QStringList({"AMBOISE", "37400", "DFCF", "37-001", "Château",
                                 "Château d'Amboise", "Amboise", "----", ""}));
}

void MainWindowTest::detailWindowClosesByQuitterOrCloseBoxAndOpensFreshEachTime() {
    setDepartment("00");
    clickButton("Aff_Commune");
    QStringList communes;
    bool quitterNext = true;
    ModalWatcher<Affichage> watcher([&](Affichage* detail) {
        communes << control<QLineEdit>(*detail, "Commune_N")->text();
        if (quitterNext) {
            control<QPushButton>(*detail, "Quitter")->click();
        } else {
            detail->close(); // as the close box does
        }
        quitterNext = !quitterNext;
    });
    doubleClickRow(*window_, 1);
    QVERIFY(window_->findChildren<Affichage*>().isEmpty());
    doubleClickRow(*window_, 3);
    QVERIFY(window_->findChildren<Affichage*>().isEmpty());
    doubleClickRow(*window_, 1);
    QCOMPARE(watcher.seen(), 3);
    QCOMPARE(communes, QStringList({"ANGERS", "ÉPINAL", "ANGERS"}));
}

void MainWindowTest::doubleClickOutsideCommuneModeOnlyShowsAMessage() {
    MessageCatcher catcher;
    ModalWatcher<Affichage> detail([](Affichage* window) { window->close(); });

    doubleClickRow(*window_, 0); // before any listing, on the empty list
    setDepartment("00");
    for (const char* button : {"Aff_Reference", "Aff_Canton", "Aff_CP"}) {
        clickButton(button);
        doubleClickRow(*window_, 0);
    }
    QCOMPARE(catcher.seen().size(), std::size_t{4});
    for (const auto& message : catcher.seen()) {
        QCOMPARE(message.text, kNotCommuneMode);
        QCOMPARE(message.title, kProgramName);
        QVERIFY(message.okOnly);
    }
    QCOMPARE(detail.seen(), 0);

    clickButton("Aff_Commune");
    doubleClickRow(*window_, 0);
    QCOMPARE(detail.seen(), 1);
    QCOMPARE(catcher.seen().size(), std::size_t{4});
}

void MainWindowTest::doubleClickBelowTheLastLineOpensNothing() {
    setDepartment("29");
    clickButton("Aff_Commune");
    QCOMPARE(listLines(*window_).size(), 1);
    MessageCatcher catcher;
    ModalWatcher<Affichage> detail([](Affichage* window) { window->close(); });
    auto* list = control<QAbstractItemView>(*window_, "List1");
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                       QPoint(20, list->viewport()->height() - 5));
    QCOMPARE(detail.seen(), 0);
    QVERIFY(catcher.seen().empty());
}

void MainWindowTest::missingFileIsReportedAndLeavesTheWindowAsItWas() {
    setDepartment("00");
    clickButton("Aff_Commune");
    const ListingState before = listingState(*window_);
    QVERIFY(QFile::remove(referenceFile()));

    bool busyDuringMessage = true;
    ModalWatcher<QMessageBox> pointer(
        [&](QMessageBox*) { busyDuringMessage = QApplication::overrideCursor() != nullptr; });
    MessageCatcher catcher;
    clickButton("Aff_Reference");
    QCOMPARE(catcher.seen().size(), std::size_t{1});
    const QString message = catcher.seen().front().text;
    QVERIFY2(message.contains(QStringLiteral("Liste_References.prn")) &&
                 message.contains(QStringLiteral("introuvable")),
             qPrintable(message));
    QCOMPARE(catcher.seen().front().title, kProgramName);
    QVERIFY(!busyDuringMessage);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QVERIFY(listingState(*window_) == before);

    // Still in commune mode: the lines can be opened.
    ModalWatcher<Affichage> detail([](Affichage* window) { window->close(); });
    doubleClickRow(*window_, 0);
    QCOMPARE(detail.seen(), 1);
}

void MainWindowTest::menusHoldTheirItemsWithoutShortcuts() {
    QStringList bar;
    for (const QAction* item : window_->menuBar()->actions()) {
        bar << item->text();
    }
    QCOMPARE(bar, QStringList({"Fichiers", "Recommandations", "Aide"}));
    QStringList withShortcut;
    const auto items = [&](const char* menu) {
        QStringList texts;
        for (const QAction* item : control<QMenu>(*window_, menu)->actions()) {
            texts << item->text();
            if (!item->shortcut().isEmpty()) {
                withShortcut << item->text();
            }
        }
        return texts;
    };
    QCOMPARE(items("Mnu_Fichier"),
             QStringList({"Révision de la base de données", "Quitter Orvel_Référence"}));
    QCOMPARE(items("Mnu_Help"), QStringList({"Historique", "Notice d'utilisation", "A Propos"}));
    QVERIFY2(withShortcut.isEmpty(), qPrintable(withShortcut.join(", ")));
}

void MainWindowTest::informationCommandsShowTheirTexts() {
    MessageCatcher catcher;
    control<QAction>(*window_, "Mnu_Historique")->trigger();
    control<QAction>(*window_, "Mnu_A_Propos")->trigger();
    control<QAction>(*window_, "Mnu_Aide")->trigger();
    QTest::mouseClick(control<QLabel>(*window_, "Pelkar"), Qt::LeftButton);
    QTest::mouseClick(control<QLabel>(*window_, "Tornim"), Qt::LeftButton);
    QCOMPARE(catcher.seen().size(), std::size_t{5});
    for (const auto& message : catcher.seen()) {
        QCOMPARE(message.title, kProgramName);
        QCOMPARE(message.icon, QMessageBox::NoIcon);
        QVERIFY(message.okOnly);
    }
    const QString history = catcher.seen()[0].text;
    QVERIFY(history.startsWith(QStringLiteral("V1.0.1   le 22/10/2007 création\r\n")));
    QVERIFY(history.endsWith(QStringLiteral("V2.0.0   le 18/11/2007 Version définitive\r\n")));
    QCOMPARE(history.count(QStringLiteral("\r\n")), 11);
    QVERIFY(catcher.seen()[1].text.startsWith(
        QStringLiteral("    Orvel_Reference révision V2.0.0\r\n")));
    QVERIFY(catcher.seen()[2].text.endsWith(QStringLiteral("Dpt = 00 ")));
    QVERIFY(catcher.seen()[3].text.startsWith(QStringLiteral("  Programmation Pelkar\r\n\r\n")));
    QVERIFY(catcher.seen()[4].text.startsWith(
        QStringLiteral(" Compilation des références Tornim\r\n\r\n")));
}

void MainWindowTest::revisionCommandShowsTheHeaderRevisionOrTheFailure() {
    MessageCatcher catcher;
    control<QAction>(*window_, "Mnu_BdD")->trigger();
    QVERIFY(QFile::remove(referenceFile()));
    control<QAction>(*window_, "Mnu_BdD")->trigger();
    QCOMPARE(catcher.seen().size(), std::size_t{2});
    QCOMPARE(catcher.seen()[0].text,
             QStringLiteral("Base de donnée ") + text(kHeader.substr(6, 24)));
    QVERIFY(catcher.seen()[1].text.contains(QStringLiteral("introuvable")));
}

void MainWindowTest::quitterClosesTheWindow() {
    control<QAction>(*window_, "Mnu_Quitter")->trigger();
    QVERIFY(!window_->isVisible());
}

void MainWindowTest::searchButtonOpensTheSearchWindowOnTheSameFile() {
    QStringList seen;
    ModalWatcher<orvel::Rechercher> watcher([&seen](orvel::Rechercher* search) {
        seen << search->windowTitle();
        // The search reads the main window's reference file.
        auto* commune = search->findChild<QLineEdit*>(QStringLiteral("Commune"));
        QTest::keyClicks(commune, QStringLiteral("brest"));
        QTest::keyClick(commune, Qt::Key_Return);
        seen << QString::number(search->findChild<QAbstractItemView*>(QStringLiteral("Liste_Ref"))
                                    ->model()
                                    ->rowCount());
        search->close();
    });
    clickButton("Command1");
    QCOMPARE(seen, QStringList({QStringLiteral("Recherche"), QStringLiteral("1")}));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void MainWindowTest::printButtonOffersThePrintDialog() {
    setDepartment("00");
    clickButton("Aff_Commune");
    ModalWatcher<QPrintDialog> dialogs([](QPrintDialog* dialog) { dialog->reject(); });
    MessageCatcher catcher; // no printer here: cancelling is reported, never silent
    clickButton("Imprimer");
    QCOMPARE(dialogs.seen(), 1);
    for (const auto& message : catcher.seen()) {
        QCOMPARE(message.title, kProgramName);
        QVERIFY(message.okOnly);
    }
}

void MainWindowTest::noticeOpensTheHelpBesideTheWindowWithoutBlocking() {
    control<QAction>(*window_, "Mnu_Notice")->trigger();
    // The trigger has returned: the viewer is open, not modal, and the main window still active.
    QWidget* viewer = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget != window_.get()) {
            viewer = widget;
        }
    }
    QVERIFY(viewer != nullptr);
    QVERIFY(!viewer->isModal());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    // This program directory has no notice: the viewer itself says so.
    QVERIFY(viewer->findChild<QTextBrowser*>() != nullptr);
    QVERIFY(viewer->findChild<QTextBrowser*>()->toPlainText().contains(
        QStringLiteral("Orvel_Reference")));
    viewer->close();
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

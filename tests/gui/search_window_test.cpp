#include "app/qt_text.h"
#include "data/read_failure.h"
#include "reference_file_builder.h"
#include "search/search_window.h"
#include "tests/gui/message_catcher.h"

#include <QAbstractItemModel>
#include <QButtonGroup>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

using orvel::Rechercher;
using orvel::testing::headerLine;
using orvel::testing::MessageCatcher;
using orvel::testing::recordLine;
using orvel::testing::TemporaryProgramDirectory;

namespace {

struct Reference {
    QString commune;
    QString diploma;
    QString number;
    QString type;
    QString name;
    QString postalCode;
    QString canton;
};

// Windows-1252 for the characters of these records: Latin-1 plus the ligatures Œ and œ. The test
// encodes them itself so as not to rely on the program's own conversion.
std::string windows1252(const QString& text) {
    std::string bytes;
    for (const QChar character : text) {
        if (character == QChar(0x0152)) {
            bytes += '\x8C';
        } else if (character == QChar(0x0153)) {
            bytes += '\x9C';
        } else {
            Q_ASSERT(character.unicode() < 256);
            bytes += static_cast<char>(character.unicode());
        }
    }
    return bytes;
}

// The inverse, for the characters the windows show of these records.
QString fromWindows1252(const std::string& bytes) {
    QString text = QString::fromLatin1(bytes);
    text.replace(QChar(0x8C), QChar(0x0152));
    text.replace(QChar(0x9C), QChar(0x0153));
    return text;
}

// A record of the reference file; the observation is empty.
std::string recordOf(const Reference& reference) {
    return recordLine({windows1252(reference.commune), windows1252(reference.diploma),
                       windows1252(reference.number), windows1252(reference.type),
                       windows1252(reference.name), "", windows1252(reference.postalCode),
                       windows1252(reference.canton)});
}

// What the result list shows of a record: its characters 4 to 82, then 100 to 138.
QString resultLineOf(const Reference& reference) {
    const std::string record = recordOf(reference);
    return fromWindows1252(record.substr(3, 79) + record.substr(99, 39));
}

const Reference kEpinalAccented{"ÉPINAL",          "DFCF",  "88-001",         "Fort",
                                "Fort de Bambois", "88000", "Épinal-Est 8808"};
const Reference kBrest{"BREST",           "DMF",   "29-002",           "Moulin",
                       "Moulin du Stang", "29200", "Brest-Centre 2905"};
const Reference kEpinalPlain{"EPINAL",         "DFCF",  "88-002",           "Fort",
                             "Fort d'Uxegney", "88000", "Epinal-Ouest 8809"};
const Reference kSaintOeuf{"SAINT-ŒUF",   "DMF",   "80-003",  "Moulin",
                           "Moulin Neuf", "80120", "Rue 8021"};
// Commune and activity name of 28 characters, canton name of 27.
const Reference kLongNames{"SAINT-MARTIN-DE-LA-PLACE-SUD",
                           "DIFI",
                           "49-012",
                           "Ile",
                           "Ile de la Grande Prairie-Sud",
                           "49350",
                           "Gennes-Val-de-Loire-Sud-Est 4912"};
const Reference kQuestionMark{"CROZON", "DPLF",       "29-010", "Phare", "Phare ? (nom inconnu)",
                              "29160",  "Crozon 2907"};
const Reference kBains{"BAINS-LES-BAINS",   "DFCF", "88-003", "Fort", "Fort de Bains", "88240",
                       "Le Val-d'Ajol 8817"};

// In file order.
const std::vector<Reference> kReferences{kEpinalAccented, kBrest,        kEpinalPlain, kSaintOeuf,
                                         kLongNames,      kQuestionMark, kBains};

const QString kNothingFound = QStringLiteral("Pas de référence trouvée");

// The header line, then the records in file order.
std::vector<std::string> referenceFileLines() {
    std::vector<std::string> lines{
        headerLine(windows1252(QStringLiteral("Révision 2026-12 (essai)")))};
    for (const Reference& reference : kReferences) {
        lines.push_back(recordOf(reference));
    }
    return lines;
}

QStringList textsOf(const MessageCatcher& catcher) {
    QStringList texts;
    for (const auto& message : catcher.seen()) {
        texts << message.text;
    }
    return texts;
}

} // namespace

class SearchWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void freshWindowShowsCommuneSelectedAndEverythingEmpty();
    void layoutTextsAndColours();
    void headingNamesTheResultColumns();
    void tabOrderFollowsTheWindowsOrder();
    void selectingAnOptionMovesTheFocusToItsBox();

    void enterChecksTheBoxBeforeSearching_data();
    void enterChecksTheBoxBeforeSearching();
    void messagesAreOkOnlyBoxesWithTheProgramsTitle();

    void postalCodeLettersBecomeCapitals();
    void resultsKeepFileOrderAndShowTheirColumns();
    void accentsCountAndCaseDoesNot();
    void everySearchEmptiesAllFiveBoxes();
    void enterInATabbedBoxSearchesBySelectedOption();
    void unreadableFileIsReportedAndWindowKept();
    void quitClosesAndReopeningStartsAfresh();

private:
    std::unique_ptr<Rechercher> openWindow(const QString& path);
    std::unique_ptr<Rechercher> openWindow() { return openWindow(referenceFile_); }

    TemporaryProgramDirectory program_;
    QString referenceFile_;
};

namespace {

QLineEdit* boxOf(Rechercher& window, const char* name) {
    auto* box = window.findChild<QLineEdit*>(QString::fromLatin1(name));
    Q_ASSERT(box != nullptr);
    return box;
}

QListView* listOf(Rechercher& window) {
    return window.findChild<QListView*>(QStringLiteral("Liste_Ref"));
}

QStringList rowsOf(Rechercher& window) {
    const QAbstractItemModel* model = listOf(window)->model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        rows << model->index(row, 0).data().toString();
    }
    return rows;
}

// The commune of each result line: its first 28 characters, trimmed.
QStringList communesShown(Rechercher& window) {
    QStringList communes;
    for (const QString& row : rowsOf(window)) {
        communes << row.left(28).trimmed();
    }
    return communes;
}

int selectedOption(Rechercher& window) {
    return window.findChild<QButtonGroup*>(QStringLiteral("Option1"))->checkedId();
}

QRect windowGeometry(Rechercher& window, const char* name) {
    const auto* control = window.findChild<QWidget*>(QString::fromLatin1(name));
    Q_ASSERT(control != nullptr);
    return {control->mapTo(&window, QPoint(0, 0)), control->size()};
}

// Types the text character by character; QTest::keyClicks takes Latin-1 only.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }
}

// The user clicks the box, types the text and presses Enter.
void enterIn(QLineEdit* box, const QString& text) {
    QTest::mouseClick(box, Qt::LeftButton);
    typeText(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

QStringList boxTexts(Rechercher& window) {
    QStringList texts;
    for (const char* name : {"Commune", "CP", "NomRef", "NumRef", "NomCan"}) {
        texts << boxOf(window, name)->text();
    }
    return texts;
}

const QStringList kEmptyBoxes{"", "", "", "", ""};

} // namespace

std::unique_ptr<Rechercher> SearchWindowTest::openWindow(const QString& path) {
    auto window = std::make_unique<Rechercher>(std::filesystem::path(path.toStdString()));
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) {
        qWarning("the search window did not become active");
    }
    return window;
}

void SearchWindowTest::initTestCase() {
    program_.writeLines(referenceFileLines());
    referenceFile_ = QString::fromStdString(program_.referenceFile().string());
}

void SearchWindowTest::freshWindowShowsCommuneSelectedAndEverythingEmpty() {
    const auto window = openWindow();
    QCOMPARE(selectedOption(*window), 1);
    QCOMPARE(boxTexts(*window), kEmptyBoxes);
    QVERIFY(rowsOf(*window).isEmpty());
    QCOMPARE(window->focusWidget(), boxOf(*window, "Commune"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Recherche"));
}

void SearchWindowTest::layoutTextsAndColours() {
    const auto window = openWindow();
    // The client area is 13350 x 6630 twips and cannot be resized.
    QCOMPARE(window->minimumSize(), QSize(890, 442));
    QCOMPARE(window->maximumSize(), QSize(890, 442));

    // Twips / 15, in the window's client area.
    QCOMPARE(windowGeometry(*window, "Label3"), QRect(288, 16, 321, 17));
    QCOMPARE(windowGeometry(*window, "Option1_2"), QRect(544, 64, 113, 13));
    QCOMPARE(windowGeometry(*window, "Commune"), QRect(248, 64, 209, 19));
    QCOMPARE(windowGeometry(*window, "NumRef"), QRect(688, 88, 81, 19));
    QCOMPARE(windowGeometry(*window, "Label1"), QRect(512, 112, 321, 17));
    QCOMPARE(windowGeometry(*window, "Liste_Ref"), QRect(24, 160, 841, 235));
    QCOMPARE(windowGeometry(*window, "Command1"), QRect(416, 408, 65, 17));

    const QStringList captions{"Commune", "Code Postal", "Nom de l'Activité", "N°de l'activité",
                               "Nom ou N° Canton"};
    for (int id = 1; id <= 5; ++id) {
        const auto* option = window->findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(id));
        QVERIFY(option != nullptr);
        QCOMPARE(option->text(), captions[id - 1]);
        QVERIFY(option->font().bold());
    }
    for (const char* name : {"Commune", "CP", "NomRef", "NumRef", "NomCan"}) {
        QVERIFY(boxOf(*window, name)->font().bold());
        QCOMPARE(boxOf(*window, name)->palette().color(QPalette::Base), QColor(255, 255, 192));
    }

    const auto* title = window->findChild<QLabel*>(QStringLiteral("Label3"));
    QCOMPARE(title->text(), QStringLiteral("Rechercher une référence par ..."));
    QVERIFY(title->font().bold());
    const auto* accents = window->findChild<QLabel*>(QStringLiteral("Label1"));
    QCOMPARE(accents->text(), QStringLiteral("Respectez les caractères accentués"));
    QVERIFY(accents->font().bold());
    QCOMPARE(accents->palette().color(QPalette::WindowText), QColor(Qt::red));

    QListView* list = listOf(*window);
    QCOMPARE(list->toolTip(), QStringLiteral("Cliquez sur le QSO pour le selectionner"));
    QVERIFY(QFontInfo(list->font()).fixedPitch());
    QVERIFY(list->uniformItemSizes());
    QCOMPARE(list->palette().color(QPalette::Base), QColor(255, 255, 192));

    QCOMPARE(window->findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
             QStringLiteral("Quitter"));
}

void SearchWindowTest::headingNamesTheResultColumns() {
    const auto window = openWindow();
    const QString heading = window->findChild<QLabel*>(QStringLiteral("Label12"))->text();
    QCOMPARE(heading.size(), 183);
    // Offsets from the runs 13, 11, 37, 9, 18, 12, 60, 2, 11 and 10 characters long.
    const std::vector<std::pair<int, QString>> names{{13, "Nom Commune"},
                                                     {61, "Reference"},
                                                     {88, "Nom Activité"},
                                                     {160, "CP"},
                                                     {173, "Nom Canton"}};
    QString blanked = heading;
    for (const auto& [offset, name] : names) {
        QCOMPARE(heading.mid(offset, name.size()), name);
        blanked.replace(offset, name.size(), QString(name.size(), QLatin1Char(' ')));
    }
    QCOMPARE(blanked, QString(183, QLatin1Char(' ')));
}

void SearchWindowTest::tabOrderFollowsTheWindowsOrder() {
    const auto window = openWindow();
    const QStringList expected{"Command1",  "NomCan", "NumRef",   "CP",
                               "Liste_Ref", "NomRef", "Option1_1"};
    for (const QString& next : expected) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        QCOMPARE(window->focusWidget()->objectName(), next);
    }
    // Tabbing through the boxes selects no option.
    QCOMPARE(selectedOption(*window), 1);
}

void SearchWindowTest::selectingAnOptionMovesTheFocusToItsBox() {
    const auto window = openWindow();
    QTest::mouseClick(window->findChild<QRadioButton*>(QStringLiteral("Option1_4")),
                      Qt::LeftButton);
    QCOMPARE(selectedOption(*window), 4);
    QCOMPARE(window->focusWidget(), boxOf(*window, "NumRef"));

    // A click in a box selects its option.
    QTest::mouseClick(boxOf(*window, "NomCan"), Qt::LeftButton);
    QCOMPARE(selectedOption(*window), 5);
    QCOMPARE(window->focusWidget(), boxOf(*window, "NomCan"));
    QTest::mouseClick(boxOf(*window, "CP"), Qt::LeftButton);
    QCOMPARE(selectedOption(*window), 2);
    QCOMPARE(window->focusWidget(), boxOf(*window, "CP"));

    // Selected from the keyboard, in index order and round, the focus moves to the box as well.
    auto* option = window->findChild<QRadioButton*>(QStringLiteral("Option1_2"));
    option->setFocus();
    QTest::keyClick(option, Qt::Key_Down);
    QCOMPARE(selectedOption(*window), 3);
    QCOMPARE(window->focusWidget(), boxOf(*window, "NomRef"));
    option = window->findChild<QRadioButton*>(QStringLiteral("Option1_1"));
    option->setFocus();
    QTest::keyClick(option, Qt::Key_Up);
    QCOMPARE(selectedOption(*window), 5);
    QCOMPARE(window->focusWidget(), boxOf(*window, "NomCan"));
}

void SearchWindowTest::enterChecksTheBoxBeforeSearching_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("boxAfter");
    QTest::addColumn<QStringList>("communes");

    // Before each row a search by commune has listed BREST; a refused entry leaves it there.
    const QStringList untouched{"BREST"};
    const QStringList found{kLongNames.commune};
    const QString commune28 = kLongNames.commune;
    const QString activity28 = kLongNames.name;
    const QString canton27 = QStringLiteral("Gennes-Val-de-Loire-Sud-Est");
    const QString communeLength = QStringLiteral("Attention 28 caracteres maxi pour la commune");
    const QString postalLength = QStringLiteral("Attention 5 caracteres pour le code postal");
    const QString activityLength =
        QStringLiteral("Attention 28 caracteres maxi pour le nom de l 'activité");
    const QString numberLength = QStringLiteral("Attention 6 caracteres maxi pour la référence");
    const QString cantonLength =
        QStringLiteral("Attention 27 caracteres maxi pour le nom du Canton");

    QTest::newRow("empty commune") << "Commune"
                                   << "" << QStringList{"Entrez une commune"} << "" << untouched;
    QTest::newRow("commune of 28") << "Commune" << commune28 << QStringList{} << "" << found;
    QTest::newRow("commune of 29") << "Commune" << commune28 + "X" << QStringList{communeLength}
                                   << commune28 + "X" << untouched;
    QTest::newRow("28 accented characters") << "Commune" << QString(28, QChar(0x00C9))
                                            << QStringList{kNothingFound} << "" << QStringList{};

    QTest::newRow("empty postal code") << "CP"
                                       << "" << QStringList{postalLength} << "" << untouched;
    QTest::newRow("postal code of 4") << "CP"
                                      << "8800" << QStringList{postalLength} << "8800" << untouched;
    QTest::newRow("postal code of 6")
        << "CP"
        << "880001" << QStringList{postalLength} << "880001" << untouched;
    QTest::newRow("postal code of 5")
        << "CP"
        << "88000" << QStringList{} << "" << QStringList{"ÉPINAL", "EPINAL"};
    QTest::newRow("5 letters") << "CP"
                               << "ABCDE" << QStringList{kNothingFound} << "" << QStringList{};

    QTest::newRow("empty activity")
        << "NomRef"
        << "" << QStringList{"Entrez une nom d'activité"} << "" << untouched;
    QTest::newRow("activity of 28") << "NomRef" << activity28 << QStringList{} << "" << found;
    QTest::newRow("activity of 29") << "NomRef" << activity28 + "!" << QStringList{activityLength}
                                    << activity28 + "!" << untouched;

    QTest::newRow("empty reference")
        << "NumRef"
        << "" << QStringList{"Entrez une référence"} << "" << untouched;
    QTest::newRow("reference of 6") << "NumRef"
                                    << "49-012" << QStringList{} << "" << found;
    QTest::newRow("reference of 7")
        << "NumRef"
        << "49-0120" << QStringList{numberLength} << "49-0120" << untouched;

    QTest::newRow("empty canton") << "NomCan"
                                  << "" << QStringList{"Entrez un nom de Canton"} << ""
                                  << untouched;
    QTest::newRow("canton of 27") << "NomCan" << canton27 << QStringList{} << "" << found;
    QTest::newRow("canton of 28, box emptied")
        << "NomCan" << canton27 + "4" << QStringList{cantonLength} << "" << untouched;
}

void SearchWindowTest::enterChecksTheBoxBeforeSearching() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QStringList, messages);
    QFETCH(QString, boxAfter);
    QFETCH(QStringList, communes);

    const auto window = openWindow();
    const MessageCatcher catcher;
    enterIn(boxOf(*window, "Commune"), QStringLiteral("brest"));
    QCOMPARE(communesShown(*window), QStringList{"BREST"});

    QLineEdit* target = boxOf(*window, box.toLatin1().constData());
    enterIn(target, text);
    QCOMPARE(textsOf(catcher), messages);
    QCOMPARE(target->text(), boxAfter);
    QCOMPARE(communesShown(*window), communes);
    QCOMPARE(window->focusWidget(), target);
}

void SearchWindowTest::messagesAreOkOnlyBoxesWithTheProgramsTitle() {
    const auto window = openWindow();
    const MessageCatcher catcher;
    enterIn(boxOf(*window, "Commune"), QString());
    enterIn(boxOf(*window, "Commune"), QStringLiteral("zzz"));
    QCOMPARE(textsOf(catcher), (QStringList{"Entrez une commune", kNothingFound}));
    for (const auto& message : catcher.seen()) {
        QCOMPARE(message.title, QStringLiteral("Orvel_Reference"));
        QCOMPARE(message.icon, QMessageBox::NoIcon);
        QVERIFY(message.okOnly);
        QCOMPARE(message.buttonCount, 1);
    }
}

void SearchWindowTest::postalCodeLettersBecomeCapitals() {
    const auto window = openWindow();
    QLineEdit* postalCode = boxOf(*window, "CP");
    QTest::mouseClick(postalCode, Qt::LeftButton);
    typeText(postalCode, QStringLiteral("ab"));
    QCOMPARE(postalCode->text(), QStringLiteral("AB"));
    QTest::keyClick(postalCode, Qt::Key_Home);
    typeText(postalCode, QStringLiteral("cé"));
    QCOMPARE(postalCode->text(), QStringLiteral("CéAB"));
    QCOMPARE(postalCode->cursorPosition(), 2);

    postalCode->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("x1é-zÿ"));
    QTest::keyClick(postalCode, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(postalCode->text(), QStringLiteral("X1é-Zÿ"));
    QCOMPARE(postalCode->cursorPosition(), 6);

    // The other boxes keep letters as typed.
    for (const char* name : {"Commune", "NomRef", "NumRef", "NomCan"}) {
        QLineEdit* box = boxOf(*window, name);
        QTest::mouseClick(box, Qt::LeftButton);
        typeText(box, QStringLiteral("ab"));
        QCOMPARE(box->text(), QStringLiteral("ab"));
    }
}

void SearchWindowTest::resultsKeepFileOrderAndShowTheirColumns() {
    const auto window = openWindow();
    const MessageCatcher catcher;
    // Not alphabetical: BAINS-LES-BAINS comes last in the file.
    enterIn(boxOf(*window, "NumRef"), QStringLiteral("88-00"));
    QCOMPARE(rowsOf(*window), (QStringList{resultLineOf(kEpinalAccented),
                                           resultLineOf(kEpinalPlain), resultLineOf(kBains)}));
    QCOMPARE(rowsOf(*window).first().size(), 118);
    QVERIFY(catcher.seen().empty());
}

void SearchWindowTest::accentsCountAndCaseDoesNot() {
    const auto window = openWindow();
    const MessageCatcher catcher;
    enterIn(boxOf(*window, "Commune"), QStringLiteral("epinal"));
    QCOMPARE(communesShown(*window), QStringList{"EPINAL"});
    enterIn(boxOf(*window, "Commune"), QStringLiteral("épinal"));
    QCOMPARE(communesShown(*window), QStringList{"ÉPINAL"});
    enterIn(boxOf(*window, "Commune"), QStringLiteral("œuf"));
    QCOMPARE(communesShown(*window), QStringList{"SAINT-ŒUF"});
    QVERIFY(catcher.seen().empty());

    // A character that the reference file cannot hold finds nothing, not the records with '?'.
    enterIn(boxOf(*window, "NomRef"), QStringLiteral("Ω"));
    QCOMPARE(textsOf(catcher), QStringList{kNothingFound});
    QVERIFY(rowsOf(*window).isEmpty());
}

void SearchWindowTest::everySearchEmptiesAllFiveBoxes() {
    const auto window = openWindow();
    const MessageCatcher catcher;
    for (const char* name : {"CP", "NomRef", "NumRef", "NomCan"}) {
        QTest::mouseClick(boxOf(*window, name), Qt::LeftButton);
        typeText(boxOf(*window, name), QStringLiteral("7"));
    }
    enterIn(boxOf(*window, "Commune"), QStringLiteral("brest"));
    QCOMPARE(boxTexts(*window), kEmptyBoxes);
    QCOMPARE(communesShown(*window), QStringList{"BREST"});
    QCOMPARE(selectedOption(*window), 1);
    QCOMPARE(window->focusWidget(), boxOf(*window, "Commune"));

    typeText(boxOf(*window, "CP"), QStringLiteral("7"));
    enterIn(boxOf(*window, "NomRef"), QStringLiteral("introuvable"));
    QCOMPARE(textsOf(catcher), QStringList{kNothingFound});
    QCOMPARE(boxTexts(*window), kEmptyBoxes);
    QVERIFY(rowsOf(*window).isEmpty());
    QCOMPARE(selectedOption(*window), 3);
    QCOMPARE(window->focusWidget(), boxOf(*window, "NomRef"));
}

void SearchWindowTest::enterInATabbedBoxSearchesBySelectedOption() {
    const auto window = openWindow();
    const MessageCatcher catcher;
    QLineEdit* commune = boxOf(*window, "Commune");
    QLineEdit* canton = boxOf(*window, "NomCan");
    typeText(commune, QStringLiteral("épinal"));
    QTest::keyClick(commune, Qt::Key_Tab);
    QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
    QCOMPARE(window->focusWidget(), canton);
    // By canton, "Rue" would find SAINT-ŒUF; the search runs by commune instead.
    typeText(canton, QStringLiteral("Rue"));
    QTest::keyClick(canton, Qt::Key_Return);
    QCOMPARE(communesShown(*window), QStringList{"ÉPINAL"});
    QCOMPARE(selectedOption(*window), 1);
    QCOMPARE(boxTexts(*window), kEmptyBoxes);

    // With Commune empty, every line whose commune is not blank: the header line and all records.
    typeText(canton, QStringLiteral("Rue"));
    QTest::keyClick(canton, Qt::Key_Return);
    QCOMPARE(rowsOf(*window).size(), 1 + static_cast<int>(kReferences.size()));
    QVERIFY(catcher.seen().empty());
}

void SearchWindowTest::unreadableFileIsReportedAndWindowKept() {
    const QDir programDirectory(QString::fromStdString(program_.directory().string()));
    const QString path = programDirectory.filePath(QStringLiteral("copie/Liste_References.prn"));
    QVERIFY(programDirectory.mkpath(QStringLiteral("copie")));
    QVERIFY(QFile::copy(referenceFile_, path));
    const QString missing = orvel::fromUtf8(orvel::failureMessage(
        {orvel::ReadFailure::Kind::Missing, std::filesystem::path(path.toStdString())}));

    const auto window = openWindow(path);
    const MessageCatcher catcher;
    enterIn(boxOf(*window, "Commune"), QStringLiteral("brest"));
    QCOMPARE(communesShown(*window), QStringList{"BREST"});

    QVERIFY(QFile::remove(path));
    enterIn(boxOf(*window, "Commune"), QStringLiteral("épinal"));
    QCOMPARE(textsOf(catcher), QStringList{missing});
    QVERIFY(!missing.isEmpty());
    // Nothing was searched: the previous result and the typed text stay for another try.
    QCOMPARE(communesShown(*window), QStringList{"BREST"});
    QCOMPARE(boxOf(*window, "Commune")->text(), QStringLiteral("épinal"));
}

void SearchWindowTest::quitClosesAndReopeningStartsAfresh() {
    {
        const auto window = openWindow();
        const MessageCatcher catcher;
        typeText(boxOf(*window, "CP"), QStringLiteral("8"));
        enterIn(boxOf(*window, "NumRef"), QStringLiteral("88"));
        QCOMPARE(rowsOf(*window).size(), 3);
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QCOMPARE(window->result(), int(QDialog::Rejected));
    }
    const auto window = openWindow();
    QCOMPARE(selectedOption(*window), 1);
    QCOMPARE(boxTexts(*window), kEmptyBoxes);
    QVERIFY(rowsOf(*window).isEmpty());
    QCOMPARE(window->focusWidget(), boxOf(*window, "Commune"));
}

QTEST_MAIN(SearchWindowTest)
#include "search_window_test.moc"

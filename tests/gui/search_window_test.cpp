#include "data/read_failure.h"
#include "reference_file_builder.h"
#include "screen_checks.h"
#include "search/search_window.h"
#include "tests/gui/message_catcher.h"
#include "widgets/qt_text.h"

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
using orvel::testing::MessageCatcher;
using orvel::testing::RecordFields;
using orvel::testing::recordLine;
using orvel::testing::TemporaryProgramDirectory;

namespace {

// The records as the file holds them, Windows-1252; the observation is empty.
const RecordFields kEpinalAccented{"\xC9PINAL",       "DFCF", "88-001", "Fort",
                                   "Fort de Bambois", "",     "88000",  "\xC9pinal-Est 8808"};
const RecordFields kBrest{"BREST",           "DMF", "29-002", "Moulin",
                          "Moulin du Stang", "",    "29200",  "Brest-Centre 2905"};
const RecordFields kEpinalPlain{"EPINAL",         "DFCF", "88-002", "Fort",
                                "Fort d'Uxegney", "",     "88000",  "Epinal-Ouest 8809"};
const RecordFields kSaintOeuf{"SAINT-\x8CUF", "DMF", "80-003", "Moulin",
                              "Moulin Neuf",  "",    "80120",  "Rue 8021"};
// Commune and activity name of 28 characters, canton name of 27.
const RecordFields kLongNames{
    "SAINT-MARTIN-DE-LA-PLACE-SUD", "DIFI", "49-012", "Ile",
    "Ile de la Grande Prairie-Sud", "",     "49350",  "Gennes-Val-de-Loire-Sud-Est 4912"};
const RecordFields kQuestionMark{"CROZON", "DPLF",  "29-010",     "Phare", "Phare ? (nom inconnu)",
                                 "",       "29160", "Crozon 2907"};
const RecordFields kBains{"BAINS-LES-BAINS", "DFCF", "88-003", "Fort",
                          "Fort de Bains",   "",     "88240",  "Le Val-d'Ajol 8817"};

// In file order.
const std::vector<RecordFields> kReferences{
    kEpinalAccented, kBrest, kEpinalPlain, kSaintOeuf, kLongNames, kQuestionMark, kBains};

const QString kNothingFound = QStringLiteral("Pas de référence trouvée");
const QStringList kEmptyBoxes{"", "", "", "", ""};

// What the result list shows of a record: its characters 4 to 82, then 100 to 138. The test
// decodes the few characters of these records itself, not through the program's conversion.
QString resultLineOf(const RecordFields& reference) {
    const std::string record = recordLine(reference);
    QString text = QString::fromLatin1(record.substr(3, 79) + record.substr(99, 39));
    return text.replace(QChar(0x8C), QChar(0x0152));
}

template <class Widget = QLineEdit> Widget* control(Rechercher& window, const char* name) {
    return orvel::testing::control<Widget>(window, name);
}

QStringList rowsOf(Rechercher& window) {
    return orvel::testing::linesShown(*control<QListView>(window, "Liste_Ref"));
}

// The commune of each result line: its first 28 characters, trimmed.
QStringList communesShown(Rechercher& window) {
    QStringList communes;
    for (const QString& row : rowsOf(window)) {
        communes << row.left(28).trimmed();
    }
    return communes;
}

// The selected option's number and the control that has the focus, as "4 NumRef".
QString selection(Rechercher& window) {
    return QStringLiteral("%1 %2")
        .arg(control<QButtonGroup>(window, "Option1")->checkedId())
        .arg(window.focusWidget() != nullptr ? window.focusWidget()->objectName() : "none");
}

QRect windowGeometry(Rechercher& window, const char* name) {
    const auto* widget = control<QWidget>(window, name);
    return {widget->mapTo(&window, QPoint(0, 0)), widget->size()};
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
        texts << control(window, name)->text();
    }
    return texts;
}

// A fresh window, as the main window opens it: Commune selected, every box and the list empty.
void expectFresh(Rechercher& window) {
    QCOMPARE(selection(window), QStringLiteral("1 Commune"));
    QCOMPARE(boxTexts(window), kEmptyBoxes);
    QVERIFY(rowsOf(window).isEmpty());
}

} // namespace

class SearchWindowTest : public QObject {
    Q_OBJECT

    TemporaryProgramDirectory program_;

    // Each test has a window on the reference file and sees the messages it shows.
    std::unique_ptr<MessageCatcher> catcher_;
    std::unique_ptr<Rechercher> window_;

    void openWindow(const std::filesystem::path& file) {
        window_ = std::make_unique<Rechercher>(file);
        window_->show();
        window_->activateWindow();
        if (!QTest::qWaitForWindowActive(window_.get())) {
            qWarning("the search window did not become active");
        }
    }

private slots:
    void initTestCase() {
        std::vector<std::string> lines{orvel::testing::headerLine("R\xE9vision 2026-12 (essai)")};
        for (const RecordFields& reference : kReferences) {
            lines.push_back(recordLine(reference));
        }
        program_.writeLines(lines);
    }
    void init() {
        catcher_ = std::make_unique<MessageCatcher>();
        openWindow(program_.referenceFile());
    }
    void cleanup() {
        window_.reset();
        catcher_.reset();
    }

    void layoutTextsAndColours() {
        // The client area is 13350 x 6630 twips and cannot be resized.
        QCOMPARE(window_->minimumSize(), QSize(890, 442));
        QCOMPARE(window_->maximumSize(), QSize(890, 442));

        // Twips / 15, in the window's client area.
        const std::pair<const char*, QRect> places[] = {
            {"Label3", {288, 16, 321, 17}},  {"Option1_2", {544, 64, 113, 13}},
            {"Commune", {248, 64, 209, 19}}, {"NumRef", {688, 88, 81, 19}},
            {"Label1", {512, 112, 321, 17}}, {"Liste_Ref", {24, 160, 841, 235}},
            {"Command1", {416, 408, 65, 17}}};
        for (const auto& [name, place] : places) {
            QCOMPARE(windowGeometry(*window_, name), place);
        }

        const QStringList captions{"Commune", "Code Postal", "Nom de l'Activité", "N°de l'activité",
                                   "Nom ou N° Canton"};
        for (int id = 1; id <= 5; ++id) {
            const auto* option = control<QRadioButton>(
                *window_, QStringLiteral("Option1_%1").arg(id).toLatin1().constData());
            QCOMPARE(option->text(), captions[id - 1]);
            QVERIFY(option->font().bold());
        }
        const QColor paleYellow(255, 255, 192);
        for (const char* name : {"Commune", "CP", "NomRef", "NumRef", "NomCan"}) {
            QVERIFY(control(*window_, name)->font().bold());
            QCOMPARE(control(*window_, name)->palette().color(QPalette::Base), paleYellow);
        }

        const auto* title = control<QLabel>(*window_, "Label3");
        QCOMPARE(title->text(), QStringLiteral("Rechercher une référence par ..."));
        QVERIFY(title->font().bold());
        const auto* accents = control<QLabel>(*window_, "Label1");
        QCOMPARE(accents->text(), QStringLiteral("Respectez les caractères accentués"));
        QVERIFY(accents->font().bold());
        QCOMPARE(accents->palette().color(QPalette::WindowText), QColor(Qt::red));

        auto* list = control<QListView>(*window_, "Liste_Ref");
        QCOMPARE(list->toolTip(), QStringLiteral("Cliquez sur le QSO pour le selectionner"));
        QVERIFY(QFontInfo(list->font()).fixedPitch());
        QVERIFY(list->uniformItemSizes());
        QCOMPARE(list->palette().color(QPalette::Base), paleYellow);
        QCOMPARE(control<QPushButton>(*window_, "Command1")->text(), QStringLiteral("Quitter"));
    }

    void headingNamesTheResultColumns() {
        const QString heading = control<QLabel>(*window_, "Label12")->text();
        // Offsets from the runs 13, 11, 37, 9, 18, 12, 60, 2, 11 and 10 characters long.
        QString expected(183, QLatin1Char(' '));
        const std::pair<int, const char*> names[] = {{13, "Nom Commune"},
                                                     {61, "Reference"},
                                                     {88, "Nom Activité"},
                                                     {160, "CP"},
                                                     {173, "Nom Canton"}};
        for (const auto& [offset, name] : names) {
            expected.replace(offset, QString::fromUtf8(name).size(), QString::fromUtf8(name));
        }
        QCOMPARE(heading, expected);
    }

    void tabOrderFollowsTheWindowsOrder() {
        for (const char* next :
             {"Command1", "NomCan", "NumRef", "CP", "Liste_Ref", "NomRef", "Option1_1"}) {
            QTest::keyClick(window_->focusWidget(), Qt::Key_Tab);
            QCOMPARE(window_->focusWidget()->objectName(), QString::fromLatin1(next));
        }
        // Tabbing through the boxes selects no option.
        QCOMPARE(control<QButtonGroup>(*window_, "Option1")->checkedId(), 1);
    }

    void selectingAnOptionMovesTheFocusToItsBox() {
        QTest::mouseClick(control<QRadioButton>(*window_, "Option1_4"), Qt::LeftButton);
        QCOMPARE(selection(*window_), QStringLiteral("4 NumRef"));

        // A click in a box selects its option.
        QTest::mouseClick(control(*window_, "NomCan"), Qt::LeftButton);
        QCOMPARE(selection(*window_), QStringLiteral("5 NomCan"));
        QTest::mouseClick(control(*window_, "CP"), Qt::LeftButton);
        QCOMPARE(selection(*window_), QStringLiteral("2 CP"));

        // Selected from the keyboard, in index order and round, the focus moves to the box too.
        control<QRadioButton>(*window_, "Option1_2")->setFocus();
        QTest::keyClick(window_->focusWidget(), Qt::Key_Down);
        QCOMPARE(selection(*window_), QStringLiteral("3 NomRef"));
        control<QRadioButton>(*window_, "Option1_1")->setFocus();
        QTest::keyClick(window_->focusWidget(), Qt::Key_Up);
        QCOMPARE(selection(*window_), QStringLiteral("5 NomCan"));
    }

    void enterChecksTheBoxBeforeSearching_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("boxAfter");
        QTest::addColumn<QStringList>("communes");
        // Before each row a search by commune has listed BREST; a refused entry leaves it there.
        const QStringList untouched{"BREST"};
        const QStringList found{QString::fromLatin1(kLongNames.commune)};
        const auto row = [](const char* name, const char* box, const QString& text,
                            const QString& message, const QString& boxAfter,
                            const QStringList& communes) {
            QTest::newRow(name) << box << text
                                << (message.isEmpty() ? QStringList() : QStringList{message})
                                << boxAfter << communes;
        };
        const QString commune = QString::fromLatin1(kLongNames.commune) + "X";
        const QString communeLength = "Attention 28 caracteres maxi pour la commune";
        row("empty commune", "Commune", "", "Entrez une commune", "", untouched);
        row("commune of 28", "Commune", commune.chopped(1), "", "", found);
        row("commune of 29", "Commune", commune, communeLength, commune, untouched);
        row("28 accented characters", "Commune", QString(28, QChar(0x00C9)), kNothingFound, "", {});

        const QString postalLength = "Attention 5 caracteres pour le code postal";
        row("empty postal code", "CP", "", postalLength, "", untouched);
        row("postal code of 4", "CP", "8800", postalLength, "8800", untouched);
        row("postal code of 6", "CP", "880001", postalLength, "880001", untouched);
        row("postal code of 5", "CP", "88000", "", "", {"ÉPINAL", "EPINAL"});
        row("5 letters", "CP", "ABCDE", kNothingFound, "", {});

        const QString activity = QString::fromLatin1(kLongNames.activityName) + "!";
        const QString activityLength = "Attention 28 caracteres maxi pour le nom de l 'activité";
        row("empty activity", "NomRef", "", "Entrez une nom d'activité", "", untouched);
        row("activity of 28", "NomRef", activity.chopped(1), "", "", found);
        row("activity of 29", "NomRef", activity, activityLength, activity, untouched);

        const QString numberLength = "Attention 6 caracteres maxi pour la référence";
        row("empty reference", "NumRef", "", "Entrez une référence", "", untouched);
        row("reference of 6", "NumRef", "49-012", "", "", found);
        row("reference of 7", "NumRef", "49-0120", numberLength, "49-0120", untouched);

        const QString canton = "Gennes-Val-de-Loire-Sud-Est4";
        const QString cantonLength = "Attention 27 caracteres maxi pour le nom du Canton";
        row("empty canton", "NomCan", "", "Entrez un nom de Canton", "", untouched);
        row("canton of 27", "NomCan", canton.chopped(1), "", "", found);
        row("canton of 28, box emptied", "NomCan", canton, cantonLength, "", untouched);
    }

    void enterChecksTheBoxBeforeSearching() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QStringList, messages);
        QFETCH(QString, boxAfter);
        QFETCH(QStringList, communes);

        enterIn(control(*window_, "Commune"), QStringLiteral("brest"));
        QCOMPARE(communesShown(*window_), QStringList{"BREST"});

        QLineEdit* target = control(*window_, box.toLatin1().constData());
        enterIn(target, text);
        QCOMPARE(catcher_->texts(), messages);
        QCOMPARE(target->text(), boxAfter);
        QCOMPARE(communesShown(*window_), communes);
        QCOMPARE(window_->focusWidget(), target);
    }

    void messagesAreOkOnlyBoxesWithTheProgramsTitle() {
        enterIn(control(*window_, "Commune"), QString());
        enterIn(control(*window_, "Commune"), QStringLiteral("zzz"));
        QCOMPARE(catcher_->texts(), (QStringList{"Entrez une commune", kNothingFound}));
        for (const auto& message : catcher_->seen()) {
            QVERIFY(message.isProgramBox());
        }
    }

    void postalCodeLettersBecomeCapitals() {
        QLineEdit* postalCode = control(*window_, "CP");
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
            QTest::mouseClick(control(*window_, name), Qt::LeftButton);
            typeText(control(*window_, name), QStringLiteral("ab"));
            QCOMPARE(control(*window_, name)->text(), QStringLiteral("ab"));
        }
    }

    void resultsKeepFileOrderAndShowTheirColumns() {
        // Not alphabetical: BAINS-LES-BAINS comes last in the file.
        enterIn(control(*window_, "NumRef"), QStringLiteral("88-00"));
        QCOMPARE(rowsOf(*window_), (QStringList{resultLineOf(kEpinalAccented),
                                                resultLineOf(kEpinalPlain), resultLineOf(kBains)}));
        QCOMPARE(rowsOf(*window_).first().size(), 118);
        QVERIFY(catcher_->seen().empty());
    }

    void accentsCountAndCaseDoesNot() {
        const std::pair<const char*, const char*> searches[] = {
            {"epinal", "EPINAL"}, {"épinal", "ÉPINAL"}, {"œuf", "SAINT-ŒUF"}};
        for (const auto& [typed, commune] : searches) {
            enterIn(control(*window_, "Commune"), QString::fromUtf8(typed));
            QCOMPARE(communesShown(*window_), QStringList{QString::fromUtf8(commune)});
        }
        QVERIFY(catcher_->seen().empty());

        // A character that the reference file cannot hold finds nothing, not the records with '?'.
        enterIn(control(*window_, "NomRef"), QStringLiteral("Ω"));
        QCOMPARE(catcher_->texts(), QStringList{kNothingFound});
        QVERIFY(rowsOf(*window_).isEmpty());
    }

    void everySearchEmptiesAllFiveBoxes() {
        for (const char* name : {"CP", "NomRef", "NumRef", "NomCan"}) {
            QTest::mouseClick(control(*window_, name), Qt::LeftButton);
            typeText(control(*window_, name), QStringLiteral("7"));
        }
        enterIn(control(*window_, "Commune"), QStringLiteral("brest"));
        QCOMPARE(boxTexts(*window_), kEmptyBoxes);
        QCOMPARE(communesShown(*window_), QStringList{"BREST"});
        QCOMPARE(selection(*window_), QStringLiteral("1 Commune"));

        typeText(control(*window_, "CP"), QStringLiteral("7"));
        enterIn(control(*window_, "NomRef"), QStringLiteral("introuvable"));
        QCOMPARE(catcher_->texts(), QStringList{kNothingFound});
        QCOMPARE(boxTexts(*window_), kEmptyBoxes);
        QVERIFY(rowsOf(*window_).isEmpty());
        QCOMPARE(selection(*window_), QStringLiteral("3 NomRef"));
    }

    void enterInATabbedBoxSearchesBySelectedOption() {
        QLineEdit* commune = control(*window_, "Commune");
        QLineEdit* canton = control(*window_, "NomCan");
        typeText(commune, QStringLiteral("épinal"));
        QTest::keyClick(commune, Qt::Key_Tab);
        QTest::keyClick(window_->focusWidget(), Qt::Key_Tab);
        QCOMPARE(window_->focusWidget(), canton);
        // By canton, "Rue" would find SAINT-ŒUF; the search runs by commune instead.
        typeText(canton, QStringLiteral("Rue"));
        QTest::keyClick(canton, Qt::Key_Return);
        QCOMPARE(communesShown(*window_), QStringList{"ÉPINAL"});
        QCOMPARE(control<QButtonGroup>(*window_, "Option1")->checkedId(), 1);
        QCOMPARE(boxTexts(*window_), kEmptyBoxes);

        // With Commune empty, every line whose commune is not blank: the header and all records.
        typeText(canton, QStringLiteral("Rue"));
        QTest::keyClick(canton, Qt::Key_Return);
        QCOMPARE(rowsOf(*window_).size(), 1 + static_cast<int>(kReferences.size()));
        QVERIFY(catcher_->seen().empty());
    }

    void unreadableFileIsReportedAndWindowKept() {
        const QDir programDirectory(QString::fromStdString(program_.directory().string()));
        const QString path =
            programDirectory.filePath(QStringLiteral("copie/Liste_References.prn"));
        QVERIFY(programDirectory.mkpath(QStringLiteral("copie")));
        QVERIFY(QFile::copy(QString::fromStdString(program_.referenceFile().string()), path));
        const std::filesystem::path file = path.toStdString();

        openWindow(file);
        enterIn(control(*window_, "Commune"), QStringLiteral("brest"));
        QCOMPARE(communesShown(*window_), QStringList{"BREST"});

        QVERIFY(QFile::remove(path));
        enterIn(control(*window_, "Commune"), QStringLiteral("épinal"));
        QCOMPARE(catcher_->texts(), QStringList{orvel::fromUtf8(orvel::failureMessage(
                                        {orvel::ReadFailure::Kind::Missing, file}))});
        // Nothing was searched: the previous result and the typed text stay for another try.
        QCOMPARE(communesShown(*window_), QStringList{"BREST"});
        QCOMPARE(control(*window_, "Commune")->text(), QStringLiteral("épinal"));
    }

    // Opened again after Quitter, the window starts afresh, as it did the first time.
    void quitClosesAndReopeningStartsAfresh() {
        typeText(control(*window_, "CP"), QStringLiteral("8"));
        enterIn(control(*window_, "NumRef"), QStringLiteral("88"));
        QCOMPARE(rowsOf(*window_).size(), 3);
        QTest::mouseClick(control<QPushButton>(*window_, "Command1"), Qt::LeftButton);
        QVERIFY(!window_->isVisible());
        QCOMPARE(window_->result(), int(QDialog::Rejected));
        openWindow(program_.referenceFile());
        expectFresh(*window_);
        QCOMPARE(window_->windowTitle(), QStringLiteral("Recherche"));
    }
};

QTEST_MAIN(SearchWindowTest)
#include "search_window_test.moc"

#include "search/search_window.h"
#include "tests/gui/message_catcher.h"
#include "tests/gui/screen_checks.h"
#include "tests/support/reference_file_builder.h"
#include "widgets/qt_text.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

using namespace orvel;
using testing::control;
using testing::RecordFields;

namespace {

// In file order; the observation is empty. Commune and activity name of 28 characters, canton
// name of 27.
const RecordFields kRecords[] = {
    {"\xC9PINAL", "DFCF", "88-001", "Fort", "Fort de Bambois", "", "88000", "\xC9pinal-Est 8808"},
    {"BREST", "DMF", "29-002", "Moulin", "Moulin du Stang", "", "29200", "Brest-Centre 2905"},
    {"EPINAL", "DFCF", "88-002", "Fort", "Fort d'Uxegney", "", "88000", "Epinal-Ouest 8809"},
    {"SAINT-MARTIN-DE-LA-PLACE-SUD", "DIFI", "49-012", "Ile", "Ile de la Grande Prairie-Sud", "",
     "49350", "Gennes-Val-de-Loire-Sud-Est 4912"},
    {"CROZON", "DPLF", "29-010", "Phare", "Phare ? (nom inconnu)", "", "29160", "Rue 2907"},
    {"BAINS-LES-BAINS", "DFCF", "88-003", "Fort", "Fort de Bains", "", "88240", "Val 8817"},
};
const char* const kBoxes[] = {"Commune", "CP", "NomRef", "NumRef", "NomCan"};
const QString kNothingFound = QStringLiteral("Pas de référence trouvée");

} // namespace

class SearchWindowTest : public QObject {
    Q_OBJECT

    testing::TemporaryProgramDirectory program_;
    std::unique_ptr<testing::MessageCatcher> catcher_;
    std::unique_ptr<Rechercher> window_;

    QLineEdit* box(const char* name) const { return control<QLineEdit>(*window_, name); }
    // The commune of each result line, in order.
    QStringList communes() const {
        QStringList names;
        for (const QString& row : testing::linesShown(*control<QListView>(*window_, "Liste_Ref"))) {
            names << row.left(28).trimmed();
        }
        return names;
    }
    // The selected option and the control that has the focus, as "4 NumRef".
    QString selection() const {
        return QStringLiteral("%1 %2")
            .arg(control<QButtonGroup>(*window_, "Option1")->checkedId())
            .arg(window_->focusWidget()->objectName());
    }
    QStringList boxTexts() const {
        QStringList texts;
        for (const char* name : kBoxes) {
            texts << box(name)->text();
        }
        return texts;
    }
    // Types the text (any characters, not only Latin-1) where the focus is, then maybe Enter.
    static void type(QWidget* widget, const QString& text, bool enter = false) {
        for (const QChar character : text) {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), {});
        }
        if (enter) {
            QTest::keyClick(widget, Qt::Key_Enter); // the keypad's
        }
    }
    void enterIn(const char* name, const QString& text) {
        QTest::mouseClick(box(name), Qt::LeftButton);
        type(box(name), text);
        QTest::keyClick(box(name), Qt::Key_Return);
    }
    void open(const std::filesystem::path& file) {
        window_ = std::make_unique<Rechercher>(file);
        QVERIFY(testing::showActive(*window_));
    }

private slots:
    void initTestCase() {
        std::vector<std::string> lines{testing::headerLine("R\xE9vision 2026-12 (essai)")};
        for (const RecordFields& record : kRecords) {
            lines.push_back(testing::recordLine(record));
        }
        program_.writeLines(lines);
    }
    void init() {
        catcher_ = std::make_unique<testing::MessageCatcher>();
        open(program_.referenceFile());
    }
    void cleanup() {
        window_.reset();
        catcher_.reset();
    }

    void opensOnCommuneWithTheBoxesInBold() {
        QCOMPARE(selection(), QStringLiteral("1 Commune"));
        QCOMPARE(boxTexts(), QStringList(5));
        QVERIFY(communes().isEmpty());
        for (const char* name : {"Commune", "CP", "Option1_1", "Option1_5", "Label1", "Label3"}) {
            QVERIFY2(control<QWidget>(*window_, name)->font().bold(), name);
        }
        QCOMPARE(control<QLabel>(*window_, "Label1")->palette().color(QPalette::WindowText),
                 QColor(Qt::red));
    }

    // Tabbing through the boxes selects no option.
    void tabFollowsTheKeyboardOrder() {
        for (const char* next :
             {"Command1", "NomCan", "NumRef", "CP", "Liste_Ref", "NomRef", "Option1_1"}) {
            QTest::keyClick(window_->focusWidget(), Qt::Key_Tab);
            QCOMPARE(window_->focusWidget()->objectName(), QString::fromLatin1(next));
        }
        QCOMPARE(selection(), QStringLiteral("1 Option1_1"));
    }

    // A click on an option or in a box selects it and its box; so do the arrows on the selected
    // option, in index order and round.
    void selectingAnOptionMovesTheFocusToItsBox() {
        QTest::mouseClick(control<QRadioButton>(*window_, "Option1_4"), Qt::LeftButton);
        QCOMPARE(selection(), QStringLiteral("4 NumRef"));
        QTest::mouseClick(box("NomCan"), Qt::LeftButton);
        QCOMPARE(selection(), QStringLiteral("5 NomCan"));
        const struct {
            const char* option;
            Qt::Key key;
            const char* selected;
        } keys[] = {
            {"Option1_2", Qt::Key_Down, "3 NomRef"}, {"Option1_2", Qt::Key_Right, "3 NomRef"},
            {"Option1_1", Qt::Key_Up, "5 NomCan"},   {"Option1_5", Qt::Key_Down, "1 Commune"},
            {"Option1_3", Qt::Key_Left, "2 CP"},     {"Option1_4", Qt::Key_A, "4 Option1_4"}};
        for (const auto& key : keys) {
            control<QRadioButton>(*window_, key.option)->setChecked(true);
            control<QRadioButton>(*window_, key.option)->setFocus();
            QTest::keyClick(window_->focusWidget(), key.key);
            QCOMPARE(selection(), QString::fromLatin1(key.selected));
        }
    }

    // Before each row a search by commune has listed BREST; a refused entry leaves it there.
    void enterChecksTheBoxBeforeSearching_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("boxAfter");
        QTest::addColumn<QStringList>("found");
        const QStringList brest{"BREST"};
        const QStringList found{"SAINT-MARTIN-DE-LA-PLACE-SUD"};
        const auto row = [](const char* box, const QString& text, const char* message,
                            const QString& after, const QStringList& communes) {
            QTest::addRow("%s %s", box, qPrintable(text))
                << box << text << QString::fromUtf8(message) << after << communes;
        };
        const QString commune = found[0] + "X";
        row("Commune", "", "Entrez une commune", "", brest);
        row("Commune", commune.chopped(1), "", "", found);
        row("Commune", commune, "Attention 28 caracteres maxi pour la commune", commune, brest);
        row("Commune", QString(28, QChar(0x00C9)), "Pas de référence trouvée", "", {});
        row("CP", "", "Attention 5 caracteres pour le code postal", "", brest);
        row("CP", "8800", "Attention 5 caracteres pour le code postal", "8800", brest);
        row("CP", "880001", "Attention 5 caracteres pour le code postal", "880001", brest);
        row("CP", "88000", "", "", {"ÉPINAL", "EPINAL"});
        const QString activity = "Ile de la Grande Prairie-Sud!";
        row("NomRef", "", "Entrez une nom d'activité", "", brest);
        row("NomRef", activity.chopped(1), "", "", found);
        row("NomRef", activity, "Attention 28 caracteres maxi pour le nom de l 'activité", activity,
            brest);
        row("NumRef", "", "Entrez une référence", "", brest);
        row("NumRef", "49-012", "", "", found);
        row("NumRef", "49-0120", "Attention 6 caracteres maxi pour la référence", "49-0120", brest);
        const QString canton = "Gennes-Val-de-Loire-Sud-Est4";
        row("NomCan", "", "Entrez un nom de Canton", "", brest);
        row("NomCan", canton.chopped(1), "", "", found);
        row("NomCan", canton, "Attention 27 caracteres maxi pour le nom du Canton", "", brest);
    }
    void enterChecksTheBoxBeforeSearching() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QString, boxAfter);
        QFETCH(QStringList, found);
        enterIn("Commune", QStringLiteral("brest"));
        QCOMPARE(communes(), QStringList{"BREST"});
        enterIn(box.toLatin1().constData(), text);
        QCOMPARE(catcher_->texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(this->box(box.toLatin1().constData())->text(), boxAfter);
        QCOMPARE(communes(), found);
        QCOMPARE(window_->focusWidget()->objectName(), box);
    }

    void postalCodeLettersBecomeCapitals() {
        QLineEdit* postalCode = box("CP");
        QTest::mouseClick(postalCode, Qt::LeftButton);
        type(postalCode, QStringLiteral("az"));
        QTest::keyClick(postalCode, Qt::Key_Home);
        type(postalCode, QStringLiteral("cé"));
        QCOMPARE(postalCode->text(), QStringLiteral("CéAZ"));
        QCOMPARE(postalCode->cursorPosition(), 2);
        QGuiApplication::clipboard()->setText(QStringLiteral("x1`{@["));
        QTest::keyClick(postalCode, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(postalCode->text(), QStringLiteral("CéX1`{@[AZ"));
        type(box("Commune"), QStringLiteral("ab"));
        QCOMPARE(box("Commune")->text(), QStringLiteral("ab"));
    }

    // Results keep the file's order and show the record's columns 4 to 82, then 100 to 138.
    void resultsInFileOrder() {
        enterIn("NumRef", QStringLiteral("88-00"));
        QStringList expected;
        for (const int index : {0, 2, 5}) {
            const std::string record = testing::recordLine(kRecords[index]);
            expected << fromCp1252(record.substr(3, 79) + record.substr(99, 39));
        }
        QCOMPARE(testing::linesShown(*control<QListView>(*window_, "Liste_Ref")), expected);
        // A character the file cannot hold finds nothing, not the records with '?'.
        enterIn("NomRef", QStringLiteral("Ω"));
        QCOMPARE(catcher_->texts(), QStringList{kNothingFound});
        QVERIFY(communes().isEmpty());
    }

    // Every search empties the five boxes; Enter in a box reached with Tab searches by the
    // selected option.
    void searchEmptiesTheBoxesAndFollowsTheSelectedOption() {
        for (const char* name : kBoxes) {
            type(box(name), QStringLiteral("7"));
        }
        box("Commune")->setText(QStringLiteral("épinal"));
        QTest::keyClick(box("Commune"), Qt::Key_Tab);
        QTest::keyClick(window_->focusWidget(), Qt::Key_Tab);
        type(window_->focusWidget(), QStringLiteral("Rue"), true); // by canton: CROZON
        QCOMPARE(communes(), QStringList{"ÉPINAL"});
        QCOMPARE(boxTexts(), QStringList(5));
        QCOMPARE(selection(), QStringLiteral("1 NomCan"));
        type(box("CP"), QStringLiteral("7"));
        enterIn("NomRef", QStringLiteral("introuvable"));
        QCOMPARE(boxTexts(), QStringList(5));
        QCOMPARE(catcher_->texts(), QStringList{kNothingFound});
    }

    // Nothing was searched: the previous result and the typed text stay for another try.
    void unreadableFileIsReportedAndTheWindowKept() {
        testing::TemporaryProgramDirectory copy;
        std::filesystem::copy_file(program_.referenceFile(), copy.referenceFile());
        open(copy.referenceFile());
        enterIn("Commune", QStringLiteral("brest"));
        std::filesystem::remove(copy.referenceFile());
        enterIn("Commune", QStringLiteral("épinal"));
        QCOMPARE(catcher_->texts(), QStringList{fromUtf8(failureMessage(
                                        {ReadFailure::Kind::Missing, copy.referenceFile()}))});
        QCOMPARE(communes(), QStringList{"BREST"});
        QCOMPARE(box("Commune")->text(), QStringLiteral("épinal"));
    }

    // Only a click on Quitter closes the window, not Enter elsewhere.
    void quitterCloses() {
        control<QListView>(*window_, "Liste_Ref")->setFocus();
        QTest::keyClick(window_->focusWidget(), Qt::Key_Return);
        QVERIFY(window_->isVisible());
        QTest::mouseClick(control<QPushButton>(*window_, "Command1"), Qt::LeftButton);
        QVERIFY(!window_->isVisible());
    }
};

QTEST_MAIN(SearchWindowTest)
#include "search_window_test.moc"

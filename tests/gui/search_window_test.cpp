#include "search/search_window.h"
#include "tests/gui/screen_checks.h"
#include "tests/support/reference_file_builder.h"
#include "widgets/qt_text.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

using namespace orvel;
using testing::control;

class SearchWindowTest : public QObject {
    Q_OBJECT

    testing::TemporaryProgramDirectory program_;
    std::unique_ptr<testing::MessageCatcher> catcher_;
    std::unique_ptr<Rechercher> window_;
    const QString kNothingFound = QStringLiteral("Pas de référence trouvée");

    QLineEdit* box(const char* name) const { return control<QLineEdit>(*window_, name); }
    QWidget* focused() const { return window_->focusWidget(); }
    // The commune of each result line, in order.
    QStringList communes() const {
        return testing::linesShown(*control<QListView>(*window_, "Liste_Ref"), 28);
    }
    // The selected option and the control that has the focus, as "4 NumRef".
    QString selection() const {
        const int option = control<QButtonGroup>(*window_, "Option1")->checkedId();
        return QString::number(option) + ' ' + focused()->objectName();
    }
    bool boxesEmpty() const {
        return std::ranges::all_of(window_->findChildren<QLineEdit*>(),
                                   [](const QLineEdit* box) { return box->text().isEmpty(); });
    }
    // Types the text (any characters, not only Latin-1) where the focus is.
    static void type(QWidget* widget, const QString& text) {
        for (const QChar character : text) {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), {});
        }
    }
    void enterIn(const char* name, const QString& text) {
        box(name)->clear();
        QTest::mouseClick(box(name), Qt::LeftButton);
        type(box(name), text);
        QTest::keyClick(box(name), Qt::Key_Return);
    }

private slots:
    // BREST, then a commune and an activity name of 28 characters, a canton name of 27, and an
    // activity name holding '?' where the file cannot hold a character.
    void initTestCase() {
        program_.writeLines({testing::headerLine("R\xE9vision 2026-12 (essai)"),
                             testing::recordLine({}),
                             testing::recordLine({"SAINT-MARTIN-DE-LA-PLACE-SUD", "DIFI", "49-012",
                                                  "Ile", "Ile de la Grande Prairie-Sud", "",
                                                  "49350", "Gennes-Val-de-Loire-Sud-Est 4912"}),
                             testing::recordLine({.commune = "CROZON",
                                                  .activityName = "Phare ? (nom inconnu)",
                                                  .canton = "Rue 2907"})});
    }
    void init() {
        testing::failOnQtWarnings();
        catcher_ = std::make_unique<testing::MessageCatcher>();
        window_ = std::make_unique<Rechercher>(program_.referenceFile());
        QVERIFY(testing::showActive(*window_));
    }
    void cleanup() { window_.reset(); } // the next test shows its own

    // A click in a box selects its option. Tabbing through the boxes selects no option; the
    // option group is one stop, on the selected option, and Space there keeps it. Selecting an
    // option, or clicking it when it is selected, moves the focus to its box. Enter in the list
    // does not close the window, Quitter does.
    void keyboardMovesThroughBoxesAndOptions() {
        QCOMPARE(selection(), QStringLiteral("1 Commune"));
        // The captions of the criteria in bold, the window's text not.
        for (const char* name : {"Option1_1", "Label3", "Label1", "Command1"}) {
            QVERIFY2(QFontInfo(control(*window_, name)->font()).bold() == (name[0] != 'C'), name);
        }
        QTest::mouseClick(box("NomCan"), Qt::LeftButton);
        box("Commune")->setFocus();
        QStringList order;
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(focused(), Qt::Key_Tab);
            order << focused()->objectName();
        }
        QCOMPARE(order.join(' '), "Command1 NomCan NumRef CP Liste_Ref NomRef Option1_5 Commune");
        QTest::keyClick(focused(), Qt::Key_Backtab);
        QCOMPARE(selection(), QStringLiteral("5 Option1_5"));
        QTest::keyClick(focused(), Qt::Key_Space);
        QTest::keyClick(focused(), Qt::Key_Backtab);
        QCOMPARE(selection(), QStringLiteral("5 NomRef"));
        QTest::mouseClick(control<QRadioButton>(*window_, "Option1_5"), Qt::LeftButton);
        QCOMPARE(selection(), QStringLiteral("5 NomCan"));
        // The arrows on the selected option select another, in index order and round.
        for (const auto& [from, key, selected] : {std::tuple{2, Qt::Key_Down, "3 NomRef"},
                                                  {5, Qt::Key_Right, "1 Commune"},
                                                  {1, Qt::Key_Up, "5 NomCan"},
                                                  {3, Qt::Key_Left, "2 CP"},
                                                  {4, Qt::Key_A, "4 Option1_4"}}) {
            auto* option =
                window_->findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(from));
            option->setChecked(true);
            option->setFocus();
            QTest::keyClick(option, key);
            QCOMPARE(selection(), QString::fromLatin1(selected));
        }
        // Only a click on Quitter closes the window, not Enter elsewhere.
        control<QListView>(*window_, "Liste_Ref")->setFocus();
        QTest::keyClick(focused(), Qt::Key_Return);
        QVERIFY(window_->isVisible());
        QTest::mouseClick(control<QPushButton>(*window_, "Command1"), Qt::LeftButton);
        QVERIFY(!window_->isVisible());
    }

    // Before each row a search by commune has listed BREST; a refused entry leaves it there.
    void enterChecksTheBoxBeforeSearching() {
        const QStringList brest{"BREST"};
        const QStringList found{"SAINT-MARTIN-DE-LA-PLACE-SUD"};
        const QString commune = found[0] + "X";
        const QString activity = "Ile de la Grande Prairie-Sud!";
        const QString canton = "Gennes-Val-de-Loire-Sud-Est4";
        const QString postalCode = "Attention 5 caracteres pour le code postal";
        const QString maxi = "Attention %1 caracteres maxi pour ";
        // The box, the text entered, the message, the text left in the box, the communes listed.
        using Row = std::tuple<const char*, QString, QString, QString, QStringList>;
        const Row rows[] = {
            {"Commune", "", "Entrez une commune", "", brest},
            {"Commune", commune.chopped(1), "", "", found},
            {"Commune", commune, maxi.arg(28) + "la commune", commune, brest},
            {"Commune", QString(28, QChar(0x00C9)), kNothingFound, "", {}},
            {"CP", "", postalCode, "", brest},
            {"CP", "a`z{", postalCode, "A`Z{", brest}, // typed small letters become capitals
            {"CP", "880001", postalCode, "880001", brest},
            {"CP", "49350", "", "", found},
            {"NomRef", "", "Entrez une nom d'activité", "", brest},
            {"NomRef", activity.chopped(1), "", "", found},
            {"NomRef", activity, maxi.arg(28) + "le nom de l 'activité", activity, brest},
            {"NomRef", "Ω", kNothingFound, "", {}}, // not the record with '?'
            {"NumRef", "", "Entrez une référence", "", brest},
            {"NumRef", "49-012", "", "", found},
            {"NumRef", "49-0120", maxi.arg(6) + "la référence", "49-0120", brest},
            {"NomCan", "", "Entrez un nom de Canton", "", brest},
            {"NomCan", canton.chopped(1), "", "", found},
            {"NomCan", canton, maxi.arg(27) + "le nom du Canton", "", brest},
        };
        for (const auto& [name, text, message, boxAfter, listed] : rows) {
            enterIn("Commune", QStringLiteral("brest"));
            enterIn(name, text);
            QCOMPARE(catcher_->texts.join("") + " in " + name, message + " in " + name);
            QCOMPARE(box(name)->text(), boxAfter);
            QCOMPARE(communes(), listed);
            QCOMPARE(focused()->objectName(), name);
            catcher_->texts.clear();
        }
    }

    // Every search empties the five boxes; Enter in a box reached with Tab searches by the
    // selected option.
    void searchEmptiesTheBoxesFollowsTheSelectedOptionAndSurvivesAFailure() {
        for (QLineEdit* each : window_->findChildren<QLineEdit*>()) {
            type(each, QStringLiteral("7"));
        }
        box("Commune")->setText(QStringLiteral("crozon"));
        QTest::keyClick(box("Commune"), Qt::Key_Tab);
        QTest::keyClick(focused(), Qt::Key_Tab);
        type(focused(), QStringLiteral("Rue"));    // not by canton: it holds "7Rue"
        QTest::keyClick(focused(), Qt::Key_Enter); // the keypad's
        QCOMPARE(communes(), QStringList{"CROZON"});
        QVERIFY(boxesEmpty());
        QCOMPARE(selection(), QStringLiteral("1 NomCan"));
        type(box("CP"), QStringLiteral("7"));
        enterIn("NomRef", QStringLiteral("introuvable"));
        QVERIFY(boxesEmpty());
        // A search that cannot read the file says so and keeps the window as it was.
        enterIn("Commune", QStringLiteral("brest"));
        type(box("Commune"), QStringLiteral("bre"));
        std::filesystem::rename(program_.referenceFile(), program_.directory() / "moved");
        QTest::keyClick(box("Commune"), Qt::Key_Return);
        std::filesystem::rename(program_.directory() / "moved", program_.referenceFile());
        const auto missing = failureMessage({ReadFailure::Kind::Missing, program_.referenceFile()});
        QCOMPARE(catcher_->texts, QStringList({kNothingFound, fromUtf8(missing)}));
        QCOMPARE(communes(), QStringList{"BREST"});
        QCOMPARE(box("Commune")->text(), QStringLiteral("bre"));
    }
};

QTEST_MAIN(SearchWindowTest)
#include "search_window_test.moc"

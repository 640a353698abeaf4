#include "app/desktop_identity.h"
#include "app/help_viewer.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "data/record.h"
#include "data/reference_file.h"
#include "listing/detail_window.h"
#include "message_catcher.h"
#include "screen_checks.h"
#include "search/search_window.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStyleOptionFrame>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <algorithm>
#include <cmath>
#include <functional>
#include <set>

using namespace orvel::testing;

namespace {

// Contrast ratio of two colours as the accessibility guidelines count it (1 to 21).
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double la = luminance(a) + 0.05;
    const double lb = luminance(b) + 0.05;
    return std::max(la, lb) / std::min(la, lb);
}

QPalette darkPalette() {
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(240, 240, 240));
    dark.setColor(QPalette::WindowText, QColor(240, 240, 240));
    dark.setColor(QPalette::PlaceholderText, QColor(200, 200, 200));
    dark.setColor(QPalette::Highlight, QColor(255, 255, 200));
    dark.setColor(QPalette::HighlightedText, QColor(250, 250, 250));
    return dark;
}

// Width in which a line edit draws its text: the style's contents rectangle less the text margins
// and the two pixels QLineEdit keeps on either side.
int textWidthOf(const QLineEdit& box) {
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.lineWidth = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box);
    const QRect contents = box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box);
    const QMargins margins = box.textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * 2;
}

QWidget* helpWindow() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto found = std::find_if(windows.begin(), windows.end(), [](const QWidget* window) {
        return window->objectName() == QStringLiteral("helpViewer") && window->isVisible();
    });
    return found != windows.end() ? *found : nullptr;
}

} // namespace

class DesktopDetailsTest : public QObject {
    Q_OBJECT

    QTemporaryDir directory_; // the settings and an empty program directory
    std::filesystem::path programDirectory() const { return directory_.path().toStdString(); }

private slots:
    void initTestCase() {
        QVERIFY(directory_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, directory_.path());
    }

    // The menu entry names the window class the program gives itself and is the file the
    // program names as its own, and the windows carry an icon that can be drawn.
    void programIdentifiesAsItsMenuEntry() {
        orvel::identifyAsDesktopProgram();
        QFile entry(QStringLiteral(ORVEL_DESKTOP_ENTRY));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n'));
        QVERIFY(lines.contains(QStringLiteral("StartupWMClass=") +
                               QCoreApplication::applicationName()));
        QCOMPARE(QGuiApplication::desktopFileName() + QStringLiteral(".desktop.in"),
                 QFileInfo(entry).fileName());
        QVERIFY(!QGuiApplication::windowIcon().pixmap(32).isNull());
    }

    // Under a dark colour scheme, everything drawn on the pale yellow boxes stays readable.
    void paleYellowBoxesStayReadableUnderADarkScheme() {
        const QPalette original = QApplication::palette();
        QApplication::setPalette(darkPalette());
        orvel::Main main(programDirectory());
        orvel::Rechercher search(programDirectory() / "Liste_References.prn");
        orvel::Affichage detail("");
        QApplication::setPalette(original);
        for (const QWidget* window : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&search),
                                      static_cast<QWidget*>(&detail)}) {
            int yellow = 0;
            for (const QWidget* widget : window->findChildren<QWidget*>()) {
                const QPalette palette = widget->palette();
                if (palette.color(QPalette::Base) != QColor(255, 255, 192)) {
                    continue;
                }
                ++yellow;
                const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
                    {QPalette::Text, QPalette::Base},
                    {QPalette::PlaceholderText, QPalette::Base},
                    {QPalette::HighlightedText, QPalette::Highlight},
                };
                for (const auto& [text, ground] : pairs) {
                    QVERIFY2(contrast(palette.color(text), palette.color(ground)) >= 4.5,
                             qPrintable(widget->objectName()));
                }
            }
            QVERIFY(yellow > 0);
        }
    }

    // Typed text is the filter as typed: leaving the combo box changes neither the banner nor
    // the selection; only choosing an entry of the list does.
    void typedDiplomaChangesNoBannerWhenLeft() {
        const std::pair<const char*, std::function<void(orvel::Main&)>> leavings[] = {
            {"Tab", [](orvel::Main& main) { QTest::keyClick(main.focusWidget(), Qt::Key_Tab); }},
            {"Shift+Tab",
             [](orvel::Main& main) { QTest::keyClick(main.focusWidget(), Qt::Key_Backtab); }},
            {"listing button", [](orvel::Main& main) {
                 QTest::mouseClick(control<QPushButton>(main, "Aff_Canton"), Qt::LeftButton);
             }}};
        for (const auto& [name, leave] : leavings) {
            const MessageCatcher catcher; // the listing finds no file here
            orvel::Main main(programDirectory());
            main.show();
            QVERIFY(QTest::qWaitForWindowActive(&main));
            auto* combo = control<QComboBox>(main, "Type_Activite");
            const QString fullName = control<QLabel>(main, "Label5")->text();
            combo->setFocus();
            combo->lineEdit()->selectAll();
            QTest::keyClicks(combo->lineEdit(), QStringLiteral("IOTA"));
            leave(main);
            QVERIFY2(!combo->hasFocus(), name);
            QCOMPARE(control<QLabel>(main, "Nom_Ref")->text(), QStringLiteral("DFCF"));
            QCOMPARE(control<QLabel>(main, "Label5")->text(), fullName);
            QCOMPARE(combo->currentIndex(), 0);
            QCOMPARE(combo->currentText(), QStringLiteral("IOTA"));

            // Choosing the next entry of the list with the keyboard does change them.
            combo->setFocus();
            QTest::keyClick(combo, Qt::Key_Down);
            QCOMPARE(control<QLabel>(main, "Nom_Ref")->text(), combo->itemText(1));
            QVERIFY(control<QLabel>(main, "Label5")->text() != fullName);
        }
    }

    // The option group is one stop of the keyboard order, on the selected option, whichever way
    // it was selected, and Space there does not change the search type.
    void optionGroupTakesTheFocusOnTheSelectedOption() {
        struct Case {
            const char* selection;
            int option;
            const char* from; // where Tab or Shift+Tab enters the group from
            Qt::Key key;
        };
        const Case cases[] = {
            {"click in CP", 2, "NomRef", Qt::Key_Tab},
            {"click in NomCan", 5, "Commune", Qt::Key_Backtab},
            {"arrows", 3, "NomRef", Qt::Key_Tab},
            {"arrows", 3, "Commune", Qt::Key_Backtab},
        };
        for (const Case& test : cases) {
            orvel::Rechercher search(programDirectory() / "Liste_References.prn");
            search.show();
            QVERIFY(QTest::qWaitForWindowActive(&search));
            auto option = [&](int id) {
                return control<QRadioButton>(search,
                                             qPrintable(QStringLiteral("Option1_%1").arg(id)));
            };
            if (test.option == 3) { // from option 1, two steps down
                option(1)->setFocus();
                QTest::keyClick(option(1), Qt::Key_Down);
                QTest::keyClick(option(2), Qt::Key_Down);
            } else {
                const char* box = test.option == 2 ? "CP" : "NomCan";
                QTest::mouseClick(control<QLineEdit>(search, box), Qt::LeftButton);
            }
            QVERIFY2(option(test.option)->isChecked(), test.selection);

            control<QLineEdit>(search, test.from)->setFocus();
            QTest::keyClick(search.focusWidget(), test.key);
            QCOMPARE(search.focusWidget(), option(test.option));
            QTest::keyClick(search.focusWidget(), Qt::Key_Space);
            QVERIFY(option(test.option)->isChecked());
            QTest::keyClick(search.focusWidget(), test.key);
            QVERIFY2(qobject_cast<QRadioButton*>(search.focusWidget()) == nullptr, test.selection);
        }
    }

    // The narrow detail boxes keep their size and show every value of the sample whole.
    void detailBoxesShowTheWidestValuesOfTheSample() {
        const std::pair<const char*, orvel::Field> boxes[] = {
            {"Diplome_N", orvel::fields::kDiploma},
            {"Ref_N", orvel::fields::kReference},
        };
        orvel::Affichage detail("");
        for (const auto& [name, field] : boxes) {
            const auto* box = control<QLineEdit>(detail, name);
            QCOMPARE(box->width(), 615 / 15);
            std::set<std::string> values;
            const auto failure =
                orvel::forEachLine(ORVEL_SAMPLE_FILE, [&, field = field](std::string_view line) {
                    values.emplace(orvel::trimBlanks(orvel::fieldOf(line, field)));
                });
            QVERIFY(!failure);
            QVERIFY(values.size() > 1);
            int widest = 0;
            for (const std::string& value : values) {
                widest = std::max(widest,
                                  box->fontMetrics().horizontalAdvance(orvel::fromCp1252(value)));
            }
            QVERIFY2(widest <= textWidthOf(*box), name);
        }
    }

    // Escape and Ctrl+W close the help window; Ctrl+F finds a word, Enter the next one.
    void helpWindowClosesOnItsKeysAndFindsWords() {
        const QKeySequence closings[] = {QKeySequence(Qt::Key_Escape),
                                         QKeySequence(Qt::CTRL | Qt::Key_W)};
        for (const QKeySequence& closing : closings) {
            orvel::showHelp(nullptr, ORVEL_HELP_FILE, orvel::HelpCommand::Contents);
            QPointer<QWidget> window = helpWindow();
            QVERIFY(window != nullptr);
            QVERIFY(QTest::qWaitForWindowActive(window));
            auto* browser = window->findChild<QTextBrowser*>();

            QTest::keySequence(window, QKeySequence::Find);
            auto* find = window->findChild<QLineEdit*>();
            QVERIFY(find != nullptr && find->isVisible() && find->hasFocus());
            QTest::keyClicks(find, QStringLiteral("canton"));
            QTest::keyClick(find, Qt::Key_Return);
            const QTextCursor first = browser->textCursor();
            QCOMPARE(first.selectedText().toLower(), QStringLiteral("canton"));
            QTest::keyClick(find, Qt::Key_Return);
            QVERIFY(browser->textCursor().selectionStart() > first.selectionStart());

            browser->setFocus();
            QTest::keySequence(window, closing);
            QTRY_VERIFY(window.isNull() || !window->isVisible());
        }
    }
};

QTEST_MAIN(DesktopDetailsTest)
#include "desktop_details_test.moc"

#include "app/desktop_identity.h"
#include "app/help_viewer.h"
#include "app/main_window.h"
#include "data/record.h"
#include "data/reference_file.h"
#include "listing/detail_window.h"
#include "search/search_window.h"
#include "tests/gui/message_catcher.h"
#include "tests/gui/screen_checks.h"
#include "widgets/qt_text.h"

#include <QComboBox>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStyleOptionFrame>
#include <QTemporaryDir>
#include <QTextBrowser>

using namespace orvel;
using namespace orvel::testing;

class DesktopDetailsTest : public QObject {
    Q_OBJECT

    QTemporaryDir directory_; // the settings, and a program directory without reference file
    std::filesystem::path program() const { return directory_.path().toStdString(); }

private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, directory_.path());
    }

    // The menu entry names the window class and is the entry the program names as its own; the
    // windows carry an icon that can be drawn.
    void programIdentifiesAsItsMenuEntry() {
        identifyAsDesktopProgram();
        QFile entry(QStringLiteral(ORVEL_DESKTOP_ENTRY));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(entry.readAll())
                    .split(QLatin1Char('\n'))
                    .contains("StartupWMClass=" + QCoreApplication::applicationName()));
        QCOMPARE(QGuiApplication::desktopFileName() + ".desktop.in", QFileInfo(entry).fileName());
        QVERIFY(!QGuiApplication::windowIcon().pixmap(32).isNull());
    }

    // Under a dark colour scheme, what is drawn on the pale yellow stays readable.
    void paleYellowStaysReadableUnderADarkScheme() {
        const QPalette original = QApplication::palette();
        QPalette dark(QColor(40, 40, 40));                         // pale text on dark ground
        dark.setColor(QPalette::Highlight, QColor(255, 255, 200)); // and dark text on it
        dark.setColor(QPalette::HighlightedText, QColor(40, 40, 40));
        QApplication::setPalette(dark);
        const Main main(program());
        const Rechercher search(program());
        const Affichage detail("");
        QApplication::setPalette(original);
        for (const QWidget* window :
             std::initializer_list<const QWidget*>{&main, &search, &detail}) {
            int yellow = 0;
            for (const QWidget* widget : window->findChildren<QWidget*>()) {
                const QPalette p = widget->palette();
                if (p.color(QPalette::Base) == QColor(255, 255, 192) && ++yellow) {
                    for (const auto& [text, ground] :
                         {std::pair{QPalette::Text, QPalette::Base},
                          {QPalette::PlaceholderText, QPalette::Base},
                          {QPalette::HighlightedText, QPalette::Highlight}}) {
                        QVERIFY2(qAbs(p.color(text).lightness() - p.color(ground).lightness()) >
                                     128,
                                 qPrintable(widget->objectName()));
                    }
                }
            }
            QVERIFY(yellow > 0);
        }
    }

    // Leaving the combo box after typing a code changes neither the banner nor the selection;
    // choosing an entry of the list does.
    void typedDiplomaChangesNoBannerWhenLeft() {
        for (const bool byClick : {false, true}) {
            const MessageCatcher catcher; // the listing finds no file here
            Main main(program());
            QVERIFY(showActive(main));
            auto* combo = control<QComboBox>(main, "Type_Activite");
            const QString fullName = control<QLabel>(main, "Label5")->text();
            combo->setFocus();
            combo->lineEdit()->selectAll();
            QTest::keyClicks(combo->lineEdit(), QStringLiteral("IOTA"));
            byClick ? QTest::mouseClick(control<QPushButton>(main, "Aff_Canton"), Qt::LeftButton)
                    : QTest::keyClick(combo, Qt::Key_Tab);
            QVERIFY(!combo->hasFocus());
            QCOMPARE(control<QLabel>(main, "Nom_Ref")->text(), QStringLiteral("DFCF"));
            QCOMPARE(control<QLabel>(main, "Label5")->text(), fullName);
            QCOMPARE(combo->currentIndex(), 0);
            QCOMPARE(combo->currentText(), QStringLiteral("IOTA"));
            QTest::keyClick(combo, Qt::Key_Down);
            QCOMPARE(control<QLabel>(main, "Nom_Ref")->text(), combo->itemText(1));
            QVERIFY(control<QLabel>(main, "Label5")->text() != fullName);
        }
    }

    // Tab and Shift+Tab enter the option group on the selected option, however it was selected,
    // as one stop; Space there leaves the search type as it is.
    void optionGroupIsOneStopOnTheSelectedOption() {
        for (const bool byArrows : {false, true}) {
            Rechercher search(program());
            QVERIFY(showActive(search));
            auto* selected = control<QRadioButton>(search, byArrows ? "Option1_3" : "Option1_2");
            if (byArrows) { // from the first option, two down
                control<QRadioButton>(search, "Option1_1")->setFocus();
                QTest::keyClick(search.focusWidget(), Qt::Key_Down);
                control<QRadioButton>(search, "Option1_2")->setFocus();
                QTest::keyClick(search.focusWidget(), Qt::Key_Down);
            } else {
                QTest::mouseClick(control<QLineEdit>(search, "CP"), Qt::LeftButton);
            }
            const Qt::Key key = byArrows ? Qt::Key_Backtab : Qt::Key_Tab;
            control<QLineEdit>(search, byArrows ? "Commune" : "NomRef")->setFocus();
            QTest::keyClick(search.focusWidget(), key);
            QCOMPARE(search.focusWidget(), selected);
            QTest::keyClick(selected, Qt::Key_Space);
            QVERIFY(selected->isChecked());
            QTest::keyClick(selected, key);
            QVERIFY(qobject_cast<QRadioButton*>(search.focusWidget()) == nullptr);
        }
    }

    // The narrow detail boxes keep their width and show every value of the sample whole, in the
    // room QLineEdit leaves for text: its contents less the margins and 2 pixels a side.
    void detailBoxesShowEveryValueOfTheSampleWhole() {
        const Affichage detail("");
        for (const auto& [name, field] :
             {std::pair{"Diplome_N", fields::kDiploma}, {"Ref_N", fields::kReference}}) {
            const auto* box = control<QLineEdit>(detail, name);
            QStyleOptionFrame option;
            option.initFrom(box);
            option.lineWidth =
                box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
            const int room =
                box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width() -
                box->textMargins().left() - box->textMargins().right() - 4;
            int widest = 0;
            QVERIFY(!forEachLine(ORVEL_SAMPLE_FILE, [&, field = field](std::string_view line) {
                const QString value = fromCp1252(trimBlanks(fieldOf(line, field)));
                widest = std::max(widest, box->fontMetrics().horizontalAdvance(value));
            }));
            QCOMPARE(box->width(), 615 / 15);
            QVERIFY2(widest > 0 && widest <= room, name);
        }
    }

    // Escape and Ctrl+W close the help window; Ctrl+F finds a word, Enter again the next one.
    void helpWindowClosesOnItsKeysAndFindsWords() {
        for (const QKeySequence& closing :
             {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            QWidget parent;
            showHelp(&parent, ORVEL_HELP_FILE);
            QPointer<QWidget> window = parent.findChild<QWidget*>(QStringLiteral("helpViewer"));
            QVERIFY(window != nullptr && QTest::qWaitForWindowActive(window));
            auto* browser = window->findChild<QTextBrowser*>();
            QTest::keySequence(window, QKeySequence::Find);
            auto* find = window->findChild<QLineEdit*>();
            QVERIFY(find != nullptr && find->hasFocus());
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

// What the windows give the desktop: their identity, what a screen reader learns of them, colours
// that stay readable under a dark scheme, boxes wide enough for their values, the help's keys.

#include "app/desktop_identity.h"
#include "app/help_viewer.h"
#include "app/main_window.h"
#include "app/warning_screen.h"
#include "app/welcome_screen.h"
#include "data/record.h"
#include "data/reference_file.h"
#include "listing/detail_window.h"
#include "search/search_window.h"
#include "tests/gui/screen_checks.h"
#include "widgets/qt_text.h"
#include "widgets/window_style.h"

#include <QtTest>
#include <QtWidgets>

using namespace orvel;
using namespace orvel::testing;

namespace {

// What the screen reader gives as the control's name: the caption that labels it, or else its
// own name. A combo box's own name is only its current text, which says nothing of its role.
QString spokenName(QAccessibleInterface* control) {
    const auto labels = control->relations(QAccessible::Label);
    if (!labels.isEmpty()) {
        return labels.first().first->text(QAccessible::Name);
    }
    return control->role() == QAccessible::ComboBox ? QString() : control->text(QAccessible::Name);
}

// What is wrong with the window's controls for a screen reader or for the eye, one line each;
// counts the controls that can take the focus and those on pale yellow.
QStringList faultsOf(const QWidget& window, int& focusable, int& yellow) {
    QStringList faults;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        ++focusable;
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
        const QString name = widget->metaObject()->className() + (' ' + widget->objectName());
        if (spokenName(control).trimmed().isEmpty()) {
            faults << name + " has no name";
        }
        if (!control->text(QAccessible::Description).contains(widget->toolTip())) {
            faults << name + " does not describe itself by its tooltip";
        }
        const QPalette p = widget->palette();
        yellow += p.color(QPalette::Base) == kPaleYellow;
        for (const auto& [text, ground] : {std::pair{QPalette::Text, QPalette::Base},
                                           {QPalette::PlaceholderText, QPalette::Base},
                                           {QPalette::HighlightedText, QPalette::Highlight}}) {
            if (p.color(QPalette::Base) == kPaleYellow &&
                qAbs(p.color(text).lightness() - p.color(ground).lightness()) <= 128) {
                faults << name + " is hard to read";
            }
        }
    }
    return faults;
}

} // namespace

class DesktopDetailsTest : public QObject {
    Q_OBJECT

    QTemporaryDir directory_; // the settings, and a program directory without reference file
    std::filesystem::path program() const { return directory_.path().toStdString(); }

private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, directory_.path());
        // A dark colour scheme: pale text on dark ground, dark text on the highlight.
        QPalette dark(QColor(40, 40, 40));
        dark.setColor(QPalette::Highlight, QColor(255, 255, 200));
        dark.setColor(QPalette::HighlightedText, QColor(40, 40, 40));
        QApplication::setPalette(dark);
    }

    // The menu entry names the window class and is the entry the program names as its own; the
    // windows carry an icon that can be drawn.
    void programIdentifiesAsItsMenuEntry() {
        identifyAsDesktopProgram();
        QFile entry(QStringLiteral(ORVEL_DESKTOP_ENTRY));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(entry.readAll())
                    .contains("\nStartupWMClass=" + QCoreApplication::applicationName() + '\n'));
        QCOMPARE(QGuiApplication::desktopFileName() + ".desktop.in", QFileInfo(entry).fileName());
        QVERIFY(!QGuiApplication::windowIcon().pixmap(32).isNull());
    }

    // Every control the keyboard reaches says what it holds; under the dark colour scheme, what is
    // drawn on pale yellow stays readable.
    void everyControlTheKeyboardReachesHasANameAndReadableColours() {
        const Main main(program());
        const Rechercher search(program() / "Liste_References.prn");
        const Affichage detail("");
        const Acceuil welcome(program());
        const Avertissement warning;
        QWidget help; // the viewer is a window among the children of the one it was asked from
        showHelp(&help, program() / "Orvel_Reference.hlp");
        int yellow = 0;
        // The controls the keyboard reaches, with the combo box's field and list, and the help's
        // text and find box.
        for (const auto& [window, expected] : {std::pair<const QWidget*, int>{&main, 11},
                                               {&search, 12},
                                               {&detail, 10},
                                               {&welcome, 1},
                                               {&warning, 1},
                                               {&help, 2}}) {
            int focusable = 0;
            const QStringList faults = faultsOf(*window, focusable, yellow);
            const char* name = window->metaObject()->className();
            QVERIFY2(faults.isEmpty(), qPrintable(name + (": " + faults.join(", "))));
            QVERIFY2(focusable == expected, name);
        }
        QVERIFY(yellow > 0);
    }

    // The narrow detail boxes show every value of the sample whole, in the room QLineEdit leaves
    // for text: its contents less the margins and 2 pixels a side.
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

// What a screen reader learns of the windows: every control the keyboard reaches says what it
// holds, and the list tells the banner and the count line.
#include "app/help_viewer.h"
#include "app/main_window.h"
#include "app/warning_screen.h"
#include "app/welcome_screen.h"
#include "listing/detail_window.h"
#include "search/search_window.h"
#include "tests/gui/screen_checks.h"
#include "tests/support/reference_file_builder.h"
#include "widgets/window_style.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

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

// What is wrong with the window's controls for a screen reader, one line each; counts the
// controls that can take the focus.
QStringList faultsOf(const QWidget& window, int& focusable) {
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
    }
    return faults;
}

struct WindowCase {
    const char* name;
    int focusable; // the controls the keyboard reaches, with the combo box's field and list
    std::function<std::unique_ptr<QWidget>(const TemporaryProgramDirectory&)> open;
};

const WindowCase kWindows[] = {
    {"main", 11, [](auto& program) { return std::make_unique<Main>(program.directory()); }},
    {"search", 12,
     [](auto& program) { return std::make_unique<Rechercher>(program.referenceFile()); }},
    {"detail", 10, [](auto&) { return std::make_unique<Affichage>(""); }},
    {"welcome", 1, [](auto& program) { return std::make_unique<Acceuil>(program.directory()); }},
    {"warning", 1, [](auto&) { return std::make_unique<Avertissement>(); }},
    {"help", 2, // the text and its find box
     [](auto& program) {
         // The viewer is a window among the children of the one it was asked from.
         auto parent = std::make_unique<QWidget>();
         showHelp(parent.get(), program.directory() / "Orvel_Reference.hlp");
         return parent;
     }},
};

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    QTemporaryDir settings_;
    TemporaryProgramDirectory program_;

private slots:
    void initTestCase() {
        QVERIFY(settings_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
        program_.writeLines({headerLine("R\xE9vision pour les essais"), recordLine({})});
    }

    void everyControlTheKeyboardReachesHasAName() {
        for (const WindowCase& window : kWindows) {
            int focusable = 0;
            const QStringList faults = faultsOf(*window.open(program_), focusable);
            QVERIFY2(faults.isEmpty(), qPrintable(window.name + (": " + faults.join(", "))));
            QVERIFY2(focusable == window.focusable, window.name);
        }
    }

    void listTellsTheBannerAndTheCountOfTheListing() {
        Main window(program_.directory());
        const auto describes = [&window](const char* name) {
            const QString shown = textShown(*control<QWidget>(window, name));
            return !shown.isEmpty() &&
                   QAccessible::queryAccessibleInterface(control<QWidget>(window, "List1"))
                       ->text(QAccessible::Description)
                       .contains(shown);
        };
        control<QLineEdit>(window, "Dpart")->setText(QStringLiteral("00"));
        control<QPushButton>(window, "Aff_Commune")->click();
        QVERIFY(describes("Frame2") && describes("Label6"));
        QTest::keyClick(control<QComboBox>(window, "Type_Activite"), Qt::Key_Down);
        QVERIFY(describes("Nom_Ref") && describes("Label5"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

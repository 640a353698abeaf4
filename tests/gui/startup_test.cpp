#include "app/main_window.h"
#include "app/startup.h"
#include "app/warning_screen.h"
#include "app/welcome_screen.h"
#include "data/program_directory.h"
#include "message_catcher.h"
#include "screen_checks.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

using namespace std::chrono_literals;

namespace {

constexpr auto kLegacyName = "Liste_DFCF_Tornim.prn";

// The shown window of this kind, if any.
template <class Window> Window* shown() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<Window*>(widget);
        if (window != nullptr && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

template <class Window> bool exists() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(),
                       [](QWidget* widget) { return qobject_cast<Window*>(widget) != nullptr; });
}

void click(QWidget* window, const char* button) {
    QTest::mouseClick(window->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

// What the user saw while the program ran.
struct Run {
    int exitCode = -1;
    bool warningShown = false;
    bool mainShown = false;
    bool mainBeforeItsTurn = false; // a main window existed while a screen was shown

    [[nodiscard]] QString seen() const {
        const auto word = [](bool shown) { return shown ? QStringLiteral("yes") : "no"; };
        return QStringLiteral("exit %1, warning %2, main %3, main early %4")
            .arg(exitCode)
            .arg(word(warningShown), word(mainShown), word(mainBeforeItsTurn));
    }
};

// The user's parts: pass both screens with their buttons, or close one of them.
void passBothScreens() {
    if (auto* welcome = shown<orvel::Acceuil>()) {
        click(welcome, "Command1");
    } else if (auto* warning = shown<orvel::Avertissement>()) {
        click(warning, "Suivant");
    }
}

void closeTheWelcomeScreen() {
    if (auto* welcome = shown<orvel::Acceuil>()) {
        welcome->windowHandle()->close();
    }
}

void closeTheWarningScreen() {
    if (auto* warning = shown<orvel::Avertissement>()) {
        warning->windowHandle()->close();
    } else {
        passBothScreens();
    }
}

// Runs the program while playing the user's part: every few milliseconds `act` looks at the
// windows and may act on one. The main window, once shown, is closed, which must end the run.
Run runAs(const QString& programDirectory, std::chrono::milliseconds welcomeInterval,
          const std::function<void()>& act) {
    Run run;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (shown<orvel::Acceuil>() != nullptr || shown<orvel::Avertissement>() != nullptr) {
            run.mainBeforeItsTurn |= exists<orvel::Main>();
        }
        run.warningShown |= shown<orvel::Avertissement>() != nullptr;
        if (auto* main = shown<orvel::Main>()) {
            run.mainShown = true;
            main->windowHandle()->close();
            return;
        }
        act();
    });
    user.start(10);
    // Only a program that never ends meets this guard.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(30s);
    run.exitCode = orvel::runProgram(programDirectory.toStdString(), welcomeInterval);
    return run;
}

// Every file of the per-user settings store.
QStringList settingsFiles() {
    QStringList files;
    QDirIterator it(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files << it.next();
    }
    return files;
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home_;
    QTemporaryDir directory_;
    QString legacyFile() const { return directory_.filePath(kLegacyName); }

private slots:
    void initTestCase() {
        // Settings go to a store of the test's own.
        qputenv("HOME", home_.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
        const QString store =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QVERIFY(store.startsWith(home_.path()));
        QVERIFY(QSettings(QStringLiteral("Reference"), QStringLiteral("Reference"))
                    .fileName()
                    .startsWith(store));
    }

    void init() {
        orvel::testing::writeFile(legacyFile());
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
            .removeRecursively();
    }

    void leftAloneTheWelcomeScreenGivesWayToTheMainWindow() {
        const Run run = runAs(directory_.path(), 50ms, [] {});
        QCOMPARE(run.seen(), QStringLiteral("exit 0, warning no, main yes, main early no"));
        QVERIFY(QFile::exists(legacyFile()));
    }

    void suiteLeadsThroughTheWarningToTheMainWindow() {
        orvel::testing::MessageCatcher catcher;
        const Run run = runAs(directory_.path(), 1min, passBothScreens);
        QCOMPARE(run.seen(), QStringLiteral("exit 0, warning yes, main yes, main early no"));
        QVERIFY(!QFile::exists(legacyFile()));
        QVERIFY(catcher.seen().empty());
    }

    void closingTheWelcomeScreenEndsTheProgram() {
        const Run run = runAs(directory_.path(), 1min, closeTheWelcomeScreen);
        QCOMPARE(run.seen(), QStringLiteral("exit 0, warning no, main no, main early no"));
        QVERIFY(QFile::exists(legacyFile()));
        QCOMPARE(settingsFiles(), QStringList());
    }

    void closingTheWarningScreenEndsTheProgram() {
        const Run run = runAs(directory_.path(), 1min, closeTheWarningScreen);
        QCOMPARE(run.seen(), QStringLiteral("exit 0, warning yes, main no, main early no"));
        QCOMPARE(settingsFiles(), QStringList());
    }

    void startedElsewhereItUsesItsOwnDirectory() {
        // The test executable stands in the build's program directory, next to the sample
        // reference file; the working directory holds a decoy legacy file.
        const QDir own(QString::fromStdString(orvel::programDirectory().string()));
        QVERIFY(QFile::exists(own.filePath(QStringLiteral("Liste_References.prn"))));
        orvel::testing::writeFile(own.filePath(kLegacyName));
        QTemporaryDir elsewhere;
        orvel::testing::writeFile(QDir(elsewhere.path()).filePath(kLegacyName));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        const Run run = runAs(own.path(), 1min, passBothScreens);
        QDir::setCurrent(previous);

        QCOMPARE(run.seen(), QStringLiteral("exit 0, warning yes, main yes, main early no"));
        QVERIFY(!QFile::exists(own.filePath(kLegacyName)));
        QVERIFY(QFile::exists(QDir(elsewhere.path()).filePath(kLegacyName)));
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"

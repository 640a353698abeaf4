#include "app/main_window.h"
#include "app/startup.h"
#include "app/warning_screen.h"
#include "app/welcome_screen.h"
#include "data/program_directory.h"
#include "tests/gui/message_catcher.h"

#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <functional>

using namespace std::chrono_literals;

namespace {

template <class Window> Window* shown() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget);
            window != nullptr && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

// The user's parts, played every few milliseconds on the windows shown.
void passBothScreens() {
    if (auto* welcome = shown<orvel::Acceuil>()) {
        welcome->findChild<QPushButton*>("Command1")->click();
    } else if (auto* warning = shown<orvel::Avertissement>()) {
        warning->findChild<QPushButton*>("Suivant")->click();
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

// Runs the program while the user plays a part and says what was seen: the exit code, whether
// the warning and the main window showed, and whether a main window existed before its turn.
// The main window, once shown, is closed, which must end the run.
QString runAs(const QString& directory, std::chrono::milliseconds welcomeInterval,
              const std::function<void()>& act) {
    bool warning = false;
    bool main = false;
    bool early = false;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        const bool screenShown =
            shown<orvel::Acceuil>() != nullptr || shown<orvel::Avertissement>() != nullptr;
        early |=
            screenShown && std::ranges::any_of(QApplication::topLevelWidgets(), [](QWidget* w) {
                return qobject_cast<orvel::Main*>(w) != nullptr;
            });
        warning |= shown<orvel::Avertissement>() != nullptr;
        if (auto* window = shown<orvel::Main>()) {
            main = true;
            window->windowHandle()->close();
            return;
        }
        act();
    });
    user.start(10);
    QTimer::singleShot(30s, [] { QCoreApplication::exit(99); }); // a program that never ends
    const int exitCode = orvel::runProgram(directory.toStdString(), welcomeInterval);
    return QStringLiteral("exit %1, warning %2, main %3, early %4")
        .arg(exitCode)
        .arg(warning)
        .arg(main)
        .arg(early);
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    QTemporaryDir directory_;

    QString legacy(const QString& directory) const {
        return QDir(directory).filePath("Liste_DFCF_Tornim.prn");
    }
    static void write(const QString& path) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    static QString settingsStore() {
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    }

private slots:
    void initTestCase() {
        qputenv("HOME", home_.path().toLocal8Bit()); // settings go to a store of the test's own
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(QSettings("Reference", "Reference").fileName().startsWith(home_.path()));
    }

    // Only the main window writes the setting; only Suite deletes the legacy file.
    void waysThroughTheScreens_data() {
        QTest::addColumn<std::function<void()>>("act");
        QTest::addColumn<QString>("seen");
        QTest::addColumn<bool>("legacyKept");
        QTest::newRow("left alone")
            << std::function<void()>([] {}) << "exit 0, warning 0, main 1, early 0" << true;
        QTest::newRow("Suite twice") << std::function<void()>(passBothScreens)
                                     << "exit 0, warning 1, main 1, early 0" << false;
        QTest::newRow("welcome closed") << std::function<void()>(closeTheWelcomeScreen)
                                        << "exit 0, warning 0, main 0, early 0" << true;
        QTest::newRow("warning closed") << std::function<void()>(closeTheWarningScreen)
                                        << "exit 0, warning 1, main 0, early 0" << false;
    }
    void waysThroughTheScreens() {
        QFETCH(std::function<void()>, act);
        QFETCH(QString, seen);
        QFETCH(bool, legacyKept);
        write(legacy(directory_.path()));
        QDir(settingsStore()).removeRecursively();
        orvel::testing::MessageCatcher messages;
        const bool leftAlone = QTest::currentDataTag() == QStringLiteral("left alone");
        QCOMPARE(runAs(directory_.path(), leftAlone ? 50ms : 1min, act), seen);
        QCOMPARE(QFile::exists(legacy(directory_.path())), legacyKept);
        QCOMPARE(QFile::exists(QSettings("Reference", "Reference").fileName()),
                 seen.contains("main 1"));
        QCOMPARE(messages.texts(), QStringList());
    }

    // Started from elsewhere, the program deletes the legacy file of its own directory.
    void startedElsewhereItUsesItsOwnDirectory() {
        const QString own = QString::fromStdString(orvel::programDirectory().string());
        write(legacy(own));
        QTemporaryDir elsewhere;
        write(legacy(elsewhere.path()));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        const QString seen = runAs(own, 1min, passBothScreens);
        QDir::setCurrent(previous);
        QCOMPARE(seen, QStringLiteral("exit 0, warning 1, main 1, early 0"));
        QVERIFY(!QFile::exists(legacy(own)));
        QVERIFY(QFile::exists(legacy(elsewhere.path())));
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"

// The welcome and warning screens and the start-up sequence that leads through them.

#include "app/information_texts.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/warning_screen.h"
#include "app/welcome_screen.h"
#include "tests/gui/screen_checks.h"

#include <QtTest>
#include <QtWidgets>

using namespace orvel;
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

// Leaves a screen as the user does: Suite (pressed with Enter) or the window system's close.
void leave(QWidget* screen, bool bySuite) {
    bySuite ? QTest::keyClick(screen->windowHandle(), Qt::Key_Return)
            : void(screen->windowHandle()->close());
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    QTemporaryDir directory_;

    QString legacyFile() const { return directory_.filePath("Liste_DFCF_Tornim.prn"); }

private slots:
    void init() { testing::failOnQtWarnings(); }
    void initTestCase() {
        qputenv("HOME", home_.path().toLocal8Bit()); // settings go to a store of the test's own
        QStandardPaths::setTestModeEnabled(true);
    }

    // The welcome screen's call signs are underlined; a click on one shows its owner's credits,
    // and the timer (20 seconds unless told otherwise) stops meanwhile, then starts again.
    void callSignsShowTheCreditsAndHoldTheTimer() {
        QCOMPARE(Acceuil(directory_.path().toStdString()).findChild<QTimer*>()->interval(), 20000);
        Acceuil screen(directory_.path().toStdString(), 10s);
        QVERIFY(testing::showActive(screen));
        const auto font = [&screen](const char* name) {
            return QFontInfo(testing::control(screen, name)->font());
        };
        QVERIFY(font("Label1").underline() && !font("Label6").bold() && font("Label2").bold());
        auto* timer = testing::control<QTimer>(screen, "Timer1");
        QStringList seen;
        for (const char* callSign : {"Label6", "Label1"}) {
            testing::ModalWatcher<QMessageBox> credits([&](QMessageBox* box) {
                seen << box->text() + (timer->isActive() ? " (timer running)" : "");
                box->accept();
            });
            QTest::mouseClick(testing::control(screen, callSign), Qt::LeftButton);
            QVERIFY(timer->isActive());
        }
        QCOMPARE(seen, QStringList({QString::fromStdString(authorCredits()),
                                    QString::fromStdString(compilerCredits())}));
    }

    // The program runs from the welcome screen; the user leaves each screen one way or the
    // other (the warning screen has no timer); only Suite on the welcome screen deletes the
    // legacy file. The main window, created only once a screen leads to it, is closed, which
    // must end the run; only the main window writes the setting.
    void programRunsThroughTheScreens() {
        const std::pair<int, const char*> runs[] = {
            {0, "exit 0 main"}, {1, "exit 0 warning main"}, {2, "exit 0"}, {3, "exit 0 warning"}};
        for (const auto& [part, expected] : runs) {
            QFile::remove(QSettings("Reference", "Reference").fileName());
            QFile(legacyFile()).open(QIODevice::WriteOnly);
            QString seen;
            QTimer user;
            QObject::connect(&user, &QTimer::timeout, [&, part = part] {
                if (auto* main = shown<Main>()) {
                    seen += " main";
                    main->windowHandle()->close();
                } else if (auto* welcome = shown<Acceuil>(); welcome != nullptr && part != 0) {
                    leave(welcome, part != 2);
                } else if (auto* warning = shown<Avertissement>();
                           warning != nullptr && !seen.contains("warning")) {
                    seen += testing::control<QLabel>(*warning, "Label2")->font().bold() ? " warning"
                                                                                        : " ?";
                    leave(warning, part != 3);
                }
            });
            user.start(10);
            // A program that never ends fails its run.
            QTimer::singleShot(30s, [] { QCoreApplication::exit(99); });
            const int code = runProgram(directory_.path().toStdString(), part == 0 ? 50ms : 1min);
            seen.prepend(QStringLiteral("exit %1").arg(code));
            QCOMPARE(seen, QString::fromLatin1(expected));
            QCOMPARE(QFile::exists(QSettings("Reference", "Reference").fileName()),
                     seen.contains("main"));
            QCOMPARE(QFile::exists(legacyFile()), part % 2 == 0); // Suite deletes it
        }
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"

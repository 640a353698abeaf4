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
    if (bySuite) {
        QTest::keyClick(screen->windowHandle(), Qt::Key_Return);
    } else {
        screen->windowHandle()->close();
    }
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    QTemporaryDir directory_;
    QPointer<Acceuil> welcome_; // deletes itself once closed

    QString legacyFile() const { return directory_.filePath("Liste_DFCF_Tornim.prn"); }
    Acceuil* newWelcome(std::chrono::milliseconds interval) {
        QFile legacy(legacyFile());
        legacy.open(QIODevice::WriteOnly);
        welcome_ = new Acceuil(directory_.path().toStdString(), interval);
        return welcome_;
    }
    QTimer* timer() const { return testing::control<QTimer>(*welcome_, "Timer1"); }

private slots:
    void initTestCase() {
        qputenv("HOME", home_.path().toLocal8Bit()); // settings go to a store of the test's own
        QStandardPaths::setTestModeEnabled(true);
    }
    void cleanup() { delete welcome_.data(); }

    // Its timer (20 seconds unless told otherwise), Suite or the window system close the welcome
    // screen; only Suite deletes the legacy file, without a word.
    void welcomeScreenWaysOut() {
        QCOMPARE(Acceuil(directory_.path().toStdString()).findChild<QTimer*>()->interval(), 20000);
        for (const int way : {0, 1, 2}) {
            Acceuil* screen = newWelcome(way == 0 ? 10ms : 1min);
            QSignalSpy timeUp(screen, &Acceuil::timeUp);
            QSignalSpy suite(screen, &Acceuil::suiteChosen);
            QSignalSpy closed(screen, &Acceuil::closedByUser);
            testing::MessageCatcher messages;
            const QSize room = screen->screen()->size() - screen->frameGeometry().size();
            QCOMPARE(screen->frameGeometry().topLeft(),
                     QPoint(room.width() / 2, room.height() / 2));
            QVERIFY(testing::showActive(*screen));
            if (way == 0) {
                QVERIFY(timeUp.wait());
            } else {
                leave(screen, way == 1);
            }
            QCOMPARE(
                QStringLiteral("%1%2%3").arg(timeUp.count()).arg(suite.count()).arg(closed.count()),
                QStringList({"100", "010", "001"})[way]);
            QVERIFY(welcome_.isNull() || (!welcome_->isVisible() && !timer()->isActive()));
            QCOMPARE(QFile::exists(legacyFile()), way != 1);
            QCOMPARE(messages.texts, QStringList());
        }
    }

    // A call sign shows its owner's credits; the timer stops meanwhile, then starts again.
    void callSignsShowTheCreditsAndHoldTheTimer() {
        Acceuil* screen = newWelcome(10s);
        QVERIFY(testing::showActive(*screen));
        const auto font = [screen](const char* name) {
            return QFontInfo(testing::control<QLabel>(*screen, name)->font());
        };
        QVERIFY(font("Label1").underline() && !font("Label6").bold() && font("Label2").bold());
        QStringList seen;
        for (const char* callSign : {"Label6", "Label1"}) {
            testing::ModalWatcher<QMessageBox> credits([&](QMessageBox* box) {
                seen << box->text() + (timer()->isActive() ? " (timer running)" : "");
                box->accept();
            });
            QTest::mouseClick(testing::control<QWidget>(*screen, callSign), Qt::LeftButton);
            QVERIFY(timer()->isActive());
        }
        QCOMPARE(seen, QStringList({QString::fromStdString(authorCredits()),
                                    QString::fromStdString(compilerCredits())}));
    }

    // The program runs from the welcome screen; the user leaves each screen one way or the
    // other (the warning screen has no timer). The main window, created only once a screen leads to
    // it, is closed, which must end the run; only the main window writes the setting.
    void programRunsThroughTheScreens() {
        const std::pair<int, const char*> runs[] = {
            {0, "exit 0 main"}, {1, "exit 0 warning main"}, {2, "exit 0"}, {3, "exit 0 warning"}};
        for (const auto& [part, expected] : runs) {
            QFile::remove(QSettings("Reference", "Reference").fileName());
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
            QTimer::singleShot(30s,
                               [] { QCoreApplication::exit(99); }); // a program that never ends
            seen = QStringLiteral("exit %1").arg(
                       runProgram(directory_.path().toStdString(), part == 0 ? 50ms : 1min)) +
                   seen;
            QCOMPARE(seen, QString::fromLatin1(expected));
            QCOMPARE(QFile::exists(QSettings("Reference", "Reference").fileName()),
                     seen.contains("main"));
        }
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"

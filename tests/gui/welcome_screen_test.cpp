#include "app/information_texts.h"
#include "app/welcome_screen.h"
#include "message_catcher.h"
#include "screen_checks.h"

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace orvel::testing;

namespace {

constexpr auto kLegacyName = "Liste_DFCF_Tornim.prn";

// Looks at the next message box while it is open, then closes it with OK.
class WhileMessageOpen {
public:
    explicit WhileMessageOpen(std::function<void(QMessageBox&)> look) : look_(std::move(look)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr) {
                timer_.stop();
                look_(*box);
                box->button(QMessageBox::Ok)->click();
            }
        });
        timer_.start(0);
    }

private:
    std::function<void(QMessageBox&)> look_;
    QTimer timer_;
};

void touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("DFCF\r\n");
}

} // namespace

class WelcomeScreenTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir directory_;
    // The screen deletes itself once closed; what a test leaves open goes at its end.
    QPointer<orvel::Acceuil> screen_;

    // Closed, and perhaps deleted already.
    bool screenClosed() const { return screen_.isNull() || !screen_->isVisible(); }
    QString legacyFile() const { return directory_.filePath(kLegacyName); }
    orvel::Acceuil*
    newScreen(std::chrono::milliseconds interval = orvel::Acceuil::kTimer1Interval) {
        screen_ = new orvel::Acceuil(directory_.path().toStdString(), interval);
        return screen_;
    }
    template <class T> static T* control(QWidget* screen, const char* name) {
        return screen->findChild<T*>(QString::fromLatin1(name));
    }

private slots:
    void init() { QFile::remove(legacyFile()); }
    void cleanup() { delete screen_.data(); }

    void layoutIsTheWelcomeScreen() {
        orvel::Acceuil* screen = newScreen();
        QCOMPARE(screen->windowTitle(), QStringLiteral("Orvel Reference"));
        QCOMPARE(screen->size(), QSize(9120 / 15, 3615 / 15));
        QCOMPARE(screen->minimumSize(), screen->maximumSize());
        QCOMPARE(screen->frameGeometry().topLeft(), centredPosition(*screen));
        QCOMPARE(control<QWidget>(screen, "Frame1")->geometry(), pixelsOfTwips(120, 0, 8895, 3495));

        struct Expected {
            const char* name;
            QString text;
            QRect geometry;
            Qt::Alignment alignment;
            bool bold;
            bool underlined;
        };
        const Expected labels[] = {
            {"Label2", QStringLiteral("Index des références des diplômes radio Francais"),
             pixelsOfTwips(120, 480, 8655, 375), Qt::AlignHCenter, true, false},
            {"Label3", QStringLiteral("d'après une compilation de"),
             pixelsOfTwips(1680, 960, 4335, 375), Qt::AlignRight, true, false},
            {"Label1", QStringLiteral("Tornim"), pixelsOfTwips(6120, 960, 1215, 375), Qt::AlignLeft,
             false, true},
            {"Label5",
             QStringLiteral("Pour toutes activités se référer au diplome manager du département"),
             pixelsOfTwips(120, 1920, 8655, 375), Qt::AlignHCenter, false, false},
            {"Label4", QStringLiteral("Création du logiciel par"),
             pixelsOfTwips(120, 2880, 5535, 375), Qt::AlignRight, true, false},
            {"Label6", QStringLiteral("Pelkar"), pixelsOfTwips(5760, 2880, 1215, 375),
             Qt::AlignLeft, false, true},
        };
        for (const Expected& expected : labels) {
            const auto* label = control<QLabel>(screen, expected.name);
            QVERIFY2(label != nullptr, expected.name);
            QCOMPARE(label->text(), expected.text);
            QCOMPARE(label->geometry(), expected.geometry);
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, expected.alignment);
            QCOMPARE(label->font().pointSizeF(), 13.5);
            QCOMPARE(label->font().bold(), expected.bold);
            QCOMPARE(label->font().underline(), expected.underlined);
            QVERIFY2(showsWholeText(*label), expected.name);
            const bool callSign = expected.underlined;
            QCOMPARE(label->toolTip(), callSign ? QStringLiteral("Cliquez") : QString());
        }

        const auto* suite = control<QPushButton>(screen, "Command1");
        QCOMPARE(suite->text(), QStringLiteral("Suite"));
        QCOMPARE(suite->geometry(), pixelsOfTwips(7680, 2880, 1095, 375));
        QCOMPARE(suite->font().pointSizeF(), 9.75);
    }

    void timerRunsTwentySecondsFromTheStart() {
        orvel::Acceuil* screen = newScreen();
        const auto* timer = control<QTimer>(screen, "Timer1");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 20000);
    }

    void suiteIsTheOnlyFocusAndEnterPressesIt() {
        orvel::Acceuil* screen = newScreen();
        QSignalSpy suite(screen, &orvel::Acceuil::suiteChosen);
        QCOMPARE(focusableControls(*screen), QStringList{QStringLiteral("Command1")});
        QVERIFY(showActive(*screen));
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(screen, "Command1"));

        QTest::keyClick(screen->windowHandle(), Qt::Key_Return);

        QCOMPARE(suite.count(), 1);
        QVERIFY(screenClosed());
    }

    void callSignsShowTheCreditsOfTheMainWindow() {
        orvel::Acceuil* screen = newScreen();
        screen->show();
        MessageCatcher catcher;
        QTest::mouseClick(control<QWidget>(screen, "Label6"), Qt::LeftButton);
        QTest::mouseClick(control<QWidget>(screen, "Label1"), Qt::LeftButton);

        QCOMPARE(catcher.seen().size(), std::size_t{2});
        const SeenMessage& author = catcher.seen()[0];
        const SeenMessage& compiler = catcher.seen()[1];
        QCOMPARE(author.text, QString::fromStdString(orvel::authorCredits()));
        QCOMPARE(compiler.text, QString::fromStdString(orvel::compilerCredits()));
        QVERIFY(author.text.startsWith(QStringLiteral("  Programmation Pelkar\r\n\r\n")));
        QVERIFY(
            compiler.text.startsWith(QStringLiteral(" Compilation des références Tornim\r\n\r\n")));
        for (const SeenMessage& message : catcher.seen()) {
            QCOMPARE(message.title, QStringLiteral("Orvel_Reference"));
            QCOMPARE(message.icon, QMessageBox::NoIcon);
            QVERIFY(message.okOnly);
        }
    }

    void creditMessageStopsTheTimerThenRestartsAFullInterval() {
        orvel::Acceuil* screen = newScreen(std::chrono::seconds(10));
        screen->show();
        const auto* timer = control<QTimer>(screen, "Timer1");
        QTest::qWait(100); // some of the first interval goes by before the click
        const int remainingBeforeClick = timer->remainingTime();

        bool runningWhileOpen = true;
        WhileMessageOpen look([&](QMessageBox&) { runningWhileOpen = timer->isActive(); });
        QTest::mouseClick(control<QWidget>(screen, "Label1"), Qt::LeftButton);

        QVERIFY(!runningWhileOpen);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 10000);
        QVERIFY(timer->remainingTime() > remainingBeforeClick);
    }

    void screenClosedDuringCreditsStaysClosed() {
        orvel::Acceuil* screen = newScreen(std::chrono::minutes(1));
        QSignalSpy timeUp(screen, &orvel::Acceuil::timeUp);
        QSignalSpy closed(screen, &orvel::Acceuil::closedByUser);
        screen->show();
        const QPointer<QTimer> timer = control<QTimer>(screen, "Timer1");

        WhileMessageOpen look([&](QMessageBox&) { screen->windowHandle()->close(); });
        QTest::mouseClick(control<QWidget>(screen, "Label6"), Qt::LeftButton);

        QCOMPARE(closed.count(), 1);
        QVERIFY(timer.isNull() || !timer->isActive());
        QCOMPARE(timeUp.count(), 0);
    }

    void timerElapsingClosesTheScreenAndKeepsTheLegacyFile() {
        touch(legacyFile());
        orvel::Acceuil* screen = newScreen(std::chrono::milliseconds(10));
        QSignalSpy timeUp(screen, &orvel::Acceuil::timeUp);
        QSignalSpy suite(screen, &orvel::Acceuil::suiteChosen);
        QSignalSpy closed(screen, &orvel::Acceuil::closedByUser);
        screen->show();

        QVERIFY(timeUp.wait());

        QVERIFY(screenClosed());
        QCOMPARE(suite.count(), 0);
        QCOMPARE(closed.count(), 0);
        QVERIFY(QFile::exists(legacyFile()));
    }

    void suiteDeletesTheLegacyFileSilently_data() {
        QTest::addColumn<bool>("present");
        QTest::newRow("file present") << true;
        QTest::newRow("no file") << false;
    }
    void suiteDeletesTheLegacyFileSilently() {
        QFETCH(bool, present);
        if (present) {
            touch(legacyFile());
        }
        const QString neighbour = directory_.filePath(QStringLiteral("Liste_References.prn"));
        touch(neighbour);
        orvel::Acceuil* screen = newScreen();
        QSignalSpy suite(screen, &orvel::Acceuil::suiteChosen);
        QSignalSpy closed(screen, &orvel::Acceuil::closedByUser);
        screen->show();
        const QPointer<QTimer> timer = control<QTimer>(screen, "Timer1");

        MessageCatcher catcher;
        QTest::mouseClick(control<QWidget>(screen, "Command1"), Qt::LeftButton);

        QVERIFY(!QFile::exists(legacyFile()));
        QVERIFY(QFile::exists(neighbour));
        QCOMPARE(suite.count(), 1);
        QCOMPARE(closed.count(), 0);
        QVERIFY(catcher.seen().empty());
        QVERIFY(timer.isNull() || !timer->isActive());
    }

    void closingThroughTheWindowSystemIsNoWayOn() {
        touch(legacyFile());
        orvel::Acceuil* screen = newScreen();
        QSignalSpy timeUp(screen, &orvel::Acceuil::timeUp);
        QSignalSpy suite(screen, &orvel::Acceuil::suiteChosen);
        QSignalSpy closed(screen, &orvel::Acceuil::closedByUser);
        QVERIFY(showActive(*screen));
        const QPointer<QTimer> timer = control<QTimer>(screen, "Timer1");

        screen->windowHandle()->close();

        QCOMPARE(closed.count(), 1);
        QVERIFY(timer.isNull() || !timer->isActive());
        QCOMPARE(timeUp.count() + suite.count(), 0);
        QVERIFY(QFile::exists(legacyFile()));
    }
};

QTEST_MAIN(WelcomeScreenTest)
#include "welcome_screen_test.moc"

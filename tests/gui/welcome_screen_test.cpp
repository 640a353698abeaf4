#include "app/information_texts.h"
#include "app/welcome_screen.h"
#include "message_catcher.h"
#include "modal_watcher.h"
#include "screen_checks.h"

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
using orvel::Acceuil;

namespace {

// The screen's three ways out, counted as "time up, Suite, closed by the user".
struct WaysOut {
    explicit WaysOut(Acceuil* screen)
        : timeUp(screen, &Acceuil::timeUp), suite(screen, &Acceuil::suiteChosen),
          closed(screen, &Acceuil::closedByUser) {}
    QString counts() const {
        return QStringLiteral("%1 %2 %3")
            .arg(timeUp.count())
            .arg(suite.count())
            .arg(closed.count());
    }
    QSignalSpy timeUp;
    QSignalSpy suite;
    QSignalSpy closed;
};

// Clicks the call sign; while its credit shows, hands the box to the look, then closes it.
void clickCallSign(Acceuil* screen, const char* name, const std::function<void()>& look) {
    ModalWatcher<QMessageBox> watcher([&look](QMessageBox* box) {
        look();
        box->button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(screen->findChild<QWidget*>(QString::fromLatin1(name)), Qt::LeftButton);
}

} // namespace

class WelcomeScreenTest : public QObject {
    Q_OBJECT

    QTemporaryDir directory_;
    // The screen deletes itself once closed; what a test leaves open goes at its end.
    QPointer<Acceuil> screen_;
    QPointer<QTimer> timer_;

    // Closed, and perhaps deleted already.
    bool screenClosed() const { return screen_.isNull() || !screen_->isVisible(); }
    bool timerStopped() const { return timer_.isNull() || !timer_->isActive(); }
    QString legacyFile() const { return directory_.filePath("Liste_DFCF_Tornim.prn"); }
    Acceuil* newScreen(std::chrono::milliseconds interval = Acceuil::kTimer1Interval) {
        screen_ = new Acceuil(directory_.path().toStdString(), interval);
        timer_ = control<QTimer>("Timer1");
        return screen_;
    }
    template <class T> T* control(const char* name) const {
        return screen_->findChild<T*>(QString::fromLatin1(name));
    }

private slots:
    void init() { QFile::remove(legacyFile()); }
    void cleanup() { delete screen_.data(); }

    void layoutIsTheWelcomeScreen() {
        Acceuil* screen = newScreen();
        QCOMPARE(screen->windowTitle(), QStringLiteral("Orvel Reference"));
        QCOMPARE(screen->size(), QSize(9120 / 15, 3615 / 15));
        QCOMPARE(screen->minimumSize(), screen->maximumSize());
        QCOMPARE(screen->frameGeometry().topLeft(), centredPosition(*screen));
        QCOMPARE(control<QWidget>("Frame1")->geometry(), pixelsOfTwips(120, 0, 8895, 3495));

        // Text, place, alignment, bold; the underlined labels are the call signs.
        const struct {
            const char* name;
            QString text;
            QRect geometry;
            Qt::Alignment alignment;
            bool bold;
            bool callSign;
        } labels[] = {
            {"Label2", "Index des références des diplômes radio Francais",
             pixelsOfTwips(120, 480, 8655, 375), Qt::AlignHCenter, true, false},
            {"Label3", "d'après une compilation de", pixelsOfTwips(1680, 960, 4335, 375),
             Qt::AlignRight, true, false},
            {"Label1", "Tornim", pixelsOfTwips(6120, 960, 1215, 375), Qt::AlignLeft, false, true},
            {"Label5", "Pour toutes activités se référer au diplome manager du département",
             pixelsOfTwips(120, 1920, 8655, 375), Qt::AlignHCenter, false, false},
            {"Label4", "Création du logiciel par", pixelsOfTwips(120, 2880, 5535, 375),
             Qt::AlignRight, true, false},
            {"Label6", "Pelkar", pixelsOfTwips(5760, 2880, 1215, 375), Qt::AlignLeft, false, true},
        };
        for (const auto& expected : labels) {
            const auto* label = control<QLabel>(expected.name);
            QVERIFY2(label != nullptr, expected.name);
            QCOMPARE(label->text(), expected.text);
            QCOMPARE(label->geometry(), expected.geometry);
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, expected.alignment);
            QCOMPARE(label->font().pointSizeF(), 13.5);
            QCOMPARE(label->font().bold(), expected.bold);
            QCOMPARE(label->font().underline(), expected.callSign);
            QVERIFY2(showsWholeText(*label), expected.name);
            QCOMPARE(label->toolTip(), expected.callSign ? QStringLiteral("Cliquez") : QString());
        }

        const auto* suite = control<QPushButton>("Command1");
        QCOMPARE(suite->text(), QStringLiteral("Suite"));
        QCOMPARE(suite->geometry(), pixelsOfTwips(7680, 2880, 1095, 375));
        QCOMPARE(suite->font().pointSizeF(), 9.75);
    }

    void timerRunsTwentySecondsFromTheStart() {
        newScreen();
        QVERIFY(timer_->isActive());
        QCOMPARE(timer_->interval(), 20000);
    }

    void suiteIsTheOnlyFocusAndEnterPressesIt() {
        Acceuil* screen = newScreen();
        const WaysOut ways(screen);
        QCOMPARE(focusableControls(*screen), QStringList{QStringLiteral("Command1")});
        QVERIFY(showActive(*screen));
        QCOMPARE(QApplication::focusWidget(), control<QWidget>("Command1"));
        QTest::keyClick(screen->windowHandle(), Qt::Key_Return);
        QCOMPARE(ways.counts(), QStringLiteral("0 1 0"));
        QVERIFY(screenClosed());
    }

    // The credit texts themselves are pinned by the information texts' own tests.
    void callSignsShowTheCreditsOfTheMainWindow() {
        newScreen()->show();
        MessageCatcher catcher;
        QTest::mouseClick(control<QWidget>("Label6"), Qt::LeftButton);
        QTest::mouseClick(control<QWidget>("Label1"), Qt::LeftButton);
        QCOMPARE(catcher.texts(), QStringList({QString::fromStdString(orvel::authorCredits()),
                                               QString::fromStdString(orvel::compilerCredits())}));
        for (const SeenMessage& message : catcher.seen()) {
            QVERIFY(message.isProgramBox());
        }
    }

    void creditMessageStopsTheTimerThenRestartsAFullInterval() {
        Acceuil* screen = newScreen(std::chrono::seconds(10));
        screen->show();
        QTest::qWait(100); // some of the first interval goes by before the click
        const int remainingBeforeClick = timer_->remainingTime();
        bool runningWhileOpen = true;
        clickCallSign(screen, "Label1", [&] { runningWhileOpen = timer_->isActive(); });
        QVERIFY(!runningWhileOpen);
        QVERIFY(timer_->isActive());
        QCOMPARE(timer_->interval(), 10000);
        QVERIFY(timer_->remainingTime() > remainingBeforeClick);
    }

    void screenClosedDuringCreditsStaysClosed() {
        Acceuil* screen = newScreen(std::chrono::minutes(1));
        const WaysOut ways(screen);
        screen->show();
        clickCallSign(screen, "Label6", [screen] { screen->windowHandle()->close(); });
        QCOMPARE(ways.counts(), QStringLiteral("0 0 1"));
        QVERIFY(timerStopped());
    }

    void timerElapsingClosesTheScreenAndKeepsTheLegacyFile() {
        writeFile(legacyFile());
        Acceuil* screen = newScreen(std::chrono::milliseconds(10));
        WaysOut ways(screen);
        screen->show();
        QVERIFY(ways.timeUp.wait());
        QVERIFY(screenClosed());
        QCOMPARE(ways.counts(), QStringLiteral("1 0 0"));
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
            writeFile(legacyFile());
        }
        const QString neighbour = directory_.filePath(QStringLiteral("Liste_References.prn"));
        writeFile(neighbour);
        Acceuil* screen = newScreen();
        const WaysOut ways(screen);
        screen->show();
        MessageCatcher catcher;
        QTest::mouseClick(control<QWidget>("Command1"), Qt::LeftButton);

        QVERIFY(!QFile::exists(legacyFile()));
        QVERIFY(QFile::exists(neighbour));
        QCOMPARE(ways.counts(), QStringLiteral("0 1 0"));
        QVERIFY(catcher.seen().empty());
        QVERIFY(timerStopped());
    }

    void closingThroughTheWindowSystemIsNoWayOn() {
        writeFile(legacyFile());
        Acceuil* screen = newScreen();
        const WaysOut ways(screen);
        QVERIFY(showActive(*screen));
        screen->windowHandle()->close();
        QCOMPARE(ways.counts(), QStringLiteral("0 0 1"));
        QVERIFY(timerStopped());
        QVERIFY(QFile::exists(legacyFile()));
    }
};

QTEST_MAIN(WelcomeScreenTest)
#include "welcome_screen_test.moc"

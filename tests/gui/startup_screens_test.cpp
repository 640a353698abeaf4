#include "app/information_texts.h"
#include "app/warning_screen.h"
#include "app/welcome_screen.h"
#include "tests/gui/message_catcher.h"
#include "tests/gui/screen_checks.h"

#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

using namespace orvel;
using namespace std::chrono_literals;

class StartupScreensTest : public QObject {
    Q_OBJECT

    QTemporaryDir directory_;
    QPointer<Acceuil> welcome_; // deletes itself once closed
    QPointer<QTimer> timer_;

    QString legacyFile() const { return directory_.filePath("Liste_DFCF_Tornim.prn"); }
    void writeLegacyFile() const {
        QFile file(legacyFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    Acceuil* newWelcome(std::chrono::milliseconds interval = Acceuil::kTimer1Interval) {
        welcome_ = new Acceuil(directory_.path().toStdString(), interval);
        timer_ = testing::control<QTimer>(*welcome_, "Timer1");
        return welcome_;
    }
    bool timerStopped() const { return timer_.isNull() || !timer_->isActive(); }
    // The ways out taken so far, as "time up, Suite, closed by the user".
    static QString waysOut(const QSignalSpy& timeUp, const QSignalSpy& suite,
                           const QSignalSpy& closed) {
        return QStringLiteral("%1 %2 %3")
            .arg(timeUp.count())
            .arg(suite.count())
            .arg(closed.count());
    }

private slots:
    void cleanup() { delete welcome_.data(); }

    // The welcome screen closes by its timer, by its Suite button (Enter presses it) or through
    // the window system; only Suite deletes the legacy file, without a word.
    void welcomeScreenWaysOut_data() {
        QTest::addColumn<int>("way");
        QTest::addColumn<QString>("taken");
        QTest::addColumn<bool>("legacyKept");
        QTest::newRow("timer") << 0 << "1 0 0" << true;
        QTest::newRow("Enter on Suite") << 1 << "0 1 0" << false;
        QTest::newRow("closed") << 2 << "0 0 1" << true;
    }
    void welcomeScreenWaysOut() {
        QFETCH(int, way);
        QFETCH(QString, taken);
        QFETCH(bool, legacyKept);
        writeLegacyFile();
        Acceuil* screen = newWelcome(way == 0 ? 10ms : 1min);
        QSignalSpy timeUp(screen, &Acceuil::timeUp);
        QSignalSpy suite(screen, &Acceuil::suiteChosen);
        QSignalSpy closed(screen, &Acceuil::closedByUser);
        testing::MessageCatcher messages;
        QCOMPARE(screen->frameGeometry().topLeft(), testing::centredPosition(*screen));
        QVERIFY(testing::showActive(*screen));
        if (way == 0) {
            QVERIFY(timeUp.wait());
        } else if (way == 1) {
            QTest::keyClick(screen->windowHandle(), Qt::Key_Return);
        } else {
            screen->windowHandle()->close();
        }
        QCOMPARE(waysOut(timeUp, suite, closed), taken);
        QVERIFY(welcome_.isNull() || !welcome_->isVisible());
        QVERIFY(timerStopped());
        QCOMPARE(QFile::exists(legacyFile()), legacyKept);
        QCOMPARE(messages.texts(), QStringList());
        QFile::remove(legacyFile());
    }

    // A call sign shows its owner's credits; the timer stops meanwhile and then runs a full
    // interval again, unless the screen was closed meanwhile.
    void callSignsShowTheCreditsAndHoldTheTimer() {
        Acceuil* screen = newWelcome(10s);
        QVERIFY(testing::showActive(*screen));
        QCOMPARE(timer_->interval(), 10000);
        QVERIFY(testing::control<QLabel>(*screen, "Label1")->font().underline());
        QVERIFY(!testing::control<QLabel>(*screen, "Label6")->font().bold());
        QVERIFY(testing::control<QLabel>(*screen, "Label2")->font().bold());
        QTest::qWait(100);
        const int remaining = timer_->remainingTime();
        bool runningMeanwhile = true;
        {
            testing::ModalWatcher<QMessageBox> credits([&](QMessageBox* box) {
                runningMeanwhile = timer_->isActive();
                box->accept();
            });
            QTest::mouseClick(testing::control<QWidget>(*screen, "Label6"), Qt::LeftButton);
        }
        QVERIFY(!runningMeanwhile);
        QVERIFY(timer_->remainingTime() > remaining);
        {
            testing::MessageCatcher messages;
            QTest::mouseClick(testing::control<QWidget>(*screen, "Label1"), Qt::LeftButton);
            QCOMPARE(messages.texts(), QStringList{QString::fromStdString(compilerCredits())});
        }
        QSignalSpy closed(screen, &Acceuil::closedByUser);
        testing::ModalWatcher<QMessageBox> closing([screen](QMessageBox* box) {
            screen->windowHandle()->close();
            box->accept();
        });
        QTest::mouseClick(testing::control<QWidget>(*screen, "Label6"), Qt::LeftButton);
        QCOMPARE(closed.count(), 1);
        QVERIFY(timerStopped());
        QCOMPARE(Acceuil(directory_.path().toStdString()).findChild<QTimer*>()->interval(), 20000);
    }

    // The warning screen has no timer: its Suite (Enter presses it) leads on, closing it ends.
    void warningScreenWaysOut() {
        for (const bool suiteChosen : {true, false}) {
            QPointer<Avertissement> screen = new Avertissement;
            QVERIFY(screen->findChildren<QTimer*>().isEmpty());
            QVERIFY(testing::control<QLabel>(*screen, "Label2")->font().bold());
            QSignalSpy suite(screen.data(), &Avertissement::suiteChosen);
            QSignalSpy closed(screen.data(), &Avertissement::closedByUser);
            QVERIFY(testing::showActive(*screen));
            if (suiteChosen) {
                QTest::keyClick(screen->windowHandle(), Qt::Key_Return);
            } else {
                screen->windowHandle()->close();
            }
            QCOMPARE(waysOut(suite, suite, closed),
                     suiteChosen ? QStringLiteral("1 1 0") : QStringLiteral("0 0 1"));
            QVERIFY(screen.isNull() || !screen->isVisible());
            delete screen.data();
        }
    }
};

QTEST_MAIN(StartupScreensTest)
#include "startup_screens_test.moc"

#include "app/warning_screen.h"
#include "screen_checks.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace orvel::testing;

class WarningScreenTest : public QObject {
    Q_OBJECT

private:
    // The screen deletes itself once closed; what a test leaves open goes at its end.
    QPointer<orvel::Avertissement> screen_;

    // Closed, and perhaps deleted already.
    bool screenClosed() const { return screen_.isNull() || !screen_->isVisible(); }

    orvel::Avertissement* newScreen() {
        screen_ = new orvel::Avertissement;
        return screen_;
    }

private slots:
    void cleanup() { delete screen_.data(); }

    void layoutIsTheWarningScreen() {
        orvel::Avertissement* screen = newScreen();
        QCOMPARE(screen->windowTitle(), QStringLiteral("Avertissement"));
        QCOMPARE(screen->size(), QSize(8625 / 15, 4710 / 15));
        QCOMPARE(screen->minimumSize(), screen->maximumSize());
        QCOMPARE(screen->frameGeometry().topLeft(), centredPosition(*screen));
        const auto* frame = screen->findChild<QWidget*>(QStringLiteral("Frame1"));
        QCOMPARE(frame->geometry(), pixelsOfTwips(120, 0, 8415, 4575));

        const auto* title = frame->findChild<QLabel*>(QStringLiteral("Label2"));
        QCOMPARE(title->text(), QStringLiteral("AVERTISSEMENT"));
        QCOMPARE(title->geometry(), pixelsOfTwips(120, 360, 8175, 375));
        QCOMPARE(title->font().pointSizeF(), 13.5);
        QVERIFY(title->font().bold());

        // Top to bottom, the lines of the notice, every one whole on the screen.
        const std::pair<const char*, int> lines[] = {
            {"Label3", 1080}, {"Label4", 1440},  {"Label5", 1800},  {"Label8", 2160},
            {"Label9", 2520}, {"Label10", 2880}, {"Label11", 3240}, {"Label1", 3600},
        };
        QStringList texts;
        for (const auto& [name, top] : lines) {
            const auto* label = frame->findChild<QLabel*>(QString::fromLatin1(name));
            QVERIFY2(label != nullptr, name);
            QCOMPARE(label->geometry(), pixelsOfTwips(120, top, 8175, 255));
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
            QCOMPARE(label->font(), screen->font());
            QVERIFY2(!label->text().trimmed().isEmpty(), name);
            QVERIFY2(showsWholeText(*label), name);
            texts << label->text();
        }
        // Label8 to Label11 read as one sentence: it starts with a capital, ends with a full
        // stop, and no line in between ends it.
        QVERIFY(texts[3].at(0).isUpper());
        for (int line = 3; line < 6; ++line) {
            QVERIFY(!texts[line].endsWith(QLatin1Char('.')));
        }
        QVERIFY(texts[6].endsWith(QLatin1Char('.')));
        QVERIFY(texts[7].contains(QStringLiteral("Tornim")));

        const auto* suivant = screen->findChild<QPushButton*>(QStringLiteral("Suivant"));
        QCOMPARE(suivant->text(), QStringLiteral("Suite"));
        QCOMPARE(suivant->geometry(), pixelsOfTwips(3840, 3960, 975, 375));
    }

    void hasNoTimer() {
        const orvel::Avertissement* screen = newScreen();
        QVERIFY(screen->findChildren<QTimer*>().isEmpty());
    }

    void suiteIsTheOnlyFocusAndEnterPressesIt() {
        orvel::Avertissement* screen = newScreen();
        QSignalSpy suite(screen, &orvel::Avertissement::suiteChosen);
        QSignalSpy closed(screen, &orvel::Avertissement::closedByUser);
        QCOMPARE(focusableControls(*screen), QStringList{QStringLiteral("Suivant")});
        QVERIFY(showActive(*screen));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Suivant"));

        QTest::keyClick(screen->windowHandle(), Qt::Key_Return);

        QCOMPARE(suite.count(), 1);
        QCOMPARE(closed.count(), 0);
        QVERIFY(screenClosed());
    }

    void closingThroughTheWindowSystemIsNoWayOn() {
        orvel::Avertissement* screen = newScreen();
        QSignalSpy suite(screen, &orvel::Avertissement::suiteChosen);
        QSignalSpy closed(screen, &orvel::Avertissement::closedByUser);
        QVERIFY(showActive(*screen));

        screen->windowHandle()->close();

        QCOMPARE(closed.count(), 1);
        QCOMPARE(suite.count(), 0);
    }
};

QTEST_MAIN(WarningScreenTest)
#include "warning_screen_test.moc"

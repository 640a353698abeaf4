#include "app/desktop_identity.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QTest>

class DesktopDetailsTest : public QObject {
    Q_OBJECT

private slots:
    // The menu entry names the window class the program gives itself and is the file the
    // program names as its own, and the windows carry an icon that can be drawn.
    void programIdentifiesAsItsMenuEntry() {
        orvel::identifyAsDesktopProgram();
        QFile entry(QStringLiteral(ORVEL_DESKTOP_ENTRY));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n'));
        QVERIFY(lines.contains(QStringLiteral("StartupWMClass=") +
                               QCoreApplication::applicationName()));
        QCOMPARE(QGuiApplication::desktopFileName() + QStringLiteral(".desktop.in"),
                 QFileInfo(entry).fileName());
        QVERIFY(!QGuiApplication::windowIcon().pixmap(32).isNull());
    }
};

QTEST_MAIN(DesktopDetailsTest)
#include "desktop_details_test.moc"

#include "listing/detail_window.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <string>

using orvel::Affichage;

namespace {

const char* const kBoxes[] = {"Commune_N", "CP_N",     "Diplome_N",  "Ref_N", "Type_N",
                              "Nom_N",     "Canton_N", "Num_Canton", "Obs_N"};

// A line of the commune listing, 136 characters: each field at its columns, blanks around
// the values to show that they are trimmed. Windows-1252.
std::string communeLine() {
    std::string line(136, ' ');
    const auto put = [&line](std::size_t column, const std::string& value) {
        line.replace(column - 1, value.size(), value);
    };
    put(1, "  SAINT-\xC9TIENNE");
    put(30, "42000");
    put(37, "DFCF");
    put(43, "42-001");
    put(50, "Ch\xE2teau");
    put(58, " Ch\xE2teau de Rochetaill\xE9"
            "e");
    put(87, "4218");
    put(92, "Saint-\xC9tienne-Sud-Est-2"); // 23 characters: the name may run to column 118
    put(120, "  01/01/2020");
    return line;
}

QStringList shownFields(Affichage& window) {
    QStringList values;
    for (const char* name : kBoxes) {
        values << window.findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }
    return values;
}

} // namespace

class DetailWindowTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheNineTrimmedFieldsOfTheLine();
    void shortLineLeavesTheBoxesPastItsEndEmpty();
    void placeholderCantonNumberIsShownAsWritten();
    void isLaidOutCentredAndPaleYellow();
    void closesByQuitterAndByTheCloseBox();
};

void DetailWindowTest::showsTheNineTrimmedFieldsOfTheLine() {
    Affichage window(communeLine());
    QCOMPARE(shownFields(window), QStringList({"SAINT-ÉTIENNE", "42000", "DFCF", "42-001",
                                               "Château", "Château de Rochetaillée",
                                               "Saint-Étienne-Sud-Est-2", "4218", "01/01/2020"}));
    QCOMPARE(window.windowTitle(), QStringLiteral("Affichage d'une référence"));
}

void DetailWindowTest::shortLineLeavesTheBoxesPastItsEndEmpty() {
    // Cut after column 115: the canton name keeps columns 92 to 115, the observation is gone.
    Affichage cut(communeLine().substr(0, 115));
    QCOMPARE(shownFields(cut),
             QStringList({"SAINT-ÉTIENNE", "42000", "DFCF", "42-001", "Château",
                          "Château de Rochetaillée", "Saint-Étienne-Sud-Est-2", "4218", ""}));
    Affichage halfCanton(communeLine().substr(0, 100));
    QCOMPARE(shownFields(halfCanton)[6], QStringLiteral("Saint-Éti")); // columns 92 to 100

    Affichage empty("");
    QCOMPARE(shownFields(empty), QStringList(9, QString()));
}

void DetailWindowTest::placeholderCantonNumberIsShownAsWritten() {
    std::string line = communeLine();
    line.replace(86, 4, "----");
    Affichage window(line);
    QCOMPARE(window.findChild<QLineEdit*>("Num_Canton")->text(), QStringLiteral("----"));
}

void DetailWindowTest::isLaidOutCentredAndPaleYellow() {
    Affichage window(communeLine());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), QSize(409, 409)); // 6135 twips
    QCOMPARE(window.findChild<QLineEdit*>("Commune_N")->geometry(), QRect(144, 80, 217, 19));
    QCOMPARE(window.findChild<QLineEdit*>("Canton_N")->geometry(), QRect(144, 272, 241, 19));
    QCOMPARE(window.findChild<QLineEdit*>("Obs_N")->geometry(), QRect(144, 336, 113, 19));
    QCOMPARE(window.findChild<QPushButton*>("Quitter")->geometry(), QRect(168, 368, 81, 25));
    for (const char* name : kBoxes) {
        QCOMPARE(window.findChild<QLineEdit*>(name)->palette().color(QPalette::Base),
                 QColor(255, 255, 192));
    }
    // Centred when it is made, before the window system adds its frame: the frame may move
    // the centre by its own width at most.
    const QPoint offCentre =
        window.frameGeometry().center() - QGuiApplication::primaryScreen()->geometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 8,
             qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
}

void DetailWindowTest::closesByQuitterAndByTheCloseBox() {
    Affichage byQuitter(communeLine());
    byQuitter.open();
    QVERIFY(byQuitter.isModal());
    QSignalSpy quitterClosed(&byQuitter, &QDialog::finished);
    QTest::mouseClick(byQuitter.findChild<QPushButton*>("Quitter"), Qt::LeftButton);
    QVERIFY(!byQuitter.isVisible());
    QCOMPARE(quitterClosed.size(), 1);

    Affichage byCloseBox(communeLine());
    byCloseBox.open();
    QSignalSpy closeBoxClosed(&byCloseBox, &QDialog::finished);
    QVERIFY(byCloseBox.close());
    QVERIFY(!byCloseBox.isVisible());
    QCOMPARE(closeBoxClosed.size(), 1);
}

QTEST_MAIN(DetailWindowTest)
#include "detail_window_test.moc"

#include "listing/detail_window.h"
#include "tests/gui/screen_checks.h"

#include <QLineEdit>
#include <QPushButton>

using orvel::Affichage;

namespace {

// A line of the commune listing, 136 characters, each value at its columns with blanks around.
std::string communeLine() {
    std::string line(136, ' ');
    const std::pair<std::size_t, std::string> values[] = {{1, "  SAINT-\xC9TIENNE"},
                                                          {30, "42000"},
                                                          {37, "DFCF"},
                                                          {43, "42-001"},
                                                          {50, "Ch\xE2teau"},
                                                          {58, " Ch\xE2teau de Rochetaill\xE9"
                                                               "e"},
                                                          {87, "4218"},
                                                          {92, "Saint-\xC9tienne-Sud-Est-2"},
                                                          {120, "  01/01/2020"}};
    for (const auto& [column, value] : values) {
        line.replace(column - 1, value.size(), value);
    }
    return line;
}

QStringList shownFields(const Affichage& window) {
    QStringList values;
    for (const char* name : {"Commune_N", "CP_N", "Diplome_N", "Ref_N", "Type_N", "Nom_N",
                             "Canton_N", "Num_Canton", "Obs_N"}) {
        values << orvel::testing::control<QLineEdit>(window, name)->text();
    }
    return values;
}

} // namespace

class DetailWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The nine fields, trimmed; a short line leaves the boxes past its end empty.
    void showsTheFieldsOfTheLine() {
        const QStringList whole{"SAINT-ÉTIENNE",
                                "42000",
                                "DFCF",
                                "42-001",
                                "Château",
                                "Château de Rochetaillée",
                                "Saint-Étienne-Sud-Est-2",
                                "4218",
                                "01/01/2020"};
        QCOMPARE(shownFields(Affichage(communeLine())), whole);
        QCOMPARE(shownFields(Affichage(communeLine().substr(0, 115))), QStringList(whole.mid(0, 8))
                                                                           << "");
        QCOMPARE(shownFields(Affichage(communeLine().substr(0, 100)))[6],
                 QStringLiteral("Saint-Éti"));
        QCOMPARE(shownFields(Affichage("")), QStringList(9));
    }

    void opensCentredAndClosesByQuitter() {
        Affichage window(communeLine());
        window.open();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint offCentre =
            window.frameGeometry().topLeft() - orvel::testing::centredPosition(window);
        QVERIFY(offCentre.manhattanLength() <= 8); // the frame, added after centring
        QCOMPARE(window.findChild<QLineEdit*>("Obs_N")->palette().color(QPalette::Base),
                 QColor(255, 255, 192));
        QTest::mouseClick(window.findChild<QPushButton*>("Quitter"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(DetailWindowTest)
#include "detail_window_test.moc"

#include "app/help_viewer.h"
#include "data/program_directory.h"
#include "tests/gui/message_catcher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

namespace orvel {
namespace {

// The help windows open at this moment.
QList<QWidget*> openViewers() {
    QList<QWidget*> viewers;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const auto* browser = window->findChild<QTextBrowser*>();
        if (window->isVisible() && browser != nullptr && browser->window() == window) {
            viewers.append(window);
        }
    }
    return viewers;
}

QString shownText(const QWidget* viewer) {
    return viewer->findChild<QTextBrowser*>()->toPlainText();
}

} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> program_ = std::make_unique<QWidget>();
    std::unique_ptr<QTemporaryDir> directory_; // a fresh one for each test

    // Opens the help named "<name>.hlp" in the test's directory; writes the HTML document of
    // that name first when given one.
    void showHelpIn(const QString& name, const QByteArray& html = {}) {
        if (!html.isEmpty()) {
            QFile file(directory_->filePath(name + ".html"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(html);
        }
        showHelp(program_.get(), directory_->filePath(name + ".hlp").toStdString());
    }

private slots:
    void init() {
        directory_ = std::make_unique<QTemporaryDir>();
        QVERIFY(directory_->isValid());
    }
    void cleanup() {
        for (QWidget* viewer : openViewers()) {
            viewer->close();
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void opensBesideTheProgramAndReturnsAtOnce() {
        testing::MessageCatcher messages;
        program_->show();
        showHelpIn("Orvel_Reference",
                   "<html><head><title>Aide de test</title></head><body>Bonjour</body></html>");

        // Back here while the viewer is still open: the call did not wait for it.
        const QList<QWidget*> viewers = openViewers();
        QCOMPARE(viewers.size(), 1);
        QVERIFY(viewers.front()->isWindow());
        QCOMPARE(viewers.front()->windowModality(), Qt::NonModal);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(program_->isEnabled());
        QVERIFY(messages.seen().empty());
    }

    void showsTheHtmlDocumentOfTheHelpFileName() {
        showHelpIn("Aide", "<html><head><meta charset=\"utf-8\"><title>Notice éprouvée</title>"
                           "</head><body><h2 id=\"sommaire\">Sommaire</h2><p>Château</p></body>"
                           "</html>");
        const QList<QWidget*> viewers = openViewers();
        QCOMPARE(viewers.size(), 1);
        QCOMPARE(viewers.front()->windowTitle(), QStringLiteral("Notice éprouvée"));
        QVERIFY(shownText(viewers.front()).contains(QStringLiteral("Château")));
    }

    void secondCallReusesTheOpenViewer() {
        const auto help = programDirectory() / "Orvel_Reference.hlp";
        showHelp(program_.get(), help);
        showHelp(program_.get(), help);
        QCOMPARE(openViewers().size(), 1);
    }

    void shippedHelpIsFoundInTheProgramDirectory() {
        // Started from elsewhere, the program still looks next to its executable.
        const QString previous = QDir::currentPath();
        QDir::setCurrent(QDir::tempPath());
        showHelp(program_.get(), programDirectory() / "Orvel_Reference.hlp");
        QDir::setCurrent(previous);

        const QList<QWidget*> viewers = openViewers();
        QCOMPARE(viewers.size(), 1);
        QCOMPARE(viewers.front()->windowTitle(),
                 QStringLiteral("Orvel_Reference — Notice d'utilisation"));
        const QString text = shownText(viewers.front());
        for (const char* topic :
             {"Avertissement", "Affichage par nom de Commune", "Affichage par N° de Code Postal",
              "Affichage d'une référence", "Recherche", "Imprimer dans un fichier (PDF)",
              "Révision de la base de données", "Historique", "Liste_References.prn",
              "Windows-1252"}) {
            QVERIFY2(text.contains(QString::fromUtf8(topic)), topic);
        }
    }

    void missingOrUnreadableHelpIsReportedInTheViewer_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing") << false << QStringLiteral("est introuvable");
        // A directory where the document should be cannot be read as one, even by root.
        QTest::newRow("unreadable") << true << QStringLiteral("ne peut pas être lu");
    }

    void missingOrUnreadableHelpIsReportedInTheViewer() {
        QFETCH(bool, present);
        QFETCH(QString, expected);
        if (present) {
            QVERIFY(QDir(directory_->path()).mkdir(QStringLiteral("Orvel_Reference.html")));
        }
        testing::MessageCatcher messages;
        showHelpIn("Orvel_Reference");

        const QList<QWidget*> viewers = openViewers();
        QCOMPARE(viewers.size(), 1);
        QCOMPARE(viewers.front()->windowTitle(), QStringLiteral("Notice d'utilisation"));
        const QString text = shownText(viewers.front());
        QVERIFY2(text.contains(expected), qPrintable(text));
        QVERIFY(text.contains(directory_->filePath(QStringLiteral("Orvel_Reference.html"))));
        QVERIFY(messages.seen().empty());
    }
};

} // namespace orvel

QTEST_MAIN(orvel::HelpViewerTest)
#include "help_viewer_test.moc"

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

std::filesystem::path pathIn(const QTemporaryDir& directory, const QString& name) {
    return directory.filePath(name).toStdString();
}

} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void opensBesideTheProgramAndReturnsAtOnce();
    void showsTheHtmlDocumentOfTheHelpFileName();
    void secondCallReusesTheOpenViewer();
    void shippedHelpIsFoundInTheProgramDirectory();
    void missingOrUnreadableHelpIsReportedInTheViewer_data();
    void missingOrUnreadableHelpIsReportedInTheViewer();

private:
    std::unique_ptr<QWidget> program_ = std::make_unique<QWidget>();
};

void HelpViewerTest::cleanup() {
    for (QWidget* viewer : openViewers()) {
        viewer->close();
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void HelpViewerTest::opensBesideTheProgramAndReturnsAtOnce() {
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    QFile html(directory.filePath(QStringLiteral("Orvel_Reference.html")));
    QVERIFY(html.open(QIODevice::WriteOnly));
    html.write("<html><head><title>Aide de test</title></head><body>Bonjour</body></html>");
    html.close();

    testing::MessageCatcher messages;
    program_->show();
    showHelp(program_.get(), pathIn(directory, QStringLiteral("Orvel_Reference.hlp")),
             HelpCommand::Contents);

    // Back here while the viewer is still open: the call did not wait for it.
    const QList<QWidget*> viewers = openViewers();
    QCOMPARE(viewers.size(), 1);
    QVERIFY(viewers.front()->isWindow());
    QCOMPARE(viewers.front()->windowModality(), Qt::NonModal);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(program_->isEnabled());
    QVERIFY(messages.seen().empty());
}

void HelpViewerTest::showsTheHtmlDocumentOfTheHelpFileName() {
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    QFile html(directory.filePath(QStringLiteral("Aide.html")));
    QVERIFY(html.open(QIODevice::WriteOnly));
    html.write("<html><head><meta charset=\"utf-8\"><title>Notice éprouvée</title></head>"
               "<body><h2 id=\"sommaire\">Sommaire</h2><p>Château</p></body></html>");
    html.close();

    showHelp(program_.get(), pathIn(directory, QStringLiteral("Aide.hlp")), HelpCommand::Contents);
    const QList<QWidget*> viewers = openViewers();
    QCOMPARE(viewers.size(), 1);
    QCOMPARE(viewers.front()->windowTitle(), QStringLiteral("Notice éprouvée"));
    QVERIFY(shownText(viewers.front()).contains(QStringLiteral("Château")));
}

void HelpViewerTest::secondCallReusesTheOpenViewer() {
    const auto help = programFile(programDirectory(), "Orvel_Reference.hlp");
    showHelp(program_.get(), help, HelpCommand::Contents);
    showHelp(program_.get(), help, HelpCommand::Contents);
    QCOMPARE(openViewers().size(), 1);
}

void HelpViewerTest::shippedHelpIsFoundInTheProgramDirectory() {
    // Started from elsewhere, the program still looks next to its executable.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    showHelp(program_.get(), programFile(programDirectory(), "Orvel_Reference.hlp"),
             HelpCommand::Contents);
    QDir::setCurrent(previous);

    const QList<QWidget*> viewers = openViewers();
    QCOMPARE(viewers.size(), 1);
    QCOMPARE(viewers.front()->windowTitle(),
             QStringLiteral("Orvel_Reference — Notice d'utilisation"));
    const QString text = shownText(viewers.front());
    for (const QString& topic :
         {QStringLiteral("Avertissement"), QStringLiteral("Affichage par nom de Commune"),
          QStringLiteral("Affichage par N° de Code Postal"),
          QStringLiteral("Affichage d'une référence"), QStringLiteral("Recherche"),
          QStringLiteral("Imprimer dans un fichier (PDF)"),
          QStringLiteral("Révision de la base de données"), QStringLiteral("Historique"),
          QStringLiteral("Liste_References.prn"), QStringLiteral("Windows-1252")}) {
        QVERIFY2(text.contains(topic), qPrintable(topic));
    }
}

void HelpViewerTest::missingOrUnreadableHelpIsReportedInTheViewer_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing") << false << QStringLiteral("est introuvable");
    // A directory where the document should be cannot be read as one, even by root.
    QTest::newRow("unreadable") << true << QStringLiteral("ne peut pas être lu");
}

void HelpViewerTest::missingOrUnreadableHelpIsReportedInTheViewer() {
    QFETCH(bool, present);
    QFETCH(QString, expected);
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    if (present) {
        QVERIFY(QDir(directory.path()).mkdir(QStringLiteral("Orvel_Reference.html")));
    }

    testing::MessageCatcher messages;
    showHelp(program_.get(), pathIn(directory, QStringLiteral("Orvel_Reference.hlp")),
             HelpCommand::Contents);

    const QList<QWidget*> viewers = openViewers();
    QCOMPARE(viewers.size(), 1);
    QCOMPARE(viewers.front()->windowTitle(), QStringLiteral("Notice d'utilisation"));
    const QString text = shownText(viewers.front());
    QVERIFY2(text.contains(expected), qPrintable(text));
    QVERIFY(text.contains(directory.filePath(QStringLiteral("Orvel_Reference.html"))));
    QVERIFY(messages.seen().empty());
}

} // namespace orvel

QTEST_MAIN(orvel::HelpViewerTest)
#include "help_viewer_test.moc"

#include "app/help_viewer.h"
#include "data/program_directory.h"
#include "tests/gui/message_catcher.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

namespace orvel {

class HelpViewerTest : public QObject {
    Q_OBJECT

    QWidget program_;

    // Opens the help "<name>.hlp" of the directory and returns the viewer's title and text.
    QStringList opened(const QString& directory, const QString& name) {
        showHelp(&program_, QDir(directory).filePath(name + ".hlp").toStdString(),
                 HelpCommand::Contents);
        const auto viewers = program_.findChildren<QTextBrowser*>();
        if (viewers.size() != 1 || !viewers.front()->window()->isVisible()) {
            return {QStringLiteral("%1 viewers").arg(viewers.size())};
        }
        return {viewers.front()->window()->windowTitle(), viewers.front()->toPlainText()};
    }

private slots:
    void cleanup() { qDeleteAll(program_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)); }

    // The HTML document of the help file's name shows in a window of its own, which a second
    // call brings back; the call returns at once and nothing is modal.
    void showsTheHtmlDocumentBesideTheProgram() {
        QTemporaryDir directory;
        QFile file(directory.filePath("Aide.html"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><head><meta charset=\"utf-8\"><title>Notice éprouvée</title></head>"
                   "<body><p>Château</p></body></html>");
        file.close();
        testing::MessageCatcher messages;
        QCOMPARE(opened(directory.path(), "Aide"), QStringList({"Notice éprouvée", "Château"}));
        QCOMPARE(opened(directory.path(), "Aide").size(), 2);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(messages.texts(), QStringList());
    }

    // Started from elsewhere, the program finds its own help.
    void shippedHelpIsFoundInTheProgramDirectory() {
        const QString previous = QDir::currentPath();
        QDir::setCurrent(QDir::tempPath());
        const QStringList shown =
            opened(QString::fromStdString(programDirectory().string()), "Orvel_Reference");
        QDir::setCurrent(previous);
        QCOMPARE(shown.size(), 2);
        QVERIFY(shown[1].contains(QStringLiteral("Affichage par nom de Commune")));
    }

    // A directory where the document should be cannot be read as one, even by root.
    void missingOrUnreadableHelpIsReportedInTheViewer() {
        QTemporaryDir directory;
        const QString document = directory.filePath("Orvel_Reference.html");
        QCOMPARE(opened(directory.path(), "Orvel_Reference"),
                 QStringList(
                     {"Notice d'utilisation",
                      QStringLiteral("Le fichier d'aide « %1 » est introuvable.").arg(document)}));
        QVERIFY(QDir().mkdir(document));
        QCOMPARE(
            opened(directory.path(), "Orvel_Reference"),
            QStringList(
                {"Notice d'utilisation",
                 QStringLiteral("Le fichier d'aide « %1 » ne peut pas être lu.").arg(document)}));
    }
};

} // namespace orvel

QTEST_MAIN(orvel::HelpViewerTest)
#include "help_viewer_test.moc"

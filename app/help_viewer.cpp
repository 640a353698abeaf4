#include "app/help_viewer.h"

#include "widgets/accessible_roles.h"
#include "widgets/window_style.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace orvel {
namespace {

const QString kViewerName = QStringLiteral("helpViewer");
const QString kViewerTitle = QStringLiteral("Notice d'utilisation");

// The anchor of the help document's table of contents.
const QString kContentsAnchor = QStringLiteral("sommaire");

QString htmlFileOf(const std::filesystem::path& helpFile) {
    std::filesystem::path html = helpFile;
    html.replace_extension(".html");
    return QString::fromStdString(html.string());
}

// Why the document cannot be shown, in French; empty when it can.
QString problemWith(const QString& document) {
    const QFileInfo info(document);
    if (!info.exists()) {
        return QStringLiteral("Le fichier d'aide « %1 » est introuvable.").arg(document);
    }
    QFile file(document);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("Le fichier d'aide « %1 » ne peut pas être lu.").arg(document);
    }
    return {};
}

// Finds the next place of the text after the selection, going round to the top at the end;
// false when the text is nowhere.
bool findNext(QTextBrowser* browser, const QString& text) {
    if (browser->find(text)) {
        return true;
    }
    browser->moveCursor(QTextCursor::Start);
    return browser->find(text);
}

// Escape and Ctrl+W close the window, as they close the program's other windows; Ctrl+F opens a
// find box under the text, whose Enter finds the next place and whose Escape closes it. Beside the
// box, "Introuvable" tells that the text is nowhere, until the text changes.
void addKeys(QWidget* window, QTextBrowser* browser, QLineEdit* findBox, QLabel* notFound) {
    findBox->setPlaceholderText(QStringLiteral("Rechercher dans l'aide"));
    findBox->setAccessibleName(findBox->placeholderText());
    findBox->hide();
    notFound->hide();
    QObject::connect(findBox, &QLineEdit::returnPressed, [browser, findBox, notFound] {
        notFound->setVisible(!findNext(browser, findBox->text()));
    });
    QObject::connect(findBox, &QLineEdit::textEdited, notFound, &QWidget::hide);
    new QShortcut(QKeySequence::Find, window, [findBox] {
        findBox->show();
        findBox->setFocus();
        findBox->selectAll();
    });
    new QShortcut(Qt::Key_Escape, window, [window, browser, findBox, notFound] {
        if (findBox->hasFocus()) {
            findBox->hide();
            notFound->hide();
            browser->setFocus();
        } else {
            window->close();
        }
    });
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), window, window, &QWidget::close);
}

QTextBrowser* createViewer(QWidget* parent) {
    installAccessibleRoles(); // a window holding a document
    auto* window = new QWidget(parent, Qt::Window);
    window->setObjectName(kViewerName);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->resize(720, 640);
    auto* browser = new QTextBrowser(window);
    browser->setAccessibleName(QStringLiteral("Texte de la notice"));
    browser->setOpenExternalLinks(true);
    auto* findBox = new QLineEdit(window);
    auto* notFound = new QLabel(QStringLiteral("Introuvable"), window);
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(findBox);
    findRow->addWidget(notFound);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    layout->addLayout(findRow);
    addKeys(window, browser, findBox, notFound);
    centreOnScreen(window);
    return browser;
}

QTextBrowser* viewerOf(QWidget* parent) {
    QWidget* window = parent != nullptr
                          ? parent->findChild<QWidget*>(kViewerName, Qt::FindDirectChildrenOnly)
                          : nullptr;
    return window != nullptr ? window->findChild<QTextBrowser*>() : createViewer(parent);
}

} // namespace

void showHelp(QWidget* parent, const std::filesystem::path& helpFile) {
    QTextBrowser* browser = viewerOf(parent);
    QWidget* window = browser->window();
    const QString document = htmlFileOf(helpFile);
    const QString problem = problemWith(document);
    if (problem.isEmpty()) {
        QUrl url = QUrl::fromLocalFile(document);
        url.setFragment(kContentsAnchor);
        browser->setSource(url);
        const QString title = browser->documentTitle();
        window->setWindowTitle(title.isEmpty() ? kViewerTitle : title);
    } else {
        browser->setPlainText(problem);
        window->setWindowTitle(kViewerTitle);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace orvel

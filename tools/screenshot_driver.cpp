// Drives the program's windows to named scenes and saves a picture of each, for the
// documentation. Usage: orvel-screenshots <output directory> [scene...]
#include "app/help_viewer.h"
#include "app/main_window.h"
#include "app/warning_screen.h"
#include "app/welcome_screen.h"
#include "data/program_directory.h"
#include "data/record.h"
#include "data/reference_file.h"
#include "listing/listing.h"
#include "search/search_window.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <functional>
#include <vector>

namespace {

// Saves what a window shows; false when the picture could not be written.
using Grab = std::function<bool(QWidget*)>;

struct Scene {
    const char* name;
    std::function<bool(const Grab&)> play;
};

template <class Widget> Widget* control(QWidget* window, const char* name) {
    return window->findChild<Widget*>(QString::fromLatin1(name));
}

// The main window after the commune listing of every department's DFCF references.
void listCommunes(orvel::Main& window) {
    window.show();
    control<QLineEdit>(&window, "Dpart")->setText(QStringLiteral("00"));
    control<QPushButton>(&window, "Aff_Commune")->click();
    QApplication::processEvents();
}

bool mainWindowScene(const Grab& grab) {
    orvel::Main window(orvel::programDirectory());
    listCommunes(window);
    return grab(&window);
}

// The same with a traffic log that names every third reference of the first lines: struck
// through, and counted next to the count caption.
bool trafficLogScene(const Grab& grab) {
    const std::filesystem::path referenceFile =
        orvel::programDirectory() / orvel::kReferenceFileName;
    const auto listing = orvel::buildListing(orvel::ListingOrder::Commune, referenceFile, "DFCF",
                                             "00", orvel::KeepRecords::Yes);
    if (!listing.ok()) {
        return false;
    }
    QTemporaryDir directory;
    const std::string log = directory.filePath(QStringLiteral("journal.txt")).toStdString();
    std::ofstream out(log);
    const orvel::LineList& records = listing.value().records;
    for (std::size_t line = 0; line < std::min<std::size_t>(records.size(), 60); line += 3) {
        out << "DFCF " << orvel::fieldOf(records[line], orvel::fields::kReference) << '\n';
    }
    out.close();
    orvel::Main window(orvel::programDirectory());
    window.setFileQuestions({[&log](QWidget*) { return QString::fromStdString(log); }, {}});
    window.findChild<QAction*>(QStringLiteral("Mnu_Journal"))->trigger();
    listCommunes(window);
    return grab(&window);
}

// A scene under a dark colour scheme: pale text and links on dark ground.
bool darkScene(const std::function<bool(const Grab&)>& scene, const Grab& grab) {
    const QPalette original = QApplication::palette();
    QPalette dark(QColor(50, 50, 50));
    dark.setColor(QPalette::Link, QColor(140, 180, 250));
    QApplication::setPalette(dark);
    const bool saved = scene(grab);
    QApplication::setPalette(original);
    return saved;
}

// The main window under a dark scheme: dark everywhere but in the boxes.
bool darkMainWindowScene(const Grab& grab) {
    return darkScene(mainWindowScene, grab);
}

// The help under a dark scheme, at the main window's section with its table of diplomas.
bool darkHelpScene(const Grab& grab) {
    return darkScene(
        [](const Grab& grabHelp) {
            QWidget parent;
            orvel::showHelp(&parent, orvel::programDirectory() / "Orvel_Reference.hlp");
            auto* text = parent.findChild<QTextBrowser*>();
            if (text == nullptr) {
                return false;
            }
            text->scrollToAnchor(QStringLiteral("principale"));
            QApplication::processEvents();
            return grabHelp(text->window());
        },
        grab);
}

// Double-clicks the first line; the detail window is modal, so it is taken once it is open.
bool detailWindowScene(const Grab& grab) {
    orvel::Main window(orvel::programDirectory());
    listCommunes(window);
    bool saved = false;
    QTimer::singleShot(200, [&] {
        QWidget* detail = QApplication::activeModalWidget();
        if (detail != nullptr) {
            saved = grab(detail);
            detail->close();
        }
    });
    auto* list = control<QAbstractItemView>(&window, "List1");
    const QPoint point = list->visualRect(list->model()->index(0, 0)).center();
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, point,
                            list->viewport()->mapToGlobal(point), Qt::LeftButton, Qt::LeftButton,
                            Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &doubleClick);
    return saved;
}

// A window shown on its own, as the user sees it once it is painted.
bool shownWindowScene(QWidget& window, const Grab& grab) {
    window.show();
    QApplication::processEvents();
    return grab(&window);
}

// The two start-up screens are only shown, never left: no legacy file is touched.
bool welcomeScene(const Grab& grab) {
    orvel::Acceuil welcome(QDir::tempPath().toStdString());
    return shownWindowScene(welcome, grab);
}

bool warningScene(const Grab& grab) {
    orvel::Avertissement warning;
    return shownWindowScene(warning, grab);
}

// A search by commune, as typed in its box and confirmed with Enter.
bool searchWindowScene(const Grab& grab) {
    orvel::Rechercher search(orvel::programDirectory() / orvel::kReferenceFileName);
    search.show();
    auto* commune = control<QLineEdit>(&search, "Commune");
    commune->setText(QStringLiteral("saint-malo"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(commune, &enter);
    QApplication::processEvents();
    return grab(&search);
}

const std::vector<Scene> kScenes = {
    {"welcome", welcomeScene},
    {"warning", warningScene},
    {"main_window", mainWindowScene},
    {"main_window_dark", darkMainWindowScene},
    {"help_dark", darkHelpScene},
    {"main_window_log", trafficLogScene},
    {"detail_window", detailWindowScene},
    {"search_window", searchWindowScene},
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output directory> [scene...]\n", argv[0]);
        return 2;
    }
    // The main window writes its directory into the user's settings; keep those untouched.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());

    const QDir output(QString::fromLocal8Bit(argv[1]));
    const QStringList wanted = QApplication::arguments().mid(2);
    int failures = 0;
    for (const Scene& scene : kScenes) {
        const QString name = QString::fromLatin1(scene.name);
        if (!wanted.isEmpty() && !wanted.contains(name)) {
            continue;
        }
        const QString file = output.filePath(name + QStringLiteral(".png"));
        const bool saved = scene.play([&](QWidget* window) { return window->grab().save(file); });
        std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(file));
        failures += saved ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}

// Grabs the welcome and the warning screens into PNG files, for the documentation:
//   screens_driver <directory>   writes welcome.png and warning.png there.
#include "app/warning_screen.h"
#include "app/welcome_screen.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTextStream>

namespace {

// The screen as the user sees it, once shown and painted.
bool grabInto(QWidget& screen, const QString& path) {
    screen.show();
    QApplication::processEvents();
    return screen.grab().save(path);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: screens_driver <directory>\n";
        return 2;
    }
    const QDir directory(arguments.at(1));

    // No legacy file is touched: the screens are only shown, never left.
    auto* welcome = new orvel::Acceuil(QDir::tempPath().toStdString());
    auto* warning = new orvel::Avertissement;
    const bool saved = grabInto(*welcome, directory.filePath(QStringLiteral("welcome.png"))) &&
                       grabInto(*warning, directory.filePath(QStringLiteral("warning.png")));
    delete welcome;
    delete warning;
    if (!saved) {
        QTextStream(stderr) << "cannot write into " << directory.absolutePath() << '\n';
        return 1;
    }
    return 0;
}

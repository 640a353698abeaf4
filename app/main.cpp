#include "app/desktop_identity.h"
#include "app/startup.h"
#include "data/program_directory.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// The program takes no command line: Qt's own options aside, its arguments are ignored.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    orvel::identifyAsDesktopProgram();
    // Everything the program says is French, the system's dialogs (printing) included.
    QTranslator qtFrench;
    if (qtFrench.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtFrench);
    }
    return orvel::runProgram(orvel::programDirectory());
}

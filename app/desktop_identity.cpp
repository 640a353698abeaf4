#include "app/desktop_identity.h"

#include <QGuiApplication>
#include <QIcon>

namespace orvel {

void identifyAsDesktopProgram() {
    // The window class; left alone it would be the name the program was started by, which
    // differs between the executable and its link.
    QCoreApplication::setApplicationName(QStringLiteral("Orvel_Reference"));
    QGuiApplication::setDesktopFileName(QStringLiteral("orvel-reference"));
    // Built into the program, so that a start from the build shows it too.
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/orvel-reference.svg")));
}

} // namespace orvel

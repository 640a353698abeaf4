#include "app/startup.h"

#include "app/main_window.h"
#include "app/warning_screen.h"

#include <QApplication>

namespace orvel {

Startup::Startup(std::filesystem::path programDirectory, std::chrono::milliseconds welcomeInterval)
    : programDirectory_(std::move(programDirectory)), welcomeInterval_(welcomeInterval) {}

Startup::~Startup() {
    // Whatever window is left goes with the sequence (the screens delete themselves once closed).
    delete welcome_.data();
    delete warning_.data();
    delete main_.data();
}

void Startup::start() {
    // Each screen closes before the next window shows: until the main window is up, the
    // sequence itself decides when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);
    welcome_ = new Acceuil(programDirectory_, welcomeInterval_);
    connect(welcome_, &Acceuil::timeUp, this, &Startup::showMain);
    connect(welcome_, &Acceuil::suiteChosen, this, &Startup::showWarning);
    connect(welcome_, &StartupScreen::closedByUser, this, &Startup::ended);
    welcome_->show();
}

void Startup::showWarning() {
    warning_ = new Avertissement;
    connect(warning_, &Avertissement::suiteChosen, this, &Startup::showMain);
    connect(warning_, &StartupScreen::closedByUser, this, &Startup::ended);
    warning_->show();
}

void Startup::showMain() {
    main_ = new Main(programDirectory_);
    main_->show();
    // From now on closing the main window, the last one, ends the program.
    QApplication::setQuitOnLastWindowClosed(true);
}

int runProgram(const std::filesystem::path& programDirectory,
               std::chrono::milliseconds welcomeInterval) {
    Startup startup(programDirectory, welcomeInterval);
    // Queued, so that the program ends once the closing screen has finished its own handling.
    QObject::connect(&startup, &Startup::ended, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    startup.start();
    return QApplication::exec();
}

} // namespace orvel

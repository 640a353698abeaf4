#include "app/startup.h"
#include "data/program_directory.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    orvel::Startup startup(orvel::programDirectory());
    // Queued, so that the program ends once the closing screen has finished its own handling.
    QObject::connect(&startup, &orvel::Startup::ended, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    startup.start();
    return QApplication::exec();
}

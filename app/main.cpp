#include "app/startup.h"
#include "data/program_directory.h"

#include <QApplication>

// The program takes no command line: Qt's own options aside, its arguments are ignored.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    return orvel::runProgram(orvel::programDirectory());
}

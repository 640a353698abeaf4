#include "app/main_window.h"
#include "data/program_directory.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    orvel::Main window(orvel::programDirectory());
    window.show();
    return QApplication::exec();
}

#include "app/main_window.h"

#include "app/information_texts.h"
#include "app/qt_text.h"

namespace orvel {

Main::Main(std::filesystem::path programDirectory, QWidget* parent)
    : QMainWindow(parent), programDirectory_(std::move(programDirectory)) {
    setWindowTitle(fromUtf8(mainWindowTitle(kVersionLogiciel)));
}

} // namespace orvel

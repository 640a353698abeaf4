#pragma once

#include <QMainWindow>
#include <filesystem>

namespace orvel {

// Main: the program's one long-lived window.
class Main : public QMainWindow {
    Q_OBJECT

public:
    // programDirectory holds the reference file, the help and the legacy file.
    explicit Main(std::filesystem::path programDirectory, QWidget* parent = nullptr);

private:
    std::filesystem::path programDirectory_;
};

} // namespace orvel

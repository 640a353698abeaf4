#pragma once

#include "app/welcome_screen.h"

#include <QObject>
#include <QPointer>
#include <chrono>
#include <filesystem>

namespace orvel {

class Avertissement;
class Main;

// The start-up sequence: the welcome screen, then the warning screen if the user asks for it,
// then the main window, which is created only when a screen leads to it.
class Startup : public QObject {
    Q_OBJECT

public:
    explicit Startup(std::filesystem::path programDirectory,
                     std::chrono::milliseconds welcomeInterval = Acceuil::kTimer1Interval);
    ~Startup() override;
    Startup(const Startup&) = delete;
    Startup& operator=(const Startup&) = delete;

    // Shows the welcome screen.
    void start();

signals:
    // A screen was closed through the window system: the program ends without its main window.
    void ended();

private:
    void showWarning();
    void showMain();

    std::filesystem::path programDirectory_;
    std::chrono::milliseconds welcomeInterval_;
    QPointer<Acceuil> welcome_;
    QPointer<Avertissement> warning_;
    QPointer<Main> main_;
};

// Runs the program from its welcome screen until it ends and returns its exit code. The
// QApplication must exist.
int runProgram(const std::filesystem::path& programDirectory,
               std::chrono::milliseconds welcomeInterval = Acceuil::kTimer1Interval);

} // namespace orvel

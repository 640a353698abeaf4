#pragma once

#include "app/startup_screen.h"

#include <chrono>
#include <filesystem>
#include <string>

class QTimer;

namespace orvel {

// Acceuil: the first window, which names the index and credits its two makers. It gives way to
// the main window by itself, or to the warning screen through its "Suite" button.
class Acceuil : public StartupScreen {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kTimer1Interval{20000};

    // Timer1 starts at once; tests give it a shorter interval.
    explicit Acceuil(std::filesystem::path programDirectory,
                     std::chrono::milliseconds timer1Interval = kTimer1Interval);

signals:
    // Timer1 has elapsed and the screen has closed: the main window comes next.
    void timeUp();
    // "Suite": the legacy file is deleted and the screen has closed; the warning comes next.
    void suiteChosen();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // A call sign: underlined, and a click shows its owner's credits.
    static QLabel* addCallSign(QWidget* frame, const char* name, const QString& text,
                               QRect geometry);
    void Timer1_Timer();
    void Command1_Click();
    // A call sign's credit message; the time it stays open does not count.
    void showCredits(const std::string& textUtf8);

    std::filesystem::path programDirectory_;
    QTimer* Timer1;
};

} // namespace orvel

#pragma once

#include "app/startup_screen.h"

namespace orvel {

// Avertissement: the notice about the database, shown after the welcome screen's "Suite". It has
// no timer: it stays until its own "Suite" leads on to the main window.
class Avertissement : public StartupScreen {
    Q_OBJECT

public:
    Avertissement();

signals:
    // "Suite": the screen has closed; the main window comes next.
    void suiteChosen();

private:
    void Suivant_Click();
};

} // namespace orvel

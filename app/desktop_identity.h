#pragma once

namespace orvel {

// Ties every window of the program to its menu entry orvel-reference.desktop, however the program
// was started (from the menu, the link in bin/ or the build): the same window class, which is
// the entry's StartupWMClass, the entry's name, and the entry's icon on every window.
void identifyAsDesktopProgram();

} // namespace orvel

#pragma once

#include <filesystem>

class QWidget;

namespace orvel {

// Opens the help beside the program at its table of contents, in a window of its own, and
// returns at once. Help files in the Windows Help format cannot be shown here: the viewer shows
// the document of the same base name with the extension .html instead. A missing or unreadable
// document is reported inside the viewer. A second call while the viewer is open brings it back to
// the front.
void showHelp(QWidget* parent, const std::filesystem::path& helpFile);

} // namespace orvel

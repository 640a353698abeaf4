#pragma once

#include <QSettings>
#include <memory>

namespace orvel {

// The user's settings store of the program (application "Reference"), or none when something
// other than a regular file stands in its place: Qt reads the file before writing it, and a named
// pipe or a device there would hold the program for ever.
std::unique_ptr<QSettings> userSettings();

} // namespace orvel

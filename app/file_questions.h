#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace orvel {

// How the main window asks the user for a file; each answers the path chosen, or an empty text
// when the user cancels.
struct FileQuestions {
    std::function<QString(QWidget* parent)> logToRead;
    // The file asked for may exist: the question itself has the user confirm its replacement.
    std::function<QString(QWidget* parent)> csvToWrite;
};

// The system's file dialogs.
FileQuestions systemFileQuestions();

} // namespace orvel

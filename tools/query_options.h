#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvel::query {

// What the command line asks for: options, then the command and its words.
struct Options {
    enum class Action { Run, Help, Version };
    Action action = Action::Run;
    std::optional<std::string> file; // "-" reads standard input
    bool csv = false;
    bool quiet = false;
    std::vector<std::string> words; // the command first
};

// A command line the tool cannot follow; what() says what is wrong, in French.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Options may stand before, between or after the command words; "--" ends them.
Options parseCommandLine(int argc, char** argv);

// The text of --help and of --version, in UTF-8.
std::string helpText();
std::string versionText();

} // namespace orvel::query

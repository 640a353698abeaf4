#pragma once

#include "query/query_failure.h"

#include <optional>
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
    bool loose = false;                // search: case, accents and ligatures folded
    std::optional<std::string> worked; // list: the user's list or log of worked references
    bool workedOnly = false;           // list: the worked references instead of the others
    std::vector<std::string> words;    // the command first
};

// Options may stand before, between or after the command words; "--" ends them.
Options parseCommandLine(int argc, char** argv);

// The listing orders' command names, as a French enumeration ("a, b ou c").
std::string orderNames();

// The text of --help and of --version, in UTF-8.
std::string helpText();
std::string versionText();

} // namespace orvel::query

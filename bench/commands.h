#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvel::bench {

// Shell command lines for the process comparisons; each sends its output to /dev/null, and
// orvel-query its count line on the error stream too.

// The commune listing of a diploma and a department with awk, sorted by sort -f, in the C locale.
std::string awkSortListing(const std::filesystem::path& file, std::string_view diploma,
                           std::string_view department);

// A case-insensitive count of the lines that hold the text.
std::string grepCount(const std::filesystem::path& file, std::string_view text);

// orvel-query's commune listing and search.
std::string queryListing(const std::filesystem::path& tool, const std::filesystem::path& file,
                         std::string_view diploma, std::string_view department);
std::string querySearch(const std::filesystem::path& tool, const std::filesystem::path& file,
                        int criterion, std::string_view text);

// What a command cost: the time on the clock, and the processor time of the shell and of every
// process it started (user and system), which a machine shared with other work does not inflate.
struct CommandCost {
    double wallSeconds;
    double cpuSeconds;
};

// Runs a command line through the shell and waits for it. Exit status 0 and 1 (nothing found)
// are results; throws when the command cannot run, is killed or fails (status 2 or more).
CommandCost runCommand(const std::string& commandLine);

} // namespace orvel::bench

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

// Runs a command line through the shell and returns its exit status: 0, or 1 when nothing is
// found. Throws when the command cannot run, is killed or fails (status 2 or more).
int runCommand(const std::string& commandLine);

} // namespace orvel::bench

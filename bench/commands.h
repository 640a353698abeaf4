#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvel::bench {

// Shell command lines for the process comparisons. Each writes its output to the file named
// out: GNU grep stops at the first match when its output is /dev/null, so no baseline may
// write there.

// A listing of a diploma and a department by orvel-query; its error stream goes to out.err.
std::string queryListing(const std::filesystem::path& file, std::string_view order,
                         std::string_view diploma, std::string_view department,
                         const std::filesystem::path& out);

// The same listing lines printed by awk, sorted by sort -f, in the C locale.
std::string awkSortListing(const std::filesystem::path& file, std::string_view order,
                           std::string_view diploma, std::string_view department,
                           const std::filesystem::path& out);

std::string querySearch(const std::filesystem::path& file, int criterion, std::string_view text,
                        const std::filesystem::path& out);

// grep -i -F counting, or printing, the lines that hold the text.
std::string grepCount(const std::filesystem::path& file, std::string_view text,
                      const std::filesystem::path& out);
std::string grepPrint(const std::filesystem::path& file, std::string_view text,
                      const std::filesystem::path& out);

// What one run of a command cost: processor time (user and system) of the shell and every
// process it waited for, the time on the clock, and the largest resident size among them.
struct CommandCost {
    double cpuSeconds = 0;
    double wallSeconds = 0;
    double peakResidentBytes = 0;
};

// Runs the command line with /bin/sh; throws when it fails (exit status 2 or more).
CommandCost runCommand(const std::string& commandLine);

} // namespace orvel::bench

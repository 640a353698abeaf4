#include "bench/commands.h"

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>

namespace orvel::bench {
namespace {

std::string shellQuoted(std::string_view word) {
    std::string out = "'";
    for (const char c : word) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

// Builds the 136-character line of the commune listing, with the same canton split and the same
// four tests, so that awk does the work the program does.
constexpr std::string_view kAwkCommuneListing = R"awk(
function trim(s) { gsub(/^ +| +$/, "", s); return s }
{
    sub(/\r$/, "")
    record = substr($0, 1, 138)
    code = trim(substr(record, 33, 5)); dept = substr(record, 100, 2)
    commune = trim(substr(record, 4, 28))
    listed = (diploma == code && (department == dept || department == "00") && commune != "-----") ||
             (diploma == "****" && (department == dept || department == "00"))
    if (!listed) next
    canton = trim(substr(record, 107, 32))
    if (canton == "") { number = "    "; name = "" }
    else if (canton ~ /[0-9]$/) { number = substr(canton, length(canton) - 3); name = trim(substr(canton, 1, length(canton) - 5)) }
    else { number = "----"; name = canton }
    printf "%s %s %s %s %s %s %-4.4s %-27.27s %s \n", substr(record, 4, 28), substr(record, 100, 6), \
        substr(record, 33, 5), substr(record, 39, 6), substr(record, 46, 7), substr(record, 54, 28), \
        number, name, substr(record, 83, 16)
}
)awk";

// orvel-query, grep and sort all exit 0 or 1 for a result, 2 or more for a failure.
constexpr int kFailureStatus = 2;

double seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

// User and system time of the children that have ended and been waited for.
double childrenCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

std::string awkSortListing(const std::filesystem::path& file, std::string_view diploma,
                           std::string_view department) {
    return "LC_ALL=C awk -v diploma=" + shellQuoted(diploma) +
           " -v department=" + shellQuoted(department) + " " + shellQuoted(kAwkCommuneListing) +
           " " + shellQuoted(file.string()) + " | LC_ALL=C sort -f > /dev/null";
}

std::string grepCount(const std::filesystem::path& file, std::string_view text) {
    return "LC_ALL=C grep -c -i -F " + shellQuoted(text) + " " + shellQuoted(file.string()) +
           " > /dev/null";
}

std::string queryListing(const std::filesystem::path& tool, const std::filesystem::path& file,
                         std::string_view diploma, std::string_view department) {
    return shellQuoted(tool.string()) + " --file " + shellQuoted(file.string()) + " list commune " +
           shellQuoted(diploma) + " " + shellQuoted(department) + " > /dev/null 2>&1";
}

std::string querySearch(const std::filesystem::path& tool, const std::filesystem::path& file,
                        int criterion, std::string_view text) {
    return shellQuoted(tool.string()) + " --file " + shellQuoted(file.string()) + " search " +
           std::to_string(criterion) + " " + shellQuoted(text) + " > /dev/null 2>&1";
}

CommandCost runCommand(const std::string& commandLine) {
    const double cpuBefore = childrenCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(commandLine.c_str());
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) >= kFailureStatus) {
        throw std::runtime_error("command failed: " + commandLine);
    }
    return CommandCost{wall.count(), childrenCpuSeconds() - cpuBefore};
}

} // namespace orvel::bench

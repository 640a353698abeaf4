#include "bench/commands.h"

#include "bench/bench_files.h"

#include <chrono>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvel::bench {
namespace {

std::string shellQuoted(std::string_view word) {
    std::string out = "'";
    for (const char c : word) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

// The lines of the four listings with the same canton split and the same four tests as the
// program, each field cut with substr, so that awk does the work the program does.
constexpr std::string_view kAwkListing = R"awk(
function trim(s) { gsub(/^ +| +$/, "", s); return s }
{
    sub(/\r$/, "")
    r = substr($0, 1, 138)
    dept = substr(r, 100, 2)
    if (department != "00" && department != dept) next
    if (diploma != "****") {
        if (diploma != trim(substr(r, 33, 5))) next
        if (order == "commune" && trim(substr(r, 4, 28)) == "-----") next
        if (order == "reference" && trim(substr(r, 39, 6)) == "") next
        if (order == "postal" && trim(substr(r, 100, 6)) == "-----") next
    }
    canton = trim(substr(r, 107, 32))
    cut = order == "commune" ? 5 : 4
    if (canton == "") { number = ""; name = "" }
    else if (canton ~ /[0-9]$/) { number = substr(canton, length(canton) - 3); name = trim(substr(canton, 1, length(canton) - cut)) }
    else { number = "----"; name = canton }
    if (order == "canton" && diploma != "****" && number == "----") next
    if (order == "commune")
        printf "%s %s %s %s %s %s %-4.4s %-27.27s %s \n", substr(r, 4, 28), substr(r, 100, 6),
            substr(r, 33, 5), substr(r, 39, 6), substr(r, 46, 7), substr(r, 54, 28), number, name,
            substr(r, 83, 16)
    else if (order == "reference")
        printf "%s %s %s %s %s %s %s %-4.4s \n", substr(r, 33, 5), substr(r, 39, 6),
            substr(r, 46, 7), substr(r, 54, 28), substr(r, 83, 16), substr(r, 100, 6),
            substr(r, 4, 28), number
    else if (order == "canton")
        printf "%-4.4s %-27.27s%s %s %s %s %s %s \n", number, name, substr(r, 33, 5),
            substr(r, 39, 6), substr(r, 46, 7), substr(r, 54, 28), substr(r, 100, 6),
            substr(r, 4, 28)
    else
        printf "%s %s %s %s %s %s %-4.4s %-27.27s\n", substr(r, 100, 6), substr(r, 4, 28),
            substr(r, 33, 5), substr(r, 39, 6), substr(r, 46, 7), substr(r, 54, 28), number, name
}
)awk";

// orvel-query, grep and sort all exit 0 or 1 for a result, 2 or more for a failure.
constexpr int kFailureStatus = 2;

double seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

std::string to(const std::filesystem::path& out) {
    return " > " + shellQuoted(out.string());
}

// The count line and messages of orvel-query, beside its output.
std::string errorsTo(const std::filesystem::path& out) {
    return " 2> " + shellQuoted(out.string() + ".err");
}

} // namespace

std::string queryListing(const std::filesystem::path& file, std::string_view order,
                         std::string_view diploma, std::string_view department,
                         const std::filesystem::path& out) {
    return shellQuoted(queryTool().string()) + " --file " + shellQuoted(file.string()) + " list " +
           std::string(order) + " " + shellQuoted(diploma) + " " + shellQuoted(department) +
           to(out) + errorsTo(out);
}

std::string awkSortListing(const std::filesystem::path& file, std::string_view order,
                           std::string_view diploma, std::string_view department,
                           const std::filesystem::path& out) {
    return "LC_ALL=C awk -v order=" + std::string(order) + " -v diploma=" + shellQuoted(diploma) +
           " -v department=" + shellQuoted(department) + " " + shellQuoted(kAwkListing) + " " +
           shellQuoted(file.string()) + " | LC_ALL=C sort -f" + to(out);
}

std::string querySearch(const std::filesystem::path& file, int criterion, std::string_view text,
                        const std::filesystem::path& out) {
    return shellQuoted(queryTool().string()) + " --file " + shellQuoted(file.string()) +
           " search " + std::to_string(criterion) + " " + shellQuoted(text) + to(out) +
           errorsTo(out);
}

std::string grepCount(const std::filesystem::path& file, std::string_view text,
                      const std::filesystem::path& out) {
    return "LC_ALL=C grep -c -i -F " + shellQuoted(text) + " " + shellQuoted(file.string()) +
           to(out);
}

std::string grepPrint(const std::filesystem::path& file, std::string_view text,
                      const std::filesystem::path& out) {
    return "LC_ALL=C grep -i -F " + shellQuoted(text) + " " + shellQuoted(file.string()) + to(out);
}

CommandCost runCommand(const std::string& commandLine) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl("/bin/sh", "sh", "-c", commandLine.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    // The usage of the shell includes that of every process it waited for.
    if (child < 0 || wait4(child, &status, 0, &usage) != child) {
        throw std::runtime_error("cannot run: " + commandLine);
    }
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) >= kFailureStatus) {
        throw std::runtime_error("command failed: " + commandLine);
    }
    constexpr double kKibibyte = 1024;
    return CommandCost{seconds(usage.ru_utime) + seconds(usage.ru_stime), wall.count(),
                       kKibibyte * static_cast<double>(usage.ru_maxrss)};
}

} // namespace orvel::bench

// How fast orvel-query lists and searches, against awk piped to sort -f producing the same lines
// and against grep, all measured in the same run: each command runs several times, interleaved
// with the others so that a load on the machine weighs on all of them alike, and keeps its least
// processor time (user and system, of every process of the command).
// Usage: orvel_bench DIRECTORY [RUNS]. DIRECTORY receives the generated reference files and every
// command's output. The last line printed holds one name=value per goal.
#include "bench/bench_files.h"
#include "bench/commands.h"
#include "data/cp1252.h"
#include "listing/listing_orders.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace orvel::bench {
namespace {

constexpr int kDefaultRuns = 7;

struct Selection {
    std::string_view diploma;
    std::string_view department;
};
constexpr Selection kEverything{"****", "00"};
constexpr Selection kOneDiploma{"DFCF", "29"};
// A department that no record has: what orvel-query holds before it lists anything.
constexpr Selection kNothing{"****", "zz"};

// The text of the search: one letter, so that most lines match.
constexpr std::string_view kSearchText = "e";

struct Case {
    std::string name;
    std::string command;
    std::filesystem::path out;
    CommandCost least{1e9, 1e9, 1e18};
};

class Cases {
public:
    explicit Cases(std::filesystem::path outDirectory) : outDirectory_(std::move(outDirectory)) {}

    // The file that a case writes its output to.
    [[nodiscard]] std::filesystem::path outOf(const std::string& name) const {
        std::string file = name;
        std::replace(file.begin(), file.end(), '/', '_');
        std::replace(file.begin(), file.end(), '*', 'x');
        return outDirectory_ / (file + ".txt");
    }

    template <class Command> void add(const std::string& name, Command command) {
        const std::filesystem::path out = outOf(name);
        cases_.push_back(Case{name, command(out), out});
    }

    void runAll(int runs) {
        for (int run = 0; run < runs; ++run) {
            for (Case& c : cases_) {
                const CommandCost cost = runCommand(c.command);
                c.least.cpuSeconds = std::min(c.least.cpuSeconds, cost.cpuSeconds);
                c.least.wallSeconds = std::min(c.least.wallSeconds, cost.wallSeconds);
                c.least.peakResidentBytes =
                    std::min(c.least.peakResidentBytes, cost.peakResidentBytes);
            }
        }
    }

    [[nodiscard]] const Case& operator[](const std::string& name) const {
        const auto found = std::find_if(cases_.begin(), cases_.end(),
                                        [&name](const Case& c) { return c.name == name; });
        if (found == cases_.end()) {
            throw std::logic_error("no case " + name);
        }
        return *found;
    }
    [[nodiscard]] const std::vector<Case>& all() const { return cases_; }

    // Pairs of cases that must print the same lines, in any order.
    std::vector<std::pair<std::string, std::string>> sameLines;

private:
    std::filesystem::path outDirectory_;
    std::vector<Case> cases_;
};

std::string selectionName(Selection selection) {
    return std::string(selection.diploma) + "/" + std::string(selection.department);
}

std::string listingName(const std::string& file, std::string_view order, Selection selection,
                        const std::string& by) {
    return file + "/list/" + std::string(order) + "/" + selectionName(selection) + "/" + by;
}

void addListing(Cases& cases, const std::string& label, const std::filesystem::path& file,
                std::string_view order, Selection selection, bool withAwk) {
    cases.add(listingName(label, order, selection, "orvel"), [&](const auto& out) {
        return queryListing(file, order, selection.diploma, selection.department, out);
    });
    if (withAwk) {
        cases.add(listingName(label, order, selection, "awk"), [&](const auto& out) {
            return awkSortListing(file, order, selection.diploma, selection.department, out);
        });
        cases.sameLines.emplace_back(listingName(label, order, selection, "orvel"),
                                     listingName(label, order, selection, "awk"));
    }
}

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> sortedLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// The baseline is honest only if it prints the lines the program prints (in its own order).
void checkSameLines(const Case& ours, const Case& awk) {
    if (sortedLines(utf8ToCp1252(readAll(ours.out))) != sortedLines(readAll(awk.out))) {
        throw std::runtime_error("awk does not print the lines of " + ours.name + ": compare " +
                                 ours.out.string() + " and " + awk.out.string());
    }
}

std::optional<double> ratio(double ours, double theirs) {
    return theirs > 0 ? std::optional<double>(ours / theirs) : std::nullopt;
}

std::string shown(std::optional<double> value) {
    char text[32] = "n/a";
    if (value) {
        std::snprintf(text, sizeof text, "%.3f", *value);
    }
    return text;
}

// The files are written by a child process: the peak resident size of a command includes that of
// this process when it started the command, which must stay small.
BenchFiles writeBenchFilesApart(const std::filesystem::path& sample,
                                const std::filesystem::path& directory) {
    const pid_t child = fork();
    if (child == 0) {
        try {
            writeBenchFiles(sample, directory);
            _exit(0);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "orvel_bench: %s\n", error.what());
            _exit(2);
        }
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        throw std::runtime_error("cannot write the benchmark's files");
    }
    return benchFilesIn(directory);
}

struct Goal {
    std::string name;
    std::string what;
    std::optional<double> value;
    std::optional<double> limit; // none: reported only
};

int run(const std::filesystem::path& directory, int runs) {
    const std::filesystem::path sample = sampleFile();
    const BenchFiles files = writeBenchFilesApart(sample, directory);
    std::filesystem::create_directories(directory / "out");
    Cases cases(directory / "out");

    for (const ListingOrderRow& row : kListingOrders) {
        addListing(cases, "s1", sample, row.commandName, kEverything, true);
        addListing(cases, "s1", sample, row.commandName, kOneDiploma, true);
    }
    addListing(cases, "s1", sample, "commune", kNothing, false);
    addListing(cases, "rep10", files.repeated, "commune", kEverything, false);
    addListing(cases, "distinct10", files.distinct, "commune", kEverything, false);
    addListing(cases, "few_communes", files.fewCommunes, "commune", kEverything, true);
    const std::string text(kSearchText);
    cases.add("s1/search/1/" + text + "/orvel",
              [&](const auto& out) { return querySearch(sample, 1, kSearchText, out); });
    cases.add("s1/grep-c-i-F/" + text,
              [&](const auto& out) { return grepCount(sample, kSearchText, out); });
    cases.add("s1/grep-i-F/" + text,
              [&](const auto& out) { return grepPrint(sample, kSearchText, out); });

    cases.runAll(runs);
    for (const auto& [ours, awk] : cases.sameLines) {
        checkSameLines(cases[ours], cases[awk]);
    }

    std::printf("Least of %d runs; processes: the shell and every process it waited for\n", runs);
    std::printf("%-44s %10s %10s %10s\n", "command", "CPU ms", "wall ms", "peak MiB");
    for (const Case& c : cases.all()) {
        std::printf("%-44s %10.2f %10.2f %10.2f\n", c.name.c_str(), 1000 * c.least.cpuSeconds,
                    1000 * c.least.wallSeconds, c.least.peakResidentBytes / (1024.0 * 1024.0));
    }

    const auto cpu = [&](const std::string& name) { return cases[name].least.cpuSeconds; };
    const auto vsAwk = [&](const std::string& file, std::string_view order, Selection selection) {
        return ratio(cpu(listingName(file, order, selection, "orvel")),
                     cpu(listingName(file, order, selection, "awk")));
    };
    std::vector<Goal> goals;
    for (const ListingOrderRow& row : kListingOrders) {
        const std::string name(row.commandName);
        goals.push_back({"list_" + name + "_vs_awk", "list " + name + " **** 00 / awk | sort -f",
                         vsAwk("s1", name, kEverything), 0.25});
    }
    for (const ListingOrderRow& row : kListingOrders) {
        const std::string name(row.commandName);
        goals.push_back({"list_" + name + "_dfcf29_vs_awk",
                         "list " + name + " DFCF 29 / awk | sort -f",
                         vsAwk("s1", name, kOneDiploma), std::nullopt});
    }
    goals.push_back({"few_communes_vs_awk", "list commune, a few dozen communes / awk | sort -f",
                     vsAwk("few_communes", "commune", kEverything), 0.35});
    goals.push_back({"search_vs_grep_count", "search 1 e / grep -c -i -F e",
                     ratio(cpu("s1/search/1/e/orvel"), cpu("s1/grep-c-i-F/e")), 1.5});
    goals.push_back({"search_vs_grep_print", "search 1 e / grep -i -F e",
                     ratio(cpu("s1/search/1/e/orvel"), cpu("s1/grep-i-F/e")), 0.8});
    const std::string full = listingName("s1", "commune", kEverything, "orvel");
    goals.push_back(
        {"scale_10x_distinct", "list commune, 10x distinct / sample",
         ratio(cpu(listingName("distinct10", "commune", kEverything, "orvel")), cpu(full)), 11});
    goals.push_back({"scale_rep10", "list commune, sample repeated 10x / sample",
                     ratio(cpu(listingName("rep10", "commune", kEverything, "orvel")), cpu(full)),
                     12});
    // The bytes of the listing's lines: awk's output, which holds the same lines, less its line
    // breaks.
    const Case& awkFull = cases[listingName("s1", "commune", kEverything, "awk")];
    const std::string awkLines = readAll(awkFull.out);
    const auto lineBytes = static_cast<double>(
        awkLines.size() -
        static_cast<std::size_t>(std::count(awkLines.begin(), awkLines.end(), '\n')));
    goals.push_back(
        {"memory_per_line_byte", "peak resident growth of list commune **** 00 / its line bytes",
         ratio(cases[full].least.peakResidentBytes -
                   cases[listingName("s1", "commune", kNothing, "orvel")].least.peakResidentBytes,
               lineBytes),
         2.5});
    goals.push_back({"wall_commune_vs_awk", "time on the clock, list commune **** 00 / awk | sort",
                     ratio(cases[full].least.wallSeconds, awkFull.least.wallSeconds),
                     std::nullopt});

    std::printf("\nRatios (ours / theirs)\n");
    for (const Goal& goal : goals) {
        std::string verdict = "reported";
        if (goal.limit) {
            verdict = "goal <= " + shown(goal.limit) +
                      (goal.value && *goal.value <= *goal.limit ? "  met" : "  MISSED");
        }
        std::printf("  %-22s %-62s %8s  %s\n", goal.name.c_str(), goal.what.c_str(),
                    shown(goal.value).c_str(), verdict.c_str());
    }
    std::string last;
    for (const Goal& goal : goals) {
        if (goal.limit || goal.name.starts_with("wall")) {
            last += (last.empty() ? "" : " ") + goal.name + "=" + shown(goal.value);
        }
    }
    std::printf("%s\n", last.c_str());
    return 0;
}

} // namespace
} // namespace orvel::bench

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: orvel_bench DIRECTORY [RUNS]\n");
        return 2;
    }
    const int runs = argc == 3 ? std::atoi(argv[2]) : orvel::bench::kDefaultRuns;
    try {
        return orvel::bench::run(argv[1], std::max(runs, 1));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "orvel_bench: %s\n", error.what());
        return 2;
    }
}

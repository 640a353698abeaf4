#include "bench/summary_table.h"

#include <cstdio>
#include <string>

namespace orvel::bench {
namespace {

const std::string kFullListing = "listing/commune/****/00";

std::optional<double> ratio(std::optional<double> ours, std::optional<double> theirs) {
    if (!ours || !theirs || *theirs <= 0) {
        return std::nullopt;
    }
    return *ours / *theirs;
}

std::string shown(std::optional<double> value) {
    if (!value) {
        return "n/a";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", *value);
    return text;
}

void printRatio(const char* what, std::optional<double> value, const char* target, double limit) {
    const char* verdict = !value ? "not measured" : *value <= limit ? "met" : "MISSED";
    std::printf("  %-58s %8s   target %-7s %s\n", what, shown(value).c_str(), target, verdict);
}

void printTimes(const SummaryReporter& reporter, const std::string& file) {
    const auto floor = reporter.milliseconds(file + "/floor_plain_read");
    std::printf("\n%-60s %10s %10s %10s\n", (file + " file").c_str(), "CPU ms", "x floor",
                "wall ms");
    for (const std::string& name : reporter.names()) {
        if (name.rfind(file + "/", 0) == 0) {
            const auto time = reporter.milliseconds(name);
            std::printf("  %-58s %10.2f %10s %10.2f\n", name.substr(file.size() + 1).c_str(), *time,
                        shown(ratio(time, floor)).c_str(),
                        reporter.wallMilliseconds(name).value_or(0));
        }
    }
}

} // namespace

void printSummary(const SummaryReporter& reporter) {
    const auto ms = [&](const std::string& name) { return reporter.milliseconds(name); };
    printTimes(reporter, "sample");
    printTimes(reporter, "10x");

    const auto listingVsAwk =
        ratio(ms("sample/process/orvel_query_list/****/00"), ms("sample/process/awk_sort/****/00"));
    const auto searchVsGrep =
        ratio(ms("sample/process/orvel_query_search/1/e"), ms("sample/process/grep/e"));
    const auto scale = ratio(ms("10x/" + kFullListing), ms("sample/" + kFullListing));

    std::printf("\nRatios of processor times (ours over theirs; processes: shell and children)\n");
    for (const std::string file : {"sample", "10x"}) {
        const std::string p = file + "/";
        std::printf(" %s file\n", file.c_str());
        printRatio("full listing (in process) / plain-read floor",
                   ratio(ms(p + kFullListing), ms(p + "floor_plain_read")), "<= 10", 10);
        printRatio(
            "orvel-query list commune **** 00 / awk | sort -f",
            ratio(ms(p + "process/orvel_query_list/****/00"), ms(p + "process/awk_sort/****/00")),
            "<= 0.5", 0.5);
        printRatio("orvel-query search 1 e / grep -c -i -F e",
                   ratio(ms(p + "process/orvel_query_search/1/e"), ms(p + "process/grep/e")),
                   "<= 1.5", 1.5);
        printRatio("full listing (in process) / naive multiset",
                   ratio(ms(p + kFullListing), ms(p + "naive_multiset/commune/****/00")), "<= 1",
                   1);
        printRatio("peak heap of the full listing / bytes of its lines",
                   reporter.counter(p + "memory/commune/****/00", "peak_per_listing_byte"), "< 4",
                   4);
    }
    printRatio("full listing, 10x file / sample file", scale, "<= 12", 12);

    std::printf("listing_vs_awk_sort=%s search_vs_grep=%s scale_10x=%s\n",
                shown(listingVsAwk).c_str(), shown(searchVsGrep).c_str(), shown(scale).c_str());
}

} // namespace orvel::bench

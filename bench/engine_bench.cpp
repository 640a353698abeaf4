// How fast the engine lists and searches the reference file, on the sample and on a file ten
// times larger, against a plain read of the file (the floor), awk piped to sort, grep, and the
// naive design of a sorted container filled line by line. Ends with a summary of the ratios.
#include "bench/allocation_counter.h"
#include "bench/baselines.h"
#include "bench/bench_files.h"
#include "bench/commands.h"
#include "bench/summary_reporter.h"
#include "bench/summary_table.h"
#include "data/cp1252.h"
#include "listing/listing.h"
#include "search/search_engine.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>
#include <utility>

namespace orvel::bench {
namespace {

struct Selection {
    std::string_view diploma;
    std::string_view department;
};
constexpr Selection kEverything{"****", "00"};
constexpr std::array<Selection, 2> kSelections{kEverything, Selection{"DFCF", "29"}};

constexpr std::array<std::pair<ListingOrder, std::string_view>, 4> kOrders{{
    {ListingOrder::Commune, "commune"},
    {ListingOrder::Reference, "reference"},
    {ListingOrder::Canton, "canton"},
    {ListingOrder::PostalCode, "postal"},
}};

// One believable text per criterion, as a user would type it (UTF-8).
constexpr std::array<std::pair<SearchCriterion, std::string_view>, 5> kSearches{{
    {SearchCriterion::Commune, "saint"},
    {SearchCriterion::PostalCode, "29"},
    {SearchCriterion::Activity, "moulin"},
    {SearchCriterion::Reference, "-012"},
    {SearchCriterion::Canton, "brest"},
}};

// The text of the process comparison of the search: one letter, so that most lines match.
constexpr std::string_view kProcessSearchText = "e";

std::string selectionName(Selection selection) {
    return std::string(selection.diploma) + "/" + std::string(selection.department);
}

// Every name is "<file>/<what>", the file being "sample" or "10x".
void registerFile(const std::string& label, const std::filesystem::path& file) {
    // In-process work is timed by the processor time of this process.
    const auto add = [&](const std::string& name, auto function) {
        benchmark::RegisterBenchmark((label + "/" + name).c_str(), function)
            ->Unit(benchmark::kMillisecond);
    };

    add("floor_plain_read", [file](benchmark::State& state) {
        for (auto _ : state) {
            benchmark::DoNotOptimize(countLinesPlainly(file));
        }
    });
    const std::size_t fileBytes = std::filesystem::file_size(file);
    add("fresh_memory_of_file_size", [fileBytes](benchmark::State& state) {
        for (auto _ : state) {
            touchFreshMemory(fileBytes);
        }
    });
    for (const auto& [order, orderName] : kOrders) {
        for (const Selection selection : kSelections) {
            add("listing/" + std::string(orderName) + "/" + selectionName(selection),
                [file, order = order, selection](benchmark::State& state) {
                    for (auto _ : state) {
                        auto listing =
                            buildListing(order, file, selection.diploma, selection.department);
                        if (!listing.ok()) {
                            state.SkipWithError("the reference file cannot be read");
                            return;
                        }
                        benchmark::DoNotOptimize(listing.value().lines.size());
                    }
                });
        }
    }
    const auto addSearch = [&](SearchCriterion criterion, std::string_view textUtf8) {
        add("search/" + std::to_string(static_cast<int>(criterion)) + "/" + std::string(textUtf8),
            [file, criterion, text = utf8ToCp1252(textUtf8)](benchmark::State& state) {
                for (auto _ : state) {
                    auto found = Cherche_Ref(criterion, text, file);
                    if (!found.ok()) {
                        state.SkipWithError("the reference file cannot be read");
                        return;
                    }
                    benchmark::DoNotOptimize(found.value().size());
                }
            });
    };
    for (const auto& [criterion, text] : kSearches) {
        addSearch(criterion, text);
    }
    // The process comparison's search, in process: what the engine costs without the tool.
    addSearch(SearchCriterion::Commune, kProcessSearchText);
    add("naive_multiset/commune/" + selectionName(kEverything), [file](benchmark::State& state) {
        for (auto _ : state) {
            benchmark::DoNotOptimize(naiveCommuneListing(file));
        }
    });
    add("memory/commune/" + selectionName(kEverything), [file](benchmark::State& state) {
        for (auto _ : state) {
            resetHeapPeak();
            const std::size_t before = heapBytesInUse();
            auto listing = buildListing(ListingOrder::Commune, file, kEverything.diploma,
                                        kEverything.department);
            if (!listing.ok()) {
                state.SkipWithError("the reference file cannot be read");
                return;
            }
            double lineBytes = 0;
            for (std::size_t i = 0; i < listing.value().lines.size(); ++i) {
                lineBytes += static_cast<double>(listing.value().lines[i].size());
            }
            const auto peak = static_cast<double>(heapPeak() - before);
            state.counters["peak_heap_bytes"] = peak;
            state.counters["listing_bytes"] = lineBytes;
            state.counters["peak_per_listing_byte"] = peak / lineBytes;
        }
    });

    // A process is timed by the processor time of the shell and its children; the time on the
    // clock is kept as the counter wall_ms.
    const auto process = [&](const std::string& name, std::string commandLine) {
        benchmark::RegisterBenchmark(
            (label + "/process/" + name).c_str(),
            [commandLine = std::move(commandLine)](benchmark::State& state) {
                double wallSeconds = 0;
                for (auto _ : state) {
                    try {
                        const CommandCost cost = runCommand(commandLine);
                        state.SetIterationTime(cost.cpuSeconds);
                        wallSeconds += cost.wallSeconds;
                    } catch (const std::exception& error) {
                        state.SkipWithError(error.what());
                        break;
                    }
                }
                state.counters["wall_ms"] =
                    benchmark::Counter(1000 * wallSeconds, benchmark::Counter::kAvgIterations);
            })
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime();
    };
    const std::string everything = selectionName(kEverything);
    process("awk_sort/" + everything,
            awkSortListing(file, kEverything.diploma, kEverything.department));
    process("orvel_query_list/" + everything,
            queryListing(queryTool(), file, kEverything.diploma, kEverything.department));
    process("grep/" + std::string(kProcessSearchText), grepCount(file, kProcessSearchText));
    process("orvel_query_search/1/" + std::string(kProcessSearchText),
            querySearch(queryTool(), file, 1, kProcessSearchText));
}

} // namespace
} // namespace orvel::bench

int main(int argc, char** argv) {
    using namespace orvel::bench;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 2;
    }
    try {
        const TenfoldFile tenfold(sampleFile());
        registerFile("sample", sampleFile());
        registerFile("10x", tenfold.path());
        SummaryReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        benchmark::Shutdown();
        printSummary(reporter);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "orvel_bench: %s\n", error.what());
        return 2;
    }
    return 0;
}

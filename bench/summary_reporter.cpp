#include "bench/summary_reporter.h"

#include <unistd.h>

namespace orvel::bench {

// Colours only on a terminal: bench/run's output is read as plain text.
SummaryReporter::SummaryReporter()
    : ConsoleReporter(isatty(STDOUT_FILENO) != 0 ? OO_Defaults : OO_Tabular) {}

void SummaryReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0) {
            continue;
        }
        // The registered name, without the "/manual_time" that UseManualTime() appends.
        const std::string& name = run.run_name.function_name;
        if (milliseconds_.count(name) == 0) {
            names_.push_back(name);
        }
        const auto perIteration = [&](double seconds) {
            return 1000.0 * seconds / static_cast<double>(run.iterations);
        };
        for (const auto& [counterName, value] : run.counters) {
            counters_[name][counterName] = value.value;
        }
        if (run.run_name.time_type == "manual_time") {
            milliseconds_[name] = perIteration(run.real_accumulated_time);
            wallMilliseconds_[name] = counters_[name]["wall_ms"];
        } else {
            milliseconds_[name] = perIteration(run.cpu_accumulated_time);
            wallMilliseconds_[name] = perIteration(run.real_accumulated_time);
        }
    }
}

std::optional<double> SummaryReporter::milliseconds(const std::string& name) const {
    const auto found = milliseconds_.find(name);
    return found == milliseconds_.end() ? std::nullopt : std::optional<double>(found->second);
}

std::optional<double> SummaryReporter::wallMilliseconds(const std::string& name) const {
    const auto found = wallMilliseconds_.find(name);
    return found == wallMilliseconds_.end() ? std::nullopt : std::optional<double>(found->second);
}

std::optional<double> SummaryReporter::counter(const std::string& name,
                                               const std::string& counterName) const {
    const auto found = counters_.find(name);
    if (found == counters_.end()) {
        return std::nullopt;
    }
    const auto value = found->second.find(counterName);
    return value == found->second.end() ? std::nullopt : std::optional<double>(value->second);
}

} // namespace orvel::bench

#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orvel::bench {

// The console report of Google Benchmark, keeping for every benchmark its mean processor time
// and time on the clock (in milliseconds) and its counters, so that the ratios to the baselines
// can be printed at the end. A benchmark with manual time reports the processor time of its
// processes as that time, and the time on the clock as its counter wall_ms.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    SummaryReporter();
    void ReportRuns(const std::vector<Run>& runs) override;

    // The benchmarks that ran, in their order.
    [[nodiscard]] const std::vector<std::string>& names() const { return names_; }
    [[nodiscard]] std::optional<double> milliseconds(const std::string& name) const;
    [[nodiscard]] std::optional<double> wallMilliseconds(const std::string& name) const;
    [[nodiscard]] std::optional<double> counter(const std::string& name,
                                                const std::string& counterName) const;

private:
    std::vector<std::string> names_;
    std::map<std::string, double> milliseconds_;
    std::map<std::string, double> wallMilliseconds_;
    std::map<std::string, std::map<std::string, double>> counters_;
};

} // namespace orvel::bench

#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orvel::bench {

// The console report of Google Benchmark, keeping the mean real time of every benchmark (in
// milliseconds) and its counters, so that the ratios to the baselines can be printed at the end.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // The benchmarks that ran, in their order.
    [[nodiscard]] const std::vector<std::string>& names() const { return names_; }
    [[nodiscard]] std::optional<double> milliseconds(const std::string& name) const;
    [[nodiscard]] std::optional<double> counter(const std::string& name,
                                                const std::string& counterName) const;

private:
    std::vector<std::string> names_;
    std::map<std::string, double> milliseconds_;
    std::map<std::string, std::map<std::string, double>> counters_;
};

} // namespace orvel::bench

#pragma once

#include "bench/summary_reporter.h"

namespace orvel::bench {

// Prints every time with its ratio to the plain-read floor, the ratios to each baseline with
// their targets, and as the very last line:
// listing_vs_awk_sort=<ratio> search_vs_grep=<ratio> scale_10x=<ratio>
void printSummary(const SummaryReporter& reporter);

} // namespace orvel::bench

#pragma once

#include "query/query_options.h"

namespace orvel::query {

// Exit statuses: something found, nothing found, and a usage, file or output error.
inline constexpr int kFound = 0;
inline constexpr int kNothingFound = 1;
inline constexpr int kFailure = 2;

// Runs the command that the words name; throws UsageError or OutputFailure.
int runCommand(const Options& options);

} // namespace orvel::query

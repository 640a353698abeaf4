#pragma once

#include <cstddef>
#include <filesystem>

namespace orvel::bench {

// The floor: the file read in large blocks, its line ends counted, nothing else.
std::size_t countLinesPlainly(const std::filesystem::path& file);

// The naive design of the full commune listing: every listing line inserted one by one into a
// sorted container with a case-insensitive comparator, as a sorted list box would keep them.
std::size_t naiveCommuneListing(const std::filesystem::path& file);

} // namespace orvel::bench

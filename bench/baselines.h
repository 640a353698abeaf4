#pragma once

#include <cstddef>
#include <filesystem>

namespace orvel::bench {

// The floor: the file read in large blocks, its line ends counted, nothing else.
std::size_t countLinesPlainly(const std::filesystem::path& file);

// What this machine charges for memory that a process touches for the first time: a fresh
// mapping of that many bytes, written once per page. A listing fills fresh memory of about the
// size of the file, so this is part of its floor too.
void touchFreshMemory(std::size_t bytes);

// The naive design of the full commune listing: every listing line inserted one by one into a
// sorted container with a case-insensitive comparator, as a sorted list box would keep them.
std::size_t naiveCommuneListing(const std::filesystem::path& file);

} // namespace orvel::bench

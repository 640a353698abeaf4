#pragma once

#include <cstddef>

namespace orvel::bench {

// Heap bytes held by operator new in this process, counted by the replaced global allocation
// functions of allocation_counter.cpp.
std::size_t heapBytesInUse();

// The most heap bytes held at once since the last call to resetHeapPeak().
std::size_t heapPeak();
void resetHeapPeak();

} // namespace orvel::bench

#pragma once

#include <cstdint>

namespace verbalo::bench {

// Heap allocations made through operator new since the program started.
std::uint64_t AllocationCount();

}  // namespace verbalo::bench

#pragma once

#include <cstdint>

namespace verbalo::bench {

// Heap allocations made through operator new since the program started.
std::uint64_t AllocationCount();

// Makes ICU allocate through counted functions; false when ICU has been used already.
bool CountIcuAllocations();

}  // namespace verbalo::bench

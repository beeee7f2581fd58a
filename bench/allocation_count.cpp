// Counts every allocation through operator new, so that a benchmark can tell what one wording
// costs in allocations.
#include "bench/allocation_count.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::uint64_t> gAllocations{0};

}  // namespace

namespace verbalo::bench {

std::uint64_t AllocationCount() {
    return gAllocations.load(std::memory_order_relaxed);
}

}  // namespace verbalo::bench

void* operator new(std::size_t size) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

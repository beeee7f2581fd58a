// Counts every allocation through operator new, and ICU's (which go through its own memory
// functions, not operator new), so that a benchmark can tell what one wording costs.
#include "bench/allocation_count.h"

#include <unicode/uclean.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::uint64_t> gAllocations{0};

void* CountedAlloc(const void* /*context*/, std::size_t size) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size);
}
void* CountedRealloc(const void* /*context*/, void* memory, std::size_t size) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    return std::realloc(memory, size);
}
void Free(const void* /*context*/, void* memory) {
    std::free(memory);
}

}  // namespace

namespace verbalo::bench {

std::uint64_t AllocationCount() {
    return gAllocations.load(std::memory_order_relaxed);
}

bool CountIcuAllocations() {
    UErrorCode status = U_ZERO_ERROR;
    u_setMemoryFunctions(nullptr, CountedAlloc, CountedRealloc, Free, &status);
    return U_SUCCESS(status);
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

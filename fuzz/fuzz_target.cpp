// One fuzz target: VERBALO_FUZZ_CHECK names the check that it runs on every input.
#include "fuzz/checks/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    verbalo::fuzz::VERBALO_FUZZ_CHECK(data, size);
    return 0;
}

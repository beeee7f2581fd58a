#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace verbalo::bench {

// One amount of the benchmarks' sample: its text with a decimal comma, and its integer part.
struct SampleAmount {
    std::string text;  // "123456789012,34"
    std::int64_t integerPart;
};

// A fixed seeded set of 4096 amounts from 0 to 999.999.999.999,99.
const std::vector<SampleAmount>& SampleAmounts();

}  // namespace verbalo::bench

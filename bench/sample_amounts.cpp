#include "bench/sample_amounts.h"

#include <random>

namespace verbalo::bench {

const std::vector<SampleAmount>& SampleAmounts() {
    static const std::vector<SampleAmount> amounts = [] {
        std::mt19937_64 random(18'3'0'12);
        std::uniform_int_distribution<std::int64_t> integerPart(0, 999'999'999'999);
        std::uniform_int_distribution<int> cents(0, 99);
        std::vector<SampleAmount> sample;
        for (int i = 0; i < 4096; ++i) {
            const std::int64_t value = integerPart(random);
            const int c = cents(random);
            sample.push_back(
                {std::to_string(value) + (c < 10 ? ",0" : ",") + std::to_string(c), value});
        }
        return sample;
    }();
    return amounts;
}

}  // namespace verbalo::bench

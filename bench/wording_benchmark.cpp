// Throughput of the cheque wording against ICU's Italian spell-out of the same integers, and the
// heap allocations that one wording costs.
#include <benchmark/benchmark.h>
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "wording/compose_wording.h"

namespace {

std::atomic<std::uint64_t> gAllocations{0};

struct Amount {
    std::string text;  // "123456789012,34"
    std::int64_t integerPart;
};

const std::vector<Amount>& SampleAmounts() {
    static const std::vector<Amount> amounts = [] {
        std::mt19937_64 random(18'3'0'12);
        std::uniform_int_distribution<std::int64_t> integerPart(0, 999'999'999'999);
        std::uniform_int_distribution<int> cents(0, 99);
        std::vector<Amount> sample;
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

void BM_ComposeWording(benchmark::State& state) {
    const auto& amounts = SampleAmounts();
    const verbalo::WordTables& tables = verbalo::StandardWordTables();
    std::size_t i = 0;
    std::uint64_t allocationsBefore = gAllocations.load();
    for (auto _ : state) {
        auto composed = verbalo::ComposeWording(tables, amounts[i++ % amounts.size()].text, ',');
        benchmark::DoNotOptimize(composed);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["allocs_per_wording"] =
        benchmark::Counter(static_cast<double>(gAllocations.load() - allocationsBefore) /
                           static_cast<double>(state.iterations()));
}
BENCHMARK(BM_ComposeWording);

void BM_IcuItalianSpellOut(benchmark::State& state) {
    UErrorCode status = U_ZERO_ERROR;
    icu::RuleBasedNumberFormat format(icu::URBNF_SPELLOUT, icu::Locale("it"), status);
    format.setDefaultRuleSet(u"%spellout-numbering", status);
    if (U_FAILURE(status)) {
        state.SkipWithError("ICU has no Italian spell-out");
        return;
    }
    const auto& amounts = SampleAmounts();
    std::size_t i = 0;
    std::uint64_t allocationsBefore = gAllocations.load();
    for (auto _ : state) {
        icu::UnicodeString text;
        format.format(amounts[i++ % amounts.size()].integerPart, text);
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["allocs_per_wording"] =
        benchmark::Counter(static_cast<double>(gAllocations.load() - allocationsBefore) /
                           static_cast<double>(state.iterations()));
}
BENCHMARK(BM_IcuItalianSpellOut);

// Prints the ratio of the two rates after the run.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            // Single runs, or the median when repetitions are aggregated.
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") {
                continue;
            }
            const auto items = run.counters.find("items_per_second");
            if (items == run.counters.end()) {
                continue;
            }
            if (run.benchmark_name().starts_with("BM_ComposeWording")) {
                ours_ = items->second.value;
            } else if (run.benchmark_name().starts_with("BM_IcuItalianSpellOut")) {
                icu_ = items->second.value;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        if (ours_ > 0 && icu_ > 0) {
            std::printf(
                "ComposeWording: %.0f amounts/s, ICU spell-out: %.0f amounts/s, ratio %.1f\n",
                ours_, icu_, ours_ / icu_);
        }
    }

  private:
    double ours_ = 0;
    double icu_ = 0;
};

}  // namespace

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
}  // NOLINT

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

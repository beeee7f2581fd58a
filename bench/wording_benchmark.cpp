// The cheque wording's throughput, text in and wording out, in its two forms; ICU's Italian
// spell-out of the same integers; and a floor: copying each amount's precomputed pieces, with
// no reading and no choosing of pieces.
#include <benchmark/benchmark.h>
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <vector>

#include "bench/allocation_count.h"
#include "bench/sample_amounts.h"
#include "wording/compose_wording.h"

namespace verbalo::bench {
namespace {

// The heap allocations that wording each sample amount once costs, on average: counted outside
// the timed loop, where the benchmark library allocates too.
template <typename WordOne>
benchmark::Counter AllocationsPerWording(WordOne wordOne) {
    const auto& amounts = SampleAmounts();
    const std::uint64_t before = AllocationCount();
    for (const SampleAmount& amount : amounts) {
        wordOne(amount);
    }
    return benchmark::Counter(static_cast<double>(AllocationCount() - before) /
                              static_cast<double>(amounts.size()));
}

void BM_WordingIntoBuffer(benchmark::State& state) {
    const auto& amounts = SampleAmounts();
    const WordTables& tables = StandardWordTables();
    WordingBuffer wording;
    const auto wordOne = [&](const SampleAmount& amount) {
        auto composed = ComposeWording(tables, amount.text, ',', wording);
        benchmark::DoNotOptimize(composed);
        benchmark::ClobberMemory();
    };
    std::size_t i = 0;
    for (auto _ : state) {
        wordOne(amounts[i++ % amounts.size()]);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["allocs_per_wording"] = AllocationsPerWording(wordOne);
}
BENCHMARK(BM_WordingIntoBuffer);

void BM_WordingAsString(benchmark::State& state) {
    const auto& amounts = SampleAmounts();
    const WordTables& tables = StandardWordTables();
    const auto wordOne = [&](const SampleAmount& amount) {
        auto composed = ComposeWording(tables, amount.text, ',');
        benchmark::DoNotOptimize(composed);
    };
    std::size_t i = 0;
    for (auto _ : state) {
        wordOne(amounts[i++ % amounts.size()]);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["allocs_per_wording"] = AllocationsPerWording(wordOne);
}
BENCHMARK(BM_WordingAsString);

void BM_IcuItalianSpellOut(benchmark::State& state) {
    UErrorCode status = U_ZERO_ERROR;
    icu::RuleBasedNumberFormat format(icu::URBNF_SPELLOUT, icu::Locale("it"), status);
    format.setDefaultRuleSet(u"%spellout-numbering", status);
    if (U_FAILURE(status)) {
        state.SkipWithError("ICU has no Italian spell-out");
        return;
    }
    const auto& amounts = SampleAmounts();
    const auto wordOne = [&](const SampleAmount& amount) {
        icu::UnicodeString text;
        format.format(amount.integerPart, text);
        benchmark::DoNotOptimize(text);
    };
    std::size_t i = 0;
    for (auto _ : state) {
        wordOne(amounts[i++ % amounts.size()]);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["allocs_per_wording"] = AllocationsPerWording(wordOne);
}
BENCHMARK(BM_IcuItalianSpellOut);

// The group pieces of one amount's wording, chosen beforehand.
struct PrecomputedPieces {
    std::array<std::string_view, kScaleCount> groups;
    int cents;
};

// What the wording cannot go below: the same pieces copied the same way, with nothing read and
// nothing chosen.
void BM_CopyingPrecomputedPieces(benchmark::State& state) {
    const WordTables& tables = StandardWordTables();
    std::vector<PrecomputedPieces> sample;
    for (const SampleAmount& amount : SampleAmounts()) {
        const ExactAmount read = ReadAmount(amount.text, ',').value();
        PrecomputedPieces& pieces = sample.emplace_back();
        const std::uint64_t integer = read.integerPart;
        const std::array<std::uint64_t, kScaleCount> groupsFromHere = {
            integer / 1'000'000'000, integer / 1'000'000, integer / 1'000, integer};
        for (std::size_t scale = 0; scale < kScaleCount; ++scale) {
            pieces.groups[scale] = tables.GroupPiece(
                static_cast<Scale>(scale), static_cast<std::uint32_t>(groupsFromHere[scale] % 1000),
                groupsFromHere[scale] < 1000);
        }
        pieces.cents = read.cents;
    }
    WordingBuffer wording;
    std::size_t i = 0;
    for (auto _ : state) {
        const PrecomputedPieces& pieces = sample[i++ % sample.size()];
        char* end = wording.data();
        for (const std::string_view piece : pieces.groups) {
            std::memcpy(end, piece.data(), WordTables::kReadableFromPiece);
            end += piece.size();
        }
        end = std::copy_n(" / ", 3, end);
        *end++ = static_cast<char>('0' + pieces.cents / 10);
        *end++ = static_cast<char>('0' + pieces.cents % 10);
        std::string_view copied(wording.data(), static_cast<std::size_t>(end - wording.data()));
        benchmark::DoNotOptimize(copied);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CopyingPrecomputedPieces);

}  // namespace
}  // namespace verbalo::bench

// verbalo-cli as a batch job runs it: a million amounts through a pipe, one a line, and a
// delimited file of a million rows. The time is the whole run, the program's start included.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/child_process.h"
#include "bench/sample_amounts.h"

namespace verbalo::bench {
namespace {

constexpr std::size_t kLines = 1'000'000;

// The sample amounts, one a line, repeated to kLines lines.
std::string AmountLines() {
    const auto& amounts = SampleAmounts();
    std::string lines;
    for (std::size_t i = 0; i < kLines; ++i) {
        lines += amounts[i % amounts.size()].text;
        lines += '\n';
    }
    return lines;
}

// A payment list as a spreadsheet writes it: a header, then number;payee;amount rows.
std::string PaymentRows() {
    const auto& amounts = SampleAmounts();
    std::string rows = "Numero;Beneficiario;Importo\r\n";
    for (std::size_t i = 1; i < kLines; ++i) {
        rows +=
            std::to_string(i) + ";\"Rossi; Mario\";" + amounts[i % amounts.size()].text + "\r\n";
    }
    return rows;
}

void RunProgram(benchmark::State& state, const std::vector<std::string>& args,
                const std::string& input) {
    for (auto _ : state) {
        const PipedRun run = RunThroughPipes(VERBALO_CLI_PROGRAM, args, input);
        if (run.exitStatus != 0 || run.outputLines != kLines) {
            state.SkipWithError("verbalo-cli did not word every line");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kLines));
}

void BM_CommandLineThroughPipe(benchmark::State& state) {
    static const std::string input = AmountLines();
    RunProgram(state, {"--separator", ","}, input);
}
BENCHMARK(BM_CommandLineThroughPipe)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DelimitedFileThroughPipe(benchmark::State& state) {
    static const std::string input = PaymentRows();
    RunProgram(state, {"--separator", ",", "--column", "3", "--header"}, input);
}
BENCHMARK(BM_DelimitedFileThroughPipe)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace verbalo::bench

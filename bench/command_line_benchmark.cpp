// verbalo-cli as a batch job runs it: a million amounts through a pipe, one a line, and a
// delimited file of a million rows. The time is the whole run, the program's start included.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "bench/child_process.h"
#include "bench/sample_amounts.h"
#include "wording/compose_wording.h"
#include "wording/letter_case.h"

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

// The bytes of the wordings of the sample amounts from `first` on, `count` of them: what the
// delimited output must hold besides what it keeps of the input. A run is checked by its size,
// so that its output need not be read line by line.
std::size_t WordingBytes(std::size_t first, std::size_t count) {
    const auto& amounts = SampleAmounts();
    WordingBuffer wording;
    std::size_t bytes = 0;
    for (std::size_t i = first; i < first + count; ++i) {
        bytes +=
            ComposeWording(StandardWordTables(), amounts[i % amounts.size()].text, ',', wording)
                ->size();
    }
    return bytes;
}

// What the line mode writes for AmountLines(), composed in-process once: the output of its runs
// and what the pipe alone passes.
const std::string& LineOutput() {
    static const std::string output = [] {
        const auto& amounts = SampleAmounts();
        WordingBuffer wording;
        std::string lines;
        for (std::size_t i = 0; i < kLines; ++i) {
            lines += ApplyCaseStyle(*ComposeWording(StandardWordTables(),
                                                    amounts[i % amounts.size()].text, ',', wording),
                                    1)
                         .value();
            lines += '\n';
        }
        return lines;
    }();
    return output;
}

// A file that holds a text while the benchmark runs.
class TemporaryFile {
  public:
    explicit TemporaryFile(std::string_view text) {
        const int fd = mkstemp(path_.data());
        if (fd >= 0) {
            for (std::string_view left = text; !left.empty();) {
                const ssize_t written = write(fd, left.data(), left.size());
                if (written <= 0) {
                    break;
                }
                left.remove_prefix(static_cast<std::size_t>(written));
            }
            close(fd);
        }
    }
    ~TemporaryFile() { unlink(path_.c_str()); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& Path() const { return path_; }

  private:
    std::string path_ = "/tmp/verbalo-bench-XXXXXX";
};

void RunProgram(benchmark::State& state, const std::string& program,
                const std::vector<std::string>& args, const std::string& input,
                std::size_t expectedBytes) {
    for (auto _ : state) {
        const PipedRun run = RunThroughPipes(program, args, input);
        if (run.exitStatus != 0 || run.outputBytes != expectedBytes) {
            state.SkipWithError("the program did not write every line");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kLines));
}

// What the pipe alone allows: cat passing the line mode's output from a file, no wording done.
void BM_PipeAloneWithTheSameOutput(benchmark::State& state) {
    static const TemporaryFile file(LineOutput());
    RunProgram(state, "/bin/cat", {file.Path()}, "", LineOutput().size());
}
BENCHMARK(BM_PipeAloneWithTheSameOutput)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CommandLineThroughPipe(benchmark::State& state) {
    static const std::string input = AmountLines();
    RunProgram(state, VERBALO_CLI_PROGRAM, {"--separator", ","}, input, LineOutput().size());
}
BENCHMARK(BM_CommandLineThroughPipe)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DelimitedFileThroughPipe(benchmark::State& state) {
    static const std::string input = PaymentRows();
    // Each row as it came, with ";" and its wording before the line end; the header's name.
    static const std::size_t expected = input.size() +
                                        std::string_view(";Importo in lettere").size() +
                                        WordingBytes(1, kLines - 1) + (kLines - 1);
    RunProgram(state, VERBALO_CLI_PROGRAM, {"--separator", ",", "--column", "3", "--header"}, input,
               expected);
}
BENCHMARK(BM_DelimitedFileThroughPipe)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace verbalo::bench

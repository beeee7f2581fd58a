// Runs every benchmark, then sets their rates side by side: the wording against ICU and
// against the floor, and the command line against the wording in-process.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench/allocation_count.h"

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            // Single runs, or the median when repetitions are aggregated.
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") {
                continue;
            }
            const auto items = run.counters.find("items_per_second");
            if (items != run.counters.end() && !run.error_occurred) {
                rates_[run.run_name.function_name] = items->second.value;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const double buffer = Rate("BM_WordingIntoBuffer");
        const double icu = Rate("BM_IcuItalianSpellOut");
        std::printf("\n");
        PrintAgainst(
            "wording into a buffer", buffer,
            {{"ICU's spell-out", icu}, {"the floor", Rate("BM_CopyingPrecomputedPieces")}});
        PrintAgainst("wording as a string", Rate("BM_WordingAsString"), {{"ICU's spell-out", icu}});
        const double pipeAlone = Rate("BM_PipeAloneWithTheSameOutput");
        PrintAgainst("verbalo-cli through a pipe", Rate("BM_CommandLineThroughPipe"),
                     {{"the wording into a buffer", buffer},
                      {"the wording as a string", Rate("BM_WordingAsString")},
                      {"the pipe alone", pipeAlone}});
        PrintAgainst("verbalo-cli, delimited rows through a pipe",
                     Rate("BM_DelimitedFileThroughPipe"),
                     {{"the wording into a buffer", buffer}, {"the pipe alone", pipeAlone}});
    }

  private:
    struct Reference {
        const char* name;
        double rate;
    };

    double Rate(const std::string& name) const {
        const auto found = rates_.find(name);
        return found == rates_.end() ? 0.0 : found->second;
    }

    static void PrintAgainst(const char* name, double rate, std::vector<Reference> references) {
        if (rate <= 0) {
            return;
        }
        std::printf("%-44s %7.2f million/s", name, rate / 1e6);
        for (const Reference& reference : references) {
            if (reference.rate > 0) {
                std::printf(", %.2f times %s", rate / reference.rate, reference.name);
            }
        }
        std::printf("\n");
    }

    std::map<std::string, double> rates_;
};

}  // namespace

int main(int argc, char** argv) {
    if (!verbalo::bench::CountIcuAllocations()) {
        std::fprintf(stderr, "ICU's allocations are not counted\n");
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

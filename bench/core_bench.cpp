// The core filter pass without a window on lists of 10^4 to 10^6 numbers, the walks over the list
// it is made of, and generation and attributes for comparison.
#include "bench_support.h"

#include "filtering/attributes.h"
#include "filtering/candidate_list.h"
#include "filtering/filter_pass.h"
#include "filtering/generation.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace shrink2d;

constexpr const char* kPerElement = "per_element";

// The usual console table, plus each benchmark's result kept under its name, so that main can
// print figures that compare one benchmark with another.
class KeepingReporter : public benchmark::ConsoleReporter {
public:
    KeepingReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            // With repetitions the median speaks for the benchmark; otherwise its only run does.
            const bool isMedian =
                run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool isOnlyRun = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (isMedian || isOnlyRun) m_kept[run.run_name.str()] = run;
        }
    }

    // The kept result of the benchmark with that full name; null when it did not run (filtered
    // out, or failed).
    const Run* find(const std::string& name) const
    {
        const auto found = m_kept.find(name);
        return found == m_kept.end() ? nullptr : &found->second;
    }

private:
    std::map<std::string, Run> m_kept;
};

void BM_FilterPass(benchmark::State& state)
{
    const auto count = static_cast<std::size_t>(state.range(0));
    const std::string list = bench::randomList(count);
    const FilterSettings settings = bench::everyRowActive();
    const std::size_t kept = countCandidates(runFilterPass(list, settings).listText);
    for (auto _ : state) {
        PassOutcome outcome = runFilterPass(list, settings);
        benchmark::DoNotOptimize(outcome.listText.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters[kPerElement] = benchmark::Counter(static_cast<double>(count),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
    state.counters["kept"] = static_cast<double>(kept) / static_cast<double>(count);
}
BENCHMARK(BM_FilterPass)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

// The three walks over the list a pass makes, on the largest list, to show which one costs.
void BM_PassStep(benchmark::State& state)
{
    const std::string list = bench::randomList(1'000'000);
    const FilterSettings settings = bench::everyRowActive();
    const std::string afterBanker = *bankerFilter(list, settings.banker);
    const std::string survivors = applyConditions(afterBanker, settings).listText;
    for (auto _ : state) {
        switch (state.range(0)) {
        case 0:
            benchmark::DoNotOptimize(bankerFilter(list, settings.banker));
            break;
        case 1:
            benchmark::DoNotOptimize(applyConditions(afterBanker, settings));
            break;
        default:
            benchmark::DoNotOptimize(countCandidates(survivors));
            break;
        }
    }
    state.SetLabel(state.range(0) == 0   ? "bankerFilter"
                   : state.range(0) == 1 ? "applyConditions"
                                         : "countCandidates");
    state.counters[kPerElement] = benchmark::Counter(
        1e6, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PassStep)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_GenerateCandidates(benchmark::State& state)
{
    DigitSet all;
    all.set();
    for (auto _ : state) {
        benchmark::DoNotOptimize(all);
        std::string list = generateCandidates(all, all);
        benchmark::DoNotOptimize(list.data());
    }
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_GenerateCandidates);

void BM_ComputeAttributes(benchmark::State& state)
{
    std::string_view element = "37";
    for (auto _ : state) {
        benchmark::DoNotOptimize(element);
        AttributesResult attrs = computeAttributes(element);
        benchmark::DoNotOptimize(attrs);
    }
}
BENCHMARK(BM_ComputeAttributes);

// Time per element at each size, and how far it drifts from the smallest size to the largest.
void printSummary(const KeepingReporter& reporter)
{
    const auto* small = reporter.find("BM_FilterPass/10000");
    const auto* large = reporter.find("BM_FilterPass/1000000");
    if (small == nullptr || large == nullptr) return;
    constexpr double kNs = 1e9;
    const double smallNs = small->counters.at(kPerElement).value * kNs;
    const double largeNs = large->counters.at(kPerElement).value * kNs;
    std::printf("\nfilter pass: %.2f ns/element at 10^4, %.2f ns/element at 10^6 (ratio %.2f)\n",
                smallNs, largeNs, largeNs / smallNs);
    const double drift = largeNs / smallNs;
    std::printf("goal: at most 15 ns/element at 10^6 -> %s; flat with size (ratio within 0.67 to "
                "1.5) -> %s\n",
                largeNs <= 15.0 ? "met" : "NOT met",
                drift >= 1 / 1.5 && drift <= 1.5 ? "met" : "NOT met");
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    KeepingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    printSummary(reporter);
    return 0;
}

// The core filter pass on 10^6 random numbers, every row active, timed with the standard clock
// alone so that it builds wherever the core does (the Windows build has no Google Benchmark).
// Prints the median of the runs in milliseconds.
//   bench_pass_timer [runs]      (default 21)
#include "bench_support.h"

#include "filtering/candidate_list.h"
#include "filtering/filter_pass.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv)
{
    using namespace shrink2d;
    const long runs = argc > 1 ? std::max(1L, std::strtol(argv[1], nullptr, 10)) : 21;
    const std::string list = bench::randomList(1'000'000);
    const FilterSettings settings = bench::everyRowActive();
    std::size_t kept = 0;
    std::vector<double> times;
    for (long run = 0; run <= runs; ++run) { // the first run only warms up
        const auto start = std::chrono::steady_clock::now();
        const PassOutcome outcome = runFilterPass(list, settings);
        const auto end = std::chrono::steady_clock::now();
        kept = countCandidates(outcome.listText);
        if (run > 0)
            times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::nth_element(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2),
                     times.end());
    std::printf("core pass, 10^6 numbers, %zu kept: %.2f ms (median of %ld)\n", kept,
                times[times.size() / 2], runs);
    return 0;
}

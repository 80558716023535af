// "2、过滤" in the real window on a pasted list of 100,000 numbers, next to the floor it is held
// to: writing the same list into the result box and reading it back. Both start from the full list
// in the box, already laid out and painted; neither includes the repaint that follows.
#include "bench_support.h"

#include "filtering/candidate_list.h"
#include "filtering/filter_pass.h"
#include "toolkit/fonts.h"
#include "window/form1.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace shrink2d;

constexpr std::size_t kListSize = 100'000;

// The same ticks as the core benchmark's settings, made the way a user makes them.
void tickEveryRow(Form1& form)
{
    for (const int digit : {1, 2, 3, 4, 5, 6, 7}) form.Check26(digit).setChecked(true);
    form.Checkhe(0).setChecked(true);
    form.Checkhe(18).setChecked(true);
    form.Check18(5).setChecked(true);
    form.Check19(9).setChecked(true);
    form.Check32(8).setChecked(true);                                     // 22
    form.Check27(0).setChecked(true);                                     // 偶偶
    form.Option1(1).setChecked(true);                                     // 杀
    form.Check28(1).setChecked(true);                                     // 偶小
    form.Check28(5).setChecked(true);                                     // 小偶
    form.Option3(1).setChecked(true);                                     // 杀
    for (const int item : {0, 2, 3}) form.Check29(item).setChecked(true); // 大大 大小 小大
}

// Puts the full list back before each timed step; the reset itself is not timed.
void resetList(benchmark::State& state, Form1& form, const std::string& list)
{
    state.PauseTiming();
    form.Text3->SetText(list);
    QApplication::processEvents();
    state.ResumeTiming();
}

void registerBenchmarks(Form1& form, const std::string& list)
{
    const auto perList = [](benchmark::State& state) {
        state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kListSize));
    };
    benchmark::RegisterBenchmark("click", [&form, &list, perList](benchmark::State& state) {
        for (auto _ : state) {
            resetList(state, form, list);
            form.Command3_Click();
        }
        perList(state);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("floor", [&form, &list, perList](benchmark::State& state) {
        for (auto _ : state) {
            resetList(state, form, list);
            form.Text3->SetText(list);
            benchmark::DoNotOptimize(form.Text3->Text());
        }
        perList(state);
    })->Unit(benchmark::kMillisecond);

    // The parts a click is made of, to show where its time goes: the box's own layout on each
    // write dominates, so a click reads the box twice and writes the survivors once.
    benchmark::RegisterBenchmark("part/Text3_read", [&form, &list](benchmark::State& state) {
        form.Text3->SetText(list);
        for (auto _ : state) benchmark::DoNotOptimize(form.Text3->Text());
    })->Unit(benchmark::kMillisecond);
    const FilterSettings settings = bench::everyRowActive();
    const std::array<std::pair<const char*, std::string>, 3> writes = {{
        {"part/Text3_write/full_list", list},
        {"part/Text3_write/after_banker", *bankerFilter(list, settings.banker)},
        {"part/Text3_write/survivors", runFilterPass(list, settings).listText},
    }};
    for (const auto& [name, text] : writes) {
        benchmark::RegisterBenchmark(name, [&form, &list, text = text](benchmark::State& state) {
            for (auto _ : state) {
                resetList(state, form, list);
                form.Text3->SetText(text);
            }
        })->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("part/core_pass", [&list, settings](benchmark::State& state) {
        for (auto _ : state) benchmark::DoNotOptimize(runFilterPass(list, settings));
    })->Unit(benchmark::kMillisecond);
}

struct Timing {
    double cpuMs = 0;
    double wallMs = 0;
};

double nowMs(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

template <typename Step> Timing timed(Step step)
{
    const double cpu = nowMs(CLOCK_PROCESS_CPUTIME_ID);
    const double wall = nowMs(CLOCK_MONOTONIC);
    step();
    return {nowMs(CLOCK_PROCESS_CPUTIME_ID) - cpu, nowMs(CLOCK_MONOTONIC) - wall};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Click and floor taken in turns, so that load from elsewhere on this shared machine falls on both
// alike: timed one after the other, a burst during one of them alone can swing their ratio by
// half. The ratio is the median of the rounds' ratios.
void compareInTurns(Form1& form, const std::string& list, int rounds)
{
    std::vector<double> clickCpu, floorCpu, clickWall, floorWall, ratios;
    for (int round = 0; round < rounds; ++round) {
        form.Text3->SetText(list);
        QApplication::processEvents();
        const Timing click = timed([&form] { form.Command3_Click(); });
        form.Text3->SetText(list);
        QApplication::processEvents();
        const Timing floor = timed([&form, &list] {
            form.Text3->SetText(list);
            benchmark::DoNotOptimize(form.Text3->Text());
        });
        clickCpu.push_back(click.cpuMs);
        floorCpu.push_back(floor.cpuMs);
        clickWall.push_back(click.wallMs);
        floorWall.push_back(floor.wallMs);
        ratios.push_back(click.cpuMs / floor.cpuMs);
    }
    const double ratio = median(ratios);
    std::printf("\nclick and floor in turns, medians of %d rounds\n", rounds);
    std::printf("%-12s %8s %8s\n", "", "CPU ms", "wall ms");
    std::printf("%-12s %8.1f %8.1f\n", "click", median(clickCpu), median(clickWall));
    std::printf("%-12s %8.1f %8.1f\n", "floor", median(floorCpu), median(floorWall));
    std::printf("%-12s %7.2fx\n", "click/floor", ratio);
    std::printf("goal: click at most 1.3x the floor -> %s\n", ratio <= 1.3 ? "met" : "NOT met");
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    toolkit::prepareApplication(app);
    Form1 form;
    form.show();
    tickEveryRow(form);
    if (readFilterSettings(form.controls()) != bench::everyRowActive()) {
        std::fprintf(stderr, "bench_window_click: the ticks do not match the core settings\n");
        return 1;
    }
    const std::string list = bench::randomList(kListSize);

    form.Text3->SetText(list);
    form.Command3_Click();
    std::printf("one click keeps %zu of %zu numbers\n", countCandidates(form.Text3->Text()),
                kListSize);

    registerBenchmarks(form, list);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    compareInTurns(form, list, 11);
    return 0;
}

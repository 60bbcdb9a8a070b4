// The program from outside, as separate processes: start-up to the main window painted, with a full history
// of 399 records, against the floor of a bare Qt program that shows one empty 700 x 500 dialog (and the same
// dialog with one line of Chinese text), measured in turns in the same run; and the peak memory of a whole
// prediction walk.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench/ui/CBenchProgramFolder.h"
#include "bench/ui/ChildProcess.h"

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

struct Contender {
    const char* program;
    std::vector<std::string> arguments;
    std::vector<double> readySeconds;
    long peakKb = 0;
};

// Start-up of the program to its main window painted, and of the two floors, in turns: each iteration starts
// all three, in an order that rotates, so that a slow moment of the machine does not land on one side only.
void BM_StartUpVsBareDialog(benchmark::State& state) {
    const CBenchProgramFolder folder(399);
    if (!folder.IsValid()) {
        state.SkipWithError(folder.Error().toStdString().c_str());
        return;
    }
    const std::string where = folder.Path().toStdString();
    std::vector<Contender> contenders = {{MORVINT_BENCH_FLOOR, {}, {}},
                                         {MORVINT_BENCH_FLOOR, {"--cjk-line"}, {}},
                                         {MORVINT_BENCH_PROGRAM, {}, {}}};
    // One run of each first, so that all find the shared libraries and fonts in the page cache.
    for (const Contender& c : contenders) {
        RunChild(c.program, c.arguments, where);
    }
    std::size_t first = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < contenders.size(); ++i) {
            Contender& c = contenders[(first + i) % contenders.size()];
            const ChildRun run = RunChild(c.program, c.arguments, where);
            if (!run.ok) {
                state.SkipWithError(run.error.c_str());
                return;
            }
            c.readySeconds.push_back(run.readySeconds);
            c.peakKb = std::max(c.peakKb, run.peakResidentKb);
        }
        first = (first + 1) % contenders.size();
        state.SetIterationTime(contenders[2].readySeconds.back());
    }
    const double floor = Median(contenders[0].readySeconds);
    const double floorCjk = Median(contenders[1].readySeconds);
    const double program = Median(contenders[2].readySeconds);
    state.counters["floor_ms"] = floor * 1000;
    state.counters["floor_cjk_ms"] = floorCjk * 1000;
    state.counters["program_ms"] = program * 1000;
    state.counters["ratio"] = floor > 0 ? program / floor : 0;
    state.counters["ratio_cjk"] = floorCjk > 0 ? program / floorCjk : 0;
    // Peak memory of the start-up alone, against the empty dialog's.
    state.counters["floor_peak_MB"] = static_cast<double>(contenders[0].peakKb) / 1024;
    state.counters["program_peak_MB"] = static_cast<double>(contenders[2].peakKb) / 1024;
    state.counters["peak_ratio"] =
        contenders[0].peakKb > 0 ? static_cast<double>(contenders[2].peakKb) / contenders[0].peakKb : 0;
}
BENCHMARK(BM_StartUpVsBareDialog)->Iterations(21)->UseManualTime()->Unit(benchmark::kMillisecond);

// One prediction from the date to the saved codes; how = "--walk-all" then also the records page, now with
// 399 records, and the player page.
void BM_PeakMemoryOfAPredictionWalk(benchmark::State& state, const char* how) {
    long walkKb = 0;
    long floorKb = 0;
    for (auto _ : state) {
        // The walk saves the 399th record into the folder's database: each run starts from a fresh folder.
        const CBenchProgramFolder folder(398);
        if (!folder.IsValid()) {
            state.SkipWithError(folder.Error().toStdString().c_str());
            return;
        }
        const std::string where = folder.Path().toStdString();
        const ChildRun walk = RunChild(MORVINT_BENCH_PROGRAM, {std::string(how)}, where);
        const ChildRun bare = RunChild(MORVINT_BENCH_FLOOR, {}, where);
        if (!walk.ok || !bare.ok) {
            state.SkipWithError((walk.ok ? bare.error : walk.error).c_str());
            return;
        }
        walkKb = std::max(walkKb, walk.peakResidentKb);
        floorKb = std::max(floorKb, bare.peakResidentKb);
        state.SetIterationTime(walk.finishedSeconds);
    }
    state.counters["peak_MB"] = static_cast<double>(walkKb) / 1024;
    state.counters["floor_peak_MB"] = static_cast<double>(floorKb) / 1024;
}
BENCHMARK_CAPTURE(BM_PeakMemoryOfAPredictionWalk, prediction, "--walk")
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PeakMemoryOfAPredictionWalk, prediction_records_player, "--walk-all")
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

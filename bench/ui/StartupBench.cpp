// SPDX-License-Identifier: GPL-3.0-or-later
// The program from outside, as separate processes: start-up to the main window painted, with a full history
// of 399 records, against the floor of a bare Qt program that shows one empty 700 x 500 dialog (and the same
// dialog with one line of Chinese text), measured in turns in the same run; and the peak memory of a whole
// prediction walk; and the time from the click on 退出 to the process's end.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
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
    std::string program;
    std::vector<std::string> arguments;
    std::vector<double> readySeconds;
    std::vector<double> peakMb;
};

// Another build's program to start in the same turns, for a before-and-after in one run:
// MORVINT_BENCH_BASELINE=<other build>/bench/ui_program.
const char* Baseline() {
    const char* baseline = std::getenv("MORVINT_BENCH_BASELINE");
    return baseline != nullptr && *baseline != '\0' ? baseline : nullptr;
}

void Report(benchmark::State& state, const std::vector<Contender>& contenders) {
    const double floor = Median(contenders[0].readySeconds);
    const double floorCjk = Median(contenders[1].readySeconds);
    const double program = Median(contenders[2].readySeconds);
    const double floorPeak = Median(contenders[0].peakMb);
    state.counters["floor_ms"] = floor * 1000;
    state.counters["floor_cjk_ms"] = floorCjk * 1000;
    state.counters["program_ms"] = program * 1000;
    state.counters["ratio"] = floor > 0 ? program / floor : 0;
    state.counters["ratio_cjk"] = floorCjk > 0 ? program / floorCjk : 0;
    // Peak memory of the start-up alone, against the empty dialog's (medians of the runs).
    state.counters["floor_peak_MB"] = floorPeak;
    state.counters["program_peak_MB"] = Median(contenders[2].peakMb);
    state.counters["peak_ratio"] = floorPeak > 0 ? Median(contenders[2].peakMb) / floorPeak : 0;
    if (contenders.size() > 3) {
        const double baseline = Median(contenders[3].readySeconds);
        state.counters["baseline_ms"] = baseline * 1000;
        state.counters["baseline_ratio"] = floor > 0 ? baseline / floor : 0;
        state.counters["baseline_peak_MB"] = Median(contenders[3].peakMb);
        state.counters["baseline_peak_ratio"] = floorPeak > 0 ? Median(contenders[3].peakMb) / floorPeak : 0;
    }
}

// Start-up of the program to its main window painted, and of the two floors (and a baseline, if named), in
// turns: each iteration starts all of them, in an order that rotates, so that a slow moment of the machine
// does not land on one side only.
void BM_StartUpVsBareDialog(benchmark::State& state) {
    const CBenchProgramFolder folder(399);
    if (!folder.IsValid()) {
        state.SkipWithError(folder.Error().toStdString().c_str());
        return;
    }
    const std::string where = folder.Path().toStdString();
    std::vector<Contender> contenders = {{MORVINT_BENCH_FLOOR, {}, {}, {}},
                                         {MORVINT_BENCH_FLOOR, {"--cjk-line"}, {}, {}},
                                         {MORVINT_BENCH_PROGRAM, {}, {}, {}}};
    if (Baseline() != nullptr) {
        contenders.push_back({Baseline(), {}, {}, {}});
    }
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
            c.peakMb.push_back(static_cast<double>(run.peakResidentKb) / 1024);
        }
        first = (first + 1) % contenders.size();
        state.SetIterationTime(contenders[2].readySeconds.back());
    }
    Report(state, contenders);
}
BENCHMARK(BM_StartUpVsBareDialog)->Iterations(21)->UseManualTime()->Unit(benchmark::kMillisecond);

// From the click on 退出 to the end of the process, as the user waits for it: straight after start, and after
// the panel's card with its chime (the sound output is loaded then and must be let go again). Reports the
// median and the slowest of the runs, in the same turns for a baseline if one is named.
void BM_ExitAfterClick(benchmark::State& state, const char* how) {
    const CBenchProgramFolder folder(399);
    if (!folder.IsValid()) {
        state.SkipWithError(folder.Error().toStdString().c_str());
        return;
    }
    const std::string where = folder.Path().toStdString();
    std::vector<std::string> programs{MORVINT_BENCH_PROGRAM};
    if (Baseline() != nullptr) {
        programs.emplace_back(Baseline());
    }
    std::vector<std::vector<double>> exits(programs.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            const ChildRun run = RunChild(programs[i], {std::string(how)}, where);
            if (!run.ok || run.clickToEndSeconds < 0) {
                state.SkipWithError((run.ok ? programs[i] + " marked no click" : run.error).c_str());
                return;
            }
            exits[i].push_back(run.clickToEndSeconds);
        }
        state.SetIterationTime(exits[0].back());
    }
    state.counters["exit_ms"] = Median(exits[0]) * 1000;
    state.counters["exit_max_ms"] = *std::max_element(exits[0].begin(), exits[0].end()) * 1000;
    if (programs.size() > 1) {
        state.counters["baseline_exit_ms"] = Median(exits[1]) * 1000;
        state.counters["baseline_exit_max_ms"] = *std::max_element(exits[1].begin(), exits[1].end()) * 1000;
    }
}
BENCHMARK_CAPTURE(BM_ExitAfterClick, at_once, "--exit")
    ->Iterations(9)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExitAfterClick, after_chime, "--exit-after-chime")
    ->Iterations(9)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The walk saves the 399th record into the folder's database: each run starts from a fresh folder. how: the
// walk's argument, or null for a program that takes none.
ChildRun WalkInFreshFolder(const std::string& program, const char* how) {
    const CBenchProgramFolder folder(398);
    if (!folder.IsValid()) {
        ChildRun failed;
        failed.error = folder.Error().toStdString();
        return failed;
    }
    return RunChild(program, how != nullptr ? std::vector<std::string>{how} : std::vector<std::string>{},
                    folder.Path().toStdString());
}

// One prediction from the date to the saved codes; how = "--walk-all" then also the records page, now with
// 399 records, and the player page; a baseline build walks the same way, if one is named.
void BM_PeakMemoryOfAPredictionWalk(benchmark::State& state, const char* how) {
    long walkKb = 0;
    long floorKb = 0;
    long baselineKb = 0;
    for (auto _ : state) {
        const ChildRun walk = WalkInFreshFolder(MORVINT_BENCH_PROGRAM, how);
        const ChildRun bare = WalkInFreshFolder(MORVINT_BENCH_FLOOR, nullptr);
        const ChildRun baseline = Baseline() != nullptr ? WalkInFreshFolder(Baseline(), how) : bare;
        for (const ChildRun* run : {&walk, &bare, &baseline}) {
            if (!run->ok) {
                state.SkipWithError(run->error.c_str());
                return;
            }
        }
        walkKb = std::max(walkKb, walk.peakResidentKb);
        floorKb = std::max(floorKb, bare.peakResidentKb);
        baselineKb = std::max(baselineKb, baseline.peakResidentKb);
        state.SetIterationTime(walk.finishedSeconds);
    }
    state.counters["peak_MB"] = static_cast<double>(walkKb) / 1024;
    state.counters["floor_peak_MB"] = static_cast<double>(floorKb) / 1024;
    if (Baseline() != nullptr) {
        state.counters["baseline_peak_MB"] = static_cast<double>(baselineKb) / 1024;
    }
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

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs one program of the benchmarks as a child process in a given folder, on the offscreen platform (or the
// one MORVINT_BENCH_QPA names), and reports when it said it was ready (CReadySignal) and how much memory it
// used at its peak; and, for a child that marks the moment it clicks 退出, how long it took from there to
// end.
#include <string>
#include <vector>

struct ChildRun {
    bool ok = false;                // started, signalled ready and ended with status 0
    double readySeconds = 0;        // from the start of the process to its first painted window
    double finishedSeconds = 0;     // from the start to its end
    long peakResidentKb = 0;        // ru_maxrss of the child
    double clickToEndSeconds = -1;  // from the click the child marked ('C') to its end; -1 without a mark
    std::string error;
};

ChildRun RunChild(const std::string& program, const std::vector<std::string>& arguments,
                  const std::string& folder);

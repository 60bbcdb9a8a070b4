// SPDX-License-Identifier: GPL-3.0-or-later
// Main of the user-interface benchmarks: an offscreen QApplication, then Google Benchmark.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "controls/CjkFonts.h"
#include "shell/PluginFolders.h"
#include "tools/OffscreenPlatform.h"

int main(int argc, char** argv) {
    const QTemporaryDir runtimeDir;
    UseOffscreenPlatform(runtimeDir);
    QApplication application(argc, argv);
    InstallCjkFontSubstitutions();
    // The benchmark runs from bench/, not beside the plugins: the workbook export loads its writer from the
    // build's program folder.
    SetPluginFolders({QStringLiteral(MORVINT_PROGRAM_DIR)});
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

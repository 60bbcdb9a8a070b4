// SPDX-License-Identifier: GPL-3.0-or-later
// Years of records: a full history of 399 and an archive of 0, 10,000 or 100,000 records (a daily player
// keeps 10,000 in thirty years; 100,000 is a file shared by a club or filled by imports). Each round is what
// the player waits for: 统计 from the menu to the window painted (the records read from the file, the figures
// for the archive and the history together and for the history alone), 查看归档… to its first screen
// painted, and the workbook export with every record and the statistics sheet. Peak memory is measured from
// outside, one benchmark per process: `/usr/bin/time -v build/bench/ui_bench --benchmark_filter=...`.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <string>

#include "app/CMainDlg.h"
#include "bench/ui/CBenchWindow.h"
#include "pages/RecordsMenuActions.h"
#include "shell/CPredictApp.h"
#include "shell/RecordsFiles.h"
#include "store/CSqliteConnection.h"

namespace {

// archived records in data_archive, each with its draw: codes that change from record to record, a hit on
// one code in every 97th, a miss otherwise, archived in the order of their draw dates.
bool FillArchive(const std::string& path, int archived) {
    const std::string sql =
        "CREATE TABLE IF NOT EXISTS data_archive (archive_order INTEGER PRIMARY KEY, record_order INTEGER "
        "NOT "
        "NULL, record_date TEXT, open_order TEXT, data_1 TEXT, data_2 TEXT, data_3 TEXT, data_4 TEXT, "
        "data_5 TEXT, data_6 TEXT, data_7 TEXT, data_8 TEXT, open_data TEXT, is_right INTEGER, "
        "archived_at TEXT NOT NULL);"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
        std::to_string(archived) +
        ") INSERT INTO data_archive (record_order, record_date, open_order, data_1, data_2, data_3, data_4, "
        "data_5, data_6, data_7, data_8, open_data, is_right, archived_at) "
        "SELECT i % 399 + 1, date('1900-01-01', '+' || i || ' days') || ' 20:00:00', 1900000 + i, "
        "printf('%03d', i * 7 % 1000), printf('%03d', i * 13 % 1000), printf('%03d', i * 17 % 1000), "
        "printf('%03d', i * 19 % 1000), printf('%03d', i * 23 % 1000), printf('%03d', i * 29 % 1000), "
        "printf('%03d', i * 31 % 1000), printf('%03d', i * 37 % 1000), "
        "CASE WHEN i % 97 = 0 THEN printf('%03d', i * 7 % 1000) ELSE printf('%03d', i * 41 % 1000) END, "
        "CASE WHEN i % 97 = 0 THEN 1 ELSE 0 END, '2026-12-08 09:00:00' FROM n WHERE " +
        std::to_string(archived) + " > 0;PRAGMA user_version = 1;";
    CSqliteConnection writer;
    return writer.OpenExisting(path) && writer.Execute(sql.c_str());
}

// The main window with a full history and the archive, the file changed behind the program's back as another
// copy would have; every menu action reads it again first.
class CArchiveBench {
public:
    explicit CArchiveBench(int archived) : window(399) {
        ok = window.Error().isEmpty() && FillArchive(window.App().DatabasePath(), archived);
    }
    CBenchWindow window;
    bool ok = false;
};

// Opens a modal window through open (one of the records menu's actions) and ends it once it has been painted:
// the time to a window the player can read.
bool OpenPaintAndClose(CBenchWindow& window, void (*open)(CPredictStore&, QWidget*)) {
    bool painted = false;
    QTimer::singleShot(0, [&painted] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->repaint();
            painted = true;
            dialog->reject();
        }
    });
    open(window.App(), &window.Window());
    return painted;
}

void BM_OpenStatistics(benchmark::State& state) {
    CArchiveBench bench(static_cast<int>(state.range(0)));
    bool ok = bench.ok;
    for (auto _ : state) {
        ok = OpenPaintAndClose(bench.window, &OpenStatistics) && ok;
    }
    if (!ok || !bench.window.Error().isEmpty()) {
        state.SkipWithError("the statistics window did not open");
    }
}

void BM_OpenArchive(benchmark::State& state) {
    CArchiveBench bench(static_cast<int>(state.range(0)));
    bool ok = bench.ok;
    for (auto _ : state) {
        ok = OpenPaintAndClose(bench.window, &OpenArchive) && ok;
    }
    if (!ok || !bench.window.Error().isEmpty()) {
        state.SkipWithError("the archive's view did not open");
    }
}

void BM_ExportWorkbook(benchmark::State& state) {
    CArchiveBench bench(static_cast<int>(state.range(0)));
    const QTemporaryDir out;
    const std::string path = out.filePath(QStringLiteral("records.xlsx")).toStdString();
    bool ok = bench.ok && out.isValid();
    for (auto _ : state) {
        QString message;
        ok = ExportWorkbook(bench.window.App(), path, message) && ok;
    }
    if (!ok) {
        state.SkipWithError("the workbook was not written");
    }
}

}  // namespace

BENCHMARK(BM_OpenStatistics)->Arg(0)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenArchive)->Arg(0)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportWorkbook)->Arg(0)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

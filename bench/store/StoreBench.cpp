// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the whole history, saving one prediction with the reload that follows it on a nearly full table,
// making room in a full one by archiving, and backing up and restoring years of records (the checks of the
// backup included). All run on the disk (not in memory), with wall-clock time: the writes wait
// for the file system to sync.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "store/CPredictStore.h"
#include "store/CSqliteConnection.h"
#include "store/DatabaseSchema.h"
#include "tests/support/StoreRecords.h"
#include "tools/emptydb/EmptyDatabase.h"

namespace {

const std::array<std::string, 8> kCodes{"047", "000", "999", "123", "504", "318", "762", "081"};

// The draw days of the bench's records, from 2009-06-17 on; 2011-01-01 is after any of them.
COleDateTime Day(int index) {
    return COleDateTime::FromOleDate(COleDateTime(2009, 6, 17, 20, 0, 0).GetOleDate() + index);
}

// A database with records 1 .. rows in a fresh temporary directory, removed with the object.
class CBenchDatabase {
public:
    explicit CBenchDatabase(int rows) {
        std::string pattern = (std::filesystem::temp_directory_path() / "morvint-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            return;
        }
        dir = pattern;
        path = (dir / "morvint.db").string();
        std::string error;
        CPredictStore filler;
        if (!WriteEmptyDatabase(path, error)) {
            return;
        }
        static_cast<void>(filler.OpenDatabase(path));
        filler.LoadHistory();
        // One prediction a day: a second one for a day is refused.
        while (filler.HistoryCount() < rows &&
               SaveRecord(filler, Day(filler.HistoryCount()), "09161", kCodes)) {
        }
        ok = filler.HistoryCount() == rows;
    }
    ~CBenchDatabase() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    CBenchDatabase(const CBenchDatabase&) = delete;
    CBenchDatabase& operator=(const CBenchDatabase&) = delete;

    std::filesystem::path dir;
    std::string path;
    bool ok = false;
};

void BM_LoadHistory399(benchmark::State& state) {
    const CBenchDatabase db(399);
    CPredictStore store;
    static_cast<void>(store.OpenDatabase(db.path));
    for (auto _ : state) {
        store.LoadHistory();
        benchmark::DoNotOptimize(store.HistoryCount());
    }
    if (!db.ok || store.HistoryCount() != 399) {
        state.SkipWithError("the history did not load");
    }
}

void BM_AppendPredictionWithReload398(benchmark::State& state) {
    const CBenchDatabase db(398);
    CSqliteConnection remover;
    remover.OpenExisting(db.path);
    CPredictStore store;
    static_cast<void>(store.OpenDatabase(db.path));
    store.LoadHistory();
    bool ok = db.ok;
    for (auto _ : state) {
        ok = SaveRecord(store, COleDateTime(2011, 1, 1, 20, 0, 0), "09161", kCodes) && ok;
        state.PauseTiming();  // back to 398 rows for the next round
        ok = remover.Execute("DELETE FROM data_history WHERE record_order = 399") && ok;
        store.LoadHistory();
        state.ResumeTiming();
    }
    if (!ok || store.HistoryCount() != 398) {
        state.SkipWithError("an append failed");
    }
}

// The oldest 300 of 399 records, all with their results, moved into the archive and the other 99 numbered
// again, with the reload after it. Each round starts from a copy of the full file.
void BM_ArchiveOldest300Of399(benchmark::State& state) {
    const CBenchDatabase db(399);
    bool ok = db.ok;
    {
        CSqliteConnection writer;
        ok = writer.OpenExisting(db.path) &&
             writer.Execute("UPDATE data_history SET open_data = '000', is_right = 0") && ok;
    }
    const std::string work = (db.dir / "work.db").string();
    std::vector<int> oldest(300);
    std::iota(oldest.begin(), oldest.end(), 1);
    std::optional<CPredictStore> store;
    for (auto _ : state) {
        state.PauseTiming();
        store.reset();
        std::filesystem::copy_file(db.path, work, std::filesystem::copy_options::overwrite_existing);
        store.emplace();
        static_cast<void>(store->OpenDatabase(work));
        store->LoadHistory();
        state.ResumeTiming();
        ok = store->ArchiveRecords(oldest) == ArchiveOutcome::archived && store->NextRecordOrder() == 100 &&
             ok;
    }
    if (!ok) {
        state.SkipWithError("the archive failed");
    }
}

// A full history and an archive of 10,000 records (years of daily use), or of as many as archived says.
class CBenchArchive : public CBenchDatabase {
public:
    explicit CBenchArchive(int archived = 10000) : CBenchDatabase(399) {
        CSqliteConnection writer;
        const std::string fill =
            std::string(kCreateArchive) +
            "; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
            std::to_string(archived) +
            ") INSERT INTO data_archive (record_order, record_date, open_order, data_1, data_2, data_3, "
            "data_4, data_5, data_6, data_7, data_8, open_data, is_right, archived_at) "
            "SELECT i % 399 + 1, '2001-01-01 20:00:00', 2001000 + i, '047', '000', '999', '123', '504', "
            "'318', '762', '081', '000', 0, '2026-12-08 09:00:00' FROM n;"
            "PRAGMA user_version = 1;";
        static_assert(CPredictStore::kLayoutVersion == 1);
        ok = ok && writer.OpenExisting(path) && writer.Execute(fill.c_str());
    }
};

void BM_BackupFullHistoryAnd10000Archived(benchmark::State& state) {
    const CBenchArchive db;
    CPredictStore store;
    static_cast<void>(store.OpenDatabase(db.path));
    bool ok = db.ok;
    for (auto _ : state) {
        ok = store.BackupTo((db.dir / "backup.db").string()).Ok() && ok;
    }
    if (!ok) {
        state.SkipWithError("the backup failed");
    }
}

// The check of the backup as the menu makes it before it asks, then the restore, which reads and checks every
// row once more, builds the new database and puts it in place.
void BM_RestoreFullHistoryAndArchived(benchmark::State& state) {
    const CBenchArchive db(static_cast<int>(state.range(0)));
    CPredictStore store;
    static_cast<void>(store.OpenDatabase(db.path));
    const std::string backup = (db.dir / "backup.db").string();
    bool ok = db.ok && store.BackupTo(backup).Ok();
    for (auto _ : state) {
        ok = CheckBackup(backup, CPredictStore::kLayoutVersion, db.path).Ok() && store.RestoreFrom(backup) &&
             ok;
    }
    if (!ok || store.HistoryCount() != 399 || store.ArchiveCount() != state.range(0)) {
        state.SkipWithError("the restore failed");
    }
}

}  // namespace

BENCHMARK(BM_ArchiveOldest300Of399)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
BENCHMARK(BM_BackupFullHistoryAnd10000Archived)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
BENCHMARK(BM_RestoreFullHistoryAndArchived)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5);
BENCHMARK(BM_LoadHistory399)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
BENCHMARK(BM_AppendPredictionWithReload398)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

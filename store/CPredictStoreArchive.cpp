// SPDX-License-Identifier: GPL-3.0-or-later
// The archive: records moved out of the 399 slots of the history, never deleted. Moving them and numbering
// the records left 1, 2, 3 ... happen in one transaction, so the file is either as it was or has both done.
#include <algorithm>
#include <functional>
#include <vector>

#include "store/CHistoryRowReader.h"
#include "store/CHistoryScan.h"
#include "store/CPredictStore.h"
#include "store/CSqliteStatement.h"
#include "store/CSqliteTransaction.h"
#include "store/DatabaseSchema.h"

namespace {

// The values are copied as the history holds them, whatever their types there.
constexpr const char* kMoveToArchive =
    "INSERT INTO data_archive (record_order, record_date, open_order, data_1, data_2, data_3, data_4, "
    "data_5, "
    "data_6, data_7, data_8, open_data, is_right, archived_at) SELECT record_order, record_date, open_order, "
    "data_1, data_2, data_3, data_4, data_5, data_6, data_7, data_8, open_data, is_right, ?2 "
    "FROM data_history WHERE rowid = ?1";
constexpr const char* kDeleteRow = "DELETE FROM data_history WHERE rowid = ?1";
constexpr const char* kRenumberRow = "UPDATE data_history SET record_order = ?1 WHERE rowid = ?2";
constexpr const char* kSelectArchive = "SELECT * FROM data_archive ORDER BY archive_order";
// A page of the archive, newest first, for the view that shows it.
constexpr const char* kSelectArchivePage =
    "SELECT * FROM data_archive WHERE archive_order <= ?1 ORDER BY archive_order DESC LIMIT ?2 OFFSET ?3";

// A record of the file as the scan found it.
struct FileRow {
    int slot = 0;
    long long rowId = 0;
};

enum class Split { ok, changed, failed };

// Sorts the file's records into those to move, each checked by asLoaded, and those to keep. changed when a
// record to move fails its check or is not there (the caller has made sure that it asks for each once);
// failed when the file cannot be read. The scan is over before anything is written.
Split SplitRows(const CSqliteConnection& connection, const std::vector<int>& move,
                const std::function<bool(const HistoryRecord&)>& asLoaded, std::vector<FileRow>& moved,
                std::vector<FileRow>& kept) {
    CHistoryScan scan(connection, true);
    for (CHistoryScan::Step step = scan.Next(); step != CHistoryScan::Step::done; step = scan.Next()) {
        FileRow row{scan.Slot(), 0};
        if (step == CHistoryScan::Step::failed ||
            (step == CHistoryScan::Step::row && !scan.RowId(row.rowId))) {
            return Split::failed;
        }
        if (step != CHistoryScan::Step::row) {
            continue;  // a row without a readable number is not a record: it stays as it is
        }
        if (std::ranges::find(move, row.slot) == move.end()) {
            kept.push_back(row);
            continue;
        }
        HistoryRecord stored;
        if (!scan.Reader().ReadRow(row.slot, stored)) {
            return Split::failed;
        }
        if (!asLoaded(stored)) {
            return Split::changed;
        }
        moved.push_back(row);
    }
    return moved.size() == move.size() ? Split::ok : Split::changed;
}

bool StepRow(CSqliteStatement& write) {
    return write.Step() == CSqliteStatement::StepResult::done;
}

bool MoveRows(CSqliteConnection& connection, const std::vector<FileRow>& moved, const std::string& now) {
    for (const FileRow& row : moved) {
        CSqliteStatement copy(connection, kMoveToArchive);
        CSqliteStatement remove(connection, kDeleteRow);
        if (!copy.BindInteger(1, row.rowId) || !copy.BindText(2, now) || !StepRow(copy) ||
            connection.Changes() != 1 || !remove.BindInteger(1, row.rowId) || !StepRow(remove) ||
            connection.Changes() != 1) {
            return false;
        }
    }
    return true;
}

// The records left keep their order and are numbered from 1 without gaps, the order the pages rely on; rows
// without a slot are not touched. Going up from the lowest number, each new number is free by then.
bool Renumber(CSqliteConnection& connection, std::vector<FileRow> kept) {
    std::ranges::sort(kept, {}, &FileRow::slot);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const int order = static_cast<int>(i) + 1;
        if (kept[i].slot == order) {
            continue;
        }
        CSqliteStatement renumber(connection, kRenumberRow);
        if (!renumber.BindInteger(1, order) || !renumber.BindInteger(2, kept[i].rowId) ||
            !StepRow(renumber) || connection.Changes() != 1) {
            return false;
        }
    }
    return true;
}

// Hands each row of select, a query of whole rows of data_archive, to each. A row that cannot be read ends
// the walk with false.
bool ReadArchiveRows(CSqliteStatement& select, const std::function<void(const ArchivedRecord&)>& each) {
    const CHistoryRowReader reader(select);
    const int archiveOrder = select.ColumnIndex("archive_order");
    const int archivedAt = select.ColumnIndex("archived_at");
    ArchivedRecord archived;
    for (;;) {
        switch (select.Step()) {
            case CSqliteStatement::StepResult::done:
                return true;
            case CSqliteStatement::StepResult::error:
                return false;
            case CSqliteStatement::StepResult::row:
                break;
        }
        int order = 0;
        if (!reader.ReadOrder(order) || !reader.ReadRow(order, archived.record) ||
            !select.Column(archiveOrder).ToInteger(archived.archiveOrder) ||
            !select.Column(archivedAt).ToText(archived.archivedAt)) {
            return false;
        }
        each(archived);
    }
}

}  // namespace

ArchiveOutcome CPredictStore::ArchiveRecords(const std::vector<int>& recordOrders) {
    if (!HasHistoryTable()) {
        return Failure<ArchiveOutcome>();
    }
    const ArchiveOutcome outcome = WriteArchive(recordOrders);
    if (outcome != ArchiveOutcome::locked) {
        LoadHistory();  // a reload under the lock would only wait for it again
    }
    return outcome;
}

// Each record must be in the file exactly as loaded, result included: the user confirmed these very records.
// What the last load did not show as one record with its result was never confirmed, and is no race but a
// failure. A file without the archive table gets it in the same transaction.
ArchiveOutcome CPredictStore::WriteArchive(const std::vector<int>& recordOrders) {
    for (auto order = recordOrders.begin(); order != recordOrders.end(); ++order) {
        if (!loaded.IsRecordSlot(*order) || !loaded.Record(*order).HasDrawResult() ||
            std::find(recordOrders.begin(), order, *order) != order) {
            return ArchiveOutcome::failed;
        }
    }
    CSqliteTransaction transaction(connection);
    if (!transaction.IsActive()) {
        return Failure<ArchiveOutcome>();
    }
    std::vector<FileRow> moved;
    std::vector<FileRow> kept;
    const auto asLoaded = [this](const HistoryRecord& stored) {
        const HistoryRecord& seen = loaded.Record(stored.record_order);
        return stored.HasDrawResult() && IsSamePrediction(stored, seen) && stored.is_right == seen.is_right &&
               stored.open_data == seen.open_data;
    };
    switch (SplitRows(connection, recordOrders, asLoaded, moved, kept)) {
        case Split::ok:
            break;
        case Split::changed:
            return ArchiveOutcome::changed;
        case Split::failed:
            return Failure<ArchiveOutcome>();
    }
    // The file's layout says it has an archive from now on.
    if (!HasArchiveTable() && (!connection.Execute(kCreateArchive) || !connection.Execute(kArchiveLayout))) {
        return Failure<ArchiveOutcome>();
    }
    const std::string now = CColumnValue::FormatDate(COleDateTime::GetCurrentTime());
    if (!MoveRows(connection, moved, now) || !Renumber(connection, kept)) {
        return Failure<ArchiveOutcome>();
    }
    return transaction.Commit() ? ArchiveOutcome::archived : Failure<ArchiveOutcome>();
}

std::optional<std::vector<ArchivedRecord>> CPredictStore::LoadArchive() const {
    std::vector<ArchivedRecord> records;
    if (!ReadArchive([&records](const ArchivedRecord& archived) { records.push_back(archived); })) {
        return std::nullopt;
    }
    return records;
}

bool CPredictStore::ReadArchive(const std::function<void(const ArchivedRecord&)>& each) const {
    if (!HasArchiveTable()) {
        return IsDatabaseOpen();  // a file that never archived has an empty archive
    }
    CSqliteStatement select(connection, kSelectArchive);
    return ReadArchiveRows(select, each);
}

std::optional<std::vector<ArchivedRecord>> CPredictStore::LoadArchivePage(std::int64_t fromOrder, int skip,
                                                                          int count) const {
    std::vector<ArchivedRecord> records;
    if (!HasArchiveTable()) {
        return IsDatabaseOpen() ? std::optional(records) : std::nullopt;
    }
    CSqliteStatement select(connection, kSelectArchivePage);
    const bool read =
        select.BindInteger(1, fromOrder) && select.BindInteger(2, count) && select.BindInteger(3, skip) &&
        ReadArchiveRows(select, [&records](const ArchivedRecord& archived) { records.push_back(archived); });
    return read ? std::optional(records) : std::nullopt;
}

int CPredictStore::ArchiveCount() const {
    const std::optional<ArchiveSpan> span = ReadArchiveSpan();
    return span ? span->count : 0;
}

std::optional<ArchiveSpan> CPredictStore::ReadArchiveSpan() const {
    ArchiveSpan span;
    if (!HasArchiveTable()) {
        return IsDatabaseOpen() ? std::optional(span) : std::nullopt;
    }
    CSqliteStatement extent(connection,
                            "SELECT count(*), min(archive_order), max(archive_order) FROM data_archive");
    std::int64_t count = 0;
    if (!extent.IsPrepared() || extent.Step() != CSqliteStatement::StepResult::row ||
        !extent.Column(0).ToInteger(count)) {
        return std::nullopt;
    }
    span.count = static_cast<int>(count);
    // An empty archive has no numbers: min and max are NULL then.
    if (count != 0 &&
        (!extent.Column(1).ToInteger(span.oldest) || !extent.Column(2).ToInteger(span.newest))) {
        return std::nullopt;
    }
    return span;
}

bool CPredictStore::HasArchiveTable() const {
    return CSqliteStatement(connection, kSelectArchive).IsPrepared();
}

CPredictStore::EveryRecord CPredictStore::AllRecords() const {
    EveryRecord every;
    const std::vector<HistoryRecord> listed = ListedRecords();
    every.records.reserve(static_cast<std::size_t>(ArchiveCount()) + listed.size());
    every.archiveRead =
        ReadArchive([&every](const ArchivedRecord& record) { every.records.push_back(record.record); });
    every.archived = static_cast<int>(every.records.size());
    every.records.insert(every.records.end(), listed.begin(), listed.end());
    return every;
}

RestoreOutcome CPredictStore::RestoreFrom(const std::string& path,
                                          const std::function<bool()>& beforeReplace) {
    const RestoreOutcome outcome = RestoreDatabase(connection, path, kLayoutVersion, beforeReplace);
    LoadPlayer();
    LoadHistory();
    return outcome;
}

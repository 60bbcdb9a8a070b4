// The store's writes to the history: saving a prediction and entering a draw result. Another
// copy of the program may have changed the file since this one loaded it, so each write checks the file
// itself, and the check and the write happen in one transaction: nothing can come between them.
#include <algorithm>
#include <functional>
#include <vector>

#include "core/MessageSink.h"
#include "store/CHistoryScan.h"
#include "store/CPredictStore.h"
#include "store/CSqliteStatement.h"
#include "store/CSqliteTransaction.h"
#include "store/HistoryVerdict.h"

namespace {

// is_right is left out: a new row takes the column default, 11.
constexpr const char* kInsertPrediction =
    "INSERT INTO data_history (record_order, record_date, open_order, data_1, data_2, data_3, data_4, "
    "data_5, data_6, data_7, data_8, open_data) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)";
// Only a row still without a result (is_right 11, kNoResultYet) takes one: a result another copy entered
// first is never overwritten.
constexpr const char* kUpdateDrawResult =
    "UPDATE data_history SET is_right = ?1, open_data = ?2 WHERE rowid = ?3 AND is_right = 11";

bool SameDay(const COleDateTime& a, const COleDateTime& b) {
    return a.GetYear() == b.GetYear() && a.GetMonth() == b.GetMonth() && a.GetDay() == b.GetDay();
}

}  // namespace

bool CPredictStore::HasHistoryTable() const {
    return CSqliteStatement(connection, "SELECT * FROM data_history").IsPrepared();
}

CPredictStore::WriteResult CPredictStore::Failure() const {
    return connection.FailedOnLock() ? WriteResult::locked : WriteResult::failed;
}

bool CPredictStore::AppendPrediction(const COleDateTime& recordDate, const std::string& openOrder,
                                     const std::array<std::string, 8>& data) {
    const bool table = HasHistoryTable();
    const WriteResult result = table ? InsertPrediction(recordDate, openOrder, data) : Failure();
    if (result == WriteResult::locked) {
        // Nothing was written, and a reload would only wait for the same lock and then empty the list.
        ShowMessage(Messages::kLockedNotSaved);
        return false;
    }
    if (!table) {
        ShowMessage(Messages::kSaveFailed);  // no table to write to and none to reload from
        return false;
    }
    if (result == WriteResult::dayTaken) {
        ShowMessage(Messages::kDayTaken);  // the date dialog's own words: another copy saved the day first
    } else if (result == WriteResult::full && !IsHistoryFull()) {
        // This copy still saw room (what it loaded is still in memory): another copy has saved since.
        ShowMessage(Messages::kHistoryFilledMeanwhile);
    } else if (result != WriteResult::ok) {
        ShowMessage(Messages::kSaveFailed);
    }
    LoadHistory();  // memory matches the file again, whatever happened to the write
    return result == WriteResult::ok;
}

CPredictStore::WriteResult CPredictStore::InsertPrediction(const COleDateTime& recordDate,
                                                           const std::string& openOrder,
                                                           const std::array<std::string, 8>& data) {
    const std::string dateText = CColumnValue::FormatDate(recordDate);
    if (dateText.empty()) {
        return WriteResult::failed;
    }
    CSqliteTransaction transaction(connection);
    if (!transaction.IsActive()) {
        return Failure();
    }
    int order = 0;
    if (const WriteResult found = FindFreeOrder(recordDate, order); found != WriteResult::ok) {
        return found;
    }
    {
        CSqliteStatement insert(connection, kInsertPrediction);
        bool bound =
            insert.BindInteger(1, order) && insert.BindText(2, dateText) && insert.BindText(3, openOrder);
        for (int code = 0; code < 8 && bound; ++code) {
            bound = insert.BindText(4 + code, data[static_cast<std::size_t>(code)]);
        }
        if (!bound || !insert.BindText(12, kUnknownDraw) || !WriteOneRow(insert)) {
            return Failure();
        }
    }
    return transaction.Commit() ? WriteResult::ok : Failure();
}

// The record number a new prediction for recordDate gets: one past the last record in the file, so a gap in
// the numbers never blocks a save. dayTaken when the file has a record for that day already; full when slot
// 399 is taken (a 400th record would have nowhere to live in memory); failed when the file cannot be read.
CPredictStore::WriteResult CPredictStore::FindFreeOrder(const COleDateTime& recordDate, int& order) const {
    CHistoryScan scan(connection, false);
    int last = 0;
    for (;;) {
        const CHistoryScan::Step step = scan.Next();
        if (step == CHistoryScan::Step::done) {
            break;
        }
        if (step == CHistoryScan::Step::failed) {
            return Failure();
        }
        COleDateTime saved;
        if (step == CHistoryScan::Step::row) {
            last = std::max(last, scan.Slot());
            if (scan.Reader().ReadDate(saved) && SameDay(saved, recordDate)) {
                return WriteResult::dayTaken;
            }
        }
    }
    order = last + 1;
    return order < HISTORY_SLOTS ? WriteResult::ok : WriteResult::full;
}

bool CPredictStore::SetDrawResult(int recordOrder, const std::string& openData, int isRight) {
    const DrawWrite outcome = EnterDrawResult(recordOrder, openData, isRight);
    if (outcome == DrawWrite::locked) {
        ShowMessage(Messages::kLockedNotSaved);
    }
    return outcome == DrawWrite::written;
}

CPredictStore::DrawWrite CPredictStore::EnterDrawResult(int recordOrder, const std::string& openData,
                                                        int isRight) {
    const bool table = HasHistoryTable();
    const WriteResult result = table ? WriteDrawResult(recordOrder, openData, isRight) : Failure();
    if (result == WriteResult::locked) {
        return DrawWrite::locked;  // nothing written; a reload would wait for the same lock
    }
    if (result == WriteResult::failed) {
        ShowMessage(Messages::kSaveFailed);
    }
    if (table) {
        LoadHistory();
    }
    switch (result) {
        case WriteResult::ok:
            return DrawWrite::written;
        case WriteResult::refused:
            return DrawWrite::refused;
        case WriteResult::changed:
            return DrawWrite::changed;
        default:
            return DrawWrite::failed;
    }
}

// refused: the record the caller saw already has a result in the file; changed: it is not in the file as it
// was loaded. The page then shows what the reload brings.
CPredictStore::WriteResult CPredictStore::WriteDrawResult(int recordOrder, const std::string& openData,
                                                          int isRight) {
    CSqliteTransaction transaction(connection);
    if (!transaction.IsActive()) {
        return Failure();
    }
    long long rowId = 0;
    HistoryRecord stored;
    if (const WriteResult found = FindLoadedRecord(recordOrder, rowId, stored); found != WriteResult::ok) {
        return found;
    }
    if (!IsPending(stored)) {
        return WriteResult::refused;
    }
    CSqliteStatement update(connection, kUpdateDrawResult);
    if (!update.BindInteger(1, isRight) || !update.BindText(2, openData) || !update.BindInteger(3, rowId) ||
        update.Step() != CSqliteStatement::StepResult::done) {
        return Failure();
    }
    if (connection.Changes() != 1) {
        return WriteResult::refused;
    }
    return transaction.Commit() ? WriteResult::ok : Failure();
}

// The file's row of a record this copy loaded, read into stored: ok when it is there and still holds the
// prediction memory holds, changed when it is not (gone, or another prediction in its place: another copy
// archived or renumbered the records), failed when the file cannot be read.
CPredictStore::WriteResult CPredictStore::FindLoadedRecord(int recordOrder, long long& rowId,
                                                           HistoryRecord& stored) const {
    if (!IsRecordSlot(recordOrder)) {
        return WriteResult::changed;
    }
    CHistoryScan scan(connection, true);
    for (;;) {
        const CHistoryScan::Step step = scan.Next();
        if (step == CHistoryScan::Step::done) {
            return WriteResult::changed;
        }
        if (step == CHistoryScan::Step::failed) {
            return Failure();
        }
        if (step == CHistoryScan::Step::row && scan.Slot() == recordOrder) {
            if (!scan.RowId(rowId) || !scan.Reader().ReadRow(recordOrder, stored)) {
                return WriteResult::failed;
            }
            const bool same = IsSamePrediction(stored, history[static_cast<std::size_t>(recordOrder)]);
            return same ? WriteResult::ok : WriteResult::changed;
        }
    }
}

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

bool CPredictStore::AppendPrediction(const COleDateTime& recordDate, const std::string& openOrder,
                                     const std::array<std::string, 8>& data) {
    if (!HasHistoryTable()) {
        ShowMessage(Messages::kSaveFailed);  // no table to write to and none to reload from
        return false;
    }
    const WriteResult result = InsertPrediction(recordDate, openOrder, data);
    if (result == WriteResult::dayTaken) {
        ShowMessage(Messages::kDayTaken);  // the date dialog's own words: another copy saved the day first
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
        return WriteResult::failed;
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
            return WriteResult::failed;
        }
    }
    return transaction.Commit() ? WriteResult::ok : WriteResult::failed;
}

// The record number a new prediction for recordDate gets: one past the last record in the file, so a gap in
// the numbers never blocks a save. dayTaken when the file has a record for that day already; failed when the
// file cannot be read or slot 399 is taken (a 400th record would have nowhere to live in memory).
CPredictStore::WriteResult CPredictStore::FindFreeOrder(const COleDateTime& recordDate, int& order) const {
    CHistoryScan scan(connection, false);
    int last = 0;
    for (;;) {
        const CHistoryScan::Step step = scan.Next();
        if (step == CHistoryScan::Step::done) {
            break;
        }
        if (step == CHistoryScan::Step::failed) {
            return WriteResult::failed;
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
    return order < HISTORY_SLOTS ? WriteResult::ok : WriteResult::failed;
}

bool CPredictStore::SetDrawResult(int recordOrder, const std::string& openData, int isRight) {
    return EnterDrawResult(recordOrder, openData, isRight) == DrawWrite::written;
}

CPredictStore::DrawWrite CPredictStore::EnterDrawResult(int recordOrder, const std::string& openData,
                                                        int isRight) {
    if (!HasHistoryTable()) {
        ShowMessage(Messages::kSaveFailed);
        return DrawWrite::failed;
    }
    const WriteResult result = WriteDrawResult(recordOrder, openData, isRight);
    if (result == WriteResult::failed) {
        ShowMessage(Messages::kSaveFailed);
    }
    LoadHistory();
    switch (result) {
        case WriteResult::ok:
            return DrawWrite::written;
        case WriteResult::failed:
            return DrawWrite::failed;
        default:
            return DrawWrite::refused;
    }
}

// refused: the record the caller saw is not in the file as it was loaded, or already has a result there. The
// page then shows what the reload brings, as it does for a record that is gone.
CPredictStore::WriteResult CPredictStore::WriteDrawResult(int recordOrder, const std::string& openData,
                                                          int isRight) {
    CSqliteTransaction transaction(connection);
    if (!transaction.IsActive()) {
        return WriteResult::failed;
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
        return WriteResult::failed;
    }
    if (connection.Changes() != 1) {
        return WriteResult::refused;
    }
    return transaction.Commit() ? WriteResult::ok : WriteResult::failed;
}

// The file's row of a record this copy loaded, read into stored: written when it is there and still holds the
// prediction memory holds, refused when it is not (gone, or another prediction in its place), failed when the
// file cannot be read.
CPredictStore::WriteResult CPredictStore::FindLoadedRecord(int recordOrder, long long& rowId,
                                                           HistoryRecord& stored) const {
    if (!IsRecordSlot(recordOrder)) {
        return WriteResult::refused;
    }
    CHistoryScan scan(connection, true);
    for (;;) {
        const CHistoryScan::Step step = scan.Next();
        if (step == CHistoryScan::Step::done) {
            return WriteResult::refused;
        }
        if (step == CHistoryScan::Step::failed) {
            return WriteResult::failed;
        }
        if (step == CHistoryScan::Step::row && scan.Slot() == recordOrder) {
            if (!scan.RowId(rowId) || !scan.Reader().ReadRow(recordOrder, stored)) {
                return WriteResult::failed;
            }
            const bool same = IsSamePrediction(stored, history[static_cast<std::size_t>(recordOrder)]);
            return same ? WriteResult::ok : WriteResult::refused;
        }
    }
}

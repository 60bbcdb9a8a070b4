#include "store/CPredictStore.h"

#include <algorithm>
#include <bitset>
#include <cstdint>

#include "core/MessageSink.h"
#include "store/CHistoryRowReader.h"
#include "store/CSqliteStatement.h"

namespace {

constexpr const char* kConnectFailed = "连接数据库失败!";
constexpr const char* kPlayerLoadFailed = "读取数据库player失败!";
constexpr const char* kHistoryLoadFailed = "读取数据库history失败!";
constexpr const char* kSaveFailed = "保存失败!";

constexpr int kNoResultYet = 11;

constexpr const char* kSelectPlayer = "SELECT * FROM player";
constexpr const char* kSelectHistory = "SELECT * FROM data_history";
// The player load reads the first row of the table in storage order; both saves write that same row.
constexpr const char* kUpdateProfile =
    "UPDATE player SET name = ?1, sex = ?2, shuxiang = ?3 "
    "WHERE rowid = (SELECT rowid FROM player ORDER BY rowid LIMIT 1)";
constexpr const char* kUpdateFortuneCode =
    "UPDATE player SET yunqi = ?1 WHERE rowid = (SELECT rowid FROM player ORDER BY rowid LIMIT 1)";
// is_right is left out: a new row takes the column default, 11.
constexpr const char* kInsertPrediction =
    "INSERT INTO data_history (record_order, record_date, open_order, data_1, data_2, data_3, data_4, "
    "data_5, data_6, data_7, data_8, open_data) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)";
constexpr const char* kScanHistory = "SELECT rowid, * FROM data_history";
constexpr const char* kUpdateDrawResult =
    "UPDATE data_history SET is_right = ?1, open_data = ?2 WHERE rowid = ?3";

}  // namespace

void CPredictStore::OpenDatabase(const std::string& path) {
    if (!connection.OpenExisting(path)) {
        ShowMessage(kConnectFailed);
    }
}

void CPredictStore::LoadPlayer() {
    if (!ReadPlayer()) {
        ShowMessage(kPlayerLoadFailed);
    }
}

bool CPredictStore::ReadPlayer() {
    CSqliteStatement select(connection, kSelectPlayer);
    if (!select.IsPrepared()) {
        return false;
    }
    const CSqliteStatement::StepResult step = select.Step();
    if (step != CSqliteStatement::StepResult::row) {
        return step == CSqliteStatement::StepResult::done;  // no row: the profile keeps its values
    }
    const std::array<int, 4> columns{select.ColumnIndex("name"), select.ColumnIndex("sex"),
                                     select.ColumnIndex("shuxiang"), select.ColumnIndex("yunqi")};
    if (std::ranges::find(columns, -1) != columns.end()) {
        return false;
    }
    // Converted and stored one by one: a value that has no text leaves the fields after it unchanged.
    std::string* const fields[] = {&name, &sex, &shuxiang, &yunqi};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (!select.Column(columns[i]).ToText(*fields[i])) {
            return false;
        }
    }
    if (yunqi == "empty") {  // the stored placeholder of a player without a fortune code
        yunqi.clear();
    }
    return true;
}

void CPredictStore::SavePlayer() {
    CSqliteStatement update(connection, kUpdateProfile);
    const bool bound = update.BindText(1, name) && update.BindText(2, sex) && update.BindText(3, shuxiang);
    if (!bound || !WriteOneRow(update)) {
        ShowMessage(kSaveFailed);
    }
}

void CPredictStore::SaveFortuneCode() {
    CSqliteStatement update(connection, kUpdateFortuneCode);
    if (!update.BindText(1, yunqi) || !WriteOneRow(update)) {
        ShowMessage(kSaveFailed);
    }
}

// One statement, committed on its own: a crash leaves either the old row or the new one. A table without rows
// changes nothing, which is a failed save too.
bool CPredictStore::WriteOneRow(CSqliteStatement& write) {
    return write.Step() == CSqliteStatement::StepResult::done && connection.Changes() == 1;
}

void CPredictStore::LoadHistory() {
    CSqliteStatement select(connection, kSelectHistory);
    if (!select.IsPrepared()) {
        ShowMessage(kHistoryLoadFailed);  // historyCount keeps its value
        return;
    }
    historyCount = 0;
    if (!ReadHistoryRows(select)) {
        ShowMessage(kHistoryLoadFailed);
    }
}

// Rows may come in any order: record_order picks the slot. A reload never clears slots that no row addresses.
// historyCount counts a row before anything of it is read, so the row a load fails on is counted, even when
// its record_order itself cannot be read. A row that reads but has no slot (outside 1 .. 399, or a second row
// for a slot already filled) is skipped and not counted, so good rows never count past the 399 slots.
bool CPredictStore::ReadHistoryRows(CSqliteStatement& select) {
    const CHistoryRowReader reader(select);
    std::bitset<HISTORY_SLOTS> taken;
    for (;;) {
        const CSqliteStatement::StepResult step = select.Step();
        if (step != CSqliteStatement::StepResult::row) {
            return step == CSqliteStatement::StepResult::done;
        }
        int order = 0;
        if (!reader.ReadOrder(order)) {
            ++historyCount;
            return false;
        }
        // A row outside slots 1 .. 399, or a second row for a slot already filled, has nowhere to go.
        if (order < 1 || order >= HISTORY_SLOTS || taken.test(static_cast<std::size_t>(order))) {
            continue;
        }
        taken.set(static_cast<std::size_t>(order));
        ++historyCount;
        if (!reader.ReadRow(order, history[static_cast<std::size_t>(order)])) {
            return false;
        }
    }
}

bool CPredictStore::AppendPrediction(const COleDateTime& recordDate, const std::string& openOrder,
                                     const std::array<std::string, 8>& data) {
    if (!CSqliteStatement(connection, kSelectHistory).IsPrepared()) {
        ShowMessage(kSaveFailed);  // no table to write to and none to reload from
        return false;
    }
    const bool written = InsertPrediction(recordDate, openOrder, data);
    if (!written) {
        ShowMessage(kSaveFailed);
    }
    LoadHistory();  // memory matches the file again, whatever happened to the write
    return written;
}

bool CPredictStore::InsertPrediction(const COleDateTime& recordDate, const std::string& openOrder,
                                     const std::array<std::string, 8>& data) {
    const int order = historyCount + 1;
    const std::string dateText = CColumnValue::FormatDate(recordDate);
    // Slot 399 is the last one: a 400th record would have nowhere to live in memory.
    if (order < 1 || order >= HISTORY_SLOTS || dateText.empty()) {
        return false;
    }
    CSqliteStatement insert(connection, kInsertPrediction);
    bool bound =
        insert.BindInteger(1, order) && insert.BindText(2, dateText) && insert.BindText(3, openOrder);
    for (int code = 0; code < 8 && bound; ++code) {
        bound = insert.BindText(4 + code, data[static_cast<std::size_t>(code)]);
    }
    // record_order is unique in the table: a second copy of the program that appends with a stale count gets
    // a constraint failure here instead of hiding a prediction behind a duplicate.
    return bound && insert.BindText(12, "未知") && WriteOneRow(insert);
}

bool CPredictStore::SetDrawResult(int recordOrder, const std::string& openData, int isRight) {
    long long rowId = 0;
    ScanResult scanned = ScanResult::failed;
    {
        CSqliteStatement scan(connection, kScanHistory);
        if (!scan.IsPrepared()) {
            ShowMessage(kSaveFailed);
            return false;
        }
        scanned = FindHistoryRow(scan, recordOrder, rowId);
    }  // the scan's read lock is released before the row is written
    const bool written = scanned == ScanResult::found && WriteDrawResult(rowId, openData, isRight);
    if (scanned == ScanResult::failed || (scanned == ScanResult::found && !written)) {
        ShowMessage(kSaveFailed);
    }
    LoadHistory();
    return written;
}

// The first row whose record_order reads as recordOrder, compared the way the load reads it (low 16 bits).
CPredictStore::ScanResult CPredictStore::FindHistoryRow(CSqliteStatement& scan, int recordOrder,
                                                        long long& rowId) const {
    const CHistoryRowReader reader(scan);
    for (;;) {
        const CSqliteStatement::StepResult step = scan.Step();
        if (step != CSqliteStatement::StepResult::row) {
            return step == CSqliteStatement::StepResult::done ? ScanResult::notFound : ScanResult::failed;
        }
        int order = 0;
        if (!reader.ReadOrder(order)) {
            return ScanResult::failed;
        }
        std::int64_t id = 0;
        if (order == recordOrder) {
            if (!scan.Column(0).ToInteger(id)) {
                return ScanResult::failed;
            }
            rowId = id;
            return ScanResult::found;
        }
    }
}

bool CPredictStore::WriteDrawResult(long long rowId, const std::string& openData, int isRight) {
    CSqliteStatement update(connection, kUpdateDrawResult);
    return update.BindInteger(1, isRight) && update.BindText(2, openData) && update.BindInteger(3, rowId) &&
           WriteOneRow(update);
}

int CPredictStore::FirstPendingRecord() const {
    const int last = std::min(historyCount, HISTORY_SLOTS - 1);
    for (int i = 1; i <= last; ++i) {
        if (history[static_cast<std::size_t>(i)].is_right == kNoResultYet) {
            return i;
        }
    }
    return historyCount + 1;
}

std::vector<HistoryRecord> CPredictStore::ListedRecords() const {
    const int last = std::min(historyCount, HISTORY_SLOTS - 1);
    return {history.begin() + 1, history.begin() + 1 + std::max(last, 0)};
}

#include "store/CPredictStore.h"

#include <algorithm>

#include "core/MessageSink.h"
#include "store/CHistoryScan.h"
#include "store/CSqliteStatement.h"
#include "store/HistoryVerdict.h"

namespace {

constexpr const char* kSelectPlayer = "SELECT * FROM player";
// The player load reads the first row of the table in storage order; both saves write that same row.
constexpr const char* kUpdateProfile =
    "UPDATE player SET name = ?1, sex = ?2, shuxiang = ?3 "
    "WHERE rowid = (SELECT rowid FROM player ORDER BY rowid LIMIT 1)";
constexpr const char* kUpdateFortuneCode =
    "UPDATE player SET yunqi = ?1 WHERE rowid = (SELECT rowid FROM player ORDER BY rowid LIMIT 1)";
}  // namespace

void CPredictStore::OpenDatabase(const std::string& path) {
    if (!connection.OpenExisting(path)) {
        // A file another program holds locked is fine and can be opened later: that is not said as a failure.
        ShowMessage(connection.FailedOnLock() ? Messages::kDatabaseLocked : Messages::kConnectFailed);
    }
}

void CPredictStore::LoadPlayer() {
    const bool read = ReadPlayer();
    if (!read) {
        ShowMessage(Messages::kPlayerLoadFailed);
    }
    listeners.Tell(read ? StoreEvent::playerLoaded : StoreEvent::playerUnreadable);
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
        ShowMessage(Messages::kSaveFailed);
    }
}

void CPredictStore::SaveFortuneCode() {
    CSqliteStatement update(connection, kUpdateFortuneCode);
    if (!update.BindText(1, yunqi) || !WriteOneRow(update)) {
        ShowMessage(Messages::kSaveFailed);
    }
}

// One statement, committed on its own: a crash leaves either the old row or the new one. A table without rows
// changes nothing, which is a failed save too.
bool CPredictStore::WriteOneRow(CSqliteStatement& write) {
    return write.Step() == CSqliteStatement::StepResult::done && connection.Changes() == 1;
}

void CPredictStore::LoadHistory() {
    // Read before the rows: a change committed while they are read then shows as a newer version next time,
    // and is loaded once more rather than missed.
    if (!connection.DataVersion(loadedVersion)) {
        loadedVersion = -1;
    }
    CHistoryScan scan(connection, false);
    if (!scan.IsPrepared()) {
        ShowMessage(Messages::kHistoryLoadFailed);  // historyCount and the slots it lists keep their values
        listeners.Tell(StoreEvent::historyUnreadable);
        return;
    }
    historyCount = 0;
    const bool read = ReadHistoryRows(scan);
    // A slot counts as part of the history only when this load filled it: a reload never clears slots, so a
    // record that is gone from the file (or a gap in its numbers) would otherwise still be shown.
    filledSlots = scan.Filled();
    if (!read) {
        ShowMessage(Messages::kHistoryLoadFailed);
    }
    listeners.Tell(read ? StoreEvent::historyLoaded : StoreEvent::historyUnreadable);
}

bool CPredictStore::RefreshIfChanged() {
    long long version = 0;
    if (!connection.DataVersion(version) || version == loadedVersion) {
        return false;
    }
    // A restore by another copy brings another profile too.
    LoadPlayer();
    LoadHistory();
    return true;
}

// Rows may come in any order: record_order picks the slot. historyCount counts a row before anything of it is
// read, so the row a load fails on is counted, even when its record_order itself cannot be read. A row that
// reads but has no slot (outside 1 .. 399, or a second row for a slot already filled) is skipped and not
// counted, so good rows never count past the 399 slots.
bool CPredictStore::ReadHistoryRows(CHistoryScan& scan) {
    for (;;) {
        switch (scan.Next()) {
            case CHistoryScan::Step::done:
                return true;
            case CHistoryScan::Step::failed:
                return false;
            case CHistoryScan::Step::unreadable:
                ++historyCount;
                return false;
            case CHistoryScan::Step::row:
                break;
        }
        ++historyCount;
        const int slot = scan.Slot();
        if (!scan.Reader().ReadRow(slot, history[static_cast<std::size_t>(slot)])) {
            return false;
        }
    }
}

int CPredictStore::FirstPendingRecord() const {
    for (int slot = 1; slot < HISTORY_SLOTS; ++slot) {
        if (IsRecordSlot(slot) && IsPending(history[static_cast<std::size_t>(slot)])) {
            return slot;
        }
    }
    return historyCount + 1;
}

std::vector<int> CPredictStore::RecordSlots() const {
    std::vector<int> slots;
    slots.reserve(filledSlots.count());
    for (int slot = 1; slot < HISTORY_SLOTS; ++slot) {
        if (IsRecordSlot(slot)) {
            slots.push_back(slot);
        }
    }
    return slots;
}

bool CPredictStore::IsRecordSlot(int slot) const {
    return slot >= 1 && slot < HISTORY_SLOTS && filledSlots.test(static_cast<std::size_t>(slot));
}

int CPredictStore::NextRecordOrder() const {
    for (int slot = HISTORY_SLOTS - 1; slot >= 1; --slot) {
        if (IsRecordSlot(slot)) {
            return slot + 1;
        }
    }
    return 1;
}

std::vector<HistoryRecord> CPredictStore::ListedRecords() const {
    std::vector<HistoryRecord> records;
    for (const int slot : RecordSlots()) {
        records.push_back(history[static_cast<std::size_t>(slot)]);
    }
    return records;
}

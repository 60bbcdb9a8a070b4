// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/CPredictStore.h"

#include <algorithm>

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

OpenOutcome CPredictStore::OpenDatabase(const std::string& path) {
    if (connection.OpenExisting(path)) {
        return OpenOutcome::opened;
    }
    return connection.FailedOnLock() ? OpenOutcome::locked : OpenOutcome::failed;
}

LoadOutcome CPredictStore::LoadPlayer() {
    const bool read = ReadPlayer();
    listeners.Tell(read ? StoreEvent::playerLoaded : StoreEvent::playerUnreadable);
    return read ? LoadOutcome::loaded : LoadOutcome::failed;
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
    std::string* const fields[] = {&player.name, &player.sex, &player.shuxiang, &player.yunqi};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (!select.Column(columns[i]).ToText(*fields[i])) {
            return false;
        }
    }
    if (player.yunqi == "empty") {  // the stored placeholder of a player without a fortune code
        player.yunqi.clear();
    }
    return true;
}

SaveOutcome CPredictStore::SavePlayer(const std::string& name, const std::string& sex,
                                      const std::string& shuxiang) {
    player.name = name;
    player.sex = sex;
    player.shuxiang = shuxiang;
    CSqliteStatement update(connection, kUpdateProfile);
    if (!update.BindText(1, name) || !update.BindText(2, sex) || !update.BindText(3, shuxiang)) {
        return SaveOutcome::failed;
    }
    return WritePlayerRow(update);
}

SaveOutcome CPredictStore::SaveFortuneCode(const std::string& code) {
    player.yunqi = code;
    CSqliteStatement update(connection, kUpdateFortuneCode);
    if (!update.BindText(1, code)) {
        return SaveOutcome::failed;
    }
    return WritePlayerRow(update);
}

SaveOutcome CPredictStore::WritePlayerRow(CSqliteStatement& update) {
    if (WriteOneRow(update)) {
        return SaveOutcome::saved;
    }
    return Failure<SaveOutcome>();
}

// One statement, committed on its own: a crash leaves either the old row or the new one. A table without rows
// changes nothing, which is a failed save too.
bool CPredictStore::WriteOneRow(CSqliteStatement& write) {
    return write.Step() == CSqliteStatement::StepResult::done && connection.Changes() == 1;
}

LoadOutcome CPredictStore::LoadHistory() {
    // Read before the rows: a change committed while they are read then shows as a newer version next time,
    // and is loaded once more rather than missed.
    if (!connection.DataVersion(loadedVersion)) {
        loadedVersion = -1;
    }
    CHistoryScan scan(connection, false);
    // A table that cannot be read at all leaves the history as it was; a row that cannot be read ends the
    // history before it.
    const bool read = scan.IsPrepared() && loaded.Read(scan);
    listeners.Tell(read ? StoreEvent::historyLoaded : StoreEvent::historyUnreadable);
    return read ? LoadOutcome::loaded : LoadOutcome::failed;
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

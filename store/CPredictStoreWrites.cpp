// SPDX-License-Identifier: GPL-3.0-or-later
// The store's writes to the history: saving a prediction and entering a draw result. Another copy of the
// program may have changed the file since this one loaded it, so each write reads the file's records inside
// its transaction and judges them by the rules (store/HistoryRules.h): nothing can come between the check and
// the write, and the reason a write gives is true of the file it was about to change.
#include <memory>

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
constexpr const char* kUpdateDrawResult =
    "UPDATE data_history SET is_right = ?1, open_data = ?2 WHERE rowid = ?3";

}  // namespace

bool CPredictStore::HasHistoryTable() const {
    return CSqliteStatement(connection, "SELECT * FROM data_history").IsPrepared();
}

std::unique_ptr<CHistorySlots> CPredictStore::ReadFileRecords() const {
    CHistoryScan scan(connection, true);
    auto records = std::make_unique<CHistorySlots>();
    if (!scan.IsPrepared() || !records->Read(scan)) {
        return nullptr;
    }
    return records;
}

PredictionSave CPredictStore::SavePrediction(const NewPrediction& prediction, const COleDateTime& today,
                                             const PredictionBounds& bounds) {
    if (!HasHistoryTable()) {
        // No table to write to and none to reload from.
        return Failure<PredictionSave>();
    }
    const PredictionSave saved = InsertPrediction(prediction, today, bounds);
    if (saved != PredictionSave::locked) {
        LoadHistory();  // memory matches the file again, whatever happened to the write
    }
    return saved;
}

PredictionSave CPredictStore::InsertPrediction(const NewPrediction& prediction, const COleDateTime& today,
                                               const PredictionBounds& bounds) {
    const std::string dateText = CColumnValue::FormatDate(prediction.date);
    if (dateText.empty()) {
        return PredictionSave::failed;
    }
    CSqliteTransaction transaction(connection);
    if (!transaction.IsActive()) {
        return Failure<PredictionSave>();
    }
    const std::unique_ptr<CHistorySlots> file = ReadFileRecords();
    if (!file) {
        return Failure<PredictionSave>();
    }
    switch (CheckNewPrediction(*file, prediction.date, prediction.issue, today, bounds)) {
        case PredictionRefusal::none:
            break;
        case PredictionRefusal::past:
            return PredictionSave::past;
        case PredictionRefusal::alreadyPredicted:
            return PredictionSave::alreadyPredicted;
        case PredictionRefusal::beyondCalendar:
            return PredictionSave::beyondCalendar;
        case PredictionRefusal::noIssue:
            return PredictionSave::noIssue;
        case PredictionRefusal::historyFull:
            // This copy still saw room (what it loaded is still in memory): another copy has saved since.
            return loaded.IsFull() ? PredictionSave::historyFull : PredictionSave::filledMeanwhile;
    }
    // One past the last record in the file, so a gap in the numbers never blocks a save.
    CSqliteStatement insert(connection, kInsertPrediction);
    bool bound = insert.BindInteger(1, file->NextRecordOrder()) && insert.BindText(2, dateText) &&
                 insert.BindText(3, prediction.issue);
    for (int code = 0; code < 8 && bound; ++code) {
        bound = insert.BindText(4 + code, prediction.codes[static_cast<std::size_t>(code)]);
    }
    if (!bound || !insert.BindText(12, kUnknownDraw) || !WriteOneRow(insert) || !transaction.Commit()) {
        return Failure<PredictionSave>();
    }
    return PredictionSave::saved;
}

DrawEntry CPredictStore::EnterDraw(int slot, const std::string& number, const COleDateTime& today,
                                   const std::function<bool()>& beforeWrite) {
    if (!HasHistoryTable()) {
        return {Failure<DrawEntry::Reason>()};
    }
    // The step (a copy of the whole database) cannot run inside the write's own transaction: the entry is
    // checked first, the step runs only for an entry that would go in, and the entry is then checked again
    // and written, in case another copy changed the file meanwhile.
    DrawEntry entry = WriteDraw(slot, number, today, beforeWrite ? Pass::check : Pass::write);
    if (beforeWrite && entry.Written()) {
        entry = beforeWrite() ? WriteDraw(slot, number, today, Pass::write)
                              : DrawEntry{DrawEntry::Reason::notReady};
    }
    if (entry.reason != DrawEntry::Reason::locked) {
        LoadHistory();  // a reload under the lock would only wait for it again
    }
    return entry;
}

// The record must be in the file as this copy loaded it: when another copy moved, renumbered or archived the
// records since, the slot may hold another prediction now, which the number was never typed for. The rules
// are then asked of the file's records, and a record that has its result there though this copy loaded it
// still waiting was entered by another copy meanwhile.
DrawEntry CPredictStore::WriteDraw(int slot, const std::string& number, const COleDateTime& today,
                                   Pass pass) {
    CSqliteTransaction transaction(connection);
    if (!transaction.IsActive()) {
        return DrawEntry{Failure<DrawEntry::Reason>()};
    }
    const std::unique_ptr<CHistorySlots> file = ReadFileRecords();
    if (!file) {
        return DrawEntry{Failure<DrawEntry::Reason>()};
    }
    if (!loaded.IsRecordSlot(slot) || !file->IsRecordSlot(slot) ||
        !IsSamePrediction(file->Record(slot), loaded.Record(slot))) {
        return {DrawEntry::Reason::changedMeanwhile};
    }
    const DrawEntryCheck check = CheckDrawEntry(*file, slot, number, today);
    switch (check.refusal) {
        case DrawEntryRefusal::none:
            break;
        case DrawEntryRefusal::alreadyEntered:
            return {IsPending(loaded.Record(slot)) ? DrawEntry::Reason::enteredMeanwhile
                                                   : DrawEntry::Reason::alreadyEntered};
        case DrawEntryRefusal::notDue:
            return {DrawEntry::Reason::notDue};
        case DrawEntryRefusal::notADrawNumber:
            return {DrawEntry::Reason::notADrawNumber};
        case DrawEntryRefusal::earlierPending:
            return {DrawEntry::Reason::earlierPending, check.pendingRow};
    }
    if (pass == Pass::check) {
        return {DrawEntry::Reason::written};  // would be: the transaction ends without a write
    }
    CSqliteStatement update(connection, kUpdateDrawResult);
    if (!update.BindInteger(1, VerdictFor(file->Record(slot).data, number)) || !update.BindText(2, number) ||
        !update.BindInteger(3, file->RowIdOf(slot)) || !WriteOneRow(update) || !transaction.Commit()) {
        return DrawEntry{Failure<DrawEntry::Reason>()};
    }
    return {DrawEntry::Reason::written};
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/HistoryRules.h"

#include "store/HistorySlots.h"
#include "store/HistoryVerdict.h"

PredictionRefusal CheckNewPrediction(const CHistorySlots& history, const COleDateTime& date,
                                     const std::string& issue, const COleDateTime& today,
                                     const PredictionBounds& bounds) {
    const COleDateTime day = date.DateOnly();
    if (day < bounds.earliest.DateOnly() || (day - today.DateOnly()).GetDays() < 0) {
        return PredictionRefusal::past;
    }
    for (const int slot : history.RecordSlots()) {
        if (history.Record(slot).record_date.DateOnly() == day) {
            return PredictionRefusal::alreadyPredicted;
        }
    }
    if (day.GetYear() > bounds.lastYear) {
        return PredictionRefusal::beyondCalendar;
    }
    // Only these count as blank: any other text, three blanks included, is taken as typed.
    if (issue.empty() || issue == " " || issue == "  ") {
        return PredictionRefusal::noIssue;
    }
    return history.IsFull() ? PredictionRefusal::historyFull : PredictionRefusal::none;
}

DrawEntryCheck CheckDrawEntry(const CHistorySlots& history, int slot, const std::string& number,
                              const COleDateTime& today) {
    const HistoryRecord& record = history.Record(slot);
    if (!IsPending(record)) {
        return {DrawEntryRefusal::alreadyEntered};
    }
    if (record.record_date.DateOnly() > today.DateOnly()) {
        return {DrawEntryRefusal::notDue};
    }
    if (!IsDrawNumber(number)) {
        return {DrawEntryRefusal::notADrawNumber};
    }
    if (const int pending = history.FirstPendingRecord(); pending != slot) {
        return {DrawEntryRefusal::earlierPending, history.ListRowOfSlot(pending)};
    }
    return {};
}

bool IsEntryOpen(const CHistorySlots& history, int slot, const COleDateTime& today) {
    if (!history.IsRecordSlot(slot)) {
        return false;
    }
    const HistoryRecord& record = history.Record(slot);
    return IsPending(record) && record.record_date.DateOnly() <= today.DateOnly() &&
           history.FirstPendingRecord() == slot;
}

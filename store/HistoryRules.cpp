#include "store/HistoryRules.h"

#include <algorithm>

#include "store/CPredictStore.h"
#include "store/HistoryVerdict.h"

namespace {

const HistoryRecord& RecordIn(const CPredictStore& store, int slot) {
    return store.history[static_cast<std::size_t>(slot)];
}

}  // namespace

PredictionRefusal CheckNewPrediction(const CPredictStore& store, const COleDateTime& date,
                                     const std::string& issue, const COleDateTime& today,
                                     const PredictionBounds& bounds) {
    const COleDateTime day = date.DateOnly();
    if (day < bounds.earliest.DateOnly() || (day - today.DateOnly()).GetDays() < 0) {
        return PredictionRefusal::past;
    }
    for (const int slot : store.RecordSlots()) {
        if (RecordIn(store, slot).record_date.DateOnly() == day) {
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
    return store.IsHistoryFull() ? PredictionRefusal::historyFull : PredictionRefusal::none;
}

DrawEntryCheck CheckDrawEntry(const CPredictStore& store, int slot, const std::string& number,
                              const COleDateTime& today) {
    const HistoryRecord& record = RecordIn(store, slot);
    if (!IsPending(record)) {
        return {DrawEntryRefusal::alreadyEntered};
    }
    if (record.record_date.DateOnly() > today.DateOnly()) {
        return {DrawEntryRefusal::notDue};
    }
    if (!IsDrawNumber(number)) {
        return {DrawEntryRefusal::notADrawNumber};
    }
    if (const int pending = store.FirstPendingRecord(); pending != slot) {
        return {DrawEntryRefusal::earlierPending, ListRowOfSlot(store, pending)};
    }
    return {};
}

bool IsEntryOpen(const CPredictStore& store, int slot, const COleDateTime& today) {
    if (!store.IsRecordSlot(slot)) {
        return false;
    }
    const HistoryRecord& record = RecordIn(store, slot);
    return IsPending(record) && record.record_date.DateOnly() <= today.DateOnly() &&
           store.FirstPendingRecord() == slot;
}

int ListRowOfSlot(const CPredictStore& store, int slot) {
    const std::vector<int> slots = store.RecordSlots();
    const auto found = std::ranges::find(slots, slot);
    return found == slots.end() ? 0 : static_cast<int>(found - slots.begin()) + 1;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules the history keeps, each stated once and answered with a reason. The store applies them to the
// file as each write finds it (store/StoreOutcomes.h); the date dialog and the records page ask them of what
// the store last loaded, to refuse before anything is written or to offer an entry.
#include <string>

#include "core/COleDateTime.h"

class CHistorySlots;

// Why a new prediction cannot start; none when it can.
enum class [[nodiscard]] PredictionRefusal{
    none,
    past,              // before the first draw the program knows, or before today (today itself is fine)
    alreadyPredicted,  // the history holds a prediction for that day, whatever its issue
    beyondCalendar,    // after the last year the calendar of this edition can predict
    noIssue,           // the issue is empty, or one or two blanks
    historyFull,       // no slot is left for another prediction
};

// The bounds a prediction's date must keep.
struct PredictionBounds {
    COleDateTime earliest;  // the first draw date the program takes
    int lastYear = 0;       // the last year the calendar can predict
};

// Whether a prediction for date with this issue can start on the day today, by the records of history. The
// checks run in this order and the first that fails is the answer: past, already predicted, beyond the
// calendar, no issue, history full. Only the year, month and day of the dates count.
PredictionRefusal CheckNewPrediction(const CHistorySlots& history, const COleDateTime& date,
                                     const std::string& issue, const COleDateTime& today,
                                     const PredictionBounds& bounds);

// Why a draw number cannot be entered for a record; none when it can.
enum class DrawEntryRefusal {
    none,
    alreadyEntered,  // the record has its result
    notDue,          // its draw date is still to come (a draw dated today can take its result)
    notADrawNumber,  // the number is not exactly three digits
    earlierPending,  // an earlier record still waits: results go in strictly in the order of the list
};

struct [[nodiscard]] DrawEntryCheck {
    DrawEntryRefusal refusal = DrawEntryRefusal::none;
    // earlierPending: the row of the list, from 1, that holds the record waiting first. With a gap in the
    // file's record numbers this is not its record number.
    int pendingRow = 0;
};

// Whether number can be entered as the draw of the record in slot, on the day today. The checks run in this
// order and the first that fails is the answer: already entered, not due, not a draw number, an earlier
// record waiting.
DrawEntryCheck CheckDrawEntry(const CHistorySlots& history, int slot, const std::string& number,
                              const COleDateTime& today);

// The record in slot can take its draw number today: it waits for it, its date has come and no earlier record
// waits. Only such a record is offered an entry, so that no entry is offered that could only be refused.
bool IsEntryOpen(const CHistorySlots& history, int slot, const COleDateTime& today);

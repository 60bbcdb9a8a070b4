// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What came of each action the user asks of the store. Every outcome is [[nodiscard]]: a caller that drops
// one does not build (warnings are errors), so no failure goes by unsaid. The store never words an outcome;
// the pages and the command line choose the words from core/MessageTexts.h, and a switch over a reason lists
// every case, so a new reason is a build error wherever it still needs its words.

// Opening the database file.
enum class [[nodiscard]] OpenOutcome{
    opened,
    locked,  // another program held the file locked past the wait: not a fault, it can be opened later
    failed,  // no such file, not a database, no permission
};

// Reading the player or the history into memory. A failed load keeps what was read before the failure. The
// only outcome a caller may leave: every load is told to the store's listeners too (store/StoreEvents.h),
// and the shell says a failure there, whoever asked for the load.
enum class LoadOutcome { loaded, failed };

// Writing one row that no rule guards: the player's profile, the fortune code.
enum class [[nodiscard]] SaveOutcome{
    saved,
    locked,  // another program held the file locked past the wait: nothing written
    failed,  // the file could not be written (or holds no player row)
};

// Saving a new prediction. The date dialog's rules (store/HistoryRules.h) are checked once more on the file
// as the insert finds it, inside the insert's own transaction.
enum class [[nodiscard]] PredictionSave{
    saved,
    past,
    alreadyPredicted,  // the file holds a prediction for that day (another copy saved it first)
    beyondCalendar,
    noIssue,
    historyFull,      // no slot left, and this copy knew it
    filledMeanwhile,  // no slot left, though this copy saw room: another copy saved since
    locked,
    failed,
};

// Entering the draw number of one record. The records page's rules are checked on the file's own row, inside
// the write's transaction; the record must still be the prediction this copy loaded.
struct [[nodiscard]] DrawEntry {
    enum class Reason {
        written,
        alreadyEntered,    // the record had its result when it was loaded
        notDue,            // its draw date is still to come
        notADrawNumber,    // the number is not exactly three digits
        earlierPending,    // an earlier record still waits; pendingRow is its row in the list
        enteredMeanwhile,  // another copy entered this record's result since the load
        changedMeanwhile,  // the record is not in the file as loaded: another copy moved, renumbered or
                           // archived it
        notReady,          // the caller's step before the write failed: nothing written
        locked,  // another program held the file locked past the wait: nothing written, nothing reloaded
        failed,  // the file could not be read or written
    };
    Reason reason = Reason::failed;
    int pendingRow = 0;  // earlierPending: the row of the list, from 1, of the record that waits first

    bool Written() const { return reason == Reason::written; }
};

// Moving records into the archive.
enum class [[nodiscard]] ArchiveOutcome{
    archived,
    changed,  // another copy changed or archived one of the records since the load: nothing archived
    locked,
    failed,
};

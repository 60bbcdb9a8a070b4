// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Walks the rows of table data_history the way the history load lists them: a row's slot is its record_order
// as the load reads it (low 16 bits, signed), a row outside slots 1 .. 399 has none, and of two rows for one
// slot only the first in the file's order counts. Every operation that looks a record up in the file goes
// through this walk, so the store never writes a row the pages do not show, nor misses one they do.
#include <bitset>

#include "store/CHistoryRowReader.h"
#include "store/CSqliteStatement.h"
#include "store/HistoryRecord.h"

class CSqliteConnection;

class CHistoryScan {
public:
    enum class Step {
        row,         // the next row that has a slot
        unreadable,  // a row whose record_order is not a number; the walk may go on past it
        done,        // no more rows
        failed       // the file could not be read
    };

    // withRowId: the walk also reads each row's rowid, for writing to that row afterwards.
    CHistoryScan(const CSqliteConnection& connection, bool withRowId);

    bool IsPrepared() const { return statement.IsPrepared(); }

    Step Next();

    // Of the current row.
    int Slot() const { return slot; }
    bool RowId(long long& rowId) const;
    const CHistoryRowReader& Reader() const { return reader; }

    // The slots the walk has filled so far.
    const std::bitset<HISTORY_SLOTS>& Filled() const { return filled; }

private:
    CSqliteStatement statement;
    CHistoryRowReader reader;
    std::bitset<HISTORY_SLOTS> filled;
    int slot = 0;
    bool withRowId;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Restoring the database from a backup. A backup is a file the user hands the program, so it is read as
// untrusted input: a restore takes its rows, never its schema. The file is opened read-only (nothing is
// written beside it, not even SQLite's shared-memory file), every row is read through the program's own row
// reader and checked as the program would have written it, and only then is a new database built with the
// program's own tables and filled with those rows; that one replaces the database in one step. Triggers,
// views, indexes, extra tables, the journal mode and the pragmas of the backup never reach the user's file.
#include <cstdint>
#include <functional>
#include <string>

class CSqliteConnection;

// Why a file cannot replace the database; none when it can.
enum class BackupRefusal {
    none,
    notRegular,      // a folder, a device or a pipe
    unreadable,      // the system refused to read it (error holds errno)
    isTheDatabase,   // the database itself (the same file by device and inode)
    notADatabase,    // not an SQLite database at all
    busy,            // another program is writing it (a transaction being committed, or left half-written)
    damaged,         // an SQLite database that fails its integrity check (a copy cut short, a broken disk)
    notOurs,         // the database of another program: no player and history tables with their columns
    newerLayout,     // written by a later version of this program, whose layout this one does not know
    noPlayer,        // the player table has no row
    badValue,        // a value the program never writes: table, row and column say where
    repeatedNumber,  // two rows of table with number in column
    missingNumber,   // no row of table with number in column, in numbers that run 1, 2, 3 ... without gaps
};

enum class BackupTable { player, history, archive };

struct [[nodiscard]] BackupCheck {
    BackupRefusal refusal = BackupRefusal::none;
    int error = 0;  // unreadable: the errno
    // badValue, repeatedNumber, missingNumber: where.
    BackupTable table = BackupTable::history;
    std::int64_t row = 0;     // badValue: the row of the table, from 1, in the file's order
    std::string column;       // the column's name
    std::int64_t number = 0;  // repeatedNumber, missingNumber: the number

    bool Ok() const { return refusal == BackupRefusal::none; }
};

// Checks the file at path without writing anything anywhere: a regular file other than the database at
// databasePath (when given), an SQLite database that passes PRAGMA integrity_check, with the tables player
// and data_history (and data_archive, if it has one) and their columns, a layout no later than layoutVersion,
// a player row, and every row as the program writes it: record_order 1 .. n without gaps or repeats (the
// archive's archive_order likewise), numbers where numbers belong and in their ranges, dates that are dates,
// UTF-8 text where text belongs. The first thing that fails is the answer.
BackupCheck CheckBackup(const std::string& path, int layoutVersion, const std::string& databasePath = {});

struct [[nodiscard]] RestoreOutcome {
    BackupCheck check;      // refused: nothing was written
    bool notReady = false;  // the check passed but beforeReplace failed: nothing was written
    int error = 0;  // the check passed but writing the database failed: the errno; the file is as it was

    bool Ok() const { return check.Ok() && !notReady && error == 0; }
    explicit operator bool() const { return Ok(); }
};

// Checks the backup at path as CheckBackup does against connection's file and, when it passes, replaces the
// whole database of connection with a new one of the program's own tables holding the backup's rows (its
// first player row, its history, its archive), in one step of the backup API: the file is never half old and
// half new, and a copy of the program killed meanwhile leaves the old one. The backup is read once: the new
// database is built as it is checked, and beforeReplace (the safety copy) runs only once it has passed, right
// before the replacement; when it returns false nothing is written.
RestoreOutcome RestoreDatabase(CSqliteConnection& connection, const std::string& path, int layoutVersion,
                               const std::function<bool()>& beforeReplace = {});

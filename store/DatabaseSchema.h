// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The database's tables as this program makes them, in one place: the empty database of a new installation,
// the archive a file gets when it first archives, and the database a restore builds from a backup's rows all
// come from here, so a file of this program always has the same layout whatever made it.
//
// record_order is unique so that two running copies of the program cannot both save record N: the second one
// fails and reloads instead of hiding a prediction behind a duplicate. is_right defaults to 11, "no result
// yet", which a new row gets because saving a prediction does not write it. The archive holds every column of
// data_history, the record's number when it was archived, and when that was; archive_order numbers the
// archived records in the order they went in.

// The tables player and data_history, without rows.
extern const char* const kCreatePlayerAndHistory;
// The archive table, made when a file first archives (or when a restored backup had one).
extern const char* const kCreateArchive;
// The layout a file with the archive table has (CPredictStore::kLayoutVersion).
extern const char* const kArchiveLayout;
// The player a new installation starts with.
extern const char* const kFirstPlayer;
// The empty database a new installation starts with: both tables and kFirstPlayer, in one transaction.
extern const char* const kEmptyDatabaseScript;

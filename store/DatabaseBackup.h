#pragma once
// Copies of the whole database: a backup the player asks for (the safety copies taken before every change of
// many rows are in store/SafetyCopy.h), and the check a file must pass before it may replace the
// database. Every copy goes through SQLite's online backup API, so it is consistent even while another copy
// of the program writes, and is written beside its final name first: a copy that was cut short never looks
// like a finished one.
#include <string>

#include "store/RegularFile.h"

class CSqliteConnection;

// The whole database of connection into path (made, or a regular file replaced whole).
FileOutcome CopyDatabaseTo(const CSqliteConnection& connection, const std::string& path);

// The whole database of connection into newFile, a fresh file of the caller's own that no one else opens
// (so it is written without a journal): 0, or an errno. The step under CopyDatabaseTo and the safety copies.
int CopyDatabaseInto(const CSqliteConnection& connection, const std::string& newFile);

// Why a file cannot replace the database; none when it can.
enum class BackupRefusal {
    none,
    notRegular,    // a folder, a device or a pipe
    unreadable,    // the system refused to read it (error holds errno)
    notADatabase,  // not an SQLite database at all
    damaged,       // an SQLite database that fails its integrity check (a copy cut short, a broken disk)
    notOurs,       // the database of another program: no player and history tables with their columns
    newerLayout,   // written by a later version of this program, whose layout this one does not know
    noPlayer,      // the player table has no row
};
struct BackupCheck {
    BackupRefusal refusal = BackupRefusal::none;
    int error = 0;
};

// Checks the file at path, opened read-only: a regular file, an SQLite database that passes PRAGMA
// integrity_check, with the tables player and data_history and their columns (and data_archive with its
// columns, if it has one), a layout no later than this program's, and a player row.
BackupCheck CheckBackup(const std::string& path, int layoutVersion);

// Replaces the whole database of connection with the database at path in one step of the backup API: the
// file is never half old and half new, and a copy of the program killed meanwhile leaves the old one. The
// source must have passed CheckBackup. 0, or an errno for what failed.
int RestoreDatabase(CSqliteConnection& connection, const std::string& path);

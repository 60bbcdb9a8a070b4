#pragma once
// Copies of the whole database: a backup the player asks for, the safety copy taken before every change of
// many rows (archiving, importing draws, restoring), and the check a file must pass before it may replace the
// database. Every copy goes through SQLite's online backup API, so it is consistent even while another copy
// of the program writes, and is written beside its final name first: a copy that was cut short never looks
// like a finished one.
#include <string>

#include "store/RegularFile.h"

class CSqliteConnection;

// How many safety copies are kept; the oldest go first.
inline constexpr int kSafetyCopiesKept = 10;

// The whole database of connection into path (made, or a regular file replaced whole).
FileOutcome CopyDatabaseTo(const CSqliteConnection& connection, const std::string& path);

// The safety copy of connection's database: into the folder "backups" beside the database file (made when
// missing, private to the user), named "morvint-YYYY-MM-DD-HHMMSS.db" after the clock's time; then only the
// newest kSafetyCopiesKept such copies stay. written: the copy's path.
FileOutcome WriteSafetyCopy(const CSqliteConnection& connection, std::string& written);

// The folder the safety copies of the database at databasePath go to.
std::string SafetyCopyFolder(const std::string& databasePath);

// The whole database of connection, written to a temporary file first (SQLite needs one), then as bytes to
// the open file descriptor fd (standard output into a pipe or a file). The temporary file is removed.
FileOutcome CopyDatabaseToDescriptor(const CSqliteConnection& connection, int fd);

// The files no export or backup may write over: the database itself, its rollback journal and its WAL files
// (SQLite takes a stray file of that name for its own, and rolls the database back with it or deletes it),
// and whatever lies in the safety copies' folder. Files are compared by device and inode, so a link, a hard
// link or another spelling of the path is caught; a companion file that does not exist yet by its folder's
// device and inode and its name.
enum class ProtectedFile { none, database, companion, safetyCopy };
ProtectedFile ProtectionOf(const std::string& databasePath, const std::string& target);

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

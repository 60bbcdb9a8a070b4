#pragma once
// Copies of the whole database: a backup the player asks for, the safety copy taken before every change of
// many rows (archiving, importing draws, restoring), and the step that puts a restored database in place.
// Every copy goes through SQLite's online backup API, so it is consistent even while another copy of the
// program writes, and is written beside its final name first: a copy that was cut short never looks like a
// finished one.
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

// Replaces the whole database of connection with the database of source in one step of the backup API: the
// file is never half old and half new, and a copy of the program killed meanwhile leaves the old one. The
// source is the database a restore built (store/DatabaseRestore.h). 0, or an errno for what failed.
int ReplaceDatabase(CSqliteConnection& connection, const CSqliteConnection& source);

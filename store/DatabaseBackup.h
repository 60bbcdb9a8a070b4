// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Copies of the whole database: a backup the player asks for (the safety copies taken before every change of
// many rows are in store/SafetyCopy.h), and the step that puts a restored database in place. Every copy goes
// through SQLite's online backup API, so it is consistent even while another copy of the program writes, and
// is written beside its final name first: a copy that was cut short never looks like a finished one.
#include <string>

#include "store/RegularFile.h"

class CSqliteConnection;

// The whole database of connection into path (made, or a regular file replaced whole).
FileOutcome CopyDatabaseTo(const CSqliteConnection& connection, const std::string& path);

// The whole database of connection into newFile, a fresh file of the caller's own that no one else opens
// (so it is written without a journal): 0, or an errno. The step under CopyDatabaseTo and the safety copies.
int CopyDatabaseInto(const CSqliteConnection& connection, const std::string& newFile);

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

// Replaces the whole database of connection with the database of source in one step of the backup API: the
// file is never half old and half new, and a copy of the program killed meanwhile leaves the old one. The
// source is the database a restore built (store/DatabaseRestore.h). 0, or an errno for what failed.
int ReplaceDatabase(CSqliteConnection& connection, const CSqliteConnection& source);

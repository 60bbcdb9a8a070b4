// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The safety copy of the whole database, taken before every change of many rows (archiving, importing draws,
// restoring), into the folder "backups" beside the database file; the newest few are kept.
//
// A copy is named "morvint-NNNN-YYYY-MM-DD-HHMMSS.db": NNNN is one more than the highest number of the copies
// there (four digits or more), the date and time are the local time it was taken, for the reader. The number
// alone says which copy is newer, so a clock set back or a change of time zone never makes a new copy look
// older than an old one. The names earlier versions gave, "morvint-YYYY-MM-DD-HHMMSS.db" and
// "morvint-YYYY-MM-DD-HHMMSS-N.db", count as older than every numbered copy, and among themselves go by their
// time. Only a regular file whose name is exactly of one of these forms is a safety copy; every other file in
// the folder is the user's, and is never touched.
//
// A copy is written under a temporary name and gets its own name only once it is complete, and never in
// place of a file already there: two copies of the program taking a safety copy in the same second get two
// numbers.
#include <string>

#include "store/RegularFile.h"

class CSqliteConnection;

// How many safety copies are kept; the oldest go first.
inline constexpr int kSafetyCopiesKept = 10;

// Writes the safety copy of connection's database (its folder is made when missing, private to the user),
// then removes the oldest copies beyond kSafetyCopiesKept, never the one just written. written: the copy's
// path, or empty when it got none.
FileOutcome WriteSafetyCopy(const CSqliteConnection& connection, std::string& written);

// The folder the safety copies of the database at databasePath go to.
std::string SafetyCopyFolder(const std::string& databasePath);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Backups, restores and archiving as the menus and the command line do them, with their words. Every change
// of many rows (archiving, importing draws, restoring) takes a safety copy of the database first; if that
// copy cannot be written, the change does not happen and the user is told why.
#include <QString>
#include <string>

#include "core/MessageTexts.h"
#include "store/CPredictStore.h"

// Writes the safety copy; false with the sentence that says what went wrong in error.
bool TakeSafetyCopy(const CPredictStore& store, QString& error);

// A consistent copy of the database into path (made, or a regular file replaced whole; never the database,
// its journal, a safety copy or a read-only file). True with the sentence that says where it went, or false
// with the one that says what failed, in message.
bool BackUpDatabase(const CPredictStore& store, const std::string& path, QString& message);

// The same copy as bytes to fd, for "--backup -" into a pipe or a file; message as for a file, naming
// standard output.
bool BackUpDatabaseToDescriptor(const CPredictStore& store, int fd, QString& message);

// Why the file at path cannot replace store's database, in a sentence; empty when it can.
QString BackupRefusalText(const CPredictStore& store, const std::string& path);

// Checks the backup at path, takes the safety copy, and replaces the database with the backup's rows in one
// step. True with what was restored in message; false with why nothing changed.
bool RestoreDatabase(CPredictStore& store, const std::string& path, QString& message);

// Archives the count oldest records that have their draw result, after the safety copy. True with what was
// done in message; false with why not.
bool ArchiveOldest(CPredictStore& store, int count, QString& message);

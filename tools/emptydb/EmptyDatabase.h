// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes the database a new player starts with: both tables and one player row. Used by the build, to give a
// fresh program folder its "morvint.db", and by the tests, which work on such files.
// The script it runs, kEmptyDatabaseScript, is the store's (store/DatabaseSchema.h).
#include <string>

#include "store/DatabaseSchema.h"

// Writes a fresh database to path. Never replaces a file that is there: the database is built under another
// name and then linked into place, which fails if anything took the name in the meantime. On failure returns
// false with a reason in error, and leaves nothing behind.
bool WriteEmptyDatabase(const std::string& path, std::string& error);

// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/CSqliteTransaction.h"

#include "store/CSqliteConnection.h"

CSqliteTransaction::CSqliteTransaction(CSqliteConnection& db) : connection(db) {
    active = connection.Execute("BEGIN IMMEDIATE");
}

CSqliteTransaction::~CSqliteTransaction() {
    if (active) {
        // A failed COMMIT (the other copy still reading past the busy timeout) leaves the transaction open:
        // end it here, or the connection would hold the write lock for the rest of the run.
        connection.Execute("ROLLBACK");
    }
}

bool CSqliteTransaction::Commit() {
    if (active && connection.Execute("COMMIT")) {
        active = false;
        return true;
    }
    return false;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One write transaction on a connection: begun with the write lock taken at once, so that another copy of the
// program cannot change the file between what a write checks and what it writes. Rolled back when the object
// goes away without a successful Commit, so a failure anywhere inside leaves the file as it was.
class CSqliteConnection;

class CSqliteTransaction {
public:
    // Begins the transaction (BEGIN IMMEDIATE: waits, up to the connection's busy timeout, for a copy that
    // holds the file). IsActive() tells whether that worked.
    explicit CSqliteTransaction(CSqliteConnection& connection);
    ~CSqliteTransaction();
    CSqliteTransaction(const CSqliteTransaction&) = delete;
    CSqliteTransaction& operator=(const CSqliteTransaction&) = delete;

    bool IsActive() const { return active; }

    // Makes every change of the transaction permanent. False when it could not be committed; the changes are
    // then rolled back when the object goes away.
    bool Commit();

private:
    CSqliteConnection& connection;
    bool active = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One connection to an SQLite database file, closed when the object goes away. The store keeps exactly one of
// these for the whole run; the empty-database writer uses another to build a fresh file.
#include <string>

struct sqlite3;

class CSqliteConnection {
public:
    // How long a statement waits for another copy of the program that holds the file locked before it gives
    // up.
    static constexpr int kBusyTimeoutMs = 3000;

    CSqliteConnection() = default;
    ~CSqliteConnection();
    CSqliteConnection(const CSqliteConnection&) = delete;
    CSqliteConnection& operator=(const CSqliteConnection&) = delete;
    CSqliteConnection(CSqliteConnection&& other) noexcept;
    CSqliteConnection& operator=(CSqliteConnection&& other) noexcept;

    // Opens an existing database file for reading and writing; never creates one. A file the process may only
    // read is opened read-only, so loads still work and every write fails. The file's header and schema are
    // read at once, so a file that is not a database fails here and not at the first load.
    bool OpenExisting(const std::string& path);
    // Creates a new database file, or opens it when it is there (for the empty-database writer).
    bool OpenOrCreate(const std::string& path);
    // Opens an existing database file for reading only, and reads its schema (a backup being checked).
    bool OpenReadOnly(const std::string& path);
    // Opens a database for reading only through an SQLite URI ("file:/path?mode=ro"), which may say how (a
    // file that nothing may write is opened "immutable", without locks or files beside it). Nothing is read
    // yet; LastError tells why the first read failed.
    bool OpenReadOnlyUri(const std::string& uri);
    void Close();

    bool IsOpen() const { return db != nullptr; }
    // The database file's full path; empty when none is open.
    std::string FilePath() const;
    sqlite3* Handle() const { return db; }

    // Runs SQL text that takes no parameters and returns no rows (schema creation).
    bool Execute(const char* sql);
    // Rows changed by the last INSERT or UPDATE on this connection.
    int Changes() const;
    // SQLite's extended result code of the last call that failed on this connection (SQLITE_BUSY, ...).
    int LastError() const;

    // A number that changes whenever another connection (another copy of the program, the command line, the
    // sqlite3 tool) commits a change to the file, and only then: this connection's own writes leave it as
    // it is. False when it cannot be read.
    bool DataVersion(long long& version) const;
    // The file can be written through this connection: it was not opened read-only, and its folder takes the
    // journal SQLite writes beside it during every write.
    bool IsWritable() const;
    // Asked right after a call on this connection failed, or after OpenExisting or OpenReadOnly failed: true
    // when it failed only because another connection (another copy of the program, the sqlite3 tool, any
    // program) held the file locked for longer than kBusyTimeoutMs, so that the same call may work later.
    bool FailedOnLock() const;

private:
    bool Open(const std::string& path, int flags);
    bool ReadSchema();

    sqlite3* db = nullptr;
    bool openFailedOnLock = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/CSqliteConnection.h"

#include <sqlite3.h>
#include <unistd.h>

#include <string>
#include <utility>

#include "store/CSqliteStatement.h"

CSqliteConnection::~CSqliteConnection() {
    Close();
}

CSqliteConnection::CSqliteConnection(CSqliteConnection&& other) noexcept
    : db(std::exchange(other.db, nullptr)), openFailedOnLock(other.openFailedOnLock) {}

CSqliteConnection& CSqliteConnection::operator=(CSqliteConnection&& other) noexcept {
    if (this != &other) {
        Close();
        db = std::exchange(other.db, nullptr);
        openFailedOnLock = other.openFailedOnLock;
    }
    return *this;
}

bool CSqliteConnection::OpenExisting(const std::string& path) {
    return Open(path, SQLITE_OPEN_READWRITE) && ReadSchema();
}

bool CSqliteConnection::OpenOrCreate(const std::string& path) {
    return Open(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

bool CSqliteConnection::OpenReadOnly(const std::string& path) {
    return Open(path, SQLITE_OPEN_READONLY) && ReadSchema();
}

bool CSqliteConnection::OpenReadOnlyUri(const std::string& uri) {
    return Open(uri, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
}

std::string CSqliteConnection::FilePath() const {
    const char* file = db != nullptr ? sqlite3_db_filename(db, "main") : nullptr;
    return file != nullptr ? file : "";
}

bool CSqliteConnection::Open(const std::string& path, int flags) {
    Close();
    openFailedOnLock = false;
    sqlite3* handle = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &handle, flags, nullptr);
    // sqlite3_open_v2 hands out a handle even when it fails; it must still be closed.
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(handle);
        return false;
    }
    db = handle;
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    return true;
}

bool CSqliteConnection::ReadSchema() {
    // Opening is lazy in SQLite: nothing of the file is read until the first statement. Reading the schema
    // now turns a garbage or truncated file into a failed connection.
    bool ok = false;
    {
        CSqliteStatement probe(*this, "SELECT count(*) FROM sqlite_master");
        ok = probe.IsPrepared() && probe.Step() == CSqliteStatement::StepResult::row;
    }
    if (!ok) {
        openFailedOnLock = FailedOnLock();  // read before Close takes the connection's error away
        Close();
    }
    return ok;
}

void CSqliteConnection::Close() {
    if (db != nullptr) {
        // close_v2 never fails on a busy connection: the statements of this layer are all finalized by then.
        sqlite3_close_v2(std::exchange(db, nullptr));
    }
}

bool CSqliteConnection::Execute(const char* sql) {
    return db != nullptr && sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

int CSqliteConnection::Changes() const {
    return db != nullptr ? sqlite3_changes(db) : 0;
}

int CSqliteConnection::LastError() const {
    return db != nullptr ? sqlite3_extended_errcode(db) : SQLITE_CANTOPEN;
}

bool CSqliteConnection::DataVersion(long long& version) const {
    CSqliteStatement pragma(*this, "PRAGMA data_version");
    std::int64_t value = 0;
    if (!pragma.IsPrepared() || pragma.Step() != CSqliteStatement::StepResult::row ||
        !pragma.Column(0).ToInteger(value)) {
        return false;
    }
    version = value;
    return true;
}

bool CSqliteConnection::FailedOnLock() const {
    if (db == nullptr) {
        return openFailedOnLock;
    }
    // The primary code: SQLITE_BUSY_SNAPSHOT, SQLITE_BUSY_TIMEOUT and the like are a lock all the same.
    const int code = sqlite3_extended_errcode(db) & 0xff;
    return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

bool CSqliteConnection::IsWritable() const {
    if (db == nullptr || sqlite3_db_readonly(db, "main") != 0) {
        return false;
    }
    const std::string path = FilePath();
    if (path.empty()) {
        return true;  // an in-memory database
    }
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
    return ::access(path.c_str(), W_OK) == 0 && ::access(folder.c_str(), W_OK) == 0;
}

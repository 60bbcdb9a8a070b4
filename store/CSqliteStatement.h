// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One prepared statement, finalized when the object goes away. Values always travel through the bind calls:
// no text from the user is ever pasted into SQL.
#include <cstdint>
#include <string>
#include <string_view>

#include "store/CColumnValue.h"

class CSqliteConnection;
struct sqlite3_stmt;

class CSqliteStatement {
public:
    enum class StepResult { row, done, error };

    // Prepares the statement; IsPrepared() tells whether that worked (it fails on a closed connection, a
    // missing table or column, or a file that is not a database).
    CSqliteStatement(const CSqliteConnection& connection, const char* sql);
    ~CSqliteStatement();
    CSqliteStatement(const CSqliteStatement&) = delete;
    CSqliteStatement& operator=(const CSqliteStatement&) = delete;

    bool IsPrepared() const { return stmt != nullptr; }

    // Parameters count from 1, as in the SQL text (?1, ?2, ...).
    bool BindText(int index, const std::string& value);
    bool BindInteger(int index, std::int64_t value);

    StepResult Step();
    // Makes the statement ready to run again with new values (the old ones are cleared).
    bool Reset();

    int ColumnCount() const;
    // The result column with this name (ASCII letters compared without case, as SQL does), or -1.
    int ColumnIndex(std::string_view name) const;
    // The value of a column of the current row; a missing column (-1) reads as NULL.
    CColumnValue Column(int index) const;

private:
    sqlite3_stmt* stmt = nullptr;
};

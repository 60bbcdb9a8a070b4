// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/CSqliteStatement.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>

#include "store/CSqliteConnection.h"

CSqliteStatement::CSqliteStatement(const CSqliteConnection& connection, const char* sql) {
    if (!connection.IsOpen() ||
        sqlite3_prepare_v2(connection.Handle(), sql, -1, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);  // a failed prepare may still leave a statement behind
        stmt = nullptr;
    }
}

CSqliteStatement::~CSqliteStatement() {
    sqlite3_finalize(stmt);
}

bool CSqliteStatement::BindText(int index, const std::string& value) {
    return stmt != nullptr && sqlite3_bind_text(stmt, index, value.data(), static_cast<int>(value.size()),
                                                SQLITE_TRANSIENT) == SQLITE_OK;
}

bool CSqliteStatement::BindInteger(int index, std::int64_t value) {
    return stmt != nullptr && sqlite3_bind_int64(stmt, index, value) == SQLITE_OK;
}

CSqliteStatement::StepResult CSqliteStatement::Step() {
    if (stmt == nullptr) {
        return StepResult::error;
    }
    switch (sqlite3_step(stmt)) {
        case SQLITE_ROW:
            return StepResult::row;
        case SQLITE_DONE:
            return StepResult::done;
        default:
            return StepResult::error;
    }
}

bool CSqliteStatement::Reset() {
    return stmt != nullptr && sqlite3_reset(stmt) == SQLITE_OK && sqlite3_clear_bindings(stmt) == SQLITE_OK;
}

int CSqliteStatement::ColumnCount() const {
    return stmt != nullptr ? sqlite3_column_count(stmt) : 0;
}

int CSqliteStatement::ColumnIndex(std::string_view name) const {
    const auto sameLetter = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    for (int i = 0; i < ColumnCount(); ++i) {
        const char* column = sqlite3_column_name(stmt, i);
        if (column != nullptr && std::ranges::equal(std::string_view(column), name, sameLetter)) {
            return i;
        }
    }
    return -1;
}

CColumnValue CSqliteStatement::Column(int index) const {
    if (index < 0 || index >= ColumnCount()) {
        return CColumnValue();
    }
    switch (sqlite3_column_type(stmt, index)) {
        case SQLITE_INTEGER:
            return CColumnValue(static_cast<std::int64_t>(sqlite3_column_int64(stmt, index)));
        case SQLITE_FLOAT:
            return CColumnValue(sqlite3_column_double(stmt, index));
        case SQLITE_TEXT: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, index));
            const int bytes = sqlite3_column_bytes(stmt, index);
            return CColumnValue(std::string(text != nullptr ? text : "", static_cast<std::size_t>(bytes)));
        }
        case SQLITE_BLOB:
            return CColumnValue(CColumnValue::Blob{});
        default:
            return CColumnValue();
    }
}

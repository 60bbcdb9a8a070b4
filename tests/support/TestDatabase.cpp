// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/TestDatabase.h"

#include <gtest/gtest.h>

#include "store/CSqliteConnection.h"
#include "store/CSqliteStatement.h"
#include "tools/emptydb/EmptyDatabase.h"

bool WriteFreshDatabase(const std::string& path) {
    std::string error;
    const bool written = WriteEmptyDatabase(path, error);
    EXPECT_TRUE(written) << path << ": " << error;
    return written;
}

void RunSql(const std::string& path, const std::string& sql) {
    CSqliteConnection db;
    ASSERT_TRUE(db.OpenExisting(path)) << path;
    ASSERT_TRUE(db.Execute(sql.c_str())) << sql;
}

TextRows RowsAsText(const std::string& path, const std::string& sql) {
    TextRows rows;
    CSqliteConnection db;
    if (!db.OpenExisting(path)) {
        ADD_FAILURE() << "cannot open " << path;
        return rows;
    }
    CSqliteStatement select(db, sql.c_str());
    EXPECT_TRUE(select.IsPrepared()) << sql;
    while (select.IsPrepared() && select.Step() == CSqliteStatement::StepResult::row) {
        auto& row = rows.emplace_back();
        for (int column = 0; column < select.ColumnCount(); ++column) {
            std::string text = "NULL";
            select.Column(column).ToText(text);
            row.push_back(text);
        }
    }
    return rows;
}

TextRows HistoryRows(const std::string& path) {
    return RowsAsText(path,
                      "SELECT record_order, record_date, open_order, data_1, data_2, data_3, data_4, data_5, "
                      "data_6, data_7, data_8, open_data, is_right FROM data_history ORDER BY record_order");
}

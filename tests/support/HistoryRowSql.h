// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rows of data_history written straight into a database file, as another program or another copy of this one
// would write them. Only this file spells out the table's columns; every value is written as SQLite reads it
// back, text in quotes and numbers bare, so a test can also write a number where text belongs.
#include <array>
#include <string>
#include <string_view>
#include <vector>

// One value as an SQL literal: text quoted (a quote inside doubled), an integer bare. The conversions are
// implicit so that a row reads as its values.
class SqlValue {
public:
    SqlValue(const char* text) : SqlValue(std::string_view(text)) {}
    SqlValue(const std::string& text) : SqlValue(std::string_view(text)) {}
    SqlValue(std::string_view text) : literal("'") {
        for (const char c : text) {
            literal += c;
            if (c == '\'') {
                literal += '\'';
            }
        }
        literal += '\'';
    }
    SqlValue(int number) : literal(std::to_string(number)) {}

    const std::string& Literal() const { return literal; }

private:
    std::string literal;
};

using HistoryCodes = std::array<SqlValue, 8>;

// The eight codes of a prediction, each as text.
inline HistoryCodes TextCodes(const std::array<std::string, 8>& codes) {
    return {codes[0], codes[1], codes[2], codes[3], codes[4], codes[5], codes[6], codes[7]};
}

// A saved prediction still waiting for its draw, unless the test says otherwise. The date is the text the
// store writes, "YYYY-MM-DD HH:MM:SS"; is_right 11 is what a new row gets from the column's default.
struct HistoryRowSql {
    SqlValue order = 1;
    SqlValue date = "2009-06-17 10:00:00";
    SqlValue openOrder = "2009160";
    HistoryCodes codes{"123", "234", "345", "456", "567", "678", "789", "890"};
    SqlValue openData = "未知";
    SqlValue isRight = 11;
};

// One INSERT statement for all the rows (none: an empty string).
inline std::string InsertHistorySql(const std::vector<HistoryRowSql>& rows) {
    if (rows.empty()) {
        return {};
    }
    std::string sql =
        "INSERT INTO data_history (record_order, record_date, open_order, data_1, data_2, data_3, data_4, "
        "data_5, data_6, data_7, data_8, open_data, is_right) VALUES ";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const HistoryRowSql& row = rows[i];
        sql += i == 0 ? "(" : ", (";
        sql += row.order.Literal() + ", " + row.date.Literal() + ", " + row.openOrder.Literal();
        for (const SqlValue& code : row.codes) {
            sql += ", " + code.Literal();
        }
        sql += ", " + row.openData.Literal() + ", " + row.isRight.Literal() + ")";
    }
    return sql;
}

inline std::string InsertHistorySql(const HistoryRowSql& row) {
    return InsertHistorySql(std::vector<HistoryRowSql>{row});
}

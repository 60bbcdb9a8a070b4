// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the rows of "SELECT * FROM data_history" into history records. Every column is found by its name once
// per statement, so the order of the columns in a user's file does not matter.
#include <array>

#include "store/CSqliteStatement.h"
#include "store/HistoryRecord.h"

// The columns of data_history (data_archive has them too, and its own), in the order of the record's fields.
inline constexpr std::array<const char*, 13> kHistoryColumnNames = {
    "record_order", "record_date", "open_order", "data_1", "data_2",    "data_3",  "data_4",
    "data_5",       "data_6",      "data_7",     "data_8", "open_data", "is_right"};

class CHistoryRowReader {
public:
    explicit CHistoryRowReader(const CSqliteStatement& statement);

    // The current row's record_order: the low 16 bits of the stored number, signed. False when the column is
    // missing or holds no number.
    bool ReadOrder(int& order) const;

    // The current row's record_date. False when the column is missing or holds no date.
    bool ReadDate(COleDateTime& date) const;

    // Stores the current row into record field by field, in column order, starting with record_order = order.
    // On a value that cannot be converted it stops: the fields before it keep their new values, the others
    // their old ones.
    bool ReadRow(int order, HistoryRecord& record) const;

private:
    enum Column { recordOrder, recordDate, openOrder, data1, openData = data1 + 8, isRight, columnCount };

    const CSqliteStatement& row;
    std::array<int, columnCount> index{};
    bool allColumnsPresent = true;
};

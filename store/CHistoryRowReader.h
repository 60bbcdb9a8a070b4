#pragma once
// Reads the rows of "SELECT * FROM data_history" into history records. Every column is found by its name once
// per statement, so the order of the columns in a user's file does not matter.
#include <array>

#include "store/CSqliteStatement.h"
#include "store/HistoryRecord.h"

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

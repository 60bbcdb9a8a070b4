// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/CHistoryRowReader.h"

#include <string>

CHistoryRowReader::CHistoryRowReader(const CSqliteStatement& statement) : row(statement) {
    static_assert(kHistoryColumnNames.size() == columnCount);
    for (int column = 0; column < columnCount; ++column) {
        index[column] = row.ColumnIndex(kHistoryColumnNames[static_cast<std::size_t>(column)]);
        allColumnsPresent = allColumnsPresent && index[column] >= 0;
    }
}

bool CHistoryRowReader::ReadOrder(int& order) const {
    return index[recordOrder] >= 0 && row.Column(index[recordOrder]).ToInt16(order);
}

bool CHistoryRowReader::ReadDate(COleDateTime& date) const {
    return index[recordDate] >= 0 && row.Column(index[recordDate]).ToDate(date);
}

bool CHistoryRowReader::ReadRow(int order, HistoryRecord& record) const {
    record.record_order = order;
    if (!allColumnsPresent || !row.Column(index[recordDate]).ToDate(record.record_date) ||
        !row.Column(index[openOrder]).ToText(record.open_order)) {
        return false;
    }
    for (int code = 0; code < 8; ++code) {
        if (!row.Column(index[data1 + code]).ToText(record.data[code])) {
            return false;
        }
    }
    return row.Column(index[openData]).ToText(record.open_data) &&
           row.Column(index[isRight]).ToInt16(record.is_right);
}

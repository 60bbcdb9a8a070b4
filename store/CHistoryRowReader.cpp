#include "store/CHistoryRowReader.h"

#include <string>

namespace {

constexpr const char* kColumnNames[] = {"record_order", "record_date", "open_order", "data_1", "data_2",
                                        "data_3",       "data_4",      "data_5",     "data_6", "data_7",
                                        "data_8",       "open_data",   "is_right"};

}  // namespace

CHistoryRowReader::CHistoryRowReader(const CSqliteStatement& statement) : row(statement) {
    static_assert(std::size(kColumnNames) == columnCount);
    for (int column = 0; column < columnCount; ++column) {
        index[column] = row.ColumnIndex(kColumnNames[column]);
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/RecordColumnText.h"

#include <cstdio>

#include "store/HistoryVerdict.h"

std::string RecordColumnText(const HistoryRecord& record, const RecordColumns::Column& column) {
    switch (column.value) {
        case RecordColumns::Value::drawDate:
            return IsoDateText(record.record_date);
        case RecordColumns::Value::issue:
            return record.open_order;
        case RecordColumns::Value::code:
            return record.data[static_cast<std::size_t>(column.code - 1)];
        case RecordColumns::Value::drawNumber:
            return record.open_data;
        case RecordColumns::Value::verdict:
            return VerdictWord(record.is_right);
    }
    return {};
}

std::string IsoDateText(const COleDateTime& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.GetYear(), date.GetMonth(), date.GetDay());
    return text;
}

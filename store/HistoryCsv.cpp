// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/HistoryCsv.h"

#include <string_view>

#include "store/RecordColumnText.h"

namespace {

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";
constexpr const char* kLineEnd = "\r\n";

// The titles of the list's columns, as they are.
std::string Header() {
    std::string header;
    for (const RecordColumns::Column& column : RecordColumns::kColumns) {
        header += (header.empty() ? "" : ",") + std::string(column.title);
    }
    return header + kLineEnd;
}

// The date and the verdict are the program's own words; whatever was typed or stored goes through CsvField.
std::string CsvLine(const HistoryRecord& record) {
    std::string line;
    for (const RecordColumns::Column& column : RecordColumns::kColumns) {
        const bool ours =
            column.value == RecordColumns::Value::drawDate || column.value == RecordColumns::Value::verdict;
        const std::string text = RecordColumnText(record, column);
        line += (line.empty() ? "" : ",") + (ours ? text : CsvField(text));
    }
    return line + kLineEnd;
}

}  // namespace

std::string CsvField(const std::string& value) {
    const bool formula =
        !value.empty() && std::string_view("=+-@\t\r").find(value.front()) != std::string::npos;
    const std::string text = formula ? "'" + value : value;
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + '"';
}

std::string HistoryCsv(const std::vector<HistoryRecord>& records) {
    std::string csv = kByteOrderMark + Header();
    for (const HistoryRecord& record : records) {
        csv += CsvLine(record);
    }
    return csv;
}

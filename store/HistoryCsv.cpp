#include "store/HistoryCsv.h"

#include <cstdio>
#include <string_view>

#include "store/HistoryVerdict.h"

namespace {

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";
constexpr const char* kLineEnd = "\r\n";
constexpr const char* kHeader =
    "开奖日期,期数,预测码一,预测码二,预测码三,预测码四,预测码五,预测码六,预测码七,预测码八,开奖号码,预测结果";

std::string DateText(const COleDateTime& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.GetYear(), date.GetMonth(), date.GetDay());
    return text;
}

std::string CsvLine(const HistoryRecord& record) {
    std::string line = DateText(record.record_date) + ',' + CsvField(record.open_order);
    for (const std::string& code : record.data) {
        line += ',' + CsvField(code);
    }
    return line + ',' + CsvField(record.open_data) + ',' + VerdictWord(record.is_right) + kLineEnd;
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
    std::string csv = std::string(kByteOrderMark) + kHeader + kLineEnd;
    for (const HistoryRecord& record : records) {
        csv += CsvLine(record);
    }
    return csv;
}

#include "store/DrawImport.h"

#include <algorithm>
#include <optional>
#include <regex>
#include <sstream>

#include "store/CPredictStore.h"
#include "store/HistoryVerdict.h"

namespace {

struct DrawLine {
    std::string key;  // an issue, or a date
    std::string number;
};

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The fields of one line; a quoted field may hold separators and doubled quotes.
std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == ',' || c == ';' || c == '\t')) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    for (std::string& field : fields) {
        field = Trimmed(field);
    }
    return fields;
}

bool HasDigit(const std::string& text) {
    return std::ranges::any_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// A key that looks like a date; nullopt when it is an issue. An impossible date (2009-02-30) comes back as an
// invalid COleDateTime.
std::optional<COleDateTime> DateOfKey(const std::string& key) {
    static const std::regex kDate(R"((\d{4})[-/.](\d{1,2})[-/.](\d{1,2}))");
    std::smatch parts;
    if (!std::regex_match(key, parts, kDate)) {
        return std::nullopt;
    }
    return COleDateTime(std::stoi(parts[1]), std::stoi(parts[2]), std::stoi(parts[3]));
}

bool Matches(const HistoryRecord& record, const std::string& key, const std::optional<COleDateTime>& date) {
    return date ? record.record_date.DateOnly() == *date : record.open_order == key;
}

class Importer {
public:
    explicit Importer(CPredictStore& target) : store(target) {}

    // The reason the line is refused, or empty once it has been entered. Sets failed when the write failed.
    std::string Enter(const DrawLine& draw) {
        const std::optional<COleDateTime> date = DateOfKey(draw.key);
        if (date && date->GetStatus() != COleDateTime::valid) {
            return "日期“" + draw.key + "”不存在。";
        }
        const int order = FindRecord(draw.key, date);
        if (order == kNoRecord) {
            return date ? "这一天没有预测记录。" : "没有期数为“" + draw.key + "”的预测记录。";
        }
        if (order == kAllEntered) {
            return "这条预测记录已有开奖号码。";
        }
        const HistoryRecord& record = store.history[static_cast<std::size_t>(order)];
        if (record.record_date.DateOnly() > COleDateTime::GetCurrentTime().DateOnly()) {
            return "还未到开奖时间。";
        }
        if (!IsDrawNumber(draw.number)) {
            return "开奖号码“" + draw.number + "”不是三位数字。";
        }
        if (const int pending = store.FirstPendingRecord(); pending != order) {
            return "预测记录第" + std::to_string(pending) + "行还未输入开奖号码，请先输入。";
        }
        failed = !store.SetDrawResult(order, draw.number, VerdictFor(record.data, draw.number));
        return {};
    }

    bool failed = false;

private:
    static constexpr int kNoRecord = 0;
    static constexpr int kAllEntered = -1;

    // The first listed record the key names that still waits for its result.
    int FindRecord(const std::string& key, const std::optional<COleDateTime>& date) const {
        int found = kNoRecord;
        for (const int slot : store.RecordSlots()) {
            const HistoryRecord& record = store.history[static_cast<std::size_t>(slot)];
            if (Matches(record, key, date)) {
                if (IsPending(record)) {
                    return slot;
                }
                found = kAllEntered;
            }
        }
        return found;
    }

    CPredictStore& store;
};

}  // namespace

DrawImportReport ImportDraws(CPredictStore& store, const std::string& fileText) {
    DrawImportReport report;
    Importer importer(store);
    std::istringstream lines(fileText.starts_with("\xEF\xBB\xBF") ? fileText.substr(3) : fileText);
    std::string line;
    bool first = true;
    for (int number = 1; std::getline(lines, line); ++number) {
        line = Trimmed(line);
        if (line.empty() || line.starts_with('#')) {
            continue;
        }
        const bool titles = first && !HasDigit(line);
        first = false;
        if (titles) {
            continue;
        }
        const std::vector<std::string> fields = SplitFields(line);
        std::string reason = fields.size() != 2 || fields[0].empty()
                                 ? std::string("应为“期数,开奖号码”或“日期,开奖号码”。")
                                 : importer.Enter({fields[0], fields[1]});
        if (importer.failed) {
            report.failedLine = number;
            break;
        }
        if (reason.empty()) {
            ++report.entered;
        } else {
            report.refused.push_back({number, std::move(reason)});
        }
    }
    return report;
}

std::string DrawImportSummary(const DrawImportReport& report, std::size_t maxListed) {
    std::string summary = "录入开奖号码 " + std::to_string(report.entered) + " 个，拒绝 " +
                          std::to_string(report.refused.size()) + " 行。";
    if (report.failedLine != 0) {
        summary += "\n第" + std::to_string(report.failedLine) +
                   "行保存失败，导入到此停止；此前录入的开奖号码已保存。";
    }
    const std::size_t listed = std::min(maxListed, report.refused.size());
    for (std::size_t i = 0; i < listed; ++i) {
        summary += "\n第" + std::to_string(report.refused[i].line) + "行：" + report.refused[i].reason;
    }
    if (listed < report.refused.size()) {
        summary += "\n……另有 " + std::to_string(report.refused.size() - listed) + " 行被拒绝。";
    }
    return summary;
}

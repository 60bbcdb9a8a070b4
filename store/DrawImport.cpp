// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DrawImport.h"

#include <algorithm>
#include <optional>
#include <regex>
#include <utility>

#include "core/Utf8Text.h"
#include "store/CPredictStore.h"
#include "store/HistoryVerdict.h"

namespace {

struct DrawLine {
    int line = 0;
    std::string key;  // an issue, or a date
    std::string number;
};

// A line of the file that names a record waiting for its result.
struct Claim {
    int slot = 0;
    DrawLine draw;
};

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Lines end in LF, CRLF or a lone CR (old Mac text, some spreadsheets).
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            i += text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 1 : 0;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
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

// A key that looks like a date, perhaps with the time of day a spreadsheet adds; nullopt when it is an issue.
// An impossible date (2009-02-30) comes back as an invalid COleDateTime.
std::optional<COleDateTime> DateOfKey(const std::string& key) {
    static const std::regex kDate(R"((\d{4})[-/.](\d{1,2})[-/.](\d{1,2}))"
                                  R"((?:[ T]+\d{1,2}:\d{1,2}(?::\d{1,2}(?:\.\d+)?)?)?)");
    constexpr std::size_t kLongestDate = 40;
    std::smatch parts;
    if (key.size() > kLongestDate || !std::regex_match(key, parts, kDate)) {
        return std::nullopt;
    }
    return COleDateTime(std::stoi(parts[1]), std::stoi(parts[2]), std::stoi(parts[3]));
}

bool Matches(const HistoryRecord& record, const std::string& key, const std::optional<COleDateTime>& date) {
    return date ? record.record_date.DateOnly() == *date : FoldFullWidth(record.open_order) == key;
}

// The line's reason when the store refused its entry; nullopt when the entry was not refused but stopped
// (or went in).
std::optional<DrawLineRefusal> LineRefusalOf(DrawEntry::Reason reason) {
    switch (reason) {
        case DrawEntry::Reason::alreadyEntered:
        case DrawEntry::Reason::enteredMeanwhile:  // another copy entered it: the record has its result
            return DrawLineRefusal::alreadyEntered;
        case DrawEntry::Reason::notDue:
            return DrawLineRefusal::notDue;
        case DrawEntry::Reason::notADrawNumber:
            return DrawLineRefusal::notADrawNumber;
        case DrawEntry::Reason::earlierPending:
            return DrawLineRefusal::earlierPending;
        case DrawEntry::Reason::changedMeanwhile:  // it may well still wait for its result
            return DrawLineRefusal::changedMeanwhile;
        case DrawEntry::Reason::written:
        case DrawEntry::Reason::notReady:
        case DrawEntry::Reason::locked:
        case DrawEntry::Reason::failed:
            return std::nullopt;
    }
    return std::nullopt;
}

class Importer {
public:
    Importer(CPredictStore& target, DrawImportReport& out, std::function<bool()> beforeFirstWrite)
        : store(target),
          report(out),
          today(COleDateTime::GetCurrentTime().DateOnly()),
          notYetWritten(std::move(beforeFirstWrite)) {}

    // The record the line names, or nullopt once the line has been refused. Whether its number can go in is
    // the store's to say, as the lines go in.
    std::optional<Claim> Resolve(const DrawLine& draw) {
        const std::optional<COleDateTime> date = DateOfKey(draw.key);
        if (date && date->GetStatus() != COleDateTime::valid) {
            return Refuse(draw, DrawLineRefusal::noSuchDate, draw.key);
        }
        const int slot = FindRecord(draw.key, date);
        if (slot == kNoRecord) {
            return date ? Refuse(draw, DrawLineRefusal::noRecordOnDay, {})
                        : Refuse(draw, DrawLineRefusal::noRecordOfIssue, draw.key);
        }
        if (slot == kAllEntered) {
            return Refuse(draw, DrawLineRefusal::alreadyEntered, {});
        }
        return Claim{slot, draw};
    }

    // False when the import stops there: the write failed, or the step before the first write did.
    bool Enter(const Claim& claim) {
        // The slot was found before the first line went in. The store reloads after every write, and when
        // another copy has archived records since, the records after them have new numbers: this slot may
        // hold another record now, which the line must not reach.
        if (!store.IsRecordSlot(claim.slot) ||
            !Matches(store.Record(claim.slot), claim.draw.key, DateOfKey(claim.draw.key))) {
            Refuse(claim.draw, DrawLineRefusal::changedMeanwhile, {});
            return true;
        }
        const DrawEntry entry = store.EnterDraw(claim.slot, claim.draw.number, today, StepBeforeWrite());
        if (const std::optional<DrawLineRefusal> refusal = LineRefusalOf(entry.reason)) {
            const std::string field =
                *refusal == DrawLineRefusal::notADrawNumber ? claim.draw.number : std::string();
            report.refused.push_back({claim.draw.line, *refusal, field, entry.pendingRow});
            return true;
        }
        switch (entry.reason) {
            case DrawEntry::Reason::written:
                ++report.entered;
                return true;
            case DrawEntry::Reason::notReady:
                report.notReady = true;
                return false;
            case DrawEntry::Reason::locked:
                report.locked = true;
                break;
            case DrawEntry::Reason::failed:
                break;
            case DrawEntry::Reason::alreadyEntered:
            case DrawEntry::Reason::enteredMeanwhile:
            case DrawEntry::Reason::notDue:
            case DrawEntry::Reason::notADrawNumber:
            case DrawEntry::Reason::earlierPending:
            case DrawEntry::Reason::changedMeanwhile:
                return true;  // refused above
        }
        report.failedLine = claim.draw.line;
        return false;
    }

    std::nullopt_t Refuse(const DrawLine& draw, DrawLineRefusal reason, const std::string& field) {
        report.refused.push_back({draw.line, reason, field, 0});
        return std::nullopt;
    }

private:
    static constexpr int kNoRecord = 0;
    static constexpr int kAllEntered = -1;

    // The caller's step before the first write, handed to the first entry that passes its checks only.
    std::function<bool()> StepBeforeWrite() {
        if (!notYetWritten) {
            return {};
        }
        return [this] { return std::exchange(notYetWritten, nullptr)(); };
    }

    // The first listed record the key names that still waits for its result.
    int FindRecord(const std::string& key, const std::optional<COleDateTime>& date) const {
        int found = kNoRecord;
        for (const int slot : store.RecordSlots()) {
            const HistoryRecord& record = store.Record(slot);
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
    DrawImportReport& report;
    const COleDateTime today;
    std::function<bool()> notYetWritten;
};

// The lines that hold a draw, each as its two fields; the others are skipped or refused here.
std::vector<DrawLine> ReadDrawLines(const std::string& fileBytes, Importer& importer) {
    std::vector<DrawLine> draws;
    const std::vector<std::string> lines = SplitLines(TextFileToUtf8(fileBytes));
    bool first = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line = Trimmed(FoldFullWidth(lines[i]));
        const int number = static_cast<int>(i) + 1;
        if (line.empty() || line.starts_with('#')) {
            continue;
        }
        const bool titles = first && !HasDigit(line);
        first = false;
        if (titles) {
            continue;
        }
        const std::vector<std::string> fields = SplitFields(line);
        if (fields.size() != 2 || fields[0].empty()) {
            importer.Refuse({number, {}, {}}, DrawLineRefusal::notTwoFields, {});
            continue;
        }
        draws.push_back({number, fields[0], fields[1]});
    }
    return draws;
}

}  // namespace

DrawImportReport ImportDraws(CPredictStore& store, const std::string& fileBytes,
                             const std::function<bool()>& beforeFirstWrite) {
    DrawImportReport report;
    Importer importer(store, report, beforeFirstWrite);
    std::vector<Claim> claims;
    for (const DrawLine& draw : ReadDrawLines(fileBytes, importer)) {
        if (std::optional<Claim> claim = importer.Resolve(draw)) {
            claims.push_back(std::move(*claim));
        }
    }
    std::ranges::stable_sort(claims, {}, &Claim::slot);
    for (const Claim& claim : claims) {
        if (!importer.Enter(claim)) {
            break;
        }
    }
    std::ranges::stable_sort(report.refused, {}, &DrawImportRefusal::line);
    return report;
}

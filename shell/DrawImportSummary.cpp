#include "shell/DrawImportSummary.h"

#include <vector>

#include "core/Utf8Text.h"

namespace {

// A field from the file is shown at most this long: enough to recognise it, never a screenful.
constexpr std::size_t kEchoedCharacters = 24;

std::string Echo(const std::string& field) {
    return "“" + EchoText(field, kEchoedCharacters) + "”";
}

// Refused lines one after another with the same words.
struct Group {
    int firstLine = 0;
    int lastLine = 0;
    int lines = 0;
    std::string text;
};

std::vector<Group> Grouped(const DrawImportReport& report) {
    std::vector<Group> groups;
    for (const DrawImportRefusal& refusal : report.refused) {
        std::string text = DrawRefusalText(refusal);
        if (!groups.empty() && groups.back().text == text) {
            groups.back().lastLine = refusal.line;
            ++groups.back().lines;
        } else {
            groups.push_back({refusal.line, refusal.line, 1, std::move(text)});
        }
    }
    return groups;
}

std::string GroupLine(const Group& group) {
    if (group.lines == 1) {
        return "第" + std::to_string(group.firstLine) + "行：" + group.text;
    }
    return "第" + std::to_string(group.firstLine) + "–" + std::to_string(group.lastLine) + "行（" +
           std::to_string(group.lines) + " 行）：" + group.text;
}

}  // namespace

std::string DrawRefusalText(const DrawImportRefusal& refusal) {
    switch (refusal.reason) {
        case DrawLineRefusal::notTwoFields:
            return "应为“期数,开奖号码”或“日期,开奖号码”。";
        case DrawLineRefusal::noSuchDate:
            return "日期" + Echo(refusal.field) + "不存在。";
        case DrawLineRefusal::noRecordOnDay:
            return "这一天没有预测记录。";
        case DrawLineRefusal::noRecordOfIssue:
            return "没有期数为" + Echo(refusal.field) + "的预测记录。";
        case DrawLineRefusal::alreadyEntered:
            return "这条预测记录已有开奖号码。";
        case DrawLineRefusal::notDue:
            return "还未到开奖时间。";
        case DrawLineRefusal::notADrawNumber:
            return "开奖号码" + Echo(refusal.field) + "不是三位数字。";
        case DrawLineRefusal::earlierPending:
            return "预测记录第" + std::to_string(refusal.pendingRow) + "行还未输入开奖号码，请先输入。";
    }
    return {};
}

std::string DrawImportSummary(const DrawImportReport& report, std::size_t maxGroups) {
    std::string summary = "录入开奖号码 " + std::to_string(report.entered) + " 个，拒绝 " +
                          std::to_string(report.refused.size()) + " 行。";
    if (report.failedLine != 0) {
        summary += "\n第" + std::to_string(report.failedLine) +
                   "行保存失败，导入到此停止；此前录入的开奖号码已保存。";
    }
    const std::vector<Group> groups = Grouped(report);
    int listedLines = 0;
    for (std::size_t i = 0; i < groups.size() && i < maxGroups; ++i) {
        summary += "\n" + GroupLine(groups[i]);
        listedLines += groups[i].lines;
    }
    const int unlisted = static_cast<int>(report.refused.size()) - listedLines;
    if (unlisted > 0) {
        summary += "\n……另有 " + std::to_string(unlisted) + " 行被拒绝。";
    }
    return summary;
}

std::string DrawImportRefusals(const DrawImportReport& report) {
    std::string list;
    for (const Group& group : Grouped(report)) {
        list += (list.empty() ? "" : "\n") + GroupLine(group);
    }
    return list;
}

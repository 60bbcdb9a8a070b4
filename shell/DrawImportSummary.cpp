// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/DrawImportSummary.h"

#include <vector>

#include "core/MessageTexts.h"
#include "core/Utf8Text.h"

namespace {

// A field from the file is shown at most this long: enough to recognise it, never a screenful.
constexpr std::size_t kEchoedCharacters = 24;

std::string Echo(const std::string& field) {
    return EchoText(field, kEchoedCharacters);
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
        return FormatText(Messages::kRefusedLine, group.firstLine, group.text);
    }
    return FormatText(Messages::kRefusedLines, group.firstLine, group.lastLine, group.lines, group.text);
}

}  // namespace

std::string DrawRefusalText(const DrawImportRefusal& refusal) {
    switch (refusal.reason) {
        case DrawLineRefusal::notTwoFields:
            return Messages::kDrawLineShape.text;
        case DrawLineRefusal::noSuchDate:
            return FormatText(Messages::kDrawNoSuchDate, Echo(refusal.field));
        case DrawLineRefusal::noRecordOnDay:
            return Messages::kDrawNoRecordOnDay.text;
        case DrawLineRefusal::noRecordOfIssue:
            return FormatText(Messages::kDrawNoRecordOfIssue, Echo(refusal.field));
        case DrawLineRefusal::alreadyEntered:
            return Messages::kDrawAlreadyEntered.text;
        case DrawLineRefusal::notDue:
            return Messages::kNotDue.text;
        case DrawLineRefusal::notADrawNumber:
            return FormatText(Messages::kDrawNotANumber, Echo(refusal.field));
        case DrawLineRefusal::earlierPending:
            return FormatText(Messages::kDrawEarlierPending, refusal.pendingRow);
        case DrawLineRefusal::changedMeanwhile:
            return Messages::kDrawLineChangedMeanwhile.text;
    }
    return {};
}

std::string DrawImportSummary(const DrawImportReport& report, std::size_t maxGroups) {
    std::string summary = FormatText(Messages::kImportTally, report.entered, report.refused.size());
    if (report.failedLine != 0) {
        summary +=
            "\n" + FormatText(report.locked ? Messages::kImportStoppedLocked : Messages::kImportStopped,
                              report.failedLine);
    }
    const std::vector<Group> groups = Grouped(report);
    int listedLines = 0;
    for (std::size_t i = 0; i < groups.size() && i < maxGroups; ++i) {
        summary += "\n" + GroupLine(groups[i]);
        listedLines += groups[i].lines;
    }
    const int unlisted = static_cast<int>(report.refused.size()) - listedLines;
    if (unlisted > 0) {
        summary += "\n" + FormatText(Messages::kMoreRefused, unlisted);
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

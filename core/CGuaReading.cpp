// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CGuaReading.h"

#include <utility>

#include "core/GuaTables.h"
#include "core/HexagramTexts.h"

namespace {

// Phase numbers: 1 金, 2 木, 3 水, 4 火, 5 土.
// Generation: 木 → 火 → 土 → 金 → 水 → 木; the phase each phase generates.
constexpr int kGenerates[6] = {0, 3, 4, 2, 5, 1};
// Overcoming: 木 → 土 → 水 → 火 → 金 → 木; the phase each phase overcomes.
constexpr int kOvercomes[6] = {0, 2, 5, 4, 1, 3};

// Branches counted from 子 = 0, and the phase each belongs to.
constexpr const char* kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳",
                                       "午", "未", "申", "酉", "戌", "亥"};
constexpr int kBranchPhases[12] = {3, 5, 2, 2, 5, 4, 4, 5, 1, 1, 5, 3};

constexpr const char* kMovingLineClauses[7] = {"",
                                               "初爻为动爻，故",
                                               "二爻为动爻，故",
                                               "三爻为动爻，故",
                                               "四爻为动爻，故",
                                               "五爻为动爻，故",
                                               "六爻为动爻，故"};

bool IsTrigram(int trigram) {
    return trigram >= 1 && trigram <= 8;
}
bool IsPhase(int phase) {
    return phase >= 1 && phase <= 5;
}

// Position of a branch text counted from 子 = 0, or -1.
int BranchNumber(const std::string& branch) {
    for (int i = 0; i < 12; ++i) {
        if (branch == kBranches[i]) {
            return i;
        }
    }
    return -1;
}

// The state of phase p in a month or on a day whose branch has phase q.
std::string StateAgainst(int p, int q) {
    if (!IsPhase(p) || !IsPhase(q)) {
        return " ";
    }
    if (q == p) {
        return "旺地";
    }
    if (kGenerates[q] == p) {
        return "生地";
    }
    if (kOvercomes[q] == p) {
        return "死地";
    }
    return "休囚之地";
}

bool IsStrongState(const std::string& state) {
    return state == "生地" || state == "旺地";
}

}  // namespace

CGuaReading::CGuaReading(int upper, int lower, int moving, const std::string& monthBranchText,
                         const std::string& dayBranchText, bool showMoving)
    : showMovingLine(showMoving),
      upperTrigram(upper),
      lowerTrigram(lower),
      movingLine(moving),
      monthBranch(monthBranchText),
      dayBranch(dayBranchText) {
    ParseBranches();
    if (IsTrigram(upper) && IsTrigram(lower)) {
        hexagramNumber = HEXAGRAM_TABLE[upper][lower].number;
        hexagramName = HEXAGRAM_TABLE[upper][lower].name;
    }
    // The trigram that holds the moving line is the use; the other one is the body.
    if (movingLine > 3) {
        bodyTrigram = lowerTrigram;
        useTrigram = upperTrigram;
    } else {
        bodyTrigram = upperTrigram;
        useTrigram = lowerTrigram;
    }
    upperName = TrigramName(upperTrigram);
    lowerName = TrigramName(lowerTrigram);
    bodyName = TrigramName(bodyTrigram);
    useName = TrigramName(useTrigram);
    upperPhase = TrigramPhase(upperTrigram);
    lowerPhase = TrigramPhase(lowerTrigram);
    bodyPhase = TrigramPhase(bodyTrigram);
    usePhase = TrigramPhase(useTrigram);
    upperPhaseName = PhaseName(upperPhase);
    lowerPhaseName = PhaseName(lowerPhase);
    bodyPhaseName = PhaseName(bodyPhase);
    usePhaseName = PhaseName(usePhase);
    BuildJudgementText();
}

std::string CGuaReading::TrigramName(int trigram) {
    return IsTrigram(trigram) ? kTrigramNames[trigram] : " ";
}

int CGuaReading::TrigramPhase(int trigram) {
    return IsTrigram(trigram) ? kTrigramPhases[trigram] : 0;
}

std::string CGuaReading::PhaseName(int phase) {
    return IsPhase(phase) ? kPhaseNames[phase] : " ";
}

int CGuaReading::TrigramFromLines(int bottom, int middle, int top) {
    int trigram = 1;
    while (trigram <= 8 && !(TRIGRAM_LINES[trigram][1] == bottom && TRIGRAM_LINES[trigram][2] == middle &&
                             TRIGRAM_LINES[trigram][3] == top)) {
        ++trigram;
    }
    return trigram;
}

std::string CGuaReading::UpperPicture() const {
    return IsTrigram(upperTrigram) ? kTrigramPictures[upperTrigram] : "";
}

std::string CGuaReading::LowerPicture() const {
    return IsTrigram(lowerTrigram) ? kTrigramPictures[lowerTrigram] : "";
}

std::string CGuaReading::HexagramJudgement() const {
    return std::string(HexagramText(8 * hexagramNumber + 1994));
}

std::string CGuaReading::MovingLineText() const {
    // A moving line outside 1..6 would land on a neighbouring hexagram's title or judgement.
    if (movingLine < 1 || movingLine > 6) {
        return {};
    }
    return std::string(HexagramText(8 * hexagramNumber + 1994 + movingLine));
}

void CGuaReading::FillLines() {
    // An invalid trigram reads the all-zero padding row rather than memory outside the table.
    const int lower = IsTrigram(lowerTrigram) ? lowerTrigram : 0;
    const int upper = IsTrigram(upperTrigram) ? upperTrigram : 0;
    for (int i = 1; i <= 3; ++i) {
        lines[i] = TRIGRAM_LINES[lower][i];
        lines[i + 3] = TRIGRAM_LINES[upper][i];
    }
}

int CGuaReading::MutualUpper() {
    FillLines();
    return TrigramFromLines(lines[3], lines[4], lines[5]);
}

int CGuaReading::MutualLower() {
    FillLines();
    return TrigramFromLines(lines[2], lines[3], lines[4]);
}

int CGuaReading::ChangedUpper() {
    return ChangedTrigram(4);
}

int CGuaReading::ChangedLower() {
    return ChangedTrigram(1);
}

int CGuaReading::ChangedTrigram(int firstLine) {
    if (movingLine == 0) {
        return -1;
    }
    FillLines();
    int values[3] = {lines[firstLine], lines[firstLine + 1], lines[firstLine + 2]};
    const int offset = movingLine - firstLine;
    if (offset >= 0 && offset < 3) {
        values[offset] = (values[offset] + 1) % 2;
    }
    return TrigramFromLines(values[0], values[1], values[2]);
}

void CGuaReading::ParseBranches() {
    const int month = BranchNumber(monthBranch);
    const int day = BranchNumber(dayBranch);
    // Months count from 寅 (the first month of spring), days from 子.
    monthIndex = month < 0 ? 0 : (month + 10) % 12 + 1;
    dayIndex = day < 0 ? 0 : day + 1;
}

std::string CGuaReading::MonthState(int phase) const {
    if (monthIndex < 1 || monthIndex > 12) {
        return " ";
    }
    return StateAgainst(phase, kBranchPhases[(monthIndex + 1) % 12]);
}

std::string CGuaReading::DayState(int phase) const {
    if (dayIndex < 1 || dayIndex > 12) {
        return " ";
    }
    return StateAgainst(phase, kBranchPhases[dayIndex - 1]);
}

std::string CGuaReading::UseRelation() const {
    const int use = usePhase;
    const int body = bodyPhase;
    if (!IsPhase(use) || !IsPhase(body)) {
        return " ";
    }
    if (use == body) {
        return "助";
    }
    if (kGenerates[use] == body) {
        return "生";
    }
    if (kOvercomes[use] == body) {
        return "克";
    }
    if (kOvercomes[body] == use) {
        return "耗";
    }
    return "泄";  // the body generates the use: every other pair of phases is taken above
}

std::string CGuaReading::OverallVerdict() const {
    const std::string month = MonthState(bodyPhase);
    const std::string day = DayState(bodyPhase);
    const std::string relation = UseRelation();
    const bool supported = IsStrongState(day) || relation == "生" || relation == "助";
    if (IsStrongState(month)) {
        if (supported) {
            return "综合力量极旺";
        }
        if (day == "死地" || relation == "克") {
            return "综合力量趋于平衡";
        }
        return "综合力量偏旺";
    }
    return supported ? "综合力量偏弱" : "综合力量极弱";
}

void CGuaReading::BuildJudgementText() {
    std::string text;
    text.reserve(256);
    if (showMovingLine && movingLine >= 1 && movingLine <= 6) {
        text += kMovingLineClauses[movingLine];
    }
    text += movingLine > 3 ? "下卦为体，上卦为用。体卦" : "上卦为体，下卦为用。体卦";
    text += bodyName + bodyPhaseName + "在" + monthBranch + "月为处" + MonthState(bodyPhase);
    text += "，临日建" + dayBranch + "为" + DayState(bodyPhase);
    text += "，受用卦" + useName + usePhaseName + "之" + UseRelation();
    text += "，" + OverallVerdict() + "。";
    judgementText = std::move(text);
}

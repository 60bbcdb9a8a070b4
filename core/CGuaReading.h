// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One hexagram of a prediction: its two trigrams, the moving line, which trigram is the body (体) and which
// the use (用), the names and phases of all of them, and the judgement sentence that weighs the body against
// the month and the day of the draw date. The pages read the members directly, so they are all public.
#include <array>
#include <string>

class CGuaReading {
public:
    // Builds the whole reading, judgement sentence included. The branches are single characters "子".."亥"
    // (anything else judges as no branch). Trigrams outside 1..8 give blank names and hexagram number 0.
    CGuaReading(int upper, int lower, int movingLine, const std::string& monthBranch,
                const std::string& dayBranch, bool showMovingLine);
    virtual ~CGuaReading() = default;
    CGuaReading(const CGuaReading&) = default;
    CGuaReading& operator=(const CGuaReading&) = default;

    // Lookups by number. Outside their range the names are a single blank, the phase 0.
    static std::string TrigramName(int trigram);
    static int TrigramPhase(int trigram);
    static std::string PhaseName(int phase);
    // The first trigram (in number order) whose lines are (bottom, middle, top); 9 when none matches, which
    // happens only for values other than 0 and 1.
    static int TrigramFromLines(int bottom, int middle, int top);

    // Picture files of the two trigrams ("乾.bmp" ..), empty when the trigram is outside 1..8.
    std::string UpperPicture() const;
    std::string LowerPicture() const;
    // The judgement (卦辞) and the statement of the moving line from the hexagram text table.
    std::string HexagramJudgement() const;
    std::string MovingLineText() const;

    // Refills lines 1..3 from the lower trigram and 4..6 from the upper one.
    void FillLines();
    // The trigrams of the mutual hexagram (lines 3..5 over lines 2..4).
    int MutualUpper();
    int MutualLower();
    // The trigrams of the changed hexagram (the moving line flipped); -1 when there is no moving line.
    int ChangedUpper();
    int ChangedLower();

    // Sets monthIndex and dayIndex from the branch texts; 0 for a text that is no branch.
    void ParseBranches();
    // "旺地", "生地", "休囚之地" or "死地": the phase against the month / day branch; " " when either is
    // unknown.
    std::string MonthState(int phase) const;
    std::string DayState(int phase) const;
    // What the use trigram does to the body: "助", "生", "克", "耗", "泄"; " " when a phase is unknown.
    std::string UseRelation() const;
    // One of the five strength verdicts, from the month state, the day state and the use relation of the
    // body.
    std::string OverallVerdict() const;
    // Composes judgementText; the constructor's last step.
    void BuildJudgementText();

    bool showMovingLine = false;
    int upperTrigram = 0;
    int lowerTrigram = 0;
    int bodyTrigram = 0;
    int useTrigram = 0;
    int upperPhase = 0;
    int lowerPhase = 0;
    int bodyPhase = 0;
    int usePhase = 0;
    std::string upperPhaseName;
    std::string lowerPhaseName;
    std::string bodyPhaseName;
    std::string usePhaseName;
    int movingLine = 0;
    int hexagramNumber = 0;
    std::string upperName;
    std::string lowerName;
    std::string bodyName;
    std::string useName;
    std::string hexagramName;
    std::string monthBranch;
    std::string dayBranch;
    std::string judgementText;
    std::array<int, 7> lines{};  // 1..6 bottom to top, 1 = solid; index 0 unused
    int monthIndex = 0;          // month branch counted from 寅 = 1 .. 丑 = 12
    int dayIndex = 0;            // day branch counted from 子 = 1 .. 亥 = 12

private:
    int ChangedTrigram(int firstLine);
};

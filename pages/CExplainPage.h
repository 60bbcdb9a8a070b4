// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cast explained, on the full height of the window: for the main, mutual and changed hexagram the name,
// the trigram pictures and the classical judgement; for the main hexagram also its moving line and that
// line's statement; and below, the body/use judgement of all three. Filled once when the page is created, and
// shown again unchanged when the user comes back from the number page.
#include <QString>

#include "controls/CColorEdit.h"
#include "controls/CPictureStatic.h"
#include "controls/CSkinButton.h"
#include "shell/CPageDialog.h"

struct PredictionState;

class CExplainPage : public CPageDialog {
    Q_OBJECT

public:
    // Explains the cast prediction holds; prediction must outlive the page.
    explicit CExplainPage(const PredictionState& prediction);

    // Members <-> boxes: true reads the boxes into the members, false shows the members.
    void UpdateData(bool saveAndValidate);

    QString changedJudgement;
    QString mutualJudgement;
    QString mainJudgement;
    QString movingLineVerse;
    QString mainName;
    QString mutualName;
    QString changedName;
    QString movingLineWord;
    // The three judgement sentences under their labels, one to a line (CR LF between them).
    QString judgementSummary;

    CSkinButton sexagenaryLabel;
    CSkinButton calendarLabel;
    CColorEdit mainNameEdit;
    CColorEdit mutualNameEdit;
    CColorEdit changedNameEdit;
    CColorEdit movingLineEdit;
    CColorEdit mainJudgementEdit;
    CColorEdit mutualJudgementEdit;
    CColorEdit changedJudgementEdit;
    CColorEdit movingLineVerseEdit;
    CColorEdit summaryEdit;
    CPictureStatic mainUpper;
    CPictureStatic mainLower;
    CPictureStatic mutualUpper;
    CPictureStatic mutualLower;
    CPictureStatic changedUpper;
    CPictureStatic changedLower;
    CSkinButton nextButton;
    CSkinButton backButton;

    QWidget* FirstControl() override { return &nextButton; }

protected:
    bool OnInitDialog() override;

private:
    void PlaceControls();
    void SetUpEdits();
    void FillTexts();

    const PredictionState& state;
};

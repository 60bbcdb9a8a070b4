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

    QString changedJudgement;  // 1014
    QString mutualJudgement;   // 1013
    QString mainJudgement;     // 1012
    QString movingLineVerse;   // 1015
    QString mainName;          // 1018
    QString mutualName;        // 1019
    QString changedName;       // 1020
    QString movingLineWord;    // 1021
    // The three judgement sentences under their labels, one to a line (CR LF between them).
    QString judgementSummary;  // 1016

    CSkinButton sexagenaryLabel;      // 1066
    CSkinButton calendarLabel;        // 1067
    CColorEdit mainNameEdit;          // 1018
    CColorEdit mutualNameEdit;        // 1019
    CColorEdit changedNameEdit;       // 1020
    CColorEdit movingLineEdit;        // 1021
    CColorEdit mainJudgementEdit;     // 1012
    CColorEdit mutualJudgementEdit;   // 1013
    CColorEdit changedJudgementEdit;  // 1014
    CColorEdit movingLineVerseEdit;   // 1015
    CColorEdit summaryEdit;           // 1016
    CPictureStatic mainUpper;         // 1022
    CPictureStatic mainLower;         // 1025
    CPictureStatic mutualUpper;       // 1023
    CPictureStatic mutualLower;       // 1026
    CPictureStatic changedUpper;      // 1024
    CPictureStatic changedLower;      // 1027
    CSkinButton nextButton;           // 1007
    CSkinButton backButton;           // 1004

    QWidget* FirstControl() override { return &nextButton; }

protected:
    bool OnInitDialog() override;

private:
    void PlaceControls();
    void SetUpEdits();
    void FillTexts();

    const PredictionState& state;
};

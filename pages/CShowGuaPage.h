#pragma once
// The result of the cast at a glance: the draw date in both calendars, the names of the main, mutual and
// changed hexagrams over their trigram pictures, and which line of the main hexagram moves. Filled once when
// the page is created; the next button leads to the explanation.
#include <QString>

#include "controls/CColorEdit.h"
#include "controls/CPictureStatic.h"
#include "controls/CSkinButton.h"
#include "shell/CPageDialog.h"

struct PredictionState;

class CShowGuaPage : public CPageDialog {
    Q_OBJECT

public:
    // Shows the cast prediction holds; prediction must outlive the page.
    explicit CShowGuaPage(const PredictionState& prediction);

    // Members <-> boxes: true reads the boxes into the members, false shows the members.
    void UpdateData(bool saveAndValidate);

    QString mainName;        // 1018
    QString mutualName;      // 1019
    QString changedName;     // 1020
    QString movingLineWord;  // 1021

    CSkinButton sexagenaryLabel;  // 1066
    CSkinButton calendarLabel;    // 1067
    CColorEdit mainNameEdit;      // 1018
    CColorEdit mutualNameEdit;    // 1019
    CColorEdit changedNameEdit;   // 1020
    CColorEdit movingLineEdit;    // 1021
    CPictureStatic mainUpper;     // 1022
    CPictureStatic mainLower;     // 1025
    CPictureStatic mutualUpper;   // 1023
    CPictureStatic mutualLower;   // 1026
    CPictureStatic changedUpper;  // 1024
    CPictureStatic changedLower;  // 1027
    CSkinButton nextButton;       // 1007
    CSkinButton backButton;       // 1004

    QWidget* FirstControl() override { return &nextButton; }

protected:
    bool OnInitDialog() override;

private:
    void SetUpEdits();

    const PredictionState& state;
};

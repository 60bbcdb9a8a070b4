// SPDX-License-Identifier: GPL-3.0-or-later
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

    QString mainName;
    QString mutualName;
    QString changedName;
    QString movingLineWord;

    CSkinButton sexagenaryLabel;
    CSkinButton calendarLabel;
    CColorEdit mainNameEdit;
    CColorEdit mutualNameEdit;
    CColorEdit changedNameEdit;
    CColorEdit movingLineEdit;
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
    void SetUpEdits();

    const PredictionState& state;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The last step of a prediction: the eight predicted codes, formed once when the page opens, and the button
// that stores the prediction (draw date, issue number, the codes as formed) after asking. A page stores its
// prediction once; the main window keeps the same page while the user goes back to the explanation and
// forward again, so the codes and the stored state stay.
#include <QFont>
#include <array>
#include <string>

#include "controls/CColorEdit.h"
#include "controls/CSkinButton.h"
#include "pages/SlipActions.h"
#include "shell/CPageDialog.h"

class CPredictStore;
class CRandomTable;
struct PredictionState;

class CNumberPage : public CPageDialog {
    Q_OBJECT

public:
    static constexpr int kCodeCount = 8;

    // The codes are drawn from randomTable; the prediction's date and issue come from prediction, and it is
    // saved into pageStore. All three must outlive the page.
    CNumberPage(CPredictStore& pageStore, const PredictionState& prediction, CRandomTable& randomTable);

    // Members <-> boxes: true reads the boxes into the codes, false shows the codes.
    void UpdateData(bool saveAndValidate);

    // Refuses a second save of this page; otherwise asks, stores the codes as formed (the boxes only show
    // them) and says so. After a failed store the page stays unsaved and may try again.
    void SavePrediction();

    std::array<std::string, kCodeCount> codes;  // codes 1..8, three digits each
    bool saved = false;

    std::array<CColorEdit*, kCodeCount> codeEdits{};  // read-only, owned by the page
    CSkinButton saveButton;
    CSkinButton previousButton;  // back to the explanation page
    CSkinButton backButton;      // home

    QWidget* FirstControl() override { return &saveButton; }

    // The page's right-click menu: 复制号码 (Ctrl+C), 打印预测单… (Ctrl+P) and 导出 PDF… of the prediction
    // on it, with its draw date, issue, calendar and hexagrams.
    SlipActions slipActions;

protected:
    bool OnInitDialog() override;

private:
    void SetUpCodeEdits();

    QFont codeFont;
    CPredictStore& store;
    const PredictionState& state;
    CRandomTable& random;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small dialog that starts every prediction: the draw date and the issue number. OK only gets through
// when the date is not in the past, not already predicted, inside the calendar this version knows, and the
// issue is not blank; each refusal explains itself and leaves the dialog open as it was.
#include <QDateEdit>
#include <QLineEdit>
#include <QString>

#include "controls/CSkinButton.h"
#include "core/COleDateTime.h"
#include "shell/CPageDialog.h"
#include "shell/OpenHelp.h"

class CPredictStore;
struct PredictionState;

class CDateInputDlg : public CPageDialog {
    Q_OBJECT

public:
    // The picker opens on the current date; the time of day of this moment rides along with the chosen date.
    // OK checks the date against pageStore's records and prediction's earliest draw date, and makes room in
    // a full history there; 关于预测 opens the predicting help through helpOpener. The store and the
    // prediction must outlive the dialog.
    CDateInputDlg(CPredictStore& pageStore, const PredictionState& prediction, HelpOpener helpOpener,
                  QWidget* parent = nullptr);

    // Members <-> controls: true reads the controls into the members, false shows the members.
    void UpdateData(bool saveAndValidate);

    // The checks of the OK button (and of Enter); the dialog ends with Accepted only when all of them pass.
    void OnOK() override;

    QString issueInput;
    COleDateTime dateInput;

    QDateEdit datePicker;
    QLineEdit issueEdit;
    CSkinButton okButton;
    CSkinButton cancelButton;  // 2
    CSkinButton helpButton;

protected:
    bool OnInitDialog() override;
    // F4 and Alt+Down on the picker open its calendar; Tab and Shift+Tab leave it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TimeOfDay {
        int hour = 0, minute = 0, second = 0;
    };

    void SetPickerRange();
    // Puts the issue after the last saved one into 期号 when that was the day before the chosen date, and
    // empties it otherwise; not once the player has typed an issue.
    void SuggestIssue();
    // Archives what a full history needs to take a prediction; true when there is room now.
    bool MakeRoom();
    // Shows the refusal; a refused date also gets the date notice.
    void Refuse(const QString& text, const QString& caption, bool dateNotice);

    // The picker holds a date and the time of day last put into it; it hands both back.
    TimeOfDay pickerTime;
    bool issueTyped = false;

    CPredictStore& store;
    const PredictionState& state;
    HelpOpener openHelp;
};

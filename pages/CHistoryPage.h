#pragma once
// The prediction records: one list row per saved prediction with its date, issue, eight codes, the real draw
// number and the verdict. Selecting a prediction that still waits for its result offers an entry for the
// draw number; entering it decides which code, if any, was hit, stores the result and marks the row.
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QString>

#include "controls/CColorEdit.h"
#include "controls/CColorListCtrl.h"
#include "controls/CSkinButton.h"
#include "shell/CPageDialog.h"

struct HistoryRecord;

class CHistoryPage : public CPageDialog {
    Q_OBJECT

public:
    CHistoryPage();

    // The list's columns: title and width in pixels.
    static const QString kColumns;

    // The word of the verdict column for an is_right value.
    static QString VerdictWord(int isRight);

    CSkinButton confirmButton;  // 1050 确定
    CColorEdit issueEdit;       // 1047, the issue of the selected row
    QLineEdit drawNumberEdit;   // 1048, hidden until a row without result is selected
    CSkinButton backButton;     // 1004
    CColorListCtrl list;        // 1003
    QLabel drawNumberLabel;     // 1049, the picture 输入开奖号码:

    // The row of the last selection change; -1 before the first one.
    int selectedRow = -1;
    QString drawNumberText;  // 1048
    QString issueText;       // 1047

protected:
    bool OnInitDialog() override;
    void showEvent(QShowEvent* event) override;

private:
    void UpdateData(bool saveAndValidate);
    void SetUpList();
    void FillList();
    void ColourRow(int row, int isRight);
    void ShowEntry(bool show);
    QFont IssueFontFor(const QString& text) const;

    void OnItemChanged(int row);
    void OnConfirm();
    void Refuse(const QString& text, const QString& caption);
    // The record shown on row, or null when the row holds none.
    const HistoryRecord* RecordOfRow(int row) const;

    bool listFilled = false;
    QFont issueFont;
};

#pragma once
// A small picture notice without caption. Mode 1 says the chosen draw date cannot be predicted and offers
// 确定 alone; mode 2 asks whether to save the prediction and offers 保存 and 取消.
#include "controls/CSkinButton.h"
#include "shell/CPageDialog.h"

class CNoticeDlg : public CPageDialog {
    Q_OBJECT

public:
    explicit CNoticeDlg(QWidget* parent = nullptr);

    // Set by the caller before the dialog is shown.
    int noticeMode = 0;

    CSkinButton okButton;      // 1: 确定, mode 1
    CSkinButton saveButton;    // 3: 保存, mode 2
    CSkinButton cancelButton;  // 2: 取消, mode 2

protected:
    // Sets up the three buttons, shows those of the mode and picks the mode's background.
    bool OnInitDialog() override;
};

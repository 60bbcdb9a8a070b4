// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small picture notice without caption: one that says the chosen draw date cannot be predicted, or one that
// asks whether to save the prediction.
#include "controls/CSkinButton.h"
#include "shell/CPageDialog.h"

enum class NoticeMode {
    dateNotPredictable,  // 此日不能预测: the date was drawn already or has a saved prediction; 确定 alone
    saveQuestion,        // 保存预测: whether to save the prediction; 保存 and 取消
};

class CNoticeDlg : public CPageDialog {
    Q_OBJECT

public:
    explicit CNoticeDlg(QWidget* parent = nullptr);

    // Set by the caller before the dialog is shown.
    NoticeMode noticeMode = NoticeMode::saveQuestion;

    CSkinButton okButton;      // 1: 确定, date notice
    CSkinButton saveButton;    // 3: 保存, save question
    CSkinButton cancelButton;  // 2: 取消, save question

protected:
    // Sets up the three buttons, shows those of the mode and picks the mode's background.
    bool OnInitDialog() override;
};

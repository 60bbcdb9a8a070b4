// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CNoticeDlg.h"

#include "controls/Colour.h"
#include "res/Layout.h"
#include "res/PictureWords.h"
#include "res/ResourceIds.h"
#include "shell/FaceKeys.h"

namespace {

// As every skinned button is set up, with the name a screen reader says for it: the word on its picture.
void SetUpButton(CSkinButton& button, const Layout::Rect& rect, unsigned hotId, unsigned normalId,
                 COLORREF key, const QString& accessibleName) {
    button.SetTransparentBackground(true);
    button.SetFlatBorder(false, true);
    button.setGeometry(rect.x, rect.y, rect.w, rect.h);
    button.SetFaceBitmaps(hotId, key, normalId, key);
    button.setAccessibleName(accessibleName);
}

}  // namespace

CNoticeDlg::CNoticeDlg(QWidget* parent)
    : CPageDialog(parent), okButton(this), saveButton(this), cancelButton(this) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    const Layout::Rect& client = Layout::NoticeDialog::client;
    setFixedSize(client.w, client.h);
    // 保存 ends the dialog as 确定 does.
    connect(&okButton, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(&saveButton, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(&cancelButton, &QAbstractButton::clicked, this, &QDialog::reject);
}

bool CNoticeDlg::OnInitDialog() {
    CPageDialog::OnInitDialog();
    SetUpButton(okButton, Layout::NoticeDialog::okButton, kOkHotBitmap, kOkBitmap, kCeladonKey,
                QStringLiteral("确定"));
    SetUpButton(saveButton, Layout::NoticeDialog::saveButton, kSaveLightHotBitmap, kSaveLightBitmap,
                kWhiteKey, QStringLiteral("保存"));
    SetUpButton(cancelButton, Layout::NoticeDialog::cancelButton, kCancelLightHotBitmap, kCancelLightBitmap,
                kWhiteKey, QStringLiteral("取消"));
    const bool dateNotice = noticeMode == NoticeMode::dateNotPredictable;
    okButton.setVisible(dateNotice);
    saveButton.setVisible(!dateNotice);
    cancelButton.setVisible(!dateNotice);
    // Enter presses the button that has the focus: 确定, or 保存 in the save question.
    (dateNotice ? okButton : saveButton).setFocus();
    const Layout::Rect& client = Layout::NoticeDialog::client;
    SetBackgroundFile(dateNotice ? QStringLiteral("date_error.ggr") : QStringLiteral("about_save.ggr"),
                      client.w, client.h);
    // The words are in the picture: a screen reader hears them from here, not only 确定 or 保存/取消.
    const PictureWords::Notice& words = dateNotice ? PictureWords::kDateNotice : PictureWords::kSaveQuestion;
    setAccessibleName(QString::fromUtf8(words.title));
    setAccessibleDescription(QString::fromUtf8(words.text) + QString::fromUtf8(words.advice));
    return true;
}

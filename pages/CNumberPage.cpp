// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/CNumberPage.h"

#include <QLineEdit>

#include "core/CRandomTable.h"
#include "core/CalendarEdition.h"
#include "core/PredictionState.h"
#include "pages/PageLayout.h"
#include "res/ResourceIds.h"
#include "shell/CNoticeDlg.h"
#include "shell/FaceKeys.h"
#include "shell/MessageBox.h"
#include "shell/PageChrome.h"
#include "shell/StoreMessages.h"
#include "store/CPredictStore.h"

namespace {

constexpr int kCodeFontPixels = 25;
constexpr int kDigitLift = 4;

}  // namespace

CNumberPage::CNumberPage(CPredictStore& pageStore, const PredictionState& prediction,
                         CRandomTable& randomTable)
    : saveButton(this),
      previousButton(this),
      backButton(this),
      store(pageStore),
      state(prediction),
      random(randomTable) {
    SetBackgroundFile(QStringLiteral("get_num.ggr"), Layout::NumberPage::client.w,
                      Layout::NumberPage::client.h);
    for (CColorEdit*& edit : codeEdits) {
        edit = new CColorEdit(CColorEdit::SingleLine, this);
    }
    connect(&saveButton, &QAbstractButton::clicked, this, &CNumberPage::SavePrediction);
    connect(&previousButton, &QAbstractButton::clicked, this,
            [this] { PostNavigate(NavStage::Number, NavCode::ToExplain); });
    connect(&backButton, &QAbstractButton::clicked, this,
            [this] { PostNavigate(NavStage::Number, NavCode::Home); });
    slipActions =
        AddSlipActions(store, *this, *this, [this] { return std::optional(SlipOfPrediction(state, codes)); });
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

bool CNumberPage::OnInitDialog() {
    namespace N = Layout::NumberPage;
    CPageDialog::OnInitDialog();
    Place(*this, N::client);
    SetUpSkinButton(previousButton, N::previousButton, kArrowLeftHotBitmap, kArrowLeftBitmap, kDeepKey,
                    QStringLiteral("返回解卦"));
    SetUpSkinButton(saveButton, N::saveButton, kArrowRightHotBitmap, kArrowRightBitmap, kDeepKey,
                    QStringLiteral("保存预测"));
    SetUpSkinButton(backButton, N::backButton, kBackHotBitmap, kBackBitmap, kCeladonKey,
                    QStringLiteral("返回"));
    SetUpCodeEdits();
    codes = FormEightCodes(random);
    UpdateData(false);
    saved = false;
    return true;
}

void CNumberPage::SetUpCodeEdits() {
    codeFont = PageFont(kCodeFontPixels, QStringLiteral("黑体"));
    for (int i = 0; i < kCodeCount; ++i) {
        CColorEdit& edit = *codeEdits[static_cast<std::size_t>(i)];
        Place(edit, Layout::NumberPage::codes[i]);
        edit.SetFont(codeFont);
        edit.SetEditColours(173, 221, 232, 0, 40, 40);
        edit.SetBorder(false);
        edit.SetCentred(true);
        // The codes come from the cast, never from the keyboard: the boxes only show them, so what is saved
        // is always what is on the screen. No caret, no typing, no stop for Tab.
        edit.SetReadOnly(true);
        edit.setFocusPolicy(Qt::NoFocus);
        edit.editor()->setFocusPolicy(Qt::NoFocus);
        edit.SetAccessibleName(QStringLiteral("第%1组").arg(QStringLiteral("一二三四五六七八").at(i)));
        // The 25-pixel line is taller than the box and its digits sit low in it: lift them to the middle.
        edit.lineEdit()->setTextMargins(0, 0, 0, kDigitLift);
        // A right click on a code opens the page's menu, which copies all eight, not a text box's own.
        edit.lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    }
    // Tab walks the buttons: save, back to the explanation, home.
    SetTabChain({&saveButton, &previousButton, &backButton});
}

void CNumberPage::UpdateData(bool saveAndValidate) {
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (saveAndValidate) {
            codes[i] = codeEdits[i]->Text().toStdString();
        } else {
            codeEdits[i]->SetText(QString::fromStdString(codes[i]));
        }
    }
}

void CNumberPage::SavePrediction() {
    if (saved) {
        MessageBox(Messages::kAlreadySaved, this);
        return;
    }
    CNoticeDlg notice(window());
    notice.noticeMode = NoticeMode::saveQuestion;
    if (notice.DoModal() == QDialog::Rejected) {
        return;
    }
    CPredictStore& app = store;
    // The store checks the date dialog's rules once more, on the file as the save finds it: another copy may
    // have saved the day, or filled the history, since. The clock was the dialog's to ask: the prediction is
    // judged as on its own draw day, so a save that runs past midnight is not refused as a prediction of the
    // past. Refused or failed, the page stays unsaved and may try again.
    const int lastYear = LastDrawYear(CurrentCalendarEdition());
    const PredictionSave outcome = app.SavePrediction({state.drawDate, state.issueNumber, codes},
                                                      state.drawDate, {state.minDrawDate, lastYear});
    if (const MessageText* said = MessageFor(outcome)) {
        const QString text =
            outcome == PredictionSave::beyondCalendar ? TextOf(*said).arg(lastYear + 1) : TextOf(*said);
        MessageBox(text, CaptionOf(*said), this);
        return;
    }
    MessageBox(Messages::kSaved, this);
    saved = true;
}

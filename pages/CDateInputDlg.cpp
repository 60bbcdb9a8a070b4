// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/CDateInputDlg.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/CalendarEdition.h"
#include "core/PredictionState.h"
#include "pages/DialogFont.h"
#include "pages/PageLayout.h"
#include "res/PictureWords.h"
#include "res/ResourceIds.h"
#include "shell/Backups.h"
#include "shell/CNoticeDlg.h"
#include "shell/FaceKeys.h"
#include "shell/MessageBox.h"
#include "shell/StoreMessages.h"
#include "store/CPredictStore.h"
#include "store/HistoryRules.h"

namespace {

// The picker's calendar starts with the first year the tables know.
constexpr int kFirstPickerYear = 2007;

// The program speaks Chinese whatever the desktop's language: the picker shows the Chinese short date
// ("2009/6/17") and a Chinese calendar, always with four year digits so that no century has to be guessed.
const QLocale& ChineseLocale() {
    static const QLocale locale(QLocale::Chinese, QLocale::China);
    return locale;
}

QString ShortDateFormat() {
    QString format = ChineseLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy"))) {
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    }
    return format;
}

// A date edit opens its calendar only for a press on its arrow; the keys that open a drop-down elsewhere
// (F4, Alt+Down) press there for the user.
bool OpensCalendar(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_F4 && modifiers == Qt::NoModifier) ||
           (key.key() == Qt::Key_Down && modifiers == Qt::AltModifier);
}

bool LeavesField(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    return (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) && modifiers == Qt::NoModifier;
}

// The issue after issue: its number one higher in as many digits (one more when they all carry). Issues that
// are not plain numbers have no next one the dialog could guess.
QString NextIssue(const std::string& issue) {
    if (issue.empty() ||
        !std::all_of(issue.begin(), issue.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return {};
    }
    std::string next = issue;
    auto digit = next.rbegin();
    for (; digit != next.rend() && *digit == '9'; ++digit) {
        *digit = '0';
    }
    if (digit == next.rend()) {
        next.insert(next.begin(), '1');
    } else {
        ++*digit;
    }
    return QString::fromStdString(next);
}

void OpenCalendar(QDateEdit& picker) {
    QStyleOptionComboBox option;
    option.initFrom(&picker);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    const QRect arrow =
        picker.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, &picker);
    const QPointF centre = arrow.center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent press(type, centre, picker.mapToGlobal(centre), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&picker, &press);
    }
}

}  // namespace

CDateInputDlg::CDateInputDlg(CPredictStore& pageStore, const PredictionState& prediction,
                             HelpOpener helpOpener, QWidget* parent)
    : CPageDialog(parent),
      dateInput(COleDateTime::GetCurrentTime()),
      datePicker(this),
      issueEdit(this),
      okButton(this),
      cancelButton(this),
      helpButton(this),
      store(pageStore),
      state(prediction),
      openHelp(std::move(helpOpener)) {
    connect(&okButton, &QAbstractButton::clicked, this, &CDateInputDlg::OnOK);
    connect(&cancelButton, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(&helpButton, &QAbstractButton::clicked, this, [this] { openHelp(1); });
    // A small picture without caption, like the other notices of the program.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    SetBackgroundFile(QStringLiteral("inputdate.ggr"), Layout::DateDialog::client.w,
                      Layout::DateDialog::client.h);
}

bool CDateInputDlg::OnInitDialog() {
    CPageDialog::OnInitDialog();
    setFixedSize(Layout::DateDialog::client.w, Layout::DateDialog::client.h);
    datePicker.setLocale(ChineseLocale());
    datePicker.setDisplayFormat(ShortDateFormat());
    datePicker.setCalendarPopup(true);
    datePicker.installEventFilter(this);
    SetPickerRange();
    Place(datePicker, Layout::DateDialog::datePicker);
    issueEdit.setAlignment(Qt::AlignCenter);
    Place(issueEdit, Layout::DateDialog::issueEdit);
    // The fields speak in the dialog's own 12-point 宋体, as the fields of the other 12-point windows do.
    datePicker.setFont(DialogFont());
    issueEdit.setFont(DialogFont());

    // The dialog's title and hint are painted into its picture.
    setAccessibleName(QString::fromUtf8(PictureWords::kDateDialog.title));
    setAccessibleDescription(QString::fromUtf8(PictureWords::kDateDialog.text));
    datePicker.setAccessibleName(QStringLiteral("开奖日期"));
    issueEdit.setAccessibleName(QStringLiteral("期号"));

    SetUpSkinButton(okButton, Layout::DateDialog::okButton, kOkHotBitmap, kOkBitmap, kCeladonKey,
                    QStringLiteral("确定"));
    SetUpSkinButton(cancelButton, Layout::DateDialog::cancelButton, kCancelHotBitmap, kCancelBitmap,
                    kCeladonKey, QStringLiteral("取消"));
    SetUpSkinButton(helpButton, Layout::DateDialog::helpButton, kPredictHelpHotBitmap, kPredictHelpBitmap,
                    kOliveKey, QStringLiteral("关于预测"));
    UpdateData(false);
    // The issue follows the date until the player types one: an issue handed in is the player's own.
    issueTyped = !issueInput.isEmpty();
    connect(&issueEdit, &QLineEdit::textEdited, this, [this] { issueTyped = true; });
    connect(&datePicker, &QDateEdit::dateChanged, this, &CDateInputDlg::SuggestIssue);
    SuggestIssue();
    datePicker.setFocus();
    return true;
}

// Draws come day after day: when the last saved prediction is for the day before the chosen date, its issue
// is most likely the one before this one. The guess is selected, so typing replaces it.
void CDateInputDlg::SuggestIssue() {
    if (issueTyped) {
        return;
    }
    QString suggestion;
    const std::vector<int> recordSlots = store.RecordSlots();
    if (!recordSlots.empty()) {
        const HistoryRecord& last = store.Record(*std::max_element(recordSlots.begin(), recordSlots.end()));
        const COleDateTime& lastDate = last.record_date;
        if (lastDate.GetStatus() == COleDateTime::valid &&
            QDate(lastDate.GetYear(), lastDate.GetMonth(), lastDate.GetDay()).addDays(1) ==
                datePicker.date()) {
            suggestion = NextIssue(last.open_order);
        }
    }
    issueEdit.setText(suggestion);
    issueEdit.selectAll();
}

bool CDateInputDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &datePicker && event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (OpensCalendar(key)) {
            OpenCalendar(datePicker);
            return true;
        }
        // A date edit walks its year, month and day on Tab, so an issue typed after one Tab went into the
        // date. Tab leaves the field here as everywhere else; the arrows still move between the parts.
        if (LeavesField(key)) {
            focusNextPrevChild(key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return CPageDialog::eventFilter(watched, event);
}

// The years a user can mean, and one beyond the last the calendar reaches so that its refusal can be seen;
// today is always inside, whatever the clock says.
void CDateInputDlg::SetPickerRange() {
    const int thisYear = dateInput.GetYear();
    const int lastYear = LastDrawYear(CurrentCalendarEdition()) + 1;
    datePicker.setDateRange(QDate(std::min(kFirstPickerYear, thisYear), 1, 1),
                            QDate(std::max(lastYear, thisYear), 12, 31));
}

void CDateInputDlg::UpdateData(bool saveAndValidate) {
    if (saveAndValidate) {
        const QDate date = datePicker.date();
        dateInput = COleDateTime(date.year(), date.month(), date.day(), pickerTime.hour, pickerTime.minute,
                                 pickerTime.second);
        issueInput = issueEdit.text();
    } else {
        datePicker.setDate(QDate(dateInput.GetYear(), dateInput.GetMonth(), dateInput.GetDay()));
        pickerTime = {dateInput.GetHour(), dateInput.GetMinute(), dateInput.GetSecond()};
        issueEdit.setText(issueInput);
    }
}

void CDateInputDlg::OnOK() {
    UpdateData(true);
    CPredictStore& app = store;
    // Another copy of the program may have saved a prediction since this one loaded its history: the checks
    // see the file as it is now (an unchanged file is not read again).
    app.RefreshIfChanged();
    const int lastYear = LastDrawYear(CurrentCalendarEdition());
    const PredictionRefusal refusal =
        CheckNewPrediction(app.History(), dateInput, issueInput.toStdString(), COleDateTime::GetCurrentTime(),
                           {state.minDrawDate, lastYear});
    switch (refusal) {
        case PredictionRefusal::none:
            // The caller takes the picker's date with its time of day.
            accept();
            return;
        case PredictionRefusal::past:
            Refuse(TextOf(Messages::kPredictingThePast), CaptionOf(Messages::kPredictingThePast), true);
            return;
        case PredictionRefusal::alreadyPredicted:
            Refuse(TextOf(Messages::kDayTaken), CaptionOf(Messages::kDayTaken), true);
            return;
        case PredictionRefusal::beyondCalendar:
            Refuse(TextOf(Messages::kCalendarTooOld).arg(lastYear + 1), CaptionOf(Messages::kCalendarTooOld),
                   false);
            return;
        case PredictionRefusal::noIssue:
            Refuse(TextOf(Messages::kNoIssue), CaptionOf(Messages::kNoIssue), false);
            return;
        case PredictionRefusal::historyFull:
            if (MakeRoom()) {
                accept();
            }
            return;
    }
}

// A full history is no dead end: the oldest records that have their results move into the archive (as many
// as a new prediction needs, one as a rule), after a question and a safety copy of the file. With too few
// such records there is nothing to archive, and the dialog says what to do first.
bool CDateInputDlg::MakeRoom() {
    CPredictStore& app = store;
    const int needed = app.History().RoomNeeded();
    const std::vector<int> oldest = app.OldestWithResult(needed);
    if (static_cast<int>(oldest.size()) < needed) {
        Refuse(TextOf(Messages::kHistoryFull), CaptionOf(Messages::kHistoryFull), false);
        return false;
    }
    const QString question =
        TextOf(Messages::kArchiveToContinue).arg(needed).arg(TextOf(Messages::kArchiveLosesNothing));
    if (!AskQuestion(question, CaptionOf(Messages::kArchiveToContinue), QStringLiteral("归档并继续"), this)) {
        return false;
    }
    QString error;
    if (!TakeSafetyCopy(app, error)) {
        MessageBox(error, CaptionOf(Messages::kSafetyCopyFailed), this, QMessageBox::Warning);
        return false;
    }
    const ArchiveOutcome outcome = app.ArchiveRecords(oldest);
    if (const MessageText* said = MessageFor(outcome)) {
        MessageBox(*said, this, QMessageBox::Warning);
    }
    return outcome == ArchiveOutcome::archived && !app.IsHistoryFull();
}

void CDateInputDlg::Refuse(const QString& text, const QString& caption, bool dateNotice) {
    MessageBox(text, caption, this);
    if (dateNotice) {
        CNoticeDlg notice(this);
        notice.noticeMode = NoticeMode::dateNotPredictable;
        notice.DoModal();
    }
}

#include "pages/CHistoryPage.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QPixmap>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <algorithm>
#include <string>

#include "controls/ImageFile.h"
#include "core/COleDateTime.h"
#include "pages/DialogFont.h"
#include "pages/PageLayout.h"
#include "res/ResourceIds.h"
#include "shell/CPredictApp.h"
#include "shell/FaceKeys.h"
#include "shell/MessageBox.h"
#include "shell/PageChrome.h"
#include "store/HistoryRecord.h"

namespace {

constexpr int kFirstCodeColumn = 2;
constexpr int kDrawNumberColumn = 10;
constexpr int kVerdictColumn = 11;
constexpr int kNoResult = 11;
constexpr int kDrawNumberLength = 3;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kMissText = RGB(200, 20, 20);
constexpr COLORREF kHitCodeText = RGB(0, 200, 100);
constexpr COLORREF kHitVerdictText = RGB(0, 128, 80);

bool IsHit(int isRight) {
    return isRight >= 1 && isRight <= 8;
}

QString DateText(const COleDateTime& date) {
    return QStringLiteral("%1-%2-%3").arg(date.GetYear()).arg(date.GetMonth()).arg(date.GetDay());
}

QStringList RowTexts(const HistoryRecord& record) {
    QStringList texts{DateText(record.record_date), QString::fromStdString(record.open_order)};
    for (const std::string& code : record.data) {
        texts << QString::fromStdString(code);
    }
    texts << QString::fromStdString(record.open_data) << CHistoryPage::VerdictWord(record.is_right);
    return texts;
}

// The first code, 1 .. 8, that equals the draw number exactly; 0 when none does.
int Verdict(const HistoryRecord& record, const std::string& drawNumber) {
    const auto hit = std::find(record.data.begin(), record.data.end(), drawNumber);
    return hit == record.data.end() ? 0 : static_cast<int>(hit - record.data.begin()) + 1;
}

}  // namespace

const QString CHistoryPage::kColumns = QStringLiteral(
    "开奖日期,85;期数,68;预测码一,49;预测码二,49;预测码三,49;预测码四,49;预测码五,49;预测码六,49;预测码七,49;"
    "预测码八,49;开奖号码,58;预测结果,61");

QString CHistoryPage::VerdictWord(int isRight) {
    if (isRight == 0) {
        return QStringLiteral("错误");
    }
    return IsHit(isRight) ? QStringLiteral("正确") : QStringLiteral("未知");
}

CHistoryPage::CHistoryPage()
    : confirmButton(this),
      issueEdit(CColorEdit::SingleLine, this),
      drawNumberEdit(this),
      backButton(this),
      list(this),
      drawNumberLabel(this) {
    SetBackgroundFile(QStringLiteral("history.ggr"), Layout::HistoryPage::client.w,
                      Layout::HistoryPage::client.h);
    drawNumberLabel.hide();
    drawNumberEdit.hide();
    confirmButton.hide();
    connect(&confirmButton, &QAbstractButton::clicked, this, &CHistoryPage::OnConfirm);
    connect(&backButton, &QAbstractButton::clicked, this,
            [this] { PostNavigate(NavStage::Records, NavCode::Home); });
    connect(&list, &CColorListCtrl::itemChanged, this, &CHistoryPage::OnItemChanged);
}

bool CHistoryPage::OnInitDialog() {
    CPageDialog::OnInitDialog();
    namespace L = Layout::HistoryPage;
    Place(*this, L::client);
    SetUpSkinButton(confirmButton, L::confirmButton, IDB_OK_HOT, IDB_OK, kCeladonKey, QStringLiteral("确定"));
    SetUpSkinButton(backButton, L::backButton, IDB_BACK_HOT, IDB_BACK, kCeladonKey, QStringLiteral("返回"));

    issueFont = PageFont(20, QStringLiteral("黑体"));
    issueEdit.SetFont(issueFont);
    issueEdit.SetEditColours(kCeladonKey, RGB(0, 40, 40));
    issueEdit.SetCentred(true);
    issueEdit.SetBorder(false);
    Place(issueEdit, L::issueEdit);
    issueEdit.SetAccessibleName(QStringLiteral("期号"));

    // A picture static shows its bitmap at the bitmap's own size from its corner.
    drawNumberLabel.setPixmap(QPixmap::fromImage(ResourceBitmap(IDB_DRAW_NUMBER_LABEL)));
    drawNumberLabel.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Place(drawNumberLabel, L::drawNumberLabel);

    drawNumberEdit.setFont(DialogFont());
    // Digits only, but as many as are typed: a cap would turn a mistyped 7812 into 781, a number the confirm
    // accepts and may record as a hit. Anything but exactly three digits is refused there instead.
    drawNumberEdit.setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), &drawNumberEdit));
    drawNumberEdit.setAlignment(Qt::AlignCenter);
    Place(drawNumberEdit, L::drawNumberEdit);
    drawNumberEdit.setAccessibleName(QStringLiteral("输入开奖号码"));

    SetUpList();
    return true;
}

// The list is filled just before the page is first shown. The records page the main window keeps behind the
// panel from start-up is never shown (opening the records builds a new one), so start-up does not pay for
// 399 rows nobody sees; every page that is shown is filled from the store exactly as at its creation.
void CHistoryPage::showEvent(QShowEvent* event) {
    if (!listFilled) {
        listFilled = true;
        FillList();
    }
    CPageDialog::showEvent(event);
}

void CHistoryPage::SetUpList() {
    list.setFont(DialogFont());
    list.setShowGrid(true);
    list.setSelectionBehavior(QAbstractItemView::SelectRows);
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.horizontalHeader()->hide();
    // Every column is left-aligned. The list shows no header: the background draws the column titles above
    // it, left-aligned over their columns, so each value starts under its title.
    list.DefineColumns(kColumns);
    Place(list, Layout::HistoryPage::list);
    list.setAccessibleName(QStringLiteral("预测记录"));
}

// The list reports every appended row as changed, as it reports any row whose data was set, so the page
// opens on the last record: its issue in the box, and the entry offered when it still waits for its result.
// Each report overwrites the one before, so only the last is handled: 399 rows would otherwise fit the issue
// font and show the entry 399 times for one visible result.
void CHistoryPage::FillList() {
    const CPredictApp& app = theApp();
    const int last = std::min(app.historyCount, HISTORY_SLOTS - 1);
    int lastRow = -1;
    {
        const QSignalBlocker reportsOfAllButTheLast(list);
        for (int slot = 1; slot <= last; ++slot) {
            lastRow = list.AppendRow(RowTexts(app.history[slot]));
            ColourRow(lastRow, app.history[slot].is_right);
        }
    }
    if (lastRow >= 0) {
        OnItemChanged(lastRow);
    }
}

void CHistoryPage::ColourRow(int row, int isRight) {
    if (isRight == 0) {
        list.SetCellColours(row, kVerdictColumn, kMissText, kWhite);
    } else if (IsHit(isRight)) {
        list.SetCellColours(row, kFirstCodeColumn + isRight - 1, kHitCodeText, kWhite);
        list.SetCellColours(row, kVerdictColumn, kHitVerdictText, kWhite);
    }
}

void CHistoryPage::ShowEntry(bool show) {
    drawNumberLabel.setVisible(show);
    drawNumberEdit.setVisible(show);
    confirmButton.setVisible(show);
}

void CHistoryPage::UpdateData(bool saveAndValidate) {
    if (saveAndValidate) {
        issueText = issueEdit.Text();
        drawNumberText = drawNumberEdit.text();
    } else {
        issueEdit.SetFont(IssueFontFor(issueText));
        issueEdit.SetText(issueText);
        drawNumberEdit.setText(drawNumberText);
    }
}

// The issue box is 80 pixels wide: a seven-digit issue in the 20-pixel font would be cut, so a text that does
// not fit gets the largest smaller size at which it does.
QFont CHistoryPage::IssueFontFor(const QString& text) const {
    constexpr int kInnerMargins = 6;  // the line edit's own margins and cursor room
    const int room = Layout::HistoryPage::issueEdit.w - kInnerMargins;
    QFont font = issueFont;
    while (font.pixelSize() > 10 && QFontMetrics(font).horizontalAdvance(text) > room) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

const HistoryRecord* CHistoryPage::RecordOfRow(int row) const {
    const CPredictApp& app = theApp();
    if (row < 0 || row >= std::min(app.historyCount, HISTORY_SLOTS - 1)) {
        return nullptr;
    }
    return &app.history[row + 1];
}

void CHistoryPage::OnItemChanged(int row) {
    selectedRow = row;
    const HistoryRecord* record = RecordOfRow(row);
    // A list emptied of its current row has nothing to show or to enter.
    issueText = record != nullptr ? QString::fromStdString(record->open_order) : QString();
    UpdateData(false);
    ShowEntry(record != nullptr && record->is_right == kNoResult);
}

void CHistoryPage::OnConfirm() {
    UpdateData(true);
    const HistoryRecord* record = RecordOfRow(selectedRow);
    if (record == nullptr) {
        return;
    }
    // A draw dated today can take its result; one still to come cannot.
    const COleDateTime today = COleDateTime::GetCurrentTime().DateOnly();
    if (record->record_date.DateOnly() > today) {
        Refuse(QStringLiteral("还未到开奖时间。"), QStringLiteral("未开奖"));
        return;
    }
    if (drawNumberText.size() != kDrawNumberLength) {
        Refuse(QStringLiteral("请输入实际开奖号码。"), QStringLiteral("未输入"));
        return;
    }
    // Results go in strictly in the order the predictions were saved.
    CPredictApp& app = theApp();
    const int pending = app.FirstPendingRecord();
    if (pending != selectedRow + 1) {
        Refuse(QStringLiteral("第%1行还未输入开奖号码，请先输入。").arg(pending),
               QStringLiteral("请按时间先后输入开奖号码"));
        return;
    }
    const std::string drawNumber = drawNumberText.toStdString();
    const int isRight = Verdict(*record, drawNumber);
    // The store reloads the slots, so record is not read after this call. A failed write has been reported
    // by the store; the row and the entry stay as they are, so the entry can be repeated.
    if (!app.SetDrawResult(selectedRow + 1, drawNumber, isRight)) {
        return;
    }
    list.SetCellText(selectedRow, kVerdictColumn, VerdictWord(isRight));
    ColourRow(selectedRow, isRight);
    list.SetCellText(selectedRow, kDrawNumberColumn, drawNumberText);
    // The entry goes; the focus it held goes back to the list rather than on to the issue box after it.
    if (const QWidget* focused = window()->focusWidget();
        focused == &confirmButton || focused == &drawNumberEdit) {
        list.setFocus();
    }
    drawNumberLabel.hide();
    drawNumberEdit.hide();
    drawNumberText.clear();
    confirmButton.hide();
}

void CHistoryPage::Refuse(const QString& text, const QString& caption) {
    MessageBox(text, caption, this);
    drawNumberText.clear();
    UpdateData(false);
}

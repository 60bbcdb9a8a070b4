#include "pages/CHistoryPage.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QPixmap>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <string>

#include "controls/ImageFile.h"
#include "core/COleDateTime.h"
#include "pages/DialogFont.h"
#include "pages/PageLayout.h"
#include "pages/RecordTexts.h"
#include "res/ResourceIds.h"
#include "shell/CPredictApp.h"
#include "shell/FaceKeys.h"
#include "shell/MessageBox.h"
#include "shell/PageChrome.h"
#include "store/HistoryRecord.h"
#include "store/HistoryVerdict.h"

namespace {

constexpr int kFirstCodeColumn = 2;
constexpr int kVerdictColumn = 11;
constexpr int kDrawNumberLength = 3;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kMissText = RGB(200, 20, 20);
constexpr COLORREF kHitCodeText = RGB(0, 200, 100);
constexpr COLORREF kHitVerdictText = RGB(0, 128, 80);

QStringList RowTexts(const HistoryRecord& record) {
    QStringList texts{RecordDateText(record.record_date), QString::fromStdString(record.open_order)};
    for (const std::string& code : record.data) {
        texts << QString::fromStdString(code);
    }
    texts << QString::fromStdString(record.open_data) << CHistoryPage::VerdictWord(record.is_right);
    return texts;
}

}  // namespace

const QString CHistoryPage::kColumns = QStringLiteral(
    "开奖日期,85;期数,68;预测码一,49;预测码二,49;预测码三,49;预测码四,49;预测码五,49;预测码六,49;预测码七,49;"
    "预测码八,49;开奖号码,58;预测结果,61");

QString CHistoryPage::VerdictWord(int isRight) {
    return QString::fromStdString(::VerdictWord(isRight));
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
    // Typing the number and pressing Enter is the whole entry; 确定 does the same for the mouse.
    connect(&drawNumberEdit, &QLineEdit::returnPressed, this, &CHistoryPage::OnConfirm);

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
    list.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&list, &QWidget::customContextMenuRequested, this, &CHistoryPage::OnListMenu);
}

// The list reports every appended row as changed, as it reports any row whose data was set, so the page
// opens on the last record: its issue in the box, and the entry offered when it still waits for its result.
// Each report overwrites the one before, so only the last is handled: 399 rows would otherwise fit the issue
// font and show the entry 399 times for one visible result. Only the records of the last load are listed: a
// gap in the file's numbers, or a record gone from it, leaves no row behind.
void CHistoryPage::FillList() {
    const CPredictApp& app = theApp();
    rowSlots = app.RecordSlots();
    int lastRow = -1;
    {
        const QSignalBlocker reportsOfAllButTheLast(list);
        for (const int slot : rowSlots) {
            const HistoryRecord& record = app.history[static_cast<std::size_t>(slot)];
            lastRow = list.AppendRow(RowTexts(record));
            ColourRow(lastRow, record.is_right);
        }
    }
    if (lastRow >= 0) {
        OnItemChanged(lastRow);
    }
}

// After a write the store has reloaded the records, perhaps with what another copy of the program wrote: the
// list shows them as they are now. keepPlace: scrolled and selected as before where it can (the rows are the
// same records); otherwise as a freshly opened page (records were removed, so the rows moved).
void CHistoryPage::RefreshList(bool keepPlace) {
    const int currentRow = list.currentRow();
    const int shownRow = selectedRow;
    const int scrolled = list.verticalScrollBar()->value();
    {
        const QSignalBlocker quiet(list);
        list.setRowCount(0);
    }
    FillList();
    if (!keepPlace) {
        return;
    }
    if (currentRow >= 0 && currentRow < list.rowCount()) {
        const QSignalBlocker quiet(list);
        list.setCurrentCell(currentRow, 0);
    }
    if (shownRow >= 0 && shownRow < list.rowCount()) {
        OnItemChanged(shownRow);
    }
    list.verticalScrollBar()->setValue(scrolled);
}

void CHistoryPage::ColourRow(int row, int isRight) {
    if (isRight == 0) {
        list.SetCellColours(row, kVerdictColumn, kMissText, kWhite);
    } else if (IsHit(isRight)) {
        const int hitColumn = kFirstCodeColumn + isRight - 1;
        list.SetCellColours(row, hitColumn, kHitCodeText, kWhite);
        list.SetCellColours(row, kVerdictColumn, kHitVerdictText, kWhite);
        // The green of the hit code is too pale on white to be the only sign of it.
        static const QList<CColorListCtrl::ColumnSpec> columns = CColorListCtrl::ParseColumns(kColumns);
        list.SetRowDescription(
            row, QStringLiteral("命中：%1 %2").arg(columns[hitColumn].name, list.CellText(row, hitColumn)));
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
    if (row < 0 || row >= static_cast<int>(rowSlots.size()) || !app.IsRecordSlot(rowSlots[row])) {
        return nullptr;
    }
    return &app.history[static_cast<std::size_t>(rowSlots[row])];
}

int CHistoryPage::RowOfSlot(int slot) const {
    const auto found = std::ranges::find(rowSlots, slot);
    return found == rowSlots.end() ? -1 : static_cast<int>(found - rowSlots.begin());
}

void CHistoryPage::OnItemChanged(int row) {
    selectedRow = row;
    const HistoryRecord* record = RecordOfRow(row);
    // A list emptied of its current row has nothing to show or to enter.
    issueText = record != nullptr ? QString::fromStdString(record->open_order) : QString();
    UpdateData(false);
    ShowEntry(record != nullptr && IsPending(*record));
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
    // Results go in strictly in the order the predictions were saved. The message names the row as the list
    // numbers it, from 1: with a gap in the file's record numbers that is not the record number.
    const int pending = theApp().FirstPendingRecord();
    const int slot = rowSlots[static_cast<std::size_t>(selectedRow)];
    if (pending != slot) {
        const int pendingRow = RowOfSlot(pending);
        Refuse(QStringLiteral("第%1行还未输入开奖号码，请先输入。")
                   .arg(pendingRow >= 0 ? pendingRow + 1 : pending),
               QStringLiteral("请按时间先后输入开奖号码"));
        return;
    }
    StoreDrawResult(slot, VerdictFor(record->data, drawNumberText.toStdString()));
}

// The store reloads the slots, so no record is read after the write. A failed write has been reported by the
// store and keeps the typed number for another try; a record that another copy of the program gave a result
// first, or removed, fails without a message. Either way the list then shows what the file holds.
void CHistoryPage::StoreDrawResult(int slot, int isRight) {
    if (theApp().SetDrawResult(slot, drawNumberText.toStdString(), isRight)) {
        drawNumberText.clear();
    }
    const QWidget* focused = window()->focusWidget();
    const bool entryHadFocus = focused == &confirmButton || focused == &drawNumberEdit;
    RefreshList(true);
    // When the entry goes, the focus it held goes back to the list rather than on to the issue box after it.
    if (entryHadFocus && drawNumberEdit.isHidden()) {
        list.setFocus();
    }
}

void CHistoryPage::Refuse(const QString& text, const QString& caption) {
    MessageBox(text, caption, this);
    drawNumberText.clear();
    UpdateData(false);
}

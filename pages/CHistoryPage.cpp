// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/CHistoryPage.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QPixmap>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <string>

#include "controls/ImageFile.h"
#include "core/COleDateTime.h"
#include "core/MessageTexts.h"
#include "core/Utf8Text.h"
#include "pages/DialogFont.h"
#include "pages/PageLayout.h"
#include "pages/RecordTexts.h"
#include "res/RecordColumns.h"
#include "res/ResourceIds.h"
#include "shell/FaceKeys.h"
#include "shell/MessageBox.h"
#include "shell/PageChrome.h"
#include "shell/StoreMessages.h"
#include "store/CPredictStore.h"
#include "store/HistoryRecord.h"
#include "store/HistoryRules.h"
#include "store/HistoryVerdict.h"

namespace {

// Full-width forms folded one for one, so the text keeps its length and the cursor its place.
QString PlainDigits(const QString& text) {
    return QString::fromStdString(FoldFullWidth(text.toStdString()));
}

}  // namespace

CHistoryPage::CHistoryPage(CPredictStore& pageStore)
    : confirmButton(this),
      issueEdit(CColorEdit::SingleLine, this),
      drawNumberEdit(this),
      backButton(this),
      list(this),
      drawNumberLabel(this),
      store(pageStore) {
    listener = store.Listen([this](StoreEvent event) {
        if (event == StoreEvent::historyLoaded || event == StoreEvent::historyUnreadable) {
            listStale = true;
        }
    });
    SetBackgroundFile(QStringLiteral("history.ggr"), Layout::HistoryPage::client.w,
                      Layout::HistoryPage::client.h);
    drawNumberLabel.hide();
    drawNumberEdit.hide();
    confirmButton.hide();
    connect(&confirmButton, &QAbstractButton::clicked, this, &CHistoryPage::OnConfirm);
    connect(&backButton, &QAbstractButton::clicked, this,
            [this] { PostNavigate(NavStage::Records, NavCode::Home); });
    connect(&list, &CColorListCtrl::itemChanged, this, &CHistoryPage::OnItemChanged);
    slipActions = AddSlipActions(store, *this, list, [this] { return SelectedSlip(); });
    CopyKeyRunsAction(list, *slipActions.copy);
}

CHistoryPage::~CHistoryPage() {
    store.StopListening(listener);
    // The list goes after this body, and a list half taken apart still sends events: the filter must not see
    // them.
    list.removeEventFilter(this);
}

bool CHistoryPage::OnInitDialog() {
    CPageDialog::OnInitDialog();
    namespace L = Layout::HistoryPage;
    Place(*this, L::client);
    SetUpSkinButton(confirmButton, L::confirmButton, kOkHotBitmap, kOkBitmap, kCeladonKey,
                    QStringLiteral("确定"));
    SetUpSkinButton(backButton, L::backButton, kBackHotBitmap, kBackBitmap, kCeladonKey,
                    QStringLiteral("返回"));

    issueFont = PageFont(20, QStringLiteral("黑体"));
    issueEdit.SetFont(issueFont);
    issueEdit.SetEditColours(kCeladonKey, RGB(0, 40, 40));
    issueEdit.SetCentred(true);
    issueEdit.SetBorder(false);
    Place(issueEdit, L::issueEdit);
    issueEdit.SetAccessibleName(QStringLiteral("期号"));

    // A picture static shows its bitmap at the bitmap's own size from its corner.
    drawNumberLabel.setPixmap(QPixmap::fromImage(ResourceBitmap(kDrawNumberLabelBitmap)));
    drawNumberLabel.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Place(drawNumberLabel, L::drawNumberLabel);

    drawNumberEdit.setFont(DialogFont());
    // Digits only, but as many as are typed: a cap would turn a mistyped 7812 into 781, a number the confirm
    // accepts and may record as a hit. Anything but exactly three digits is refused there instead.
    // A Chinese input method types full-width digits (１２３); they are taken and shown as the plain digits
    // the draw import also reads them as.
    drawNumberEdit.setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9\\x{FF10}-\\x{FF19}]*")), &drawNumberEdit));
    connect(&drawNumberEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString plain = PlainDigits(text);
        if (plain != text) {
            const int cursor = drawNumberEdit.cursorPosition();
            drawNumberEdit.setText(plain);
            drawNumberEdit.setCursorPosition(cursor);
        }
    });
    drawNumberEdit.setAlignment(Qt::AlignCenter);
    Place(drawNumberEdit, L::drawNumberEdit);
    drawNumberEdit.setAccessibleName(QStringLiteral("输入开奖号码"));
    // Typing the number and pressing Enter is the whole entry; 确定 does the same for the mouse.
    connect(&drawNumberEdit, &QLineEdit::returnPressed, this, &CHistoryPage::OnConfirm);

    SetUpList();
    // The issue box only shows the selected record's issue; Tab passes it by. From the list Tab goes straight
    // to the draw number, then 确定 and 返回; the main window's 退出 comes after them.
    issueEdit.setFocusPolicy(Qt::NoFocus);
    issueEdit.editor()->setFocusPolicy(Qt::NoFocus);
    SetTabChain({&list, &drawNumberEdit, &confirmButton, &backButton});
    return true;
}

// The list is filled just before the page is first shown, from the file as it is then. The records page the
// main window keeps behind the panel from start-up is never shown (opening the records builds a new one), so
// start-up does not pay for 399 rows nobody sees.
void CHistoryPage::showEvent(QShowEvent* event) {
    if (!listFilled) {
        listFilled = true;
        store.RefreshIfChanged();
        FillList();
        SelectRow(OpeningRow(), true);
        // With the entry open the player has come to type a number: the box takes the focus.
        if (!drawNumberEdit.isHidden()) {
            drawNumberEdit.setFocus(Qt::OtherFocusReason);
        }
    }
    CPageDialog::showEvent(event);
}

void CHistoryPage::changeEvent(QEvent* event) {
    CPageDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && listFilled && isVisible() && isActiveWindow()) {
        SyncWithFile();
    }
}

void CHistoryPage::SetUpList() {
    list.setFont(DialogFont());
    list.setShowGrid(true);
    list.setSelectionBehavior(QAbstractItemView::SelectRows);
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.horizontalHeader()->hide();
    // Every column is left-aligned. The list shows no header: the background draws the column titles above
    // it, left-aligned over their columns, so each value starts under its title.
    list.DefineColumns(RecordColumnsSpec());
    Place(list, Layout::HistoryPage::list);
    list.setAccessibleName(QStringLiteral("预测记录"));
    // Tab leaves the list for the entry below it rather than walking the cells of the row.
    list.setTabKeyNavigation(false);
    list.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&list, &QWidget::customContextMenuRequested, this, &CHistoryPage::OnListMenu);
    list.installEventFilter(this);  // Shift+F10
    // The due record is the last row: a sideways scroll bar must never cover it (the verdict's two
    // characters still fit in what the vertical bar leaves).
    list.KeepColumnsInView(RecordColumns::kColumns.back().width);
}

bool CHistoryPage::eventFilter(QObject* watched, QEvent* event) {
    // Shift+F10 opens the menu as the Menu key does, for keyboards without one; it opens at the current row.
    if (watched == &list && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
            const QRect row = list.visualRect(list.currentIndex());
            OnListMenu(row.isValid() ? row.center() : QPoint(0, 0));
            return true;
        }
    }
    return CPageDialog::eventFilter(watched, event);
}

// Only the records of the last load are listed: a gap in the file's numbers, or a record gone from it, leaves
// no row behind. The rows go in quietly; the caller selects one.
void CHistoryPage::FillList() {
    const CPredictStore& app = store;
    rowSlots = app.RecordSlots();
    listStale = false;
    const QSignalBlocker quiet(list);
    list.setRowCount(0);
    for (const int slot : rowSlots) {
        const HistoryRecord& record = app.Record(slot);
        ColourRecordRow(list, list.AppendRow(RecordRowTexts(record)), record.is_right);
    }
}

// The store has reloaded the records, perhaps with what another copy of the program wrote: the list shows
// them as they are now.
void CHistoryPage::RefreshList(Selection selection) {
    const std::optional<HistoryRecord> previous = selectedRecord;
    const int scrolled = list.verticalScrollBar()->value();
    FillList();
    const int row = selection == Selection::sameRecord && previous ? RowOfRecord(*previous) : -1;
    if (row < 0) {
        SelectRow(OpeningRow(), true);
        return;
    }
    list.verticalScrollBar()->setValue(scrolled);
    SelectRow(row, false);
}

void CHistoryPage::SyncWithFile() {
    store.RefreshIfChanged();
    if (listStale) {
        RefreshList(Selection::sameRecord);
    }
}

// The record whose draw result can be entered now, so that a player coming for yesterday's draw finds it
// selected and the entry open; when no result is due, the last record.
int CHistoryPage::OpeningRow() const {
    const CPredictStore& app = store;
    const int pending = app.FirstPendingRecord();
    if (IsEntryOpen(app.History(), pending, COleDateTime::GetCurrentTime())) {
        return RowOfSlot(pending);
    }
    return list.rowCount() - 1;
}

// Selected, made current and scrolled into view (centred: the records around it show too); -1 selects
// nothing, as in an empty list.
void CHistoryPage::SelectRow(int row, bool centred) {
    {
        const QSignalBlocker quiet(list);
        list.setCurrentCell(row, row >= 0 ? 0 : -1);
    }
    if (row >= 0) {
        list.scrollTo(list.model()->index(row, 0),
                      centred ? QAbstractItemView::PositionAtCenter : QAbstractItemView::EnsureVisible);
    }
    OnItemChanged(row);
}

void CHistoryPage::ShowEntry(bool show) {
    drawNumberLabel.setVisible(show);
    drawNumberEdit.setVisible(show);
    confirmButton.setVisible(show);
}

void CHistoryPage::UpdateData(bool saveAndValidate) {
    if (saveAndValidate) {
        issueText = issueEdit.Text();
        drawNumberText = PlainDigits(drawNumberEdit.text());
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
    if (row < 0 || row >= static_cast<int>(rowSlots.size()) || !store.IsRecordSlot(rowSlots[row])) {
        return nullptr;
    }
    return &store.Record(rowSlots[static_cast<std::size_t>(row)]);
}

int CHistoryPage::RowOfSlot(int slot) const {
    const auto found = std::ranges::find(rowSlots, slot);
    return found == rowSlots.end() ? -1 : static_cast<int>(found - rowSlots.begin());
}

int CHistoryPage::RowOfRecord(const HistoryRecord& record) const {
    for (int row = 0; row < static_cast<int>(rowSlots.size()); ++row) {
        if (IsSamePrediction(*RecordOfRow(row), record)) {
            return row;
        }
    }
    return -1;
}

// Every record still waiting for its result is offered the entry. One still to be drawn, or one behind an
// earlier record that waits, is refused on 确定 with the reason, rather than leaving the player to guess why
// no entry appears.
void CHistoryPage::OnItemChanged(int row) {
    selectedRow = row;
    const HistoryRecord* record = RecordOfRow(row);
    selectedRecord = record != nullptr ? std::optional<HistoryRecord>(*record) : std::nullopt;
    // A list emptied of its current row has nothing to show or to enter.
    issueText = record != nullptr ? QString::fromStdString(record->open_order) : QString();
    UpdateData(false);
    ShowEntry(record != nullptr && IsPending(*record));
}

void CHistoryPage::OnConfirm() {
    UpdateData(true);
    if (RecordOfRow(selectedRow) != nullptr) {
        StoreDrawResult(rowSlots[static_cast<std::size_t>(selectedRow)]);
    }
}

// The store checks the number against the file as it is and writes it in one step, then reloads, so no record
// is read after the write. Once the result is in, the page moves on to the next record whose result is due.
// A failed write, or a file locked by another program, keeps the record and the typed number for another try.
// A refusal clears the number. When another running copy gave the record its result first, or moved or
// archived records, the box says so; the record stays selected where it is now if it is still listed, and
// keeps the typed number only if it can still take it. Either way the list then shows what the file holds.
void CHistoryPage::StoreDrawResult(int slot) {
    const QString typed = drawNumberText;
    const std::optional<HistoryRecord> typedFor = selectedRecord;
    const DrawEntry entry = store.EnterDraw(slot, typed.toStdString(), COleDateTime::GetCurrentTime());
    const bool keepNumber =
        entry.reason == DrawEntry::Reason::failed || entry.reason == DrawEntry::Reason::locked;
    if (!keepNumber) {
        drawNumberText.clear();  // so that the refresh does not put it into another record's entry
    }
    const QWidget* focused = window()->focusWidget();
    const bool entryHadFocus = focused == &confirmButton || focused == &drawNumberEdit;
    RefreshList(entry.Written() ? Selection::opening : Selection::sameRecord);
    if (entry.reason == DrawEntry::Reason::changedMeanwhile && typedFor && selectedRecord &&
        IsSamePrediction(*selectedRecord, *typedFor) && !drawNumberEdit.isHidden()) {
        drawNumberText = typed;  // the same prediction under another number still waits for this result
        drawNumberEdit.setText(drawNumberText);
    }
    if (const MessageText* said = MessageFor(entry.reason)) {
        QString text = TextOf(*said);
        if (entry.reason == DrawEntry::Reason::earlierPending) {
            text = text.arg(entry.pendingRow);
        }
        if (entry.reason == DrawEntry::Reason::notADrawNumber) {
            text += QStringLiteral("\r\n") + TextOf(Messages::kDrawNumberForm);
        }
        // A refusal by the rules is the page's own word; what went wrong with the file is a warning.
        const bool byTheRules = entry.reason == DrawEntry::Reason::notDue ||
                                entry.reason == DrawEntry::Reason::notADrawNumber ||
                                entry.reason == DrawEntry::Reason::earlierPending;
        MessageBox(text, CaptionOf(*said), this, byTheRules ? QMessageBox::NoIcon : QMessageBox::Warning);
    }
    // The next result can be typed at once; when the entry goes, the focus it held goes back to the list
    // rather than on to the issue box after it.
    if (entryHadFocus) {
        if (drawNumberEdit.isHidden()) {
            list.setFocus();
        } else {
            drawNumberEdit.setFocus();
        }
    }
}

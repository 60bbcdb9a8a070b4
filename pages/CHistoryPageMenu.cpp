// SPDX-License-Identifier: GPL-3.0-or-later
// The records list's context menu and its commands: the statistics, the exports to CSV and Excel, the import
// of draw numbers, archiving records, and copying, printing or exporting the selected record's codes. The
// history holds at most 399 predictions; moving the oldest ones that already have their draw result into the
// archive makes room for new ones, and nothing is ever lost.
#include <QInputDialog>
#include <QLayout>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

#include "controls/WindowPlacement.h"
#include "pages/CHistoryPage.h"
#include "pages/RecordTexts.h"
#include "pages/RecordsMenuActions.h"
#include "shell/Backups.h"
#include "shell/MessageBox.h"
#include "shell/StoreMessages.h"
#include "store/CPredictStore.h"
#include "store/HistoryRecord.h"

// One line per command, in menu order; a command that has nothing to act on is shown greyed.
std::unique_ptr<QMenu> CHistoryPage::CreateListMenu() {
    struct Command {
        QString text;
        bool enabled;
        void (CHistoryPage::*run)();
    };
    const bool hasRecords = !store.RecordSlots().empty();
    // The exports cover the archive too: an emptied history still has records to export.
    const bool hasAnyRecords = hasRecords || store.ArchiveCount() > 0;
    const Command commands[] = {
        {QStringLiteral("统计"), true, &CHistoryPage::ShowStatistics},
        {QStringLiteral("导出为 CSV…"), hasAnyRecords, &CHistoryPage::ExportRecords},
        {QStringLiteral("导出为 Excel 表格…"), hasAnyRecords, &CHistoryPage::ExportWorkbook},
        {QStringLiteral("导入开奖号码…"), hasRecords, &CHistoryPage::ImportDraws},
        {QStringLiteral("归档已开奖的记录…"), !SlotsWithResult().empty(),
         &CHistoryPage::ArchiveRecordsWithResult},
        {QStringLiteral("查看归档…"), store.ArchiveCount() > 0, &CHistoryPage::ShowArchive},
    };
    auto menu = std::make_unique<QMenu>(this);
    for (const Command& command : commands) {
        QAction* action = menu->addAction(command.text);
        action->setEnabled(command.enabled);
        connect(action, &QAction::triggered, this, command.run);
    }
    // What the selected record is: one line to copy, a slip to print or keep as a PDF.
    menu->addSeparator();
    const bool selected = RecordOfRow(selectedRow) != nullptr;
    for (QAction* action : {slipActions.copy, slipActions.print, slipActions.pdf}) {
        action->setEnabled(selected);
        menu->addAction(action);
    }
    return menu;
}

// Each command reads the file as it is now; should that bring news from another copy of the program, the list
// shows it too afterwards.
void CHistoryPage::ShowStatistics() {
    OpenStatistics(store, this);
    SyncWithFile();
}

void CHistoryPage::ExportRecords() {
    ExportRecordsFromMenu(store, this);
    SyncWithFile();
}

void CHistoryPage::ShowArchive() {
    OpenArchive(store, this);
    SyncWithFile();
}

void CHistoryPage::ExportWorkbook() {
    ExportWorkbookFromMenu(store, this);
    SyncWithFile();
}

// The selected record as the list shows it; nothing while no row is selected.
std::optional<PredictionSlip> CHistoryPage::SelectedSlip() const {
    const HistoryRecord* record = RecordOfRow(selectedRow);
    return record != nullptr ? std::optional(SlipOfRecord(*record)) : std::nullopt;
}

// Draws that went in change rows anywhere in the list: it is filled again, on the next record due.
void CHistoryPage::ImportDraws() {
    if (ImportDrawsFromMenu(store, this)) {
        RefreshList(Selection::opening);
    } else {
        SyncWithFile();
    }
}

// The menu offers what the file allows now.
void CHistoryPage::OnListMenu(const QPoint& position) {
    SyncWithFile();
    const std::unique_ptr<QMenu> menu = CreateListMenu();
    menu->exec(list.viewport()->mapToGlobal(position));
    // The keys act on whatever is selected when they are pressed.
    for (QAction* action : {slipActions.copy, slipActions.print, slipActions.pdf}) {
        action->setEnabled(true);
    }
}

// The records that have their draw result, oldest first. Results are entered in record order, so normally
// these are the first records of the list.
std::vector<int> CHistoryPage::SlotsWithResult() const {
    std::vector<int> chosen;
    for (const int slot : store.RecordSlots()) {
        if (store.Record(slot).HasDrawResult()) {
            chosen.push_back(slot);
        }
    }
    return chosen;
}

// Asks how many, names them and moves them into the archive, after a safety copy of the file; the store
// numbers the rest again, or leaves the file as it was. The list then shows the records as the file holds
// them, and a box says why when nothing was archived (another running copy changed them first, the file was
// locked, or the write failed).
void CHistoryPage::ArchiveRecordsWithResult() {
    std::vector<int> chosen = SlotsWithResult();
    if (chosen.empty()) {
        return;
    }
    const int count = AskArchiveCount(static_cast<int>(chosen.size()));
    if (count < 1) {
        return;
    }
    chosen.resize(static_cast<std::size_t>(count));
    if (!ConfirmArchive(chosen)) {
        return;
    }
    QString error;
    if (!TakeSafetyCopy(store, error)) {
        MessageBox(error, CaptionOf(Messages::kSafetyCopyFailed), this, QMessageBox::Warning);
        return;
    }
    const ArchiveOutcome outcome = store.ArchiveRecords(chosen);
    RefreshList(Selection::opening);
    if (const MessageText* said = MessageFor(outcome)) {
        MessageBox(*said, this, QMessageBox::Warning);
    }
}

// 0 when the user cancels.
int CHistoryPage::AskArchiveCount(int available) {
    QInputDialog dialog(this);
    dialog.setWindowTitle(CaptionOf(Messages::kArchiveHowMany));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setLabelText(TextOf(Messages::kArchiveHowMany).arg(available));
    dialog.setIntRange(1, available);
    dialog.setIntValue(1);
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    // The short question would leave the window too narrow for its caption in the window manager's title bar.
    if (QLayout* layout = dialog.layout()) {
        layout->addItem(new QSpacerItem(WidthForCaption(dialog.windowTitle()), 0, QSizePolicy::Minimum,
                                        QSizePolicy::Fixed));
    }
    PlaceOverOwner(dialog, this, false);
    return dialog.exec() == QDialog::Accepted ? dialog.intValue() : 0;
}

// The question names the records; the safe answer is the default.
bool CHistoryPage::ConfirmArchive(const std::vector<int>& chosen) {
    std::vector<const HistoryRecord*> records;
    for (const int slot : chosen) {
        records.push_back(&store.Record(slot));
    }
    return AskQuestion(ArchiveQuestion(records), CaptionOf(Messages::kArchiveQuestion),
                       QStringLiteral("归档"), this);
}

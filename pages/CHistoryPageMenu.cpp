// The records list's context menu and its commands: the statistics, the export to CSV, the import of draw
// numbers, and removing records. The history holds at most 399 predictions; removing the oldest ones that
// already have their draw result makes room for new ones.
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include "controls/WindowPlacement.h"
#include "pages/CHistoryPage.h"
#include "pages/RecordTexts.h"
#include "pages/RecordsMenuActions.h"
#include "shell/CPredictApp.h"
#include "store/HistoryRecord.h"

namespace {

const QString kRemovalCaption = QStringLiteral("删除已开奖的记录");

}  // namespace

// One line per command, in menu order; a command that has nothing to act on is shown greyed.
std::unique_ptr<QMenu> CHistoryPage::CreateListMenu() {
    struct Command {
        QString text;
        bool enabled;
        void (CHistoryPage::*run)();
    };
    const bool hasRecords = !theApp().RecordSlots().empty();
    const Command commands[] = {
        {QStringLiteral("统计"), true, &CHistoryPage::ShowStatistics},
        {QStringLiteral("导出为 CSV…"), hasRecords, &CHistoryPage::ExportRecords},
        {QStringLiteral("导入开奖号码…"), hasRecords, &CHistoryPage::ImportDraws},
        {QStringLiteral("删除已开奖的记录…"), !SlotsWithResult().empty(),
         &CHistoryPage::RemoveRecordsWithResult},
    };
    auto menu = std::make_unique<QMenu>(this);
    for (const Command& command : commands) {
        QAction* action = menu->addAction(command.text);
        action->setEnabled(command.enabled);
        connect(action, &QAction::triggered, this, command.run);
    }
    return menu;
}

void CHistoryPage::ShowStatistics() {
    OpenStatistics(this);
}

void CHistoryPage::ExportRecords() {
    ExportRecordsFromMenu(this);
}

// Draws that went in change rows anywhere in the list, so it is filled again where it was.
void CHistoryPage::ImportDraws() {
    if (ImportDrawsFromMenu(this)) {
        RefreshList(true);
    }
}

void CHistoryPage::OnListMenu(const QPoint& position) {
    const std::unique_ptr<QMenu> menu = CreateListMenu();
    menu->exec(list.viewport()->mapToGlobal(position));
}

// The records that have their draw result, oldest first. Results are entered in record order, so normally
// these are the first records of the list.
std::vector<int> CHistoryPage::SlotsWithResult() const {
    const CPredictApp& app = theApp();
    std::vector<int> chosen;
    for (const int slot : app.RecordSlots()) {
        if (app.history[static_cast<std::size_t>(slot)].HasDrawResult()) {
            chosen.push_back(slot);
        }
    }
    return chosen;
}

// Asks how many, names them and removes them; the store numbers the rest again and says "保存失败!" when it
// cannot, leaving the file as it was. The list then shows the records as the file holds them.
void CHistoryPage::RemoveRecordsWithResult() {
    std::vector<int> chosen = SlotsWithResult();
    if (chosen.empty()) {
        return;
    }
    const int count = AskRemovalCount(static_cast<int>(chosen.size()));
    if (count < 1) {
        return;
    }
    chosen.resize(static_cast<std::size_t>(count));
    if (!ConfirmRemoval(chosen)) {
        return;
    }
    theApp().RemoveRecords(chosen);
    RefreshList(false);
}

// 0 when the user cancels.
int CHistoryPage::AskRemovalCount(int available) {
    QInputDialog dialog(this);
    dialog.setWindowTitle(kRemovalCaption);
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setLabelText(QStringLiteral("已开奖的记录共%1条。\n要删除最早的几条？（1～%1）").arg(available));
    dialog.setIntRange(1, available);
    dialog.setIntValue(1);
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    PlaceOverOwner(dialog, this, false);
    return dialog.exec() == QDialog::Accepted ? dialog.intValue() : 0;
}

// Removal cannot be undone: the question names the records and the safe answer is the default.
bool CHistoryPage::ConfirmRemoval(const std::vector<int>& chosen) {
    const CPredictApp& app = theApp();
    std::vector<const HistoryRecord*> records;
    for (const int slot : chosen) {
        records.push_back(&app.history[static_cast<std::size_t>(slot)]);
    }
    QMessageBox question(QMessageBox::Question, kRemovalCaption, RemovalQuestion(records),
                         QMessageBox::NoButton, this);
    const QPushButton* remove = question.addButton(QStringLiteral("删除"), QMessageBox::AcceptRole);
    question.setDefaultButton(question.addButton(QStringLiteral("取消"), QMessageBox::RejectRole));
    PlaceOverOwner(question, this, false);
    question.exec();
    return question.clickedButton() == remove;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The prediction records: one list row per saved prediction with its date, issue, eight codes, the real draw
// number and the verdict. Selecting a prediction that still waits for its result offers an entry for the
// draw number; entering it decides which code, if any, was hit, stores the result and marks the row. The
// list's context menu holds the commands on the records as a whole, such as making room in a full history.
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "controls/CColorEdit.h"
#include "controls/CColorListCtrl.h"
#include "controls/CSkinButton.h"
#include "pages/SlipActions.h"
#include "shell/CPageDialog.h"
#include "store/HistoryRecord.h"

class CPredictStore;
class QPoint;

class CHistoryPage : public CPageDialog {
    Q_OBJECT

public:
    // Lists the records of pageStore, which must outlive the page, and listens to its loads for as long as
    // the page lives.
    explicit CHistoryPage(CPredictStore& pageStore);
    ~CHistoryPage() override;

    CSkinButton confirmButton;  // 确定
    CColorEdit issueEdit;       // the issue of the selected row
    QLineEdit drawNumberEdit;   // hidden until a row without result is selected
    CSkinButton backButton;
    CColorListCtrl list;
    QLabel drawNumberLabel;  // the picture 输入开奖号码:

    // The list's context menu as a right click opens it; its items act on this page.
    std::unique_ptr<QMenu> CreateListMenu();

    // The row of the last selection change; -1 before the first one.
    int selectedRow = -1;
    QString drawNumberText;
    QString issueText;

    // The draw-number box while the entry is open, else the list.
    QWidget* FirstControl() override {
        return drawNumberEdit.isHidden() ? static_cast<QWidget*>(&list) : &drawNumberEdit;
    }

protected:
    bool OnInitDialog() override;
    void showEvent(QShowEvent* event) override;
    // Coming back to the window: another copy of the program may have changed the records meanwhile.
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where the selection goes when the list is filled again.
    enum class Selection {
        opening,     // as a freshly opened page: the record whose result is due next, else the last one
        sameRecord,  // the record selected before, wherever it is now; as opening when it is gone
    };

    void UpdateData(bool saveAndValidate);
    void SetUpList();
    // The verdict column as wide as the view leaves it, at most its own width.
    void FillList();
    void RefreshList(Selection selection);
    // Fills the list again when the store has loaded the history since it was filled: reloads it first when
    // the file changed since the last load.
    void SyncWithFile();
    int OpeningRow() const;
    void SelectRow(int row, bool centred);
    void ShowEntry(bool show);
    QFont IssueFontFor(const QString& text) const;

    void OnItemChanged(int row);
    void OnConfirm();
    void StoreDrawResult(int slot);
    // The record shown on row, or null when the row holds none (or it is no longer in the history).
    const HistoryRecord* RecordOfRow(int row) const;
    // The list row, from 0, that shows the record in slot; -1 when none does.
    int RowOfSlot(int slot) const;
    // The list row that shows this prediction, whatever its number now; -1 when none does.
    int RowOfRecord(const HistoryRecord& record) const;

    // The list's context menu (CHistoryPageMenu.cpp).
    void OnListMenu(const QPoint& position);
    void ShowStatistics();
    void ShowArchive();
    void ExportRecords();
    void ExportWorkbook();
    void ImportDraws();
    std::optional<PredictionSlip> SelectedSlip() const;
    void ArchiveRecordsWithResult();
    std::vector<int> SlotsWithResult() const;
    int AskArchiveCount(int available);
    bool ConfirmArchive(const std::vector<int>& chosen);

    CPredictStore& store;
    // The store's number for this page's listener, and whether the store has loaded the history since the
    // list was last filled. A load only marks the list: it is filled again where the page chooses to, never
    // in the middle of its own write.
    int listener = 0;
    bool listStale = true;
    bool listFilled = false;
    // The slot of the record each row shows, as the list was last filled.
    std::vector<int> rowSlots;
    // The prediction the selected row showed when it was selected, kept across a reload.
    std::optional<HistoryRecord> selectedRecord;
    QFont issueFont;
    // 复制号码 (Ctrl+C in the list), 打印预测单… (Ctrl+P) and 导出 PDF… of the selected record.
    SlipActions slipActions;
};

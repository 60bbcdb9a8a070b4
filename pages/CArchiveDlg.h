#pragma once
// 查看归档…: the records moved out of the history into the archive, read only, newest first, in the records
// list's columns and colours. Nothing here changes the file.
#include <QString>
#include <vector>

#include "controls/CColorListCtrl.h"
#include "controls/CSkinButton.h"
#include "shell/CPageDialog.h"
#include "store/HistoryRecord.h"

class CArchiveDlg : public CPageDialog {
    Q_OBJECT

public:
    // archive: in the order the records were archived; the list shows the newest first.
    explicit CArchiveDlg(std::vector<ArchivedRecord> archive, QWidget* parent = nullptr);

    // What the window says under its list: Messages::kArchiveCount, or kArchiveEmpty.
    QString CountText() const;

    CColorListCtrl list;
    CSkinButton backButton;

protected:
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<ArchivedRecord> records;  // newest first, as listed
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 查看归档…: the records moved out of the history into the archive, read only, newest first, in the records
// list's columns and colours. Nothing here changes the file. The list reads the archive from the file a page
// at a time as it scrolls, so years of records open as quickly as a few.
#include <QString>

#include "controls/CColorListView.h"
#include "controls/CSkinButton.h"
#include "pages/CArchiveModel.h"
#include "shell/CPageDialog.h"

class CPredictStore;

class CArchiveDlg : public CPageDialog {
    Q_OBJECT

public:
    // store: where the archive is read, for as long as the window is open; it must outlive the window.
    explicit CArchiveDlg(const CPredictStore& store, QWidget* parent = nullptr);

    // The archive's extent and its newest records could be read.
    bool IsReadable() const { return archive.IsReadable(); }

    // What the window says under its list: Messages::kArchiveCount, or kArchiveEmpty.
    QString CountText() const;

    CColorListView list;
    CSkinButton backButton;

protected:
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    CArchiveModel archive;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The archive as 查看归档… lists it: newest first, in the records list's columns and colours, read from the
// file a page at a time as rows come into view. Opening a view of years of records reads one screenful; a
// few pages stay in memory for scrolling back and forth.
#include <QAbstractTableModel>
#include <QStringList>
#include <list>
#include <vector>

#include "store/HistoryRecord.h"

class CPredictStore;

class CArchiveModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Rows a page holds: a few screens of the list.
    static constexpr int kPageRows = 128;
    // Pages kept at once.
    static constexpr std::size_t kPagesKept = 16;

    // The records the archive holds now, read through store, which must outlive the model. Records archived
    // later (by another copy of the program) are not listed.
    explicit CArchiveModel(const CPredictStore& store, QObject* parent = nullptr);

    // The archive's extent and its newest page could be read.
    bool IsReadable() const { return readable; }
    int Count() const { return span.count; }
    // When the newest record was archived, "YYYY-MM-DD HH:MM:SS"; empty without records.
    QString NewestArchivedAt() const { return newestArchivedAt; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Row {
        QStringList texts;
        int isRight = 0;
    };
    struct Page {
        int number = 0;
        std::vector<Row> rows;
    };
    // The page of row, read from the file when it is not in memory; nullptr when it cannot be read.
    const Row* RowAt(int row) const;
    bool ReadPage(int number, std::vector<ArchivedRecord>& records) const;
    static std::vector<Row> RowsOf(const std::vector<ArchivedRecord>& records);

    const CPredictStore& store;
    ArchiveSpan span;
    bool readable = false;
    QString newestArchivedAt;
    mutable std::list<Page> pages;  // the most recently used first
};

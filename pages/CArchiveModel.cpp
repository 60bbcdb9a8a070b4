// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/CArchiveModel.h"

#include <QBrush>
#include <algorithm>
#include <optional>
#include <utility>

#include "pages/RecordTexts.h"
#include "res/RecordColumns.h"
#include "store/CPredictStore.h"

CArchiveModel::CArchiveModel(const CPredictStore& archiveStore, QObject* parent)
    : QAbstractTableModel(parent), store(archiveStore) {
    std::vector<ArchivedRecord> newest;
    const std::optional<ArchiveSpan> extent = store.ReadArchiveSpan();
    span = extent.value_or(ArchiveSpan{});
    readable = extent && ReadPage(0, newest);
    if (!readable) {
        span = {};
        return;
    }
    if (!newest.empty()) {
        newestArchivedAt = QString::fromStdString(newest.front().archivedAt);
    }
    pages.push_front({0, RowsOf(newest)});
}

// Row r is the record r places below the newest. Numbers without gaps (the program's own archiving never
// leaves any) find a page by its number, at once at any depth; otherwise by counting places.
bool CArchiveModel::ReadPage(int number, std::vector<ArchivedRecord>& records) const {
    const std::int64_t firstRow = static_cast<std::int64_t>(number) * kPageRows;
    const bool noGaps = span.newest - span.oldest + 1 == span.count;
    std::optional<std::vector<ArchivedRecord>> page = store.LoadArchivePage(
        noGaps ? span.newest - firstRow : span.newest, noGaps ? 0 : static_cast<int>(firstRow), kPageRows);
    records = page ? std::move(*page) : std::vector<ArchivedRecord>();
    return page.has_value();
}

std::vector<CArchiveModel::Row> CArchiveModel::RowsOf(const std::vector<ArchivedRecord>& records) {
    std::vector<Row> rows;
    rows.reserve(records.size());
    for (const ArchivedRecord& archived : records) {
        rows.push_back({RecordRowTexts(archived.record), archived.record.is_right});
    }
    return rows;
}

const CArchiveModel::Row* CArchiveModel::RowAt(int row) const {
    const int number = row / kPageRows;
    auto page =
        std::find_if(pages.begin(), pages.end(), [number](const Page& p) { return p.number == number; });
    if (page == pages.end()) {
        std::vector<ArchivedRecord> records;
        if (!ReadPage(number, records)) {
            return nullptr;  // the file cannot be read now: the row stays blank
        }
        pages.push_front({number, RowsOf(records)});
        if (pages.size() > kPagesKept) {
            pages.pop_back();
        }
        page = pages.begin();
    } else if (page != pages.begin()) {
        pages.splice(pages.begin(), pages, page);
    }
    const auto place = static_cast<std::size_t>(row % kPageRows);
    return place < page->rows.size() ? &page->rows[place] : nullptr;
}

int CArchiveModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : span.count;
}

int CArchiveModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(RecordColumns::kColumns.size());
}

QVariant CArchiveModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= span.count) {
        return {};
    }
    const Row* row = RowAt(index.row());
    if (row == nullptr) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return row->texts.value(index.column());
        case Qt::ForegroundRole:
        case Qt::BackgroundRole: {
            COLORREF text = 0;
            COLORREF back = 0;
            if (!RecordCellColours(row->isRight, index.column(), text, back)) {
                return {};  // the list's own colours
            }
            return QBrush(ToQColor(role == Qt::ForegroundRole ? text : back));
        }
        case Qt::AccessibleDescriptionRole: {
            const QString description = RecordRowDescription(row->isRight, row->texts);
            return description.isEmpty() ? QVariant() : QVariant(description);
        }
        default:
            return {};
    }
}

QVariant CArchiveModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return QString::fromUtf8(RecordColumns::kColumns[static_cast<std::size_t>(section)].title);
    }
    if (role == Qt::TextAlignmentRole) {
        return static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

Qt::ItemFlags CArchiveModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CColorListView.h"

#include <QHeaderView>
#include <algorithm>

#include "controls/CColorListCtrl.h"

CColorListView::CColorListView(QWidget* parent) : CColourList<QTableView>(parent) {}

void CColorListView::SetColumnWidths(const QString& spec) {
    const QList<CColorListCtrl::ColumnSpec> columns = CColorListCtrl::ParseColumns(spec);
    for (int column = 0; column < columnCount() && column < columns.size(); ++column) {
        setColumnWidth(column,
                       std::clamp(columns[column].width, 0, horizontalHeader()->maximumSectionSize()));
    }
}

int CColorListView::rowCount() const {
    return model() != nullptr ? model()->rowCount() : 0;
}

int CColorListView::columnCount() const {
    return model() != nullptr ? model()->columnCount() : 0;
}

void CColorListView::setCurrentCell(int row, int column) {
    if (model() != nullptr) {
        setCurrentIndex(model()->index(row, column));
    }
}

QString CColorListView::CellText(int row, int column) const {
    return model() != nullptr ? model()->index(row, column).data(Qt::DisplayRole).toString() : QString();
}

COLORREF CColorListView::CellTextColour(int row, int column) const {
    const QModelIndex index = model() != nullptr ? model()->index(row, column) : QModelIndex();
    return index.isValid() ? CellColour(index, Qt::ForegroundRole, colours.text)
                           : CColorListCtrl::kDefaultColour;
}

COLORREF CColorListView::CellBackColour(int row, int column) const {
    const QModelIndex index = model() != nullptr ? model()->index(row, column) : QModelIndex();
    return index.isValid() ? CellColour(index, Qt::BackgroundRole, colours.back)
                           : CColorListCtrl::kDefaultColour;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CColorListCtrl's look and keys over a model of the caller's: for lists too long to hold every cell as an
// item, whose model reads rows as they come into view. The model gives each cell's text (DisplayRole) and,
// where a cell has colours of its own, its text and back colours (ForegroundRole, BackgroundRole, as
// brushes); every other cell takes the list's default colours, and the selected row the selection colours.
#include <QTableView>

#include "controls/CColourList.h"

class CColorListView : public CColourList<QTableView> {
    Q_OBJECT

public:
    explicit CColorListView(QWidget* parent = nullptr);

    // The widths of a column text as CColorListCtrl::DefineColumns reads it, given to the model's columns in
    // turn; the names come from the model.
    void SetColumnWidths(const QString& spec);

    int rowCount() const;
    int columnCount() const;
    int currentRow() const { return currentIndex().row(); }
    void setCurrentCell(int row, int column);

    QString CellText(int row, int column) const;
    // CColorListCtrl::kDefaultColour for a cell that does not exist.
    COLORREF CellTextColour(int row, int column) const;
    COLORREF CellBackColour(int row, int column) const;
};

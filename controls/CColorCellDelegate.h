// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paints one cell of a CColorListCtrl or a CColorListView: its back colour over the whole cell, its text
// without margin or ellipsis; a selected row in the list's selection colours. While the list has the focus,
// its current row wears a frame in the ink of the pictures (the cells draw their parts of it), so a keyboard
// user sees where the arrow keys act; the style's own frame around one cell is never drawn.
#include <QStyledItemDelegate>

#include "controls/Colour.h"

class QTableView;
class QWidget;

// The colours a list paints a cell in that has none of its own, and its selected row in.
struct ListColours {
    COLORREF text = 0;
    COLORREF back = 0;
    COLORREF selectedText = 0;
    COLORREF selectedBack = 0;

    // The system's, from the application's palette for widget.
    static ListColours OfPalette(const QWidget* widget);
};

// The colour a cell holds in role (Qt::ForegroundRole or Qt::BackgroundRole, a brush), or fallback when it
// holds none.
COLORREF CellColour(const QModelIndex& index, int role, COLORREF fallback);

// What every colour list is: no headers, a grid, whole rows selected one at a time, nothing edited, Tab going
// on to the next field, one line per row as high as the font.
void SetUpColourList(QTableView& view);
// Repaints the whole rows of the current and the previous cell: the focus frame spans the row, and the view
// itself repaints only the current cell.
void RepaintRows(QTableView& view, const QModelIndex& current, const QModelIndex& previous);

class CColorCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // colours: the list's, read at every paint; they live as long as the list.
    CColorCellDelegate(QTableView* list, const ListColours* colours);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // The focus frame's colour, the same ink as the buttons' frame.
    static constexpr unsigned kFocusFrameRgb = 0x002828;

private:
    Qt::Alignment ColumnAlignment(const QModelIndex& index) const;
    void PaintFocusFrame(QPainter& painter, const QRect& cell, int column, int columns) const;

    QTableView* list;
    const ListColours* colours;
};

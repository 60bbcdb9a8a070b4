// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CColorCellDelegate.h"

#include <QApplication>
#include <QBrush>
#include <QHeaderView>
#include <QPainter>
#include <QPalette>
#include <QTableView>

ListColours ListColours::OfPalette(const QWidget* widget) {
    const QPalette pal = QApplication::palette(widget);
    return {FromQColor(pal.color(QPalette::WindowText)), FromQColor(pal.color(QPalette::Base)),
            FromQColor(pal.color(QPalette::HighlightedText)), FromQColor(pal.color(QPalette::Highlight))};
}

COLORREF CellColour(const QModelIndex& index, int role, COLORREF fallback) {
    const QVariant value = index.data(role);
    return value.isValid() ? FromQColor(value.value<QBrush>().color()) : fallback;
}

void SetUpColourList(QTableView& view) {
    view.horizontalHeader()->hide();
    view.verticalHeader()->hide();
    view.horizontalHeader()->setMinimumSectionSize(0);
    view.setShowGrid(true);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab moves on to the page's next field; the arrow keys move between rows.
    view.setTabKeyNavigation(false);
    view.setWordWrap(false);
    view.verticalHeader()->setDefaultSectionSize(view.fontMetrics().height() + 4);
}

void RepaintRows(QTableView& view, const QModelIndex& current, const QModelIndex& previous) {
    for (const QModelIndex& index : {current, previous}) {
        if (index.isValid()) {
            const QRect row = view.visualRect(index);
            view.viewport()->update(QRect(0, row.top(), view.viewport()->width(), row.height()));
        }
    }
}

CColorCellDelegate::CColorCellDelegate(QTableView* owner, const ListColours* listColours)
    : QStyledItemDelegate(owner), list(owner), colours(listColours) {}

void CColorCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    COLORREF text = CellColour(index, Qt::ForegroundRole, colours->text);
    COLORREF back = CellColour(index, Qt::BackgroundRole, colours->back);
    // Selection wins over the cell's own colours, so the whole row reads as one.
    if (selected) {
        text = colours->selectedText;
        back = colours->selectedBack;
    }
    painter->save();
    painter->setClipRect(option.rect);
    painter->fillRect(option.rect, ToQColor(back));
    const QString caption = index.data(Qt::DisplayRole).toString();
    if (!caption.isEmpty()) {
        painter->setFont(option.font);
        painter->setPen(ToQColor(text));
        painter->drawText(option.rect, ColumnAlignment(index) | Qt::AlignVCenter | Qt::TextSingleLine,
                          caption);
    }
    if (list->hasFocus() && index.row() == list->currentIndex().row()) {
        PaintFocusFrame(*painter, option.rect, index.column(), index.model()->columnCount());
    }
    painter->restore();
}

// Top and bottom edge of every cell of the row, the left edge of the first and the right edge of the last.
void CColorCellDelegate::PaintFocusFrame(QPainter& painter, const QRect& cell, int column,
                                         int columns) const {
    const QColor ink = QColor::fromRgb(kFocusFrameRgb);
    painter.fillRect(QRect(cell.left(), cell.top(), cell.width(), 1), ink);
    painter.fillRect(QRect(cell.left(), cell.bottom(), cell.width(), 1), ink);
    if (column == 0) {
        painter.fillRect(QRect(cell.left(), cell.top(), 1, cell.height()), ink);
    }
    if (column == columns - 1) {
        painter.fillRect(QRect(cell.right(), cell.top(), 1, cell.height()), ink);
    }
}

Qt::Alignment CColorCellDelegate::ColumnAlignment(const QModelIndex& index) const {
    const QVariant value = index.model()->headerData(index.column(), Qt::Horizontal, Qt::TextAlignmentRole);
    const auto alignment = Qt::Alignment(value.toInt()) & Qt::AlignHorizontal_Mask;
    if (alignment & Qt::AlignHCenter) {
        return Qt::AlignHCenter;
    }
    // Any other alignment than left is drawn right, as the list's column formats have only three choices.
    if (alignment != 0 && alignment != Qt::AlignLeft) {
        return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

#include "controls/CColorCellDelegate.h"

#include <QPainter>

#include "controls/CColorListCtrl.h"

CColorCellDelegate::CColorCellDelegate(CColorListCtrl* owner) : QStyledItemDelegate(owner), list(owner) {}

void CColorCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    COLORREF text = list->CellTextColour(index.row(), index.column());
    COLORREF back = list->CellBackColour(index.row(), index.column());
    if (text == CColorListCtrl::kDefaultColour) {
        text = list->DefaultTextColour();
    }
    if (back == CColorListCtrl::kDefaultColour) {
        back = list->DefaultBackColour();
    }
    // Selection wins over the cell's own colours, so the whole row reads as one.
    if (selected) {
        text = list->SelectedTextColour();
        back = list->SelectedBackColour();
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
    if (list->hasFocus() && index.row() == list->currentRow()) {
        PaintFocusFrame(*painter, option.rect, index.column());
    }
    painter->restore();
}

// Top and bottom edge of every cell of the row, the left edge of the first and the right edge of the last.
void CColorCellDelegate::PaintFocusFrame(QPainter& painter, const QRect& cell, int column) const {
    const QColor ink = QColor::fromRgb(kFocusFrameRgb);
    painter.fillRect(QRect(cell.left(), cell.top(), cell.width(), 1), ink);
    painter.fillRect(QRect(cell.left(), cell.bottom(), cell.width(), 1), ink);
    if (column == 0) {
        painter.fillRect(QRect(cell.left(), cell.top(), 1, cell.height()), ink);
    }
    if (column == list->columnCount() - 1) {
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

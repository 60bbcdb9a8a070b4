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
    painter->restore();
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

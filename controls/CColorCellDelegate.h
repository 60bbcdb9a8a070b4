#pragma once
// Paints one cell of a CColorListCtrl: its back colour over the whole cell, its text without margin or
// ellipsis, no focus frame; a selected row in the list's selection colours.
#include <QStyledItemDelegate>

class CColorListCtrl;

class CColorCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit CColorCellDelegate(CColorListCtrl* list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    Qt::Alignment ColumnAlignment(const QModelIndex& index) const;

    CColorListCtrl* list;
};

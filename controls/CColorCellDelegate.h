#pragma once
// Paints one cell of a CColorListCtrl: its back colour over the whole cell, its text without margin or
// ellipsis; a selected row in the list's selection colours. While the list has the focus, its current row
// wears a frame in the ink of the pictures (the cells draw their parts of it), so a keyboard user sees where
// the arrow keys act; the style's own frame around one cell is never drawn.
#include <QStyledItemDelegate>

class CColorListCtrl;

class CColorCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit CColorCellDelegate(CColorListCtrl* list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // The focus frame's colour, the same ink as the buttons' frame.
    static constexpr unsigned kFocusFrameRgb = 0x002828;

private:
    Qt::Alignment ColumnAlignment(const QModelIndex& index) const;
    void PaintFocusFrame(QPainter& painter, const QRect& cell, int column) const;

    CColorListCtrl* list;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the two colour lists share, whichever view they are (CColorListCtrl holds its own items,
// CColorListView shows a model of the caller's): the cell delegate and its colours, the look SetUpColourList
// gives, the focus frame drawn over the whole current row, and no row made current by the focus step alone.
#include <QEvent>
#include <QHeaderView>
#include <QTableView>
#include <algorithm>

#include "controls/CColorCellDelegate.h"

template <class View>
class CColourList : public View {
public:
    explicit CColourList(QWidget* parent) : View(parent), colours(ListColours::OfPalette(this)) {
        this->setItemDelegate(new CColorCellDelegate(this, &colours));
        SetUpColourList(*this);
    }

    const ListColours& Colours() const { return colours; }

    // The columns fill the list exactly while it has no vertical scroll bar. Once there are more rows than
    // fit, that bar narrows the view; a horizontal bar would then cover the last row. The last column gives
    // up the room instead, down from its own width, so the list never scrolls sideways and every other
    // column stays where the background's titles expect it.
    void KeepColumnsInView(int lastColumnWidth) {
        lastColumnFull = lastColumnWidth;
        this->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        FitLastColumn();
    }

protected:
    // The view's resizeEvent also receives its viewport's resizes, such as the one a scroll bar makes.
    void resizeEvent(QResizeEvent* event) override {
        View::resizeEvent(event);
        FitLastColumn();
    }

    void changeEvent(QEvent* event) override {
        View::changeEvent(event);
        if (event->type() == QEvent::PaletteChange) {
            colours = ListColours::OfPalette(this);
        } else if (event->type() == QEvent::FontChange) {
            this->verticalHeader()->setDefaultSectionSize(this->fontMetrics().height() + 4);
        }
    }

    // The current row's focus frame spans the whole row: the view itself repaints only the current cell.
    void focusInEvent(QFocusEvent* event) override {
        View::focusInEvent(event);
        this->viewport()->update();
    }
    void focusOutEvent(QFocusEvent* event) override {
        View::focusOutEvent(event);
        this->viewport()->update();
    }
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override {
        View::currentChanged(current, previous);
        RepaintRows(*this, current, previous);
    }

    // An item view makes its first row current when it takes the focus without one, and reports that as a
    // change. A list has no current row until a click or an arrow key picks one. Tab does not move between
    // cells here, so only that focus step asks for MoveNext.
    QModelIndex moveCursor(QAbstractItemView::CursorAction cursorAction,
                           Qt::KeyboardModifiers modifiers) override {
        if (cursorAction == QAbstractItemView::MoveNext && !this->currentIndex().isValid()) {
            return {};
        }
        return View::moveCursor(cursorAction, modifiers);
    }

    // The default colours: a new palette replaces them (CColorListCtrl's rows appended before keep theirs).
    ListColours colours;

private:
    void FitLastColumn() {
        const int last = this->model() != nullptr ? this->model()->columnCount() - 1 : -1;
        if (lastColumnFull < 0 || last < 0) {
            return;
        }
        int others = 0;
        for (int column = 0; column < last; ++column) {
            others += this->columnWidth(column);
        }
        this->setColumnWidth(last, std::clamp(this->viewport()->width() - others, 0, lastColumnFull));
    }

    // The last column's own width once KeepColumnsInView was asked for, else -1.
    int lastColumnFull = -1;
};

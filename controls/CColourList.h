#pragma once
// What the two colour lists share, whichever view they are (CColorListCtrl holds its own items,
// CColorListView shows a model of the caller's): the cell delegate and its colours, the look SetUpColourList
// gives, the focus frame drawn over the whole current row, and no row made current by the focus step alone.
#include <QEvent>
#include <QHeaderView>
#include <QTableView>

#include "controls/CColorCellDelegate.h"

template <class View>
class CColourList : public View {
public:
    explicit CColourList(QWidget* parent) : View(parent), colours(ListColours::OfPalette(this)) {
        this->setItemDelegate(new CColorCellDelegate(this, &colours));
        SetUpColourList(*this);
    }

    const ListColours& Colours() const { return colours; }

protected:
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
};

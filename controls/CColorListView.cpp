#include "controls/CColorListView.h"

#include <QEvent>
#include <QHeaderView>
#include <algorithm>

#include "controls/CColorListCtrl.h"

CColorListView::CColorListView(QWidget* parent) : QTableView(parent), colours(ListColours::OfPalette(this)) {
    setItemDelegate(new CColorCellDelegate(this, &colours));
    SetUpColourList(*this);
}

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

void CColorListView::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        colours = ListColours::OfPalette(this);
    } else if (event->type() == QEvent::FontChange) {
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    }
}

void CColorListView::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    viewport()->update();
}

void CColorListView::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    viewport()->update();
}

void CColorListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    RepaintRows(*this, current, previous);
}

// As in CColorListCtrl: no row becomes current by the focus step alone.
QModelIndex CColorListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    if (cursorAction == MoveNext && !currentIndex().isValid()) {
        return {};
    }
    return QTableView::moveCursor(cursorAction, modifiers);
}

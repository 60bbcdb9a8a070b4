// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CColorListCtrl.h"

#include <QApplication>
#include <QHeaderView>
#include <QPalette>
#include <algorithm>
#include <climits>

#include "controls/CColorCellDelegate.h"

namespace {

// The leading decimal number of text, read as atoi reads it: blanks, an optional sign, then digits up to the
// first other character; no digits give 0. Out-of-range values are clamped instead of overflowing.
int LeadingDecimal(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r' ||
                               text[i] == u'\v' || text[i] == u'\f')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = std::min<long long>(value * 10 + (text[i].unicode() - u'0'), 1LL + INT_MAX);
    }
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

}  // namespace

CColorListCtrl::CColorListCtrl(QWidget* parent) : CColourList<QTableWidget>(parent) {
    connect(this, &QTableWidget::currentCellChanged, this, [this](int currentRow, int, int previousRow, int) {
        if (currentRow != previousRow) {
            emit itemChanged(currentRow);
        }
    });
}

QList<CColorListCtrl::ColumnSpec> CColorListCtrl::ParseColumns(const QString& spec) {
    QList<ColumnSpec> columns;
    qsizetype p = 0;
    while (true) {
        const qsizetype comma = spec.indexOf(u',', p);
        if (comma < 0) {
            break;
        }
        qsizetype semicolon = spec.indexOf(u';', comma + 1);
        if (semicolon < 0) {
            semicolon = spec.size();
        }
        const QStringView widthText = QStringView(spec).mid(comma + 1, semicolon - comma - 1);
        columns.append({spec.mid(p, comma - p), LeadingDecimal(widthText)});
        p = semicolon + 1;
    }
    return columns;
}

bool CColorListCtrl::DefineColumns(const QString& spec) {
    for (const ColumnSpec& column : ParseColumns(spec)) {
        const int index = columnCount();
        insertColumn(index);
        auto* header = new QTableWidgetItem(column.name);
        header->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setHorizontalHeaderItem(index, header);
        // A negative or absurd width would be ignored by the header; the nearest width it takes is used.
        setColumnWidth(index, std::clamp(column.width, 0, horizontalHeader()->maximumSectionSize()));
    }
    return true;
}

int CColorListCtrl::AppendRow(const QStringList& texts) {
    const int row = rowCount();
    insertRow(row);
    for (int column = 0; column < columnCount(); ++column) {
        auto* cell = new QTableWidgetItem(column < texts.size() ? texts[column] : QString());
        cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        cell->setForeground(ToQColor(colours.text));
        cell->setBackground(ToQColor(colours.back));
        setItem(row, column, cell);
    }
    // The row's data has just been set: like any change of a row, that is reported.
    emit itemChanged(row);
    return row;
}

void CColorListCtrl::SetRowDescription(int row, const QString& description) {
    for (int column = 0; column < columnCount(); ++column) {
        if (QTableWidgetItem* cell = item(row, column)) {
            cell->setData(Qt::AccessibleDescriptionRole, description);
        }
    }
}

void CColorListCtrl::SetCellColours(int row, int column, COLORREF text, COLORREF back) {
    QTableWidgetItem* cell = item(row, column);
    if (cell == nullptr) {
        return;
    }
    cell->setForeground(ToQColor(text == kDefaultColour ? colours.text : text));
    cell->setBackground(ToQColor(back == kDefaultColour ? colours.back : back));
}

void CColorListCtrl::SetCellText(int row, int column, const QString& text) {
    if (QTableWidgetItem* cell = item(row, column)) {
        cell->setText(text);
    }
}

QString CColorListCtrl::CellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell != nullptr ? cell->text() : QString();
}

COLORREF CColorListCtrl::CellTextColour(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell != nullptr ? FromQColor(cell->foreground().color()) : kDefaultColour;
}

COLORREF CColorListCtrl::CellBackColour(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell != nullptr ? FromQColor(cell->background().color()) : kDefaultColour;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A report list in which every cell has its own text and back colour. Columns come from one text of
// "name,width" pairs separated by semicolons; rows are appended with one text per column and stay in the
// order they were appended. No header is shown; a selected row is drawn whole in the selection colours.
#include <QList>
#include <QString>
#include <QStringList>
#include <QTableWidget>

#include "controls/CColourList.h"
#include "controls/Colour.h"

class CColorListCtrl : public CColourList<QTableWidget> {
    Q_OBJECT

public:
    struct ColumnSpec {
        QString name;
        int width = 0;
    };

    // A colour argument meaning "the list's current default".
    static constexpr COLORREF kDefaultColour = 0xFFFFFFFF;

    explicit CColorListCtrl(QWidget* parent = nullptr);

    // Splits a column text into its columns. A name runs up to the next comma and its width up to the next
    // semicolon (read like atoi); a trailing name without a comma is dropped.
    static QList<ColumnSpec> ParseColumns(const QString& spec);

    // Appends the columns of spec after any existing ones, left aligned, widths in pixels (a negative width
    // gives 0). A table never refuses a column, so this returns true.
    bool DefineColumns(const QString& spec);
    int ColumnCount() const { return columnCount(); }
    // One text per column from column 0; missing texts are blank and extra ones are ignored. Every cell
    // starts in the default colours current now. The new row is reported by itemChanged (the current row
    // stays as it was). Returns the new row's index.
    int AppendRow(const QStringList& texts);
    // kDefaultColour (-1) for either colour takes the current default. Out of range: nothing happens.
    void SetCellColours(int row, int column, COLORREF text, COLORREF back);
    void SetCellText(int row, int column, const QString& text);
    // What a screen reader adds to every cell of the row, for what the row shows by colour alone.
    void SetRowDescription(int row, const QString& description);

    QString CellText(int row, int column) const;
    // kDefaultColour for a cell that does not exist.
    COLORREF CellTextColour(int row, int column) const;
    COLORREF CellBackColour(int row, int column) const;

    COLORREF DefaultTextColour() const { return colours.text; }
    COLORREF DefaultBackColour() const { return colours.back; }
    COLORREF SelectedTextColour() const { return colours.selectedText; }
    COLORREF SelectedBackColour() const { return colours.selectedBack; }

signals:
    // A row was appended, or the current row changed (-1 when there is none).
    void itemChanged(int row);
};

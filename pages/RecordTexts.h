// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the records page names saved predictions in its list and in its questions. Its columns are those of
// res/RecordColumns.h, shared with every list of records and the exports.
#include <QString>
#include <QStringList>
#include <vector>

#include "controls/Colour.h"
#include "core/COleDateTime.h"

class CColorListCtrl;
struct HistoryRecord;

// The list's columns as CColorListCtrl::DefineColumns takes them: "开奖日期,85;期数,68;…".
QString RecordColumnsSpec();

// The texts of one record's row, one per column.
QStringList RecordRowTexts(const HistoryRecord& record);

// The row's colours by its verdict: a miss in red on the verdict; a hit in green on the code that was hit and
// on the verdict. A record without a result keeps the list's colours.
void ColourRecordRow(CColorListCtrl& list, int row, int isRight);
// The same for one cell of a row, for a list that asks for its cells as it paints them: true with the cell's
// own colours, false for a cell in the list's colours.
bool RecordCellColours(int isRight, int column, COLORREF& text, COLORREF& back);
// What a screen reader adds to every cell of a hit's row, whose texts are texts (the hit code is green
// only): "命中：预测码二 345". Empty for any other row.
QString RecordRowDescription(int isRight, const QStringList& texts);

// The draw date as the list shows it: year, month and day without leading zeros ("2009-6-17").
QString RecordDateText(const COleDateTime& date);

// The question before archiving these records (in list order): how many, then each by draw date and issue;
// of a long run only the first and the last few, so the question still fits the screen.
QString ArchiveQuestion(const std::vector<const HistoryRecord*>& records);

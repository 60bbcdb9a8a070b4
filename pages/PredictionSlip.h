// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A prediction on paper and in a line of text: the slip a player takes to the lottery shop (printed, or as a
// PDF) and the line 复制号码 puts on the clipboard for a chat. The number page makes them of the prediction
// in progress; the records page of a saved record, which keeps no hexagrams, so its slip names none.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <string>

#include "core/COleDateTime.h"

class QPainter;
class QRectF;
struct HistoryRecord;
struct PredictionState;

struct PredictionSlip {
    COleDateTime drawDate;
    std::string issue;
    QString lunarDate;      // "农历十月十九"; empty when the date lies outside the calendar
    QString pillars;        // "丙午年庚子月丁丑日"; empty likewise
    QStringList hexagrams;  // "主卦：…", "互卦：…", "变卦：…"; empty for a saved record
    std::array<std::string, 8> codes;
};

PredictionSlip SlipOfPrediction(const PredictionState& state, const std::array<std::string, 8>& codes);
PredictionSlip SlipOfRecord(const HistoryRecord& record);

// "2026-12-08 第2026342期 预测号码：123 456 …": the date, the issue and the eight codes in order.
QString CopiedCodesLine(const PredictionSlip& slip);

// The slip on one page of any size: painted to fill page's width, its height as the page allows.
void PaintSlip(QPainter& painter, const QRectF& page, const PredictionSlip& slip);

// The slip as a one-page A5 PDF.
QByteArray SlipPdf(const PredictionSlip& slip);

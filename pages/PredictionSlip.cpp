// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/PredictionSlip.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include "core/CGuaReading.h"
#include "core/CLunarCalendar.h"
#include "core/CalendarEdition.h"
#include "core/PredictionState.h"
#include "shell/PageChrome.h"
#include "store/HistoryRecord.h"
#include "store/RecordColumnText.h"

namespace {

// The slip is laid out on a sheet 1000 units wide; the page scales it.
constexpr double kWidth = 1000.0;
constexpr double kMargin = 70.0;
const QColor kInk(0, 40, 40);
const QColor kSoftInk(60, 100, 104);
const QColor kSeal(184, 52, 36);

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

QFont SlipFont(double pixels, const QString& face, QFont::Weight weight) {
    QFont font = PageFont(1, face);
    font.setPixelSize(static_cast<int>(pixels));
    font.setWeight(weight);
    return font;
}

void Text(QPainter& painter, const QRectF& box, const QString& text, const QFont& font, const QColor& colour,
          int flags = Qt::AlignLeft | Qt::AlignVCenter) {
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, flags, text);
}

// The heading and the draw: date and issue, then the calendar and the hexagrams when known. Returns the
// height used.
double PaintHeading(QPainter& painter, const PredictionSlip& slip) {
    const double inner = kWidth - 2 * kMargin;
    Text(painter, QRectF(kMargin, 60, inner, 80), QStringLiteral("周易预测号码 · 预测单"),
         SlipFont(60, QStringLiteral("黑体"), QFont::Bold), kInk, Qt::AlignCenter);
    painter.fillRect(QRectF(kMargin, 160, inner, 3), kSeal);
    const QFont line = SlipFont(34, QStringLiteral("宋体"), QFont::Bold);
    double y = 190;
    Text(painter, QRectF(kMargin, y, inner, 50),
         QStringLiteral("开奖日期：%1　　第%2期")
             .arg(FromUtf8(IsoDateText(slip.drawDate)), FromUtf8(slip.issue).left(24)),
         line, kInk);
    y += 60;
    QStringList calendar;
    if (!slip.lunarDate.isEmpty()) {
        calendar << slip.lunarDate << slip.pillars;
    }
    for (const QString& text :
         {calendar.join(QStringLiteral("　")), slip.hexagrams.join(QStringLiteral("　"))}) {
        if (!text.isEmpty()) {
            Text(painter, QRectF(kMargin, y, inner, 50), text, line, kInk);
            y += 60;
        }
    }
    return y;
}

constexpr double kCellHeight = 190;
constexpr double kCellGap = 24;

// The eight codes, two to a row in reading order, each large in a frame with its group's name above.
double PaintCodes(QPainter& painter, double top, const PredictionSlip& slip) {
    const double inner = kWidth - 2 * kMargin;
    const double cellWidth = (inner - kCellGap) / 2;
    const QFont label = SlipFont(26, QStringLiteral("宋体"), QFont::Bold);
    const QFont code = SlipFont(120, QStringLiteral("黑体"), QFont::Black);
    const QString numbers = QStringLiteral("一二三四五六七八");
    for (int i = 0; i < 8; ++i) {
        const QRectF cell(kMargin + (i % 2) * (cellWidth + kCellGap),
                          top + (i / 2) * (kCellHeight + kCellGap), cellWidth, kCellHeight);
        painter.setPen(QPen(kSoftInk, 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(cell, 12, 12);
        Text(painter, QRectF(cell.left(), cell.top() + 8, cell.width(), 36),
             QStringLiteral("第%1组").arg(numbers.at(i)), label, kSoftInk, Qt::AlignCenter);
        Text(painter, QRectF(cell.left(), cell.top() + 40, cell.width(), cell.height() - 48),
             FromUtf8(slip.codes[static_cast<std::size_t>(i)]).left(8), code, kInk, Qt::AlignCenter);
    }
    return top + 4 * kCellHeight + 3 * kCellGap;
}

void PaintFooter(QPainter& painter, double bottom) {
    const double inner = kWidth - 2 * kMargin;
    painter.fillRect(QRectF(kMargin, bottom - 80, inner, 2), kSoftInk);
    Text(painter, QRectF(kMargin, bottom - 70, inner, 50), QStringLiteral("Quintara V4.3"),
         SlipFont(28, QStringLiteral("宋体"), QFont::Bold), kSoftInk);
    Text(painter, QRectF(kMargin, bottom - 70, inner, 50), QStringLiteral("号码仅供娱乐"),
         SlipFont(28, QStringLiteral("宋体"), QFont::Bold), kSoftInk, Qt::AlignRight | Qt::AlignVCenter);
}

// The calendar lines of a date, when the calendar reaches it: quietly none otherwise, rather than the
// converter's message on a slip being printed.
void FillCalendar(const COleDateTime& date, PredictionSlip& slip) {
    CLunarCalendar lunar;
    if (!lunar.Convert(date)) {
        return;  // a day the calendar cannot convert: the slip goes without its lunar lines
    }
    slip.lunarDate =
        QStringLiteral("农历%1月%2").arg(FromUtf8(lunar.lunarMonthName), FromUtf8(lunar.lunarDayName));
    slip.pillars = FromUtf8(lunar.yearPillar) + QStringLiteral("年") + FromUtf8(lunar.monthPillar) +
                   QStringLiteral("月") + FromUtf8(lunar.dayPillar) + QStringLiteral("日");
}

}  // namespace

PredictionSlip SlipOfPrediction(const PredictionState& state, const std::array<std::string, 8>& codes) {
    PredictionSlip slip{state.drawDate, state.issueNumber, {}, {}, {}, codes};
    FillCalendar(state.drawDate, slip);
    const std::pair<const char*, const CGuaReading*> readings[] = {
        {"主卦", state.mainGua.get()}, {"互卦", state.mutualGua.get()}, {"变卦", state.changedGua.get()}};
    for (const auto& [name, reading] : readings) {
        if (reading != nullptr) {
            slip.hexagrams << QString::fromUtf8(name) + QStringLiteral("：") +
                                  FromUtf8(reading->hexagramName);
        }
    }
    return slip;
}

PredictionSlip SlipOfRecord(const HistoryRecord& record) {
    PredictionSlip slip{record.record_date, record.open_order, {}, {}, {}, record.data};
    FillCalendar(record.record_date, slip);
    return slip;
}

QString CopiedCodesLine(const PredictionSlip& slip) {
    QStringList codes;
    for (const std::string& code : slip.codes) {
        codes << FromUtf8(code);
    }
    return QStringLiteral("%1 第%2期 预测号码：%3")
        .arg(FromUtf8(IsoDateText(slip.drawDate)), FromUtf8(slip.issue), codes.join(u' '));
}

void PaintSlip(QPainter& painter, const QRectF& page, const PredictionSlip& slip) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(page.topLeft());
    const double scale = page.width() / kWidth;
    painter.scale(scale, scale);
    const double height = page.height() / scale;
    const double codesBottom = PaintCodes(painter, PaintHeading(painter, slip) + 20, slip);
    PaintFooter(painter, std::max(height, codesBottom + 110));
    painter.restore();
}

QByteArray SlipPdf(const PredictionSlip& slip) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A5));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(600);
        writer.setTitle(QStringLiteral("预测单 %1").arg(CopiedCodesLine(slip)));
        writer.setCreator(QStringLiteral("Quintara V4.3"));
        QPainter painter(&writer);
        PaintSlip(painter, QRectF(QPointF(0, 0), QSizeF(writer.width(), writer.height())), slip);
    }
    return bytes;
}

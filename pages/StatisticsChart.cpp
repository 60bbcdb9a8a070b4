// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/StatisticsChart.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "pages/DialogFont.h"

namespace {

const QColor kHitLine(184, 52, 36);       // cinnabar: the hits
const QColor kChanceLine(104, 148, 160);  // slate: what chance gives
const QColor kLabel(40, 80, 84);
const QColor kGrid(214, 230, 232);

QString Percent(double rate) {
    return QString::number(rate * 100.0, 'g', 3) + QLatin1Char('%');
}

// One line through the rates picked by value, from the first draw at the left edge to the last at the right.
QPainterPath RateLine(const QRect& plot, const std::vector<RunningRates>& rates, double top,
                      double RunningRates::*value) {
    QPainterPath path;
    const double steps = std::max<std::size_t>(rates.size() - 1, 1);
    for (std::size_t i = 0; i < rates.size(); ++i) {
        const double x = plot.left() + plot.width() * (rates.size() == 1 ? 0.5 : i / steps);
        const double y = plot.bottom() - plot.height() * std::min(rates[i].*value / top, 1.0);
        i == 0 ? path.moveTo(x, y) : path.lineTo(x, y);
    }
    return path;
}

void PaintLabels(QPainter& painter, const QRect& plot, std::size_t draws, double top) {
    QFont font = DialogFont();
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(kLabel);
    painter.drawText(QRect(plot.left() - 50, plot.top() - 7, 46, 14), Qt::AlignRight | Qt::AlignVCenter,
                     Percent(top));
    painter.drawText(QRect(plot.left() - 50, plot.bottom() - 7, 46, 14), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("0"));
    painter.drawText(QRect(plot.left() - 20, plot.bottom() + 2, 40, 14), Qt::AlignCenter,
                     QStringLiteral("1"));
    if (draws > 1) {
        painter.drawText(QRect(plot.right() - 20, plot.bottom() + 2, 40, 14), Qt::AlignCenter,
                         QString::number(draws));
    }
}

}  // namespace

double ChartScaleTop(const std::vector<RunningRates>& rates) {
    double highest = 0.01;
    for (const RunningRates& rate : rates) {
        highest = std::max({highest, rate.hitRate, rate.chanceRate});
    }
    // A round step above the highest rate: 1%, 2%, 5%, 10%, 20%, 50%, 100%.
    for (const double step : {0.01, 0.02, 0.05, 0.1, 0.2, 0.5}) {
        if (highest <= step) {
            return step;
        }
    }
    return 1.0;
}

void PaintRatesChart(QPainter& painter, const QRect& plot, const std::vector<RunningRates>& rates) {
    const double top = ChartScaleTop(rates);
    painter.save();
    painter.setPen(QPen(kGrid, 1));
    painter.drawLine(plot.left(), plot.top(), plot.right(), plot.top());
    painter.drawLine(plot.left(), plot.center().y(), plot.right(), plot.center().y());
    PaintLabels(painter, plot, rates.size(), top);
    if (!rates.empty()) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kChanceLine, 2, Qt::DashLine));
        painter.drawPath(RateLine(plot, rates, top, &RunningRates::chanceRate));
        painter.setPen(QPen(kHitLine, 2));
        painter.drawPath(RateLine(plot, rates, top, &RunningRates::hitRate));
    }
    painter.restore();
}

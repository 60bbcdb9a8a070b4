// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statistics window's chart: the running hit rate against the running chance rate, draw by draw.
#include <QPainter>
#include <QRect>
#include <vector>

#include "store/HistoryStatistics.h"

// The top of the rate scale: a little above the highest rate, never under 1%, so that the chance line (under
// 1% for eight codes) never lies flat on the axis.
double ChartScaleTop(const std::vector<RunningRates>& rates);

// Draws the two lines inside plot, with the scale's labels left of it and the draw numbers below it.
void PaintRatesChart(QPainter& painter, const QRect& plot, const std::vector<RunningRates>& rates);

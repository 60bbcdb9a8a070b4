// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the print plugin (morvint_print.so) offers the program: the print preview of one page, with the button
// that prints it through the print dialog, found by this name. The page's contents and where the preview
// opens are the program's, handed in; the plugin knows nothing else of the program.
#include <QRectF>
#include <QString>
#include <functional>

class QDialog;
class QPainter;
class QWidget;

struct PrintJob {
    QString title;         // the preview window's caption
    QString documentName;  // the name the print queue shows
    std::function<void(QPainter& painter, const QRectF& page)> paint;
    std::function<void(QDialog& preview)> place;  // before it is shown
};

// Runs the preview modal over parent until the user closes it.
using PrintPreviewFunction = void (*)(const PrintJob& job, QWidget* parent);

inline constexpr char kPrintPreviewEntry[] = "morvint_print_preview";

// SPDX-License-Identifier: GPL-3.0-or-later
// The print preview on Qt Print Support, whose library would otherwise be loaded and relocated on every start
// for a slip few runs ever print. A5 unless the user picks other paper.
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <type_traits>

#include "pages/print/PrintEntry.h"

extern "C" Q_DECL_EXPORT void morvint_print_preview(const PrintJob& job, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A5));
    printer.setDocName(job.documentName);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(job.title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&job](QPrinter* target) {
        QPainter painter(target);
        job.paint(painter, QRectF(QPointF(0, 0), target->pageRect(QPrinter::DevicePixel).size()));
    });
    job.place(preview);
    preview.exec();
}

static_assert(std::is_same_v<decltype(&morvint_print_preview), PrintPreviewFunction>,
              "the program calls the entry through PrintPreviewFunction");

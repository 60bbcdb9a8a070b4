// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/tour/ViewChecks.h"

#include <QHash>
#include <QPainter>
#include <QWidget>

bool IsBlank(const QImage& picture) {
    if (picture.isNull() || picture.width() < 2 || picture.height() < 2) {
        return true;
    }
    // A grid of samples: a drawn window has many colours, and no single one covers almost all of it.
    QHash<QRgb, int> counts;
    int samples = 0;
    const int step = 3;
    for (int y = 0; y < picture.height(); y += step) {
        for (int x = 0; x < picture.width(); x += step) {
            ++counts[picture.pixel(x, y)];
            ++samples;
        }
    }
    int largest = 0;
    for (const int count : counts) {
        largest = std::max(largest, count);
    }
    return counts.size() < 8 || largest > samples * 95 / 100;
}

QStringList ControlsOutside(const QWidget& window) {
    QStringList outside;
    const QList<QWidget*> controls = window.findChildren<QWidget*>();
    for (const QWidget* control : controls) {
        const QWidget* parent = control->parentWidget();
        if (control->isWindow() || parent == nullptr || !control->isVisibleTo(&window)) {
            continue;
        }
        if (!parent->rect().contains(control->geometry())) {
            const QRect g = control->geometry();
            outside << QStringLiteral("%1 '%2' %3,%4 %5x%6 in %7 %8x%9")
                           .arg(QString::fromLatin1(control->metaObject()->className()),
                                control->objectName())
                           .arg(g.x())
                           .arg(g.y())
                           .arg(g.width())
                           .arg(g.height())
                           .arg(QString::fromLatin1(parent->metaObject()->className()))
                           .arg(parent->width())
                           .arg(parent->height());
        }
    }
    return outside;
}

QImage OverMainWindow(const QImage& mainWindow, const QImage& dialog, const QString& caption) {
    QImage shot = mainWindow.convertToFormat(QImage::Format_RGB32);
    const qreal scale = mainWindow.devicePixelRatio();
    shot.setDevicePixelRatio(1);
    QPainter painter(&shot);
    const QSize size(dialog.width(), dialog.height() + (caption.isEmpty() ? 0 : qRound(26 * scale)));
    const QPoint at((shot.width() - size.width()) / 2, (shot.height() - size.height()) / 2);
    const int shadow = qRound(5 * scale);
    painter.fillRect(QRect(at + QPoint(shadow, shadow), size), QColor(0, 30, 30, 90));
    QPoint body = at;
    if (!caption.isEmpty()) {
        const QRect bar(at, QSize(size.width(), size.height() - dialog.height()));
        painter.fillRect(bar, QColor(58, 96, 110));
        QFont font = painter.font();
        font.setPixelSize(qRound(13 * scale));
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(bar.adjusted(qRound(8 * scale), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, caption);
        body += QPoint(0, bar.height());
    }
    QImage plain = dialog;
    plain.setDevicePixelRatio(1);
    painter.drawImage(body, plain);
    return shot;
}

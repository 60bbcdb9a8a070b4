// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CPictureStatic.h"

#include <QImage>
#include <QPainter>
#include <QPen>

#include "controls/Colour.h"
#include "controls/ImageFile.h"
#include "controls/ProgramFiles.h"

CPictureStatic::CPictureStatic(QWidget* parent) : QWidget(parent) {}

void CPictureStatic::SetPictureFile(const QString& file, int width, int height, bool drawFrame) {
    pictureFile = file;
    pictureWidth = width;
    pictureHeight = height;
    frame = drawFrame;
    pictureSet = true;
    update();
}

void CPictureStatic::paintEvent(QPaintEvent* /*event*/) {
    if (!pictureSet) {
        return;
    }
    QPainter painter(this);
    // Read on every paint: the pages change the file under the same name. The format is forced because the
    // extensions do not say "bmp". Parts of the area the picture does not cover are left to the page behind.
    const QImage picture = ReadImageFile(ProgramFilePath(pictureFile), "BMP");
    if (!picture.isNull()) {
        painter.drawImage(QPoint(0, 0), picture, QRect(0, 0, pictureWidth, pictureHeight));
    }
    if (frame) {
        painter.setPen(QPen(ToQColor(RGB(200, 50, 50)), 2));
        const int w = pictureWidth - 1;
        const int h = pictureHeight - 1;
        painter.drawLine(1, 1, w, 1);
        painter.drawLine(1, h, w, h);
        painter.drawLine(1, 1, 1, h);
        painter.drawLine(w, 1, w, h);
    }
}

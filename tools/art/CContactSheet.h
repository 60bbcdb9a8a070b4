// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QPainter>
#include <QString>

// One PNG that shows every generated picture: each window as it looks with its buttons (at rest) and sample
// texts laid on its background, then the hover cards, the animation frames, the trigrams, every face with its
// id, and the icon. It reads the files the generator wrote, so it shows exactly what the program shows.
class CContactSheet {
public:
    CContactSheet(QString programFolder, QString resourceFolder);
    bool Write(const QString& path) const;
    QImage Compose() const;

private:
    QImage Program(const QString& name) const;
    QImage Bitmap(unsigned id) const;
    QImage Window(int index) const;
    int Heading(QPainter& painter, int y, const QString& text) const;
    int Windows(QPainter& painter, int y) const;
    int Strip(QPainter& painter, int y) const;
    int Faces(QPainter& painter, int y) const;

    QString programDir;
    QString resourceDir;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture read from a file and drawn at the control's top-left corner. Pages swap the file to animate
// (one call per timer tick), so the file is read anew on every paint and nothing is cached.
#include <QString>
#include <QWidget>

class CPictureStatic : public QWidget {
    Q_OBJECT

public:
    explicit CPictureStatic(QWidget* parent = nullptr);

    // The file is a bitmap whatever its extension (".mid", ".bmp"), named as the pages name it (a relative
    // name is a file of the program files folder, controls/ProgramFiles.h). Draws width x height from the
    // origin, clipped; a frame adds a 2-pixel red outline. Repaints at once.
    void SetPictureFile(const QString& file, int width, int height, bool frame);

    QString PictureFile() const { return pictureFile; }
    bool PictureSet() const { return pictureSet; }
    int PictureWidth() const { return pictureWidth; }
    int PictureHeight() const { return pictureHeight; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString pictureFile;
    int pictureWidth = 0;
    int pictureHeight = 0;
    bool frame = false;
    bool pictureSet = false;
};

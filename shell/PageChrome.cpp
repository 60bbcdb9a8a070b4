// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/PageChrome.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "controls/CjkFonts.h"
#include "controls/ImageFile.h"
#include "controls/ProgramFiles.h"
#include "shell/CSoundPlayer.h"

// Drawn band by band as it is read: a window's picture never lies in memory whole.
void PaintBackground(QPainter& painter, const QString& file, int width, int height) {
    ReadImageBands(ProgramFilePath(file), [&painter, width, height](const QImage& band, int top) {
        if (top < height) {
            painter.drawImage(QPoint(0, top), band,
                              QRect(0, 0, width, std::min(band.height(), height - top)));
        }
    });
}

QFont PageFont(int height, const QString& face) {
    static const bool substituted = [] {
        InstallCjkFontSubstitutions();
        return true;
    }();
    (void)substituted;
    QFont font(face);
    font.setPixelSize(height);
    font.setWeight(QFont::Black);
    return font;
}

void PlaySoundFile(const QString& file) {
    CSoundPlayer::Instance().Play(ProgramFilePath(file));
}

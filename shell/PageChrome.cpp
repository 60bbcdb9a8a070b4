#include "shell/PageChrome.h"

#include <QImage>
#include <QPainter>

#include "controls/CjkFonts.h"
#include "controls/ImageFile.h"
#include "controls/ProgramFiles.h"
#include "shell/CSoundPlayer.h"

void PaintBackground(QPainter& painter, const QString& file, int width, int height) {
    const QImage picture = ReadImageFile(ProgramFilePath(file), "BMP");
    if (!picture.isNull()) {
        painter.drawImage(QPoint(0, 0), picture, QRect(0, 0, width, height));
    }
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

#include "controls/ImageFile.h"

#include <QImageReader>

QImage ReadImageFile(const QString& path, const char* format) {
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage ResourceBitmap(unsigned id) {
    return ReadImageFile(QStringLiteral(":/bitmaps/%1.bmp").arg(id), "BMP");
}

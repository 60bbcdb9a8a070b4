// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/art/ArtFaces.h"

#include <QFontDatabase>

const QList<ArtFace>& ArtFaces() {
    static const QList<ArtFace> faces{
        {"LXGW WenKai", "fonts-lxgw-wenkai"},
        {"Noto Serif CJK SC", "fonts-noto-cjk"},
        {"Noto Sans CJK SC", "fonts-noto-cjk"},
    };
    return faces;
}

QStringList MissingFaces(const QList<ArtFace>& faces) {
    // The families the database lists are installed faces; QFontDatabase::hasFamily would also accept a name
    // that fontconfig merely substitutes with another face.
    const QStringList installed = QFontDatabase::families();
    QStringList missing;
    for (const ArtFace& face : faces) {
        const QString family = QString::fromUtf8(face.family);
        if (!installed.contains(family, Qt::CaseInsensitive)) {
            missing << QStringLiteral("the face \"%1\" is not installed (Debian package %2)")
                           .arg(family, QString::fromUtf8(face.package));
        }
    }
    return missing;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

// The faces the pictures are drawn with, and the check that they are installed. Qt draws with whatever face
// it finds instead of a missing one, so without this check a machine short of a font package would build
// pictures that differ from everyone else's without a word.
struct ArtFace {
    const char* family;
    const char* package;  // the Debian package that installs it
};

// LXGW WenKai for titles and button faces; the Noto CJK faces stand in for 宋体 and 黑体.
const QList<ArtFace>& ArtFaces();

// One line for each face of `faces` that the font database does not hold, naming the package to install;
// empty when every one is there. A QGuiApplication must exist.
QStringList MissingFaces(const QList<ArtFace>& faces);

// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CjkFonts.h"

#include <QFont>
#include <QString>

void InstallCjkFontSubstitutions() {
    QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"));
    QFont::insertSubstitution(QStringLiteral("黑体"), QStringLiteral("Noto Sans CJK SC"));
}

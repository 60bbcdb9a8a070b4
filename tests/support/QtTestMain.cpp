// Main of every GUI test: an offscreen QApplication with the CJK substitutions and Qt's Chinese texts, as the
// program starts, then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "controls/CjkFonts.h"
#include "shell/ChineseTranslations.h"
#include "tools/OffscreenPlatform.h"

int main(int argc, char** argv) {
    const QTemporaryDir runtimeDir;
    UseOffscreenPlatform(runtimeDir);
    QApplication app(argc, argv);
    InstallCjkFontSubstitutions();
    InstallChineseTranslations();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

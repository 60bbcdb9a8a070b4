#include "tests/support/OffscreenTests.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "controls/CjkFonts.h"
#include "shell/ChineseTranslations.h"
#include "tools/OffscreenPlatform.h"

int RunTestsOffscreen(int argc, char** argv) {
    const QTemporaryDir runtimeDir;
    UseOffscreenPlatform(runtimeDir);
    QApplication app(argc, argv);
    InstallCjkFontSubstitutions();
    InstallChineseTranslations();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

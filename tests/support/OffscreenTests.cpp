// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/OffscreenTests.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "controls/CjkFonts.h"
#include "shell/ChineseTranslations.h"
#include "tools/OffscreenPlatform.h"

int RunTestsOffscreen(int argc, char** argv) {
    const QTemporaryDir runtimeDir;
    UseOffscreenPlatform(runtimeDir);
    // The user's settings go to a folder of the run, never into the real home.
    const QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path());
    QApplication app(argc, argv);
    InstallCjkFontSubstitutions();
    InstallChineseTranslations();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

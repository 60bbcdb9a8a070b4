// Main of every GUI test: an offscreen QApplication with the CJK substitutions and Qt's Chinese texts, as the
// program starts, then GoogleTest. The user's settings go to a folder of the run, never into the real home,
// and the sound plugin is the one the build wrote beside the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "controls/CjkFonts.h"
#include "shell/CSoundPlayer.h"
#include "shell/ChineseTranslations.h"
#include "tools/OffscreenPlatform.h"

int main(int argc, char** argv) {
    const QTemporaryDir runtimeDir;
    UseOffscreenPlatform(runtimeDir);
    const QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path());
    QApplication app(argc, argv);
    CSoundPlayer::SetPluginFolders({QStringLiteral(MORVINT_PROGRAM_DIR)});
    InstallCjkFontSubstitutions();
    InstallChineseTranslations();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

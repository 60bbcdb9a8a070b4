// SPDX-License-Identifier: GPL-3.0-or-later
// Main of every GUI test: the program's own offscreen application, then GoogleTest. Compiled into each GUI
// test, which takes its fixtures from the test support library; its sounds play through the plugin the build
// wrote beside the program.
#include "shell/CSoundPlayer.h"
#include "tests/support/OffscreenTests.h"

int main(int argc, char** argv) {
    CSoundPlayer::SetPluginFolders({QStringLiteral(MORVINT_PROGRAM_DIR)});
    return RunTestsOffscreen(argc, argv);
}

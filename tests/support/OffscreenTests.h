// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the GoogleTest cases of a GUI test program in an offscreen QApplication set up as the program sets up
// its own: the CJK font substitutions and Qt's Chinese texts installed, and the user's settings in a folder
// of the run. Returns what RUN_ALL_TESTS returns.
int RunTestsOffscreen(int argc, char** argv);

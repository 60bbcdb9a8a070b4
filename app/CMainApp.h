// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's application object: the start-up of CPredictApp, ending in the main window with its
// navigation panel and page containers.
#include "shell/CPredictApp.h"

class CMainApp final : public CPredictApp {
protected:
    // Loads the button pictures compiled into the program and runs the main window until it closes.
    void RunMainWindow() override;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CMainApp.h"

#include "app/CMainDlg.h"
#include "res/Resources.h"

void CMainApp::RunMainWindow() {
    InitResources();
    CMainDlg mainWindow(*this);
    mainWindow.RunUntilClosed();
}

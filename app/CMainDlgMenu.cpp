// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's right-click menu and what it runs: the about box, the switch for the hover chime, and the
// backup and the restore of the player's data.
#include <QContextMenuEvent>
#include <QMenu>

#include "app/CMainDlg.h"
#include "pages/RecordsMenuActions.h"
#include "shell/CAboutDlg.h"
#include "shell/CPredictApp.h"
#include "shell/CSoundPlayer.h"
#include "shell/UserSettings.h"

void CMainDlg::OnSysCommand(unsigned id) {
    if ((id & 0xFFF0) == kAboutCommand) {
        CAboutDlg about(this);
        about.DoModal();
    }
}

// The window has no system menu of its own here: a right click offers the about item it would carry, the
// switch for the hover chime, which is remembered for the next start, and the backup and the restore of the
// player's data.
void CMainDlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* mute = menu.addAction(QStringLiteral("静音"));
    mute->setCheckable(true);
    mute->setChecked(CSoundPlayer::Instance().IsMuted());
    menu.addSeparator();
    const QAction* backUp = menu.addAction(QStringLiteral("备份数据…"));
    const QAction* restore = menu.addAction(QStringLiteral("恢复数据…"));
    menu.addSeparator();
    const QAction* about = menu.addAction(QStringLiteral("关于 morvint(&A)..."));
    const QAction* chosen = menu.exec(event->globalPos());
    if (chosen == mute) {
        OnMute(mute->isChecked());
    } else if (chosen == backUp) {
        BackUpFromMenu(app, this);
    } else if (chosen == restore && RestoreFromMenu(app, this)) {
        ShowPlayer();
    } else if (chosen == about) {
        OnSysCommand(kAboutCommand);
    }
}

void CMainDlg::OnMute(bool muted) {
    CSoundPlayer::Instance().SetMuted(muted);
    SaveMutedSetting(muted);
}

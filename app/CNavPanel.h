// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The home view's column of buttons: new prediction, records, player profile, help and about. Moving the
// pointer onto a button shows its picture in the main window (with the one sound); moving onto bare panel
// hides it again. A keyboard user gets the same pictures by moving the focus, without the sound: focus on a
// button shows its picture, focus on 关于 or off the panel hides it. The panel only posts: the main window
// does the work.
#include <QLabel>

#include "controls/CHoverNotifyButton.h"
#include "controls/CSkinButton.h"
#include "res/Layout.h"
#include "shell/CPageDialog.h"
#include "shell/Navigation.h"
#include "shell/OpenHelp.h"

class CNavPanel : public CPageDialog {
    Q_OBJECT

public:
    // 答疑 opens the general help through openHelp.
    explicit CNavPanel(HelpOpener helpOpener);

    // The kind of the last picture asked for; ViewKind::NoPicture when none is shown.
    ViewKind lastHoverKind = ViewKind::NoPicture;
    // True while the picture shown is the one of the focused button (not of the button under the pointer).
    bool pictureFollowsFocus = false;

    CHoverNotifyButton predictButton;
    CHoverNotifyButton recordsButton;
    CHoverNotifyButton playerButton;
    CHoverNotifyButton answersButton;
    CSkinButton aboutButton;

protected:
    bool OnInitDialog() override;
    void customEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void OnNavHover(ViewKind kind);
    void OnNavFocus();
    // The kind of the hover button that shows the focus frame, NoPicture when none does.
    ViewKind KeyboardFocusKind() const;
    bool PictureAllowed() const;

    QLabel seal;
    HelpOpener openHelp;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A skinned button that tells a window about every mouse move over it, so that window can show a hint for
// the button under the pointer (the navigation panel's hover pictures).
#include <QObject>
#include <QtGlobal>

#include "controls/CSkinButton.h"

class CHoverNotifyButton : public CSkinButton {
    Q_OBJECT

public:
    explicit CHoverNotifyButton(QWidget* parent = nullptr);

    // Written directly by the owner: where to post, and the message with its wParam (lParam is always 0).
    QObject* notifyWindow = nullptr;
    qintptr notifyParam = 0;
    int notifyMessage = 0;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

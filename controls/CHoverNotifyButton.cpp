// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CHoverNotifyButton.h"

#include "controls/PostedMessage.h"

CHoverNotifyButton::CHoverNotifyButton(QWidget* parent) : CSkinButton(parent) {}

void CHoverNotifyButton::mouseMoveEvent(QMouseEvent* event) {
    PostMessageTo(notifyWindow, notifyMessage, notifyParam, 0);
    CSkinButton::mouseMoveEvent(event);
}

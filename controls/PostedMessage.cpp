// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/PostedMessage.h"

#include <QCoreApplication>

CPostedMessage::CPostedMessage(int msg, qintptr w, qintptr l)
    : QEvent(Type()), message(msg), wParam(w), lParam(l) {}

QEvent::Type CPostedMessage::Type() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void PostMessageTo(QObject* target, int message, qintptr wParam, qintptr lParam) {
    if (target == nullptr) {
        return;
    }
    QCoreApplication::postEvent(target, new CPostedMessage(message, wParam, lParam));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CKeyboardCues.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>

namespace {

bool keyboardInUse = false;
CKeyboardCues* watcher = nullptr;

bool MovesTheFocus(const QEvent& event) {
    switch (static_cast<const QKeyEvent&>(event).key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            return true;
        default:
            return false;
    }
}

}  // namespace

void CKeyboardCues::Install() {
    QCoreApplication* application = QCoreApplication::instance();
    if (watcher != nullptr || application == nullptr) {
        return;
    }
    watcher = new CKeyboardCues(application);
    application->installEventFilter(watcher);
    connect(watcher, &QObject::destroyed, [] { watcher = nullptr; });
}

bool CKeyboardCues::KeyboardInUse() {
    return keyboardInUse;
}

void CKeyboardCues::Forget() {
    keyboardInUse = false;
}

bool CKeyboardCues::eventFilter(QObject* watched, QEvent* event) {
    // An if, not a switch: a switch over Qt's hundred-odd event types would have to name them all.
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        keyboardInUse = keyboardInUse || MovesTheFocus(*event);
    } else if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        keyboardInUse = false;
    }
    return QObject::eventFilter(watched, event);
}

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
    switch (event->type()) {
        case QEvent::KeyPress:
            keyboardInUse = keyboardInUse || MovesTheFocus(*event);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            keyboardInUse = false;
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

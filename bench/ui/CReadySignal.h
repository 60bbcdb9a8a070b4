#pragma once
// Lets a benchmark time a program's start-up from outside: the moment the program's first window has been
// painted, one byte goes down the pipe named by MORVINT_READY_FD. Without that variable nothing happens, so
// the same program still runs normally by hand.
#include <unistd.h>

#include <QEvent>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <utility>

class CReadySignal : public QObject {
public:
    // afterReady runs once the byte is written, with the window that was painted.
    explicit CReadySignal(std::function<void(QWidget&)> afterReady)
        : readyFd(qEnvironmentVariableIntValue("MORVINT_READY_FD", &haveFd)), then(std::move(afterReady)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (fired || event->type() != QEvent::Paint) {
            return false;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || !widget->isWindow() || qobject_cast<QMessageBox*>(widget) != nullptr) {
            return false;
        }
        fired = true;
        // The paint event is on its way to the window: report once it has been handled.
        QPointer<QWidget> window = widget;
        QTimer::singleShot(0, this, [this, window] {
            if (haveFd) {
                const char ready = 'R';
                (void)!::write(readyFd, &ready, 1);
                ::close(readyFd);
            }
            if (window && then) {
                then(*window);
            }
        });
        return false;
    }

private:
    bool haveFd = false;
    int readyFd = -1;
    bool fired = false;
    std::function<void(QWidget&)> then;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lets a benchmark time a program's start-up from outside: the moment the program's first window has been
// painted, one byte goes down the pipe named by MORVINT_READY_FD. Without that variable nothing happens, so
// the same program still runs normally by hand. The pipe stays open until the process ends, so that later
// moments can be marked too (the click on 退出, for the time the exit takes), and the benchmark sees the end
// of the pipe when the process is gone.
#include <fcntl.h>
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
        : readyFd(qEnvironmentVariableIntValue("MORVINT_READY_FD", &haveFd)), then(std::move(afterReady)) {
        if (haveFd) {
            // Nothing the program starts may hold the pipe open after the program has ended.
            ::fcntl(readyFd, F_SETFD, FD_CLOEXEC);
        }
    }

    // Marks a moment for the benchmark with one byte.
    void Mark(char byte) const {
        if (haveFd) {
            (void)!::write(readyFd, &byte, 1);
        }
    }

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
            Mark('R');
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

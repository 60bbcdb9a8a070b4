// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answers modal windows in GUI tests. A modal loop blocks the test until the window ends, so the answer comes
// from a timer: while this object lives, each time a window of type Window is the active modal one, the
// action gets it and must end it.
#include <QApplication>
#include <QTimer>
#include <functional>
#include <utility>

template <class Window>
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(Window&)> answer) : action(std::move(answer)) {
        QObject::connect(&timer, &QTimer::timeout, [this] { Poll(); });
        timer.start(5);
    }
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    // How many times a window was answered.
    int Count() const { return count; }

private:
    void Poll() {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (busy || window == nullptr || !window->isVisible()) {
            return;
        }
        busy = true;  // the action may open further modal loops, in which this timer keeps firing
        ++count;
        action(*window);
        busy = false;
    }

    std::function<void(Window&)> action;
    QTimer timer;
    int count = 0;
    bool busy = false;
};

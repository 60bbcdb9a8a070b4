// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drives the running program from inside its own event loop, one step at a time: each step waits until its
// window is there, then acts on it as a user would. A step may open a modal window and block inside that
// window's loop; the driver keeps polling inside it, so the next step answers that window.
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>

class CStepDriver : public QObject {
public:
    using Ready = std::function<bool()>;
    using Act = std::function<void()>;

    // stepTimeoutMs: how long one step may wait for its window before the walk is given up.
    explicit CStepDriver(int stepTimeoutMs = 10000);

    void Add(const QString& name, Ready ready, Act act);
    // Starts polling; done runs once, after the last step acted or when a step timed out.
    void Start(std::function<void(bool finished)> done);

    bool Finished() const { return next == steps.size() && !failed; }
    // The step that did not come, with its name; empty when none.
    QString Failure() const { return failure; }

private:
    struct Step {
        QString name;
        Ready ready;
        Act act;
    };

    void Poll();
    void End(bool finished);

    std::vector<Step> steps;
    std::size_t next = 0;
    bool stepDue = false;
    bool failed = false;
    bool ended = false;
    QString failure;
    QTimer poll;
    QTimer stepTimer;
    std::function<void(bool)> onDone;
};
